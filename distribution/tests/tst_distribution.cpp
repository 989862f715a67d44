#include "distribution.h"
#include "suit_literal.h"

#include "data_row.h"

#include <QTest>

using testsupport::row;

class TestDistribution : public QObject {
    Q_OBJECT

private slots:
    void everySplitBothWays_data();
    void everySplitBothWays();
    void queries_data();
    void queries();
    void totalsOutsideTwoToTen();
};

void TestDistribution::everySplitBothWays_data() {
    QTest::addColumn<QString>("split");
    QTest::addColumn<QString>("text");

    row("1-1", "52 %");
    row("2-0", "48 %");
    row("2-1", "78 %");
    row("3-0", "22 %");
    row("2-2", "40 %");
    row("3-1", "50 %");
    row("4-0", "10 %");
    row("3-2", "68 %");
    row("4-1", "28 %");
    row("5-0", "4 %");
    row("3-3", "36 %");
    row("4-2", "48 %");
    row("5-1", "15 %");
    row("6-0", "1 %");
    row("4-3", "62 %");
    row("5-2", "31 %");
    row("6-1", "6,5 %");
    row("7-0", "0,5 %");
    row("4-4", "33 %");
    row("5-3", "47 %");
    row("6-2", "17 %");
    row("7-1", "2,8 %");
    row("8-0", "0,2 %");
    row("5-4", "59 %");
    row("6-3", "31 %");
    row("7-2", "9 %");
    row("8-1", "1 %");
    row("9-0", "0,04 %");
    row("5-5", "31 %");
    row("6-4", "46 %");
    row("7-3", "18 %");
    row("8-2", "4 %");
    row("9-1", "0,4 %");
    row("10-0", "0,01 %");
}

void TestDistribution::everySplitBothWays() {
    QFETCH(QString, split);
    QFETCH(QString, text);

    const QStringList parts = split.split('-');
    const QString reversed = parts[1] + '-' + parts[0];
    for (const QString& query : {split, reversed}) {
        QVERIFY(quimbel::Proba(query.toStdString()));
        QCOMPARE(QString::fromStdString(quimbel::Repartition(query.toStdString())), text);
    }
}

void TestDistribution::queries_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("query");
    QTest::addColumn<QString>("text");

    row("", false, "erreur");
    row("5", false, "erreur");
    row("-", false, "erreur");
    row("05-5", true, "31 %");
    row("5-05", true, "31 %");
    row("03-3", true, "36 %");
    row("10-05", true, "0,01 %");
    row("10-0+2", true, "0,01 %");
    row("3-3+", true, "erreur");
    row("0-10+", true, "0,01 %");
    row("3-31", true, "erreur");
    row("3-", true, "erreur");
    row("10-", true, "erreur");
    row("1♠-8", false, "erreur");
    row("1C-2", true, "erreur");
    row("♥-3", true, "erreur");
    row("C-3", true, "erreur");
    row("1NT-2", false, "erreur");
    row("--5", true, "erreur");
    row("3--3", true, "erreur");
}

void TestDistribution::queries() {
    QFETCH(QString, input);
    QFETCH(bool, query);
    QFETCH(QString, text);

    const std::string bytes = line(input.toStdString());
    QCOMPARE(quimbel::Proba(bytes), query);
    QCOMPARE(QString::fromStdString(quimbel::Repartition(bytes)), text);
}

void TestDistribution::totalsOutsideTwoToTen() {
    // Every short-form and long-form query of digits: rejected exactly when
    // the total falls outside 2..10, whatever the leading zeros.
    for (int first = 0; first <= 99; ++first) {
        for (int second = 0; second <= 99; ++second) {
            const bool shortForm = first <= 9;
            if (!shortForm && second > 9)
                continue;
            const std::string query = std::to_string(first) + "-" + std::to_string(second);
            const bool inRange = first + second >= 2 && first + second <= 10;
            QVERIFY2((quimbel::Repartition(query) != "erreur") == inRange, query.c_str());
        }
    }
}

QTEST_GUILESS_MAIN(TestDistribution)
#include "tst_distribution.moc"
