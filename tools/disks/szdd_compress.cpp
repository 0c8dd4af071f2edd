// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/disks/szdd_compress.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace kiva::disks {

namespace {

constexpr int kWindowSize = 4096;
constexpr int kWindowMask = kWindowSize - 1;
// The expander starts writing its space-filled window here.
constexpr int kFirstWindowPosition = kWindowSize - 16;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 18;  // the length field holds 0 to 15 above the minimum
// Matches reach no further back than this, so a match's source is never overwritten while it
// is copied, whichever way an expander copies.
constexpr int kMaxDistance = kWindowSize - kMaxMatch;
constexpr int kMaxChain = 256;  // candidates tried per position: speed against compression
constexpr int kHashSize = 1 << 16;

unsigned Hash(const unsigned char* bytes) {
    return ((unsigned{bytes[0]} << 8) ^ (unsigned{bytes[1]} << 4) ^ unsigned{bytes[2]}) & (kHashSize - 1);
}

// Items go out in groups of eight behind a flag byte: bit set for a literal, clear for a match.
class ItemWriter {
public:
    explicit ItemWriter(std::string& out) : out_(out) {}
    void Literal(unsigned char byte) {
        StartItem(true);
        out_ += static_cast<char>(byte);
    }
    void Match(int windowPosition, int length) {
        StartItem(false);
        out_ += static_cast<char>(windowPosition & 0xFF);
        out_ += static_cast<char>(((windowPosition >> 4) & 0xF0) | (length - kMinMatch));
    }

private:
    void StartItem(bool literal) {
        if (bit_ == 8) {
            flagIndex_ = out_.size();
            out_ += '\0';
            bit_ = 0;
        }
        if (literal) out_[flagIndex_] = static_cast<char>(static_cast<unsigned char>(out_[flagIndex_]) | (1u << bit_));
        ++bit_;
    }

    std::string& out_;
    std::size_t flagIndex_ = 0;
    int bit_ = 8;
};

}  // namespace

std::string CompressSzdd(std::string_view data, char missingChar) {
    if (data.size() > kMaxSzddInput) throw std::length_error("a file of 4 GB or more cannot be compressed");
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    const auto size = static_cast<std::int64_t>(data.size());

    std::string out = "SZDD\x88\xF0\x27\x33";
    out += 'A';
    out += missingChar;
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((data.size() >> shift) & 0xFF);

    std::vector<std::int64_t> head(kHashSize, -1);
    std::vector<std::int64_t> previous(kWindowSize, -1);  // chains of earlier positions, by window slot
    const auto insert = [&](std::int64_t position) {
        if (position + kMinMatch > size) return;
        const unsigned hash = Hash(bytes + position);
        previous[static_cast<std::size_t>(position & kWindowMask)] = head[hash];
        head[hash] = position;
    };

    ItemWriter items(out);
    std::int64_t position = 0;
    while (position < size) {
        int bestLength = 0;
        std::int64_t bestSource = 0;
        if (position + kMinMatch <= size) {
            const int longest = static_cast<int>(std::min<std::int64_t>(kMaxMatch, size - position));
            std::int64_t candidate = head[Hash(bytes + position)];
            for (int tries = 0; candidate >= 0 && position - candidate <= kMaxDistance && tries < kMaxChain; ++tries) {
                int length = 0;
                while (length < longest && bytes[candidate + length] == bytes[position + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestSource = candidate;
                    if (length == longest) break;
                }
                candidate = previous[static_cast<std::size_t>(candidate & kWindowMask)];
            }
        }
        if (bestLength >= kMinMatch) {
            items.Match(static_cast<int>((bestSource + kFirstWindowPosition) & kWindowMask), bestLength);
            for (int i = 0; i < bestLength; ++i) insert(position + i);
            position += bestLength;
        } else {
            items.Literal(bytes[position]);
            insert(position);
            ++position;
        }
    }
    return out;
}

}  // namespace kiva::disks
