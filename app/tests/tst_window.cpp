// Guards what is the Qt window's own: places, fonts and colours of its
// controls, the suits and the chi on screen, typing, and the wiring of keys,
// labels and boxes to the engine.
#include "display_mapping.h"
#include "form1.h"
#include "help_text.h"
#include "input_line_edit.h"
#include "keypad.h"
#include "modal.h"

#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

#include <optional>

namespace {

const QColor darkRed(192, 0, 0);
const QColor darkGreen(0, 192, 0);

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form.emplace();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*form));
        text1 = form->findChild<quimbel::InputLineEdit*>("Text1");
        text2 = form->findChild<QLineEdit*>("Text2");
    }
    void cleanup() { form.reset(); }

    void layout();
    void tabChain();
    void suitGlyphsRender();
    void keysAndColours();
    void typed();
    void boxes();
    void otherClicksOpenNothing();

private:
    // Keys by what they show, separated by blanks: "4 ♥ X X + 2 V".
    void press(const QString& keys) {
        for (const QString& caption : keys.split(' ', Qt::SkipEmptyParts))
            QTest::mouseClick(key(caption), Qt::LeftButton);
    }
    QPushButton* key(const QString& caption) {
        for (const auto& key : quimbel::keypad) {
            if (quimbel::toDisplay(key.caption, false) == caption)
                return form->findChild<QPushButton*>(QString("Command%1").arg(key.number));
        }
        return nullptr;
    }
    QColor resultColour() const { return text2->palette().color(QPalette::Base); }
    // The box a click opens, closed once read: title and text.
    QStringList boxFrom(QWidget* clicked) {
        QStringList box;
        whenModalAppears(
            [&](QWidget* modal) {
                auto* message = qobject_cast<QMessageBox*>(modal);
                QVERIFY(message && message->buttons().size() == 1);
                QCOMPARE(message->icon(), QMessageBox::NoIcon);
                box << message->windowTitle() << message->text();
            },
            &*form);
        QTest::mouseClick(clicked, Qt::LeftButton);
        return box;
    }

    std::optional<quimbel::Form1> form;
    quimbel::InputLineEdit* text1 = nullptr;
    QLineEdit* text2 = nullptr;
};

void TestWindow::layout() {
    QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form->frameGeometry().size(), QSize(214, 368));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(QApplication::focusWidget(), text1);
    const std::pair<const char*, QRect> places[] = {
        {"Text1", {24, 24, 137, 33}},   {"Text2", {24, 64, 137, 33}},
        {"Label2", {0, 0, 217, 329}},   {"Label4", {48, 344, 121, 25}},
        {"Command1", {8, 112, 33, 25}}, {"Command20", {176, 312, 33, 25}}};
    for (const auto& [name, place] : places)
        QCOMPARE(form->findChild<QWidget*>(name)->geometry(), place);
    QCOMPARE(key("=")->font().pointSizeF(), 12.0);
    QVERIFY(key("=")->font().bold() && text2->font().bold());
    QCOMPARE(form->findChild<QLabel*>("Label3")->text(), QString("Q U I M B E L"));
    QVERIFY(!form->findChild<QLabel*>("Label4")->font().bold());
    // Keys and lines lie above the labels; the title above Label2 and Label1.
    const QObjectList children = form->children();
    const auto depth = [&](const char* name) {
        return children.indexOf(form->findChild<QWidget*>(name));
    };
    QVERIFY(depth("Label1") < depth("Label2") && depth("Label2") < depth("Label3"));
    QVERIFY(depth("Label3") < depth("Label4") && depth("Label4") < depth("Text1"));
}

void TestWindow::tabChain() {
    QStringList chain;
    QWidget* widget = text1;
    for (int i = 0; i < 27; ++i) {
        chain << widget->objectName();
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus);
    }
    QStringList expected{"Text1", "Text2"};
    for (int n = 1; n <= 24; ++n)
        expected << QString("Command%1").arg(n);
    QCOMPARE(chain, expected << "Text1");
}

