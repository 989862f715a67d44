#include "form1.h"
#include "modal.h"

#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>

#include <memory>
#include <random>

namespace {

const QColor darkRed(192, 0, 0);
const QColor darkGreen(0, 192, 0);

// Keys by what a player presses; the control numbers do not follow the keypad.
const std::map<QString, int> keyNumber{
    {"OFF", 1}, {"2", 2},  {"3", 3},   {"C", 4},  {"5", 5},    {"6", 6},  {"7", 7},  {"8", 8},
    {"9", 9},   {"=", 10}, {"+", 11},  {"-", 12}, {"♣", 13},   {"♦", 14}, {"♥", 15}, {"♠", 16},
    {"NT", 17}, {"X", 18}, {"NV", 19}, {"V", 20}, {"INI", 21}, {"1", 22}, {"4", 23}, {"0", 24}};

// The stored bytes of a line written as a player reads it.
QByteArray stored(const QString& readable) {
    QByteArray bytes;
    for (QChar c : readable) {
        const int suit = QStringLiteral("♣♦♥♠").indexOf(c);
        bytes += suit >= 0 ? char(0xA7 + suit) : c.toLatin1();
    }
    return bytes;
}

// Types text as a keyboard would, any script included.
void type(QWidget* target, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keyedRequests_data();
    void keyedRequests();
    void contractThenBothKeys();
    void lengthGuard_data();
    void lengthGuard();
    void typedText_data();
    void typedText();
    void deleteAfterNoTrump();
    void resetAfterSuit();
    void iciBox();
    void offClosesWindow();
    void layout_data();
    void layout();
    void keypadFontsAndTabChain();
    void suitGlyphsRender();
    void evaluationColours();
    void keyMonkey();
    void helpBox();
    void aboutBoxTwice();
    void otherClicksOpenNothing();

private:
    QPushButton* key(const QString& name) const;
    void press(const QStringList& keys);
    QString input() const { return text1->text(); }
    QByteArray inputBytes() const;

    std::unique_ptr<quimbel::Form1> form;
    QLineEdit* text1 = nullptr;
    QLineEdit* text2 = nullptr;
};

void TestForm1::init() {
    form = std::make_unique<quimbel::Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    text1 = form->findChild<QLineEdit*>("Text1");
    text2 = form->findChild<QLineEdit*>("Text2");
    QVERIFY(text1 && text2);
}

void TestForm1::cleanup() {
    form.reset();
}

QPushButton* TestForm1::key(const QString& name) const {
    return form->findChild<QPushButton*>(QString("Command%1").arg(keyNumber.at(name)));
}

void TestForm1::press(const QStringList& keys) {
    for (const QString& name : keys)
        QTest::mouseClick(key(name), Qt::LeftButton);
}

QByteArray TestForm1::inputBytes() const {
    QByteArray bytes;
    for (QChar c : input()) {
        const int suit = QStringLiteral("♣♦♥♠").indexOf(c);
        bytes += suit >= 0 ? char(0xA7 + suit) : c == QChar(0x03A7) ? 'C' : c.toLatin1();
    }
    return bytes;
}

void TestForm1::keyedRequests_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("lineAfter");

    QTest::newRow("4♥XX+2 V") << QStringList{"4", "♥", "X", "X", "+", "2", "V"} << "1880"
                              << "4♥ΧΧ+2";
    QTest::newRow("3NT completed") << QStringList{"3", "NT", "NV"} << "400"
                                   << "3NT=";
    QTest::newRow("7NTXX-13") << QStringList{"7", "NT", "X", "X", "-", "1", "3", "V"} << "-7600"
                              << "7NTΧΧ-13";
    QTest::newRow("split 5-2") << QStringList{"5", "-", "2", "V"} << "31 %"
                               << "5-2";
    QTest::newRow("split 10-0") << QStringList{"1", "0", "-", "0", "NV"} << "0,01 %"
                                << "10-0";
    QTest::newRow("bad split 6-5") << QStringList{"6", "-", "5", "V"} << "erreur"
                                   << "6-5";
    QTest::newRow("invalid 8♥=") << QStringList{"8", "♥", "=", "V"} << "Erreur"
                                 << "";
    QTest::newRow("empty line") << QStringList{"V"} << "Erreur"
                                << "";
}

void TestForm1::keyedRequests() {
    QFETCH(QStringList, keys);
    QFETCH(QString, result);
    QFETCH(QString, lineAfter);

    press(keys);
    QCOMPARE(text2->text(), result);
    QCOMPARE(input(), lineAfter);
}

