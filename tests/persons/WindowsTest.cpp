#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/Banks.h"
#include "persons/ReferenceBases.h"
#include "persons/TUrzadSkarbowy.h"
#include "persons/ui/TeEdycjaUrzedow.h"
#include "persons/ui/NipField.h"
#include "persons/ui/TeModulBazaBankow.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QString kKirFile = QString(VENDROLA_TEST_DATA) + "/persons/kir.txt";

void AddOffice(const QString& name, const QString& city)
{
    auto office = std::make_unique<TUrzadSkarbowy>();
    office->Nazwa = name;
    office->Miasto = city;
    office->Konto = "10101010-123456-";
    TaxOfficesBase()->Add(std::move(office));
}
}  // namespace

using Windows = PersonsTest;

TEST_F(Windows, BankBaseWindow)
{
    TeModulBazaBankow window;
    EXPECT_EQ(window.windowTitle(), "Baza banków");
    EXPECT_EQ(window.Table()->rowCount(), 0);

    Script().Answer(kKirFile);
    window.findChild<QAction*>("mWczytajKIR")->trigger();
    EXPECT_EQ(Script().History()[0].kind, "open");
    EXPECT_EQ(Script().History()[0].caption, "KIR");
    EXPECT_EQ(Script().LastText(), "Banków: 3");
    ASSERT_EQ(window.Table()->rowCount(), 3);
    EXPECT_EQ(window.Table()->horizontalHeaderItem(8)->text(), "rozlicza przez");
    EXPECT_EQ(window.Table()->item(0, 2)->text(), "Narodowy Bank Polski");
    EXPECT_TRUE(window.CountLabel()->text().contains("3"));

    // Filters refresh on Enter; the selected bank stays selected while listed.
    window.Table()->selectRow(1);
    auto* city = window.findChild<QLineEdit*>("eMiejscowosc");
    city->setText("biała");
    Q_EMIT city->returnPressed();
    ASSERT_EQ(window.Table()->rowCount(), 1);
    EXPECT_EQ(window.Table()->item(0, 1)->text(), "84710000");
    EXPECT_EQ(window.Table()->currentRow(), 0);
    EXPECT_EQ(window.CountLabel()->text(), "<b>1</b> banków, 3 ogółem w bazie.");

    const QString file = CurrentTestRoot().File("banki.txt");
    Script().Answer(file);
    window.findChild<QAction*>("mZapiszTekst")->trigger();
    EXPECT_EQ(Script().LastText(), "Zapisałem do pliku banki.txt");
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().count("\r\n"), 2);   // the titles and the one bank listed

    window.findChild<QAction*>("mZapiszOddzialy")->trigger();
    EXPECT_EQ(BankOfAccount("10100000-1"), "NBP Narodowy Bank Polski Centrala");
}

TEST_F(Windows, TaxOfficeEditorWindow)
{
    AddOffice("US Sopot", "Sopot");
    AddOffice("US Gdańsk & Okolice", "Gdańsk");
    TeEdycjaUrzedow window;
    EXPECT_EQ(window.windowTitle(), "Edycja bazy urzędów skarbowych");
    ASSERT_EQ(window.OfficeList()->count(), 2);
    EXPECT_EQ(window.OfficeList()->item(1)->text(), "<b>US Gdańsk &amp; Okolice</b><br>,  Gdańsk<br>10101010-123456-");
    EXPECT_EQ(window.AccountsLabel()->text(), "-");

    window.SelectLine(1);
    EXPECT_EQ(window.findChild<QLineEdit*>("eNazwa")->text(), "US Gdańsk & Okolice");
    EXPECT_TRUE(window.AccountsLabel()->text().startsWith("PIT: 10101010-123456-222-3\nCIT: "));
    EXPECT_EQ(window.BankLabel()->text(), "» brak bazy banków");

    window.findChild<QLineEdit*>("eNazwa")->setText("US Gdańsk");
    window.findChild<QPushButton*>("bZastosuj")->click();
    EXPECT_TRUE(window.OfficeList()->item(1)->text().startsWith("<b>US Gdańsk</b>"));

    // The table page, sorted by name, applied and saved: the base takes its order.
    window.Pages()->setCurrentIndex(1);
    QTableWidget* table = window.Table();
    ASSERT_EQ(table->rowCount(), 2);
    table->sortItems(0);
    EXPECT_EQ(table->item(0, 0)->text(), "US Gdańsk");
    table->item(1, 8)->setText("opis");
    window.findChild<QPushButton*>("bZastosujZachowaj")->click();
    EXPECT_EQ(TaxOfficesBase()->GetAs<TUrzadSkarbowy>(0)->Nazwa, "US Gdańsk");
    EXPECT_EQ(TaxOfficesBase()->GetAs<TUrzadSkarbowy>(1)->Opis, "opis");
    EXPECT_TRUE(QFile::exists(TaxOfficesBase()->FileName));

    // A user-facing error of a button ends in its message.
    window.SelectLine(-1);
    Script().Answer(QString("1234563218")).Yes();
    window.findChild<QPushButton*>("bDodajNIP")->click();
    EXPECT_EQ(Script().History().last().warning.heading, "%Wybierz urząd skarbowy!");
    EXPECT_TRUE(Script().History().last().layout.stopIcon);
}

TEST_F(Windows, NipFieldTurnsYellowWhenInvalid)
{
    QLineEdit field;
    EXPECT_EQ(CheckNipField("123-456-32-19", &field), "BŁĘDNY NIP");
    EXPECT_EQ(field.palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(CheckNipField("", &field), "");
    EXPECT_EQ(field.palette().color(QPalette::Base), QColor(Qt::white));
}
