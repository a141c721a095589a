#include "shell/LauncherMenu.h"

#include "platform/Messages.h"
#include "platform/Settings.h"

namespace {
QString WebSiteCaption()
{
    QString site = MakerWebSite();
    site.remove("https://").remove("http://");
    return "&Strona internetowa " + site + "...";
}
}  // namespace

QList<LauncherMenuItem> LauncherPopupMenu()
{
    using namespace launcher;
    return {
        {"Bazy danych", "miBazyDanych", {}, {
            {"Edycja baz danych...", "miEdycjaBaz", kDatabaseEditor, {}},
            {"użytkownicy...", "miUzytkownicy", kUsers, {}},
            {"kontrahenci...", "miKontrahenci", kContractors, {}},
            {"import kontrahentów z .dbf...", "miImportDbf", kImportDbf, {}},
        }},
        {"Dziennik...", "miDziennik", kJournal, {}},
        {"&Przelewy", "miPrzelewy", {}, {
            {"Nowy przelew... >", "miNowyPrzelew", kNewTransfer, {}},
            {"Nowa wpłata ZUS... >", "miNowaWplataZus", kNewZusPayment, {}},
            {"Nowy przelew dla urzędu skarbowego... >", "miNowyPrzelewUS", kNewTaxPayment, {}},
            {"Zbiorówka do przelewów...", "miZbiorowka", kBulkList, {}},
        }},
        {"&Kasa...", "miKasa", {}, {
            {"nowe K&P... >", "miNoweKP", kNewKP, {}},
            {"nowe K&W... >", "miNoweKW", kNewKW, {}},
        }},
        {"Ustawienia", "miUstawienia", {}, {
            {"Opcje &kopii zapasowych...", "miOpcjeKopii", kBackupOptions, {}},
            {"Opcje &drukowania...", "miOpcjeDrukowania", kPrintOptions, {}},
        }},
        {"Pomo&c", "miPomoc", {}, {
            {WebSiteCaption(), "miStronaWww", kWebSite, {}},
            {"&Automatyczna aktualizacja...", "miAktualizacja", kUpdate, {}},
            {"&Kontakt techniczny...", "miKontakt", kTechnicalContact, {}},
            {"&O programie...", "miOProgramie", kAbout, {}},
        }},
        {"Zamówienia", "miZamowienia", {}, {
            {"&Zamów nasze programy...", "miZamowProgramy", kOrderPrograms, {}},
            {"Zamów formularze przelewu...", "miZamowFormularze", kOrderForms, {}},
        }},
        {"Zamknij", "miZamknij", kClose, {}},
    };
}

QList<LauncherElement> LauncherElements()
{
    using namespace launcher;
    using K = LauncherElement::Kind;
    return {
        {K::NameBar, {}, "bNazwa", {}},
        {K::Heading, "Rivazedur", "lbRivazedur", {}},
        {K::Link, "Nowa delegacja...", "bNowa", kNewTrip},
        {K::Link, "Nowy klon delegacji...", "bKlon", kCloneTrip},
        {K::Link, "Wykaz delegacji", "bWykaz", kTripList},
        {K::Heading, "Rozliczenia", "lbRozliczenia", {}},
        {K::Link, "Rozlicz delegację", "bRozlicz", kSettleTrip},
        {K::MenuLink, "Inne funkcje", "bInne", {}},
        {K::Heading, "Raporty", "lbRaporty", {}},
        {K::Link, "Dziennik...", "bDziennik", kJournal},
        {K::Link, "Ustawienia drukowania", "bUstawieniaDrukowania", kPrintSettings},
        {K::CheckBox, "na starcie pokaż wykaz delegacji", "cbStartPokaz", {}},
        {K::DateBar, {}, "bData", {}},
    };
}

bool ShowTripListAtStart() { return ReadSettingBool(kLauncherStateSection, kShowTripListAtStart, false); }
void SetShowTripListAtStart(bool show) { WriteSettingBool(kLauncherStateSection, kShowTripListAtStart, show); }
