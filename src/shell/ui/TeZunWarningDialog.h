#pragma once
#include "platform/Dialogs.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class MarkupLabel;

// The one message window of the program: icons chosen by the markers, the heading in bold over
// the body, OK/Anuluj or Tak/Nie, the "don't show again" box, an info label, and a countdown that
// answers OK by itself when nobody does. Closes with OK when the user switches to another window.
class TeZunWarningDialog : public QDialog {
    Q_OBJECT
public:
    TeZunWarningDialog(const WarningRequest& request, const WarningLayout& layout, QWidget* parent = nullptr);

    // Milliseconds between countdown ticks; 200 unless a test hurries it.
    void SetTickInterval(int milliseconds);
    static void SetDefaultTickInterval(int milliseconds);
    bool TimedOut() const { return timedOut_; }
    int Elapsed() const { return elapsed_; }
    bool CountdownRunning() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Tick();
    void StopCountdown();

    WarningLayout layout_;
    QString info_;
    int ticks_ = 0;
    int elapsed_ = 0;
    bool timedOut_ = false;
    bool wasActive_ = false;
    QTimer* timer_;
    MarkupLabel* text_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QCheckBox* dontShow_;
    QLabel* infoLabel_;
    MarkupLabel* infoText_;
    QProgressBar* bar_;
    QPushButton* stop_;
    QLabel* countdownLabel_;
};
