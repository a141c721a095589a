// Reading and writing a base file: the unreadable-file path, the safety chain of a save and the
// emergency copy.
#include "storage/ZunList.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/Progress.h"
#include "platform/RootFolder.h"
#include "storage/EzunException.h"
#include "storage/SmallCopy.h"
#include "storage/ZunStream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <optional>

namespace {
constexpr int kWritingCursor = 181;
constexpr int kCopyingCursor = 111;

QString ErrorText(const std::exception& e)
{
    QString text = dynamic_cast<const ZunError*>(&e) ? static_cast<const ZunError&>(e).Text()
                                                      : QString::fromUtf8(e.what());
    if (text.startsWith('%'))
        text.remove(0, 1);
    return text;
}

// Replaces the file only once the new bytes are complete and on disk: a crash mid-way leaves the
// old file whole.
void WriteWhole(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw ZunError(file.errorString() + ": " + fileName);
    if (file.write(bytes) != bytes.size())
        throw ZunError(file.errorString() + ": " + fileName);
    if (!file.commit())
        throw ZunError(file.errorString() + ": " + fileName);
}

QString PathMissingText(const QString& fileName)
{
    return fileName + ": taka ścieżka nie istnieje. " + "Zapisanie pliku nie będzie możliwe. ";
}

bool ReadWholeFile(const QString& path, QByteArray& bytes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString() + ": " + path;
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString() + ": " + path;
        return false;
    }
    return true;
}

bool FileExists(const QString& path) { return QFileInfo(path).isFile(); }
bool FolderExists(const QString& path) { return QFileInfo(path).absoluteDir().exists(); }
}  // namespace

bool tZunList::LoadFromFile(const QString& fileName, bool onlyIfEmpty)
{
    if (onlyIfEmpty && !items_.empty())
        return true;
    LastStorageError().clear();
    if (!FileExists(fileName))
        return false;
    QByteArray bytes;
    if (!ReadWholeFile(fileName, bytes, LastStorageError()))
        return false;
    tZunStream stream(std::move(bytes));
    try {
        LoadFromStream(stream);
    } catch (const std::exception& e) {
        LastStorageError() = ErrorText(e);
        Warn("Plik istnieje, ale nie mogę go otworzyć! Tworzę awaryjną kopię zapasową.\r\n" + ErrorText(e));
        CopyUnreadableFile(fileName);
        return false;
    }
    FileName = fileName;
    FileSize = qint32(FileSizeOf(fileName));
    FileTime = FileTimeOf(fileName);
    return true;
}

bool tZunList::ParseFile(const QString& fileName, QString* error)
{
    QString reason;
    QByteArray bytes;
    bool ok = ReadWholeFile(fileName, bytes, reason);
    if (ok) {
        tZunStream stream(std::move(bytes));
        try {
            LoadFromStream(stream);
            FileName = fileName;
            FileSize = qint32(FileSizeOf(fileName));
            FileTime = FileTimeOf(fileName);
        } catch (const std::exception& e) {
            reason = ErrorText(e);
            ok = false;
        }
    }
    if (error)
        *error = reason;
    return ok;
}

bool CopyUnreadableFile(const QString& fileName)
{
    // In the program's folder, where a program started from its own folder had its working folder:
    // never into whatever folder the program happens to be started from.
    const QString target = ProgramFolderPath() + "_akz_" + Now().toString("yyMMdd_hhmmss_") +
                           QString::number(QRandomGenerator::global()->bounded(79)) +
                           QFileInfo(fileName).fileName() + ".akz";
    QFile::remove(target);
    if (QFile::copy(fileName, target))
        return true;
    Warn("Nie udało się wykonać awaryjnej kopii zapasowej!\r\n" + fileName + "\r\n" + target);
    return false;
}

