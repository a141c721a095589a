#pragma once
#include "platform/Progress.h"

#include <QDateTime>
#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

// The small progress window of long operations: a status line, a bar, the time still needed and
// the program's version.
class TeDm_Splash : public QWidget {
    Q_OBJECT
public:
    explicit TeDm_Splash(QWidget* parent = nullptr);

    void ShowStatus(const QString& text);
    void ShowProgress(qint64 position, qint64 maximum);
    void EndStatus();

    QString StatusText() const;
    QString RemainingText() const;
    bool BarVisible() const;

    // Run when the window hides after EndStatus (the main window's title follows the data set).
    void SetOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

private:
    void Appear();
    void Repaint();

    QLabel* status_;
    QProgressBar* bar_;
    QLabel* remaining_;
    QDateTime statusStart_;
    QTimer* hideTimer_;
    std::function<void()> onEnd_;
};

// The progress seam on the progress window and the mouse cursor.
class SplashProgress : public ProgressSink {
public:
    SplashProgress();
    ~SplashProgress() override;
    void ShowStatus(const QString& text) override;
    void ShowProgress(qint64 position, qint64 maximum) override;
    void EndStatus() override;
    void SetCursor(int number) override;
    TeDm_Splash& Window();

private:
    TeDm_Splash* window_ = nullptr;
    bool cursorSet_ = false;
};
