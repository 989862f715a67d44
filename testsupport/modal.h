#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Modal boxes run their own event loop; a test hands each one to `inspect`
// and closes it as soon as it is up, so no test can hang on one.
inline void whenModalAppears(std::function<void(QWidget*)> inspect, QObject* owner) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect = std::move(inspect)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            inspect(modal);
            modal->close();
        }
    });
    timer->start(5);
}
