// SPDX-License-Identifier: GPL-2.0-or-later
// Every substance of the catalogue in every state and model, in both qualities, against a stored
// list of picture checksums: a faster projection, sort or renderer must give the same bytes.
// After an intended change of the pictures, rewrite the list with
//   KIVA_UPDATE_PICTURE_CHECKSUMS=1 build/bin/tools_tests --gtest_filter='CataloguePictures.*'
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>

#include "chem/fixed_text.h"
#include "chem/molecule_index.h"
#include "render/canvas.h"
#include "render/render_frame.h"
#include "tools/render/render_options.h"

namespace kiva::render_tool {
namespace {

const std::string kBuiltCatalogue = KIVA_CATALOGUE_DIR;
const std::string kChecksumList = std::string(KIVA_SOURCE_DIR) + "/tests/data/picture_checksums.txt";

// A 64-bit mix of words: not cryptographic, but any changed byte changes it.
class Checksum {
public:
    void Add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            Mix(word);
        }
        for (; i < size; ++i) Mix(bytes[i]);
        Mix(size);
    }
    void Add(std::uint64_t value) { Mix(value); }
    std::uint64_t Value() const { return state_; }

private:
    void Mix(std::uint64_t word) {
        state_ ^= word;
        state_ *= 0x100000001B3ull;
        state_ ^= state_ >> 29;
    }
    std::uint64_t state_ = 0xCBF29CE484222325ull;
};

// Checksums the low-quality picture's drawing calls in order.
class ChecksumCanvas : public Canvas {
public:
    Checksum sum;
    void FillRect(int l, int t, int r, int b, std::uint32_t c) override { Add({1, l, t, r, b, Int(c)}); }
    void SetPen(int width, std::uint32_t c) override { Add({2, width, Int(c)}); }
    void SetBrush(std::uint32_t c) override { Add({3, Int(c)}); }
    void SetNoBrush() override { Add({4}); }
    void Ellipse(int l, int t, int r, int b) override { Add({5, l, t, r, b}); }
    void Line(int x1, int y1, int x2, int y2) override { Add({6, x1, y1, x2, y2}); }
    void Rectangle(int l, int t, int r, int b) override { Add({7, l, t, r, b}); }
    void DrawLabel(const PlacedLabel& label) override { Add({8, label.x, label.row, Int(label.colour)}); }

private:
    static int Int(std::uint32_t colour) { return static_cast<int>(colour); }
    void Add(std::initializer_list<int> values) {
        for (const int value : values) sum.Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(value)));
    }
};

struct Variant {
    const char* name;
    DisplayState state;
    std::array<int, 3> multiples;
    bool coordination;
    int frames;  // the liquid and gas move from frame to frame
};
constexpr Variant kVariants[] = {{"unit", DisplayState::ChemicalUnit, {1, 1, 1}, false, 1},
                                 {"crystal", DisplayState::CrystalSolid, {1, 1, 1}, false, 1},
                                 {"crystal-2-coordination", DisplayState::CrystalSolid, {2, 2, 2}, true, 1},
                                 {"liquid", DisplayState::Liquid, {1, 1, 1}, false, 3},
                                 {"gas", DisplayState::Gas, {1, 1, 1}, false, 3}};

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// One line per substance and variant: both models, high quality then low.
std::string PictureLine(const std::string& name, const Variant& variant, const CompoundRecord& compound,
                        const ElementTable& elements) {
    std::string line = name + " " + variant.name;
    PictureBuffers picture;
    for (const DisplayModel model : {DisplayModel::BallAndStick, DisplayModel::SpaceFilling}) {
        RenderOptions options;
        options.state = variant.state;
        options.model = model;
        options.multiples = variant.multiples;
        options.coordination = variant.coordination;
        options.frames = variant.frames;
        const ViewState view = PrepareView(options, compound, elements);
        RenderFrame(view, picture, 0);
        Checksum high;
        high.Add(picture.colour.data(), picture.colour.size());
        ChecksumCanvas low;
        DrawSceneGdi(view, low);
        line += " " + Hex(high.Value()) + " " + Hex(low.sum.Value());
    }
    return line;
}

std::vector<std::string> AllPictureLines() {
    MoleculeIndex index;
    index.path = kBuiltCatalogue + "/Index.dat";
    EXPECT_TRUE(LoadMoleculeIndex(index));
    const ElementTable elements = MakeDefaultElementTable();
    std::vector<std::string> lines;
    for (const IndexEntry& entry : index.entries) {
        const std::string name(TextOf(entry.name));
        CompoundRecord compound;
        if (!LoadCompoundByName(index, kBuiltCatalogue + "/Molecule.dat", name, compound)) {
            ADD_FAILURE() << name;
            continue;
        }
        for (const Variant& variant : kVariants) {
            if (variant.state == DisplayState::CrystalSolid && compound.basisAtoms.empty()) continue;
            lines.push_back(PictureLine(name, variant, compound, elements));
        }
    }
    return lines;
}

TEST(CataloguePictures, RenderToTheStoredBytes) {
    const std::vector<std::string> lines = AllPictureLines();
    ASSERT_GT(lines.size(), 1000u);
    if (std::getenv("KIVA_UPDATE_PICTURE_CHECKSUMS")) {
        std::ofstream out(kChecksumList);
        for (const std::string& line : lines) out << line << "\n";
        ASSERT_TRUE(out.good()) << kChecksumList;
        GTEST_SKIP() << "rewrote " << kChecksumList;
    }
    std::ifstream in(kChecksumList);
    ASSERT_TRUE(in) << kChecksumList;
    // Lines are keyed by their substance and variant, so a new or missing substance shows as such.
    const auto keyOf = [](const std::string& line) { return line.substr(0, line.find(' ', line.find(' ') + 1)); };
    std::map<std::string, std::string> stored;
    for (std::string line; std::getline(in, line);) stored[keyOf(line)] = line;
    int differing = 0;
    for (const std::string& line : lines) {
        const auto found = stored.find(keyOf(line));
        if (found == stored.end()) {
            if (++differing <= 10) ADD_FAILURE() << "not stored: " << line;
        } else if (found->second != line) {
            if (++differing <= 10) ADD_FAILURE() << "now    " << line << "\nstored " << found->second;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(stored.size(), lines.size()) << "stored substances the catalogue no longer has";
}

}  // namespace
}  // namespace kiva::render_tool
