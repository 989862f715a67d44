// Guards the tables and arithmetic both windows are built from: where each
// control lies, the centring of the About box, and the input line's code page.
#include "centring.h"
#include "data_row.h"
#include "keypad.h"
#include "layout.h"
#include "suit_literal.h"
#include "windows1252.h"

#include <QTest>

using testsupport::row;

class TestTables : public QObject {
    Q_OBJECT

private slots:
    void keypadGrid();
    void pixels_data();
    void pixels();
    void centring_data();
    void centring();
    void codePage();
};

void TestTables::keypadGrid() {
    // Six rows of four keys, 56 px and 40 px apart at 96 dpi, as a player sees them.
    const QStringList rows{"OFF C INI ♣", "7 8 9 ♦", "4 5 6 ♥", "1 2 3 ♠", "0 = X NT", "+ - NV V"};
    QSet<int> seen;
    for (int r = 0; r < 6; ++r) {
        const QStringList captions = rows[r].split(' ');
        for (int c = 0; c < 4; ++c) {
            const std::string caption = line(captions[c].toStdString());
            const auto key = std::find_if(quimbel::keypad.begin(), quimbel::keypad.end(),
                                          [&](const auto& k) { return k.caption == caption; });
            QVERIFY(key != quimbel::keypad.end());
            const quimbel::Twips place = quimbel::keyPlace(*key);
            QCOMPARE(QRect(quimbel::toPixels(place.left, 96), quimbel::toPixels(place.top, 96),
                           quimbel::toPixels(place.width, 96), quimbel::toPixels(place.height, 96)),
                     QRect(8 + 56 * c, 112 + 40 * r, 33, 25));
            seen << key->number;
            const bool small = caption == "OFF" || caption == "INI";
            const bool large = caption == "=" || caption == "+" || caption == "-";
            QCOMPARE(key->pointSize, small ? 8.25 : large ? 12.0 : 9.75);
        }
    }
    QCOMPARE(seen.size(), 24);
    QCOMPARE(quimbel::key(22).caption, "1"); // the control numbers do not follow the keypad
}

void TestTables::pixels_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");

    QTest::newRow("width at 96") << 3210 << 96 << 214;
    QTest::newRow("height at 144") << 5520 << 144 << 552;
    QTest::newRow("key at 120") << 495 << 120 << 41;    // 41.25
    QTest::newRow("line at 120") << 2055 << 120 << 171; // 171.25
    QTest::newRow("half up at 144") << 5 << 144 << 1;   // 0.5
}

void TestTables::pixels() {
    QFETCH(int, twips);
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QCOMPARE(quimbel::toPixels(twips, dpi), pixels);
}

void TestTables::centring_data() {
    QTest::addColumn<double>("screen");
    QTest::addColumn<double>("outer");
    QTest::addColumn<int>("position");

    QTest::newRow("even difference") << 19200.0 << 4800.0 << 7200;
    QTest::newRow("odd difference truncates") << 15361.0 << 4800.0 << 5280;
    QTest::newRow("3 twips too wide") << 4800.0 << 4803.0 << -1;
    QTest::newRow("half rounds to even, down") << 4800.5 << 0.0 << 2400;
    QTest::newRow("half rounds to even, up") << 4801.5 << 0.0 << 2401;
    QTest::newRow("fraction below half") << 4801.4 << 0.0 << 2400;
}

void TestTables::centring() {
    QFETCH(double, screen);
    QFETCH(double, outer);
    QFETCH(int, position);
    QCOMPARE(quimbel::centredPosition(screen, outer), position);
    // The same in pixels: 96 dpi is 15 twips a pixel, 144 dpi 10.
    if (std::fmod(screen, 30) == 0 && std::fmod(outer, 30) == 0) {
        QCOMPARE(quimbel::centredPixels(int(screen / 15), int(outer / 15), 96), position / 15);
        QCOMPARE(quimbel::centredPixels(int(screen / 10), int(outer / 10), 144), position / 10);
    }
}

void TestTables::codePage() {
    // Every byte comes back as itself.
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        QCOMPARE(quimbel::toWindows1252(quimbel::fromWindows1252(c)), c);
    }
    const std::pair<char16_t, char> characters[] = {{u'€', '\x80'}, {u'Ÿ', '\x9F'}, {0x81, '\x81'},
                                                    {u'§', '\xA7'}, {u'é', '\xE9'}, {u'ÿ', '\xFF'},
                                                    {0x100, '?'},   {u'♥', '?'},    {u'日', '?'}};
    for (const auto& [character, byte] : characters) {
        QCOMPARE(quimbel::toWindows1252(character), byte);
        QCOMPARE(quimbel::toWindows1252(std::u16string_view(&character, 1)), std::string(1, byte));
    }
    // One "?" per character the user sees, surrogates included.
    QCOMPARE(quimbel::toWindows1252(u"4🂡\xD800x\xDC00"), "4??x?");
    QCOMPARE(quimbel::fromWindows1252("4\xA9\x80"), u"4©€");
}

QTEST_APPLESS_MAIN(TestTables)
#include "tst_tables.moc"
