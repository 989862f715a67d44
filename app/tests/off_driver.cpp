// Starts the calculator as the program does, brings it into one state, then
// presses OFF: the process must end on its own with status 0.
#include "application.h"
#include "form1.h"
#include "modal.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <map>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quimbel::configureApplication();
    quimbel::Form1 window;
    window.show();

    const QString state = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const auto click = [&](const char* name) {
        QTest::mouseClick(window.findChild<QWidget*>(name), Qt::LeftButton);
    };
    ModalCloser closer;
    QTimer::singleShot(0, &window, [&] {
        const std::map<QString, std::vector<const char*>> before{
            {"idle", {}},
            {"mid-entry", {"Command23", "Command15", "Command18"}},   // 4 ♥ X
            {"after-score", {"Command23", "Command15", "Command20"}}, // 4 ♥ V
            {"after-ici", {"Command23", "Command15", "Command23", "Command20"}},
            {"after-about", {"Label4", "Label3", "Label4"}}};
        for (const char* name : before.at(state))
            click(name);
        click("Command1"); // OFF
    });
    return app.exec();
}
