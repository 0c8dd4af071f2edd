// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A molecule view on a test's own compound, with a host that records what the view asks of its
// window, and the mouse driven in window coordinates as the widget passes it on.
#include <gtest/gtest.h>

#include <list>
#include <optional>
#include <string>
#include <vector>

#include "view/commands.h"
#include "view/molecule_view.h"

namespace kiva::testing {

struct RecordingHost final : ViewHost {
    int invalidations = 0;
    int noCrystalMessages = 0;
    int noLabelFontMessages = 0;
    std::vector<std::string> tipTexts;        // every text sent to the tooltip
    std::optional<PicturePoint> tipShownAt;   // none while the tooltip is hidden
    std::vector<PicturePoint> pointerMoves;

    void InvalidatePicture() override { ++invalidations; }
    void ShowNoCrystalMessage() override { ++noCrystalMessages; }
    void ShowNoLabelFontMessage() override { ++noLabelFontMessages; }
    void SetTipText(const std::string& text) override { tipTexts.push_back(text); }
    void ShowTip(PicturePoint at) override { tipShownAt = at; }
    void HideTip() override { tipShownAt.reset(); }
    void MovePointer(PicturePoint to) override { pointerMoves.push_back(to); }

    std::string ShownText() const { return tipShownAt && !tipTexts.empty() ? tipTexts.back() : std::string(); }
};

struct WindowPoint {
    int x, y;  // y down from the top row
};

inline WindowPoint WindowPointOf(PicturePoint p) { return {p.x, kPictureSize - 1 - p.y}; }

// Where an atom shows, in window coordinates.
inline WindowPoint WindowPointOf(const SceneAtom& atom) { return WindowPointOf(ScreenPoint(atom.picture)); }

inline void Press(MoleculeView& view, WindowPoint p) { view.MousePress(FromWindowPoint(p.x, p.y)); }
inline void Move(MoleculeView& view, WindowPoint p) { view.MouseMove(FromWindowPoint(p.x, p.y)); }
inline void Release(MoleculeView& view, WindowPoint p) { view.MouseRelease(FromWindowPoint(p.x, p.y)); }

// A press, a move through each point and the release at the last.
inline void Drag(MoleculeView& view, const std::vector<WindowPoint>& path) {
    Press(view, path.front());
    for (const WindowPoint& p : path) Move(view, p);
    Release(view, path.back());
}

inline void Click(MoleculeView& view, WindowPoint p) {
    Press(view, p);
    Release(view, p);
}

// Views of one compound, as the windows of one document, sharing one set of motion tables the
// way every view of the program shares the process's.
class ViewTest : public ::testing::Test {
protected:
    // A new view of the compound, updated and showing the state the command chooses.
    MoleculeView& Show(const CompoundRecord& record, int stateCommand = command::ChemicalUnit) {
        compound = record;
        return NewWindow(stateCommand);
    }
    MoleculeView& NewWindow(int stateCommand = command::ChemicalUnit) {
        MoleculeView& view = views.emplace_back(compound, elements, host, motion);
        view.OnUpdate();
        view.RunCommand(stateCommand);
        return view;
    }

    CompoundRecord compound;
    ElementTable elements = MakeDefaultElementTable();
    MotionTables motion = InitialMotionTables();
    RecordingHost host;
    std::list<MoleculeView> views;
};

}  // namespace kiva::testing
