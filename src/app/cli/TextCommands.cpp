// Money and date texts: amounts in words and figures, date formats, relative days, working days.
#include "CliCommand.h"

#include "platform/Clock.h"
#include "text/Calendar.h"
#include "text/DateText.h"
#include "text/MoneyText.h"
#include "text/NumberWords.h"

#include <QRegularExpression>
#include <memory>
#include <optional>

namespace {
std::optional<Money> ReadAmount(const QString& text)
{
    const std::optional<Money> amount = ParseDecimalMoney(text);
    if (!amount)
        ErrLine("Niepoprawna kwota: " + text + " (oczekiwano liczby, np. 1234.5 lub -3,50)");
    return amount;
}

// YYYY-MM-DD or YYYY-MM-DDTHH:MM as a day-count value.
std::optional<double> ReadDate(const QString& text)
{
    static const QRegularExpression pattern(R"(^(\d{4})-(\d{2})-(\d{2})(?:T(\d{2}):(\d{2}))?$)");
    const QRegularExpressionMatch match = pattern.match(text);
    if (match.hasMatch()) {
        const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
        const QTime time = match.captured(4).isEmpty() ? QTime(0, 0)
                                                       : QTime(match.captured(4).toInt(), match.captured(5).toInt());
        if (date.isValid() && time.isValid() && DayNumber(date) != 0)
            return DateTimeValue(date, time);
    }
    ErrLine("Niepoprawna data: " + text + " (oczekiwano RRRR-MM-DD lub RRRR-MM-DDTGG:MM)");
    return std::nullopt;
}

// A command taking one amount and printing one text of it.
int AmountCommand(const CliCommand& self, QStringList args, QString (*text)(Money))
{
    if (args.size() != 1)
        return UsageError(self);
    const std::optional<Money> amount = ReadAmount(args[0]);
    if (!amount)
        return 1;
    OutLine(text(*amount));
    return 0;
}


const CliCommand words{"words", "words KWOTA", "Wypisuje kwotę słownie",
                       [](const QStringList& args) { return AmountCommand(words, args, AmountInWords); }};

const CliCommand money{"money", "money KWOTA", "Wypisuje kwotę z groszami i walutą",
                       [](const QStringList& args) { return AmountCommand(money, args, MoneyText); }};

const CliCommand digits{"digits", "digits KWOTA [--fraction]",
                        "Wypisuje kwotę cyframi słownie, jak na blankiecie przelewu",
                        [](QStringList args) {
                            const bool fraction = TakeFlag(args, "--fraction");
                            if (args.size() != 1)
                                return UsageError(digits);
                            const std::optional<Money> amount = ReadAmount(args[0]);
                            if (!amount)
                                return 1;
                            OutLine(AmountInDigitWords(*amount, fraction));
                            return 0;
                        }};

const CliCommand number{"number", "number LICZBA", "Wypisuje liczbę całkowitą słownie",
                        [](const QStringList& args) {
                            if (args.size() != 1)
                                return UsageError(number);
                            bool ok = false;
                            const qint64 n = args[0].toLongLong(&ok);
                            if (!ok) {
                                ErrLine("Niepoprawna liczba: " + args[0]);
                                return 1;
                            }
                            OutLine(NumberInWords(n));
                            return 0;
                        }};

const CliCommand date{"date", "date FORMAT DATA", "Wypisuje datę w podanym formacie (np. \"d mmmmm yyyy\")",
                      [](const QStringList& args) {
                          if (args.size() != 2)
                              return UsageError(date);
                          const std::optional<double> value = ReadDate(args[1]);
                          if (!value)
                              return 1;
                          OutLine(FormatDateEx(args[0], *value));
                          return 0;
                      }};

const CliCommand relative{"relative", "relative DATA [--today DATA]",
                          "Wypisuje, jak dawno lub za ile dni jest data (\"wczoraj\", \"za 5 dni\")",
                          [](QStringList args) {
                              const QString todayText = TakeOption(args, "--today");
                              if (args.size() != 1 || args.contains("--today"))
                                  return UsageError(relative);
                              const std::optional<double> value = ReadDate(args[0]);
                              if (!value)
                                  return 1;
                              if (!todayText.isEmpty()) {
                                  const std::optional<double> today = ReadDate(todayText);
                                  if (!today)
                                      return 1;
                                  // Only the day counts; noon is never skipped by a change of clocks.
                                  InstallClock(std::make_shared<FixedClock>(QDateTime(DateOfValue(*today), QTime(12, 0))));
                              }
                              OutLine(RelativeDayText(*value));
                              return 0;
                          }};

const CliCommand workday{"workday", "workday DATA [--saturdays]",
                         "Wypisuje najbliższy dzień roboczy od daty (RRRR-MM-DD)",
                         [](QStringList args) {
                             const bool saturdays = TakeFlag(args, "--saturdays");
                             if (args.size() != 1)
                                 return UsageError(workday);
                             const std::optional<double> value = ReadDate(args[0]);
                             if (!value)
                                 return 1;
                             OutLine(DateOfValue(NextWorkingDay(*value, saturdays)).toString(Qt::ISODate));
                             return 0;
                         }};

const CliCommand holiday{"holiday", "holiday DATA", "Wypisuje \"tak\", gdy data jest dniem ustawowo wolnym, inaczej \"nie\"",
                         [](const QStringList& args) {
                             if (args.size() != 1)
                                 return UsageError(holiday);
                             const std::optional<double> value = ReadDate(args[0]);
                             if (!value)
                                 return 1;
                             OutLine(IsHoliday(*value) ? "tak" : "nie");
                             return 0;
                         }};
}  // namespace
