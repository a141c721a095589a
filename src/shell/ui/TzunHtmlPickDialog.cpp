#include "shell/ui/TzunHtmlPickDialog.h"

#include "shell/ui/TzunSelectForm.h"

bool TzunHtmlPickDialog::Execute(QWidget* parent)
{
    TzunSelectForm form(parent);
    form.setWindowTitle(Caption.isEmpty() ? QString("Wybierz!") : Caption);
    form.SetTitle(Title);
    form.SetLines(Lines, Sorted);
    form.SetMultiSelect(MultiSelect);
    form.SetCancelVisible(ShowCancel);
    if (ItemIndex >= 0)
        form.Select(ItemIndex);
    if (form.exec() != QDialog::Accepted)
        return false;
    ItemIndex = form.ChosenIndex();
    Chosen = form.ChosenIndexes();
    return true;
}
