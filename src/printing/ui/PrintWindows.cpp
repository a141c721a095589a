#include "printing/ui/PrintWindows.h"

#include "printing/PrintJob.h"
#include "printing/PreviewDocument.h"
#include "printing/ui/TeDPrinter.h"
#include "printing/ui/TeOpcjeDruku.h"
#include "printing/ui/TeUstawieniaDrukowania.h"

#include <QApplication>

namespace {
TeUstawieniaDrukowania::Openers& Openers()
{
    static TeUstawieniaDrukowania::Openers openers{{}, {}, [] { return ShowPrintOptions(); }, {}};
    return openers;
}
}  // namespace

bool ShowPrintSettingsHub()
{
    TeUstawieniaDrukowania hub(Openers(), QApplication::activeWindow());
    hub.exec();
    return hub.AnyConfirmed();
}

bool OpenPrintSettingsHub() { return ShowPrintSettingsHub(); }

bool ShowPrintOptions()
{
    TeOpcjeDruku options(QApplication::activeWindow());
    return options.exec() == QDialog::Accepted;
}

void InstallPrintWindows()
{
    SetPreviewPresenter([](PreviewDocument& document) {
        TeDPrinter window(document, QApplication::activeWindow());
        window.exec();
    });
}

void SetTransferOptionsOpener(std::function<bool()> opener) { Openers().transfers = std::move(opener); }
void SetInvoiceOptionsOpener(std::function<bool()> opener) { Openers().invoices = std::move(opener); }
void SetNumberingOptionsOpener(std::function<bool()> opener) { Openers().numbering = std::move(opener); }
