#pragma once

#include <string>

namespace quimbel {

// How to use the calculator, in six paragraphs separated by CR LF (UTF-8).
std::string helpText();

} // namespace quimbel
