// SPDX-License-Identifier: GPL-2.0-or-later
// The whole frame: the scene and its overlays drawn band by band, each band of rows on a thread of
// its own. Every pixel takes the same writes in the same order whichever band holds it, so the
// bytes do not depend on the number of bands.
#include <algorithm>
#include <atomic>
#include <thread>

#include "render/draw_budget.h"
#include "render/image_point.h"
#include "render/overlays.h"
#include "render/picture_labels.h"
#include "render/rasterizer.h"
#include "render/render_frame.h"

namespace kiva {

namespace {

constexpr std::int16_t kFarthest = -32640;  // every depth byte 0x80
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr int kMaxRenderThreads = 64;
constexpr int kBandsPerThread = 2;  // a thread that finishes early takes another band
constexpr int kFewestBandRows = 32;  // below this a band costs more in setup than it draws

void DrawBond(Rasterizer& raster, const ViewState& view, const PictureMap& map, const SceneBond& bond,
              std::uint32_t contrast) {
    const Vector3D a = ToDeviceVector(view.atoms[bond.first].picture, map);
    const Vector3D b = ToDeviceVector(view.atoms[bond.second].picture, map);
    const ImagePoint pa = ToImagePoint(view.atoms[bond.first].picture, map);
    const ImagePoint pb = ToImagePoint(view.atoms[bond.second].picture, map);
    const float w = DevicePixelSize(view, map);
    switch (bond.kind) {
    case 0:
        if (view.showCoordination) raster.DrawLine3D(pa.x, pa.row, pa.z, pb.x, pb.row, pb.z, contrast);
        break;
    case 1:
    case 4:
        raster.DrawCylinder(pa.x, pa.row, pa.z, pb.x, pb.row, pb.z, ToPixel(0.1f / w), bond.kind == 1 ? kWhite : kYellow);
        break;
    case 2: {
        const SidewaysOffset o = DoubleBondOffset(a, b, w);
        const int r = ToPixel(0.075f / w);
        raster.DrawCylinder(pa.x + o.ox, pa.row - o.oy, pa.z, pb.x + o.ox, pb.row - o.oy, pb.z, r, kWhite);
        raster.DrawCylinder(pa.x - o.ox, pa.row + o.oy, pa.z, pb.x - o.ox, pb.row + o.oy, pb.z, r, kWhite);
        break;
    }
    case 3: {
        const int r = ToPixel(0.05f / w);
        for (const Vector3D& o : TripleBondOffsets(Subtract(a, b), w)) {
            const int ox = ToPixel(o.x), oy = ToPixel(o.y), oz = ToPixel(o.z);
            raster.DrawCylinder(pa.x + ox, pa.row - oy, pa.z + oz, pb.x + ox, pb.row - oy, pb.z + oz, r, kWhite);
        }
        break;
    }
    default:
        break;
    }
}

// What every band of one frame shares, worked out once.
struct FrameWork {
    const ViewState& view;
    PictureMap map;
    PictureStyle style;
    bool everything;          // every item fits the drawing budget
    std::vector<bool> drawn;  // otherwise, which items do
    const std::vector<PlacedSphere>& spheres;
    const std::vector<std::size_t>& bonds;  // the bonds drawn, in the scene's order
    std::vector<PlacedLabel> atomLabels, cellLabels;
};

// The drawn atoms' spheres in device pixels, in the scene's order. Atoms come in runs of one
// element: their pixel radius is worked out once a run.
void PlaceSpheres(const FrameWork& frame, std::vector<PlacedSphere>& spheres) {
    const ViewState& view = frame.view;
    spheres.clear();
    bool known = false;
    float lastRadius = 0;
    int pixelRadius = 0;
    for (std::size_t i = 0; i < view.atoms.size(); ++i) {
        if (!frame.everything && !frame.drawn[i]) continue;
        const SceneAtom& atom = view.atoms[i];
        if (!known || !(atom.radius == lastRadius)) {
            known = true;
            lastRadius = atom.radius;
            pixelRadius = std::clamp(AtomPixelRadius(atom, view, frame.map), 0, static_cast<int>(kPixelLimit));
        }
        const ImagePoint p = ToImagePoint(atom.picture, frame.map);
        spheres.push_back({p.x, p.row, p.z, pixelRadius, atom.color});
    }
}

// The bonds the frame draws: in the ball-and-stick model those shown, valid and within the budget.
void ChooseBonds(const FrameWork& frame, std::vector<std::size_t>& bonds) {
    const ViewState& view = frame.view;
    bonds.clear();
    if (view.displayModel != DisplayModel::BallAndStick) return;
    const std::size_t atomCount = view.atoms.size();
    for (std::size_t e = 0; e < view.bonds.size(); ++e) {
        const SceneBond& bond = view.bonds[e];
        const bool hidden = bond.kind == static_cast<std::int32_t>(BondKind::Coordination) && !view.showCoordination;
        if (!hidden && (frame.everything || frame.drawn[atomCount + e]) && BondIsValid(view, bond)) bonds.push_back(e);
    }
}

// The background, the picture frame, the atoms and the bonds.
void RenderSceneBand(const FrameWork& frame, PictureBuffers& picture, RowBand band, FootprintCache& footprints) {
    const ViewState& view = frame.view;
    const auto first = static_cast<std::size_t>(band.first) * static_cast<std::size_t>(picture.width);
    const auto end = static_cast<std::size_t>(band.end) * static_cast<std::size_t>(picture.width);
    std::fill(picture.colour.begin() + static_cast<std::ptrdiff_t>(3 * first),
              picture.colour.begin() + static_cast<std::ptrdiff_t>(3 * end), frame.style.background);
    std::fill(picture.depth.begin() + static_cast<std::ptrdiff_t>(first), picture.depth.begin() + static_cast<std::ptrdiff_t>(end),
              kFarthest);
    Rasterizer raster(picture, view.screenBitsPerPixel, band, footprints);
    const std::uint32_t contrast = ContrastColor(frame.style.background);
    if (frame.style.frame) DrawPictureFrame(raster);
    for (const PlacedSphere& sphere : frame.spheres)
        if (sphere.row + sphere.radius >= band.first && sphere.row - sphere.radius < band.end)
            raster.DrawSphere(sphere.x, sphere.row, sphere.z, sphere.radius, sphere.colour);
    for (const std::size_t e : frame.bonds) DrawBond(raster, view, frame.map, view.bonds[e], contrast);
}

// The atoms' labels, then the line work over them, then the cell's labels.
void RenderOverlayBand(const FrameWork& frame, PictureBuffers& picture, RowBand band, FootprintCache& footprints) {
    DrawLabels(frame.atomLabels, picture, band);
    Rasterizer raster(picture, frame.view.screenBitsPerPixel, band, footprints);
    DrawOverlays(frame.view, frame.map, raster, ContrastColor(frame.style.background));
    DrawLabels(frame.cellLabels, picture, band);
}

void RenderBand(const FrameWork& frame, PictureBuffers& picture, RowBand band, FootprintCache& footprints) {
    RenderSceneBand(frame, picture, band, footprints);
    RenderOverlayBand(frame, picture, band, footprints);
}

using BandWork = void (*)(const FrameWork&, PictureBuffers&, RowBand, FootprintCache&);

// Runs `work` over the picture's bands on `threads` threads. The dither runs on one sequence
// across the picture's pixels in drawing order: a dithered picture is one band, drawn as a
// single pass would draw it.
void RunBands(const FrameWork& frame, PictureBuffers& picture, int threads, BandWork work) {
    const int height = picture.height;
    const bool dithered = frame.view.screenBitsPerPixel < 16;
    int workers = dithered ? 1 : std::clamp(threads, 1, kMaxRenderThreads);
    const int bands = dithered ? 1 : std::clamp(workers * kBandsPerThread, 1, std::max(height / kFewestBandRows, 1));
    workers = std::min(workers, bands);
    if (bands == 1) {
        work(frame, picture, {0, height}, picture.footprints);
        return;
    }
    while (picture.threadFootprints.size() + 1 < static_cast<std::size_t>(workers)) picture.threadFootprints.emplace_back();
    std::atomic<int> next{0};
    const auto run = [&](FootprintCache& footprints) {
        for (int band = next++; band < bands; band = next++)
            work(frame, picture, {band * height / bands, (band + 1) * height / bands}, footprints);
    };
    std::vector<std::jthread> helpers;
    for (int t = 1; t < workers; ++t) helpers.emplace_back(run, std::ref(picture.threadFootprints[static_cast<std::size_t>(t - 1)]));
    run(picture.footprints);
}

}  // namespace

int RenderThreadCount() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(cores), 1, kMaxRenderThreads);
}

