#include "shell/ui/TzunSelectForm.h"

#include "platform/Messages.h"
#include "shell/ui/GuardedCall.h"
#include "shell/ui/MarkupItemDelegate.h"
#include "shell/ui/MarkupLabel.h"
#include "text/MarkupHtml.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLineRole = Qt::UserRole + 1;
}

TzunSelectForm::TzunSelectForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("TzunSelectForm");
    setWindowTitle("Wybierz!");
    title_ = new MarkupLabel(this);
    title_->setObjectName("lbTytul");
    title_->hide();
    list_ = new QListWidget(this);
    list_->setObjectName("lbxLista");
    list_->setItemDelegate(new MarkupItemDelegate(list_));
    list_->setMinimumSize(420, 260);
    list_->setUniformItemSizes(false);
    list_->setWordWrap(true);

    ok_ = new QPushButton("&OK", this);
    ok_->setObjectName("bOK");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Anuluj", this);
    cancel_->setObjectName("bAnuluj");
    auto* search = new QPushButton("wyszukaj...", this);
    search->setObjectName("bSzukaj");
    search->setAutoDefault(false);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(search, &QPushButton::clicked, this, [this] { GuardedCall([this] { Search(); }); });
    connect(list_, &QListWidget::itemSelectionChanged, this, &TzunSelectForm::UpdateOk);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (ChosenIndex() >= 0)
            accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    UpdateOk();
}

void TzunSelectForm::SetTitle(const QString& title)
{
    title_->SetMarkup(title);
    title_->setVisible(!title.isEmpty());
}

void TzunSelectForm::SetLines(const QStringList& lines, bool sorted)
{
    lines_ = lines;
    list_->clear();
    QList<int> order;
    for (int i = 0; i < lines.size(); ++i)
        order << i;
    if (sorted)
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return MarkupPlainText(lines[a]).localeAwareCompare(MarkupPlainText(lines[b])) < 0;
        });
    for (int i : order) {
        auto* item = new QListWidgetItem(lines[i], list_);
        item->setData(kLineRole, i);
    }
    UpdateOk();
}

void TzunSelectForm::SetMultiSelect(bool multi)
{
    list_->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TzunSelectForm::SetCancelVisible(bool visible) { cancel_->setVisible(visible); }

void TzunSelectForm::Select(int index)
{
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        if (item->data(kLineRole).toInt() == index) {
            list_->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
            list_->scrollToItem(item);
            return;
        }
    }
}

int TzunSelectForm::ChosenIndex() const
{
    const QList<int> chosen = ChosenIndexes();
    if (chosen.isEmpty())
        return -1;
    const QListWidgetItem* current = list_->currentItem();
    if (current && current->isSelected())
        return current->data(kLineRole).toInt();
    return chosen.first();
}

QList<int> TzunSelectForm::ChosenIndexes() const
{
    QList<int> chosen;
    for (const QListWidgetItem* item : list_->selectedItems())
        chosen << item->data(kLineRole).toInt();
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

void TzunSelectForm::Search()
{
    const QString text = InputText("Wyszukaj", windowTitle(), LastPickSearchText());
    LastPickSearchText() = text;
    QStringList shown;
    for (int row = 0; row < list_->count(); ++row)
        shown << MarkupPlainText(list_->item(row)->text());
    const int row = text.isEmpty() ? -1 : FindPickLine(shown, text);
    if (row < 0)
        RaiseUserError("Nic nie znalazłem!");
    list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list_->scrollToItem(list_->item(row));
}

void TzunSelectForm::UpdateOk() { ok_->setEnabled(!list_->selectedItems().isEmpty()); }
