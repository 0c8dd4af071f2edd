// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The molecule view's state and its display commands, free of any window system: the Qt widget
// CKivaView turns events into these calls and copies the finished picture to the screen.
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "chem/compound_record.h"
#include "chem/element_table.h"
#include "chem/phase_points.h"
#include "matter/heating_session.h"
#include "matter/matter_scene.h"
#include "render/canvas.h"
#include "render/projection.h"
#include "render/picture_buffers.h"
#include "render/view_state.h"
#include "view/measurements.h"
#include "view/picture_point.h"

namespace kiva {

// What the view asks of the window that hosts it.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    virtual void InvalidatePicture() = 0;
    // "No crystal structure.\nOnly single molecule available.", captioned with the application's name.
    virtual void ShowNoCrystalMessage() = 0;
    // The atom labels were asked for, but their font is not installed.
    virtual void ShowNoLabelFontMessage() {}
    // Heating and Cooling was asked for a substance without melting or boiling points.
    virtual void ShowNoPhasePointsMessage() {}
    // The read-out tooltip over the picture: its text, and showing it where the pointer rests.
    virtual void SetTipText(const std::string& text) = 0;
    virtual void ShowTip(PicturePoint at) = 0;
    virtual void HideTip() = 0;
    virtual void MovePointer(PicturePoint to) = 0;
};

// How a command shows in menus and toolbars. A command the view does not serve is left to the
// rest of the program, and disabled when nobody serves it.
struct CommandStatus {
    bool served = false;
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
};

class MoleculeView {
public:
    // The compound belongs to the document and the elements to the whole program; both outlive the view.
    MoleculeView(const CompoundRecord& compound, const ElementTable& elements, ViewHost& host,
                 MotionTables& motion = SharedMotionTables());

    const ViewState& State() const { return state_; }
    const CompoundRecord& Compound() const { return compound_; }
    // The mouse and the measurements turn, move and pick through this.
    ViewState& State() { return state_; }

    // The document changed: a fresh scene in the initial view, keeping the display settings.
    void OnUpdate();
    // One frame of the liquid, the gas or the rock; false when this display does not move.
    // The caller paces the frames.
    bool AnimateStep();

    // The left mouse button and the pointer, in picture coordinates. The view holds the mouse from
    // a press to the release while it shows the crystal or the chemical unit: moves in between
    // drag the model, other moves show the read-outs, and the release picks atoms to measure.
    void MousePress(PicturePoint p);
    void MouseMove(PicturePoint p);
    void MouseRelease(PicturePoint p);
    // The window lost the mouse without a release: the drag ends and nothing is picked.
    void LoseMouse() { dragFrom_.reset(); }
    bool HoldsMouse() const { return dragFrom_.has_value(); }
    // The text the read-out tooltip was last given.
    const std::string& TipText() const { return tipText_; }
    // The read-outs' words in the user's language.
    void SetReadoutWords(ReadoutWords words) { readoutWords_ = std::move(words); }
    const ReadoutWords& GetReadoutWords() const { return readoutWords_; }

    CommandStatus QueryCommand(int id) const;
    // False when the view does not serve the command.
    bool RunCommand(int id);

    // The picture's size on screen in device pixels: the liquid and the gas move over all of it.
    void SetPictureArea(PictureArea area);
    PictureArea Area() const { return state_.pictureArea; }
    PictureMap Map() const { return MapOfArea(state_.pictureArea); }

    // The high-quality picture at the view's area as the window shows it: on black, in its frame.
    const Picture& RenderPicture() const { return RenderPicture(Area(), {}); }
    // The high-quality picture, whatever the display quality, as the view would show it at `area`
    // (for a copy, a print or a handout), in the style. It lasts until the view renders again.
    const Picture& RenderPicture(PictureArea area, PictureStyle style) const;
    void DrawLowQuality(Canvas& canvas);
    void DrawLowQuality(Canvas& canvas, const PictureMap& map);

    // The keys of the focused picture: arrows turn (fine: by 1 degree, not 5), or move with
    // `move`; + and - zoom, R starts and stops the rock, Home resets. False for another key or
    // where the display does not move (the liquid, the gas, the heating run).
    enum class Key { Left, Right, Up, Down, ZoomIn, ZoomOut, Rock, Home };
    bool KeyPress(Key key, bool fine, bool move);

    // The lattice plane dialog's answer: the plane drawn across the crystal, or none; and the
    // turn that makes it face the viewer.
    void SetLatticePlane(const std::optional<LatticePlane>& plane);
    void FaceLatticePlane();

    // The multiples dialog's answer: a structure with crystal data rebuilds over that many cells,
    // fitted to the picture. Without crystal data they wait for the next document update.
    void SetCellMultiples(const std::array<int, 3>& multiples);
    // The element table changed: every scene atom takes its colour and radius from it again, and
    // the picture repaints without a rebuild.
    void ApplyElementTable();
    // The printed picture's size as a factor of the size that keeps its share of the screen width.
    float PrintScale() const { return printScale_; }
    void SetPrintScale(float scale) { printScale_ = scale; }

    // The liquid and gas motion and the rock swing the view moves by.
    const MotionTables& Motion() const { return motion_; }

    // Where the heating state finds the substance's melting and boiling points; none by default.
    void SetPhaseTable(const PhaseTable* table) { phaseTable_ = table; }
    // The substance's points, when the table has them.
    const PhasePoints* SubstancePoints() const;
    // The heating run while the view shows it.
    const HeatingSession* Heating() const { return heating_ ? &*heating_ : nullptr; }
    // The slider's set point: the thermostat holds it from now on.
    void HoldHeatingAt(double kelvin);
    // Moves a copy of the heating run on by one frame and places its copies in the view it is
    // given, as the view's own animation does; empty when no run is shown.
    std::function<void(ViewState&)> HeatingAnimationStep() const;
    const CopyShape& Shape() const { return copyShape_; }
    std::size_t HeatingCopies() const { return heatingCopies_; }

    bool HoldsStructure() const { return !compound_.unitAtoms.empty(); }
    bool HasCrystalData() const { return !compound_.basisAtoms.empty(); }

private:
    bool InNavigationState() const;
    void ShowChemicalUnit();
    void ShowCrystalSolid();
    void ShowFluid(DisplayState state);
    void ShowHeating();
    void SetHeatingCopies(std::size_t copies);
    CommandStatus QueryHeatingCommand(int id) const;
    bool RunHeatingCommand(int id);
    void RebuildScene();
    void ClearPicks();
    void ToggleMeasureMode(MeasureMode mode);
    void ToggleWholeMolecules();
    void ToggleLabels();
    void ShowReadout(PicturePoint p);
    void Pick(PicturePoint p);
    void Reset();
    void Zoom(float factor);
    void Project();

    const CompoundRecord& compound_;
    const ElementTable& elements_;
    ViewHost& host_;
    MotionTables& motion_;
    ViewState state_;
    float printScale_ = 1.0f;
    mutable PictureBuffers picture_;  // a cache: the footprints and the font stay for the next picture
    std::optional<PicturePoint> dragFrom_;  // the pointer position last handled while dragging
    std::string tipText_;
    ReadoutWords readoutWords_;
    const PhaseTable* phaseTable_ = nullptr;
    std::optional<HeatingSession> heating_;
    CopyShape copyShape_;
    std::size_t heatingCopies_ = kDefaultCopies;
};

}  // namespace kiva
