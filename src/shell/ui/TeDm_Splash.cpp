#include "shell/ui/TeDm_Splash.h"

#include "platform/Clock.h"
#include "shell/ProgramCursors.h"
#include "shell/ProgramIdentity.h"
#include "shell/RemainingTime.h"
#include "shell/ui/ProgramIcon.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <limits>
#include <QVBoxLayout>

TeDm_Splash::TeDm_Splash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen), hideTimer_(new QTimer(this))
{
    setObjectName("TeDm_Splash");
    // Showing the progress must never take the focus from a message (which would answer it).
    setAttribute(Qt::WA_ShowWithoutActivating);
    const ProgramIdentity identity;
    setWindowTitle(identity.DisplayName);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* name = new QLabel("<b>" + identity.DisplayName.toHtmlEscaped() + "</b>", frame);
    name->setObjectName("lbNazwa");
    auto* version = new QLabel("wersja " + identity.Version.toHtmlEscaped(), frame);
    version->setObjectName("lbWersja");
    status_ = new QLabel(frame);
    status_->setObjectName("lbStatus");
    status_->setMinimumWidth(320);
    bar_ = new QProgressBar(frame);
    bar_->setObjectName("pbPostep");
    bar_->setTextVisible(false);
    bar_->hide();
    remaining_ = new QLabel(frame);
    remaining_->setObjectName("lbPozostalo");

    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(name);
    inner->addWidget(version);
    inner->addWidget(status_);
    inner->addWidget(bar_);
    inner->addWidget(remaining_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    hideTimer_->setSingleShot(true);
    hideTimer_->setInterval(10);
    connect(hideTimer_, &QTimer::timeout, this, [this] {
        hide();
        bar_->hide();
        remaining_->clear();
        if (onEnd_)
            onEnd_();
    });
}

void TeDm_Splash::Appear()
{
    hideTimer_->stop();
    if (!isVisible()) {
        adjustSize();
        show();
        raise();
    }
}

void TeDm_Splash::Repaint()
{
    if (isVisible())
        repaint();
}

void TeDm_Splash::ShowStatus(const QString& text)
{
    Appear();
    status_->setText(text + " ");
    statusStart_ = Now();
    remaining_->clear();
    Repaint();
}

void TeDm_Splash::ShowProgress(qint64 position, qint64 maximum)
{
    Appear();
    // The bar counts in int: large maxima are scaled down together with the position.
    int shift = 0;
    while ((maximum >> shift) > std::numeric_limits<int>::max())
        ++shift;
    bar_->setRange(0, int(maximum >> shift));
    bar_->setValue(int(qBound<qint64>(0, position, maximum) >> shift));
    bar_->show();
    remaining_->setText(RemainingTimeLine(position, maximum, statusStart_, Now()));
    Repaint();
    QApplication::processEvents();
}

void TeDm_Splash::EndStatus() { hideTimer_->start(); }

QString TeDm_Splash::StatusText() const { return status_->text(); }
QString TeDm_Splash::RemainingText() const { return remaining_->text(); }
bool TeDm_Splash::BarVisible() const { return !bar_->isHidden(); }

SplashProgress::SplashProgress() = default;

SplashProgress::~SplashProgress()
{
    delete window_;
    if (cursorSet_)
        QApplication::restoreOverrideCursor();
}

TeDm_Splash& SplashProgress::Window()
{
    if (!window_)
        window_ = new TeDm_Splash;
    return *window_;
}

void SplashProgress::ShowStatus(const QString& text) { Window().ShowStatus(text); }
void SplashProgress::ShowProgress(qint64 position, qint64 maximum) { Window().ShowProgress(position, maximum); }
void SplashProgress::EndStatus() { Window().EndStatus(); }

void SplashProgress::SetCursor(int number)
{
    if (cursorSet_) {
        QApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
    if (number != 0) {
        QApplication::setOverrideCursor(QCursor(CursorShapeOf(number)));
        cursorSet_ = true;
    }
}