std::uint32_t ContrastColor(std::uint8_t background) {
    const unsigned grey = 255u - background;
    return grey | grey << 8 | grey << 16;
}

void RenderFrame(const ViewState& view, PictureBuffers& picture, std::uint8_t background) {
    RenderFrame(view, picture, PictureStyle{background, true});
}

void RenderFrame(const ViewState& view, PictureBuffers& picture, std::uint8_t background, int threads) {
    RenderFrame(view, picture, PictureStyle{background, true}, threads);
}

void RenderFrame(const ViewState& view, PictureBuffers& picture, PictureStyle style, int threads) {
    FrameWork frame{view, MapOfArea(picture.Area()), style, false, {}, picture.spheres, picture.bonds, {}, {}};
    const std::uint64_t budget = FrameDrawBudget(frame.map);
    frame.everything = EveryItemFitsBudget(view, frame.map, budget);
    if (!frame.everything) frame.drawn = ItemsDrawnWithinBudget(view, frame.map, budget);
    PlaceSpheres(frame, picture.spheres);
    ChooseBonds(frame, picture.bonds);
    LabelFont* font = view.showLabels ? picture.lettering.Font() : nullptr;
    if (!font) {
        RunBands(frame, picture, threads, RenderBand);
        return;
    }
    // Whether an atom's label shows depends on the finished depths at its centre, which may lie
    // in another band: every band's atoms and bonds come first.
    RunBands(frame, picture, threads, RenderSceneBand);
    frame.atomLabels = AtomLabels(view, frame.map, picture, frame.drawn, *font);
    frame.cellLabels = CellEdgeLabels(view, frame.map, *font);
    RunBands(frame, picture, threads, RenderOverlayBand);
}

}  // namespace kiva
