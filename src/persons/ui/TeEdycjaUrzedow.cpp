#include "persons/ui/TeEdycjaUrzedow.h"

#include "persons/TUrzadSkarbowy.h"
#include "persons/ui/MarkupListDelegate.h"
#include "persons/ui/RunGuarded.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kOfficeRole = Qt::UserRole + 1;

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* owner, std::function<void()> work)
{
    auto* button = Named(new QPushButton(caption), name);
    QObject::connect(button, &QPushButton::clicked, owner, [work] { RunGuarded(work); });
    return button;
}

// A help mark: a question mark that shows its text when pointed at.
QLabel* HelpMark(const char* name, const QString& text)
{
    auto* mark = Named(new QLabel("<b>?</b>"), name);
    mark->setToolTip(QString(text).replace("\r\n", "\n"));
    mark->setCursor(Qt::WhatsThisCursor);
    return mark;
}

QString PlainLines(const QString& text) { return QString(text).replace("\r\n", "\n"); }
QString StoredLines(const QString& text) { return QString(text).replace("\n", "\r\n"); }
}  // namespace

TeEdycjaUrzedow::TeEdycjaUrzedow(QWidget* parent) : QDialog(parent)
{
    setObjectName("eEdycjaUrzedow");
    setWindowTitle("Edycja bazy urzędów skarbowych");
    resize(1000, 680);

    auto* menuBar = new QMenuBar(this);
    QMenu* menu = menuBar->addMenu("&Urzędy");
    menu->addAction("Wyszukaj...", this, [this] { RunGuarded([this] { Search(); }); })->setObjectName("mWyszukaj");
    menu->addAction("Posortuj...", this, [] { TaxOfficeEditor::ShowSortHint(); })->setObjectName("mPosortuj");

    nbStrony_ = Named(new QTabWidget, "nbStrony");
    nbStrony_->addTab(EditPage(), "Edycja");
    nbStrony_->addTab(TablePage(), "Tabela");
    connect(nbStrony_, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1)
            FillTable();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(nbStrony_);
    RefillList();
    ShowSelected();
}

