#include "shell/ui/TeMain.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramState.h"
#include "shell/LauncherActions.h"
#include "shell/LauncherMenu.h"
#include "shell/ProgramIdentity.h"
#include "text/DateText.h"
#include "shell/ui/GuardedCall.h"
#include "shell/ui/ProgramIcon.h"
#include "shell/ui/TzunClickableLabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr const char* kActionProperty = "launcherAction";

void AddItems(QMenu* menu, const QList<LauncherMenuItem>& items)
{
    for (const LauncherMenuItem& item : items) {
        if (!item.items.isEmpty()) {
            QMenu* sub = menu->addMenu(item.caption);
            sub->setObjectName(item.objectName);
            sub->menuAction()->setObjectName(item.objectName);
            AddItems(sub, item.items);
            continue;
        }
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.objectName);
        action->setProperty(kActionProperty, item.action);
    }
}
}  // namespace

TeMain::TeMain(QWidget* parent) : QWidget(parent), menu_(new QMenu(this))
{
    setObjectName("TeMain");
    setWindowTitle(ApplicationTitle());
    setWindowIcon(ProgramIcon());
    SetPickContractorEveryTime(true);
    RegisterLauncherAction(launcher::kClose, [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->setContentsMargins(0, 0, 0, 8);
    for (const LauncherElement& e : LauncherElements()) {
        QWidget* widget = nullptr;
        switch (e.kind) {
        case LauncherElement::Kind::NameBar: {
            auto* bar = new TzunClickableLabel(ProgramIdentity().DisplayName, this);
            bar->setStyleSheet("QLabel { background: #1f5f99; color: white; font-size: 15pt; font-weight: bold;"
                               " padding: 8px 12px; }");
            connect(bar, &TzunClickableLabel::clicked, this, [this, bar] { ShowMenu(bar); });
            widget = bar;
            break;
        }
        case LauncherElement::Kind::Heading: {
            auto* heading = new QLabel(e.caption, this);
            heading->setStyleSheet("QLabel { font-weight: bold; color: #1f5f99; padding: 6px 12px 0 12px; }");
            widget = heading;
            break;
        }
        case LauncherElement::Kind::Link:
        case LauncherElement::Kind::MenuLink: {
            auto* link = new TzunClickableLabel(e.caption, this);
            link->setStyleSheet("QLabel { padding: 0 12px 0 24px; } QLabel:enabled { color: #0b3d91; }");
            link->setProperty(kActionProperty, e.action);
            if (e.kind == LauncherElement::Kind::MenuLink)
                connect(link, &TzunClickableLabel::clicked, this, [this, link] { ShowMenu(link); });
            else
                connect(link, &TzunClickableLabel::clicked, this, [this, a = e.action] { Run(a); });
            widget = link;
            break;
        }
        case LauncherElement::Kind::CheckBox: {
            showTripList_ = new QCheckBox(e.caption, this);
            showTripList_->setChecked(ShowTripListAtStart());
            showTripList_->setStyleSheet("QCheckBox { padding: 6px 12px 0 12px; }");
            connect(showTripList_, &QCheckBox::toggled, this, [](bool on) { SetShowTripListAtStart(on); });
            widget = showTripList_;
            break;
        }
        case LauncherElement::Kind::DateBar: {
            dateBar_ = new TzunClickableLabel(LongDateWithWeekday(TodayNumber()), this);
            dateBar_->setStyleSheet("QLabel { background: #e8eef5; padding: 4px 12px; }");
            connect(dateBar_, &TzunClickableLabel::clicked, this, [this] { ShowMenu(dateBar_); });
            widget = dateBar_;
            break;
        }
        }
        widget->setObjectName(e.objectName);
        layout->addWidget(widget);
    }
    layout->addStretch();
    // The date bar follows the clock past midnight.
    auto* dateTimer = new QTimer(this);
    connect(dateTimer, &QTimer::timeout, this, [this] { dateBar_->setText(LongDateWithWeekday(TodayNumber())); });
    dateTimer->start(60 * 1000);
    BuildMenu();
    Refresh();
    setMinimumWidth(260);
}

TeMain::~TeMain() { UnregisterLauncherAction(launcher::kClose); }

void TeMain::BuildMenu()
{
    menu_->setObjectName("pmMenu");
    AddItems(menu_, LauncherPopupMenu());
    for (QAction* action : menu_->findChildren<QAction*>()) {
        const QString id = action->property(kActionProperty).toString();
        if (!id.isEmpty())
            connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    }
}

void TeMain::Refresh()
{
    for (QAction* action : menu_->findChildren<QAction*>()) {
        const QString id = action->property(kActionProperty).toString();
        if (!id.isEmpty())
            action->setEnabled(HasLauncherAction(id));
    }
    for (TzunClickableLabel* label : findChildren<TzunClickableLabel*>()) {
        const QString id = label->property(kActionProperty).toString();
        if (!id.isEmpty())
            label->setEnabled(HasLauncherAction(id));
    }
}

void TeMain::Wire(const QString& action, std::function<void()> run)
{
    RegisterLauncherAction(action, std::move(run));
    Refresh();
}

QAction* TeMain::MenuAction(const QString& objectName) const
{
    for (QAction* action : menu_->findChildren<QAction*>())
        if (action->objectName() == objectName)
            return action;
    return nullptr;
}

QWidget* TeMain::Element(const QString& objectName) const { return findChild<QWidget*>(objectName); }

QString TeMain::DateText() const { return dateBar_ ? dateBar_->text() : QString(); }

void TeMain::ShowMenu(QWidget* at) { menu_->popup(at->mapToGlobal(QPoint(0, at->height()))); }

void TeMain::Run(const QString& action)
{
    GuardedCall([&] { RunLauncherAction(action); });
}

void TeMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (dateBar_)
        dateBar_->setText(LongDateWithWeekday(TodayNumber()));
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (showTripList_ && showTripList_->isChecked())
        QTimer::singleShot(0, this, [this] { Run(launcher::kTripList); });
}