void TestWindow::suitGlyphsRender() {
    press("1 ♣ ♦ ♥ ♠ X");
    QList<QWidget*> shown{text1, key("♣"), key("♦"), key("♥"), key("♠")};
    for (QWidget* widget : shown) {
        const QString text = widget->property("text").toString();
        QTextLayout layout(text, widget->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (QChar symbol : text) {
            if (!QString("♣♦♥♠Χ").contains(symbol))
                continue;
            // Drawn from a font that has the symbol, not a missing-glyph box.
            bool drawn = false;
            for (const QGlyphRun& run : layout.glyphRuns()) {
                const QRawFont font = run.rawFont();
                drawn = drawn || (font.supportsCharacter(symbol) &&
                                  !font.glyphIndexesForString(symbol).contains(0u));
            }
            QVERIFY2(drawn, qPrintable(QString("%1 in %2").arg(symbol).arg(text)));
        }
    }
}

void TestWindow::keysAndColours() {
    press("4 ♥ X X + 2 V");
    QCOMPARE(text1->text(), QString("4♥ΧΧ+2"));
    QCOMPARE(text2->text(), QString("1880"));
    QCOMPARE(resultColour(), darkRed);
    press("NV");
    QCOMPARE(text2->text(), QString("1280"));
    const QImage result = text2->grab().toImage();
    QCOMPARE(result.pixelColor(result.width() - 6, result.height() / 2), darkGreen);
    for (const auto& [caption, colour] : {std::pair{"V", darkRed}, std::pair{"NV", darkGreen}}) {
        const QImage face = key(caption)->grab().toImage();
        QCOMPARE(face.pixelColor(4, face.height() / 2), colour);
        QCOMPARE(face.pixelColor(face.width() - 4, 4), colour);
    }
    press("INI");
    QCOMPARE(resultColour(), QLineEdit().palette().color(QPalette::Base));
    QCOMPARE(text1->faceName(), QString("symbol"));
    press("1 ♣ OFF");
    QVERIFY(!form->isVisible());
}

void TestWindow::typed() {
    // Keys first, then typed text, then what the line shows: a typed C is a
    // double sign, § a club, and anything Windows-1252 lacks one "?".
    const char* cases[][3] = {{"", "4C", "4C"},
                              {"4 ♥", "CC+2", "4♥ΧΧ+2"},
                              {"", "2§", "2♣"},
                              {"", "3日€", "3?€"},
                              {"", "123456789", ""}};
    for (const auto& [keys, typed, shown] : cases) {
        press("INI");
        press(keys);
        for (QChar c : QString(typed)) {
            QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(text1, &event);
        }
        QCOMPARE(text1->text(), QString(shown));
    }
    QCOMPARE(text2->text(), QString("erreur"));
}

void TestWindow::boxes() {
    press("4 ♥ 4");
    QCOMPARE(boxFrom(key("V")), (QStringList{"quimbel", "ici"}));
    QCOMPARE(text2->text(), QString("Erreur"));
    const QStringList help = boxFrom(form->findChild<QLabel*>("Label3"));
    QCOMPARE(help, (QStringList{"Mode d'emploi de QUIMBEL", quimbel::helpText().c_str()}));

    for (int opening = 0; opening < 2; ++opening) {
        QStringList shown;
        whenModalAppears(
            [&](QWidget* modal) {
                for (const char* name : {"lblApplication", "lblHeading", "lblCopyright"})
                    shown << modal->findChild<QLabel*>(name)->text();
                QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            },
            &*form);
        QTest::mouseClick(form->findChild<QLabel*>("Label4"), Qt::LeftButton);
        QCOMPARE(shown, (QStringList{"CALCULATRICE de SCORES", "QUIMBEL",
                                     "Copyright © 2026 QUIMBEL. Tous droits réservés."}));
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), 1); // only the calculator is left
}

void TestWindow::otherClicksOpenNothing() {
    ModalCloser closer;
    for (const char* label : {"Label1", "Label2"})
        QTest::mouseClick(form->findChild<QLabel*>(label), Qt::LeftButton);
    QTest::mouseClick(form->findChild<QLabel*>("Label3"), Qt::RightButton);
    QTest::mouseClick(&*form, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::qWait(20);
    QCOMPARE(closer.closed(), 0);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
