// SPDX-License-Identifier: GPL-2.0-or-later
// The see-through faces: a pixel keeps 5/8 of its colour behind each face, whatever the order of
// the faces; what lies in front hides them; the lattice plane shows over the polyhedra; the
// polyhedra of a scene are made again when the scene is, and their shared edges drawn once.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "render/polyhedra.h"
#include "render/projection.h"
#include "render/rasterizer.h"
#include "render/translucent_faces.h"
#include "tests/support/built_scene.h"
#include "tests/support/catalogue_record.h"

namespace kiva {
namespace {

constexpr std::int16_t kBehindEverything = -32640;
constexpr std::uint8_t kGrey = 200;

PictureBuffers GreyPicture(int width, int height) {
    PictureBuffers picture(PictureArea{width, height});
    std::fill(picture.colour.begin(), picture.colour.end(), kGrey);
    std::fill(picture.depth.begin(), picture.depth.end(), kBehindEverything);
    return picture;
}

// A square face from (left, top) to (right, bottom), flat at depth z.
std::vector<ImagePoint> Square(int left, int top, int right, int bottom, int z) {
    return {{left, top, z}, {right, top, z}, {right, bottom, z}, {left, bottom, z}};
}

TranslucentFace FlatFace(std::vector<ImagePoint> corners, int colourIndex) {
    TranslucentFace face{std::move(corners), {}, colourIndex, 0, 0, 0, 0, 0};
    EXPECT_TRUE(PlaceFace(face));
    return face;
}

std::uint8_t Channel(const PictureBuffers& picture, int x, int row) {
    return picture.colour[3 * (static_cast<std::size_t>(row) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x))];
}

// One layer of grey 200 under black faces: 200 * 160 / 256 = 125 rounded, then 78 for two.
TEST(BlendFaces, KeepFiveEighthsOfAPixelForEachFaceInFrontAndSpareWhatLiesNearer) {
    PictureBuffers picture = GreyPicture(80, 80);
    picture.depth[static_cast<std::size_t>(15 * picture.width + 15)] = 100;  // an atom in front of both faces
    TranslucentItems items;
    items.polyhedra.colours = {0x000000};
    items.polyhedra.faces = {FlatFace(Square(5, 5, 20, 20, 10), 0), FlatFace(Square(10, 10, 30, 30, 20), 0)};
    BlendFaces(items, picture, {0, 80});
    EXPECT_EQ(Channel(picture, 2, 2), kGrey);
    EXPECT_EQ(Channel(picture, 7, 7), (kGrey * 160 + 128) >> 8);
    EXPECT_EQ(Channel(picture, 12, 12), (kGrey * 100 + 128) >> 8);  // 256 * (5/8)^2 = 100
    EXPECT_EQ(Channel(picture, 15, 15), kGrey);
}

TEST(BlendFaces, GiveTheSamePictureWhateverTheOrderOfTheFaces) {
    ViewState view = testing::BuiltScene(testing::CatalogueRecord("CaTiO3"), DisplayState::CrystalSolid, {2, 2, 2});
    view.showPolyhedra = true;
    view.pictureArea = {400, 300};
    ResetView(view);
    ProjectScene(view);
    PictureBuffers forwards = GreyPicture(400, 300), backwards = forwards;
    TranslucentItems items = CollectTranslucentItems(view, MapOfArea(forwards.Area()));
    ASSERT_GT(items.polyhedra.faces.size(), 8u);
    BlendFaces(items, forwards, {0, 300});
    std::reverse(items.polyhedra.faces.begin(), items.polyhedra.faces.end());
    BlendFaces(items, backwards, {0, 300});
    EXPECT_EQ(forwards.colour, backwards.colour);
    EXPECT_NE(forwards.colour, GreyPicture(400, 300).colour);
}

// The plane over a polyhedron's face is blended last, wherever it lies in depth.
TEST(BlendFaces, ShowTheLatticePlaneOverThePolyhedra) {
    PictureBuffers picture = GreyPicture(80, 80);
    TranslucentItems items;
    items.polyhedra.colours = {0x000000};
    items.polyhedra.faces = {FlatFace(Square(0, 0, 19, 19, 50), 0)};
    items.plane.colours = {0xFFFFFF};
    items.plane.faces = {FlatFace(Square(0, 0, 19, 19, 10), 0)};
    BlendFaces(items, picture, {0, 80});
    const int underPlane = (kGrey * 160 + 128) >> 8;
    EXPECT_EQ(Channel(picture, 9, 9), (underPlane * 160 + 255 * 96 + 128) >> 8);
}

TEST(ScenePolyhedra, AreMadeAgainForEachSceneBuilt) {
    const CompoundRecord salt = testing::CatalogueRecord("NaCl");
    ViewState view = testing::BuiltScene(salt, DisplayState::CrystalSolid, {1, 1, 1});
    const std::size_t one = ScenePolyhedra(view).size();
    EXPECT_EQ(one, CoordinationPolyhedra(view).size());
    view.cellMultiples = {2, 2, 2};
    BuildScene(view, salt, MakeDefaultElementTable());
    EXPECT_EQ(ScenePolyhedra(view).size(), CoordinationPolyhedra(view).size());
    EXPECT_GT(ScenePolyhedra(view).size(), one);
}

// Rock salt's octahedra share their edges: each is drawn once, between two chlorides.
TEST(ScenePolyhedronEdges, ListEachSharedEdgeOnce) {
    const ViewState view = testing::BuiltScene(testing::CatalogueRecord("NaCl"), DisplayState::CrystalSolid, {2, 2, 2});
    const std::vector<PolyhedronEdge>& edges = ScenePolyhedronEdges(view);
    std::set<std::pair<int, int>> pairs;
    for (const PolyhedronEdge& edge : edges) {
        EXPECT_TRUE(pairs.insert({std::min(edge.from, edge.to), std::max(edge.from, edge.to)}).second);
        EXPECT_LT(view.atoms[static_cast<std::size_t>(edge.from)].charge, 0);
    }
    EXPECT_LT(edges.size(), 12 * ScenePolyhedra(view).size());
}

// A smooth line shares its colour between the two pixels either side of its course: a line at
// a slope of one half crosses every second column through the middle of a pixel.
TEST(DrawSmoothLine3D, SharesEachStepBetweenThePixelsBesideItsCourse) {
    PictureBuffers picture(PictureArea{80, 80});
    std::fill(picture.colour.begin(), picture.colour.end(), std::uint8_t{0});
    std::fill(picture.depth.begin(), picture.depth.end(), kBehindEverything);
    Rasterizer raster(picture, 24);
    raster.DrawSmoothLine3D(2, 2, 0, 12, 7, 0, 0xFFFFFF);
    EXPECT_EQ(Channel(picture, 4, 3), 255);  // on its course
    EXPECT_EQ(Channel(picture, 3, 2), 128);  // half a pixel either side
    EXPECT_EQ(Channel(picture, 3, 3), 128);
    EXPECT_EQ(Channel(picture, 3, 5), 0);
    int lit = 0;
    for (std::size_t i = 0; i < picture.colour.size(); i += 3) lit += picture.colour[i];
    EXPECT_NEAR(lit, 11 * 255, 11);  // one pixel's worth for each of its 11 steps
}

}  // namespace
}  // namespace kiva