void TestForm1::contractThenBothKeys() {
    press({"4", "♥", "X", "X", "+", "2"});
    QCOMPARE(inputBytes(), stored("4♥CC+2"));
    press({"V"});
    QCOMPARE(text2->text(), QString("1880"));
    QCOMPARE(text2->palette().color(QPalette::Base), darkRed);
    press({"NV"});
    QCOMPARE(text2->text(), QString("1280"));
    QCOMPARE(text2->palette().color(QPalette::Base), darkGreen);
}

void TestForm1::lengthGuard_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("result");

    QTest::newRow("8 characters stay")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"} << "12345678"
        << "";
    QTest::newRow("9th character empties")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"} << ""
        << "erreur";
    QTest::newRow("NT at 6 makes 8")
        << QStringList{"1", "2", "3", "4", "5", "6", "NT"} << "123456NT"
        << "";
    QTest::newRow("NT at 7 empties") << QStringList{"1", "2", "3", "4", "5", "6", "7", "NT"} << ""
                                     << "erreur";
    QTest::newRow("guard keeps colour")
        << QStringList{"V", "1", "2", "3", "4", "5", "6", "7", "8", "9"} << ""
        << "erreur";
}

void TestForm1::lengthGuard() {
    QFETCH(QStringList, keys);
    QFETCH(QString, line);
    QFETCH(QString, result);

    press(keys);
    QCOMPARE(input(), line);
    QCOMPARE(text2->text(), result);
    if (keys.first() == "V")
        QCOMPARE(text2->palette().color(QPalette::Base), darkRed);
}

void TestForm1::typedText_data() {
    QTest::addColumn<QStringList>("keysFirst");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("result");

    QTest::newRow("nine typed") << QStringList{} << "123456789"
                                << ""
                                << "erreur";
    QTest::newRow("eight typed") << QStringList{} << "3NTCC-13"
                                 << "3NTCC-13"
                                 << "";
    QTest::newRow("typed C in symbol face") << QStringList{"4", "♥"} << "CC+2"
                                            << "4♥ΧΧ+2"
                                            << "";
    QTest::newRow("typed § is a club") << QStringList{} << "2§"
                                       << "2♣"
                                       << "";
    QTest::newRow("no Windows-1252 form") << QStringList{} << "3日"
                                          << "3?"
                                          << "";
}

void TestForm1::typedText() {
    QFETCH(QStringList, keysFirst);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, result);

    press(keysFirst);
    type(text1, typed);
    QCOMPARE(input(), shown);
    QCOMPARE(text2->text(), result);
}

void TestForm1::deleteAfterNoTrump() {
    press({"3", "NT", "C"});
    QCOMPARE(input(), QString("3N"));
    press({"C", "C", "C"});
    QCOMPARE(input(), QString());
}

void TestForm1::resetAfterSuit() {
    press({"4", "♠", "X", "V"});
    press({"INI"});
    QCOMPARE(input(), QString());
    QCOMPARE(text2->text(), QString());
    QCOMPARE(text2->palette().color(QPalette::Base), QLineEdit().palette().color(QPalette::Base));
    // Still in the symbol face: a new double sign shows as a chi.
    press({"X"});
    QCOMPARE(input(), QString("Χ"));
}

void TestForm1::iciBox() {
    press({"4", "♥", "4"});
    QString title;
    QString text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    whenModalAppears(
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = int(box->buttons().size());
            icon = box->icon();
            // Nothing is answered until the box has closed.
            QCOMPARE(text2->text(), QString());
        },
        form.get());
    press({"V"});
    QCOMPARE(title, QString("quimbel"));
    QCOMPARE(text, QString("ici"));
    QCOMPARE(buttons, 1);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(text2->text(), QString("Erreur"));
    QCOMPARE(input(), QString());
}

void TestForm1::offClosesWindow() {
    press({"1", "♣"});
    press({"OFF"});
    QVERIFY(!form->isVisible());
}

