// vendrola-cli render: a mark-up text or a "|"-separated table printed to an A4 PDF file by the
// print engine, with the print settings of the root folder and no dialog.
#include "CliCommand.h"

#include "printing/MarkupPrinter.h"
#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/PrintSettingsStore.h"
#include "printing/TableDocument.h"
#include "text/MarkupEscape.h"

#include <QFile>
#include <QFileInfo>

namespace {
int Render(const CliCommand& self, QStringList args)
{
    const bool table = TakeFlag(args, "--table");
    const bool landscape = TakeFlag(args, "--landscape");
    const QString title = TakeOption(args, "--title");
    if (args.size() != 2)
        return UsageError(self);
    QFile in(args[0]);
    if (!in.open(QIODevice::ReadOnly)) {
        ErrLine("Nie mogę odczytać pliku " + args[0]);
        return 1;
    }
    QString text = QString::fromUtf8(in.readAll());
    text.replace("\r\n", "\n");
    const QString outPath = QFileInfo(args[1]).absoluteFilePath();
    const QString jobTitle = title.isEmpty() ? QFileInfo(args[0]).completeBaseName() : title;

    CreateRoleFonts();
    LoadPrintSettings();
    {
        PdfOutputScope pdf(outPath, landscape);
        if (table) {
            TableDocument doc;
            doc.Rows = text.split('\n');
            while (!doc.Rows.isEmpty() && doc.Rows.last().trimmed().isEmpty())
                doc.Rows.removeLast();
            if (doc.Rows.isEmpty()) {
                ErrLine("Plik " + args[0] + " nie zawiera żadnego wiersza tabeli.");
                return 1;
            }
            doc.HeaderRowInCaptionFont = true;
            if (!title.isEmpty())
                doc.TitleBlock = "<titlefont>" + EscapeMarkup(title);
            const int columns = int(doc.Rows.first().count('|')) + 1;
            doc.StretchColumn = columns > 2 ? 2 : columns - 1;
            PrintTableDocument(doc, jobTitle);
        } else {
            text.replace("\n", "\r\n");
            PrintMarkupText(jobTitle, text, nullptr, true);
        }
    }
    if (!JobPrinted()) {
        ErrLine("Nie udało się zapisać pliku " + outPath);
        return 1;
    }
    OutLine(QString::number(LastJobPageCount()));
    return 0;
}

CliCommand render{"render", "render PLIK_WE WYJŚCIE.pdf [--table] [--title TEKST] [--landscape]",
                  "Drukuje tekst z mark-upem (albo tabelę z --table: komórki rozdzielone \"|\", pierwszy wiersz "
                  "to nagłówek) do pliku PDF A4 i wypisuje liczbę stron",
                  [](const QStringList& args) { return Render(render, args); }};
}  // namespace
