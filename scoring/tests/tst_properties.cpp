#include "notation.h"
#include "score.h"
#include "suit_literal.h"

#include <QTest>

#include <random>

namespace {

// Invariants of the check and the score for one line; an empty string when
// they hold, else what broke.
QString violation(const std::string& text) {
    quimbel::StringInputLine input(text);
    bool askedIci = false;
    const bool valid = quimbel::Verifsaisie(input, [&] { askedIci = true; });
    const std::string after = input.read();
    if (valid && askedIci)
        return "accepted after the box";
    if (after != text && after.size() > 6)
        return "rewritten to more than 6 characters";
    if (!valid)
        return {};

    for (bool bvul : {false, true}) {
        const int score = std::stoi(quimbel::Marquecontrat(input, bvul));
        if (score < -7600 || score > 3160)
            return QString("score %1 out of range").arg(score);
    }
    return {};
}

} // namespace

class TestProperties : public QObject {
    Q_OBJECT

private slots:
    void everyKeypadLineUpToFive();
    void randomBytesUpToEight();
};

void TestProperties::everyKeypadLineUpToFive() {
    const std::string alphabet = line("0123456789+-=NTC♣♦♥♠");
    std::vector<std::string> lines{""};
    std::size_t checked = 0;
    for (int length = 0; length <= 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string& text : lines) {
            const QString broken = violation(text);
            if (!broken.isEmpty())
                QFAIL(qPrintable(QString::fromLatin1(text.data(), qsizetype(text.size())) + ": " +
                                 broken));
            ++checked;
            if (length < 5) {
                for (char c : alphabet)
                    longer.push_back(text + c);
            }
        }
        lines = std::move(longer);
    }
    QCOMPARE(checked, std::size_t(1 + 20 + 400 + 8000 + 160000 + 3200000));
}

void TestProperties::randomBytesUpToEight() {
    std::mt19937 random(20261206);
    const std::string keypad = line("0123456789+-=NTC♣♦♥♠");
    for (int i = 0; i < 200000; ++i) {
        std::string text(random() % 9, ' ');
        for (char& c : text) {
            // Mostly keypad characters, so that many lines get far into the check.
            c = random() % 4 ? keypad[random() % keypad.size()] : char(random() % 256);
        }
        const QString broken = violation(text);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QString::fromLatin1(text.data(), qsizetype(text.size())) + ": " +
                             broken));
    }
}

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_properties.moc"
