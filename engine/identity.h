#pragma once

#include <string_view>

namespace quimbel {

// The texts that name the program, in UTF-8.
inline constexpr std::string_view applicationTitle = "quimbel";       // also titles the "ici" box
inline constexpr std::string_view copyrightNotice = "© 2026 QUIMBEL"; // Label4
inline constexpr std::string_view aboutApplication = "CALCULATRICE de SCORES";
inline constexpr std::string_view aboutHeading = "QUIMBEL";
// The About box shows its copyright text after this prefix.
inline constexpr std::string_view copyrightPrefix = "Copyright © ";
inline constexpr std::string_view aboutCopyright = "2026 QUIMBEL. Tous droits réservés.";
inline constexpr std::string_view helpTitle = "Mode d'emploi de QUIMBEL";

} // namespace quimbel
