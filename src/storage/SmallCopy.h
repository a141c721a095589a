#pragma once
#include <QDate>
#include <QString>

// Small copies: before every save, the base file as it was is copied next to it, one copy per base
// and per week-of-month period. Settings live in the registry section "Kopie zapasowe".
inline constexpr const char* kBackupSection = "Kopie zapasowe";
inline constexpr const char* kMakeSmallCopies = "Wykonuj małe kopie";
inline constexpr const char* kPruneSmallCopies = "Kasuj małe kopie automatycznie";
inline constexpr const char* kSmallCopyAgeDays = "Kasuj małe kopie po dniach";

struct SmallCopySettings {
    bool make = true;
    bool pruneAutomatically = false;
    int pruneAfterDays = 21;
};
SmallCopySettings ReadSmallCopySettings();
void WriteSmallCopySettings(const SmallCopySettings& settings);

// "Kopia <yy><period> <name>" in the base file's folder.
QString SmallCopyName(const QString& baseFile, const QDate& day);
// Copies the base file to its small-copy name (replace: delete the old copy first); with prune,
// deletes old copies of the same base when automatic deletion is on.
bool MakeSmallCopy(const QString& baseFile, bool replace, bool prune);
