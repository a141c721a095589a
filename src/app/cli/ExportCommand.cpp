// vendrola-cli export: a base file as text, as the program's own export writes it.
#include "CliCommand.h"

#include "persons/PersonsModule.h"
#include "storage/BaseKinds.h"
#include "storage/RecordClasses.h"
#include "storage/ZunList.h"
#include "trips/TripBase.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>

// Every record class of the program, so that any base file can be read (also used by "info").
void RegisterBaseReaders()
{
    RegisterStorageRecordClasses();
    RegisterPersonsModule();
    RegisterTripsModule();
}

namespace {
int Export(const QStringList& argsIn);

CliCommand exportCommand{"export", "export BASEFILE OUTFILE [--sep tab|semicolon|comma|pipe] [--kind N]",
                         "Eksportuje bazę danych do pliku tekstowego (Windows-1250, wiersze CRLF)", Export};

int Export(const QStringList& argsIn)
{
    QStringList args = argsIn;
    const QString sep = TakeOption(args, "--sep", "tab");
    const QString kindText = TakeOption(args, "--kind", "-1");
    bool kindOk = false;
    const int kind = kindText.toInt(&kindOk);
    const QMap<QString, QChar> separators = {{"tab", '\t'}, {"semicolon", ';'}, {"comma", ','}, {"pipe", '|'}};
    if (args.size() != 2 || !separators.contains(sep) || !kindOk || kind >= kBaseKindCount)
        return UsageError(exportCommand);

    RegisterBaseReaders();
    const QString& baseFile = args[0];
    const QString& outFile = args[1];
    QFile probe(baseFile);
    if (!QFileInfo(baseFile).isFile() || !probe.open(QIODevice::ReadOnly)) {
        // Nothing to export: the output file is left as it was.
        ErrLine((probe.errorString().isEmpty() ? QString("Nie ma takiego pliku") : probe.errorString()) + ": " + baseFile);
        return 1;
    }
    probe.close();
    std::unique_ptr<tZunList> list = MakeBaseListForFile(baseFile, kind);
    QString error;
    const bool read = list->ParseFile(baseFile, &error);
    const QByteArray text = list->ExportText(separators[sep]);
    QSaveFile out(outFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        ErrLine(out.errorString() + ": " + outFile);
        return 1;
    }
    if (!read) {
        ErrLine(error);
        return 1;
    }
    OutLine(list->ExportReport(outFile).replace("\r\n", "\n"));
    return 0;
}
}  // namespace
