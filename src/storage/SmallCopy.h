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

// The small copy of a save that replaces the base file by a new one (rename, never writing in
// place). The copy starts as a hard link to the old file, so no bytes are copied; once the base
// is replaced the copy alone holds the old file and gets the time it was made, as a real copy
// would. When the base is not replaced the link becomes a real copy, so that the copy and the
// base never share a file that could later be written in place. Where a link cannot be made
// (another file system, a link, no write permission...) a real copy is made at once.
class SmallCopyBeforeReplace {
public:
    // As MakeSmallCopy(baseFile, false, prune).
    SmallCopyBeforeReplace(const QString& baseFile, bool prune);
    ~SmallCopyBeforeReplace();
    SmallCopyBeforeReplace(const SmallCopyBeforeReplace&) = delete;
    SmallCopyBeforeReplace& operator=(const SmallCopyBeforeReplace&) = delete;

    // Call once the base file has been replaced by the new one.
    void BaseReplaced();

private:
    QString baseFile_;
    QString linkedCopy_;  // empty: no link outstanding
};
