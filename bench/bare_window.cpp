// The baseline: a bare Qt window with the calculator's controls (24 buttons,
// 2 line edits, 4 labels) at their places, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(214, 368);
    for (int i = 0; i < 4; ++i)
        (new QLabel(QStringLiteral("label"), &window))->setGeometry(24, i * 100, 161, 25);
    for (int i = 0; i < 2; ++i)
        new QLineEdit(&window);
    for (int i = 0; i < 24; ++i) {
        auto* button = new QPushButton(QString::number(i), &window);
        button->setGeometry(8 + 56 * (i % 4), 112 + 40 * (i / 4), 33, 25);
    }
    window.show();
    return app.exec();
}
