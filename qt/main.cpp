#include "form1.h"
#include "identity.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program's name, as the desktop shows it.
    QApplication::setApplicationName(QString::fromUtf8(quimbel::applicationTitle));
    quimbel::Form1 window;
    window.show();
    return app.exec();
}
