#include "shell/ui/TeZunInputBox.h"

#include "platform/Messages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TeZunInputBox::TeZunInputBox(const InputRequest& request, QWidget* parent) : QDialog(parent)
{
    setObjectName("TeZunInputBox");
    setWindowTitle(request.caption);
    auto* prompt = new QLabel(request.prompt, this);
    prompt->setObjectName("lbPytanie");
    prompt->setWordWrap(true);
    edit_ = new QLineEdit(request.defaultText, this);
    edit_->setObjectName("eTekst");
    edit_->setMinimumWidth(320);
    if (request.masked)
        edit_->setEchoMode(QLineEdit::Password);
    edit_->selectAll();
    prompt->setBuddy(edit_);

    listPrompt_ = new QLabel(this);
    listPrompt_->setObjectName("lbLista");
    listPrompt_->hide();
    list_ = new QListWidget(this);
    list_->setObjectName("lbxLista");
    list_->hide();

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("bOK");
    ok->setDefault(true);
    buttons->addButton("&Anuluj", QDialogButtonBox::RejectRole)->setObjectName("bAnuluj");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(edit_);
    layout->addWidget(listPrompt_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    edit_->setFocus();
}

QString TeZunInputBox::Text() const { return edit_->text(); }

void TeZunInputBox::ShowList(const QString& prompt, const QStringList& entries)
{
    listPrompt_->setText(prompt);
    listPrompt_->show();
    list_->clear();
    list_->addItems(entries);
    list_->show();
}

QStringList TeZunInputBox::ChosenEntries() const
{
    QStringList chosen;
    for (const QListWidgetItem* item : list_->selectedItems())
        chosen << item->text();
    return chosen;
}

void TeZunInputBox::accept()
{
    if (!list_->isHidden() && list_->count() > 0 && list_->selectedItems().isEmpty()) {
        Warn("Wybierz jakiś elementy z listy!\r\n" + listPrompt_->text());
        return;
    }
    QDialog::accept();
}
