// Guards what compares two tables' scores: the IMP scale against the one
// the WBF publishes, for every difference two boards' scores can make.
#include "imp_scale.h"

#include <QTest>

#include <climits>
#include <cstdlib>

class TestMatch : public QObject {
    Q_OBJECT

private slots:
    void impScale() {
        // The WBF scale as published: differences from, to, and their IMPs.
        const int scale[][3] = {
            {0, 10, 0},         {20, 40, 1},      {50, 80, 2},      {90, 120, 3},
            {130, 160, 4},      {170, 210, 5},    {220, 260, 6},    {270, 310, 7},
            {320, 360, 8},      {370, 420, 9},    {430, 490, 10},   {500, 590, 11},
            {600, 740, 12},     {750, 890, 13},   {900, 1090, 14},  {1100, 1290, 15},
            {1300, 1490, 16},   {1500, 1740, 17}, {1750, 1990, 18}, {2000, 2240, 19},
            {2250, 2490, 20},   {2500, 2990, 21}, {3000, 3490, 22}, {3500, 3990, 23},
            {4000, INT_MAX, 24}};
        const auto published = [&](int difference) {
            for (const auto& [from, to, imps] : scale) {
                if (std::abs(difference) >= from && std::abs(difference) <= to)
                    return difference < 0 ? -imps : imps;
            }
            return 99; // between two ranges: never a multiple of 10
        };
        // Every difference two boards' scores can make: a multiple of 10, up
        // to twice the largest score, each way round.
        for (int difference = -15'200; difference <= 15'200; difference += 10)
            QCOMPARE(quimbel::imps(difference), published(difference));
        // The scale's top holds for any int.
        QCOMPARE(quimbel::imps(INT_MIN), -24);
        QCOMPARE(quimbel::imps(INT_MAX), 24);
    }
};

QTEST_APPLESS_MAIN(TestMatch)
#include "tst_match.moc"
