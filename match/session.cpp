#include "session.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace quimbel {

namespace {

// An unsigned number of 192 bits, low limb first: every figure of a session
// is a fraction over D, the least common multiple of its boards' counts of
// scored results, which is at most that of 1 to 99, below 2^136. Every
// product below keeps under 2^182 (see Standing).
struct Wide {
    static constexpr int limbs = 6;
    std::uint32_t limb[limbs] = {};
};

Wide operator*(Wide a, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : a.limb) {
        carry += std::uint64_t(limb) * factor;
        limb = std::uint32_t(carry);
        carry >>= 32;
    }
    return a;
}

Wide operator+(Wide a, const Wide& b) {
    std::uint64_t carry = 0;
    for (int i = 0; i < Wide::limbs; ++i) {
        carry += std::uint64_t(a.limb[i]) + b.limb[i];
        a.limb[i] = std::uint32_t(carry);
        carry >>= 32;
    }
    return a;
}

bool operator<(const Wide& a, const Wide& b) {
    for (int i = Wide::limbs; i-- > 0;)
        if (a.limb[i] != b.limb[i])
            return a.limb[i] < b.limb[i];
    return false;
}

// Divides a by divisor; returns the remainder.
std::uint32_t divide(Wide& a, std::uint32_t divisor) {
    std::uint64_t rest = 0;
    for (int i = Wide::limbs; i-- > 0;) {
        rest = rest << 32 | a.limb[i];
        a.limb[i] = std::uint32_t(rest / divisor);
        rest %= divisor;
    }
    return std::uint32_t(rest);
}

// ⌊part/whole⌋, known to be below 2^18.
int quotient(const Wide& part, const Wide& whole) {
    int found = 0;
    for (int bit = 1 << 17; bit > 0; bit >>= 1)
        if (!(part < whole * std::uint32_t(found | bit)))
            found |= bit;
    return found;
}

// The percentages of the top an adjusted score gives, as their index in
// Standing::given: Moyenne+, Moyenne and Moyenne−, by the code N-S's then E-W's.
constexpr int shares[6][2] = {{}, {0, 2}, {1, 1}, {2, 0}, {0, 0}, {2, 2}};

// What a pair has earned, over D: on its scored boards `scored` (each at
// most the top 196, so scored < 196·99·D), and how often each share.
struct Standing {
    Wide scored;
    int boards = 0;
    int played = 0;
    int given[3] = {};
};

// A pair's slot among the standings: N-S's first in a Mitchell, then E-W's.
int slot(bool mitchell, int side, int pair) {
    return mitchell && side == 1 ? largestCount + pair : pair;
}

// Whether the results of one board can be scored; else `session` says where not.
bool isBoard(bool mitchell, std::span<const SessionResult> board, PairsSession& session) {
    bool seated[2 * largestCount + 2] = {};
    for (int i = 0; i < int(board.size()); ++i) {
        const auto& [northSouth, eastWest, adjusted, score] = board[i];
        bool fits =
            adjusted >= 0 && adjusted <= 5 && (!northSouth || northSouth != eastWest || mitchell);
        for (int side = 0; side < 2; ++side) {
            const int pair = side ? eastWest : northSouth;
            if (pair < 0 || pair > largestCount) {
                fits = false;
            } else if (pair) {
                fits = fits && !seated[slot(mitchell, side, pair)];
                seated[slot(mitchell, side, pair)] = true;
            }
        }
        if (!fits) {
            session.result = i;
            return false;
        }
    }
    return true;
}

// Whether the session can be scored; else `session` says where not.
bool isSession(bool mitchell, std::span<const int> counts, std::span<const SessionResult> results,
               PairsSession& session) {
    session.result = -1;
    std::size_t first = 0;
    for (session.board = 0; session.board < int(counts.size()); ++session.board) {
        const int count = counts[session.board];
        if (session.board >= largestCount || results.size() - first < std::size_t(count))
            break;
        if (count < 0 || count > largestCount ||
            !isBoard(mitchell, results.subspan(first, count), session))
            return false;
        first += count;
    }
    const bool whole = first == results.size() && session.board == int(counts.size());
    session.board = -1;
    return whole;
}

