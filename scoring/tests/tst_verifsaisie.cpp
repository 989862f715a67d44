#include "notation.h"
#include "suit_literal.h"

#include "data_row.h"

#include <QTest>

using testsupport::row;

class TestVerifsaisie : public QObject {
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void split_data();
    void split();
};

void TestVerifsaisie::check_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("ici");

    row("", false, "", false);
    row("4", false, "4", false);
    row("4♥", true, "4♥=", false);
    row("4♥=", true, "4♥=", false);
    row("4♥=5", true, "4♥=", false);
    row("3NT", true, "3NT=", false);
    row("3NT+1", true, "3NT+1", false);
    row("4♥CC+2", true, "4♥CC+2", false);
    row("7NTCC-13", true, "7NTCC-13", false);
    row("7♥CC-14", false, "7♥CC-14", false);
    row("1♥-7", true, "1♥-7", false);
    row("1♥-8", false, "1♥-8", false);
    row("2♥-8", true, "2♥-8", false);
    row("3NT-9", true, "3NT-9", false);
    row("1♥+6", true, "1♥+6", false);
    row("1♥+7", false, "1♥+7", false);
    row("4NT+4", false, "4NT+4", false);
    row("8♥=", false, "8♥=", false);
    row("0♥=", false, "0♥=", false);
    row("4♥4", false, "4♥4", true);
    row("4♥♠", false, "4♥♠", true);
    row("5-4", false, "5-4", false);
    row("10-0", false, "10-0", false);
    row("3NT+", false, "3NT+", false);
    row("4♥+0", false, "4♥+0", false);
    row("3♥C+10", false, "3♥C+10", false);
    row("3NTCCC", false, "3NTCCC", false);
    row("4♥CCC", false, "4♥CCC", false);
    row("3NTC04", true, "3NTC04", false);
    row("4♥CC05", false, "4♥CC05", false);
    row("3N=", true, "3N==", false);
    row("4♥C=+2", true, "4♥C=", false);
    row("4♥C-0", true, "4♥C-0", false);
    row("4♥-00", false, "4♥-00", false);
    row("3NT-00", true, "3NT-00", false);
    row("4♥ 2", true, "4♥ 2", false);
    row("4♥-1x", false, "4♥-1x", false);
    row("3nt", false, "3nt", false);
    // Result parts with no readable value: answered false, no box.
    row("4♥CCC0", false, "4♥CCC0", false);
    row("4♥T2", false, "4♥T2", false);
}

void TestVerifsaisie::check() {
    QFETCH(QString, input);
    QFETCH(bool, valid);
    QFETCH(QString, after);
    QFETCH(bool, ici);

    quimbel::StringInputLine input_line(line(input.toStdString()));
    bool askedIci = false;
    QCOMPARE(quimbel::Verifsaisie(input_line, [&] { askedIci = true; }), valid);
    QCOMPARE(input_line.read(), line(after.toStdString()));
    QCOMPARE(askedIci, ici);
}

void TestVerifsaisie::split_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("stcont");
    QTest::addColumn<QString>("stres");

    row("", "", "");
    row("4", "4", "");
    row("7NTCC-13", "7NTCC", "-13");
    row("3NTC+1", "3NTC", "+1");
    row("3NT-10", "3NT", "-10");
    row("1NC=", "1NC", "=");
    row("4♥CC+2", "4♥CC", "+2");
    row("4♥C-12", "4♥C", "-12");
    row("4♥-1234", "4♥", "-12");
    row("5-4", "5-", "4");
}

void TestVerifsaisie::split() {
    QFETCH(QString, input);
    QFETCH(QString, stcont);
    QFETCH(QString, stres);

    std::string contract = "stale";
    std::string result = "stale";
    quimbel::Contrat(line(input.toStdString()), contract, result);
    QCOMPARE(contract, line(stcont.toStdString()));
    QCOMPARE(result, line(stres.toStdString()));
}

QTEST_GUILESS_MAIN(TestVerifsaisie)
#include "tst_verifsaisie.moc"
