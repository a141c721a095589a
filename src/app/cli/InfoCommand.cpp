// vendrola-cli info: what a base file holds.
#include "CliCommand.h"

#include "storage/BaseKinds.h"
#include "storage/RecordClasses.h"
#include "storage/ZunList.h"

#include <QFileInfo>
#include <QMap>

void RegisterBaseReaders();  // ExportCommand.cpp

namespace {
int Info(const QStringList& argsIn);

CliCommand infoCommand{"info", "info BASEFILE [--kind N]",
                       "Opisuje bazę danych: liczba pozycji, plik i pozycje każdej klasy", Info};

int Info(const QStringList& argsIn)
{
    QStringList args = argsIn;
    bool kindOk = false;
    const int kind = TakeOption(args, "--kind", "-1").toInt(&kindOk);
    if (args.size() != 1 || !kindOk || kind >= kBaseKindCount)
        return UsageError(infoCommand);

    RegisterBaseReaders();
    std::unique_ptr<tZunList> list = MakeBaseListForFile(args[0], kind);
    QString error;
    const bool read = list->ParseFile(args[0], &error);
    if (!read && list->ItemCountInMemory() == 0 && !QFileInfo::exists(args[0])) {
        ErrLine(error);
        return 1;
    }
    OutLine(list->InfoText().replace("\r\n", "\n"));
    // Classes in the order they first appear; empty slots count under type number 0.
    QStringList names;
    QMap<QString, int> counts;
    for (int k = 0; k < list->ItemCountInMemory(); ++k) {
        const ZunPersistent* item = list->ItemInMemory(k);
        const QString name = item ? item->ClassName() : QString("(brak obiektu)");
        if (!counts.contains(name))
            names << name;
        ++counts[name];
    }
    for (const QString& name : names) {
        const tZunRecObject* entry = FindClassByName(name);
        OutLine(QString("%1 (%2): %3").arg(name).arg(entry ? entry->Number : 0).arg(counts[name]));
    }
    if (!read) {
        ErrLine(error);
        return 1;
    }
    return 0;
}
}  // namespace
