#include "PrintingFixture.h"

#include "RunCli.h"
#include "TestRoot.h"
#include "printing/MarkupPrinter.h"
#include "printing/TableDocument.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
// What poppler reads back from a PDF file: its text, and its fonts' lines.
QString PdfText(const QString& path)
{
    QProcess p;
    p.start("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString PdfFonts(const QString& path)
{
    QProcess p;
    p.start("pdffonts", {path});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

const char* kPolish = "Zażółć gęślą jaźń — ŹDŹBŁO, Łódź, Gdańsk, Kraków";
}  // namespace

TEST_F(PrintingTest, PdfJobsCountAsPrintedAndGiveBackThePolishText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("dokument.pdf");
    {
        PdfOutputScope pdf(path);
        EXPECT_TRUE(PrintMarkupText("Dokument", QString("<titlefont>%1\r\n<textfont>A &lt;b&gt; &amp; c").arg(kPolish),
                                    nullptr, true));
        EXPECT_EQ(pdf.Files(), QStringList{path});
    }
    EXPECT_TRUE(JobPrinted());
    EXPECT_FALSE(PreviewMode());
    const QString text = PdfText(path);
    EXPECT_TRUE(text.contains(kPolish)) << text.toStdString();
    EXPECT_TRUE(text.contains("A <b> & c"));
    // Every font is embedded (the "emb" column says yes).
    const QStringList fontLines = PdfFonts(path).split('\n').mid(2);
    int fonts = 0;
    for (const QString& line : fontLines) {
        if (line.trimmed().isEmpty())
            continue;
        ++fonts;
        EXPECT_TRUE(line.contains(" yes ")) << line.toStdString();
    }
    EXPECT_GE(fonts, 2);
}

TEST_F(PrintingTest, APdfScopeNumbersTheFilesOfLaterJobs)
{
    QTemporaryDir dir;
    PdfOutputScope pdf(dir.filePath("seria.pdf"));
    TableDocument doc;
    doc.Rows = {"a|b"};
    PrintTableDocument(doc, "pierwszy");
    PrintTableDocument(doc, "drugi");
    EXPECT_EQ(pdf.Files(), QStringList({dir.filePath("seria.pdf"), dir.filePath("seria-2.pdf")}));
    EXPECT_TRUE(QFile::exists(dir.filePath("seria-2.pdf")));
}

TEST(RenderCommand, MarkupAndTablesToPdfWithThePageCount)
{
    const QString markupFile = CurrentTestRoot().File("tekst.txt");
    QFile in(markupFile);
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    QString markup = QString("<titlefont><center>%1\n<left><textfont>").arg(kPolish);
    for (int i = 0; i < 120; ++i)
        markup += QString("Wiersz %1 tekstu.\n").arg(i);
    in.write(markup.toUtf8());
    in.close();
    QString out, err;
    const QString pdf = CurrentTestRoot().File("tekst.pdf");
    ASSERT_EQ(RunCli({"render", markupFile, pdf}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out.trimmed(), "3");
    EXPECT_TRUE(PdfText(pdf).contains(kPolish));

    const QString tableFile = CurrentTestRoot().File("tabela.txt");
    QFile table(tableFile);
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    QString rows = "Lp.|Osoba|Miejscowość|Kwota\n";
    for (int i = 1; i <= 80; ++i)
        rows += QString("%1|Jan Żółkiewski|Łódź|%2,00 zł\n").arg(i).arg(i * 10);
    table.write(rows.toUtf8());
    table.close();
    ASSERT_EQ(RunCli({"render", tableFile, CurrentTestRoot().File("tabela.pdf"), "--table", "--title",
                      "Zestawienie <wyjazdów>", "--landscape"},
                     &out, &err),
              0)
        << err.toStdString();
    EXPECT_GE(out.trimmed().toInt(), 2);
    const QString text = PdfText(CurrentTestRoot().File("tabela.pdf"));
    EXPECT_TRUE(text.contains("Zestawienie <wyjazdów>"));
    EXPECT_TRUE(text.contains("Jan Żółkiewski"));

    EXPECT_EQ(RunCli({"render", CurrentTestRoot().File("brak.txt"), pdf}, &out, &err), 1);
    EXPECT_EQ(RunCli({"render", markupFile}, &out, &err), 2);
}
