// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/render_frame.h"

#include <gtest/gtest.h>

#include "render/dither.h"
#include "render/image_point.h"
#include "render/overlays.h"
#include "render/projection.h"
#include "render/rasterizer.h"
#include "tests/support/sample_records.h"

namespace kiva {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

struct Pixel {
    int blue, green, red;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

Pixel At(const PictureBuffers& picture, int x, int row) {
    const std::uint8_t* p = &picture.colour[(static_cast<std::size_t>(row) * kPictureSize + x) * 3];
    return {p[0], p[1], p[2]};
}

std::int16_t DepthAt(const PictureBuffers& picture, int x, int row) {
    return picture.depth[static_cast<std::size_t>(row) * kPictureSize + x];
}

PictureBuffers Cleared() {
    PictureBuffers picture;
    std::fill(picture.depth.begin(), picture.depth.end(), std::int16_t{-32640});
    return picture;
}

// A view with the given pixel size whose atoms sit where their structure positions say.
ViewState PlainView(float pixelSize) {
    ViewState view;
    view.viewTransform.m[3][3] = pixelSize;
    return view;
}

void AddAtom(ViewState& view, Vector3D picture, float radius, std::uint32_t colour) {
    SceneAtom atom{};
    SetText(atom.symbol, "C");
    atom.picture = picture;
    atom.radius = radius;
    atom.color = colour;
    view.atoms.Append(atom);
}

TEST(NextDitherValue, RunsTheSequenceAndRepeatsEvery1024Calls) {
    const int first = NextDitherValue();
    const int second = NextDitherValue();
    EXPECT_EQ(second, (29 * first + 217) % 1024);
    for (int i = 2; i < 1024; ++i) {
        const int value = NextDitherValue();
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 1024);
    }
    EXPECT_EQ(NextDitherValue(), first);
}

TEST(ContrastColor, IsTheOppositeGrey) {
    EXPECT_EQ(ContrastColor(0), 0xFFFFFFu);
    EXPECT_EQ(ContrastColor(255), 0u);
}

TEST(AtomPixelRadius, FloorsAtHalfAnAngstromBeforeTheThird) {
    ViewState view = PlainView(0.02f);
    SceneAtom atom{};
    atom.radius = 0.3f;
    EXPECT_EQ(AtomPixelRadius(atom, view), 8);  // trunc(trunc(0.5 / 0.02) / 3)
    view.displayModel = DisplayModel::SpaceFilling;
    EXPECT_EQ(AtomPixelRadius(atom, view), 25);
}

TEST(DrawSphere, ShadesFromEightyTo246Of256) {
    PictureBuffers picture = Cleared();
    Rasterizer raster(picture, 24);
    raster.DrawSphere(170, 170, 100, 60, 0xFFFFFF);
    int brightest = 0, darkest = 255;
    for (int row = 100; row < 240; ++row)
        for (int x = 100; x < 240; ++x) {
            if (DepthAt(picture, x, row) == -32640) continue;
            brightest = std::max(brightest, At(picture, x, row).red);
            darkest = std::min(darkest, At(picture, x, row).red);
        }
    EXPECT_EQ(darkest, 255 * 80 / 256);
    EXPECT_GE(brightest, 240);
    EXPECT_LE(brightest, 250);
    EXPECT_EQ(DepthAt(picture, 170, 170), 160);  // the front of the sphere at the centre
    EXPECT_NE(DepthAt(picture, 170, 110), -32640);  // the top of the outline
    EXPECT_EQ(DepthAt(picture, 170, 109), -32640);
}

TEST(DrawSphere, DrawsASinglePixelForRadiusZero) {
    PictureBuffers picture = Cleared();
    Rasterizer raster(picture, 24);
    raster.DrawSphere(10, 20, 5, 0, kRed);
    int written = 0;
    for (std::int16_t depth : picture.depth) written += depth != -32640;
    EXPECT_EQ(written, 1);
    EXPECT_EQ(DepthAt(picture, 10, 20), 5);
}

TEST(DrawSphere, KeepsTheFirstSphereWhereDepthsTie) {
    PictureBuffers picture = Cleared();
    Rasterizer raster(picture, 24);
    raster.DrawSphere(100, 100, 50, 20, kRed);
    raster.DrawSphere(100, 100, 50, 20, kBlue);
    EXPECT_GT(At(picture, 100, 100).red, 0);
    EXPECT_EQ(At(picture, 100, 100).blue, 0);
    raster.DrawSphere(100, 100, 51, 20, kBlue);  // one pixel nearer wins
    EXPECT_GT(At(picture, 100, 100).blue, 0);
}

TEST(DrawSphere, ClipsAtTheEdgesAndSkipsWhatLiesOutside) {
    PictureBuffers picture = Cleared();
    Rasterizer raster(picture, 24);
    raster.DrawSphere(-5, 3, 0, 10, kRed);  // overlaps the top-left corner
    EXPECT_GT(At(picture, 0, 0).red, 0);
    EXPECT_GT(At(picture, 4, 3).red, 0);
    raster.DrawSphere(400, 400, 0, 50, kBlue);
    raster.DrawSphere(-11, 100, 0, 10, kBlue);
    for (std::size_t i = 0; i < picture.colour.size(); i += 3) ASSERT_EQ(picture.colour[i], 0);
}

TEST(DrawSphere, DithersOnlyBelowSixteenBitsAPixel) {
    PictureBuffers deep = Cleared(), shallow = Cleared();
    Rasterizer(deep, 16).DrawSphere(170, 170, 0, 30, 0xFFFFFF);
    Rasterizer(shallow, 8).DrawSphere(170, 170, 0, 30, 0xFFFFFF);
    PictureBuffers again = Cleared();
    Rasterizer(again, 24).DrawSphere(170, 170, 0, 30, 0xFFFFFF);
    EXPECT_EQ(deep.colour, again.colour);
    EXPECT_NE(deep.colour, shallow.colour);
}

TEST(DrawCylinder, DrawsATubeBetweenItsEndsButNotAtTheStart) {
    PictureBuffers picture = Cleared();
    Rasterizer raster(picture, 24);
    raster.DrawCylinder(100, 100, 0, 200, 100, 0, 0, kRed);  // radius 0 draws one pixel wide
    EXPECT_EQ(DepthAt(picture, 100, 100), -32640);
    EXPECT_NE(DepthAt(picture, 101, 100), -32640);
    EXPECT_NE(DepthAt(picture, 200, 100), -32640);
    EXPECT_EQ(DepthAt(picture, 150, 102), -32640);
    raster.DrawCylinder(100, 150, 0, 200, 150, 0, 5, kRed);
    EXPECT_NE(DepthAt(picture, 150, 145), -32640);
    EXPECT_NE(DepthAt(picture, 150, 155), -32640);
    EXPECT_EQ(DepthAt(picture, 150, 156), -32640);
    EXPECT_EQ(DepthAt(picture, 150, 150), 5);  // the front of the tube
}

// Zoomed in so far that both atoms of a bond lie beyond the picture's sides, the bond between
// them still crosses it; a bond that passes by outside draws nothing.
TEST(DrawCylinder, DrawsABondAcrossThePictureWhoseEndsBothLieOutside) {
    ViewState view;
    for (const float x : {-1.0f, 1.0f}) {
        SceneAtom atom{};
        SetText(atom.symbol, "C");
        atom.position = {x, 0, 0};
        atom.radius = 0.3f;
        atom.color = kRed;
        view.atoms.Append(atom);
    }
    view.bonds.Append({0, 1, 1});
    view.viewTransform = Multiply(Translation({170, 170, 170}), UniformScale(300));  // 300 pixels an angstrom
    ProjectScene(view);
    ASSERT_LT(view.atoms[0].picture.x, 0);
    ASSERT_GE(view.atoms[1].picture.x, 340);
    PictureBuffers picture;
    RenderFrame(view, picture, 0);
    EXPECT_GT(At(picture, 170, 169).red, 0);  // the white tube, 30 pixels thick
    EXPECT_EQ(At(picture, 170, 169).red, At(picture, 170, 169).blue);
    EXPECT_GT(At(picture, 10, 160).red, 0);
    EXPECT_EQ(At(picture, 170, 120), (Pixel{0, 0, 0}));

    view.viewTransform = Multiply(Translation({170, 550, 170}), UniformScale(300));  // 40 pixels above the top
    ProjectScene(view);
    PictureBuffers passing, empty;
    RenderFrame(view, passing, 0);
    view.bonds.items.clear();
    RenderFrame(view, empty, 0);
    EXPECT_EQ(passing.colour, empty.colour);
}

TEST(BondOffsets, PlaceDoubleTubesAcrossAndTripleTubesAround) {
    // A horizontal bond 100 pixels long at 0.01 angstrom a pixel: 0.12 angstrom is 12 pixels.
    const SidewaysOffset across = DoubleBondOffset({100, 100, 0}, {200, 100, 0}, 0.01f);
    EXPECT_EQ(across.ox, 0);
    EXPECT_EQ(across.oy, 12);
    const SidewaysOffset endOn = DoubleBondOffset({100, 100, 0}, {100, 100, 50}, 0.01f);
    EXPECT_EQ(endOn.ox, 0);
    EXPECT_EQ(endOn.oy, 0);
    const auto around = TripleBondOffsets({0, 0, 10}, 0.01f);
    EXPECT_NEAR(around[0].x, 15, 1e-3f);
    EXPECT_NEAR(around[1].x, -7.5f, 1e-3f);
    EXPECT_NEAR(around[1].y, 12.99f, 1e-2f);
    for (const Vector3D& o : around) EXPECT_NEAR(Length(o), 15, 1e-2f);
}

TEST(RenderFrame, DrawsTheFrameFirstSoNothingPaintsOverIt) {
    ViewState view = PlainView(0.02f);
    AddAtom(view, {2, 337, 100000}, 2, kRed);  // far too near: depths are held below the frame's
    view.pickedAtoms = {0, 0, 0, 0};
    view.pickedCount = 1;
    PictureBuffers picture;
    RenderFrame(view, picture, 0);
    EXPECT_EQ(At(picture, 0, 0), (Pixel{0, 255, 0}));
    EXPECT_EQ(At(picture, 0, 200), (Pixel{0, 255, 0}));
    EXPECT_EQ(At(picture, 339, 339), (Pixel{0, 255, 0}));
    EXPECT_EQ(At(picture, 200, 200), (Pixel{0, 0, 0}));
    EXPECT_GT(At(picture, 5, 4).red, 0);       // the atom, near the frame
    EXPECT_EQ(At(picture, 5, 4).blue, 0);
    EXPECT_EQ(At(picture, 2, 0), (Pixel{0, 255, 0}));
    EXPECT_EQ(At(picture, 6, 2), (Pixel{255, 255, 255}));  // the mark's cross over the atom
    EXPECT_EQ(DepthAt(picture, 0, 0), 32767);
}

TEST(RenderFrame, PrintsOnWhiteWithBlackMarks) {
    ViewState view = PlainView(0.02f);
    AddAtom(view, {170, 170, 0}, 0.3f, kRed);
    view.pickedAtoms = {0, 0, 0, 0};
    view.pickedCount = 1;
    PictureBuffers picture;
    RenderFrame(view, picture, 255);
    EXPECT_EQ(At(picture, 20, 20), (Pixel{255, 255, 255}));
    EXPECT_EQ(At(picture, 174, 169), (Pixel{0, 0, 0}));
}

TEST(RenderFrame, DrawsBondsOnlyInTheBallAndStickModel) {
    ViewState view = PlainView(0.02f);
    AddAtom(view, {100, 170, 0}, 0.3f, kRed);
    AddAtom(view, {240, 170, 0}, 0.3f, kRed);
    view.bonds.Append({0, 1, 1});
    PictureBuffers picture;
    RenderFrame(view, picture, 0);
    EXPECT_GT(At(picture, 170, 169).red, 0);  // white tube between the atoms
    EXPECT_EQ(At(picture, 170, 169).red, At(picture, 170, 169).blue);
    view.displayModel = DisplayModel::SpaceFilling;
    RenderFrame(view, picture, 0);
    EXPECT_EQ(At(picture, 170, 169), (Pixel{0, 0, 0}));
}

TEST(RenderFrame, DrawsCoordinationOnlyWhenAskedAndCellFrameOnlyInTheCrystal) {
    ViewState view = PlainView(0.02f);
    AddAtom(view, {100, 170, 0}, 0.3f, kRed);
    AddAtom(view, {240, 170, 0}, 0.3f, kRed);
    view.bonds.Append({0, 1, 0});
    view.cellAxes = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    view.viewTransform = Multiply(Translation({50, 50, 0}), view.viewTransform);
    PictureBuffers picture;
    RenderFrame(view, picture, 0);
    EXPECT_EQ(At(picture, 170, 169), (Pixel{0, 0, 0}));
    EXPECT_EQ(At(picture, 70, 289), (Pixel{0, 0, 0}));
    view.showCoordination = true;
    view.displayState = DisplayState::CrystalSolid;
    RenderFrame(view, picture, 0);
    EXPECT_EQ(At(picture, 170, 169), (Pixel{255, 255, 255}));
    EXPECT_EQ(At(picture, 70, 289), (Pixel{0, 255, 255}));  // the yellow edge O-a of the cell
}

TEST(RenderFrame, DithersAPictureInOnePassOnAnyNumberOfThreads) {
    ViewState view = PlainView(0.02f);
    view.screenBitsPerPixel = 8;
    AddAtom(view, {170, 170, 0}, 2, 0xFFFFFF);  // 100 pixels across, over the picture's middle rows
    // The single pass: the background, the frame, then the sphere, with the dither from one seed.
    PictureBuffers single = Cleared();
    std::fill(single.colour.begin(), single.colour.end(), std::uint8_t{0});
    SetDitherSeed(0);
    Rasterizer raster(single, view.screenBitsPerPixel);
    DrawPictureFrame(raster);
    const ImagePoint centre = ToImagePoint(view.atoms[0].picture);
    raster.DrawSphere(centre.x, centre.row, centre.z, AtomPixelRadius(view.atoms[0], view), view.atoms[0].color);
    DrawOverlays(view, raster, ContrastColor(0));
    const int seedAfter = DitherSeed();
    for (const int threads : {1, 2, 7}) {
        SetDitherSeed(0);
        PictureBuffers picture;
        RenderFrame(view, picture, 0, threads);
        EXPECT_EQ(picture.colour, single.colour) << threads << " threads";
        EXPECT_EQ(DitherSeed(), seedAfter) << threads << " threads";
    }
}

TEST(RenderFrame, LeavesTheFrameOutWhenTheStyleSaysSo) {
    ViewState view = PlainView(0.02f);
    AddAtom(view, {170, 170, 0}, 1, kRed);
    PictureBuffers framed, plain;
    RenderFrame(view, framed, PictureStyle{0, true});
    RenderFrame(view, plain, PictureStyle{255, false});
    EXPECT_EQ(At(framed, 0, 0), (Pixel{0, 255, 0}));
    EXPECT_EQ(At(plain, 0, 0), (Pixel{255, 255, 255}));
    EXPECT_EQ(At(plain, 339, 200), (Pixel{255, 255, 255}));
    EXPECT_EQ(At(plain, 170, 170), At(framed, 170, 170));
}

TEST(RenderFrame, RendersTheSameBytesEveryTime) {
    CompoundRecord salt = testing::SampleSalt();
    ViewState view;
    view.displayState = DisplayState::CrystalSolid;
    view.showCoordination = true;
    // Built as the view does; the result must not depend on anything but the scene.
    PictureBuffers first, second;
    view.atoms.Append(MakeSceneAtom(salt.unitAtoms[0], {160, 170, 20}, MakeDefaultElementTable()));
    view.atoms.Append(MakeSceneAtom(salt.unitAtoms[1], {185, 175, 10}, MakeDefaultElementTable()));
    view.viewTransform.m[3][3] = 0.02f;
    RenderFrame(view, first, 0);
    RenderFrame(view, second, 0);
    EXPECT_EQ(first.colour, second.colour);
}

}  // namespace
}  // namespace kiva
