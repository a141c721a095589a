#pragma once
#include <QDialog>

class PreviewDocument;
class QComboBox;
class QPushButton;
class QScrollArea;
class QWidget;

// The print preview "Podgląd wydruku": the pages of a previewed job, paging, zoom, saving a page and
// printing from the preview.
class TeDPrinter : public QDialog {
    Q_OBJECT

public:
    explicit TeDPrinter(PreviewDocument& document, QWidget* parent = nullptr);

    void NextPage();
    void PreviousPage();
    void SetZoom(int percent);
    void SaveVector();
    void SaveBitmap();
    void PrintFromPreview();
    int Zoom() const { return zoom_; }

private:
    void Refresh();
    void Scroll(int dx, int dy);

    PreviewDocument& document_;
    int zoom_ = 100;
    QPushButton* previous_ = nullptr;
    QPushButton* indicator_ = nullptr;
    QPushButton* next_ = nullptr;
    QComboBox* zoomList_ = nullptr;
    QScrollArea* area_ = nullptr;
    QWidget* page_ = nullptr;
};
