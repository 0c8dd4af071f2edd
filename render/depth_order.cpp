// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/depth_order.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/portable_std.h"

namespace kiva {

// Why the exchange sort can be computed rather than run. At one gap, passes until none swaps are
// a bubble sort of every chain of entries one gap apart, so each gap stably sorts its chains; a
// NaN key compares false both ways, so it never moves and is a wall that splits its chain. The
// last gap, 1, is then a stable sort of the whole array between the walls. Without NaN keys,
// entries with distinct keys end in key order whatever the earlier gaps did: only the relative
// order of equal keys depends on them, and that is their order before the last gap.
//
// So one stable sort of the keys gives the final order of distinct keys. Where keys tie (or NaN
// walls stand) the gaps are replayed on positions alone: with the entries visited in key order,
// equal keys by position, each chain's next free slot is the new position of the next entry of
// that chain, which is exactly a stable sort of every chain in one linear pass.

namespace {

// An item is a key's sortable bits, less those of the least key, over its entry number.
std::uint32_t EntryOf(std::uint64_t item) { return static_cast<std::uint32_t>(item); }
std::uint32_t KeyBitsOf(std::uint64_t item) { return static_cast<std::uint32_t>(item >> 32); }

// The key's bits as an unsigned integer that sorts as the floats do; -0 and +0 are equal keys.
std::uint32_t SortableBits(float key) {
    const auto bits = BitCast<std::uint32_t>(key == 0.0f ? 0.0f : key);
    return bits & 0x80000000u ? ~bits : bits | 0x80000000u;
}

// Sorts the keys that are not NaN into scratch.items, stably: a least-significant-digit radix
// sort in as few passes of at most 13 bits as the keys' spread needs. The depths of a scene span
// a narrow range of bit patterns, so two passes are the rule.
void RadixSortKeys(std::span<const float> keys, DepthOrderScratch& scratch) {
    std::vector<std::uint64_t>& items = scratch.items;
    items.resize(keys.size());
    std::uint32_t least = ~0u, most = 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const bool wall = std::isnan(keys[i]);
        const std::uint32_t bits = SortableBits(keys[i]);
        items[count] = std::uint64_t{bits} << 32 | i;
        count += !wall;  // a NaN's item is overwritten by the next
        if (!wall) {
            least = std::min(least, bits);
            most = std::max(most, bits);
        }
    }
    items.resize(count);
    const int width = count > 0 ? BitWidth(most - least) : 0;
    const int passes = (width + 12) / 13;
    const int digitBits = passes > 0 ? (width + passes - 1) / passes : 0;
    const std::uint64_t mask = (std::uint64_t{1} << digitBits) - 1;
    const std::size_t buckets = std::size_t{1} << digitBits;
    // Every pass's bucket sizes in one read, then each pass's bucket starts.
    std::vector<std::uint32_t> start(buckets * static_cast<std::size_t>(std::max(passes, 1)), 0u);
    const std::uint64_t offset = std::uint64_t{least} << 32;
    for (std::uint64_t& item : items) {
        item -= offset;
        for (int pass = 0; pass < passes; ++pass) ++start[pass * buckets + static_cast<std::size_t>((item >> (32 + pass * digitBits)) & mask)];
    }
    scratch.spare.resize(count);
    for (int pass = 0; pass < passes; ++pass) {
        std::uint32_t* bucketStart = &start[pass * buckets];
        std::uint32_t next = 0;
        for (std::size_t d = 0; d < buckets; ++d) next += std::exchange(bucketStart[d], next);
        const int shift = 32 + pass * digitBits;
        std::uint64_t* out = scratch.spare.data();
        for (const std::uint64_t item : items) out[bucketStart[static_cast<std::size_t>((item >> shift) & mask)]++] = item;
        items.swap(scratch.spare);
    }
}

struct Range {
    std::size_t first, last;  // [first, last) in key order
};

// Runs of two or more equal keys among the sorted items.
std::vector<Range> TiedRuns(const std::vector<std::uint64_t>& items) {
    std::vector<Range> runs;
    for (std::size_t i = 0; i < items.size();) {
        std::size_t j = i + 1;
        while (j < items.size() && KeyBitsOf(items[j]) == KeyBitsOf(items[i])) ++j;
        if (j - i > 1) runs.push_back({i, j});
        i = j;
    }
    return runs;
}

// Puts the items of each run of equal keys in the order of their positions: short runs by
// insertion, long ones all together by reading a table of positions in order.
void OrderRunsByPosition(const std::vector<Range>& runs, std::size_t n, DepthOrderScratch& scratch) {
    constexpr std::size_t kShortRun = 8;
    std::uint64_t* items = scratch.items.data();
    std::uint32_t* position = scratch.position.data();
    bool longRuns = false;
    for (const Range& r : runs) {
        if (r.last - r.first > kShortRun) {
            longRuns = true;
            continue;
        }
        for (std::size_t i = r.first + 1; i < r.last; ++i) {
            const std::uint32_t p = position[i];
            const std::uint64_t item = items[i];
            std::size_t j = i;
            for (; j > r.first && p < position[j - 1]; --j) {
                position[j] = position[j - 1];
                items[j] = items[j - 1];
            }
            position[j] = p;
            items[j] = item;
        }
    }
    if (!longRuns) return;
    // holder: at each position, the key-order index of the long-run item there, plus one.
    scratch.holder.resize(n, 0);
    scratch.runOf.resize(scratch.items.size());
    scratch.order.resize(scratch.items.size());
    std::vector<std::uint32_t> cursor(runs.size());
    for (std::size_t k = 0; k < runs.size(); ++k) {
        cursor[k] = static_cast<std::uint32_t>(runs[k].first);
        if (runs[k].last - runs[k].first <= kShortRun) continue;
        for (std::size_t i = runs[k].first; i < runs[k].last; ++i) {
            scratch.holder[position[i]] = static_cast<std::uint32_t>(i + 1);
            scratch.runOf[i] = static_cast<std::uint32_t>(k);
        }
    }
    for (std::size_t p = 0; p < n; ++p) {
        const std::uint32_t held = scratch.holder[p];
        if (held == 0) continue;
        scratch.holder[p] = 0;
        scratch.order[cursor[scratch.runOf[held - 1]]++] = held - 1;
    }
    std::vector<std::pair<std::uint32_t, std::uint64_t>> run;
    for (const Range& r : runs) {
        if (r.last - r.first <= kShortRun) continue;
        run.clear();
        for (std::size_t i = r.first; i < r.last; ++i) run.emplace_back(position[scratch.order[i]], items[scratch.order[i]]);
        for (std::size_t i = r.first; i < r.last; ++i) {
            position[i] = run[i - r.first].first;
            items[i] = run[i - r.first].second;
        }
    }
}

// The remainder of a 32-bit value by a fixed divisor with two multiplications instead of a
// division (Lemire, Kaser and Kurz, "Faster remainder by direct computation", 2019).
class FastRemainder {
public:
    explicit FastRemainder(std::uint32_t divisor) : divisor_(divisor), factor_(~std::uint64_t{0} / divisor + 1) {}
    std::uint32_t operator()(std::uint32_t value) const {
        __extension__ using Wide = unsigned __int128;
        return static_cast<std::uint32_t>((static_cast<Wide>(factor_ * value) * divisor_) >> 64);
    }

private:
    std::uint64_t divisor_, factor_;
};

// Replays the gaps from n div 2 down to `lastGap` on the positions of the sorted items (all of
// them start where their entry number says). Only the first `count` items are replayed: a later
// one never changes an earlier one's slot. `wall` marks the positions of NaN keys, if any.
void ReplayGaps(std::size_t n, const std::vector<bool>& wall, std::size_t lastGap, std::size_t count,
                const std::vector<Range>& runs, DepthOrderScratch& scratch) {
    std::vector<std::uint32_t>& position = scratch.position;
    position.resize(scratch.items.size());
    for (std::size_t i = 0; i < position.size(); ++i) position[i] = EntryOf(scratch.items[i]);
    scratch.nextSlot.resize(n);
    std::uint32_t* slot = scratch.nextSlot.data();
    for (std::size_t gap = n / 2; gap >= lastGap && gap > 0; gap /= 2) {
        const auto step = static_cast<std::uint32_t>(gap);
        if (wall.empty()) {
            // The chains of positions one gap apart, each filled from its first position on.
            for (std::uint32_t c = 0; c < step; ++c) slot[c] = c;
            const FastRemainder chainOf(step);
            for (std::size_t i = 0; i < count; ++i) {
                std::uint32_t& next = slot[chainOf(position[i])];
                position[i] = next;
                next += step;
            }
        } else {
            // The chains cut at the walls into segments, numbered as they start.
            scratch.segment.resize(n);
            std::uint32_t segments = 0;
            for (std::size_t p = 0; p < n; ++p) {
                if (wall[p]) continue;
                if (p < gap || wall[p - gap]) {
                    scratch.segment[p] = segments;
                    slot[segments++] = static_cast<std::uint32_t>(p);
                } else {
                    scratch.segment[p] = scratch.segment[p - gap];
                }
            }
            for (std::size_t i = 0; i < count; ++i) {
                std::uint32_t& next = slot[scratch.segment[position[i]]];
                position[i] = next;
                next += step;
            }
        }
        OrderRunsByPosition(runs, n, scratch);
    }
}

}  // namespace

void ExchangeSortOrder(std::span<const float> keys, std::vector<int>& order, DepthOrderScratch& scratch) {
    const std::size_t n = keys.size();
    RadixSortKeys(keys, scratch);
    const std::vector<std::uint64_t>& items = scratch.items;
    const std::vector<Range> runs = TiedRuns(items);
    order.resize(n);
    if (items.size() == n) {
        // The last gap sorts by key, equal keys in their order before it.
        if (!runs.empty()) ReplayGaps(n, {}, 2, runs.back().last, runs, scratch);
        for (std::size_t i = 0; i < n; ++i) order[i] = static_cast<int>(EntryOf(items[i]));
        return;
    }
    // Walls stand still, and everything else moves between them down to the last gap.
    std::vector<bool> wall(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        wall[i] = std::isnan(keys[i]);
        if (wall[i]) order[i] = static_cast<int>(i);
    }
    ReplayGaps(n, wall, 1, items.size(), runs, scratch);
    for (std::size_t i = 0; i < items.size(); ++i) order[scratch.position[i]] = static_cast<int>(EntryOf(items[i]));
}

}  // namespace kiva
