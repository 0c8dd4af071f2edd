// SPDX-License-Identifier: GPL-2.0-or-later
// The scene's atoms as XYZ and PDB files: the very atoms of the picture, in angstrom, written
// whole or not at all.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <utility>

#include "export/scene_file.h"
#include "render/projection.h"
#include "tests/support/built_scene.h"
#include "tests/support/catalogue_record.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

struct FileAtom {
    std::string element;
    Vector3D position;
};

std::string Contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<FileAtom> ReadXyz(const std::string& text, std::size_t& count) {
    std::istringstream in(text);
    std::string title;
    in >> count;
    std::getline(in, title);
    std::getline(in, title);
    std::vector<FileAtom> atoms;
    FileAtom atom;
    while (in >> atom.element >> atom.position.x >> atom.position.y >> atom.position.z) atoms.push_back(atom);
    return atoms;
}

// Columns as the PDB format fixes them: x, y, z in 31-54, the element in 77-78.
std::vector<FileAtom> ReadPdb(const std::string& text) {
    std::istringstream in(text);
    std::vector<FileAtom> atoms;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("ATOM  ", 0) != 0) continue;
        std::string element = line.substr(76, 2);
        element.erase(0, element.find_first_not_of(' '));
        atoms.push_back({element, {std::stof(line.substr(30, 8)), std::stof(line.substr(38, 8)), std::stof(line.substr(46, 8))}});
    }
    return atoms;
}

float NearestSodiumChloride(const std::vector<FileAtom>& atoms) {
    float nearest = 1e9f;
    for (const FileAtom& sodium : atoms)
        for (const FileAtom& chloride : atoms)
            if (sodium.element == "Na" && chloride.element == "Cl")
                nearest = std::min(nearest, Length(Subtract(sodium.position, chloride.position)));
    return nearest;
}

ViewState SaltBlock() {
    return testing::BuiltScene(testing::CatalogueRecord("NaCl"), DisplayState::CrystalSolid, {2, 2, 2});
}

TEST(WriteSceneFile, WritesTheSaltBlockAsXyzAndPdbInAngstrom) {
    const testing::TempDir dir;
    const ViewState view = SaltBlock();
    ASSERT_EQ(view.atoms.size(), 125u);  // 5 x 5 x 5 ion sites fill the block of eight cells, faces included
    const std::string xyz = dir.File("salt.xyz"), pdb = dir.File("salt.PDB");
    ASSERT_TRUE(WriteSceneFile(xyz, view, "NaCl").Ok());
    ASSERT_TRUE(WriteSceneFile(pdb, view, "NaCl").Ok());

    std::size_t count = 0;
    const std::vector<FileAtom> fromXyz = ReadXyz(Contents(xyz), count);
    const std::vector<FileAtom> fromPdb = ReadPdb(Contents(pdb));
    EXPECT_EQ(count, 125u);
    ASSERT_EQ(fromXyz.size(), 125u);
    ASSERT_EQ(fromPdb.size(), 125u);
    EXPECT_NEAR(NearestSodiumChloride(fromXyz), 2.82f, 0.005f);
    EXPECT_NEAR(NearestSodiumChloride(fromPdb), 2.82f, 0.005f);
    for (std::size_t i = 0; i < view.atoms.size(); ++i) {
        EXPECT_NEAR(Length(Subtract(fromXyz[i].position, view.atoms[i].position)), 0, 1e-4f);
        EXPECT_NEAR(Length(Subtract(fromPdb[i].position, view.atoms[i].position)), 0, 2e-3f);
        EXPECT_EQ(fromXyz[i].element, fromPdb[i].element);
    }
    EXPECT_NE(Contents(pdb).find("\nEND\n"), std::string::npos);
}

TEST(WriteSceneFile, LeavesNothingBehindWhenItCannotWrite) {
    const testing::TempDir dir;
    const ViewState view = SaltBlock();
    const ExportResult missingFolder = WriteSceneFile(dir.File("no/such/folder/salt.xyz"), view, "NaCl");
    EXPECT_EQ(missingFolder.problem, ExportProblem::CannotCreate);
    EXPECT_FALSE(missingFolder.detail.empty());
    EXPECT_EQ(WriteSceneFile(dir.File("salt.png"), view, "NaCl").problem, ExportProblem::UnknownFormat);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    std::filesystem::create_directory(dir.File("taken.xyz"));
    EXPECT_EQ(WriteSceneFile(dir.File("taken.xyz"), view, "NaCl").problem, ExportProblem::CannotCreate);
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("taken.xyz")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

// The serial numbers in columns 7-11 of the ATOM records, in order.
std::vector<int> PdbSerials(const std::string& text) {
    std::istringstream in(text);
    std::vector<int> serials;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("ATOM  ", 0) == 0 || line.rfind("HETATM", 0) == 0) serials.push_back(std::stoi(line.substr(6, 5)));
    return serials;
}

// The bonds of the CONECT records, each pair of serials once, the smaller first.
std::set<std::pair<int, int>> PdbConnections(const std::string& text) {
    std::istringstream in(text);
    std::set<std::pair<int, int>> bonds;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("CONECT", 0) != 0) continue;
        const int from = std::stoi(line.substr(6, 5));
        for (std::size_t column = 11; column + 5 <= line.size(); column += 5) {
            const std::string field = line.substr(column, 5);
            if (field.find_first_not_of(' ') == std::string::npos) break;
            const int to = std::stoi(field);
            bonds.insert({std::min(from, to), std::max(from, to)});
        }
    }
    return bonds;
}

