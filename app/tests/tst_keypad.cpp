#include "calculator.h"
#include "data_row.h"
#include "modal.h"
#include "suit_literal.h"

#include <QMessageBox>

#include <optional>

using testsupport::row;

class TestKeypad : public QObject {
    Q_OBJECT

private slots:
    void init() { calculator.emplace(); }
    void cleanup() { calculator.reset(); }

    void keyed_data();
    void keyed();
    void typed_data();
    void typed();
    void contractThenBothKeys();
    void resetKeepsSymbolFace();
    void iciBox();
    void offClosesWindow();

private:
    std::optional<Calculator> calculator;
};

void TestKeypad::keyed_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");

    row("4 ♥ X X + 2 V", "4♥ΧΧ+2", "1880");
    row("3 NT NV", "3NT=", "400");
    row("7 NT X X - 1 3 V", "7NTΧΧ-13", "-7600");
    row("5 - 2 V", "5-2", "31 %");
    row("1 0 - 0 NV", "10-0", "0,01 %");
    row("6 - 5 V", "6-5", "erreur");
    row("8 ♥ = V", "", "Erreur");
    row("V", "", "Erreur");
    row("1 2 3 4 5 6 7 8", "12345678", "");
    row("1 2 3 4 5 6 7 8 9", "", "erreur");
    row("1 2 3 4 5 6 NT", "123456NT", "");
    row("1 2 3 4 5 6 7 NT", "", "erreur");
    row("3 NT C", "3N", "");
    row("3 NT C C C C", "", "");
    row("C", "", "");
    row("4 ♠ V INI", "", "");
}

void TestKeypad::keyed() {
    QFETCH(QString, keys);
    QFETCH(QString, input);
    QFETCH(QString, result);

    calculator->press(keys);
    QCOMPARE(calculator->input(), input);
    QCOMPARE(calculator->result(), result);
}

void TestKeypad::typed_data() {
    QTest::addColumn<QString>("keysFirst");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");

    QTest::newRow("nine typed") << ""
                                << "123456789"
                                << ""
                                << "erreur";
    QTest::newRow("eight typed") << ""
                                 << "3NTCC-13"
                                 << "3NTCC-13"
                                 << "";
    QTest::newRow("C in symbol face") << "4 ♥"
                                      << "CC+2"
                                      << "4♥ΧΧ+2"
                                      << "";
    QTest::newRow("§ is a club") << ""
                                 << "2§"
                                 << "2♣"
                                 << "";
    QTest::newRow("no Windows-1252 form") << ""
                                          << "3日"
                                          << "3?"
                                          << "";
    QTest::newRow("guard keeps colour") << "V"
                                        << "123456789"
                                        << ""
                                        << "erreur";
}

void TestKeypad::typed() {
    QFETCH(QString, keysFirst);
    QFETCH(QString, typed);
    QFETCH(QString, input);
    QFETCH(QString, result);

    calculator->press(keysFirst);
    calculator->type(typed);
    QCOMPARE(calculator->input(), input);
    QCOMPARE(calculator->result(), result);
    if (keysFirst == "V")
        QCOMPARE(calculator->resultColour(), darkRed);
}

void TestKeypad::contractThenBothKeys() {
    calculator->press("4 ♥ X X + 2");
    QCOMPARE(calculator->text1->read(), line("4♥CC+2"));
    calculator->press("V");
    QCOMPARE(calculator->result(), QString("1880"));
    QCOMPARE(calculator->resultColour(), darkRed);
    calculator->press("NV");
    QCOMPARE(calculator->result(), QString("1280"));
    QCOMPARE(calculator->resultColour(), darkGreen);
}

void TestKeypad::resetKeepsSymbolFace() {
    calculator->press("4 ♠ X V INI");
    QCOMPARE(calculator->resultColour(), QLineEdit().palette().color(QPalette::Base));
    QCOMPARE(calculator->text1->faceName(), QString("symbol"));
    calculator->press("X");
    QCOMPARE(calculator->input(), QString("Χ"));
}

void TestKeypad::iciBox() {
    calculator->press("4 ♥ 4");
    bool shown = false;
    QString title, text, resultWhileOpen = "unset";
    whenModalAppears(
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            shown = box != nullptr;
            QVERIFY(box);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            title = box->windowTitle();
            text = box->text();
            resultWhileOpen = calculator->result();
        },
        calculator->form.get());
    calculator->press("V");
    QVERIFY(shown);
    QCOMPARE(title, QString("quimbel"));
    QCOMPARE(text, QString("ici"));
    QCOMPARE(resultWhileOpen, QString()); // answered only once the box is closed
    QCOMPARE(calculator->result(), QString("Erreur"));
    QCOMPARE(calculator->input(), QString());
}

void TestKeypad::offClosesWindow() {
    calculator->press("1 ♣ OFF");
    QVERIFY(!calculator->form->isVisible());
}

QTEST_MAIN(TestKeypad)
#include "tst_keypad.moc"
