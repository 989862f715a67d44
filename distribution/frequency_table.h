#pragma once

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

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

// For the check below: how often, in per cent, two hands of 13 cards hold a
// suit's cards `larger`-`smaller`, either hand holding the larger part.
constexpr double exactFrequency(int larger, int smaller) {
    const auto choose = [](int n, int k) {
        double ways = 1;
        for (int i = 1; i <= k; ++i)
            ways = ways * (n - k + i) / i;
        return ways;
    };
    const double oneWay = choose(13, larger) * choose(13, smaller) / choose(26, larger + smaller);
    return 100.0 * (larger == smaller ? oneWay : 2 * oneWay);
}

// A row's text as a number: "6,5 %" is 6.5.
constexpr double shownFrequency(std::string_view text) {
    double value = 0;
    double decimals = 0; // a power of ten once past the comma
    for (char c : text.substr(0, text.find(' '))) {
        if (c == ',') {
            decimals = 1;
        } else {
            value = value * 10 + (c - '0');
            decimals *= 10;
        }
    }
    return decimals > 0 ? value / decimals : value;
}

// The largest gap between a row and the exact frequency, and between 100 %
// and what the rows of one total add up to.
constexpr std::pair<double, double> largestGaps() {
    const auto gap = [](double a, double b) { return std::max(a - b, b - a); };
    std::pair<double, double> gaps{0, 0};
    double sums[largestTotal - smallestTotal + 1] = {};
    for (const auto& row : frequencyTable) {
        const double shown = shownFrequency(row.text);
        gaps.first = std::max(gaps.first, gap(shown, exactFrequency(row.larger, row.smaller)));
        sums[row.larger + row.smaller - smallestTotal] += shown;
    }
    for (double sum : sums)
        gaps.second = std::max(gaps.second, gap(sum, 100.0));
    return gaps;
}

// Each row within a point of the truth, each total's rows 100 % but for their rounding.
static_assert(largestGaps().first < 1.0 && largestGaps().second < 0.6);
static_assert(std::all_of(frequencyTable.begin(), frequencyTable.end(),
                          [](const auto& row) { return row.text.ends_with(" %"); }));

} // namespace quimbel
