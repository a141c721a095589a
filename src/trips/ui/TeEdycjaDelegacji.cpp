#include "trips/ui/TeEdycjaDelegacji.h"

#include "persons/PersonTexts.h"
#include "storage/ZunList.h"
#include "text/MarkupHtml.h"
#include "trips/HourField.h"
#include "trips/TDelegacja.h"
#include "trips/ui/TripFields.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
template <typename T>
T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLineEdit* TextField(const QString& name) { return Named(new QLineEdit, name); }
TripAmountField* Amount(const QString& name) { return Named(new TripAmountField, name); }
TripDateField* Date(const QString& name) { return Named(new TripDateField, name); }

QLabel* PartyBox(const QString& name, const TDane& person)
{
    auto* box = Named(new QLabel(MarkupToRichText(PartyDescription(person))), name);
    box->setTextFormat(Qt::RichText);
    box->setWordWrap(true);
    box->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    box->setFrameShape(QFrame::StyledPanel);
    box->setMargin(6);
    box->setMinimumHeight(64);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

QWidget* DayAndHour(TripDateField* day, TripHourField* hour)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("dzień:"));
    layout->addWidget(day, 1);
    layout->addWidget(new QLabel("godzina:"));
    layout->addWidget(hour);
    hour->setMaximumWidth(70);
    return row;
}
}  // namespace

TeEdycjaDelegacji::TeEdycjaDelegacji(TDelegacja& trip, QWidget* parent) : QDialog(parent), trip_(trip)
{
    setObjectName("eEdycjaDelegacji");
    setWindowTitle("Edycja delegacji");

    pages_ = Named(new QTabWidget, "nbStrony");
    pages_->addTab(BuildBasicPage(), "Podstawowe");
    pages_->setTabToolTip(0, "Dane delegującego i pracownika");
    pages_->addTab(BuildLegsPage(), "Dojazdy, pobyt");
    pages_->setTabToolTip(1, "Rozliczenie kosztów dojazdu, zakwaterowania, diet");
    pages_->addTab(BuildSettlementPage(), "Rozliczenie");
    pages_->setTabToolTip(2, "Rozliczenie finansowe");

    auto* copies = Named(new QLabel(QString::number(trip.IleKopii()) + " egz."), "lbIleKopii");
    auto* buttons = new QDialogButtonBox;
    auto* cancel = Named(buttons->addButton("Anuluj", QDialogButtonBox::RejectRole), "bAnuluj");
    auto* ok = Named(buttons->addButton("OK", QDialogButtonBox::AcceptRole), "bOK");
    ok->setDefault(true);
    cancel->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel("Ilość kopii:"));
    bottom->addWidget(copies);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);

    Fill();
}

QWidget* TeEdycjaDelegacji::BuildBasicPage()
{
    auto* page = Named(new QWidget, "tsPodstawowe");
    auto* parties = new QGridLayout;
    parties->addWidget(new QLabel("Pracodawca:"), 0, 0);
    parties->addWidget(new QLabel("Osoba delegowana:"), 0, 1);
    parties->addWidget(PartyBox("lbPracodawca", trip_.Pracodawca), 1, 0);
    parties->addWidget(PartyBox("lbPracownik", trip_.Pracownik), 1, 1);
    parties->setColumnStretch(0, 1);
    parties->setColumnStretch(1, 1);

    auto* left = new QFormLayout;
    left->addRow("Numer dokumentu:", numer_ = TextField("eNumer"));
    left->addRow("Data wystawienia:", dataWystawienia_ = Date("eDataWystawienia"));
    left->addRow("Miejscowość:", miejsceWystawienia_ = TextField("eMiejsceWystawienia"));
    left->addRow("Stanowisko:", stanowisko_ = TextField("eStanowisko"));
    left->addRow("Miejsce delegowania:", miejsceDelegowania_ = TextField("eMiejsceDelegowania"));
    left->addRow("Od:", terminOd_ = Date("eTerminOd"));
    left->addRow("Do:", terminDo_ = Date("eTerminDo"));
    left->addRow("Cel delegowania:", celDelegowania_ = TextField("eCelDelegowania"));
    left->addRow("Środek transportu:", srodekTransportu_ = TextField("eSrodekTransportu"));

    auto* right = new QFormLayout;
    right->addRow("Zaliczka wnioskowana:", zaliczkaWnioskowana_ = Amount("eZaliczkaWnioskowana"));
    right->addRow("Udzielona:", zaliczkaUdzielona_ = Amount("eZaliczkaUdzielona"));
    right->addRow("Data wypłaty:", dataWyplatyZaliczki_ = Date("eDataWyplatyZaliczki"));
    right->addRow("Termin rozliczenia:", terminRozliczenia_ = Date("eTerminRozliczenia"));
    right->addRow("Uwagi:", uwagi_ = TextField("eUwagi"));

    auto* fields = new QHBoxLayout;
    fields->addLayout(left, 3);
    fields->addSpacing(16);
    fields->addLayout(right, 2);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(parties);
    layout->addSpacing(8);
    layout->addLayout(fields);
    layout->addStretch(1);
    return page;
}

