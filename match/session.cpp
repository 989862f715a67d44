#include "session.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace quimbel {

namespace {

// An unsigned number of 192 bits, low limb first. A session's figures are
// fractions over D, the least common multiple of 1 to largestCount, which
// every board's count of scored results divides: D < 2^136, and every figure
// below keeps under 2^182 (see rank).
struct Wide {
    static constexpr int limbs = 6;
    std::uint32_t limb[limbs] = {};
};

// a·factor + plus.
constexpr Wide times(const Wide& a, std::uint32_t factor, const Wide& plus = {}) {
    Wide product;
    std::uint64_t carry = 0;
    for (int i = 0; i < Wide::limbs; ++i) {
        carry += std::uint64_t(a.limb[i]) * factor + plus.limb[i];
        product.limb[i] = std::uint32_t(carry);
        carry >>= 32;
    }
    return product;
}

bool operator<(const Wide& a, const Wide& b) {
    for (int i = Wide::limbs; i-- > 0;)
        if (a.limb[i] != b.limb[i])
            return a.limb[i] < b.limb[i];
    return false;
}

// Divides a by divisor; returns the remainder.
constexpr std::uint32_t divide(Wide& a, std::uint32_t divisor) {
    std::uint64_t rest = 0;
    for (int i = Wide::limbs; i-- > 0;) {
        rest = rest << 32 | a.limb[i];
        a.limb[i] = std::uint32_t(rest / divisor);
        rest %= divisor;
    }
    return std::uint32_t(rest);
}

constexpr Wide common = [] {
    Wide multiple{{1}};
    for (std::uint32_t n = 2; n <= largestCount; ++n) {
        Wide rest = multiple;
        multiple = times(multiple, n / std::gcd(n, divide(rest, n)));
    }
    return multiple;
}();
static_assert(common.limb[4] < 1u << 8 && !common.limb[5], "D below 2^136");

// scale·key / (5·D·divisor), a half upwards: ⌊(2·scale·key + 5·D·divisor) /
// (10·D·divisor)⌋, known to be below 2^18.
int rounded(const Wide& key, std::uint32_t scale, std::uint32_t divisor) {
    const Wide part = times(key, 2 * scale, times(common, 5 * divisor)),
               whole = times(common, 10 * divisor);
    int found = 0;
    for (int bit = 1 << 17; bit > 0; bit >>= 1)
        if (!(part < times(whole, std::uint32_t(found | bit))))
            found |= bit;
    return found;
}

// The percentages of the top an adjusted score gives, as their index in
// Standing::given: Moyenne+, Moyenne and Moyenne−, by the code N-S's then E-W's.
constexpr int shares[6][2] = {{}, {0, 2}, {1, 1}, {2, 0}, {0, 0}, {2, 2}};

// What a pair has earned, over D: on its scored boards `scored` (each at
// most the top 196, so scored ≤ 196·99·D), and how often each share.
struct Standing {
    Wide scored;
    int boards;
    int played;
    int given[3];
};

// A pair's slot among the standings: N-S's first in a Mitchell, then E-W's.
int slot(bool mitchell, int side, int pair) {
    return mitchell && side == 1 ? largestCount + pair : pair;
}

// Adds a board's results to the standings, on a session whose boards have
// at most `most` results. Returns the first result that cannot be scored
// (its adjusted score or a pair number out of range, or a pair twice on
// the board or facing itself), or -1.
int addBoard(bool mitchell, std::span<const SessionResult> board, int most,
             std::span<Standing> standings) {
    int scaled[largestCount];
    const int scored = neubergMatchpoints(board, most, scaled);
    const std::uint32_t top = 2 * (most - 1);
    bool seated[2 * largestCount + 2] = {};
    for (int i = 0; i < int(board.size()); ++i) {
        const auto& [northSouth, eastWest, adjusted, score] = board[i];
        if (adjusted < 0 || adjusted > 5 || (northSouth && northSouth == eastWest && !mitchell))
            return i;
        for (int side = 0; side < 2; ++side) {
            const int pair = side ? eastWest : northSouth;
            if (pair < 0 || pair > largestCount || (pair && seated[slot(mitchell, side, pair)]))
                return i;
            if (!pair)
                continue;
            seated[slot(mitchell, side, pair)] = true;
            Standing& standing = standings[slot(mitchell, side, pair)];
            standing.played += 1;
            if (adjusted) {
                standing.given[shares[adjusted][side]] += 1;
            } else {
                standing.boards += 1;
                Wide unit = common; // D/n
                divide(unit, std::uint32_t(scored));
                standing.scored =
                    times(unit, std::uint32_t(side ? top * scored - scaled[i] : scaled[i]),
                          standing.scored);
            }
        }
    }
    return -1;
}

// Ranks every pair with a result into `session`, on the session's top. A
// pair's percentage is key / (5·D·top·weight): key is its total times 5·D·k,
// k its scored boards (1 for none), and weight k times its boards played.
// Its total is at most top·played, so key < 5·2^136·196·99·99 < 2^160, and
// the figures below keep under 2^160·2^14 (key·20000, key·weight) or
// 2^(136+25+18) (the quotients' wholes times their results).
void rank(bool mitchell, std::span<const Standing> standings, std::uint32_t top,
          PairsSession& session) {
    Wide keys[2 * largestCount];
    std::uint32_t weights[2 * largestCount];
    int slots[2 * largestCount], count = 0;
    for (int s = 0; s < int(standings.size()); ++s) {
        const Standing& standing = standings[s];
        if (!standing.played)
            continue;
        const std::uint32_t boards = std::max(standing.boards, 1);
        // Its own percentage times 5·D·top·k, which Moyenne+ takes if better
        // than 60 %, Moyenne− if worse than 40 %: 60, 50 and 40 % are 6, 5
        // and 4 times D·top·k/2.
        const Wide own = times(standing.scored, 5);
        keys[count] = times(own, boards);
        for (std::uint32_t i = 0; i < 3; ++i) {
            const Wide share = times(common, top / 2 * boards * (6 - i));
            const bool taken = standing.boards && (i == 0 ? share < own : i == 2 && own < share);
            keys[count] = times(taken ? own : share, standing.given[i], keys[count]);
        }
        weights[count] = boards * std::uint32_t(standing.played);
        slots[count++] = s;
    }
    for (int i = 0; i < count; ++i) {
        const bool eastWest = slots[i] > largestCount;
        int above = 0, level = 0, before = 0, earlier = 0;
        for (int j = 0; j < count; ++j) {
            if (eastWest != (slots[j] > largestCount)) {
                earlier += j < i;
                continue;
            }
            const Wide mine = times(keys[i], weights[j]), theirs = times(keys[j], weights[i]);
            const bool same = !(mine < theirs) && !(theirs < mine);
            above += mine < theirs;
            level += same;
            before += same && j < i;
        }
        const Standing& standing = standings[slots[i]];
        const std::uint32_t boards = std::max(standing.boards, 1);
        session.rows[earlier + above + before] = {Direction(mitchell ? 1 + eastWest : 0),
                                                  slots[i] - (eastWest ? largestCount : 0),
                                                  above + 1,
                                                  level > 1,
                                                  standing.played,
                                                  rounded(keys[i], 10, boards),
                                                  rounded(keys[i], 10000, top * weights[i])};
    }
    session.count = count;
}

} // namespace

