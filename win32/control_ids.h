#pragma once

namespace quimbel::win32 {

// Control IDs, by which automation finds the controls. 1 and 2 are left
// out: the dialog keyboard handling sends them for Enter and Escape.
constexpr int commandId(int number) {
    return 100 + number; // Command1 to Command24: 101 to 124
}
constexpr int text1Id = 201;
constexpr int text2Id = 202;
// Hidden labels that name the two lines for screen readers.
constexpr int text1NameId = 211;
constexpr int text2NameId = 212;
constexpr int labelId(int number) {
    return 300 + number; // Label1 to Label4: 301 to 304
}
constexpr int lblHeadingId = 401;
constexpr int lblApplicationId = 402;
constexpr int lblCopyrightId = 403;
constexpr int cmdOKId = 404;

} // namespace quimbel::win32
