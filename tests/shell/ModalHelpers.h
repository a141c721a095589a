#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal window as soon as it is on screen (the code under test is inside exec()).
inline void WhenModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

// Types text one key event at a time (Polish letters included).
void TypeText(QWidget* widget, const QString& text);
