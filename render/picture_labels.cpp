// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/picture_labels.h"

#include <algorithm>
#include <cmath>

#include "chem/fixed_text.h"
#include "render/image_point.h"

namespace kiva {

namespace {

constexpr std::uint32_t kLetterWhite = 0xFFFFFF;
constexpr std::uint32_t kCellYellow = 0x00FFFF;  // the cell frame's colour
constexpr int kSmallestLabelPixels = 12;  // letters smaller than this cannot be read from the back of a class
constexpr int kSmallestLabelledAtom = 4;  // pixels of radius: a smaller atom's label could name any of its neighbours
constexpr float kCellLabelUnits = 14;     // picture units
constexpr float kLabelWidthOfAtom = 1.8f;  // of the drawn radius: the label stays within the atom

int OutlineWidth(int pixelSize) { return std::max(1, pixelSize / 8); }

std::uint8_t Blend(std::uint8_t under, std::uint8_t over, int coverage) {
    return static_cast<std::uint8_t>((under * (255 - coverage) + over * coverage + 127) / 255);
}

ImagePoint ProjectPoint(const ViewState& view, const PictureMap& map, Vector3D structurePoint) {
    return ToImagePoint(TransformPoint(view.viewTransform, structurePoint), map);
}

// The label's centre beyond `end`, a little more than a label's height further along from `from`.
PlacedLabel Beyond(ImagePoint from, ImagePoint end, int pixelSize, const LabelStamp& stamp) {
    const float dx = static_cast<float>(end.x - from.x), drow = static_cast<float>(end.row - from.row);
    const float length = std::sqrt(dx * dx + drow * drow);
    const float reach = length > 0 ? 1.1f * static_cast<float>(pixelSize) / length : 0;
    return {&stamp, end.x + ToPixel(dx * reach), end.row + ToPixel(drow * reach), kCellYellow};
}

}  // namespace

std::string AtomLabelText(const SceneAtom& atom) {
    return IonLabel(ElementKey(TextOf(atom.symbol)), TruncatedCharge(atom.charge));
}

std::vector<PlacedLabel> AtomLabels(const ViewState& view, const PictureMap& map, const PictureBuffers& picture,
                                    const std::vector<bool>& drawn, LabelFont& font) {
    std::vector<PlacedLabel> labels;
    for (std::size_t i = 0; i < view.atoms.size(); ++i) {
        if (!drawn.empty() && !drawn[i]) continue;
        const SceneAtom& atom = view.atoms[i];
        const int radius = AtomPixelRadius(atom, view, map);
        const ImagePoint p = ToImagePoint(atom.picture, map);
        if (p.x < 0 || p.x >= picture.width || p.row < 0 || p.row >= picture.height) continue;
        const int centreDepth = picture.depth[static_cast<std::size_t>(p.row) * static_cast<std::size_t>(picture.width) +
                                              static_cast<std::size_t>(p.x)];
        if (centreDepth > static_cast<long long>(p.z) + radius) continue;  // a nearer atom or bond covers the centre
        if (const LabelStamp* stamp = AtomLabelStamp(atom, radius, font)) {
            PlacedLabel label = AtomLabelAt(*stamp, p);
            label.nearest = p.z + radius;
            labels.push_back(label);
        }
    }
    return labels;
}

const LabelStamp* AtomLabelStamp(const SceneAtom& atom, int radius, LabelFont& font) {
    if (radius < kSmallestLabelledAtom) return nullptr;
    const std::string text = AtomLabelText(atom);
    // As high as the atom, but never below the smallest readable size: a small atom's label
    // reaches past it, and a nearer atom still covers it.
    int pixelSize = std::clamp(radius, kSmallestLabelPixels, kLargestLabelPixels);
    const LabelStamp* stamp = &font.Stamp(text, pixelSize, OutlineWidth(pixelSize));
    const float widest = kLabelWidthOfAtom * static_cast<float>(radius);
    if (static_cast<float>(stamp->width) > widest && pixelSize > kSmallestLabelPixels) {
        pixelSize = std::max(kSmallestLabelPixels, ToPixel(static_cast<float>(pixelSize) * widest / static_cast<float>(stamp->width)));
        stamp = &font.Stamp(text, pixelSize, OutlineWidth(pixelSize));
    }
    return stamp;
}

PlacedLabel AtomLabelAt(const LabelStamp& stamp, ImagePoint centre) { return {&stamp, centre.x, centre.row, kLetterWhite}; }

std::vector<PlacedLabel> CellEdgeLabels(const ViewState& view, const PictureMap& map, LabelFont& font) {
    if (view.displayState != DisplayState::CrystalSolid || !view.showCellFrame) return {};
    const int pixelSize = std::max(kSmallestLabelPixels, ToPixel(kCellLabelUnits * map.scale));
    const auto stamp = [&](const char* text) -> const LabelStamp& { return font.Stamp(text, pixelSize, OutlineWidth(pixelSize)); };
    const auto& [a, b, c] = view.cellAxes;
    const ImagePoint origin = ProjectPoint(view, map, {0, 0, 0});
    const ImagePoint centre = ProjectPoint(view, map, Scale(0.5f, Add(Add(a, b), c)));
    return {Beyond(centre, origin, pixelSize, stamp("O")), Beyond(origin, ProjectPoint(view, map, a), pixelSize, stamp("a")),
            Beyond(origin, ProjectPoint(view, map, b), pixelSize, stamp("b")),
            Beyond(origin, ProjectPoint(view, map, c), pixelSize, stamp("c"))};
}

void DrawLabels(const std::vector<PlacedLabel>& labels, PictureBuffers& picture, RowBand band) {
    const int firstRow = std::max(band.first, 0), endRow = std::min(band.end, picture.height);
    for (const PlacedLabel& label : labels) {
        const LabelStamp& stamp = *label.stamp;
        const int left = label.x - stamp.width / 2, top = label.row - stamp.height / 2;
        const std::uint8_t colour[3] = {static_cast<std::uint8_t>(label.colour >> 16), static_cast<std::uint8_t>(label.colour >> 8),
                                        static_cast<std::uint8_t>(label.colour)};
        const std::uint8_t dark[3] = {static_cast<std::uint8_t>(kLabelOutline >> 16), static_cast<std::uint8_t>(kLabelOutline >> 8),
                                      static_cast<std::uint8_t>(kLabelOutline)};
        for (int row = std::max(top, firstRow); row < std::min(top + stamp.height, endRow); ++row)
            for (int x = std::max(left, 0); x < std::min(left + stamp.width, picture.width); ++x) {
                const std::size_t at = static_cast<std::size_t>(row - top) * static_cast<std::size_t>(stamp.width) +
                                       static_cast<std::size_t>(x - left);
                const std::size_t pixel = static_cast<std::size_t>(row) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x);
                if (picture.depth[pixel] > label.nearest) continue;
                std::uint8_t* bytes = &picture.colour[3 * pixel];
                for (int channel = 0; channel < 3; ++channel) {
                    bytes[channel] = Blend(bytes[channel], dark[channel], stamp.outline[at]);
                    bytes[channel] = Blend(bytes[channel], colour[channel], stamp.letters[at]);
                }
            }
    }
}

}  // namespace kiva
