#include "printing/ui/TeUstawieniaDrukowania.h"

#include "printing/PrintSettingsStore.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TeUstawieniaDrukowania::TeUstawieniaDrukowania(const Openers& openers, QWidget* parent) : QDialog(parent)
{
    setObjectName("TeUstawieniaDrukowania");
    setWindowTitle("Ustawienia drukowania");
    auto* grid = new QGridLayout(this);
    const struct {
        const char* name;
        const char* caption;
        const char* explanation;
        std::function<bool()> open;
    } entries[] = {
        {"bOpcjePrzelewow", "Opcje przelewów... >",
         "Ustaw parametry drukowania przelewów, przesunięcia na formularzach, czcionki wypełniania formularzy itd.",
         openers.transfers},
        {"bOpcjeFaktur", "Opcje faktur... >",
         "Ustaw czcionki drukowania faktur, teksty potwierdzeń, ilość kopii faktury, układ wydruku itd.",
         openers.invoices},
        {"bOpcjeInnychDrukow", "Opcje innych druków... >",
         "Ustaw czcionki drukowania różnych druków, opcje drukowania kopert i stron adresowych...", openers.otherPrints},
        {"bNumeracja", "Numeracja dokumentów... >",
         "Formaty numerów różnychdokumentów - faktur, rachunków, dokumentów kasowych, magazynowych itd.",
         openers.numbering},
    };
    int row = 0;
    for (const auto& e : entries) {
        auto* button = new QPushButton(e.caption, this);
        button->setObjectName(e.name);
        button->setMinimumWidth(190);
        button->setEnabled(bool(e.open));
        auto* label = new QLabel(e.explanation, this);
        label->setWordWrap(true);
        label->setEnabled(bool(e.open));
        grid->addWidget(button, row, 0, Qt::AlignTop);
        grid->addWidget(label, row, 1);
        const std::function<bool()> open = e.open;
        connect(button, &QPushButton::clicked, this, [this, open] {
            if (open && open())
                confirmed_ = true;
        });
        ++row;
    }
    auto* save = new QPushButton("Zapisz wszystkie opcje", this);
    save->setObjectName("bZapisz");
    grid->addWidget(save, row, 0, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 360);
    connect(save, &QPushButton::clicked, this, [this] {
        SavePrintSettings();
        accept();
    });
}
