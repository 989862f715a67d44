#include "calculator.h"

#include <QGlyphRun>
#include <QLabel>
#include <QRawFont>
#include <QTextLayout>

#include <optional>

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void init() {
        calculator.emplace();
        QVERIFY(QTest::qWaitForWindowExposed(calculator->form.get()));
    }
    void cleanup() { calculator.reset(); }

    void window();
    void keypadGrid();
    void linesAndLabels();
    void tabChain();
    void suitGlyphsRender();
    void evaluationColours();

private:
    std::optional<Calculator> calculator;
};

void TestLayout::window() {
    const quimbel::Form1& form = *calculator->form;
    QCOMPARE(form.objectName(), QString("Form1"));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form.frameGeometry().size(), QSize(214, 368));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(QApplication::focusWidget(), calculator->text1);
}

void TestLayout::keypadGrid() {
    // The corners of the keypad, as a player sees them.
    QCOMPARE(calculator->key("OFF")->geometry(), QRect(8, 112, 33, 25));
    QCOMPARE(calculator->key("V")->geometry(), QRect(176, 312, 33, 25));
    QCOMPARE(calculator->key("♣")->text(), QString("♣"));
    for (const char* name : {"OFF", "=", "5"}) {
        const QFont font = calculator->key(name)->font();
        QVERIFY(font.bold() && !font.italic());
        QCOMPARE(font.pointSizeF(), QString(name) == "OFF" ? 8.25
                                    : QString(name) == "=" ? 12.0
                                                           : 9.75);
    }
    QCOMPARE(calculator->key("X")->accessibleName(), QString("contre"));
}

void TestLayout::linesAndLabels() {
    const std::pair<const char*, QRect> controls[] = {
        {"Text1", {24, 24, 137, 33}}, {"Text2", {24, 64, 137, 33}}, {"Label1", {16, 0, 185, 25}},
        {"Label2", {0, 0, 217, 329}}, {"Label3", {24, 0, 161, 25}}, {"Label4", {48, 344, 121, 25}}};
    for (const auto& [name, geometry] : controls)
        QCOMPARE(calculator->form->findChild<QWidget*>(name)->geometry(), geometry);

    QCOMPARE(calculator->text1->font().pointSizeF(), 13.5);
    QVERIFY(calculator->text2->font().bold());
    const auto* title = calculator->form->findChild<QLabel*>("Label3");
    QCOMPARE(title->text(), QString("Q U I M B E L"));
    QVERIFY(title->font().bold());
    QVERIFY(!calculator->form->findChild<QLabel*>("Label4")->font().bold());
    // Keys and lines lie above the labels; the title above Label2 and Label1.
    const QObjectList children = calculator->form->children();
    const auto depth = [&](const char* name) {
        return children.indexOf(calculator->form->findChild<QWidget*>(name));
    };
    QVERIFY(depth("Label1") < depth("Label2") && depth("Label2") < depth("Label3"));
    QVERIFY(depth("Label3") < depth("Label4") && depth("Label4") < depth("Text1"));
}

void TestLayout::tabChain() {
    QStringList chain;
    QWidget* widget = calculator->text1;
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

void TestLayout::suitGlyphsRender() {
    calculator->press("1 ♣ ♦ ♥ ♠ X");
    QList<QWidget*> shown{calculator->text1};
    for (const char* suit : {"♣", "♦", "♥", "♠"})
        shown << calculator->key(suit);
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

void TestLayout::evaluationColours() {
    calculator->press("3 - 3 NV");
    const QImage result = calculator->text2->grab().toImage();
    QCOMPARE(result.pixelColor(result.width() - 6, result.height() / 2), darkGreen);
    for (const auto& [name, colour] : {std::pair{"V", darkRed}, std::pair{"NV", darkGreen}}) {
        const QImage face = calculator->key(name)->grab().toImage();
        QCOMPARE(face.pixelColor(4, face.height() / 2), colour);
        QCOMPARE(face.pixelColor(face.width() - 4, 4), colour);
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
