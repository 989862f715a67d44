#include "about.h"
#include "centring.h"
#include "modal.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

struct Shown {
    QString heading;
    QString application;
    QString copyright;
    QPoint position;
    QSize outer;
    bool destroyed = false; // closed means destroyed, not merely hidden
};

QWidget* aboutWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "About")
            return widget;
    }
    return nullptr;
}

QString labelText(QWidget* window, const char* name) {
    return window->findChild<QLabel*>(name)->text();
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void layout();
    void twoOpeningsCentredAfterMove();

private:
    // Displays the box and closes it once shown, by OK or by the title bar.
    Shown display(quimbel::About& about, bool byOk = true, QPoint moveTo = {});
};

Shown TestAbout::display(quimbel::About& about, bool byOk, QPoint moveTo) {
    Shown shown;
    QWidget* opened = nullptr;
    whenModalAppears(
        [&](QWidget* window) {
            opened = window;
            shown = {labelText(window, "lblHeading"), labelText(window, "lblApplication"),
                     labelText(window, "lblCopyright"), window->pos(),
                     window->frameGeometry().size()};
            if (!moveTo.isNull())
                window->move(moveTo);
            QTest::keyClick(window, Qt::Key_Escape); // not a way out
            QVERIFY(window->isVisible());
            if (byOk)
                QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        },
        this);
    about.Display();
    shown.destroyed = opened && !aboutWindow();
    return shown;
}

void TestAbout::texts_data() {
    QTest::addColumn<QStringList>("writes"); // property=value, in order
    QTest::addColumn<QStringList>("shown");  // heading, application, copyright

    QTest::newRow("untouched") << QStringList{}
                               << QStringList{"- Heading -", "- Application -", "- Copyright -"};
    QTest::newRow("all three") << QStringList{"Application=CALC", "Heading=QUIMBEL",
                                              "Copyright=2026 X. Tous droits réservés."}
                               << QStringList{"QUIMBEL", "CALC",
                                              "Copyright © 2026 X. Tous droits réservés."};
    QTest::newRow("empty copyright")
        << QStringList{"Copyright="}
        << QStringList{"- Heading -", "- Application -", "Copyright © "};
    QTest::newRow("heading only") << QStringList{"Heading=Titre"}
                                  << QStringList{"Titre", "- Application -", "- Copyright -"};
}

void TestAbout::texts() {
    QFETCH(QStringList, writes);
    QFETCH(QStringList, shown);

    quimbel::About about;
    // A first opening with other texts: a closed box keeps none of them.
    about.setHeading("old");
    about.setApplication("old");
    about.setCopyright("old");
    QVERIFY(display(about, false).destroyed);

    for (const QString& write : writes) {
        const std::string value = write.section('=', 1).toStdString();
        if (write.startsWith("Application"))
            about.setApplication(value);
        else if (write.startsWith("Heading"))
            about.setHeading(value);
        else
            about.setCopyright(value);
    }
    const Shown result = display(about);
    QVERIFY(result.destroyed);
    QCOMPARE((QStringList{result.heading, result.application, result.copyright}), shown);
}

void TestAbout::layout() {
    quimbel::About about;
    about.setHeading("x");
    QWidget* window = aboutWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("À propos"));
    QCOMPARE(window->size(), QSize(312, 213));
    QVERIFY(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window->parentWidget());

    const std::pair<const char*, QRect> geometries[] = {{"lblHeading", {0, 16, 313, 57}},
                                                        {"lblApplication", {8, 64, 313, 25}},
                                                        {"lblCopyright", {0, 120, 313, 25}},
                                                        {"Line1", {32, 112, 233, 1}},
                                                        {"cmdOK", {128, 152, 73, 33}}};
    for (const auto& [name, geometry] : geometries)
        QCOMPARE(window->findChild<QWidget*>(name)->geometry(), geometry);

    auto* ok = window->findChild<QPushButton*>("cmdOK");
    QVERIFY(!ok->isDefault() && !ok->autoDefault());
    for (QWidget* child : window->findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == ok);
    QVERIFY(window->findChild<QLabel*>("lblApplication")->font().bold());
    QVERIFY(!window->findChild<QLabel*>("lblHeading")->font().bold());
    QCOMPARE(window->findChild<QLabel*>("lblHeading")->font().pointSizeF(), 13.5);
}

void TestAbout::twoOpeningsCentredAfterMove() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    quimbel::About about;
    QList<Shown> openings;
    for (int i = 0; i < 2; ++i) {
        about.setApplication("CALCULATRICE de SCORES");
        about.setHeading("QUIMBEL");
        about.setCopyright("2026");
        // The first time, the user drags the box away before closing it.
        openings << display(about, i == 1, i == 0 ? QPoint(3, 5) : QPoint());
        QVERIFY(openings.last().destroyed);
    }
    QCOMPARE(openings[0].heading, openings[1].heading);
    QCOMPARE(openings[0].application, openings[1].application);
    QCOMPARE(openings[0].copyright, openings[1].copyright);
    QCOMPARE(openings[0].position, openings[1].position);
    const QSize outer = openings[0].outer;
    QCOMPARE(openings[0].position,
             QPoint(screen.x() + quimbel::centredPixels(screen.width(), outer.width(), 96),
                    screen.y() + quimbel::centredPixels(screen.height(), outer.height(), 96)));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