void TestForm1::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Text1") << "Text1" << QRect(24, 24, 137, 33);
    QTest::newRow("Text2") << "Text2" << QRect(24, 64, 137, 33);
    QTest::newRow("Label1") << "Label1" << QRect(16, 0, 185, 25);
    QTest::newRow("Label2") << "Label2" << QRect(0, 0, 217, 329);
    QTest::newRow("Label3") << "Label3" << QRect(24, 0, 161, 25);
    QTest::newRow("Label4") << "Label4" << QRect(48, 344, 121, 25);
    QTest::newRow("OFF") << "Command1" << QRect(8, 112, 33, 25);
    QTest::newRow("C") << "Command4" << QRect(64, 112, 33, 25);
    QTest::newRow("INI") << "Command21" << QRect(120, 112, 33, 25);
    QTest::newRow("club") << "Command13" << QRect(176, 112, 33, 25);
    QTest::newRow("7") << "Command7" << QRect(8, 152, 33, 25);
    QTest::newRow("diamond") << "Command14" << QRect(176, 152, 33, 25);
    QTest::newRow("4") << "Command23" << QRect(8, 192, 33, 25);
    QTest::newRow("6") << "Command6" << QRect(120, 192, 33, 25);
    QTest::newRow("1") << "Command22" << QRect(8, 232, 33, 25);
    QTest::newRow("spade") << "Command16" << QRect(176, 232, 33, 25);
    QTest::newRow("0") << "Command24" << QRect(8, 272, 33, 25);
    QTest::newRow("=") << "Command10" << QRect(64, 272, 33, 25);
    QTest::newRow("X") << "Command18" << QRect(120, 272, 33, 25);
    QTest::newRow("NT") << "Command17" << QRect(176, 272, 33, 25);
    QTest::newRow("+") << "Command11" << QRect(8, 312, 33, 25);
    QTest::newRow("-") << "Command12" << QRect(64, 312, 33, 25);
    QTest::newRow("NV") << "Command19" << QRect(120, 312, 33, 25);
    QTest::newRow("V") << "Command20" << QRect(176, 312, 33, 25);
}

void TestForm1::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    auto* control = form->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(control->isVisible());
}

void TestForm1::keypadFontsAndTabChain() {
    QCOMPARE(form->objectName(), QString("Form1"));
    QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form->frameGeometry().size(), QSize(214, 368));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(QApplication::focusWidget(), text1);

    QStringList chain;
    QWidget* widget = text1;
    for (int i = 0; i < 27; ++i) {
        chain << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
    }
    QStringList expected{"Text1", "Text2"};
    for (int n = 1; n <= 24; ++n)
        expected << QString("Command%1").arg(n);
    expected << "Text1";
    QCOMPARE(chain, expected);

    for (int n = 1; n <= 24; ++n) {
        auto* button = form->findChild<QPushButton*>(QString("Command%1").arg(n));
        QVERIFY(button->font().bold());
        QVERIFY(!button->font().italic());
    }
    QCOMPARE(key("OFF")->font().pointSizeF(), 8.25);
    QCOMPARE(key("+")->font().pointSizeF(), 12.0);
    QCOMPARE(key("♥")->font().pointSizeF(), 9.75);
    QVERIFY(!form->findChild<QLabel*>("Label4")->font().bold());
    QCOMPARE(form->findChild<QLabel*>("Label3")->text(), QString("Q U I M B E L"));
    QCOMPARE(key("X")->accessibleName(), QString("contre"));
    QCOMPARE(key("♥")->accessibleName(), QString("cœur"));
}

void TestForm1::suitGlyphsRender() {
    press({"1", "♣", "♦", "♥", "♠", "X"});
    const QString suits = QStringLiteral("♣♦♥♠");
    const std::pair<QString, QFont> shown[] = {{key("♣")->text(), key("♣")->font()},
                                               {key("♦")->text(), key("♦")->font()},
                                               {key("♥")->text(), key("♥")->font()},
                                               {key("♠")->text(), key("♠")->font()},
                                               {input(), text1->font()}};
    for (const auto& [text, font] : shown) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (QChar symbol : text) {
            if (!suits.contains(symbol) && symbol != QChar(0x03A7))
                continue;
            bool drawn = false;
            for (const QGlyphRun& run : layout.glyphRuns()) {
                const QRawFont raw = run.rawFont();
                drawn = drawn || (raw.supportsCharacter(symbol) &&
                                  !raw.glyphIndexesForString(symbol).contains(0u));
            }
            QVERIFY2(drawn, qPrintable(QString("no glyph for %1 in %2").arg(symbol).arg(text)));
        }
    }
}

void TestForm1::evaluationColours() {
    // The whole face of V and NV, and the result line, take the key's colour.
    press({"3", "-", "3", "NV"});
    QCOMPARE(text2->text(), QString("36 %"));
    const QImage result = text2->grab().toImage();
    QCOMPARE(result.pixelColor(result.width() - 6, result.height() / 2), darkGreen);
    for (const auto& [name, colour] : {std::pair{"V", darkRed}, std::pair{"NV", darkGreen}}) {
        const QImage face = key(name)->grab().toImage();
        QCOMPARE(face.pixelColor(4, face.height() / 2), colour);
        QCOMPARE(face.pixelColor(face.width() - 4, 4), colour);
    }
}

