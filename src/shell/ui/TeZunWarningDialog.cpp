#include "shell/ui/TeZunWarningDialog.h"

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "shell/ui/MarkupLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
int g_defaultTickInterval = 200;

QLabel* IconLabel(QWidget* parent, const char* name, QStyle::StandardPixmap pixmap, bool visible)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(parent->style()->standardIcon(pixmap).pixmap(32, 32));
    label->setVisible(visible);
    return label;
}
}  // namespace

void TeZunWarningDialog::SetDefaultTickInterval(int milliseconds) { g_defaultTickInterval = milliseconds; }

TeZunWarningDialog::TeZunWarningDialog(const WarningRequest& request, const WarningLayout& layout, QWidget* parent)
    : QDialog(parent), layout_(layout), info_(request.info), ticks_(layout.ticks), timer_(new QTimer(this))
{
    setObjectName("TeZunWarningDialog");
    setWindowTitle("Uwaga!");
    if (!layout.caption.isEmpty())
        setWindowTitle(layout.caption);
    setWindowIcon(QApplication::windowIcon());

    auto* icons = new QVBoxLayout;
    icons->addWidget(IconLabel(this, "imInformacja", QStyle::SP_MessageBoxInformation, layout.informationIcon));
    icons->addWidget(IconLabel(this, "imWykrzyknik", QStyle::SP_MessageBoxWarning, layout.exclamationIcon));
    icons->addWidget(IconLabel(this, "imStop", QStyle::SP_MessageBoxCritical, layout.stopIcon));
    icons->addWidget(IconLabel(this, "imPytanie", QStyle::SP_MessageBoxQuestion, layout.questionIcon));
    icons->addStretch();

    text_ = new MarkupLabel(this);
    text_->setObjectName("lbTekst");
    text_->SetMarkup(layout.markup);
    text_->setMinimumWidth(320);
    text_->setMaximumWidth(640);

    infoLabel_ = new QLabel("<a href=\"#\">?</a>", this);
    infoLabel_->setObjectName("lbInfo");
    infoLabel_->setToolTip("naciśnij, aby zobaczyć dodatkowe informacje");
    infoLabel_->setVisible(layout.infoVisible);
    infoText_ = new MarkupLabel(this);
    infoText_->setObjectName("lbInfoTekst");
    infoText_->SetMarkup(request.info);
    infoText_->setVisible(false);
    connect(infoLabel_, &QLabel::linkActivated, this, [this] { infoText_->setVisible(!infoText_->isVisible()); });

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(text_);
    textColumn->addWidget(infoText_);
    textColumn->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(icons);
    top->addLayout(textColumn, 1);
    top->addWidget(infoLabel_, 0, Qt::AlignTop);

    dontShow_ = new QCheckBox("nie pokazuj więcej takich informacji", this);
    dontShow_->setObjectName("cbNiePokazuj");
    dontShow_->setVisible(layout.dontShowAgainVisible);
    connect(dontShow_, &QCheckBox::toggled, this,
            [](bool on) { WriteSettingBool(kDontShowAgainSection, LastWarningKey(), on); });

    bar_ = new QProgressBar(this);
    bar_->setObjectName("pbOdliczanie");
    bar_->setToolTip(kCountdownHint);
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setMaximumHeight(8);
    bar_->hide();
    stop_ = new QPushButton("?", this);
    stop_->setObjectName("bStop");
    stop_->setFixedWidth(24);
    stop_->setAutoDefault(false);
    stop_->hide();
    connect(stop_, &QPushButton::clicked, this, &TeZunWarningDialog::StopCountdown);
    countdownLabel_ = new QLabel(this);
    countdownLabel_->setObjectName("lbOdliczanie");
    countdownLabel_->hide();
    countdownLabel_->installEventFilter(this);

    ok_ = new QPushButton(layout.okCaption, this);
    ok_->setObjectName("bOK");
    ok_->setDefault(true);
    cancel_ = new QPushButton(layout.cancelCaption, this);
    cancel_->setObjectName("bAnuluj");
    cancel_->setVisible(layout.cancelVisible);
    connect(ok_, &QPushButton::clicked, this, [this] { done(1); });
    connect(cancel_, &QPushButton::clicked, this, [this] { done(2); });

    auto* countdown = new QHBoxLayout;
    countdown->addWidget(stop_);
    countdown->addWidget(countdownLabel_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(dontShow_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* main = new QVBoxLayout(this);
    main->addLayout(top, 1);
    main->addWidget(bar_);
    main->addLayout(countdown);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);  // the window fits its text

    timer_->setInterval(g_defaultTickInterval);
    connect(timer_, &QTimer::timeout, this, &TeZunWarningDialog::Tick);
}

void TeZunWarningDialog::SetTickInterval(int milliseconds) { timer_->setInterval(milliseconds); }
bool TeZunWarningDialog::CountdownRunning() const { return timer_->isActive(); }

void TeZunWarningDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    bar_->hide();
    QApplication::beep();
    // Deep-colour displays take the main window's colour; others the plain system colour.
    QWidget* main = QApplication::activeWindow();
    const QScreen* screen = this->screen();
    if (main && main != this && screen && screen->depth() > 15) {
        QPalette p = palette();
        p.setColor(QPalette::Window, main->palette().color(QPalette::Window));
        setPalette(p);
    }
    ok_->setFocus();
    if (ticks_ > 0 && !timer_->isActive() && !timedOut_) {
        timer_->start();
        Tick();
    }
}

void TeZunWarningDialog::Tick()
{
    const CountdownView view = CountdownAt(elapsed_, ticks_);
    bar_->setValue(view.progress);
    bar_->setVisible(view.barVisible);
    stop_->setVisible(view.stopVisible);
    countdownLabel_->setVisible(view.stopVisible);
    countdownLabel_->setText(QString(view.label).replace("\r\n", "\n"));
    if (view.closes) {
        timer_->stop();
        timedOut_ = true;
        done(1);
        return;
    }
    ++elapsed_;
}

void TeZunWarningDialog::StopCountdown()
{
    timer_->stop();
    bar_->hide();
    stop_->hide();
    countdownLabel_->setText(kCountdownStoppedText);
    countdownLabel_->show();
}

void TeZunWarningDialog::mousePressEvent(QMouseEvent* event)
{
    if (timer_->isActive())
        StopCountdown();
    QDialog::mousePressEvent(event);
}

bool TeZunWarningDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == countdownLabel_ && event->type() == QEvent::MouseButtonPress && timer_->isActive())
        StopCountdown();
    return QDialog::eventFilter(watched, event);
}

void TeZunWarningDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    if (isActiveWindow()) {
        wasActive_ = true;
    } else if (wasActive_ && result() == 0) {
        // The user went to another window: the message counts as read.
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                done(1);
        });
    }
}
