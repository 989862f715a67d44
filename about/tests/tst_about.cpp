// Guards the Qt About box: its layout, the texts it shows after each load,
// that closing destroys it, and its centring on the screen.
#include "about.h"
#include "centring.h"
#include "modal.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

struct Shown {
    QStringList texts; // heading, application, copyright
    QRect frame;
};

QWidget* aboutWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "About")
            return widget;
    }
    return nullptr;
}

// Displays the box, then closes it by OK; the first time the user drags it
// away first. Escape is tried and must not close it.
Shown display(quimbel::About& about, QObject* owner, bool moveFirst = false) {
    Shown shown;
    whenModalAppears(
        [&](QWidget* window) {
            for (const char* name : {"lblHeading", "lblApplication", "lblCopyright"})
                shown.texts << window->findChild<QLabel*>(name)->text();
            shown.frame = window->frameGeometry();
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY(window->isVisible());
            if (moveFirst)
                window->move(3, 5);
            QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        },
        owner);
    about.Display();
    return shown;
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void layout();
    void texts();
    void centredEachTime();
};

void TestAbout::layout() {
    quimbel::About about;
    about.setHeading("x");
    QWidget* window = aboutWindow();
    QVERIFY(window && !window->parentWidget());
    QCOMPARE(window->windowTitle(), QString("À propos"));
    QCOMPARE(window->size(), QSize(312, 213));
    QVERIFY(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    const std::pair<const char*, QRect> places[] = {{"lblHeading", {0, 16, 313, 57}},
                                                    {"lblApplication", {8, 64, 313, 25}},
                                                    {"Line1", {32, 112, 233, 1}},
                                                    {"cmdOK", {128, 152, 73, 33}}};
    for (const auto& [name, place] : places)
        QCOMPARE(window->findChild<QWidget*>(name)->geometry(), place);
    auto* ok = window->findChild<QPushButton*>("cmdOK");
    QVERIFY(!ok->isDefault() && !ok->autoDefault());
    for (QWidget* child : window->findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == ok);
    QVERIFY(window->findChild<QLabel*>("lblApplication")->font().bold());
}

void TestAbout::texts() {
    quimbel::About about;
    about.setHeading("QUIMBEL");
    about.setApplication("CALC");
    about.setCopyright("2026 X. Tous droits réservés.");
    QCOMPARE(display(about, this).texts,
             (QStringList{"QUIMBEL", "CALC", "Copyright © 2026 X. Tous droits réservés."}));
    QVERIFY(!aboutWindow()); // closed means destroyed, not hidden
    // A fresh load shows the placeholders until written.
    QCOMPARE(display(about, this).texts,
             (QStringList{"- Heading -", "- Application -", "- Copyright -"}));
    about.setCopyright("");
    QCOMPARE(display(about, this).texts.last(), QString("Copyright © "));
}

void TestAbout::centredEachTime() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    quimbel::About about;
    const Shown first = display(about, this, true);
    const Shown second = display(about, this);
    QCOMPARE(first.frame, second.frame);
    QCOMPARE(
        first.frame.topLeft(),
        QPoint(screen.x() + quimbel::centredPixels(screen.width(), first.frame.width(), 96),
               screen.y() + quimbel::centredPixels(screen.height(), first.frame.height(), 96)));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
