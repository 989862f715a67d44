#pragma once

#include <array>
#include <string_view>

namespace quimbel {

// How often the cards of one suit held by two hands divide in a given way.
struct SplitFrequency {
    int larger;
    int smaller;
    std::string_view text;
};

inline constexpr int smallestTotal = 2;
inline constexpr int largestTotal = 10;

inline constexpr std::array<SplitFrequency, 34> frequencyTable{{
    {1, 1, "52 %"}, {2, 0, "48 %"},  {2, 1, "78 %"},   {3, 0, "22 %"},    {2, 2, "40 %"},
    {3, 1, "50 %"}, {4, 0, "10 %"},  {3, 2, "68 %"},   {4, 1, "28 %"},    {5, 0, "4 %"},
    {3, 3, "36 %"}, {4, 2, "48 %"},  {5, 1, "15 %"},   {6, 0, "1 %"},     {4, 3, "62 %"},
    {5, 2, "31 %"}, {6, 1, "6,5 %"}, {7, 0, "0,5 %"},  {4, 4, "33 %"},    {5, 3, "47 %"},
    {6, 2, "17 %"}, {7, 1, "2,8 %"}, {8, 0, "0,2 %"},  {5, 4, "59 %"},    {6, 3, "31 %"},
    {7, 2, "9 %"},  {8, 1, "1 %"},   {9, 0, "0,04 %"}, {5, 5, "31 %"},    {6, 4, "46 %"},
    {7, 3, "18 %"}, {8, 2, "4 %"},   {9, 1, "0,4 %"},  {10, 0, "0,01 %"},
}};

// Every split of every total from 2 to 10 has exactly one row, so a lookup in
// that range always succeeds and never has a choice to make: 34 splits, and
// as many rows.
static_assert([] {
    int once = 0;
    for (int total = smallestTotal; total <= largestTotal; ++total) {
        for (int smaller = 0; 2 * smaller <= total; ++smaller) {
            int rows = 0;
            for (const auto& row : frequencyTable)
                rows += row.smaller == smaller && row.larger == total - smaller;
            once += rows == 1;
        }
    }
    return once;
}() == 34);

} // namespace quimbel
