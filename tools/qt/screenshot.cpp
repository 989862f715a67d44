// Saves a picture of the calculator window, as the README shows it.
#include "form1.h"

#include <QApplication>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: quimbel_screenshot OUTPUT.png");
        return 2;
    }
    quimbel::Form1 window;
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
