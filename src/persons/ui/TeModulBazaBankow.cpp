#include "persons/ui/TeModulBazaBankow.h"

#include "persons/Banks.h"
#include "persons/ReferenceBases.h"
#include "persons/TBAnk.h"
#include "persons/ui/RunGuarded.h"
#include "storage/ZunList.h"
#include "text/MarkupHtml.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QLineEdit* FilterEdit(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setClearButtonEnabled(true);
    return edit;
}
}  // namespace

TeModulBazaBankow::TeModulBazaBankow(QWidget* parent)
    : QDialog(parent),
      eMiejscowosc_(FilterEdit("eMiejscowosc")),
      eNumer_(FilterEdit("eNumer")),
      eNazwa_(FilterEdit("eNazwa")),
      lbIlosc_(new QLabel),
      sgBanki_(new QTableWidget)
{
    setObjectName("eModulBazaBankow");
    setWindowTitle("Baza banków");
    resize(1000, 600);

    auto* menuBar = new QMenuBar(this);
    QMenu* menu = menuBar->addMenu("&Plik");
    menu->addAction("Zapisz do pliku tekstowego...", this, [this] { RunGuarded([this] { SaveAsText(); }); })
        ->setObjectName("mZapiszTekst");
    menu->addAction("Wczytaj z bazy KIR...", this, [this] { RunGuarded([this] { ImportKir(); }); })
        ->setObjectName("mWczytajKIR");
    menu->addAction("Zapisz plik oddzialy.dat", this, [this] { RunGuarded([this] { SaveBranchList(); }); })
        ->setObjectName("mZapiszOddzialy");

    auto* filters = new QFormLayout;
    filters->addRow("Pokaż tylko miejscowość...", eMiejscowosc_);
    filters->addRow("    numer rozliczeniowy...", eNumer_);
    filters->addRow("   nazwa...", eNazwa_);
    for (QLineEdit* edit : {eMiejscowosc_, eNumer_, eNazwa_})
        connect(edit, &QLineEdit::returnPressed, this, &TeModulBazaBankow::Refresh);

    lbIlosc_->setObjectName("lbIlosc");
    lbIlosc_->setTextFormat(Qt::RichText);

    sgBanki_->setObjectName("sgBanki");
    sgBanki_->setColumnCount(int(kBankColumns.size()));
    sgBanki_->setHorizontalHeaderLabels(kBankColumns);
    sgBanki_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgBanki_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgBanki_->setSelectionMode(QAbstractItemView::SingleSelection);
    sgBanki_->setAlternatingRowColors(true);
    sgBanki_->verticalHeader()->hide();
    sgBanki_->horizontalHeader()->setStretchLastSection(true);
    sgBanki_->horizontalHeader()->setResizeContentsPrecision(200);  // a full base has thousands of rows

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(filters);
    layout->addWidget(lbIlosc_);
    layout->addWidget(sgBanki_, 1);
    Refresh();
}

void TeModulBazaBankow::SetFilter(const QString& city, const QString& number, const QString& name)
{
    eMiejscowosc_->setText(city);
    eNumer_->setText(number);
    eNazwa_->setText(name);
    Refresh();
}

void TeModulBazaBankow::Refresh()
{
    const TBAnk* current = sgBanki_->currentRow() >= 0 && sgBanki_->currentRow() < listed_.size()
                               ? listed_[sgBanki_->currentRow()]
                               : nullptr;
    listed_ = FilterBanks({eMiejscowosc_->text(), eNumer_->text(), eNazwa_->text()});
    sgBanki_->setRowCount(int(listed_.size()));
    for (int row = 0; row < listed_.size(); ++row) {
        const QStringList cells = BankRow(row + 1, *listed_[row]);
        for (int column = 0; column < cells.size(); ++column)
            sgBanki_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    sgBanki_->resizeColumnsToContents();
    lbIlosc_->setText(MarkupToRichText(BankCountText(int(listed_.size()), BanksBase()->Count())));
    // The selected bank stays selected while it is listed; else the first.
    const int keep = current ? int(listed_.indexOf(const_cast<TBAnk*>(current))) : -1;
    if (!listed_.isEmpty())
        sgBanki_->selectRow(keep >= 0 ? keep : 0);
}

void TeModulBazaBankow::SaveAsText() { SaveBankTableAsText(listed_); }

void TeModulBazaBankow::ImportKir()
{
    if (ImportBanksFromChosenKirFile()) {
        listed_.clear();
        Refresh();
    }
}

void TeModulBazaBankow::SaveBranchList() { RebuildBranchList(); }

void OpenBankBase(QWidget* parent)
{
    TeModulBazaBankow window(parent);
    window.exec();
}
