#include "form1.h"

#include "about.h"
#include "clickable_label.h"
#include "display_mapping.h"
#include "distribution.h"
#include "fonts.h"
#include "help.h"
#include "identity.h"
#include "input_line_edit.h"
#include "keypad.h"
#include "message.h"
#include "notation.h"
#include "score.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace quimbel {

namespace {

// The colour of V and NV, which the result line takes after each.
QColor evaluationColour(bool bvul) {
    return bvul ? QColor(192, 0, 0) : QColor(0, 192, 0);
}

// A style sheet fills the whole face in every style; palettes do not.
QString evaluationKeyStyle(bool bvul) {
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid palette(shadow);"
                          " border-radius: 2px; }"
                          " QPushButton:pressed { border-width: 2px; }")
        .arg(evaluationColour(bvul).name());
}

constexpr std::size_t maximumLineLength = 8;

// Keys are 33 x 25 px, on a grid 56 px wide and 40 px high below the lines.
QRect keyGeometry(const KeyDescription& key) {
    return {8 + 56 * (key.column - 1), 112 + 40 * (key.row - 1), 33, 25};
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
    setFixedSize(214, 368);

    // Created bottom to top: labels first, so keys and text boxes lie above.
    createLabels();

    Text1 = new InputLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(24, 24, 137, 33);
    Text1->setFont(designFont(13.5, true));
    Text1->setAccessibleName(QStringLiteral("saisie"));
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(24, 64, 137, 33);
    Text2->setFont(designFont(13.5, true));
    Text2->setAccessibleName(QStringLiteral("résultat"));

    createKeys();
    Form_Load();
    Text1->setFocus();
}

void Form1::createLabels() {
    const auto place = [](auto* label, const char* name, const QString& text, QRect geometry) {
        label->setObjectName(QLatin1String(name));
        label->setText(text);
        label->setGeometry(geometry);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    };
    const QString title = QStringLiteral("Q U I M B E L");
    Label1 = place(new QLabel(this), "Label1",
                   QStringLiteral("   ") + title + QStringLiteral("   "), {16, 0, 185, 25});
    Label1->setFont(designFont(9.75, true));
    // Label2 only paints the window's background over Label1.
    Label2 = place(new QLabel(this), "Label2", QString(), {0, 0, 217, 329});
    Label3 = place(new ClickableLabel(this), "Label3", title, {24, 0, 161, 25});
    Label3->setFont(designFont(9.75, true));
    Label4 = place(new ClickableLabel(this), "Label4", QStringLiteral("© ") + copyrightHolder(),
                   {48, 344, 121, 25});
    connect(Label3, &ClickableLabel::clicked, this, &Form1::Label3_Click);
    connect(Label4, &ClickableLabel::clicked, this, &Form1::Label4_Click);
}

Form1::~Form1() = default;

void Form1::createKeys() {
    for (std::size_t i = 0; i < keypad.size(); ++i) {
        const KeyDescription& key = keypad[i];
        auto* button = new QPushButton(QString::fromUtf8(key.caption), this);
        button->setObjectName(QStringLiteral("Command%1").arg(key.number));
        button->setGeometry(keyGeometry(key));
        button->setFont(designFont(key.pointSize, true));
        button->setAutoDefault(false);
        if (key.accessibleName)
            button->setAccessibleName(QString::fromUtf8(key.accessibleName));
        if (key.action == EvaluateVulnerable || key.action == EvaluateNotVulnerable)
            button->setStyleSheet(evaluationKeyStyle(key.action == EvaluateVulnerable));
        connect(button, &QPushButton::clicked, this, [this, i] { Command_Click(i); });
        Command[i] = button;
    }
}

void Form1::Form_Load() {
    for (std::size_t i = 0; i < keypad.size(); ++i) {
        if (keypad[i].action == AppendSuit)
            Command[i]->setText(toDisplay(std::string(1, keypad[i].suit), true));
    }
}

void Form1::Command_Click(std::size_t index) {
    switch (keypad[index].action) {
    case Append:
        appendToInputLine(Command[index]->text());
        break;
    case AppendSuit:
        Text1->setFaceName(QStringLiteral("Symbol"));
        appendToInputLine(Command[index]->text());
        break;
    case AppendDouble:
        Text1->setFaceName(QStringLiteral("symbol"));
        Text1->write(Text1->read() + doubleSign);
        break;
    case DeleteLast:
        deleteLastCharacter();
        break;
    case Reset:
        reset();
        break;
    case Off:
        close();
        break;
    case EvaluateVulnerable:
        evaluate(true);
        break;
    case EvaluateNotVulnerable:
        evaluate(false);
        break;
    }
}

void Form1::appendToInputLine(const QString& caption) {
    Text1->write(Text1->read() + fromDisplay(caption));
}

void Form1::deleteLastCharacter() {
    const std::string text = Text1->read();
    Text1->write(text.size() < 2 ? std::string() : text.substr(0, text.size() - 1));
}

void Form1::reset() {
    Text1->write({});
    Text2->clear();
    setBaseColour(Text2, QApplication::palette(Text2).color(QPalette::Base));
}

// The length guard: runs on every change of the input line, whoever made it.
void Form1::Text1_Change() {
    if (Text1->read().size() > maximumLineLength) {
        Text1->write({});
        Text2->setText(QStringLiteral("erreur"));
    }
}

void Form1::evaluate(bool bvul) {
    setBaseColour(Text2, evaluationColour(bvul));
    const std::string typed = Text1->read();
    const bool valid = Verifsaisie(*Text1, [this] { showIci(); });
    if (!typed.empty() && valid) {
        // Scores the line as the check left it (4♥ has become 4♥=).
        Text2->setText(QString::fromStdString(Marquecontrat(*Text1, bvul)));
    } else if (Proba(Text1->read())) {
        Text2->setText(QString::fromStdString(Repartition(Text1->read())));
    } else {
        Text2->setText(QStringLiteral("Erreur"));
        Text1->write({});
    }
}

void Form1::showIci() {
    showMessage(this, QStringLiteral("quimbel"), QStringLiteral("ici"));
}

void Form1::Label3_Click() {
    showMessage(this, QStringLiteral("Mode d'emploi de QUIMBEL"), helpText());
}

void Form1::Label4_Click() {
    if (!about)
        about = std::make_unique<About>();
    about->setApplication(QStringLiteral("CALCULATRICE de SCORES"));
    about->setHeading(QStringLiteral("QUIMBEL"));
    about->setCopyright(copyrightHolder() + QStringLiteral(". Tous droits réservés."));
    about->Display();
}

} // namespace quimbel
