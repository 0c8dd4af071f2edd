// SPDX-License-Identifier: GPL-2.0-or-later
// Coordination polyhedra on the built catalogue: the octahedra of rock salt and perovskite, the
// tetrahedra of quartz and diamond, and a caesium chloride cube, each only where its whole
// shell is shown.
#include <gtest/gtest.h>

#include <cstring>

#include "chem/fixed_text.h"
#include "render/polyhedra.h"
#include "render/projection.h"
#include "tests/support/built_scene.h"
#include "tests/support/catalogue_record.h"

namespace kiva {
namespace {

ViewState Crystal(const char* name, std::array<int, 3> multiples = {2, 2, 2}) {
    return testing::BuiltScene(testing::CatalogueRecord(name), DisplayState::CrystalSolid, multiples);
}

// Every polyhedron has the corners, faces and edges of its shape, by Euler's V - E + F = 2.
void ExpectShapes(const std::vector<Polyhedron>& polyhedra, std::size_t corners, std::size_t faces, std::size_t edges) {
    for (const Polyhedron& p : polyhedra) {
        EXPECT_EQ(p.corners.size(), corners);
        EXPECT_EQ(p.faces.size(), faces);
        EXPECT_EQ(p.EdgeCount(), edges);
    }
}

std::size_t CoordinationOf(const ViewState& view, std::size_t atom) {
    std::size_t count = 0;
    for (const SceneBond& bond : view.bonds.items)
        if (bond.kind == 0 && (static_cast<std::size_t>(bond.first) == atom || static_cast<std::size_t>(bond.second) == atom)) ++count;
    return count;
}

TEST(CoordinationPolyhedra, EachSodiumWithAllSixChloridesShownHasAnOctahedronAndNoOtherAtomHasOne) {
    const ViewState view = Crystal("NaCl");
    const std::vector<Polyhedron> polyhedra = CoordinationPolyhedra(view);
    ASSERT_FALSE(polyhedra.empty());
    ExpectShapes(polyhedra, 6, 8, 12);
    std::vector<bool> centre(view.atoms.size(), false);
    for (const Polyhedron& p : polyhedra) centre[static_cast<std::size_t>(p.centre)] = true;
    for (std::size_t i = 0; i < view.atoms.size(); ++i) {
        const bool sodium = TextOf(view.atoms[i].symbol) == "Na+";
        EXPECT_EQ(centre[i], sodium && CoordinationOf(view, i) == 6) << i;
    }
    // The chemical unit and one cell, where no sodium has its whole shell, have none.
    EXPECT_TRUE(CoordinationPolyhedra(testing::BuiltScene(testing::CatalogueRecord("NaCl"), DisplayState::ChemicalUnit)).empty());
    for (const Polyhedron& p : CoordinationPolyhedra(Crystal("NaCl", {1, 1, 1}))) EXPECT_EQ(p.corners.size(), 6u);
}

TEST(CoordinationPolyhedra, PerovskiteShowsItsTitaniumOctahedraAndQuartzAndDiamondTheirTetrahedra) {
    const ViewState perovskite = Crystal("CaTiO3");
    const std::vector<Polyhedron> octahedra = CoordinationPolyhedra(perovskite);
    ASSERT_FALSE(octahedra.empty());
    ExpectShapes(octahedra, 6, 8, 12);
    for (const Polyhedron& p : octahedra) EXPECT_EQ(TextOf(perovskite.atoms[static_cast<std::size_t>(p.centre)].symbol), "Ti4+");
    for (const char* network : {"SiO2-quartz", "C-diamond"}) {
        const ViewState view = Crystal(network);
        const std::vector<Polyhedron> tetrahedra = CoordinationPolyhedra(view);
        ASSERT_FALSE(tetrahedra.empty()) << network;
        ExpectShapes(tetrahedra, 4, 4, 6);
        for (const Polyhedron& p : tetrahedra) EXPECT_NE(TextOf(view.atoms[static_cast<std::size_t>(p.centre)].symbol), "O");
    }
}

// Caesium chloride's cube: eight chlorides around one caesium, six square faces.
TEST(CoordinationPolyhedra, ACaesiumWithEightChloridesHasACube) {
    ViewState view;
    view.displayState = DisplayState::CrystalSolid;
    const auto add = [&view](const char* symbol, float charge, Vector3D position) {
        SceneAtom atom{};
        std::strncpy(atom.symbol, symbol, sizeof atom.symbol - 1);
        atom.charge = charge;
        atom.position = position;
        view.atoms.Append(atom);
    };
    add("Cs+", 1, {2.06f, 2.06f, 2.06f});
    for (int corner = 0; corner < 8; ++corner) {
        add("Cl-", -1, {corner & 1 ? 4.12f : 0, corner & 2 ? 4.12f : 0, corner & 4 ? 4.12f : 0});
        view.bonds.Append({0, corner + 1, 0});
    }
    const std::vector<Polyhedron> cube = CoordinationPolyhedra(view);
    ASSERT_EQ(cube.size(), 1u);
    ExpectShapes(cube, 8, 6, 12);
    for (const std::vector<int>& face : cube[0].faces) EXPECT_EQ(face.size(), 4u);
    // A second caesium beside it with only four of its chlorides shown has none.
    add("Cs+", 1, {6.18f, 2.06f, 2.06f});
    for (const int corner : {1, 3, 5, 7}) view.bonds.Append({9, corner + 1, 0});
    EXPECT_EQ(CoordinationPolyhedra(view).size(), 1u);
}

TEST(ConvexHull, RefusesFlatAndTooManyPoints) {
    EXPECT_TRUE(ConvexHullFaces({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}).empty());
    EXPECT_TRUE(ConvexHullFaces({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}).empty());
    EXPECT_TRUE(ConvexHullFaces(std::vector<Vector3D>(9, Vector3D{0, 0, 0})).empty());
    const auto faces = ConvexHullFaces({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    EXPECT_EQ(faces.size(), 4u);
    EXPECT_TRUE(InsideHull({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, faces, {0.1f, 0.1f, 0.1f}));
    EXPECT_FALSE(InsideHull({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, faces, {0, 0.1f, 0.1f}));  // on a face
}

}  // namespace
}  // namespace kiva
