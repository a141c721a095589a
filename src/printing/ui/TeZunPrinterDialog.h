#pragma once
#include "platform/Dialogs.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The printer choice before every job ("Drukowanie"): printer, copies, orientation; print, preview,
// save as PDF or cancel.
class TeZunPrinterDialog : public QDialog {
    Q_OBJECT

public:
    explicit TeZunPrinterDialog(const PrinterChoiceRequest& request, QWidget* parent = nullptr);
    PrinterChoice Choice() const { return choice_; }
    QString SelectedPrinter() const;

private:
    void FillPrinters();
    void PrinterChosen();
    void PrinterOptions();
    void PrintSettings();
    void Finish(PrinterChoice::Action action);
    void SavePdf();

    PrinterChoiceRequest request_;
    PrinterChoice choice_;
    QListWidget* printers_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QLabel* capability_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* options_ = nullptr;
};

// The dialog as the dialog seam shows it.
PrinterChoice ChoosePrinterInteractively(const PrinterChoiceRequest& request);
