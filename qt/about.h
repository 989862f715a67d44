#pragma once

#include "calculator.h"

#include <QPointer>

class QDialog;
class QLabel;

namespace quimbel {

// A reusable About box, filled through three write-only texts and shown
// modally with Display. Its window exists only while needed: closing it
// destroys it, and the next operation loads a fresh one, centred on the
// screen and showing the placeholders until written.
class About final : public AboutBox {
public:
    About() = default;
    About(const About&) = delete;
    About& operator=(const About&) = delete;
    ~About() override;

    void setApplication(std::string_view text) override;
    void setHeading(std::string_view text) override;
    void setCopyright(std::string_view text) override;
    // Shows the dialog modally, with no owner, until the user closes it.
    void Display() override;

private:
    void load();

    QPointer<QDialog> window_;
    QLabel* lblHeading = nullptr;
    QLabel* lblApplication = nullptr;
    QLabel* lblCopyright = nullptr;
};

} // namespace quimbel
