// Guards the tables and arithmetic both windows are built from: where each
// control lies, the centring of the About box, and the input line's code page.
#include "centring.h"
#include "keypad.h"
#include "layout.h"
#include "table.h"
#include "windows1252.h"

#include <QTest>

class TestTables : public QObject {
    Q_OBJECT

private slots:
    void keypadGrid() {
        // Six rows of four keys, 56 px and 40 px apart at 96 dpi, as a player sees
        // them, each with its control number and point size.
        const auto keys =
            fields(R"(OFF 1 8.25  C 4 9.75   INI 21 8.25  ♣ 13 9.75  7 7 9.75   8 8 9.75
                                    9 9 9.75    ♦ 14 9.75  4 23 9.75    5 5 9.75   6 6 9.75   ♥ 15 9.75
                                    1 22 9.75   2 2 9.75   3 3 9.75     ♠ 16 9.75  0 24 9.75  = 10 12
                                    X 18 9.75   NT 17 9.75 + 11 12      - 12 12    NV 19 9.75 V 20 9.75)");
        for (std::size_t i = 0; i < keys.size(); i += 3) {
            const auto& key = quimbel::key(std::stoi(keys[i + 1]));
            const quimbel::Twips place = quimbel::keyPlace(key);
            const int row = int(i / 12), column = int(i / 3 % 4);
            QCOMPARE(key.caption, keys[i]);
            QCOMPARE(key.pointSize, std::stod(keys[i + 2]));
            QCOMPARE(QRect(quimbel::toPixels(place.left, 96), quimbel::toPixels(place.top, 96),
                           quimbel::toPixels(place.width, 96), quimbel::toPixels(place.height, 96)),
                     QRect(8 + 56 * column, 112 + 40 * row, 33, 25));
        }
    }

    void pixels() {
        // Twips, dots per inch, pixels: to the nearest pixel, halves up.
        const int cases[][3] = {
            {3210, 96, 214}, {5520, 144, 552}, {495, 120, 41}, {2055, 120, 171}, {5, 144, 1}};
        for (const auto& [twips, dpi, pixels] : cases)
            QCOMPARE(quimbel::toPixels(twips, dpi), pixels);
    }

    void centring() {
        // Screen and window in twips, then the position: the difference rounded
        // half to even, then halved toward zero.
        const double cases[][3] = {{19200, 4800, 7200}, {15361, 4800, 5280}, {4800, 4803, -1},
                                   {4800.5, 0, 2400},   {4801.5, 0, 2401},   {4801.4, 0, 2400}};
        for (const auto& [screen, outer, position] : cases)
            QCOMPARE(quimbel::centredPosition(screen, outer), int(position));
        // In pixels: 15 twips a pixel at 96 dpi, 10 at 144.
        QCOMPARE(quimbel::centredPixels(1280, 320, 96), 480);
        QCOMPARE(quimbel::centredPixels(1920, 481, 144), 719);
    }

    void codePage() {
        // Every byte comes back as itself.
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            QCOMPARE(quimbel::toWindows1252(quimbel::fromWindows1252(c)), c);
        }
        const std::pair<char16_t, char> characters[] = {
            {u'€', '\x80'}, {u'Ÿ', '\x9F'}, {0x81, '\x81'}, {u'§', '\xA7'}, {u'é', '\xE9'},
            {u'ÿ', '\xFF'}, {0x100, '?'},   {u'♥', '?'},    {u'日', '?'}};
        for (const auto& [character, byte] : characters) {
            QCOMPARE(quimbel::toWindows1252(character), byte);
            QCOMPARE(quimbel::toWindows1252(std::u16string_view(&character, 1)),
                     std::string(1, byte));
        }
        // One "?" per character the user sees, surrogates included.
        QCOMPARE(quimbel::toWindows1252(u"4🂡\xD800x\xDC00"), "4??x?");
        QCOMPARE(quimbel::fromWindows1252("4\xA9\x80"), u"4©€");
    }
};

QTEST_APPLESS_MAIN(TestTables)
#include "tst_tables.moc"
