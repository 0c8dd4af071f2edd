// SPDX-License-Identifier: GPL-2.0-or-later
// Smooth edges: the coverage a rim gives its pixels, and pictures that change only along the
// edges of what they show, the same on any number of threads.
#include <gtest/gtest.h>

#include <cmath>

#include "render/projection.h"
#include "render/render_frame.h"
#include "render/scene_build.h"
#include "render/smooth_edges.h"
#include "tests/support/built_scene.h"
#include "tests/support/catalogue_record.h"

namespace kiva {
namespace {

TEST(EdgeCoverage, OfADiscSumsToItsArea) {
    const double radius = 100.3;
    double covered = 0;
    for (int y = -102; y <= 102; ++y)
        for (int x = -102; x <= 102; ++x)
            covered += EdgeCoverage(static_cast<float>(radius - std::hypot(x, y)));
    const double area = 3.14159265358979 * radius * radius;
    EXPECT_NEAR(covered / area, 1.0, 0.005);
    EXPECT_EQ(EdgeCoverage(2), 1.0f);
    EXPECT_EQ(EdgeCoverage(-2), 0.0f);
    EXPECT_EQ(EdgeCoverage(0), 0.5f);
}

PictureBuffers Rendered(const ViewState& view, bool smooth, int threads = 2) {
    PictureBuffers picture(view.pictureArea);
    RenderFrame(view, picture, PictureStyle{0, true, smooth}, threads);
    return picture;
}

ViewState Salt(DisplayModel model) {
    ViewState view = testing::BuiltScene(testing::CatalogueRecord("NaCl"), DisplayState::CrystalSolid, {2, 2, 2});
    view.displayModel = model;
    view.pictureArea = {800, 600};
    ResetView(view);
    ProjectScene(view);
    return view;
}

TEST(SmoothEdges, LeaveAPictureWithoutEdgesAsItIs) {
    ViewState empty;
    empty.pictureArea = {320, 200};
    EXPECT_EQ(Rendered(empty, true).colour, Rendered(empty, false).colour);
}

// Every pixel that changes lies within a pixel and a half of a sphere's rim; most rims change.
TEST(SmoothEdges, ChangeOnlyThePixelsAlongTheRims) {
    const ViewState view = Salt(DisplayModel::SpaceFilling);
    const PictureBuffers plain = Rendered(view, false), smooth = Rendered(view, true);
    ASSERT_EQ(plain.colour.size(), smooth.colour.size());
    std::size_t changed = 0;
    for (int row = 0; row < plain.height; ++row)
        for (int x = 0; x < plain.width; ++x) {
            const std::size_t at = 3 * (static_cast<std::size_t>(row) * static_cast<std::size_t>(plain.width) + static_cast<std::size_t>(x));
            if (plain.colour[at] == smooth.colour[at] && plain.colour[at + 1] == smooth.colour[at + 1] && plain.colour[at + 2] == smooth.colour[at + 2])
                continue;
            ++changed;
            bool nearRim = false;
            for (const auto& part : smooth.partSpheres)
                for (const PlacedSphere& s : part)
                    if (std::fabs(std::hypot(x - s.x, row - s.row) - s.radius) < 1.5) nearRim = true;
            ASSERT_TRUE(nearRim) << x << ", " << row;
        }
    EXPECT_GT(changed, 1000u);
}

// Benzene's bonds are tubes: their sides blend too, and the changed pixels keep near the edges.
TEST(SmoothEdges, BlendTheSidesOfTheBonds) {
    ViewState view = testing::BuiltScene(testing::CatalogueRecord("Benzene"), DisplayState::ChemicalUnit);
    view.pictureArea = {900, 700};
    ResetView(view);
    ProjectScene(view);
    const PictureBuffers plain = Rendered(view, false), smooth = Rendered(view, true), oneThread = Rendered(view, true, 1);
    EXPECT_EQ(smooth.colour, oneThread.colour);
    std::size_t alongBonds = 0;
    for (int row = 0; row < plain.height; ++row)
        for (int x = 0; x < plain.width; ++x) {
            const std::size_t at = 3 * (static_cast<std::size_t>(row) * static_cast<std::size_t>(plain.width) + static_cast<std::size_t>(x));
            if (plain.colour[at] == smooth.colour[at] && plain.colour[at + 1] == smooth.colour[at + 1]) continue;
            bool nearRim = false;
            for (const auto& part : smooth.partSpheres)
                for (const PlacedSphere& s : part)
                    if (std::fabs(std::hypot(x - s.x, row - s.row) - s.radius) < 1.5) nearRim = true;
            if (!nearRim) ++alongBonds;
        }
    EXPECT_GT(alongBonds, 200u);
}

TEST(SmoothEdges, GiveTheSameBytesOnAnyNumberOfThreads) {
    ViewState view = Salt(DisplayModel::BallAndStick);
    view.showPolyhedra = true;
    view.latticePlane = LatticePlane{{1, 1, 1}, 1};
    EXPECT_EQ(Rendered(view, true, 1).colour, Rendered(view, true, 4).colour);
}

}  // namespace
}  // namespace kiva
