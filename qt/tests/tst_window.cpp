// Guards what is the Qt window's own: places, fonts and colours of its
// controls, the suits and the chi on screen, typing, the About box, and the
// wiring of keys, labels and boxes to the engine.
#include "form1.h"
#include "help_text.h"
#include "keypad.h"
#include "layout.h"
#include "qt_conversions.h"

#include <QAccessible>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include <limits>
#include <optional>
#include <tuple>

namespace {

// Hands each modal window to `inspect` as soon as it is up, then closes it,
// for as long as `owner` lives, so no test can hang on one.
void whenModalAppears(std::function<void(QWidget*)> inspect, QObject* owner) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [inspect = std::move(inspect)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            inspect(modal);
            modal->close();
        }
    });
    timer->start(5);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

    std::optional<quimbel::Form1> form;
    QLineEdit* text1 = nullptr;
    QLineEdit* text2 = nullptr;

    template <typename Widget = QWidget> Widget* child(const QString& name) {
        return form->findChild<Widget*>(name);
    }
    // Keys by what they show, separated by blanks: "4 ♥ X X + 2 V".
    void press(const QString& keys) {
        const auto keypad = form->findChildren<QPushButton*>();
        for (const QString& caption : keys.split(' ', Qt::SkipEmptyParts)) {
            const auto key = std::find_if(keypad.begin(), keypad.end(),
                                          [&](auto* key) { return key->text() == caption; });
            QVERIFY2(key != keypad.end(), qPrintable(caption));
            QTest::mouseClick(*key, Qt::LeftButton);
        }
    }
    QColor colourAt(const char* name, int x, int y) {
        return child(name)->grab().toImage().pixelColor(x, y);
    }

