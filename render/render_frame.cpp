// SPDX-License-Identifier: GPL-2.0-or-later
// The whole frame: the scene's items placed in parts, then the scene and its overlays drawn band
// by band, parts and bands shared out among the threads kept for frames. Every pixel takes the
// same writes in the same order whichever band holds it, so the bytes do not depend on the number
// of parts, bands or threads.
#include <algorithm>

#include "render/draw_budget.h"
#include "render/frame_items.h"
#include "render/image_point.h"
#include "render/overlays.h"
#include "render/picture_labels.h"
#include "render/rasterizer.h"
#include "render/render_frame.h"
#include "render/render_workers.h"
#include "render/smooth_edges.h"
#include "render/translucent_faces.h"

namespace kiva {

namespace {

constexpr std::int16_t kFarthest = -32640;  // every depth byte 0x80
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr int kBandsPerThread = 2;  // a thread that finishes early takes another band
constexpr int kFewestBandRows = 32;  // below this a band costs more in setup than it draws
constexpr std::size_t kFewestPartItems = 4096;  // below this a part costs more to hand out than to place

// The tubes of a bond, as image points and a radius in device pixels: one for a single or
// yellow bond, two for a double, three for a triple; none for a coordination line.
template <typename TubeSink>
void ForEachTube(const ViewState& view, const PictureMap& map, const SceneBond& bond, TubeSink&& tube) {
    const Vector3D a = ToDeviceVector(view.atoms[bond.first].picture, map);
    const Vector3D b = ToDeviceVector(view.atoms[bond.second].picture, map);
    const ImagePoint pa = ToImagePoint(view.atoms[bond.first].picture, map);
    const ImagePoint pb = ToImagePoint(view.atoms[bond.second].picture, map);
    const float w = DevicePixelSize(view, map);
    switch (bond.kind) {
    case 1:
    case 4: tube(pa, pb, ToPixel(0.1f / w), bond.kind == 1 ? kWhite : kYellow); break;
    case 2: {
        const SidewaysOffset o = DoubleBondOffset(a, b, w);
        const int r = ToPixel(0.075f / w);
        tube({pa.x + o.ox, pa.row - o.oy, pa.z}, {pb.x + o.ox, pb.row - o.oy, pb.z}, r, kWhite);
        tube({pa.x - o.ox, pa.row + o.oy, pa.z}, {pb.x - o.ox, pb.row + o.oy, pb.z}, r, kWhite);
        break;
    }
    case 3: {
        const int r = ToPixel(0.05f / w);
        for (const Vector3D& o : TripleBondOffsets(Subtract(a, b), w)) {
            const int ox = ToPixel(o.x), oy = ToPixel(o.y), oz = ToPixel(o.z);
            tube({pa.x + ox, pa.row - oy, pa.z + oz}, {pb.x + ox, pb.row - oy, pb.z + oz}, r, kWhite);
        }
        break;
    }
    default: break;
    }
}

void DrawBond(Rasterizer& raster, const ViewState& view, const PictureMap& map, const SceneBond& bond,
              std::uint32_t contrast) {
    if (bond.kind == 0) {
        if (!view.showCoordination) return;
        const ImagePoint pa = ToImagePoint(view.atoms[bond.first].picture, map);
        const ImagePoint pb = ToImagePoint(view.atoms[bond.second].picture, map);
        raster.DrawLine3D(pa.x, pa.row, pa.z, pb.x, pb.row, pb.z, contrast);
        return;
    }
    ForEachTube(view, map, bond, [&raster](ImagePoint p, ImagePoint q, int r, std::uint32_t colour) {
        raster.DrawCylinder(p.x, p.row, p.z, q.x, q.row, q.z, r, colour);
    });
}

// What every band of one frame shares, worked out once.
struct FrameWork {
    const ViewState& view;
    PictureMap map;
    PictureStyle style;
    int height, bands;        // band b holds rows b * height / bands to (b + 1) * height / bands - 1
    int workers;              // the threads that draw the bands
    int parts;                // the parts of the scene placed one by one
    std::vector<bool> drawn;  // which items fit the drawing budget; empty when every one does
    std::vector<PlacedLabel> atomLabels, cellLabels;
    TranslucentItems translucent;  // the polyhedra and the lattice plane, when the view shows them
    std::vector<EdgeTube> tubes;      // smooth: the bonds' tubes, whose sides blend
};

RowBand BandRows(const FrameWork& frame, int band) {
    return {static_cast<int>(static_cast<long long>(band) * frame.height / frame.bands),
            static_cast<int>(static_cast<long long>(band + 1) * frame.height / frame.bands)};
}

// The background, the picture frame, the atoms and the bonds.
void RenderOpaqueBand(const FrameWork& frame, PictureBuffers& picture, int bandIndex, FootprintCache& footprints) {
    const ViewState& view = frame.view;
    const RowBand band = BandRows(frame, bandIndex);
    const auto first = static_cast<std::size_t>(band.first) * static_cast<std::size_t>(picture.width);
    const auto end = static_cast<std::size_t>(band.end) * static_cast<std::size_t>(picture.width);
    std::fill(picture.colour.begin() + static_cast<std::ptrdiff_t>(3 * first),
              picture.colour.begin() + static_cast<std::ptrdiff_t>(3 * end), frame.style.background);
    std::fill(picture.depth.begin() + static_cast<std::ptrdiff_t>(first), picture.depth.begin() + static_cast<std::ptrdiff_t>(end),
              kFarthest);
    Rasterizer raster(picture, view.screenBitsPerPixel, band, footprints);
    const std::uint32_t contrast = ContrastColor(frame.style.background);
    if (frame.style.frame) DrawPictureFrame(raster);
    for (const std::vector<PlacedSphere>& spheres : picture.partSpheres) raster.DrawSpheres(spheres);
    for (const std::vector<std::size_t>& bonds : picture.partBonds)
        for (const std::size_t e : bonds) DrawBond(raster, view, frame.map, view.bonds[e], contrast);
}

// The see-through faces over the atoms, and the polyhedra's and the plane's edges.
void RenderTranslucentBand(const FrameWork& frame, PictureBuffers& picture, int bandIndex, FootprintCache& footprints) {
    if (frame.translucent.Empty()) return;
    const RowBand band = BandRows(frame, bandIndex);
    BlendFaces(frame.translucent, picture, band);
    Rasterizer raster(picture, frame.view.screenBitsPerPixel, band, footprints);
    for (const FaceEdge& edge : frame.translucent.edges)
        if (frame.style.smooth)
            raster.DrawSmoothLine3D(edge.from.x, edge.from.row, edge.from.z, edge.to.x, edge.to.row, edge.to.z, edge.colour);
        else
            raster.DrawLine3D(edge.from.x, edge.from.row, edge.from.z, edge.to.x, edge.to.row, edge.to.z, edge.colour);
}

// The scene of a frame drawn without smoothing, each band on its own.
void RenderSceneBand(const FrameWork& frame, PictureBuffers& picture, int bandIndex, FootprintCache& footprints) {
    RenderOpaqueBand(frame, picture, bandIndex, footprints);
    RenderTranslucentBand(frame, picture, bandIndex, footprints);
}

// Smooth: once every band's atoms and bonds are drawn, the edge pixels' blends are found...
void FindBandRimBlends(const FrameWork& frame, PictureBuffers& picture, int bandIndex, FootprintCache&) {
    FindRimBlends(picture.partSpheres, frame.tubes, picture, BandRows(frame, bandIndex),
                  picture.bandRimBlends[static_cast<std::size_t>(bandIndex)]);
}

// ... and once every band's are found, they are written, and the faces go over.
void RenderSmoothedBand(const FrameWork& frame, PictureBuffers& picture, int bandIndex, FootprintCache& footprints) {
    WriteRimBlends(picture.bandRimBlends[static_cast<std::size_t>(bandIndex)], picture);
    RenderTranslucentBand(frame, picture, bandIndex, footprints);
}

// The atoms' labels, then the line work over them, then the cell's labels.
void RenderOverlayBand(const FrameWork& frame, PictureBuffers& picture, int bandIndex, FootprintCache& footprints) {
    const RowBand band = BandRows(frame, bandIndex);
    DrawLabels(frame.atomLabels, picture, band);
    Rasterizer raster(picture, frame.view.screenBitsPerPixel, band, footprints);
    DrawOverlays(frame.view, frame.map, raster, ContrastColor(frame.style.background));
    DrawLabels(frame.cellLabels, picture, band);
}

void RenderBand(const FrameWork& frame, PictureBuffers& picture, int bandIndex, FootprintCache& footprints) {
    RenderSceneBand(frame, picture, bandIndex, footprints);
    RenderOverlayBand(frame, picture, bandIndex, footprints);
}

void RenderSmoothedOverlayBand(const FrameWork& frame, PictureBuffers& picture, int bandIndex, FootprintCache& footprints) {
    RenderSmoothedBand(frame, picture, bandIndex, footprints);
    RenderOverlayBand(frame, picture, bandIndex, footprints);
}

// The bonds' tubes as the frame draws them, for their sides to blend.
std::vector<EdgeTube> FrameTubes(const FrameWork& frame, const PictureBuffers& picture) {
    std::vector<EdgeTube> tubes;
    for (const std::vector<std::size_t>& bonds : picture.partBonds)
        for (const std::size_t e : bonds)
            ForEachTube(frame.view, frame.map, frame.view.bonds[e], [&tubes](ImagePoint p, ImagePoint q, int r, std::uint32_t) {
                tubes.push_back({p, q, r});
            });
    return tubes;
}

using BandWork = void (*)(const FrameWork&, PictureBuffers&, int, FootprintCache&);

void RunBands(const FrameWork& frame, PictureBuffers& picture, BandWork work) {
    if (frame.bands == 1) {
        work(frame, picture, 0, picture.footprints);
        return;
    }
    while (picture.threadFootprints.size() + 1 < static_cast<std::size_t>(frame.workers)) picture.threadFootprints.emplace_back();
    SharedRenderWorkers().Run(frame.bands, frame.workers, [&](int band, int worker) {
        work(frame, picture, band, worker == 0 ? picture.footprints : picture.threadFootprints[static_cast<std::size_t>(worker - 1)]);
    });
}

// The spheres and bonds the frame draws, into the buffers' lists. Every part of the scene is placed
// on the assumption that all of it fits the drawing budget, which the placing itself checks; a
// scene that does not is placed again, item by item as the budget allows.
void PlaceItems(FrameWork& frame, PictureBuffers& picture, int threads) {
    const ViewState& view = frame.view;
    const std::size_t atomCount = view.atoms.size(), bondCount = view.bonds.size();
    picture.partSpheres.resize(static_cast<std::size_t>(frame.parts));
    picture.partBonds.resize(static_cast<std::size_t>(frame.parts));
    for (std::vector<PlacedSphere>& spheres : picture.partSpheres) spheres.clear();
    for (std::vector<std::size_t>& bonds : picture.partBonds) bonds.clear();
    std::vector<AtomExtent> extents(static_cast<std::size_t>(frame.parts));
    std::vector<BondKindCount> kinds(static_cast<std::size_t>(frame.parts));
    const auto parts = static_cast<std::size_t>(frame.parts);
    SharedRenderWorkers().Run(frame.parts, threads, [&](int task, int) {
        const auto part = static_cast<std::size_t>(task);
        PlaceSpheres(view, frame.map, part * atomCount / parts, (part + 1) * atomCount / parts, {}, picture.partSpheres[part],
                     &extents[part]);
        ChooseBonds(view, part * bondCount / parts, (part + 1) * bondCount / parts, {}, picture.partBonds[part], &kinds[part]);
    });
    const std::uint64_t budget = FrameDrawBudget(frame.map);
    if (EveryItemFitsBudget(view, frame.map, budget, Merged(extents), Merged(kinds))) return;
    frame.drawn = ItemsDrawnWithinBudget(view, frame.map, budget);
    for (std::vector<PlacedSphere>& spheres : picture.partSpheres) spheres.clear();
    for (std::vector<std::size_t>& bonds : picture.partBonds) bonds.clear();
    PlaceSpheres(view, frame.map, 0, atomCount, frame.drawn, picture.partSpheres[0], nullptr);
    ChooseBonds(view, 0, bondCount, frame.drawn, picture.partBonds[0], nullptr);
}

}  // namespace

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
    threads = std::clamp(threads, 1, kMaxRenderThreads);
    // The dither runs on one sequence across the picture's pixels in drawing order: a dithered
    // picture is one band, drawn as a single pass would draw it.
    const bool dithered = view.screenBitsPerPixel < 16;
    const int bands = dithered ? 1 : std::clamp(threads * kBandsPerThread, 1, std::max(picture.height / kFewestBandRows, 1));
    const std::size_t items = view.atoms.size() + view.bonds.size();
    const int parts = static_cast<int>(std::clamp<std::size_t>(items / kFewestPartItems, 1, static_cast<std::size_t>(threads * kBandsPerThread)));
    FrameWork frame{view, MapOfArea(picture.Area()), style, picture.height, bands, std::min(threads, bands), parts, {}, {}, {}, {}, {}};
    PlaceItems(frame, picture, threads);
    frame.translucent = CollectTranslucentItems(view, frame.map);
    LabelFont* font = view.showLabels ? picture.lettering.Font() : nullptr;
    if (style.smooth) {
        // A rim pixel looks across into its neighbours, which may lie in another band: every
        // band's atoms and bonds come first.
        RunBands(frame, picture, RenderOpaqueBand);
        frame.tubes = FrameTubes(frame, picture);
        picture.bandRimBlends.resize(static_cast<std::size_t>(frame.bands));
        RunBands(frame, picture, FindBandRimBlends);
        if (!font) {
            RunBands(frame, picture, RenderSmoothedOverlayBand);
            return;
        }
        RunBands(frame, picture, RenderSmoothedBand);
    } else if (!font) {
        RunBands(frame, picture, RenderBand);
        return;
    } else {
        // Whether an atom's label shows depends on the finished depths at its centre, which may
        // lie in another band: every band's atoms and bonds come first.
        RunBands(frame, picture, RenderSceneBand);
    }
    frame.atomLabels = AtomLabels(view, frame.map, picture, frame.drawn, *font);
    frame.cellLabels = CellEdgeLabels(view, frame.map, *font);
    RunBands(frame, picture, RenderOverlayBand);
}

}  // namespace kiva
