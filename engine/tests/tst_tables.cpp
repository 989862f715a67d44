// Guards the tables and arithmetic both windows are built from: where each
// control lies in twips, their conversion to pixels, the centring of the
// About box, and the input line's code page.
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
            QCOMPARE(QRect(place.left, place.top, place.width, place.height),
                     QRect(120 + 840 * column, 1680 + 600 * row, 495, 375));
        }
    }

    void windowTables() {
        // Name, left, top, width, height in twips, point size (0: the window's
        // default font), bold; Form1 from the top of its stacking order down,
        // the About box from the bottom up.
        const auto controls = fields(R"(
            Text1 360 360 2055 495 13.5 1       Text2 360 960 2055 495 13.5 1
            Label4 720 5160 1815 375 0 0        Label3 360 0 2415 375 9.75 1
            Label2 0 0 3255 4935 0 0            Label1 240 0 2775 375 9.75 1
            lblHeading 0 240 4695 855 13.5 0    lblApplication 120 960 4695 375 13.5 1
            lblCopyright 0 1800 4695 375 0 0    cmdOK 1920 2280 1095 495 0 0)");
        std::vector<quimbel::ControlLayout> all(quimbel::form1Controls.begin(),
                                                quimbel::form1Controls.end());
        all.insert(all.end(), quimbel::aboutControls.begin(), quimbel::aboutControls.end());
        QCOMPARE(all.size() * 7, controls.size());
        for (std::size_t i = 0; i < controls.size(); i += 7) {
            const quimbel::ControlLayout& control = all[i / 7];
            QCOMPARE(control.name, controls[i]);
            QCOMPARE(QRect(control.place.left, control.place.top, control.place.width,
                           control.place.height),
                     QRect(std::stoi(controls[i + 1]), std::stoi(controls[i + 2]),
                           std::stoi(controls[i + 3]), std::stoi(controls[i + 4])));
            QCOMPARE(control.font.pointSize, std::stod(controls[i + 5]));
            QCOMPARE(control.font.bold, controls[i + 6] == "1");
        }
        QVERIFY(quimbel::form1Width == 3210 && quimbel::form1Height == 5520);
        QVERIFY(quimbel::aboutWidth == 4680 && quimbel::aboutHeight == 3195);
        QVERIFY(quimbel::aboutLineLeft == 480 && quimbel::aboutLineRight == 3960);
        QCOMPARE(quimbel::aboutLineTop, 1680);
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
        QCOMPARE(quimbel::toWindows1252(u"x🂡\xD800\xDC00\xDBFF\xDFFF\xFB01"), "x????");
        QCOMPARE(quimbel::fromWindows1252("4\xA9\x80"), u"4©€");
    }
};

QTEST_APPLESS_MAIN(TestTables)
#include "tst_tables.moc"