private slots:
    void init() {
        form.emplace();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*form, std::numeric_limits<int>::max()));
        text1 = child<QLineEdit>("Text1");
        text2 = child<QLineEdit>("Text2");
    }
    void cleanup() { form.reset(); }

    void layout() {
        // Each control where the engine's tables put it, in their font (at 96 dpi,
        // 15 twips make a pixel); what a screen reader hears of each key and line
        // is the engine's name.
        using namespace quimbel;
        const auto heard = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        const auto designed = [](QWidget* shown, const Twips& t, FontSpec font) {
            QCOMPARE(
                std::tuple(shown->geometry(), shown->font().pointSizeF(), shown->font().bold()),
                std::tuple(QRect(t.left / 15, t.top / 15, t.width / 15, t.height / 15),
                           font.pointSize, font.bold));
        };
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form->frameGeometry().size(), QSize(form1Width, form1Height) / 15);
        for (const ControlLayout& control : form1Controls)
            designed(child(fromUtf8(control.name)), control.place, control.font);
        for (const KeyDescription& key : keypad) {
            QWidget* shown = child(QString("Command%1").arg(key.number));
            designed(shown, keyPlace(key), {key.pointSize, true});
            QCOMPARE(heard(shown), fromUtf8(spokenName(key)));
        }
        QCOMPARE(heard(text1) + '|' + heard(text2),
                 fromUtf8(text1Name) + '|' + fromUtf8(text2Name));
        QCOMPARE(child<QLabel>("Label3")->text(), fromUtf8(title));
        // Stacking, bottom up: Label1 to Label4, then the lines and keys.
        QString order;
        for (QObject* widget : form->children())
            order += widget->objectName().startsWith("Label") ? widget->objectName().right(1)
                     : widget == text1                        ? "T"
                                                              : "";
        QCOMPARE(order, QString("1234T"));
        // The labels paint their own background: Label1, under Label2, is never seen.
        const QImage shown = form->grab().toImage();
        child("Label1")->hide();
        QCOMPARE(form->grab().toImage(), shown);
        // Tab, from where the focus starts: the lines, Command1 to Command24, Text1 again.
        QStringList chain, expected{"Text1", "Text2"};
        for (QWidget* w = QApplication::focusWidget(); chain.size() < 27; w = w->nextInFocusChain())
            if (w->focusPolicy() != Qt::NoFocus)
                chain << w->objectName();
        for (int n = 1; n <= 24; ++n)
            expected << QString("Command%1").arg(n);
        QCOMPARE(chain, expected << "Text1");
    }

    void suitsAndChiRender() {
        press("1 ♣ ♦ ♥ ♠ X");
        for (const char* name : {"Text1", "Command13", "Command14", "Command15", "Command16"}) {
            QWidget* widget = child(name);
            const QString text = widget->property("text").toString();
            QTextLayout layout(text, widget->font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            // Each drawn from a font that has it, not as a missing-glyph box.
            for (QChar symbol : text) {
                bool drawn = !QString("♣♦♥♠Χ").contains(symbol);
                for (const QGlyphRun& run : layout.glyphRuns())
                    drawn = drawn || (run.rawFont().supportsCharacter(symbol) &&
                                      !run.rawFont().glyphIndexesForString(symbol).contains(0u));
                QVERIFY2(drawn, qPrintable(QString("%1 in %2").arg(symbol).arg(text)));
            }
        }
    }

    void keysAndColours() {
        const QColor darkRed(192, 0, 0), darkGreen(0, 192, 0);
        for (const QPoint& at : {QPoint(4, 12), QPoint(29, 4)}) {
            QCOMPARE(colourAt("Command20", at.x(), at.y()), darkRed);
            QCOMPARE(colourAt("Command19", at.x(), at.y()), darkGreen);
        }
        press("4 ♥ X X + 2 V");
        QCOMPARE(text1->text() + ' ' + text2->text(), QString("4♥ΧΧ+2 1880"));
        const QColor blank = QLineEdit().palette().color(QPalette::Base);
        for (const auto& [keys, colour] :
             {std::pair{"", darkRed}, {"NV", darkGreen}, {"INI", blank}}) {
            press(keys);
            QCOMPARE(colourAt("Text2", 130, 16), colour);
        }
        press("1 ♣ OFF");
        QVERIFY(!form->isVisible());
    }

    void typed() {
        // Keys, then typed text, then what the line shows: a typed C is a double
        // sign once the face is "symbol", § a club, anything Windows-1252 lacks one "?".
        const char* cases[][3] = {
            {"", "4C§日€", "4C♣?€"}, {"4 ♥ 5 C", "CC+2", "4♥ΧΧ+2"}, {"", "123456789", ""}};
        for (const auto& [keys, typed, shown] : cases) {
            press(QString("INI ") + keys);
            for (QChar c : QString(typed)) {
                QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(text1, &event);
            }
            QCOMPARE(text1->text(), QString(shown));
        }
    }

    void boxes() {
        // Only a left press and release on Label3 is a click: before one and
        // after, a release alone, a right click or a press taken off it opens
        // nothing. Then About twice from Label4, the user moving it away each
        // time: loaded anew, it is centred again, frame included, an odd pixel
        // going to the right and the bottom; and closing destroys it.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QStringList seen;
        whenModalAppears(
            [&](QWidget* window) {
                if (auto* box = qobject_cast<QMessageBox*>(window)) {
                    seen << window->windowTitle() + ": " + box->text();
                    return;
                }
                QCOMPARE(window->size(), QSize(quimbel::aboutWidth, quimbel::aboutHeight) / 15);
                // From its left end to its right end, both drawn, in the text's colour.
                QCOMPARE(window->findChild<QWidget*>("Line1")->geometry(),
                         QRect(QPoint(quimbel::aboutLineLeft, quimbel::aboutLineTop) / 15,
                               QPoint(quimbel::aboutLineRight, quimbel::aboutLineTop) / 15));
                QCOMPARE(window->grab().toImage().pixelColor(QPoint(150, 112)),
                         window->palette().color(QPalette::WindowText));
                // A heading too long for its line wraps, as on the other windows.
                QVERIFY(window->findChild<QLabel*>("lblHeading")->wordWrap());
                const QRect frame = window->frameGeometry();
                QCOMPARE(frame.topLeft() - screen.topLeft(),
                         QPoint((screen.width() - frame.width()) / 2,
                                (screen.height() - frame.height()) / 2));
                seen << window->windowTitle();
                for (const char* name : {"lblApplication", "lblHeading", "lblCopyright"})
                    seen << window->findChild<QLabel*>(name)->text();
                auto* ok = window->findChild<QPushButton*>("cmdOK");
                for (const auto key : {Qt::Key_Escape, Qt::Key_Return}) // neither is a way out
                    QTest::keyClick(ok, key);
                QVERIFY(window->isVisible());
                window->move(3, 5);
                QTest::mouseClick(ok, Qt::LeftButton);
            },
            &*form);
        QWidget* label = child("Label3");
        for (int round = 0; round < 2; ++round) {
            QTest::mouseRelease(label, Qt::LeftButton);
            QTest::mouseClick(label, Qt::RightButton);
            QTest::mousePress(label, Qt::LeftButton);
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
            QCoreApplication::processEvents(); // anything a click would have queued
            if (round == 0)
                QTest::mouseClick(label, Qt::LeftButton);
        }
        for (int opening = 0; opening < 2; ++opening)
            QTest::mouseClick(child("Label4"), Qt::LeftButton);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        const QString about = "|À propos|CALCULATRICE de SCORES|QUIMBEL|"
                              "Copyright © 2026 QUIMBEL. Tous droits réservés.";
        QCOMPARE(seen.join('|'), "Mode d'emploi de QUIMBEL: " +
                                     QString::fromUtf8(quimbel::helpText) + about + about);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
