#pragma once
#include "printing/PrintOptions.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QSpinBox;

// "Opcje druków": interest rate, copies of KP, margins, the document fonts with their samples and the
// envelope fonts.
class TeOpcjeDruku : public QDialog {
    Q_OBJECT

public:
    explicit TeOpcjeDruku(QWidget* parent = nullptr);
    PrintOptionsValues Values() const;
    void SetValues(const PrintOptionsValues& values);

private:
    struct FontRow {
        QFontComboBox* face = nullptr;
        QSpinBox* size = nullptr;
        QLabel* sample = nullptr;
    };
    FontRow AddFontRow(class QGridLayout* grid, int row, const QString& caption, const QString& name, SizeRange sizes,
                       const QString& sample);
    void RefreshSamples();
    void Confirm();

    QDoubleSpinBox* interest_ = nullptr;
    QCheckBox* kp3_ = nullptr;
    QSpinBox* margins_[4] = {};  // top, left, right, bottom
    QCheckBox* punch_ = nullptr;
    FontRow title_, text_, opis_, koperta_, okienko_;
    QCheckBox* italic_ = nullptr;
    QCheckBox* plainAddress_ = nullptr;
};