void TestForm1::keyMonkey() {
    // Any key but OFF, and typed characters of every sort, in random order.
    std::mt19937 random(368);
    QList<QPushButton*> keys;
    for (int n = 2; n <= 24; ++n)
        keys << form->findChild<QPushButton*>(QString("Command%1").arg(n));
    const QString typable = QStringLiteral("0123456789+-=NTCX c§é日\t");
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(1);

    const QRegularExpression score("^-?[0-9]{1,4}$");
    const QStringList texts{"",     "Erreur", "erreur", "52 %",  "48 %",  "78 %",  "22 %",
                            "40 %", "50 %",   "10 %",   "68 %",  "28 %",  "4 %",   "36 %",
                            "15 %", "1 %",    "62 %",   "31 %",  "6,5 %", "0,5 %", "33 %",
                            "47 %", "17 %",   "2,8 %",  "0,2 %", "59 %",  "9 %",   "0,04 %",
                            "46 %", "18 %",   "0,4 %",  "0,01 %"};
    for (int step = 0; step < 20000; ++step) {
        if (random() % 5 == 0)
            type(text1, typable.mid(int(random() % typable.size()), 1));
        else
            QTest::mouseClick(keys[int(random() % keys.size())], Qt::LeftButton);
        QVERIFY2(input().size() <= 8, qPrintable(input()));
        const QString shown = text2->text();
        QVERIFY2(texts.contains(shown) || score.match(shown).hasMatch(), qPrintable(shown));
    }
}

void TestForm1::helpBox() {
    press({"4", "♥", "V"});
    QString title;
    QString text;
    QList<QAbstractButton*> buttons;
    QMessageBox::Icon icon = QMessageBox::Warning;
    whenModalAppears(
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = box->buttons();
            icon = box->icon();
        },
        form.get());
    QTest::mouseClick(form->findChild<QLabel*>("Label3"), Qt::LeftButton);

    const QString expected =
        "On utilise QUIMBEL exactement comme une calculatrice. On inscrit dans la fenêtre du "
        "haut le contrat et son résultat dont on veut calculer le score. La 'couleur' du "
        "contrat est déterminée par la touche NT (no trump) pour  sans-atout ou par l'un des "
        "symboles représentant trèfle, carreau, coeur ou pique.\r\nPar exemple on tape "
        "successivement sur le 4, sur le signe coeur, deux fois sur le X puis sur + et enfin "
        "sur 2: on inscrit  ainsi 4CXX+2.\r\nIl reste à taper sur V ou sur NV suivant que l'on "
        "veut le score vulnérable ou non vulnérable: s'il n'y a pas eu d'erreur de saisie, le "
        "score apparaîtra dans la fenêtre du bas.\r\nLa touche C efface le dernier caractère "
        "inscrit, la touche INI remet les deux fenêtres à vide et la touche OFF ferme "
        "l'application.\r\nQUIMBEL donne aussi les fréquences de répartition d'une couleur: "
        "tapez 3-3, 5-2 ou 5-4..10-0, et vous obtiendrez avec V ou NV la fréquence "
        "correspondante.\r\nToute erreur de saisie dans la fenêtre du haut donnera 'Erreur' "
        "dans la fenêtre du résultat.";
    QCOMPARE(title, QString("Mode d'emploi de QUIMBEL"));
    QCOMPARE(text, expected);
    QCOMPARE(text.split("\r\n").size(), 6);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(icon, QMessageBox::NoIcon);
    // The lines are as the player left them.
    QCOMPARE(input(), QString("4♥="));
    QCOMPARE(text2->text(), QString("620"));
    QCOMPARE(text2->palette().color(QPalette::Base), darkRed);
}

void TestForm1::aboutBoxTwice() {
    for (int opening = 0; opening < 2; ++opening) {
        QStringList shown;
        whenModalAppears(
            [&](QWidget* modal) {
                QCOMPARE(modal->objectName(), QString("About"));
                for (const char* name : {"lblApplication", "lblHeading", "lblCopyright"})
                    shown << modal->findChild<QLabel*>(name)->text();
                QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            },
            form.get());
        QTest::mouseClick(form->findChild<QLabel*>("Label4"), Qt::LeftButton);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0], QString("CALCULATRICE de SCORES"));
        QCOMPARE(shown[1], QString("QUIMBEL"));
        QVERIFY2(shown[2].startsWith("Copyright © 2026 ") &&
                     shown[2].endsWith("Tous droits réservés."),
                 qPrintable(shown[2]));
    }
    // Only the calculator is left open.
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
}

void TestForm1::otherClicksOpenNothing() {
    int opened = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++opened;
            modal->close();
        }
    });
    closer.start(1);
    for (const char* name : {"Label1", "Label2"})
        QTest::mouseClick(form->findChild<QLabel*>(name), Qt::LeftButton);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseClick(form->findChild<QLabel*>("Label3"), Qt::RightButton);
    QTest::qWait(20);
    QCOMPARE(opened, 0);
    QCOMPARE(input(), QString());
    QCOMPARE(text2->text(), QString());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
