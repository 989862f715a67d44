// Starts the calculator as the program does, brings it into one state, then
// presses OFF: the process must end on its own with status 0.
#include "application.h"
#include "form1.h"
#include "modal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quimbel::configureApplication();
    quimbel::Form1 window;
    window.show();

    const QString state = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const auto key = [&](int number) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString("Command%1").arg(number)),
                          Qt::LeftButton);
    };
    const auto openAndClose = [&](const char* label) {
        whenModalAppears([](QWidget*) {}, &window);
        QTest::mouseClick(window.findChild<QLabel*>(label), Qt::LeftButton);
    };
    QTimer::singleShot(0, &window, [&] {
        if (state == "after-about") {
            openAndClose("Label4");
            openAndClose("Label3");
            openAndClose("Label4");
        } else if (state == "mid-entry") {
            key(23); // 4
            key(15); // heart
            key(18); // X
        } else if (state == "after-score") {
            key(23);
            key(15);
            key(20); // V
        } else if (state == "after-ici") {
            key(23);
            key(15);
            key(23);
            whenModalAppears([](QWidget*) {}, &window);
            key(20); // V on 4♥4 asks "ici"
        }
        key(1); // OFF
    });
    return app.exec();
}
