#pragma once
#include "platform/Dialogs.h"

#include <functional>

class QWidget;

// The dialog seam on the program's own windows.
class QtDialogSeam : public DialogSeam {
public:
    using PrinterChooser = std::function<PrinterChoice(const PrinterChoiceRequest&)>;
    explicit QtDialogSeam(PrinterChooser choosePrinter = {});

    WarningAnswer ShowWarning(const WarningRequest& request, const WarningLayout& layout) override;
    std::optional<QString> InputText(const InputRequest& request) override;
    int PickFromList(const PickRequest& request) override;
    bool ShowTextList(const QString& caption, const QString& heading, const QStringList& lines) override;
    QString OpenFileName(const FileDialogRequest& request) override;
    QString SaveFileName(const FileDialogRequest& request) override;
    QString ExistingFolder(const FileDialogRequest& request) override;
    PrinterChoice ChoosePrinter(const PrinterChoiceRequest& request) override;

private:
    PrinterChooser choosePrinter_;
};

// The system's print dialog (CUPS printers and printing to a PDF file).
PrinterChoice ChoosePrinterWithSystemDialog(const PrinterChoiceRequest& request);
