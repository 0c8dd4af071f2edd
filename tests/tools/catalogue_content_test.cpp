// SPDX-License-Identifier: GPL-2.0-or-later
// The built catalogue, substance by substance: what a student picks must be chemically sound.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include "chem/element_table.h"
#include "chem/fixed_text.h"
#include "chem/selection_keys.h"
#include "io/molecule_file.h"
#include "io/source_error.h"
#include "render/bond_search.h"
#include "render/scene_build.h"
#include "tools/mkdb/manifest.h"

namespace kiva::mkdb {
namespace {

const std::string kSources = std::string(KIVA_SOURCE_DIR) + "/data";
const std::string kBuilt = KIVA_CATALOGUE_DIR;

class BuiltCatalogueContent : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        index = new MoleculeIndex;
        index->path = kBuilt + "/Index.dat";
        LoadMoleculeIndex(*index);
        substances = new std::vector<SubstanceSource>(ReadManifest(kSources + "/substances.txt"));
    }
    static void TearDownTestSuite() {
        delete index;
        delete substances;
    }
    static CompoundRecord Record(const std::string& name) {
        CompoundRecord record;
        EXPECT_TRUE(LoadCompoundByName(*index, kBuilt + "/Molecule.dat", name, record)) << name;
        return record;
    }
    static bool Listed(int kind, std::string_view primary, std::string_view secondary = {}) {
        IndexMatchList matches;
        FindIndexEntries(*index, kind, primary, secondary, matches);
        return matches.count > 0;
    }
    static MoleculeIndex* index;
    static std::vector<SubstanceSource>* substances;
};
MoleculeIndex* BuiltCatalogueContent::index = nullptr;
std::vector<SubstanceSource>* BuiltCatalogueContent::substances = nullptr;

// Element counts reduced by their greatest common divisor: the formula's ratio.
std::map<std::string, int> Ratio(const std::vector<std::string>& labels) {
    std::map<std::string, int> counts;
    for (const std::string& label : labels) ++counts[std::string(ElementKey(label))];
    int divisor = 0;
    for (const auto& [element, count] : counts) divisor = std::gcd(divisor, count);
    for (auto& [element, count] : counts) count /= divisor > 0 ? divisor : 1;
    return counts;
}

TEST_F(BuiltCatalogueContent, EveryDialogKeyTheCourseNeedsListsSomething) {
    ASSERT_GE(index->count, 350);
    for (const ElementInfo& row : DefaultElements()) EXPECT_TRUE(Listed(0, TextOf(row.symbol))) << TextOf(row.symbol);
    for (std::string_view ion : kPositiveIons) {
        bool any = false;
        for (std::string_view negative : kNegativeIons) any = any || Listed(1, ion, negative);
        EXPECT_TRUE(any) << ion;
    }
    for (std::string_view covalence : kPositiveCovalences) {
        bool any = false;
        for (std::string_view negative : kNegativeIons) any = any || Listed(2, covalence, negative);
        EXPECT_TRUE(any) << covalence;
    }
    // A negative key lists something when a student pairs it with some real positive key.
    for (std::string_view negative : kNegativeIons) {
        bool metallic = false, nonMetallic = false;
        for (std::string_view ion : kPositiveIons) metallic = metallic || (ion != "Other" && Listed(1, ion, negative));
        for (std::string_view covalence : kPositiveCovalences) nonMetallic = nonMetallic || Listed(2, covalence, negative);
        EXPECT_TRUE(metallic) << "metallic " << negative;
        EXPECT_TRUE(nonMetallic) << "non-metallic " << negative;
    }
    for (const OrganicCategory& category : kOrganicCategories) {
        IndexMatchList matches;
        FindIndexEntries(*index, 3, category.keyWord, "", matches);
        EXPECT_GE(matches.count, 8) << category.keyWord;
    }
}

// An ionic substance shows one formula unit: its counts share no factor. Mercury(I) is the
// exception chemistry makes: its cation is the pair Hg2 2+, so Hg2Cl2 is one formula unit.
TEST_F(BuiltCatalogueContent, EveryIonicUnitIsOneFormulaUnit) {
    int ionic = 0;
    for (const SubstanceSource& substance : *substances) {
        if (substance.bondingClass != BondingClass::Ionic || substance.name == "Hg2Cl2") continue;
        const CompoundRecord record = Record(substance.name);
        std::map<std::string, int> counts;
        for (const AtomSite& atom : record.unitAtoms) ++counts[std::string(ElementKey(TextOf(atom.symbol)))];
        int divisor = 0;
        for (const auto& [element, count] : counts) divisor = std::gcd(divisor, count);
        EXPECT_EQ(divisor, 1) << substance.name;
        ++ionic;
    }
    EXPECT_GT(ionic, 100);
}

