#pragma once
#include <QChar>
#include <QString>
#include <array>

class tZunStream;

// N typed slots of each of the five kinds a generic record carries, stored block by block:
// N string fields, N × int32, N × int64 amounts (1/10000 zł), N flag bytes, N × double dates.
template <int N>
struct GenericSlots {
    std::array<QString, N> s{};
    std::array<qint32, N> i{};
    std::array<qint64, N> c{};  // money in 1/10000 zł
    std::array<bool, N> b{};
    std::array<double, N> d{};  // day-count date-times, 0 = no date

    void Store(tZunStream& stream) const;
    void Load(tZunStream& stream);
    void Clear() { *this = GenericSlots(); }
    // Every slot's text followed by the separator.
    void AppendExport(QString& line, QChar separator) const;
    // Column names ("s0".."d<N-1>") with a prefix, each followed by the separator.
    static void AppendTitle(QString& line, QChar separator, const QString& prefix);
    bool SameAs(const GenericSlots& other) const;  // strings without regard to letter case
};

// Texts of single slots in the export.
QString ExportIntegerText(qint32 value);
QString ExportAmountText(qint64 amount);
QString ExportDateText(double date);

extern template struct GenericSlots<11>;
extern template struct GenericSlots<31>;
extern template struct GenericSlots<251>;
