// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "chem/molecule_index.h"
#include "render/bond_search.h"
#include "tools/render/render_options.h"
#include "tools/render/render_run.h"

namespace kiva::render_tool {
namespace {

const std::string kBuiltCatalogue = KIVA_CATALOGUE_DIR;

TEST(ParseRenderOptions, ReadsEveryOption) {
    const auto parsed = ParseRenderOptions({"NaCl", "--state", "crystal", "--model", "space", "--quality", "low",
                                            "--multiples", "2,3,16", "--axes", "--no-cell-frame", "--coordination",
                                            "--whole-molecules", "--frames", "7", "--size", "1920x1080", "-o", "salt.png"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const RenderOptions& options = *parsed.options;
    EXPECT_EQ(options.name, "NaCl");
    EXPECT_EQ(options.state, DisplayState::CrystalSolid);
    EXPECT_EQ(options.model, DisplayModel::SpaceFilling);
    EXPECT_EQ(options.quality, DisplayQuality::Low);
    EXPECT_EQ(options.multiples, (std::array<int, 3>{2, 3, 16}));
    EXPECT_TRUE(options.axes);
    EXPECT_FALSE(options.cellFrame);
    EXPECT_TRUE(options.coordination);
    EXPECT_TRUE(options.wholeMolecules);
    EXPECT_EQ(options.frames, 7);
    EXPECT_EQ(options.size, (PictureArea{1920, 1080}));
    EXPECT_EQ(options.output, "salt.png");
}

TEST(ParseRenderOptions, TakesOneNumberForASquare) {
    const auto parsed = ParseRenderOptions({"NaCl", "--size", "680", "-o", "salt.png"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->size, (PictureArea{680, 680}));
}

TEST(ParseRenderOptions, RefusesWhatItCannotDraw) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"NaCl"}, {"-o", "x.png"}, {"NaCl", "-o"}, {"NaCl", "--state", "plasma", "-o", "x"},
          {"NaCl", "--multiples", "0,1,1", "-o", "x"}, {"NaCl", "--multiples", "1,1", "-o", "x"},
          {"NaCl", "--multiples", "17,1,1", "-o", "x"}, {"NaCl", "--size", "63", "-o", "x"},
          {"NaCl", "--size", "8193x100", "-o", "x"}, {"NaCl", "--size", "640x", "-o", "x"},
          {"NaCl", "--frames", "-3", "-o", "x"}, {"NaCl", "Water", "-o", "x"}, {"NaCl", "--bogus", "-o", "x"}}) {
        const auto parsed = ParseRenderOptions(args);
        EXPECT_FALSE(parsed.options) << args.size();
        EXPECT_NE(parsed.error.find("kiva-render"), std::string::npos);
    }
}

TEST(ParseRenderOptions, ReadsTheHeatingStateAndItsCurve) {
    const auto heating = ParseRenderOptions({"H2O", "--state", "heating", "--temperature", "350.5", "--particles", "1000",
                                             "--frames", "400", "-o", "water.xyz"});
    ASSERT_TRUE(heating.options) << heating.error;
    EXPECT_EQ(heating.options->state, DisplayState::Heating);
    EXPECT_EQ(heating.options->temperature, 350.5);
    EXPECT_EQ(heating.options->particles, 1000u);
    const auto curve = ParseRenderOptions({"H2O", "--heating-curve", "ice.csv", "--from", "200", "--to", "400"});
    ASSERT_TRUE(curve.options) << curve.error;  // no picture, so no -o
    EXPECT_EQ(curve.options->heatingCurve, "ice.csv");
    EXPECT_EQ(curve.options->fromKelvin, 200.0);
    EXPECT_EQ(curve.options->toKelvin, 400.0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"H2O", "--state", "heating", "--particles", "100", "-o", "x"},
          {"H2O", "--state", "heating", "--temperature", "-1", "-o", "x"},
          {"H2O", "--state", "heating", "--temperature", "hot", "-o", "x"}, {"H2O", "--heating-curve"}})
        EXPECT_FALSE(ParseRenderOptions(args).options) << args[3];
}

// The grid search and the all-pairs search agree on a real crystal of the catalogue.
TEST(PrepareView, BuildsTheSameBondsAsTheAllPairsSearchOnARealCrystal) {
    MoleculeIndex index;
    index.path = kBuiltCatalogue + "/Index.dat";
    ASSERT_TRUE(LoadMoleculeIndex(index));
    const ElementTable elements = MakeDefaultElementTable();
    int crystals = 0;
    for (const char* name : {"NaCl", "C-diamond"}) {
        CompoundRecord compound;
        if (!LoadCompoundByName(index, kBuiltCatalogue + "/Molecule.dat", name, compound)) continue;
        RenderOptions options;
        options.state = DisplayState::CrystalSolid;
        options.multiples = {4, 4, 4};
        const ViewState view = PrepareView(options, compound, elements);
        EXPECT_GT(view.bonds.size(), 100u) << name;
        EXPECT_EQ(view.bonds.items, FindBondsAllPairs(view.atoms.items, compound.bondRules)) << name;
        ++crystals;
    }
    EXPECT_GT(crystals, 0);
}

// A single oxygen atom, without a crystal.
CompoundRecord LoneOxygen() {
    CompoundRecord molecule;
    AtomSite atom{};
    atom.symbol[0] = 'O';
    molecule.unitAtoms = {atom};
    return molecule;
}

TEST(PrepareView, FallsBackToTheChemicalUnitWithoutACrystal) {
    RenderOptions options;
    options.state = DisplayState::CrystalSolid;
    EXPECT_EQ(PrepareView(options, LoneOxygen(), MakeDefaultElementTable()).displayState, DisplayState::ChemicalUnit);
}

TEST(ShadedPictures, DrawTheWindowsPictureInItsFrameAtTheAskedSize) {
    RenderOptions options;
    options.size = {400, 300};
    PictureBuffers buffers;
    const FrameDrawer draw = ShadedPictures(buffers);
    const Picture& picture = draw(PrepareView(options, LoneOxygen(), MakeDefaultElementTable()));
    ASSERT_EQ(picture.width, 400);
    ASSERT_EQ(picture.height, 300);
    EXPECT_EQ(picture.colour[0], 0);  // the frame's green at the corner, as in the window
    EXPECT_EQ(picture.colour[1], 255);
    EXPECT_EQ(picture.colour[2], 0);
    EXPECT_EQ(picture.colour[3 * (150 * 400 + 3) + 1], 0);  // the black background inside it
}

}  // namespace
}  // namespace kiva::render_tool
