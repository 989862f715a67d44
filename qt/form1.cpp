#include "form1.h"

#include "about.h"
#include "clickable_label.h"
#include "display_mapping.h"
#include "fonts.h"
#include "identity.h"
#include "input_line_edit.h"
#include "keypad.h"
#include "layout.h"
#include "qt_conversions.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace quimbel {

namespace {

QColor colour(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// A style sheet fills the whole face in every style; palettes do not.
QString evaluationKeyStyle(Rgb face) {
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid palette(shadow);"
                          " border-radius: 2px; }"
                          " QPushButton:pressed { border-width: 2px; }")
        .arg(colour(face).name());
}

template <typename Widget> Widget* placed(Widget* widget, const ControlLayout& layout) {
    applyLayout(widget, layout);
    return widget;
}

template <typename Label> Label* label(QWidget* parent, const ControlLayout& layout) {
    auto* made = placed(new Label(fromUtf8(layout.caption), parent), layout);
    made->setAutoFillBackground(true);
    made->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return made;
}

void setBaseColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    installFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(pixels(form1Width), pixels(form1Height));
    createControls();
    createKeys();
    Text1->setFocus();
}

Form1::~Form1() = default;

void Form1::createControls() {
    // Created bottom to top: labels first, so keys and text boxes lie above.
    label<QLabel>(this, form1Control("Label1"));
    label<QLabel>(this, form1Control("Label2"));
    Label3 = label<ClickableLabel>(this, form1Control("Label3"));
    Label4 = label<ClickableLabel>(this, form1Control("Label4"));
    connect(Label3, &ClickableLabel::clicked, this, [this] { calculator_.Label3_Click(); });
    connect(Label4, &ClickableLabel::clicked, this, [this] { calculator_.Label4_Click(); });

    Text1 = placed(new InputLineEdit(this), form1Control("Text1"));
    Text1->setAccessibleName(fromUtf8(text1Name));
    connect(Text1, &QLineEdit::textChanged, this, [this] { calculator_.Text1_Change(); });
    Text2 = placed(new QLineEdit(this), form1Control("Text2"));
    Text2->setAccessibleName(fromUtf8(text2Name));
}

void Form1::createKeys() {
    for (const KeyDescription& key : keypad) {
        auto* button =
            new QPushButton(QString::fromStdU16String(toDisplay(key.caption, false)), this);
        button->setObjectName(QStringLiteral("Command%1").arg(key.number));
        button->setGeometry(pixels(keyPlace(key)));
        button->setFont(designFont(key.pointSize, true));
        button->setAccessibleName(fromUtf8(spokenName(key)));
        if (const auto evaluation = evaluationOf(key))
            button->setStyleSheet(evaluationKeyStyle(*resultColour(*evaluation)));
        connect(button, &QPushButton::clicked, this,
                [this, number = key.number] { calculator_.Command_Click(number); });
    }
}

std::string Form1::read() const {
    return Text1->read();
}

void Form1::write(const std::string& text) {
    Text1->write(text);
}

void Form1::setInputFace(std::string_view faceName) {
    Text1->setFaceName(fromUtf8(faceName));
}

void Form1::setResult(std::string_view text) {
    Text2->setText(fromUtf8(text));
}

void Form1::setResultBackground(ResultBackground background) {
    const auto rgb = resultColour(background);
    setBaseColour(Text2, rgb ? colour(*rgb) : QApplication::palette(Text2).color(QPalette::Base));
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(title), fromUtf8(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

AboutBox& Form1::about() {
    if (!about_)
        about_ = std::make_unique<About>();
    return *about_;
}

void Form1::close() {
    QWidget::close();
}

} // namespace quimbel