// Benzene's atoms numbered from 1, as PDB readers expect: Open Babel reads the file back with
// every atom, finds the scene's twelve bonds from the positions and writes them as CONECT records.
TEST(WriteSceneFile, WritesAPdbFileThatOpenBabelReadsWithItsBonds) {
    const testing::TempDir dir;
    const ViewState view = testing::BuiltScene(testing::CatalogueRecord("Benzene"), DisplayState::ChemicalUnit);
    const std::string written = dir.File("benzene.pdb"), converted = dir.File("converted.pdb");
    ASSERT_TRUE(WriteSceneFile(written, view, "Benzene").Ok());
    const std::vector<int> serials = PdbSerials(Contents(written));
    ASSERT_EQ(serials.size(), 12u);
    for (std::size_t i = 0; i < serials.size(); ++i) ASSERT_EQ(serials[i], static_cast<int>(i) + 1);

    const std::string command = "obabel -ipdb '" + written + "' -opdb -O '" + converted + "' 2>'" + dir.File("obabel.log") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "obabel (Debian's openbabel) failed: " << Contents(dir.File("obabel.log"));
    const std::string back = Contents(converted);
    EXPECT_EQ(PdbSerials(back).size(), 12u) << back;
    std::set<std::pair<int, int>> sceneBonds;
    for (const SceneBond& bond : view.bonds.items)
        if (bond.kind != static_cast<std::int32_t>(BondKind::Coordination))
            sceneBonds.insert({std::min(bond.first, bond.second) + 1, std::max(bond.first, bond.second) + 1});
    ASSERT_EQ(sceneBonds.size(), 12u);
    EXPECT_EQ(PdbConnections(back), sceneBonds) << back;
}

TEST(FormatScenePdb, RefusesMoreAtomsThanItsColumnsNumber) {
    ViewState view = SaltBlock();
    while (view.atoms.size() <= kMaxPdbAtoms) view.atoms.items.push_back(view.atoms[0]);
    EXPECT_FALSE(FormatScenePdb(view));
    EXPECT_EQ(FormatSceneXyz(view, "many").rfind(std::to_string(kMaxPdbAtoms + 1) + "\n", 0), 0u);
}

// A Wavefront OBJ file as a 3D printer's software reads it: objects, vertices and polygons.
struct ObjObject {
    std::string name;
    std::vector<Vector3D> vertices;
    std::vector<std::vector<int>> faces;  // indices into the file's vertices, from 1
};

std::vector<ObjObject> ReadObj(const std::string& text, std::vector<Vector3D>& vertices) {
    std::vector<ObjObject> objects;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (key == "o") {
            objects.push_back({});
            words >> objects.back().name;
        } else if (key == "v" && !objects.empty()) {
            Vector3D v{};
            words >> v.x >> v.y >> v.z;
            vertices.push_back(v);
            objects.back().vertices.push_back(v);
        } else if (key == "f" && !objects.empty()) {
            std::vector<int> face;
            for (int index = 0; words >> index;) face.push_back(index);
            objects.back().faces.push_back(face);
        }
    }
    return objects;
}

TEST(WriteSceneFile, WritesPerovskitesTitaniumOctahedraAsObjObjectsInAngstrom) {
    const testing::TempDir dir;
    const ViewState view = testing::BuiltScene(testing::CatalogueRecord("CaTiO3"), DisplayState::CrystalSolid, {2, 2, 2});
    const std::string path = dir.File("shapes.OBJ");
    ASSERT_TRUE(WriteSceneFile(path, view, "CaTiO3").Ok());
    std::vector<Vector3D> vertices;
    const std::vector<ObjObject> objects = ReadObj(Contents(path), vertices);
    ASSERT_FALSE(objects.empty());
    for (const ObjObject& object : objects) {
        EXPECT_EQ(object.name.rfind("Ti_", 0), 0u) << object.name;
        const std::size_t centre = std::stoul(object.name.substr(3)) - 1;
        ASSERT_LT(centre, view.atoms.size());
        EXPECT_EQ(object.vertices.size(), 6u);
        ASSERT_EQ(object.faces.size(), 8u);
        for (const std::vector<int>& face : object.faces) {
            ASSERT_EQ(face.size(), 3u);
            for (const int index : face) ASSERT_TRUE(index >= 1 && static_cast<std::size_t>(index) <= vertices.size());
        }
        // Each corner is an oxygen about 1.95 angstrom from the titanium it belongs to.
        for (const Vector3D& corner : object.vertices)
            EXPECT_NEAR(Length(Subtract(corner, view.atoms[centre].position)), 1.95, 0.11);
    }
    // The chemical unit has no polyhedra: the file holds its comments alone.
    const std::string unit = dir.File("unit.obj");
    ASSERT_TRUE(WriteSceneFile(unit, testing::BuiltScene(testing::CatalogueRecord("NaCl"), DisplayState::ChemicalUnit), "NaCl").Ok());
    EXPECT_TRUE(ReadObj(Contents(unit), vertices).empty());
}

}  // namespace
}  // namespace kiva