QWidget* TeEdycjaDelegacji::BuildLegsPage()
{
    auto* page = Named(new QWidget, "tsDojazdy");
    auto* layout = new QHBoxLayout(page);
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        LegFields& leg = legs_[i];
        auto* group = Named(new QGroupBox, "gbOdcinek" + n);
        auto* form = new QFormLayout(group);
        form->addRow(leg.used = Named(new QCheckBox("Wyjazd " + n + " - miejscowość"), "cbOdcinek" + n));
        form->addRow(leg.from = TextField("eWyjazd" + n));
        form->addRow(DayAndHour(leg.fromDay = Date("eWyjazd" + n + "Dzien"),
                                leg.fromHour = Named(new TripHourField, "eWyjazd" + n + "Godzina")));
        form->addRow(new QLabel("Przyjazd - miejscowość"));
        form->addRow(leg.to = TextField("ePrzyjazd" + n));
        form->addRow(DayAndHour(leg.toDay = Date("ePrzyjazd" + n + "Dzien"),
                                leg.toHour = Named(new TripHourField, "ePrzyjazd" + n + "Godzina")));
        form->addRow("Środek lokomocji:", leg.means = TextField("eSrodek" + n));
        form->addRow("Koszt przejazdu:", leg.fare = Amount("eKoszt" + n));
        layout->addWidget(group, 1);
    }
    return page;
}

QWidget* TeEdycjaDelegacji::BuildSettlementPage()
{
    auto* page = Named(new QWidget, "tsRozliczenie");
    auto* heading = Named(new QLabel(" · Rozliczenie delegacji:    "), "lbRozliczenie");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* form = new QFormLayout;
    form->addRow("Razem przejazdy, dojazdy:", przejazdy_ = Amount("ePrzejazdy"));
    form->addRow("Diety:", diety_ = Amount("eDiety"));
    form->addRow("Noclegi wg rachunków:", noclegi_ = Amount("eNoclegi"));
    form->addRow("Dojazdy - ryczałt:", dojazdyRyczalt_ = Amount("eDojazdyRyczalt"));
    form->addRow("Noclegi - ryczałt:", noclegiRyczalt_ = Amount("eNoclegiRyczalt"));
    form->addRow("Inne wydatki wg zał.:", inneWydatki_ = Amount("eInneWydatki"));
    form->addRow("Razem wydatki: ", razem_ = Amount("eRazem"));
    form->addRow("Do zwrotu:", doZwrotu_ = Amount("eDoZwrotu"));
    form->addRow("Do wypłaty:", doWyplaty_ = Amount("eDoWyplaty"));
    form->addRow("Data rozliczenia:", dataRozliczenia_ = Date("eDataRozliczenia"));
    form->addRow("Data wypłaty:", dataWyplaty_ = Date("eDataWyplaty"));
    razem_->setFont(bold);
    for (TripAmountField* result : {razem_, doZwrotu_, doWyplaty_}) {
        result->setReadOnly(true);
        result->setFocusPolicy(Qt::NoFocus);
        QPalette shaded = result->palette();
        shaded.setColor(QPalette::Base, shaded.color(QPalette::Window));
        result->setPalette(shaded);
    }

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading);
    auto* row = new QHBoxLayout;
    row->addLayout(form);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

void TeEdycjaDelegacji::Fill()
{
    const TDelegacja& t = trip_;
    pages_->setCurrentIndex(0);
    pages_->tabBar()->setVisible(t.Rozliczona());
    pages_->setTabEnabled(1, t.Rozliczona());
    pages_->setTabEnabled(2, t.Rozliczona());

    numer_->setText(t.Numer());
    dataWystawienia_->SetValue(t.DataWystawienia());
    miejsceWystawienia_->setText(t.MiejsceWystawienia());
    stanowisko_->setText(t.Stanowisko());
    miejsceDelegowania_->setText(t.MiejsceDelegowania());
    terminOd_->SetValue(t.TerminOd());
    terminDo_->SetValue(t.TerminDo());
    celDelegowania_->setText(t.CelDelegowania());
    srodekTransportu_->setText(t.SrodekTransportu());
    zaliczkaWnioskowana_->SetAmount(t.ZaliczkaWnioskowana());
    zaliczkaUdzielona_->SetAmount(t.ZaliczkaUdzielona());
    dataWyplatyZaliczki_->SetValue(t.DataWyplatyZaliczki());
    terminRozliczenia_->SetValue(t.TerminRozliczenia());
    uwagi_->setText(t.Uwagi());

    for (int i = 0; i < 3; ++i) {
        const int n = i + 1;
        LegFields& leg = legs_[i];
        leg.used->setChecked(t.Odcinek(n));
        leg.from->setText(t.Wyjazd(n));
        leg.fromDay->SetValue(t.WyjazdCzas(n));
        leg.fromHour->setValue(HourFieldOfDateTime(t.WyjazdCzas(n)));
        leg.to->setText(t.Przyjazd(n));
        leg.toDay->SetValue(t.PrzyjazdCzas(n));
        leg.toHour->setValue(HourFieldOfDateTime(t.PrzyjazdCzas(n)));
        leg.means->setText(t.Srodek(n));
        leg.fare->SetAmount(t.Koszt(n));
    }
    if (!t.Rozliczona())
        return;

    przejazdy_->SetAmount(t.Przejazdy());
    diety_->SetAmount(t.Diety());
    noclegi_->SetAmount(t.Noclegi());
    dojazdyRyczalt_->SetAmount(t.DojazdyRyczalt());
    noclegiRyczalt_->SetAmount(t.NoclegiRyczalt());
    inneWydatki_->SetAmount(t.InneWydatki());
    ShowResult({t.Razem(), t.DoWyplaty(), t.DoZwrotu()});
    dataRozliczenia_->SetValue(t.DataRozliczenia());
    dataWyplaty_->SetValue(t.DataWyplaty());

    for (TripAmountField* input :
         {przejazdy_, diety_, noclegi_, dojazdyRyczalt_, noclegiRyczalt_, inneWydatki_, zaliczkaUdzielona_})
        connect(input, &QDoubleSpinBox::valueChanged, this, &TeEdycjaDelegacji::Recalculate);
}

