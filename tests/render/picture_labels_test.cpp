// SPDX-License-Identifier: GPL-2.0-or-later
// Atom labels and the cell's a, b, c and O: drawn on and beside what they name, at every picture
// size, never for an atom hidden behind another, and nothing at all while labels are off.
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "chem/fixed_text.h"
#include "render/image_point.h"
#include "render/picture_labels.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "render/scene_build.h"
#include "tests/support/built_scene.h"
#include "tests/support/catalogue_record.h"

namespace kiva {
namespace {

// The rock-salt crystal as a new view shows it, at a picture of `side` pixels.
ViewState SaltCrystal(int side, bool labels) {
    ViewState view = testing::BuiltScene(testing::CatalogueRecord("NaCl"), DisplayState::CrystalSolid);
    view.pictureArea = {side, side};
    view.showLabels = labels;
    ResetView(view);
    ProjectScene(view);
    return view;
}

PictureBuffers Rendered(const ViewState& view) {
    PictureBuffers picture(view.pictureArea);
    RenderFrame(view, picture, 0);
    return picture;
}

struct Pixel {
    int x, row;
};

std::vector<Pixel> ChangedPixels(const PictureBuffers& a, const PictureBuffers& b) {
    std::vector<Pixel> changed;
    for (int row = 0; row < a.height; ++row)
        for (int x = 0; x < a.width; ++x) {
            const std::size_t at = 3 * (static_cast<std::size_t>(row) * static_cast<std::size_t>(a.width) + static_cast<std::size_t>(x));
            if (a.colour[at] != b.colour[at] || a.colour[at + 1] != b.colour[at + 1] || a.colour[at + 2] != b.colour[at + 2])
                changed.push_back({x, row});
        }
    return changed;
}

bool Within(Pixel p, ImagePoint centre, float reach) {
    const float dx = static_cast<float>(p.x - centre.x), drow = static_cast<float>(p.row - centre.row);
    return dx * dx + drow * drow <= reach * reach;
}

TEST(AtomLabelText, IsTheElementWithTheChargeOfAnIon) {
    SceneAtom atom{};
    for (const auto& [label, charge, text] : {std::tuple{"Na+", 1.0f, "Na+"}, {"Cl-", -1.0f, "Cl-"}, {"O2-", -2.0f, "O2-"},
                                              {"C1", 0.0f, "C"}, {"Ca", 2.0f, "Ca2+"}}) {
        SetText(atom.symbol, label);
        atom.charge = charge;
        EXPECT_EQ(AtomLabelText(atom), text) << label;
    }
}

TEST(FindLabelFontFile, LooksInTheSystemsFontFoldersAndNowhereElse) {
    const auto environment = [](std::string dataDirs) {
        return EnvironmentReader([dataDirs](const char* name) {
            const std::string variable = name;
            if (variable == "XDG_DATA_DIRS") return dataDirs;
            if (variable == "HOME") return std::string("/nonexistent");
            return std::string();
        });
    };
    EXPECT_EQ(FindLabelFontFile(environment("/usr/share")), "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    EXPECT_FALSE(FindLabelFontFile(environment("/nonexistent/share")));
}

// Every changed pixel lies on a labelled atom (or, for an atom smaller than the 12-pixel letters,
// just round it), or beside a cell corner for a, b, c and O; each front atom large enough to
// label shows white letters and their dark outline round its centre.
void ExpectLabelsInTheirPlaces(int side) {
    const ViewState plain = SaltCrystal(side, false), labelled = SaltCrystal(side, true);
    const PictureBuffers before = Rendered(plain), after = Rendered(labelled);
    const std::vector<Pixel> changed = ChangedPixels(before, after);
    ASSERT_FALSE(changed.empty());
    const PictureMap map = MapOfArea(labelled.pictureArea);
    std::vector<std::pair<ImagePoint, float>> places;
    for (const SceneAtom& atom : labelled.atoms.items)
        places.emplace_back(ToImagePoint(atom.picture, map), std::max(static_cast<float>(AtomPixelRadius(atom, labelled, map)) * 1.2f, 18.0f));
    const auto& [a, b, c] = labelled.cellAxes;
    for (const Vector3D corner : {Vector3D{0, 0, 0}, a, b, c})
        places.emplace_back(ToImagePoint(TransformPoint(labelled.viewTransform, corner), map), 40.0f * map.scale);
    for (const Pixel p : changed) {
        const bool placed = std::any_of(places.begin(), places.end(), [p](const auto& place) { return Within(p, place.first, place.second); });
        ASSERT_TRUE(placed) << side << ": a label pixel far from anything at " << p.x << ", " << p.row;
    }
    // The chloride nearest the viewer is labelled in white over a dark outline.
    const auto nearer = [](const SceneAtom& l, const SceneAtom& r) {
        const bool lChloride = AtomLabelText(l) == "Cl-", rChloride = AtomLabelText(r) == "Cl-";
        return lChloride != rChloride ? rChloride : l.picture.z < r.picture.z;
    };
    const auto nearest = std::max_element(labelled.atoms.items.begin(), labelled.atoms.items.end(), nearer);
    const ImagePoint centre = ToImagePoint(nearest->picture, map);
    const int reach = AtomPixelRadius(*nearest, labelled, map);
    int white = 0, dark = 0;
    for (const Pixel p : changed) {
        if (!Within(p, centre, static_cast<float>(reach))) continue;
        const std::uint8_t* bytes = &after.colour[3 * (static_cast<std::size_t>(p.row) * static_cast<std::size_t>(after.width) + static_cast<std::size_t>(p.x))];
        if (bytes[0] == 255 && bytes[1] == 255 && bytes[2] == 255) ++white;
        if (bytes[0] < 64 && bytes[1] < 64 && bytes[2] < 64) ++dark;
    }
    EXPECT_GT(white, side / 20) << side;
    EXPECT_GT(dark, side / 20) << side;
}

TEST(AtomLabels, LieOnTheirAtomsAndBesideTheCellAt340) { ExpectLabelsInTheirPlaces(340); }
TEST(AtomLabels, LieOnTheirAtomsAndBesideTheCellAt1020) { ExpectLabelsInTheirPlaces(1020); }

TEST(AtomLabels, GrowWithThePicture) {
    const auto changedCount = [](int side) {
        return ChangedPixels(Rendered(SaltCrystal(side, false)), Rendered(SaltCrystal(side, true))).size();
    };
    // Three times the side, about nine times the letters' pixels; more at the larger size,
    // where the sodium ions are large enough to label too.
    EXPECT_GT(changedCount(1020), 6 * changedCount(340));
}

// The rows of a stamp whose letters cover at least half of some pixel: the letters' own height,
// without the outline, which is a pixel wide at least.
int LetterRows(const LabelStamp& stamp) {
    int rows = 0;
    for (int row = 0; row < stamp.height; ++row) {
        const auto begin = stamp.letters.begin() + static_cast<std::ptrdiff_t>(row) * stamp.width;
        if (std::any_of(begin, begin + stamp.width, [](std::uint8_t coverage) { return coverage >= 128; })) ++rows;
    }
    return rows;
}

// The cell's a, b, c and O are 14 picture units high: three times the pixels at three times the
// side, for each letter.
TEST(CellEdgeLabels, GrowWithThePicture) {
    const auto heights = [](int side) {
        const ViewState view = SaltCrystal(side, true);
        LabelFont font;
        const auto path = FindLabelFontFile();
        EXPECT_TRUE(path && font.Open(*path)) << "the DejaVu Sans Bold face is not installed";
        std::vector<int> found;
        for (const PlacedLabel& label : CellEdgeLabels(view, MapOfArea(view.pictureArea), font)) found.push_back(LetterRows(*label.stamp));
        return found;
    };
    const std::vector<int> small = heights(340), large = heights(1020);
    ASSERT_EQ(small.size(), 4u);
    ASSERT_EQ(large.size(), 4u);
    for (std::size_t i = 0; i < small.size(); ++i) {
        const std::string heightsText = std::to_string(small[i]) + " and " + std::to_string(large[i]) + " rows";
        EXPECT_GE(2 * large[i], 5 * small[i]) << "label " << i << ": " << heightsText;
        EXPECT_LE(2 * large[i], 7 * small[i]) << "label " << i << ": " << heightsText;
    }
}

// A chloride straight behind a sodium shows round its edge but has no label of its own: the
// labelled picture changes exactly where the sodium's label alone changes it.
TEST(AtomLabels, HideWithTheirHiddenAtoms) {
    const auto scene = [](bool withChloride, bool labels) {
        ViewState view;
        view.displayModel = DisplayModel::SpaceFilling;
        view.showLabels = labels;
        const ElementTable elements = MakeDefaultElementTable();
        AtomSite sodium{};
        SetText(sodium.symbol, "Na+");
        sodium.charge = 1;
        view.atoms.Append(MakeSceneAtom(sodium, {0, 0, 1}, elements));
        AtomSite chloride{};
        SetText(chloride.symbol, "Cl-");
        chloride.charge = -1;
        view.atoms.Append(MakeSceneAtom(chloride, {0, 0, -3}, elements));
        ResetView(view);
        // Straight behind the sodium as the picture sees it: against the third row of the rotation.
        const Matrix4& m = view.viewTransform;
        const Vector3D away = Scale(-4.0f / Length({m.m[2][0], m.m[2][1], m.m[2][2]}), {m.m[2][0], m.m[2][1], m.m[2][2]});
        view.atoms[1].position = Add(view.atoms[0].position, away);
        if (!withChloride) view.atoms.items.pop_back();
        ProjectScene(view);
        return Rendered(view);
    };
    const std::vector<Pixel> both = ChangedPixels(scene(true, false), scene(true, true));
    const std::vector<Pixel> alone = ChangedPixels(scene(false, false), scene(false, true));
    ASSERT_FALSE(alone.empty());
    ASSERT_EQ(both.size(), alone.size());
    for (std::size_t i = 0; i < both.size(); ++i) EXPECT_TRUE(both[i].x == alone[i].x && both[i].row == alone[i].row);
}

// An environment variable set for one test and restored after it, so later tests find the font.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Without the font the picture is the unlabelled one, byte for byte.
TEST(AtomLabels, LeaveThePictureAsItIsWithoutTheirFont) {
    const ScopedVariable dataDirs("XDG_DATA_DIRS", "/nonexistent/share"), dataHome("XDG_DATA_HOME", "/nonexistent/home");
    EXPECT_TRUE(ChangedPixels(Rendered(SaltCrystal(340, false)), Rendered(SaltCrystal(340, true))).empty());
}

TEST(AtomLabels, AreTheSameOnAnyNumberOfThreads) {
    const ViewState view = SaltCrystal(680, true);
    PictureBuffers one(view.pictureArea), many(view.pictureArea);
    RenderFrame(view, one, 0, 1);
    RenderFrame(view, many, 0, 4);
    EXPECT_EQ(one.colour, many.colour);
}

}  // namespace
}  // namespace kiva
