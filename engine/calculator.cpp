#include "calculator.h"

#include "distribution.h"
#include "help_text.h"
#include "identity.h"
#include "keypad.h"
#include "notation.h"
#include "score.h"

namespace quimbel {

namespace {

constexpr std::size_t maximumLineLength = 8;

} // namespace

void Calculator::Command_Click(int number) {
    const KeyDescription* pressed = key(number);
    if (!pressed)
        return;
    using enum KeyAction;
    switch (pressed->action) {
    case Append:
        append(pressed->caption);
        break;
    case AppendSuit:
        window_.setInputFace("Symbol");
        append(pressed->caption);
        break;
    case AppendDouble:
        window_.setInputFace("symbol");
        append(std::string_view(&doubleSign, 1));
        break;
    case DeleteLast:
        deleteLast();
        break;
    case Reset:
        reset();
        break;
    case Off:
        window_.close();
        break;
    case EvaluateVulnerable:
        evaluate(true);
        break;
    case EvaluateNotVulnerable:
        evaluate(false);
        break;
    }
}

void Calculator::append(std::string_view text) {
    window_.write(window_.read() + std::string(text));
}

void Calculator::deleteLast() {
    const std::string text = window_.read();
    window_.write(text.empty() ? text : text.substr(0, text.size() - 1));
}

void Calculator::reset() {
    window_.write({});
    window_.setResult({});
    window_.setResultBackground(ResultBackground::Window);
}

void Calculator::Text1_Change() {
    if (window_.read().size() > maximumLineLength) {
        window_.write({});
        window_.setResult("erreur");
    }
}

void Calculator::evaluate(bool bvul) {
    window_.setResultBackground(bvul ? ResultBackground::Vulnerable
                                     : ResultBackground::NotVulnerable);
    const std::string text = window_.read();
    const LineCheck check = Verifsaisie(text);
    if (check.verdict == Verdict::RefusedAfterIci)
        window_.showMessage(applicationTitle, "ici");
    if (check.verdict == Verdict::Accepted) {
        // Scores the line as the check left it (4♥ has become 4♥=).
        if (check.line != text)
            window_.write(check.line);
        window_.setResult(Marquecontrat(check.line, bvul));
    } else if (Proba(text)) {
        window_.setResult(Repartition(text));
    } else {
        window_.setResult("Erreur");
        window_.write({});
    }
}

void Calculator::Label3_Click() {
    window_.showMessage(helpTitle, helpText);
}

void Calculator::Label4_Click() {
    AboutBox& box = window_.about();
    box.setApplication(aboutApplication);
    box.setHeading(aboutHeading);
    box.setCopyright(aboutCopyright);
    box.Display();
}

} // namespace quimbel