bool tZunList::SaveToFile(QString fileName, bool makeSmallCopy)
{
    // A base not read yet is read first: writing its empty memory would wipe the file.
    EnsureLoaded();
    if (!FitsStoredForm()) {
        // Refused before anything is touched: the short form would wrap the count and the base
        // would read back empty.
        LastStorageError() = QString("Baza danych %1 zawiera %2 pozycji, a jej plik może pomieścić najwyżej %3. "
                                     "Nie zapisuję jej, aby nie uszkodzić pliku; dane w pamięci i na dysku "
                                     "pozostają bez zmian. Usuń zbędne pozycje i zapisz ponownie.")
                                 .arg(BaseName(), QString::number(items_.size()), QString::number(kShortListLimit));
        Warn("%" + LastStorageError());
        return false;
    }
    if (!FileExists(fileName) && !FolderExists(fileName)) {
        if (Warn(PathMissingText(fileName) + "\r\nCzy mam spróbować utworzyć taką ścieżkę?") &&
            QDir().mkdir(QFileInfo(fileName).absolutePath()))
            Warn("Ścieżka została utworzona pomyślnie.");
    }
    if (!FileExists(fileName) && !FolderExists(fileName)) {
        if (Warn(PathMissingText(fileName) + "\r\nCzy mam spróbować zapisać plik w bieżącym katalogu programu?"))
            fileName = ProgramFolderPath() + QFileInfo(fileName).fileName();
    }
    if (FileExists(fileName) && FileTime != 0 && FileSize != 0 &&
        (FileTimeOf(fileName) != FileTime || FileSizeOf(fileName) != FileSize)) {
        if (!WarnKeyed("Wykryłem próbę zapisu danych do pliku, do którego w międzyczasie zapisywała inna aplikacja. "
                       "Czy zapisać plik mimo wszystko?\r\nJeśli odtwarzałeś właśnie dane z kopii zapasowej, "
                       "wybierz NIE.\r\nJeśli odpowiesz OK, dane zapisane przez tę inną aplikację zostaną "
                       "bezpowrotnie utracone. Jeśli naciśniesz Anuluj, utracisz dane zapisywane przez TEN program. "
                       "Zapiszę tylko awaryjną kopię zapasową pod unikalną nazwą.\r\n\r\nplik: " + fileName,
                       "próbazapisu")) {
            SaveEmergencyCopy(fileName);
            return false;
        }
    }
    std::optional<SmallCopyBeforeReplace> smallCopy;
    if (makeSmallCopy && FileExists(fileName)) {
        CursorScope copying(kCopyingCursor);
        smallCopy.emplace(fileName, true);
    }
    bool written = false;
    try {
        tZunStream stream;
        stream.WideCounts = WideCounts;
        stream.Reserve(qint64(FileSize) + FileSize / 8);  // the last size is the best guess
        SetProgramCursor(kWritingCursor);
        StoreToStream(stream);
        const qint64 newSize = stream.Size();
        const qint64 oldSize = FileExists(fileName) ? FileSizeOf(fileName) : 0;
        if (FileExists(fileName) && newSize < 0.5 * double(oldSize)) {
            const QString question =
                "Plik, który chcesz zapisać, zawiera dużo mniej danych, niż już istniejący plik o tej samej nazwie. "
                "Czy mimo wszystko zapisać ten plik?\r\n" +
                QString("%1: plik ma %2, zapisywane dane %3 bajtów.").arg(fileName, QString::number(oldSize), QString::number(newSize));
            AppendLog("exce.txt", question);
            if (!Warn(question))
                RaiseUserError("Nie zapisuję nowego pliku!");
        }
        CheckWritable(fileName);
        WriteWhole(fileName, stream.Bytes());
        if (smallCopy)
            smallCopy->BaseReplaced();
        FileName = fileName;
        FileSize = qint32(FileSizeOf(fileName));
        FileTime = FileTimeOf(fileName);
        written = true;
    } catch (const std::exception& e) {
        LastStorageError() = ErrorText(e);
    }
    SetProgramCursor(0);
    if (!written)
        Warn("Niestety, zapisanie danych nie było możliwe. Być może podałeś nieprawidłową ścieżkę.\r\n"
             "Porady znajdziesz w dziale pomocy technicznej na stronie " + MakerWebSite() + "\r\n" +
             LastStorageError());
    return written;
}

bool tZunList::SaveEmergencyCopy(const QString& fileName)
{
    const QString target = fileName + QString(".akz.%1").arg(Now().toString("yyyyMMdd.hhmmss"));
    if (QFileInfo::exists(target))
        RaiseUserError("File already exists");
    EnsureLoaded();
    try {
        tZunStream stream;
        stream.WideCounts = WideCounts;
        StoreToStream(stream);
        WriteWhole(target, stream.Bytes());
    } catch (const std::exception& e) {
        Warn("Nie udało się zapisać awaryjnej kopii zapasowej.\r\n" + ErrorText(e) + "\r\nnazwa pliku: " + target);
        return false;
    }
    WarnWithInfo("Zapisałem awaryjną kopię zapasową.", "nazwa pliku: " + target,
                 "Aby dowiedzieć się, jak odtworzyć dane z takiej kopii, skontaktuj się z nami przez stronę " +
                     MakerWebSite() + " lub funkcją kontaktu technicznego w programie.");
    return true;
}

bool CheckWritable(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return true;
    const QFile::Permissions permissions = info.permissions();
    const bool readOnly = !(permissions & QFile::WriteOwner);
    // Hidden and system attributes do not stop writing here; only a file without write permission does.
    if (!readOnly)
        return true;
    QString description;
    if (info.isHidden())
        description += "Plik ukryty. ";
    description += "Plik tylko do odczytu. ";
    if (info.isDir())
        description += "Plik folderu. ";
    if (Warn("Atrybuty pliku uniemożliwiają zapis do niego. Taka sytuacja powstaje na przykład wtedy, gdy kopiowałeś "
             "pliki z płyty CD-ROM.\r\nCzy usunąć atrybuty uniemożliwiające zapis i kasowanie?\r\n" +
             description + " " + fileName) &&
        QFile::setPermissions(fileName, permissions | QFile::WriteOwner | QFile::ReadOwner)) {
        WarnKeyed("Atrybuty pliku zostały pomyślnie zmienione.", "wyzerowanEAtrybutyPLiku");
        return true;
    }
    Warn("Niestety, nie udało się zmienić atrybutów pliku. Zapis nie będzie możliwy.\r\n" + fileName);
    return false;
}