QWidget* TeEdycjaUrzedow::EditPage()
{
    auto* page = new QWidget;
    lbUrzedy_ = Named(new QListWidget, "lbUrzedy");
    lbUrzedy_->setItemDelegate(new MarkupListDelegate(lbUrzedy_));
    lbUrzedy_->setAlternatingRowColors(true);
    connect(lbUrzedy_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_)
            return;
        editor_.Select(row);
        ShowSelected();
    });

    eNazwa_ = Named(new QLineEdit, "eNazwa");
    eAdres_ = Named(new QLineEdit, "eAdres");
    eKod_ = Named(new QLineEdit, "eKod");
    eKod_->setMaximumWidth(80);
    eMiasto_ = Named(new QLineEdit, "eMiasto");
    eKonto_ = Named(new QLineEdit, "eKonto");
    lbBank_ = Named(new QLabel, "lbBank");
    ePrefiks1_ = Named(new QLineEdit, "ePrefiks1");
    ePrefiks2_ = Named(new QLineEdit, "ePrefiks2");
    eKomentarz_ = Named(new QLineEdit, "eKomentarz");
    mZasieg_ = Named(new QPlainTextEdit, "mZasieg");
    eWojewodztwo_ = Named(new QLineEdit, "eWojewodztwo");
    mMiastaGminy_ = Named(new QPlainTextEdit, "mMiastaGminy");
    cbIBAN_ = Named(new QCheckBox("IBAN"), "cbIBAN");
    lbKonta_ = Named(new QLabel, "lbKonta");
    lbKonta_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbPomocKonto_ = HelpMark("lbPomocKonto", TaxOfficeEditor::AccountHelp(nullptr));
    connect(eKonto_, &QLineEdit::textChanged, this, [this] { lbBank_->setText(TaxOfficeEditor::BankHint(eKonto_->text())); });

    auto* address = new QHBoxLayout;
    address->addWidget(eAdres_, 2);
    address->addWidget(eKod_);
    address->addWidget(eMiasto_, 1);
    auto* account = new QHBoxLayout;
    account->addWidget(eKonto_, 1);
    account->addWidget(lbPomocKonto_);
    account->addWidget(lbBank_, 1);
    auto* prefixes = new QHBoxLayout;
    prefixes->addWidget(ePrefiks1_);
    prefixes->addWidget(ePrefiks2_);
    prefixes->addWidget(HelpMark("lbPomocPrefiks", TaxOfficeEditor::PrefixHelp()));

    auto* fields = new QFormLayout;
    fields->addRow("Nazwa:", eNazwa_);
    fields->addRow("Adres:", address);
    fields->addRow("Konto:", account);
    fields->addRow("Prefiks NIPu:", prefixes);
    fields->addRow("Komentarz:", eKomentarz_);
    fields->addRow("Zasięg i właściwość miejscowa:", mZasieg_);
    fields->addRow("Województwo:", eWojewodztwo_);
    fields->addRow("Miasta i gminy:", mMiastaGminy_);
    fields->addRow(cbIBAN_);
    fields->addRow(lbKonta_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button("bZastosuj", "Zastosuj", this, [this] { Apply(); }));
    buttons->addWidget(Button("bNowy", "Nowy urząd", this, [this] { NewOffice(); }));
    buttons->addWidget(Button("bUsun", "Usuń", this, [this] { DeleteOffice(); }));
    buttons->addWidget(Button("bSortuj", "&Sortuj", this, [] { TaxOfficeEditor::ShowSortHint(); }));
    buttons->addWidget(Button("bZachowaj", "Zachowaj zmiany", this, [this] { Save(); }));
    buttons->addWidget(Button("bListaWyjatkow", "Lista wyjątków...", this, [] { TaxOfficeEditor::ShowExceptions(); }));
    buttons->addWidget(Button("bDodajNIP", "Dodaj NIP...", this, [this] { AssignNip(); }));

    auto* list = new QVBoxLayout;
    list->addWidget(new QLabel("Wykaz urzędów"));
    list->addWidget(lbUrzedy_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(list, 1);
    columns->addLayout(fields, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* TeEdycjaUrzedow::TablePage()
{
    auto* page = new QWidget;
    sgTabela_ = Named(new QTableWidget, "sgTabela");
    sgTabela_->setColumnCount(int(TaxOfficeEditor::TableHeader().size()));
    sgTabela_->setHorizontalHeaderLabels(TaxOfficeEditor::TableHeader());
    sgTabela_->setSortingEnabled(true);
    sgTabela_->setAlternatingRowColors(true);
    sgTabela_->setStyleSheet("QTableWidget { background: white; alternate-background-color: #f2f6fb; }");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button("bWstawWiersz", "Wstaw wiersz", this, [this] { InsertRow(); }));
    buttons->addWidget(Button("bUsunWiersz", "Usuń wiersz", this, [this] { DeleteRow(); }));
    QPushButton* import = Button("bImport", "-", this, [this] { ImportText(); });
    import->setToolTip("Wczytaj urzędy z pliku tekstowego");
    buttons->addWidget(import);
    buttons->addStretch(1);
    buttons->addWidget(Button("bZastosujZamknij", "Zastosuj zmiany i zamknij", this, [this] {
        if (ApplyTable())
            accept();
    }));
    buttons->addWidget(Button("bZastosujZachowaj", "Zastosuj i zachowaj", this, [this] { ApplyTable(); }));
    buttons->addWidget(Button("bAnuluj", "Anuluj", this, [this] { reject(); }));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(sgTabela_, 1);
    layout->addLayout(buttons);
    return page;
}

void TeEdycjaUrzedow::RefillList()
{
    filling_ = true;
    lbUrzedy_->clear();
    for (const TaxOfficeLine& line : editor_.Lines())
        lbUrzedy_->addItem(line.text);
    lbUrzedy_->setCurrentRow(editor_.SelectedLine());
    filling_ = false;
}

void TeEdycjaUrzedow::SelectLine(int line)
{
    lbUrzedy_->setCurrentRow(line);
    editor_.Select(line);
    ShowSelected();
}

void TeEdycjaUrzedow::ShowSelected()
{
    ShowFields(TaxOfficeEditor::FieldsOf(editor_.Selected()));
    UpdateAccounts();
}

void TeEdycjaUrzedow::UpdateAccounts()
{
    lbKonta_->setText(PlainLines(TaxOfficeEditor::AccountLines(editor_.Selected())));
    lbPomocKonto_->setToolTip(PlainLines(TaxOfficeEditor::AccountHelp(editor_.Selected())));
}

TaxOfficeEditor::Fields TeEdycjaUrzedow::FieldsShown() const
{
    return {eNazwa_->text(), eAdres_->text(), eKod_->text(), eMiasto_->text(), eKonto_->text(),
            ePrefiks1_->text(), ePrefiks2_->text(), eKomentarz_->text(), StoredLines(mZasieg_->toPlainText()),
            eWojewodztwo_->text(), StoredLines(mMiastaGminy_->toPlainText()), cbIBAN_->isChecked()};
}

void TeEdycjaUrzedow::ShowFields(const TaxOfficeEditor::Fields& f)
{
    eNazwa_->setText(f.Nazwa);
    eAdres_->setText(f.Adres);
    eKod_->setText(f.Kod);
    eMiasto_->setText(f.Miasto);
    eKonto_->setText(f.Konto);
    lbBank_->setText(TaxOfficeEditor::BankHint(f.Konto));
    ePrefiks1_->setText(f.PrefiksNIP1);
    ePrefiks2_->setText(f.PrefiksNIP2);
    eKomentarz_->setText(f.Opis);
    mZasieg_->setPlainText(PlainLines(f.Zasieg));
    eWojewodztwo_->setText(f.Wojewodztwo);
    mMiastaGminy_->setPlainText(PlainLines(f.MiastaGminy));
    cbIBAN_->setChecked(f.IBAN);
}

void TeEdycjaUrzedow::Apply()
{
    editor_.Apply(FieldsShown());
    RefillList();
    UpdateAccounts();
}

void TeEdycjaUrzedow::NewOffice()
{
    editor_.NewOffice();
    RefillList();
    ShowSelected();
}

void TeEdycjaUrzedow::DeleteOffice()
{
    editor_.DeleteSelected();
    RefillList();
    ShowSelected();
}

void TeEdycjaUrzedow::Save() { editor_.Save(); }
void TeEdycjaUrzedow::AssignNip() { editor_.AssignNipToOffice(); }

void TeEdycjaUrzedow::Search()
{
    editor_.Search();
    RefillList();
    ShowSelected();
}

void TeEdycjaUrzedow::ImportText()
{
    if (editor_.ImportFromTextFile() > 0) {
        RefillList();
        ShowSelected();
        FillTable();
    }
}

void TeEdycjaUrzedow::FillTable()
{
    const QList<TaxOfficeEditor::Row> rows = editor_.TableRows();
    sgTabela_->setSortingEnabled(false);
    sgTabela_->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < int(rows[r].cells.size()); ++c) {
            auto* item = new QTableWidgetItem(rows[r].cells[size_t(c)]);
            if (c == 0)
                item->setData(kOfficeRole, QVariant::fromValue<void*>(rows[r].office));
            sgTabela_->setItem(r, c, item);
        }
    }
    sgTabela_->setSortingEnabled(true);
    sgTabela_->resizeColumnsToContents();
    for (int c = 0; c < sgTabela_->columnCount(); ++c)
        sgTabela_->setColumnWidth(c, qBound(60, sgTabela_->columnWidth(c), 260));
}

