#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <utility>

namespace quimbel {

// A label that reports a click: a left press and release on it.
class ClickableLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = event->button() == Qt::LeftButton;
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (std::exchange(pressed_, false) && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint()))
            emit clicked();
    }

private:
    bool pressed_ = false;
};

} // namespace quimbel
