#pragma once

#include "display_mapping.h"
#include "form1.h"
#include "input_line_edit.h"
#include "keypad.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The calculator window, driven as a player drives it: keys by what they
// show, text typed from the keyboard.
class Calculator {
public:
    Calculator()
        : form(std::make_unique<quimbel::Form1>()) {
        form->show();
        text1 = form->findChild<quimbel::InputLineEdit*>("Text1");
        text2 = form->findChild<QLineEdit*>("Text2");
    }

    QPushButton* key(const QString& caption) const {
        for (const auto& key : quimbel::keypad) {
            if (quimbel::toDisplay(key.caption, false) == caption)
                return form->findChild<QPushButton*>(QString("Command%1").arg(key.number));
        }
        return nullptr;
    }

    // Keys separated by blanks: "4 ♥ X X + 2 V".
    void press(const QString& keys) const {
        for (const QString& name : keys.split(' ', Qt::SkipEmptyParts))
            QTest::mouseClick(key(name), Qt::LeftButton);
    }

    // Any script, as a keyboard would send it.
    void type(const QString& text) const {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(text1, &press);
        }
    }

    QString input() const { return text1->text(); }
    QString result() const { return text2->text(); }
    QColor resultColour() const { return text2->palette().color(QPalette::Base); }

    std::unique_ptr<quimbel::Form1> form;
    quimbel::InputLineEdit* text1 = nullptr;
    QLineEdit* text2 = nullptr;
};

inline const QColor darkRed(192, 0, 0);
inline const QColor darkGreen(0, 192, 0);
