#pragma once
#include <QWidget>

class QAction;
class QCheckBox;
class QMenu;
class TzunClickableLabel;

// The launcher: a narrow panel of clickable labels and one pop-up menu that open every other
// window; closing it ends the program. Every element and menu item carries its name as its
// object name; an element is enabled exactly when its action is registered (LauncherActions.h).
class TeMain : public QWidget {
    Q_OBJECT
public:
    explicit TeMain(QWidget* parent = nullptr);
    ~TeMain() override;

    QMenu* PopupMenu() const { return menu_; }
    QAction* MenuAction(const QString& objectName) const;
    QWidget* Element(const QString& objectName) const;
    // Registers the action and enables the elements that run it.
    void Wire(const QString& action, std::function<void()> run);
    // Enables exactly the elements whose action is registered.
    void Refresh();
    QString DateText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenu();
    void ShowMenu(QWidget* at);
    void Run(const QString& action);

    QMenu* menu_;
    TzunClickableLabel* dateBar_ = nullptr;
    QCheckBox* showTripList_ = nullptr;
    bool shownOnce_ = false;
};
