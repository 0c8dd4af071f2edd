// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/picture_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "chem/molecule_index.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "render/scene_build.h"
#include "tests/export/png_read_back.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

const std::string kBuiltCatalogue = KIVA_CATALOGUE_DIR;

// Benzene as a new view shows it, at the view's size.
ViewState BenzeneView(PictureArea area, DisplayState state = DisplayState::ChemicalUnit) {
    MoleculeIndex index;
    index.path = kBuiltCatalogue + "/Index.dat";
    CompoundRecord compound;
    EXPECT_TRUE(LoadMoleculeIndex(index));
    EXPECT_TRUE(LoadCompoundByName(index, kBuiltCatalogue + "/Molecule.dat", "Benzene", compound));
    ViewState view;
    view.displayState = state;
    view.pictureArea = area;
    BuildCellVectors(view, compound.cell);
    BuildScene(view, compound, MakeDefaultElementTable());
    ResetView(view);
    ProjectScene(view);
    return view;
}

std::array<std::uint8_t, 3> PixelAt(const Picture& picture, int x, int row) {
    const std::size_t at = (static_cast<std::size_t>(row) * picture.width + x) * 3;
    return {picture.colour[at], picture.colour[at + 1], picture.colour[at + 2]};
}

TEST(ExportPicture, WritesTheViewsOwnPictureAtTheViewsSize) {
    testing::TempDir dir;
    const ViewState view = BenzeneView({500, 400});
    ASSERT_TRUE(ExportPicture({dir.File("benzene.png"), view.pictureArea, {0, true}}, view).Ok());
    PictureBuffers shown(view.pictureArea);
    RenderFrame(view, shown, 0);
    const Picture written = testing::ReadPngBack(dir.File("benzene.png"));
    EXPECT_EQ(written.width, 500);
    EXPECT_EQ(written.height, 400);
    EXPECT_EQ(written.colour, shown.colour);
}

TEST(ExportPicture, ALargeSizeOnWhiteHasItsSizeAWhiteBackgroundAndTheModelDrawnLarge) {
    testing::TempDir dir;
    const ViewState view = BenzeneView({340, 340});
    ASSERT_TRUE(ExportPicture({dir.File("poster.png"), {3000, 2000}, {255, true}}, view).Ok());
    const Picture poster = testing::ReadPngBack(dir.File("poster.png"));
    ASSERT_EQ(poster.width, 3000);
    ASSERT_EQ(poster.height, 2000);
    // The picture's green frame runs round the edge; the background starts a pixel inside it.
    const std::array<std::uint8_t, 3> white{255, 255, 255}, frameGreen{0, 255, 0};
    EXPECT_EQ(PixelAt(poster, 0, 0), frameGreen);
    EXPECT_EQ(PixelAt(poster, 2999, 1999), frameGreen);
    for (const auto& [x, row] : {std::pair{1, 1}, {2998, 1}, {1, 1998}, {2998, 1998}})
        EXPECT_EQ(PixelAt(poster, x, row), white) << x << "," << row;
    // Benzene's ring drawn large, not at 340 pixels: a carbon atom lies where 340 pixels show nothing.
    int coloured = 0;
    for (int x = 1; x < 2999; x += 7) coloured += PixelAt(poster, x, 1000) != white;
    EXPECT_GT(coloured, 100) << coloured;
}

TEST(ExportPicture, RefusesASizeBeyondThePictureLimitsAndWritesNothing) {
    testing::TempDir dir;
    const ViewState view = BenzeneView({340, 340});
    for (const PictureArea area : {PictureArea{kMinPictureSide - 1, 340}, PictureArea{340, kMaxPictureSide + 1},
                                   PictureArea{0, 0}, PictureArea{-5, 100000}})
        EXPECT_EQ(ExportPicture({dir.File("refused.png"), area, {0, true}}, view).problem, ExportProblem::BadSize);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_TRUE(ExportPicture({dir.File("smallest.png"), {kMinPictureSide, kMinPictureSide}, {0, true}}, view).Ok());
}

// The share of the picture's columns left of `right` with anything but black in them.
int ColouredColumns(const Picture& picture, int right) {
    int coloured = 0;
    for (int x = 2; x < right; ++x)
        for (int row = 2; row < picture.height - 2; ++row)
            if (PixelAt(picture, x, row) != std::array<std::uint8_t, 3>{0, 0, 0}) {
                ++coloured;
                break;
            }
    return coloured;
}

TEST(ExportPicture, SpreadsTheLiquidOverTheWholePictureAtAnotherSize) {
    testing::TempDir dir;
    const ViewState view = BenzeneView({340, 340}, DisplayState::Liquid);
    ASSERT_TRUE(ExportPicture({dir.File("wide.png"), {1360, 340}, {0, false}}, view, InitialMotionTables()).Ok());
    const Picture wide = testing::ReadPngBack(dir.File("wide.png"));
    // The 340 square sits in the middle, from 510 to 850: the pool reaches far beyond it on the left.
    EXPECT_GT(ColouredColumns(wide, 400), 40);
}

TEST(ExportPicture, LeavesThePictureFrameOutUnlessAsked) {
    testing::TempDir dir;
    const ViewState view = BenzeneView({340, 340});
    ASSERT_TRUE(ExportPicture({dir.File("plain.png"), {400, 300}, {0, false}}, view).Ok());
    ASSERT_TRUE(ExportPicture({dir.File("framed.png"), {400, 300}, {0, true}}, view).Ok());
    const Picture plain = testing::ReadPngBack(dir.File("plain.png"));
    const Picture framed = testing::ReadPngBack(dir.File("framed.png"));
    EXPECT_EQ(PixelAt(plain, 0, 0), (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ(PixelAt(framed, 0, 0), (std::array<std::uint8_t, 3>{0, 255, 0}));
    EXPECT_EQ(PixelAt(plain, 200, 150), PixelAt(framed, 200, 150));
}

}  // namespace
}  // namespace kiva
