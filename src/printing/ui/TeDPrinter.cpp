#include "printing/ui/TeDPrinter.h"

#include "platform/Dialogs.h"
#include "platform/Messages.h"
#include "platform/Progress.h"
#include "platform/RootFolder.h"
#include "printing/PreviewDocument.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
// The page image, painted stretched over the widget.
class PageView : public QWidget {
public:
    explicit PageView(PreviewDocument& document, QWidget* parent) : QWidget(parent), document_(document)
    {
        setObjectName("imgStrona");
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        document_.PaintPage(painter, document_.CurrentPageNumber() - 1, rect());
    }

private:
    PreviewDocument& document_;
};

QPushButton* Button(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}
}  // namespace

TeDPrinter::TeDPrinter(PreviewDocument& document, QWidget* parent) : QDialog(parent), document_(document)
{
    setObjectName("TeDPrinter");
    setWindowTitle("Podgląd wydruku");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* print = Button("bDrukuj", "&Drukuj", this);
    print->setDefault(true);
    previous_ = Button("bPoprzednia", " ", this);
    indicator_ = Button("bStrona", QString(), this);
    next_ = Button("bNastepna", " ", this);
    zoomList_ = new QComboBox(this);
    zoomList_->setObjectName("cbSkala");
    zoomList_->addItems(PreviewDocument::ZoomItems());
    auto* close = Button("bZamknij", "&Zamknij", this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(print);
    bar->addSpacing(16);
    bar->addWidget(previous_);
    bar->addWidget(indicator_);
    bar->addWidget(next_);
    bar->addSpacing(16);
    bar->addWidget(zoomList_);
    bar->addStretch();
    bar->addWidget(close);

    area_ = new QScrollArea(this);
    area_->setObjectName("sbStrona");
    area_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    area_->setStyleSheet("QScrollArea { background: white; }");
    page_ = new PageView(document_, area_);
    area_->setWidget(page_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(area_, 1);

    connect(print, &QPushButton::clicked, this, [this] { PrintFromPreview(); });
    connect(previous_, &QPushButton::clicked, this, [this] { PreviousPage(); });
    connect(indicator_, &QPushButton::clicked, this, [this] { NextPage(); });
    connect(next_, &QPushButton::clicked, this, [this] { NextPage(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(zoomList_, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { SetZoom(QString(text).remove('%').toInt()); });

    const struct {
        QKeySequence key;
        int dx, dy;
    } scrolls[] = {{Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}, {Qt::Key_Right, 1, 0}, {Qt::Key_Left, -1, 0}};
    for (const auto& s : scrolls) {
        auto* shortcut = new QShortcut(s.key, this);
        connect(shortcut, &QShortcut::activated, this, [this, s] { Scroll(s.dx, s.dy); });
    }
    auto* pageUp = new QShortcut(Qt::Key_PageUp, this);
    connect(pageUp, &QShortcut::activated, this, [this] { PreviousPage(); });
    auto* pageDown = new QShortcut(Qt::Key_PageDown, this);
    connect(pageDown, &QShortcut::activated, this, [this] { NextPage(); });

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction("Poprzednia strona", QKeySequence(Qt::Key_PageUp), this, [this] { PreviousPage(); });
        menu.addAction("Następna strona", QKeySequence(Qt::Key_PageDown), this, [this] { NextPage(); });
        QMenu* save = menu.addMenu("Zachowaj jako");
        save->addAction("prosty EMF...", this, [this] { SaveVector(); });
        save->addAction("mapę bitową...", this, [this] { SaveBitmap(); });
        menu.addAction("Wydrukuj", this, [this] { PrintFromPreview(); });
        menu.addAction("Zamknij", QKeySequence(Qt::Key_Escape), this, &QDialog::reject);
        menu.exec(mapToGlobal(at));
    });

    zoomList_->setCurrentText("100%");
    SetZoom(100);
    resize(1000, 800);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TeDPrinter::Refresh()
{
    indicator_->setText(document_.IndicatorText());
    previous_->setText(document_.PreviousText());
    next_->setText(document_.NextText());
    page_->update();
}

void TeDPrinter::NextPage()
{
    document_.NextPage();
    Refresh();
}

void TeDPrinter::PreviousPage()
{
    document_.PreviousPage();
    Refresh();
}

void TeDPrinter::SetZoom(int percent)
{
    if (percent <= 0)
        return;
    zoom_ = percent;
    page_->setFixedSize(PreviewDocument::ZoomedSize(document_.PageSize(), percent));
    Refresh();
}

void TeDPrinter::Scroll(int dx, int dy)
{
    QScrollBar* h = area_->horizontalScrollBar();
    QScrollBar* v = area_->verticalScrollBar();
    h->setValue(h->value() + dx * h->singleStep());
    v->setValue(v->value() + dy * v->singleStep());
}

void TeDPrinter::SaveVector()
{
    const QString path = Dialogs().SaveFileName(
        {"Zapisz podgląd do pliku", DocumentsFolder(), "Podgląd wydruku.svg", "svg: Rysunki wektorowe (*.svg)"});
    if (path.isEmpty())
        return;
    if (!document_.SaveVector(path))
        Warn("Nie udało się zapisać pliku " + path);
}

void TeDPrinter::SaveBitmap()
{
    const QString path = Dialogs().SaveFileName(
        {"Zapisz podgląd do pliku", DocumentsFolder(), "Podgląd wydruku.bmp", "bmp: Mapy bitowe Windows (*.bmp)"});
    if (path.isEmpty())
        return;
    CursorScope busy(-1);
    if (!document_.SaveBitmap(path, page_->size()))
        Warn("Nie udało się zapisać pliku " + path);
}

void TeDPrinter::PrintFromPreview()
{
    if (!PreviewDocument::ConfirmPrintFromPreview())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (document_.PrintTo(printer))
        accept();
}
