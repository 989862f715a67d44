#pragma once

#include <QString>

namespace quimbel {

// How to use the calculator, in six paragraphs separated by CR LF.
QString helpText();

} // namespace quimbel
