// SPDX-License-Identifier: GPL-2.0-or-later
// Pictures of other sizes than the 340 square: drawn at their own resolution, fitted and centred
// on the shorter side, the same bytes on any number of threads, and the liquid over all of it.
#include <gtest/gtest.h>

#include <algorithm>

#include "render/image_point.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "tests/support/built_scene.h"
#include "tests/support/sample_records.h"

namespace kiva {
namespace {

ViewState SaltCrystal(std::array<int, 3> multiples, DisplayModel model) {
    ViewState view = testing::BuiltScene(testing::SampleSalt(), DisplayState::CrystalSolid, multiples);
    view.displayModel = model;
    ResetView(view);
    ProjectScene(view);
    return view;
}

const std::uint8_t* PixelAt(const PictureBuffers& picture, int x, int row) {
    return &picture.colour[(static_cast<std::size_t>(row) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)) * 3];
}

TEST(PictureMap, IsTheIdentityAtTheDefaultSizeAndCentresTheSquareOnARectangle) {
    const PictureMap square = MapOfArea({340, 340});
    EXPECT_EQ(square.scale, 1.0f);
    EXPECT_EQ(square.left, 0);
    EXPECT_EQ(square.bottom, 0);
    const PictureMap wide = MapOfArea({1920, 1080});
    EXPECT_FLOAT_EQ(wide.scale, 1080.0f / 340);
    EXPECT_EQ(wide.left, 420);
    EXPECT_EQ(wide.bottom, 0);
    const PictureBounds bounds = BoundsOf(wide);
    EXPECT_FLOAT_EQ(bounds.left + bounds.right, 340);  // picture space runs wider on both sides alike
    EXPECT_EQ(MapOfArea({10, 99999}).width, kMinPictureSide);
    EXPECT_EQ(MapOfArea({10, 99999}).height, kMaxPictureSide);
}

// A doubled picture repeats each pixel as a 2 x 2 block; one drawn at 680 has edges inside blocks.
TEST(RenderFrame, DrawsA680PictureAtItsOwnResolutionNotDoubled) {
    const ViewState view = SaltCrystal({1, 1, 1}, DisplayModel::SpaceFilling);
    PictureBuffers large({680, 680});
    RenderFrame(view, large, 0);
    int splitBlocks = 0;
    for (int row = 2; row < 678; row += 2)
        for (int x = 2; x < 678; x += 2) {
            const std::uint8_t* p = PixelAt(large, x, row);
            if (!std::equal(p, p + 3, PixelAt(large, x + 1, row)) || !std::equal(p, p + 3, PixelAt(large, x, row + 1)))
                ++splitBlocks;
        }
    EXPECT_GT(splitBlocks, 1000);
    // The same atoms, twice the size: the centre atom's pixel radius doubles within a pixel.
    const SceneAtom& atom = view.atoms[0];
    EXPECT_NEAR(AtomPixelRadius(atom, view, MapOfArea({680, 680})), 2 * AtomPixelRadius(atom, view), 1);
}

TEST(RenderFrame, KeepsTheStructureWholeAndCentredOnARectangle) {
    const ViewState view = SaltCrystal({2, 2, 2}, DisplayModel::SpaceFilling);
    for (const PictureArea area : {PictureArea{1000, 400}, PictureArea{300, 900}}) {
        PictureBuffers picture(area);
        RenderFrame(view, picture, 0);
        int left = area.width, right = -1, top = area.height, bottom = -1;
        for (int row = 1; row < area.height - 1; ++row)
            for (int x = 1; x < area.width - 1; ++x) {
                const std::uint8_t* p = PixelAt(picture, x, row);
                if (p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, row), bottom = std::max(bottom, row);
            }
        ASSERT_GE(right, 0);
        EXPECT_GT(left, 1) << area.width;  // nothing cut at the edges
        EXPECT_LT(right, area.width - 2);
        EXPECT_GT(top, 1);
        EXPECT_LT(bottom, area.height - 2);
        EXPECT_NEAR((left + right) / 2.0, area.width / 2.0, 3) << area.width;
        EXPECT_NEAR((top + bottom) / 2.0, area.height / 2.0, 3) << area.width;
        // The green frame runs round the whole picture.
        EXPECT_EQ(PixelAt(picture, area.width - 1, area.height - 1)[1], 255);
    }
}

// A crystal of 8 x 8 x 8 cells is placed in parts, one for each band a thread takes; a 4 x 4 x 4
// one is placed whole.
TEST(RenderFrame, GivesTheSameBytesOnOneTwoAndSevenThreads) {
    for (const int cells : {4, 8})
        for (const DisplayModel model : {DisplayModel::BallAndStick, DisplayModel::SpaceFilling}) {
            ViewState view = SaltCrystal({cells, cells, cells}, model);
            view.showAxes = true;
            view.showCoordination = true;
            view.pickedAtoms = {0, 5, 0, 0};
            view.pickedCount = 2;
            // Twice over, so the footprints painted on a second sight come into it too.
            PictureBuffers one({1280, 720}), two({1280, 720}), seven({1280, 720});
            for (int frame = 0; frame < 2; ++frame) {
                RenderFrame(view, one, 0, 1);
                RenderFrame(view, two, 0, 2);
                RenderFrame(view, seven, 0, 7);
            }
            EXPECT_EQ(one.colour, two.colour) << cells;
            EXPECT_EQ(one.colour, seven.colour) << cells;
            EXPECT_EQ(one.depth, seven.depth) << cells;
        }
}

// A picture as high as before keeps its spheres' radii, and so their footprints' size: only the
// width of the rows they were painted for differs. The ions look alike, so the first sphere of a
// frame asks for the footprint the last one of the frame before had.
TEST(RenderFrame, StartsItsFootprintsAfreshWhenThePictureWidthChanges) {
    ViewState view = SaltCrystal({2, 2, 2}, DisplayModel::SpaceFilling);
    for (SceneAtom& atom : view.atoms.items) {
        atom.color = view.atoms[0].color;
        atom.radius = view.atoms[0].radius;
    }
    for (const PictureArea area : {PictureArea{500, 340}, PictureArea{500, 500}}) {
        PictureBuffers reused;
        for (int frame = 0; frame < 2; ++frame) RenderFrame(view, reused, 0, 1);
        reused.Resize(area);
        RenderFrame(view, reused, 0, 1);
        PictureBuffers fresh(area);
        RenderFrame(view, fresh, 0, 1);
        EXPECT_EQ(reused.colour, fresh.colour) << area.width << " x " << area.height;
    }
}

// A sphere whose centre lies outside the picture still shows the part of it that reaches in.
TEST(RenderFrame, DrawsTheEdgeOfASphereCentredOutsideThePicture) {
    ViewState view = SaltCrystal({1, 1, 1}, DisplayModel::SpaceFilling);
    view.showCellFrame = false;
    for (std::size_t i = 1; i < view.atoms.size(); ++i) view.atoms[i].picture = {170, 170, -1000};
    PictureBuffers picture;
    for (const Vector3D centre : {Vector3D{-6, 100, 0}, Vector3D{346, 100, 0}, Vector3D{100, 346, 0}, Vector3D{100, -6, 0}}) {
        view.atoms[0].picture = centre;
        RenderFrame(view, picture, PictureStyle{0, false}, 1);
        const ImagePoint p = ToImagePoint(centre);
        const int x = std::clamp(p.x, 1, 338), row = std::clamp(p.row, 1, 338);
        EXPECT_NE(PixelAt(picture, x, row)[1], 0) << centre.x << ", " << centre.y;
    }
}

// The travelling copies keep to the whole picture: a wide picture lets them go further, and a
// copy a smaller picture finds outside heads back in instead of trembling where it is.
TEST(ProjectScene, BouncesTheGasOffTheWholePictureAndBringsStraysBack) {
    ViewState gas = testing::BuiltScene(testing::SampleSalt(), DisplayState::Gas);
    ResetView(gas);
    gas.pictureArea = {1700, 340};
    MotionTables motion = InitialMotionTables();
    float widest = 0;
    for (int frame = 0; frame < 400; ++frame) {
        ProjectScene(gas, motion);
        widest = std::max(widest, std::fabs(motion.gasOffset[0].x));
    }
    EXPECT_GT(widest, 300);  // beyond the 340 square
    gas.pictureArea = {340, 340};
    motion.gasOffset[0].x = 600;
    motion.gasVelocity[0].x = 8;
    for (int frame = 0; frame < 200; ++frame) ProjectScene(gas, motion);
    EXPECT_LT(motion.gasOffset[0].x, 138);  // back within 308 - 170
}

}  // namespace
}  // namespace kiva
