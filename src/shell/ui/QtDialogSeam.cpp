#include "shell/ui/QtDialogSeam.h"

#include "shell/ui/TeZunInputBox.h"
#include "shell/ui/TeZunMessageListBox.h"
#include "shell/ui/TeZunWarningDialog.h"
#include "shell/ui/TzunHtmlPickDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QWidget>

namespace {
QWidget* Owner() { return QApplication::activeWindow(); }

QString StartPath(const FileDialogRequest& request)
{
    if (request.fileName.isEmpty())
        return request.folder;
    return request.folder.isEmpty() ? request.fileName : QDir(request.folder).filePath(request.fileName);
}
}  // namespace

QtDialogSeam::QtDialogSeam(PrinterChooser choosePrinter)
    : choosePrinter_(choosePrinter ? std::move(choosePrinter) : PrinterChooser(ChoosePrinterWithSystemDialog))
{
}

WarningAnswer QtDialogSeam::ShowWarning(const WarningRequest& request, const WarningLayout& layout)
{
    // Bring the program to the front before it asks.
    if (QWidget* owner = Owner()) {
        owner->raise();
        owner->activateWindow();
    }
    TeZunWarningDialog dialog(request, layout, Owner());
    const int result = dialog.exec();
    return {result == 2 ? 2 : 1, dialog.TimedOut()};
}

std::optional<QString> QtDialogSeam::InputText(const InputRequest& request)
{
    TeZunInputBox box(request, Owner());
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.Text();
}

int QtDialogSeam::PickFromList(const PickRequest& request)
{
    TzunHtmlPickDialog pick;
    pick.Lines = request.lines;
    pick.Caption = request.caption;
    pick.Title = request.title;
    pick.ItemIndex = request.preselect;
    pick.ShowCancel = request.allowCancel;
    if (!pick.Execute(Owner()))
        return -1;
    return pick.ItemIndex;
}

bool QtDialogSeam::ShowTextList(const QString& caption, const QString& heading, const QStringList& lines)
{
    TeZunMessageListBox box(caption, heading, lines, Owner());
    return box.exec() == QDialog::Accepted;
}

QString QtDialogSeam::OpenFileName(const FileDialogRequest& request)
{
    return QFileDialog::getOpenFileName(Owner(), request.caption, StartPath(request), request.filter);
}

QString QtDialogSeam::SaveFileName(const FileDialogRequest& request)
{
    return QFileDialog::getSaveFileName(Owner(), request.caption, StartPath(request), request.filter);
}

QString QtDialogSeam::ExistingFolder(const FileDialogRequest& request)
{
    return QFileDialog::getExistingDirectory(Owner(), request.caption, request.folder);
}

PrinterChoice QtDialogSeam::ChoosePrinter(const PrinterChoiceRequest& request) { return choosePrinter_(request); }
