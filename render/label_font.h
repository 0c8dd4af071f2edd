// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Short labels on the picture (Na+, O2-, the cell's a, b, c and O), set with FreeType in the
// DejaVu Sans Bold face, so the window, the printout and every written picture show the same
// letters. Each label is a coverage mask of its letters and one of a dark outline around them.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/file_search.h"

namespace kiva {

// The typeface the letters are set in, opened from its file.
struct LabelFace;
struct LabelFaceCloser {
    void operator()(LabelFace* face) const;
};

// The label face's file: DejaVuSans-Bold.ttf under the fonts folder of the user's data folder or
// of one of the system's ($XDG_DATA_HOME, default ~/.local/share; $XDG_DATA_DIRS, default
// /usr/local/share:/usr/share), in the places the distributions keep it. Nothing when none has it.
std::optional<std::string> FindLabelFontFile(const EnvironmentReader& environment = ProcessEnvironment());

// A label's letters at one size: `width` x `height` pixels, one byte of coverage (0 to 255) a
// pixel, in top-down rows, for the letters and for the outline around them.
struct LabelStamp {
    int width = 0, height = 0;
    std::vector<std::uint8_t> letters;
    std::vector<std::uint8_t> outline;
};

inline constexpr int kLargestLabelPixels = 1024;  // letters higher than this would cover more than the picture
inline constexpr std::uint32_t kLabelOutline = 0x202020;  // the dark outline round every label's letters
// What a font keeps of earlier frames' stamps: some five hundred labels 30 pixels high, or a
// frame's labels a few hundred pixels high. Zooming and resizing make new sizes in nearly every frame.
inline constexpr std::size_t kLabelStampCacheBytes = std::size_t{2} << 20;

// A stamp centred on a device pixel, in a colour over its dark outline.
struct PlacedLabel {
    const LabelStamp* stamp;
    int x, row;  // the centre, device pixels
    std::uint32_t colour;
    // The shaded picture draws a pixel only where nothing nearer than this depth lies: a label
    // stays on its atom's surface, and nearer atoms cover it as they cover the atom.
    int nearest = std::numeric_limits<int>::max();
};

// The face, opened once, and the stamps it has set, kept for the frames to come: the same few
// labels at the same few sizes come back in every frame. A stamp stays valid until the next
// frame begins; then the least recently used stamps of earlier frames are let go while they
// hold more than kLabelStampCacheBytes. Not for two threads at once.
class LabelFont {
public:
    LabelFont();
    ~LabelFont();
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;

    // Opens the face from `path`; false when FreeType cannot read it.
    bool Open(const std::string& path);
    bool IsOpen() const;
    // A new frame: no stamp given out before is held any longer.
    void BeginFrame();
    // The label with its letters `pixelSize` pixels high (the em square), its outline
    // `outlineWidth` pixels wide; an empty stamp for an empty text or a closed face. Valid until
    // the next frame begins, however many stamps this frame takes.
    const LabelStamp& Stamp(const std::string& text, int pixelSize, int outlineWidth);
    // What the kept stamps hold: their pixels and the bookkeeping of each.
    std::size_t CachedBytes() const { return cachedBytes_; }

private:
    using StampKey = std::tuple<std::string, int, int>;
    struct CachedStamp {
        LabelStamp stamp;
        std::uint64_t frame = 0;                      // the last frame that took it
        std::list<const StampKey*>::iterator use;     // its place in recentUses_
    };
    // Lets go of stamps of earlier frames, least recently used first, down to the bound.
    void LetGoOfOldStamps();

    std::unique_ptr<LabelFace, LabelFaceCloser> face_;
    std::map<StampKey, CachedStamp> stamps_;
    std::list<const StampKey*> recentUses_;  // the keys of stamps_, the most recently used first
    std::size_t cachedBytes_ = 0;
    std::uint64_t frame_ = 0;
};

// The label font of a picture, opened at its first labelled frame from FindLabelFontFile. A copy
// starts unopened.
class LabelLettering {
public:
    LabelLettering() = default;
    LabelLettering(const LabelLettering&) {}
    LabelLettering& operator=(const LabelLettering&) { return *this; }
    // The font for the frame about to be drawn, or null when the face is not installed (looked
    // for once). Each call begins a frame of the font: call it once a frame, before taking stamps.
    LabelFont* Font();

private:
    std::unique_ptr<LabelFont> font_;
    bool looked_ = false;
};

}  // namespace kiva
