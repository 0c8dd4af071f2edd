// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The browser page's one window: the catalogue the page carries, the five selections with the
// desktop's matching rules and messages, and one molecule view with its commands, picture and
// read-outs. Free of the browser, so the tests drive it as the page does.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chem/catalogue_language.h"
#include "chem/compound_record.h"
#include "chem/element_table.h"
#include "chem/molecule_index.h"
#include "chem/phase_points.h"
#include "dialogs/selection_model.h"
#include "render/projection.h"
#include "view/molecule_view.h"
#include "web/recorded_canvas.h"

namespace kiva::web {

// The page's texts in the user's language, keyed by the desktop's context and English text.
using Translations = std::map<std::pair<std::string, std::string>, std::string>;

// The five ways to pick a substance, in the order of the desktop's Molecule menu.
enum class SelectionKind { Homoatomic, Metallic, NonMetallic, Organic, Index };

class PageSession : public ViewHost {
public:
    // Reads Molecule.dat, Index.dat and PhasePoints.dat from the folder; Error() says what failed.
    explicit PageSession(const std::string& catalogueFolder);
    const std::string& Error() const { return error_; }

    // The language's catalogue texts (from Catalogue_LANG.dat beside the others), the page's
    // texts and its decimal separator; English without a table.
    void SetLanguage(const std::string& language, Translations translations, std::string decimalPoint);

    // The selection the user opened, in a fresh state; the last one opened.
    SelectionModel& OpenSelection(SelectionKind kind);
    SelectionModel* Selection() { return selection_.get(); }
    SelectionKind OpenKind() const { return selectionKind_; }
    // The keys a selection offers beside its list: the element symbols, the positive and
    // negative ions or covalences, the organic categories; empty where there are none.
    std::vector<std::string> KeysOf(int column) const;
    void ChooseKey(int column, int row);
    // OK or a double-click: the substance is opened when the name is found; otherwise the
    // desktop's message, translated, or nothing when the selection stays open silently.
    std::optional<std::string> ConfirmSelection();

    // Opens a catalogue substance by name (or a translated or other name) in the view, keeping its
    // display settings, as the desktop does; false with the message when it is not found.
    bool Open(const std::string& name, std::string& message);
    // The view an address describes, as kiva-render's options do: "substance=NaCl&state=crystal&
    // multiples=2,2,2&model=space&size=340x340&frames=N&quality=low&polyhedra&plane=1,1,1&smooth&
    // axes&coordination&no-cell-frame" ("bare" and "lang" are the page's own and are ignored here).
    bool StartFrom(const std::string& address, std::string& message);
    // The address asked for a fixed size or a held frame.
    bool FixedSize() const { return fixedSize_; }
    bool HeldFrame() const { return heldFrame_; }
    bool SmoothEdges() const { return smooth_; }
    void SetSmoothEdges(bool smooth) { smooth_ = smooth; }

    // The element table's rows, as the desktop's Color dialog lists them; a row takes a colour
    // (red in bits 0-7, green 8-15, blue 16-23) and the picture repaints with it.
    const ElementTable& Elements() const { return elements_; }
    bool SetElementColour(int row, std::uint32_t colour);

    MoleculeView& View() { return *view_; }
    // A command of the desktop's menus and toolbars, run as the desktop's window runs it: not
    // when it is disabled, and with the liquid's or the gas's first frame at once. Smooth Edges,
    // a choice of the desktop's whole program, is the page's.
    bool RunCommand(int id);
    CommandStatus QueryCommand(int id) const;
    const std::string& SubstanceName() const { return name_; }
    // The picture as the desktop's window shows it, in red, green, blue, alpha bytes for the
    // canvas, smoothed where the page asks for it.
    const std::vector<std::uint8_t>& Rgba();
    // The flat low-quality picture's drawing calls at the view's size, on black.
    const std::vector<std::int32_t>& LowQualityCalls();
    int PictureWidth() const { return rgbaWidth_; }
    int PictureHeight() const { return rgbaHeight_; }
    // What the picture shows, for a screen reader.
    std::string Description() const;
    // The message the view asked the page to show last, taken once.
    std::string TakeMessage() { return std::exchange(message_, {}); }
    // ViewHost
    void InvalidatePicture() override {}
    void ShowNoCrystalMessage() override;
    void ShowNoPhasePointsMessage() override;
    void SetTipText(const std::string& text) override { tip_ = text; }
    void ShowTip(PicturePoint) override { tipShown_ = true; }
    void HideTip() override { tipShown_ = false; }
    void MovePointer(PicturePoint) override {}
    // The read-out while it shows, as the desktop's tooltip over the picture.
    std::string Tip() const { return tipShown_ ? tip_ : std::string(); }

private:
    std::string Translate(const std::string& context, const std::string& english) const;

    std::string folder_, error_;
    ElementTable elements_;
    MoleculeIndex index_;
    PhaseTable phases_;
    CatalogueLanguage language_;
    Translations translations_;
    std::string decimalPoint_ = ".";
    CompoundRecord compound_;
    std::string name_;
    MotionTables motion_ = InitialMotionTables();  // every page starts from the motion kiva-render starts from
    std::unique_ptr<MoleculeView> view_;
    std::unique_ptr<SelectionModel> selection_;
    SelectionKind selectionKind_ = SelectionKind::Index;
    std::vector<std::uint8_t> rgba_;
    RecordedCanvas flat_;
    int rgbaWidth_ = 0, rgbaHeight_ = 0;
    // Smooth edges are the desktop's choice for a picture that fills its window, as the page's does.
    bool fixedSize_ = false, heldFrame_ = false, smooth_ = true;
    std::string tip_, message_;
    bool tipShown_ = false;
};

}  // namespace kiva::web
