#include "platform/Dialogs.h"

namespace {
class HeadlessDialogs : public DialogSeam {
public:
    WarningAnswer ShowWarning(const WarningRequest&, const WarningLayout&) override { return {}; }
    std::optional<QString> InputText(const InputRequest&) override { return std::nullopt; }
    int PickFromList(const PickRequest&) override { return -1; }
    bool ShowTextList(const QString&, const QString&, const QStringList&) override { return true; }
    QString OpenFileName(const FileDialogRequest&) override { return {}; }
    QString SaveFileName(const FileDialogRequest&) override { return {}; }
    QString ExistingFolder(const FileDialogRequest&) override { return {}; }
    PrinterChoice ChoosePrinter(const PrinterChoiceRequest&) override { return {}; }
};

std::shared_ptr<DialogSeam>& Installed()
{
    static std::shared_ptr<DialogSeam> seam = std::make_shared<HeadlessDialogs>();
    return seam;
}
}  // namespace

DialogSeam& Dialogs() { return *Installed(); }

void InstallDialogs(std::shared_ptr<DialogSeam> seam)
{
    Installed() = seam ? std::move(seam) : std::make_shared<HeadlessDialogs>();
}
