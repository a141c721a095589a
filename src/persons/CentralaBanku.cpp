#include "persons/CentralaBanku.h"

#include "persons/AccountNumber.h"

namespace {
constexpr const char* kBH = "Bank Handlowy w Warszawie SA";
constexpr const char* kING = "ING Bank Śląski SA";
constexpr const char* kBPH = "Bank Przemysłowo-Handlowy PBK SA";
constexpr const char* kBIG = "BIG Bank GDAŃSKI SA w Warszawie";
constexpr const char* kBISE = "Bank Inicjatyw Społeczno-Ekonomicznych SA";
constexpr const char* kNordea = "NORDEA BANK POLSKA SA";
constexpr const char* kGBW = "Gospodarczy Bank Wielkopolski SA w Poznaniu";

constexpr TCentralaBanku kHeadOffices[] = {
    {"101", "NBP", "Narodowy Bank Polski"},
    {"102", "PKOBP", "Powszechna Kasa Oszczędności Bank Polski SA"},
    {"103", "BH", kBH},
    {"182", "BH", kBH},
    {"105", "ING", kING},
    {"180", "ING", kING},
    {"106", "BPHSA", kBPH},
    {"111", "BPHSA", kBPH},
    {"109", "BZWBK", "Bank Zachodni WBK SA"},
    {"113", "BGK", "Bank Gospodarstwa Krajowego"},
    {"114", "BRE", "BRE BANK SA"},
    {"115", "BIG", kBIG},
    {"116", "BIG", kBIG},
    {"124", "PEKAO", "Bank Polska Kasa Opieki SA"},
    {"128", "PKBSA", "POLSKI KREDYT BANK SA"},
    {"132", "BPSA", "Bank Pocztowy SA"},
    {"134", "DREBA", "DRESDNER BANK POLSKA SA"},
    {"137", "BISE", kBISE},
    {"136", "BISE", kBISE},
    {"148", "BISE", kBISE},
    {"140", "BRBM", "Bank Rozwoju Budownictwa Mieszkaniowego SA w Warszawie"},
    {"141", "NORBP", kNordea},
    {"144", "NORBP", kNordea},
    {"146", "WBC", "Wschodni Bank Cukrownictwa SA w Lublinie"},
    {"147", "BSSA", "Bank SPOŁEM SA"},
    {"150", "KBSA", "KREDYT BANK PBI SA w Warszawie"},
    {"152", "BP", "Bank Przemysłowy SA w Łodzi"},
    {"154", "BOS", "Bank Ochrony Środowiska SA w Warszawie"},
    {"155", "PTRB", "LG Petro Bank SA (Nordea)"},
    {"156", "GBGK", "Górnośląski Bank Gospodarczy SA w Katowicach"},
    {"158", "DCBP", "DaimlerChrysler Services (debis) Bank Polska SA"},
    {"160", "FBPL", "Fortis Bank Polska SA"},
    {"161", "GBW", kGBW},
    {"204", "GBW", kGBW},
    {"162", "BWSA", "Bank Wschodni SA"},
    {"163", "BCZ", "Bank CZĘSTOCHOWA SA"},
    {"167", "ABNA", "ABN AMRO BANK (Polska) SA"},
    {"168", "IBSA", "INVEST - BANK SA"},
    {"169", "CUPR", "CUPRUM-BANK SA w Lubinie"},
    {"171", "GECA", "GE Capital Bank SA"},
    {"174", "AMER", "Bank Amerykański w Polsce SA - American Bank in Poland INC"},
    {"175", "RAIFF", "Raiffeisen Bank Polska SA w Warszawie"},
    {"179", "CRLY", "Credit Lyonnais Bank Polska SA"},
    {"183", "DABA", "Danske Bank Polska SA"},
    {"184", "SG", "SOCIETE GENERALE w Warszawie"},
    {"185", "GEBM", "GE Bank Mieszkaniowy SA"},
    {"186", "BNDB", "BNP PARIBAS BANK POLSKA SA"},
    {"187", "WLBP", "Westdeutsche Landesbank (Polska) SA"},
    {"188", "DBPL", "Deutsche Bank Polska SA"},
    {"189", "HYPO", "HypoVereinsbank Bank Hipoteczny SA"},
    {"191", "DB24", "Deutsche Bank 24 SA"},
    {"193", "BPSSA", "Bank Polskiej Spółdzielczości SA"},
    {"194", "LBSA", "LUKAS Bank SA"},
    {"195", "GMAC", "GMAC BANK POLSKA SA"},
    {"196", "AIGB", "AIG Bank Polska SA"},
    {"200", "RABO", "RaboBank Polska SA"},
    {"203", "BGŻ", "Bank Gospodarki Żywnościowej SA"},
    {"206", "MRBA", "Mazowiecki Bank Regionalny SA"},
    {"209", "BGBP", "Bankgesellschaft Berlin (Polska) SA"},
    {"212", "BOFA", "Bank of America (Polska) SA"},
    {"213", "VWBA", "VOLKSWAGEN BANK POLSKA SA"},
    {"214", "FIAT", "Fiat Bank Polska SA"},
    {"215", "RHB", "RHEINHYP-BRE Bank Hipoteczny SA"},
    {"219", "MHB", "MHB BANK POLSKA SA"},
    {"220", "SHBW", "BANK SVENSKA HANDELSBANKEN (POLSKA) SA"},
    {"221", "BTMP", "Bank of Tokyo-Mitsubishi (Polska) SA"},
    {"799", "KSKOK", "Krajowa SKOK"},
    {"800", "SBRS", "Spółdzielczy Bank Rozwoju SAMOPOMOC CHŁOPSKA"},
};
static_assert(std::size(kHeadOffices) == 68);
}  // namespace

std::span<const TCentralaBanku> HeadOffices() { return kHeadOffices; }

QString HeadOfficeOfBank(const QString& text)
{
    const QString code = SplitAccountNumber(text).NumerBanku.left(3);
    if (code.size() < 3)
        return {};
    for (const TCentralaBanku& row : kHeadOffices)
        if (code == QLatin1String(row.Kod))
            return QString::fromUtf8(row.Nazwa);
    return {};
}