void TeEdycjaDelegacji::Recalculate()
{
    ShowResult(RecalculateSettlement({przejazdy_->Amount(), diety_->Amount(), noclegi_->Amount(),
                                      dojazdyRyczalt_->Amount(), noclegiRyczalt_->Amount(), inneWydatki_->Amount(),
                                      zaliczkaUdzielona_->Amount()}));
}

void TeEdycjaDelegacji::ShowResult(const SettlementResult& result)
{
    shown_ = result;
    razem_->SetAmount(result.razem);
    doWyplaty_->SetAmount(result.doWyplaty);
    doZwrotu_->SetAmount(result.doZwrotu);
}

void TeEdycjaDelegacji::StoreBasic()
{
    TDelegacja& t = trip_;
    t.SetNumer(numer_->text());
    t.SetDataWystawienia(dataWystawienia_->Value());
    t.SetMiejsceWystawienia(miejsceWystawienia_->text());
    t.SetStanowisko(stanowisko_->text());
    t.SetMiejsceDelegowania(miejsceDelegowania_->text());
    t.SetCelDelegowania(celDelegowania_->text());
    t.SetSrodekTransportu(srodekTransportu_->text());
    t.SetUwagi(uwagi_->text());
    t.SetTerminOd(terminOd_->Value());
    t.SetTerminDo(terminDo_->Value());
    t.SetZaliczkaWnioskowana(zaliczkaWnioskowana_->Amount());
    t.SetZaliczkaUdzielona(zaliczkaUdzielona_->Amount());
    t.SetDataWyplatyZaliczki(dataWyplatyZaliczki_->Value());
    t.SetTerminRozliczenia(terminRozliczenia_->Value());
}

void TeEdycjaDelegacji::StoreSettlement()
{
    TDelegacja& t = trip_;
    t.SetDataRozliczenia(dataRozliczenia_->Value());
    t.SetPrzejazdy(przejazdy_->Amount());
    t.SetDiety(diety_->Amount());
    t.SetNoclegi(noclegi_->Amount());
    t.SetDojazdyRyczalt(dojazdyRyczalt_->Amount());
    t.SetNoclegiRyczalt(noclegiRyczalt_->Amount());
    t.SetInneWydatki(inneWydatki_->Amount());
    t.SetRazem(shown_.razem);
    t.SetDoWyplaty(shown_.doWyplaty);
    t.SetDoZwrotu(shown_.doZwrotu);
    t.SetDataWyplaty(dataWyplaty_->Value());
    for (int i = 0; i < 3; ++i) {
        const int n = i + 1;
        const LegFields& leg = legs_[i];
        t.SetOdcinek(n, leg.used->isChecked());
        t.SetWyjazd(n, leg.from->text());
        t.SetPrzyjazd(n, leg.to->text());
        t.SetWyjazdCzas(n, JoinDayAndHourField(leg.fromDay->Value(), leg.fromHour->value()));
        t.SetPrzyjazdCzas(n, JoinDayAndHourField(leg.toDay->Value(), leg.toHour->value()));
        t.SetSrodek(n, leg.means->text());
        t.SetKoszt(n, leg.fare->Amount());
    }
}

void TeEdycjaDelegacji::accept()
{
    // Typed text not yet confirmed by leaving the field counts as well.
    for (QAbstractSpinBox* field : findChildren<QAbstractSpinBox*>())
        field->interpretText();
    StoreBasic();
    if (trip_.Rozliczona())
        StoreSettlement();
    SaveAllBases();
    QDialog::accept();
}

bool EditTrip(TDelegacja& trip)
{
    TeEdycjaDelegacji dialog(trip);
    return dialog.exec() == QDialog::Accepted;
}
