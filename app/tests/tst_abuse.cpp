#include "form1.h"
#include "modal.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

class TestAbuse : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void paste_data();
    void paste();
    void manyOpeningsLeaveNothing();

private:
    std::unique_ptr<quimbel::Form1> form;
    QLineEdit* text1 = nullptr;
};

void TestAbuse::init() {
    form = std::make_unique<quimbel::Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    text1 = form->findChild<QLineEdit*>("Text1");
}

void TestAbuse::cleanup() {
    form.reset();
}

void TestAbuse::paste_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept"); // what the line shows, pasted after "4"

    QTest::newRow("a megabyte") << QString(1 << 20, 'x') << "";
    QTest::newRow("control characters") << QString("\x01\x02\t\x1b\x7f") << "4\x01\x02\t\x1b\x7f";
    QTest::newRow("no Windows-1252 form") << "日本語"
                                          << "4???";
    QTest::newRow("outside the BMP") << "🂡🂱"
                                     << "4??";
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << "4?";
    QTest::newRow("right to left") << "مرحبا"
                                   << "4?????";
    QTest::newRow("combining marks") << "e\u0301\u0301"
                                     << "4e??";
    QTest::newRow("Windows-1252 extras") << "€…œ§"
                                         << "4€…œ♣";
    QTest::newRow("seven suits") << "♣♦♥♠♣♦♥"
                                 << "4♣♦♥♠♣♦♥";
    QTest::newRow("eight suits") << "♣♦♥♠♣♦♥♠"
                                 << "";
}

void TestAbuse::paste() {
    QFETCH(QString, pasted);
    QFETCH(QString, kept);

    QTest::keyClicks(text1, "4");
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text1->text(), kept);
    QVERIFY(text1->text().size() <= 8);
}

void TestAbuse::manyOpeningsLeaveNothing() {
    auto* help = form->findChild<QLabel*>("Label3");
    auto* about = form->findChild<QLabel*>("Label4");
    // A first opening of each makes what lives for the whole program.
    int opened = 0;
    const auto openAndClose = [&](QLabel* label) {
        whenModalAppears([&](QWidget*) { ++opened; }, this);
        QTest::mouseClick(label, Qt::LeftButton);
    };
    openAndClose(help);
    openAndClose(about);
    const qsizetype widgets = QApplication::allWidgets().size();

    for (int i = 0; i < 100; ++i) {
        openAndClose(help);
        openAndClose(about);
    }
    QCOMPARE(opened, 202);
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    QCOMPARE(QApplication::allWidgets().size(), widgets);
}

QTEST_MAIN(TestAbuse)
#include "tst_abuse.moc"
