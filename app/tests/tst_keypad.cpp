// Guards the calculator window's wiring: keys and typing reach the engine,
// its answers reach the two lines, and the line shows the suits and the chi.
#include "calculator.h"
#include "modal.h"

#include <QMessageBox>

#include <optional>

class TestKeypad : public QObject {
    Q_OBJECT

private slots:
    void init() { calculator.emplace(); }
    void cleanup() { calculator.reset(); }

    void contractThenBothKeys();
    void typed_data();
    void typed();
    void iciBox();
    void offClosesWindow();

private:
    std::optional<Calculator> calculator;
};

void TestKeypad::contractThenBothKeys() {
    calculator->press("4 ♥ X X + 2 V");
    QCOMPARE(calculator->input(), QString("4♥ΧΧ+2"));
    QCOMPARE(calculator->result(), QString("1880"));
    QCOMPARE(calculator->resultColour(), darkRed);
    calculator->press("NV");
    QCOMPARE(calculator->result(), QString("1280"));
    QCOMPARE(calculator->resultColour(), darkGreen);
    calculator->press("INI");
    QCOMPARE(calculator->resultColour(), QLineEdit().palette().color(QPalette::Base));
    QCOMPARE(calculator->text1->faceName(), QString("symbol"));
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
    QTest::newRow("C in symbol face") << "4 ♥"
                                      << "CC+2"
                                      << "4♥ΧΧ+2"
                                      << "";
    QTest::newRow("C in design face") << ""
                                      << "4C"
                                      << "4C"
                                      << "";
    QTest::newRow("§ is a club") << ""
                                 << "2§"
                                 << "2♣"
                                 << "";
    QTest::newRow("no Windows-1252 form") << ""
                                          << "3日€"
                                          << "3?€"
                                          << "";
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
}

void TestKeypad::iciBox() {
    calculator->press("4 ♥ 4");
    QString title, text;
    whenModalAppears(
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            title = box->windowTitle();
            text = box->text();
        },
        calculator->form.get());
    calculator->press("V");
    QCOMPARE(title, QString("quimbel"));
    QCOMPARE(text, QString("ici"));
    QCOMPARE(calculator->result(), QString("Erreur"));
}

void TestKeypad::offClosesWindow() {
    calculator->press("1 ♣ OFF");
    QVERIFY(!calculator->form->isVisible());
}

QTEST_MAIN(TestKeypad)
#include "tst_keypad.moc"
