#pragma once
#include <QDialog>
#include <functional>

// The hub of the print settings ("Ustawienia drukowania"): the option dialogs of printing with their
// explanations, and saving every option.
class TeUstawieniaDrukowania : public QDialog {
    Q_OBJECT

public:
    struct Openers {
        std::function<bool()> transfers, invoices, otherPrints, numbering;
    };
    explicit TeUstawieniaDrukowania(const Openers& openers, QWidget* parent = nullptr);
    bool AnyConfirmed() const { return confirmed_; }

private:
    bool confirmed_ = false;
};
