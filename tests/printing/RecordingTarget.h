#pragma once
#include "printing/PrintTarget.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <memory>

// A printer for tests: it reports chosen metrics (resolution, offset, paper) and records what is
// drawn on each page in drawing coordinates.
struct RecordedText {
    QPointF baseline;
    QString text;
    QFont font;
    QColor color;
};
struct RecordedLine {
    QLineF line;
    qreal width;
    Qt::PenStyle style;
};
struct RecordedPage {
    QList<RecordedText> texts;
    QList<RecordedLine> lines;
    QList<QRectF> ellipses;
    QString AllText() const;  // the texts joined with spaces
    // The first text containing part, or nullptr.
    const RecordedText* Find(const QString& part) const;
    const RecordedText* FindExact(const QString& text) const;
};
struct Recording {
    QList<RecordedPage> pages;
    QString title;
    bool started = false;
    bool finished = false;
};

// A4 at the given resolution with a small unprintable margin (about 4 mm) on every side.
PrinterMetrics A4Metrics(int dpi, int unprintableTenths = 42);

// Installs a target factory whose printer has these metrics; returns the recording of the next jobs
// (each job starts a fresh list of pages). Removes itself at the end of the test via the guard.
class RecordingPrinter {
public:
    explicit RecordingPrinter(const PrinterMetrics& metrics);
    ~RecordingPrinter();
    Recording& Last() { return *last_; }
    const RecordedPage& Page(int i) { return last_->pages.at(i); }
    int PageCount() const { return int(last_->pages.size()); }

private:
    std::shared_ptr<Recording> last_;
};

// Answers the next printer question with "print".
void AnswerPrint();
void AnswerPreview();
