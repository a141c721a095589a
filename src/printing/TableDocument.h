#pragma once
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

// A document made of a few mark-up blocks around one table. Row texts hold the cells of a row joined
// with "|", each cell a piece of mark-up; an empty block text means the block is absent.
struct TableDocument {
    QStringList Rows;                       // empty: no table
    bool HeaderRowInCaptionFont = false;
    bool LastRowInCaptionFont = false;
    bool LetterheadOnFirstPage = false;
    QString PageHeader;
    QString PageFooter;
    QString TitleBlock;
    QString UpperLeft;
    QString UpperRight;
    int UpperLeftPercent = 50;
    bool RuleAfterTitle = false;
    QString LowerLeft;
    QString LowerRight;
    int LowerLeftPercent = 50;
    bool RuleBeforeNote = false;
    QString ClosingNote;
    QList<double> ColumnPercents;           // per column from the first; <= 0 leaves it natural
    QSet<QPair<int, int>> NoBorderCells;    // (column, row), both 0-based
    int StretchColumn = -1;
    QSet<int> FixedColumns;
    int CellPaddingX = 5;                   // tenths of a millimetre
    int CellPaddingY = 5;
    bool InnerVertical = true;
    bool OuterVertical = true;
    bool InnerHorizontal = true;
    bool OuterHorizontal = true;
};

inline constexpr const char* kTableErrorText =
    "Tabela nie daje się wydrukować!\r\nZmniejsz czcionkę albo wydrukuj w poziomie.";

// One job with the document (punch margin, user margins); callers read JobPrinted() afterwards.
void PrintTableDocument(const TableDocument& doc, const QString& jobTitle);
// Two or three copies on a sheet (cash slips), in invoice mode; with copySeparator a cut line between.
void PrintTwoTableDocuments(const TableDocument& first, const TableDocument& second, const QString& jobTitle,
                            bool copySeparator);
void PrintThreeTableDocuments(const TableDocument& first, const TableDocument& second, const TableDocument& third,
                              const QString& jobTitle, bool copySeparator);
// Lays one document out in the current job from *y (the content top when y is null); returns the end
// through *y. Raises the table error when the columns cannot fit.
void LayOutTableDocument(int* y, const TableDocument& doc);

// The layout decisions for a document in the current geometry (used by the layout and its tests).
struct TableLayout {
    int columns = 0;
    QList<int> widths;       // device pixels
    QList<int> heights;      // per row
};
TableLayout ComputeTableLayout(const TableDocument& doc, QStringList& convertedRows, int contentWidth);

// One row text per grid row, cells joined with "|".
void GridToRows(const QList<QStringList>& grid, QStringList& rows);
// A model's horizontal header (when it has one) and its rows.
void GridToRows(const QAbstractItemModel& model, QStringList& rows);
