// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Short labels on the picture (Na+, O2-, the cell's a, b, c and O), set with FreeType in the
// DejaVu Sans Bold face, so the window, the printout and every written picture show the same
// letters. Each label is a coverage mask of its letters and one of a dark outline around them.
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/file_search.h"

namespace kiva {

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
// labels at the same few sizes come back in every frame. Not for two threads at once.
class LabelFont {
public:
    LabelFont();
    ~LabelFont();
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;

    // Opens the face from `path`; false when FreeType cannot read it.
    bool Open(const std::string& path);
    bool IsOpen() const;
    // The label with its letters `pixelSize` pixels high (the em square), its outline
    // `outlineWidth` pixels wide; an empty stamp for an empty text or a closed face.
    const LabelStamp& Stamp(const std::string& text, int pixelSize, int outlineWidth);

private:
    struct Face;
    std::unique_ptr<Face> face_;
    std::map<std::tuple<std::string, int, int>, LabelStamp> stamps_;
};

// The label font of a picture, opened at its first labelled frame from FindLabelFontFile. A copy
// starts unopened.
class LabelLettering {
public:
    LabelLettering() = default;
    LabelLettering(const LabelLettering&) {}
    LabelLettering& operator=(const LabelLettering&) { return *this; }
    // The font, or null when the face is not installed (looked for once).
    LabelFont* Font();

private:
    std::unique_ptr<LabelFont> font_;
    bool looked_ = false;
};

}  // namespace kiva
