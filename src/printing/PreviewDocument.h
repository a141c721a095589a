#pragma once
#include <QPicture>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;
class QPagedPaintDevice;

// One page of the print preview: a vector page the size of the paper at 96 dpi.
class PreviewPage : public QPicture {
public:
    PreviewPage(int width, int height) : width_(width), height_(height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    int width_;
    int height_;
};

// The pages of a previewed job and what the preview window does with them: paging, the indicator
// texts, the zoom, saving a page as a vector or bitmap file and printing the pages.
class PreviewDocument {
public:
    PreviewDocument(QString title, int pageWidth, int pageHeight);

    PreviewPage& AddPage();
    int PageCount() const { return int(pages_.size()); }
    PreviewPage& Page(int index) { return *pages_[index]; }
    const QString& Title() const { return title_; }

    // The current page, 1-based.
    int CurrentPageNumber() const { return current_ + 1; }
    void SetCurrentPage(int number);
    void NextPage();
    void PreviousPage();

    QString IndicatorText() const;   // "  strona %d z %d  "
    QString PreviousText() const;    // "    %d < " or " "
    QString NextText() const;        // " > %d    " or " "

    static QStringList ZoomItems();  // "10%" ... "400%"
    static QSize ZoomedSize(const QSize& page, int percent);
    QSize PageSize() const { return {width_, height_}; }

    // Draws a page stretched over target on a white background.
    void PaintPage(QPainter& painter, int index, const QRect& target) const;
    bool SaveVector(const QString& path) const;              // the current page as SVG
    bool SaveBitmap(const QString& path, const QSize& imageSize) const;  // the current page, 16 colours
    // Prints every page stretched over the printer's printable area; the job is "PW-" + title. On
    // success the job counts as printed and leaves preview mode.
    bool PrintTo(QPagedPaintDevice& printer);

    // The question before printing from the preview (remembered for 50 days); true to go on.
    static bool ConfirmPrintFromPreview();
    static QString RememberedAnswerKey();

private:
    QString title_;
    int width_;
    int height_;
    std::vector<std::unique_ptr<PreviewPage>> pages_;
    int current_ = 0;
};