TEST_F(BuiltCatalogueContent, EveryMoleculesRulesFindExactlyItsOwnBonds) {
    for (const SubstanceSource& substance : *substances) {
        const CompoundRecord record = Record(substance.name);
        std::vector<SceneAtom> atoms;
        for (const AtomSite& site : record.unitAtoms) atoms.push_back(MakeSceneAtom(site, site.position, MakeDefaultElementTable()));
        std::multiset<std::tuple<int, int, int>> found, expected;
        for (const SceneBond& bond : FindBonds(atoms, record.bondRules))
            if (bond.kind >= 1 && bond.kind <= 3)
                found.emplace(std::min(bond.first, bond.second), std::max(bond.first, bond.second), bond.kind);
        const std::string unitPath = kSources + "/" + substance.unitPath;
        for (const MoleculeBond& bond : ParseMolecule(ReadSourceFile(unitPath), StructureFormat::Molfile, unitPath).bonds)
            expected.emplace(std::min(bond.first, bond.second), std::max(bond.first, bond.second), bond.order);
        EXPECT_EQ(found, expected) << substance.name;
    }
}

// A site on a third or a sixth must meet its own images exactly: 0.33333 + 0.6666667 from an
// operation lands just below 1 and the copy on the cell's face is lost.
TEST_F(BuiltCatalogueContent, EverySiteOnAThirdOrASixthIsTheNearestFloat) {
    for (const SubstanceSource& substance : *substances) {
        for (const AtomSite& site : Record(substance.name).basisAtoms) {
            for (const float coordinate : {site.position.x, site.position.y, site.position.z}) {
                const double twelfths = std::round(coordinate * 12.0);
                if (std::fmod(twelfths, 3.0) == 0 || std::fabs(coordinate - twelfths / 12) >= 6e-5) continue;
                EXPECT_EQ(coordinate, static_cast<float>(twelfths / 12)) << substance.name;
            }
        }
    }
}

TEST_F(BuiltCatalogueContent, EveryCrystalCellHoldsTheFormulaWithNoAtomsOverlapping) {
    int crystals = 0;
    for (const SubstanceSource& substance : *substances) {
        const CompoundRecord record = Record(substance.name);
        std::vector<std::string> unitLabels;
        for (const AtomSite& atom : record.unitAtoms) unitLabels.emplace_back(TextOf(atom.symbol));
        for (std::size_t i = 0; i < record.unitAtoms.size(); ++i)
            for (std::size_t j = i + 1; j < record.unitAtoms.size(); ++j)
                EXPECT_GE(Length(Subtract(record.unitAtoms[i].position, record.unitAtoms[j].position)), 0.5f) << substance.name;
        if (record.basisAtoms.empty()) continue;
        ++crystals;
        ViewState view;
        BuildCellVectors(view, record.cell);
        const auto& [a, b, c] = view.cellAxes;
        std::vector<std::string> cellLabels;
        std::vector<Vector3D> cell;
        std::vector<Vector3D> positions;
        for (const AtomSite& site : record.basisAtoms) {
            const int count = ExpandBasisSite(record.symmetry, site.position, a, b, c, positions);
            for (int k = 0; k < count; ++k) {
                cellLabels.emplace_back(TextOf(site.symbol));
                cell.push_back(positions[static_cast<std::size_t>(k)]);
            }
        }
        EXPECT_EQ(Ratio(cellLabels), Ratio(unitLabels)) << substance.name;
        float closest = 1e9f;
        for (std::size_t i = 0; i < cell.size(); ++i)
            for (std::size_t j = i + 1; j < cell.size(); ++j) {
                const Vector3D d = NearestImageDelta(cell[i], cell[j]);
                closest = std::min(closest, Length(Add(Add(Scale(d.x, a), Scale(d.y, b)), Scale(d.z, c))));
            }
        EXPECT_GE(closest, 0.7f) << substance.name;
    }
    EXPECT_GT(crystals, 100);
}

}  // namespace
}  // namespace kiva::mkdb