int neubergMatchpoints(std::span<const SessionResult> board, int most, std::span<int> scaled) {
    int scored = 0;
    for (const auto& result : board)
        scored += !result.adjusted;
    // M + 1 is what the score earns against every scored one, its own included.
    for (std::size_t i = 0; i < board.size(); ++i) {
        int earned = 0;
        for (const auto& other : board)
            earned += !other.adjusted *
                      ((other.score < board[i].score) + (other.score <= board[i].score));
        scaled[i] = board[i].adjusted ? 0 : earned * most - scored;
    }
    return scored;
}

void rankSession(bool mitchell, std::span<const int> counts, std::span<const SessionResult> results,
                 PairsSession& session) {
    session.top = 0;
    session.refused = true;
    session.board = session.result = -1;
    session.count = 0;
    if (counts.size() > std::size_t(largestCount))
        return;
    int most = 0;
    std::size_t first = 0;
    for (int board = 0; board < int(counts.size()); ++board) {
        if (counts[board] < 0 || counts[board] > largestCount) {
            session.board = board;
            return;
        }
        most = std::max(most, counts[board]);
        first += counts[board];
    }
    if (first != results.size())
        return;
    Standing standings[2 * largestCount + 2] = {};
    first = 0;
    for (int board = 0; board < int(counts.size()); ++board) {
        session.result = addBoard(mitchell, results.subspan(first, counts[board]), most, standings);
        if (session.result >= 0) {
            session.board = board;
            return;
        }
        first += counts[board];
    }
    session.refused = false;
    if (most > 1) {
        session.top = 2 * (most - 1);
        rank(mitchell, standings, session.top, session);
    }
}

} // namespace quimbel
