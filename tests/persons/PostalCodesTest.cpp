#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/PostalCodes.h"
#include "persons/ReferenceBases.h"
#include "persons/TMiasto.h"

#include <QFile>

using PostalCodes = PersonsTest;

namespace {
void SaveCities(std::initializer_list<std::pair<const char*, const char*>> cities)
{
    tZunList* base = CitiesBase();
    for (const auto& [code, name] : cities) {
        auto city = std::make_unique<TMiasto>();
        city->Kod = code;
        city->Miasto = QString::fromUtf8(name);
        base->Add(std::move(city));
    }
    ASSERT_TRUE(base->SaveToFile(BaseFilePath(base), false));
    CloseAllBases();
}
}  // namespace

TEST_F(PostalCodes, CityOfPostalCode)
{
    EXPECT_EQ(CityOfPostalCode("80-831"), "");   // no cities base
    SaveCities({{"00-950", "Warszawa"}, {"80-831", "Gdańsk"}, {"80-900", "Gdańsk"}, {"81-300", "Gdynia"},
                {"81-300", "Gdynia Orłowo"}, {"81-300", "Rumia"}, {"81-300", "rumia"}});
    struct Case {
        QString code, city;
    };
    const Case cases[] = {
        {"80-831", "Gdańsk"},
        {"81-300", "Gdynia, Rumia"},   // "Gdynia Orłowo" holds "Gdynia"; "rumia" is "Rumia"
        {"80-850", "Gdańsk"},                 // missing: the nearest lower code
        {"99-999", "rumia"},                  // the last entry
        {"00-001", ""},                       // nothing lower
        {"80-83", ""},                        // five characters
        {"80-8311", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CityOfPostalCode(c.code), c.city) << c.code.toStdString();
}

TEST_F(PostalCodes, DamagedBaseGivesNoCity)
{
    QFile file(BaseFilePath(CitiesBase()));
    CloseAllBases();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x05\x00\x10\x00garbage", 11));
    file.close();
    Script().Yes();
    EXPECT_EQ(CityOfPostalCode("80-831"), "");
    ASSERT_EQ(Script().History().size(), 1);
    EXPECT_TRUE(Script().LastText().contains("Plik istnieje, ale nie mogę go otworzyć!"));
}