// Ranks every pair with a result into `session`, on the session's top. A
// pair's percentage is key / (5·D·top·weight): key is its total times 5·D·k,
// k its scored boards (1 for none), and weight k times its boards played.
// Its total is at most top·played, so key < 5·2^136·196·99·99 < 2^160, and
// the products below keep under 2^160·20000·2 < 2^176, or 2^160·2^18 for
// the quotients' wholes times their figures.
void rank(bool mitchell, std::span<const Standing> standings, std::uint32_t top, const Wide& common,
          PairsSession& session) {
    Wide keys[2 * largestCount];
    std::uint32_t weights[2 * largestCount];
    int slots[2 * largestCount], count = 0;
    for (int s = 0; s < int(standings.size()); ++s) {
        const Standing& standing = standings[s];
        if (!standing.played)
            continue;
        const std::uint32_t boards = std::max(standing.boards, 1);
        // Its own percentage times 5·D·top·k, of which Moyenne+ takes the
        // better with 60 %, Moyenne− the worse with 40 %.
        const Wide own = standing.scored * 5;
        const Wide base[3] = {common * (3 * top * boards), common * (5 * top / 2 * boards),
                              common * (2 * top * boards)};
        const Wide share[3] = {std::max(base[0], own), base[1],
                               standing.boards ? std::min(base[2], own) : base[2]};
        keys[count] = own * boards;
        for (int i = 0; i < 3; ++i)
            keys[count] = keys[count] + share[i] * std::uint32_t(standing.given[i]);
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
            const Wide mine = keys[i] * weights[j], theirs = keys[j] * weights[i];
            const bool same = !(mine < theirs) && !(theirs < mine);
            above += mine < theirs;
            level += same;
            before += same && j < i;
        }
        const Standing& standing = standings[slots[i]];
        const std::uint32_t boards = std::max(standing.boards, 1), whole = top * weights[i];
        session.rows[earlier + above + before] = {
            !mitchell  ? Direction::howell
            : eastWest ? Direction::eastWest
                       : Direction::northSouth,
            slots[i] - (eastWest ? largestCount : 0),
            above + 1,
            level > 1,
            standing.played,
            quotient(keys[i] * 20 + common * (5 * boards), common * (10 * boards)),
            quotient(keys[i] * 20000 + common * (5 * whole), common * (10 * whole))};
    }
    session.count = count;
}

} // namespace

int neubergMatchpoints(std::span<const SessionResult> board, int most, std::span<int> scaled) {
    int scoredCount = 0;
    for (const auto& result : board)
        scoredCount += !result.adjusted;
    for (std::size_t i = 0; i < board.size(); ++i) {
        int matchpoints = 0;
        for (const auto& other : board)
            if (!board[i].adjusted && !other.adjusted && &other != &board[i])
                matchpoints += (other.score < board[i].score) * 2 + (other.score == board[i].score);
        scaled[i] = board[i].adjusted ? 0 : (matchpoints + 1) * most - scoredCount;
    }
    return scoredCount;
}

void rankSession(bool mitchell, std::span<const int> counts, std::span<const SessionResult> results,
                 PairsSession& session) {
    session.count = 0;
    session.top = 0;
    session.refused = !isSession(mitchell, counts, results, session);
    if (session.refused)
        return;
    const int most = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    const std::uint32_t top = most > 1 ? 2 * (most - 1) : 0;
    session.top = int(top);
    if (!top)
        return;
    // D: each board's matchpoints are fractions over its count of scored results.
    Wide common{{1}};
    std::size_t first = 0;
    for (const int count : counts) {
        int scored = 0;
        for (const auto& result : results.subspan(first, count))
            scored += !result.adjusted;
        first += count;
        Wide rest = common;
        if (scored)
            common = common * std::uint32_t(scored / std::gcd(scored, int(divide(rest, scored))));
    }
    Standing standings[2 * largestCount + 2];
    first = 0;
    for (const int count : counts) {
        const auto board = results.subspan(first, count);
        first += count;
        int scaled[largestCount];
        const int scored = neubergMatchpoints(board, most, scaled);
        Wide unit = common; // D/n
        divide(unit, std::uint32_t(std::max(scored, 1)));
        for (int i = 0; i < count; ++i) {
            for (int side = 0; side < 2; ++side) {
                const int pair = side ? board[i].eastWest : board[i].northSouth;
                if (!pair)
                    continue;
                Standing& standing = standings[slot(mitchell, side, pair)];
                standing.played += 1;
                if (board[i].adjusted) {
                    standing.given[shares[board[i].adjusted][side]] += 1;
                } else {
                    standing.boards += 1;
                    standing.scored =
                        standing.scored +
                        unit * std::uint32_t(side ? top * scored - scaled[i] : scaled[i]);
                }
            }
        }
    }
    rank(mitchell, standings, top, common, session);
}

} // namespace quimbel