bool TeEdycjaUrzedow::ApplyTable()
{
    QList<TaxOfficeEditor::Row> rows;
    for (int r = 0; r < sgTabela_->rowCount(); ++r) {
        TaxOfficeEditor::Row row;
        for (int c = 0; c < int(row.cells.size()); ++c) {
            const QTableWidgetItem* item = sgTabela_->item(r, c);
            row.cells[size_t(c)] = item ? item->text() : QString();
            if (c == 0 && item)
                row.office = static_cast<TUrzadSkarbowy*>(item->data(kOfficeRole).value<void*>());
        }
        rows << row;
    }
    const bool saved = editor_.ApplyTable(rows);
    FillTable();
    RefillList();
    ShowSelected();
    return saved;
}

void TeEdycjaUrzedow::InsertRow()
{
    sgTabela_->setSortingEnabled(false);
    const int row = sgTabela_->currentRow() >= 0 ? sgTabela_->currentRow() + 1 : sgTabela_->rowCount();
    sgTabela_->insertRow(row);
    sgTabela_->setCurrentCell(row, 0);
    sgTabela_->setSortingEnabled(true);
}

void TeEdycjaUrzedow::DeleteRow()
{
    if (sgTabela_->currentRow() >= 0)
        sgTabela_->removeRow(sgTabela_->currentRow());
}

void EditTaxOffices(QWidget* parent)
{
    TeEdycjaUrzedow window(parent);
    window.exec();
}
