#include "shell/ui/TeZunMessageListBox.h"

#include "shell/ui/MarkupLabel.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TeZunMessageListBox::TeZunMessageListBox(const QString& caption, const QString& heading, const QStringList& lines,
                                         QWidget* parent)
    : QDialog(parent)
{
    setObjectName("TeZunMessageListBox");
    setWindowTitle(caption.isEmpty() ? QString("Komunikat") : caption);
    auto* label = new MarkupLabel(this);
    label->setObjectName("lbNaglowek");
    label->SetMarkup(heading);
    auto* list = new QListWidget(this);
    list->setObjectName("lbxLista");
    list->addItems(lines);
    list->setMinimumSize(420, 240);
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("bOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
}
