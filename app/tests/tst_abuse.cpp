#include "calculator.h"
#include "frequency_table.h"
#include "modal.h"

#include <QClipboard>
#include <QLabel>
#include <QRegularExpression>

#include <optional>
#include <random>

class TestAbuse : public QObject {
    Q_OBJECT

private slots:
    void init() { calculator.emplace(); }
    void cleanup() { calculator.reset(); }

    void paste_data();
    void paste();
    void manyOpeningsLeaveNothing();
    void keyMonkey();

private:
    std::optional<Calculator> calculator;
};

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

    calculator->type("4");
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(calculator->text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(calculator->input(), kept);
}

void TestAbuse::manyOpeningsLeaveNothing() {
    ModalCloser closer;
    const auto openBoth = [this] {
        for (const char* label : {"Label3", "Label4"})
            QTest::mouseClick(calculator->form->findChild<QLabel*>(label), Qt::LeftButton);
    };
    // The first opening makes the About object, which lives for the program.
    openBoth();
    const qsizetype widgets = QApplication::allWidgets().size();
    for (int i = 0; i < 100; ++i)
        openBoth();
    QCOMPARE(closer.closed(), 202);
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    QCOMPARE(QApplication::allWidgets().size(), widgets);
}

void TestAbuse::keyMonkey() {
    // Any key but OFF, and typed characters of every sort, in random order.
    std::mt19937 random(368);
    QStringList keys = QString("C INI ♣ 7 8 9 ♦ 4 5 6 ♥ 1 2 3 ♠ 0 = X NT + - NV V").split(' ');
    const QString typable = QStringLiteral("0123456789+-=NTCX c§é日\t");
    ModalCloser closer;

    const QRegularExpression score("^-?[0-9]{1,4}$");
    QStringList texts{"", "Erreur", "erreur"};
    for (const auto& row : quimbel::frequencyTable)
        texts << QString::fromLatin1(row.text.data(), qsizetype(row.text.size()));
    for (int step = 0; step < 20000; ++step) {
        if (random() % 5 == 0)
            calculator->type(typable.mid(int(random() % typable.size()), 1));
        else
            calculator->press(keys[int(random() % keys.size())]);
        QVERIFY2(calculator->text1->read().size() <= 8, qPrintable(calculator->input()));
        const QString shown = calculator->result();
        QVERIFY2(texts.contains(shown) || score.match(shown).hasMatch(), qPrintable(shown));
    }
}

QTEST_MAIN(TestAbuse)
#include "tst_abuse.moc"
