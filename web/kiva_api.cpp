// SPDX-License-Identifier: GPL-2.0-or-later
// The C functions the page calls. Texts go in and out as UTF-8 strings; a returned string lasts
// until the next call of the same function. The catalogue lies in the module's own file system
// under /catalogue, where the build embedded it.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "render/picture_area.h"
#include "view/commands.h"
#include "view/measurements.h"
#include "view/picture_point.h"
#include "web/page_session.h"

using kiva::web::PageSession;

namespace {

std::unique_ptr<PageSession> session;
std::string message;

const char* Kept(std::string& keeper, std::string text) {
    keeper = std::move(text);
    return keeper.c_str();
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// "context<TAB>English<TAB>translation" lines.
kiva::web::Translations ReadTranslations(const char* lines) {
    kiva::web::Translations table;
    std::istringstream in(lines ? lines : "");
    for (std::string line; std::getline(in, line);) {
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) continue;
        // The desktop's texts hold line breaks, which the table writes as \n.
        auto unescape = [](std::string text) {
            for (std::size_t at = 0; (at = text.find("\\n", at)) != std::string::npos;) text.replace(at, 2, "\n");
            return text;
        };
        table[{line.substr(0, first), unescape(line.substr(first + 1, second - first - 1))}] = unescape(line.substr(second + 1));
    }
    return table;
}

// The page's buttons, group by group, in the order of the desktop's menus and toolbars: each
// labelled by its toolbar tooltip, or its menu text where it has none. The first group's are
// the five selections.
struct Button {
    const char* group;
    int id;
    const char* menuText = nullptr;  // in the context "Menu"
};
constexpr Button kButtons[] = {
    {"selections", kiva::command::Homoatomic, "&Homoatomic..."}, {"selections", kiva::command::Metallic, "&Metallic..."},
    {"selections", kiva::command::NonMetallic, "&Non-Metallic..."}, {"selections", kiva::command::Organic, "&Organic..."},
    {"selections", kiva::command::Index, "&Index..."},
    {"colours", kiva::command::ElementColor},
    {"states", kiva::command::ChemicalUnit}, {"states", kiva::command::CrystalSolid},
    {"states", kiva::command::Liquid}, {"states", kiva::command::Gas},
    {"models", kiva::command::BallAndStick}, {"models", kiva::command::SpaceFilling},
    {"models", kiva::command::HighQuality}, {"models", kiva::command::LowQuality},
    {"overlays", kiva::command::Axes}, {"overlays", kiva::command::CellFrame},
    {"overlays", kiva::command::Coordination}, {"overlays", kiva::command::Polyhedra},
    {"overlays", kiva::command::SmoothEdges},
    {"modes", kiva::command::Rotate}, {"modes", kiva::command::Translate}, {"modes", kiva::command::Rock},
    {"zooms", kiva::command::ZoomIn}, {"zooms", kiva::command::ZoomOut}, {"zooms", kiva::command::Reset},
    {"measures", kiva::command::Position}, {"measures", kiva::command::Distance},
    {"measures", kiva::command::Angle}, {"measures", kiva::command::TorsionAngle},
    {"files", kiva::command::ExportPicture},
};

}  // namespace

extern "C" {

// "group<TAB>id<TAB>context<TAB>label" lines, the labels in English for the page to translate.
EMSCRIPTEN_KEEPALIVE const char* kiva_buttons() {
    static std::string text;
    std::string lines;
    for (const Button& button : kButtons) {
        const bool fromMenu = button.menuText != nullptr;
        lines += std::string(button.group) + "\t" + std::to_string(button.id) + "\t" + (fromMenu ? "Menu" : "Command") +
                 "\t" + (fromMenu ? std::string(button.menuText) : std::string(kiva::command::StringsOf(button.id).tooltip)) + "\n";
    }
    return Kept(text, lines);
}

// The shown cells along axis 0, 1 or 2.
EMSCRIPTEN_KEEPALIVE int kiva_multiple(int axis) {
    return session->View().State().cellMultiples[static_cast<std::size_t>(std::clamp(axis, 0, 2))];
}

EMSCRIPTEN_KEEPALIVE int kiva_start() {
    session = std::make_unique<PageSession>("/catalogue");
    return session->Error().empty();
}

EMSCRIPTEN_KEEPALIVE const char* kiva_error() {
    static std::string text;
    return Kept(text, session ? session->Error() : "not started");
}

EMSCRIPTEN_KEEPALIVE void kiva_set_language(const char* language, const char* translations, const char* decimalPoint) {
    session->SetLanguage(language, ReadTranslations(translations), decimalPoint);
}

// The last message of a call that failed or of the view, taken once.
EMSCRIPTEN_KEEPALIVE const char* kiva_message() {
    static std::string text;
    std::string viewMessage = session->TakeMessage();
    return Kept(text, !message.empty() ? std::exchange(message, {}) : viewMessage);
}

EMSCRIPTEN_KEEPALIVE int kiva_start_from(const char* address) { return session->StartFrom(address, message); }
EMSCRIPTEN_KEEPALIVE int kiva_open(const char* name) { return session->Open(name, message); }
EMSCRIPTEN_KEEPALIVE int kiva_fixed_size() { return session->FixedSize(); }
EMSCRIPTEN_KEEPALIVE int kiva_held_frame() { return session->HeldFrame(); }

// The selections: kind 0 elements, 1 metallic, 2 non-metallic, 3 organic, 4 the index.
EMSCRIPTEN_KEEPALIVE void kiva_selection_open(int kind) {
    session->OpenSelection(static_cast<kiva::web::SelectionKind>(std::clamp(kind, 0, 4)));
}
EMSCRIPTEN_KEEPALIVE const char* kiva_selection_keys(int column) {
    static std::string text;
    return Kept(text, Joined(session->KeysOf(column)));
}
EMSCRIPTEN_KEEPALIVE const char* kiva_selection_lines() {
    static std::string text;
    return Kept(text, session->Selection() ? Joined(session->Selection()->Lines()) : "");
}
EMSCRIPTEN_KEEPALIVE int kiva_selection_row() { return session->Selection() ? session->Selection()->SelectedRow() : -1; }
EMSCRIPTEN_KEEPALIVE const char* kiva_selection_name() {
    static std::string text;
    return Kept(text, session->Selection() ? session->Selection()->SelectedName() : "");
}
EMSCRIPTEN_KEEPALIVE void kiva_selection_choose_key(int column, int row) { session->ChooseKey(column, row); }
EMSCRIPTEN_KEEPALIVE void kiva_selection_choose_row(int row) {
    if (session->Selection()) session->Selection()->ChooseRow(row);
}
EMSCRIPTEN_KEEPALIVE void kiva_selection_edit(const char* text) {
    if (session->Selection()) session->Selection()->EditChanged(text);
}
// 0: the selection stays open silently; 1: the substance is open; 2: a message to show.
EMSCRIPTEN_KEEPALIVE int kiva_selection_confirm() {
    const auto outcome = session->ConfirmSelection();
    if (!outcome) return 0;
    if (outcome->empty()) return 1;
    message = *outcome;
    return 2;
}

// A command of the desktop's menus by its id; its state as bits: 1 served, 2 enabled,
// 4 checkable, 8 checked.
EMSCRIPTEN_KEEPALIVE int kiva_command(int id) { return session->RunCommand(id); }
EMSCRIPTEN_KEEPALIVE int kiva_command_state(int id) {
    const kiva::CommandStatus status = session->QueryCommand(id);
    return (status.served ? 1 : 0) | (status.enabled ? 2 : 0) | (status.checkable ? 4 : 0) | (status.checked ? 8 : 0);
}
EMSCRIPTEN_KEEPALIVE int kiva_low_quality_shown() {
    return session->View().State().displayQuality == kiva::DisplayQuality::Low;
}
EMSCRIPTEN_KEEPALIVE int kiva_multiples_enabled() { return session->QueryCommand(kiva::command::UnitCellMultiples).enabled; }
EMSCRIPTEN_KEEPALIVE void kiva_set_multiples(int x, int y, int z) {
    session->View().SetCellMultiples({std::clamp(x, 1, 16), std::clamp(y, 1, 16), std::clamp(z, 1, 16)});
}

// The element table's symbols, a line each, and a row's colour: red in bits 0-7, green 8-15,
// blue 16-23.
EMSCRIPTEN_KEEPALIVE const char* kiva_element_symbols() {
    static std::string text;
    std::vector<std::string> symbols;
    const kiva::ElementTable& elements = session->Elements();
    for (int row = 0; row < elements.count; ++row) symbols.emplace_back(elements.rows[static_cast<std::size_t>(row)].symbol);
    return Kept(text, Joined(symbols));
}
EMSCRIPTEN_KEEPALIVE int kiva_element_colour(int row) {
    const kiva::ElementTable& elements = session->Elements();
    return row >= 0 && row < elements.count ? static_cast<int>(elements.rows[static_cast<std::size_t>(row)].color) : -1;
}
EMSCRIPTEN_KEEPALIVE int kiva_set_element_colour(int row, int colour) {
    return session->SetElementColour(row, static_cast<std::uint32_t>(colour));
}

EMSCRIPTEN_KEEPALIVE void kiva_set_size(int width, int height) { session->View().SetPictureArea({width, height}); }

// The pointer in picture pixels: 0 press, 1 move, 2 release, 3 the pointer lost. A press with
// `move` set moves the model instead of turning it until the release, as the second button does.
EMSCRIPTEN_KEEPALIVE void kiva_mouse(int kind, int x, int y, int move) {
    static std::optional<kiva::MouseMode> before;
    kiva::MoleculeView& view = session->View();
    const kiva::PicturePoint at{x, y};
    switch (kind) {
    case 0:
        if (move) before = std::exchange(view.State().mouseMode, kiva::MouseMode::Translate);
        view.MousePress(at);
        break;
    case 1: view.MouseMove(at); break;
    default:
        if (kind == 2) view.MouseRelease(at);
        else view.LoseMouse();
        if (before) view.State().mouseMode = *std::exchange(before, std::nullopt);
        break;
    }
}

// The picture's keys: 0 left, 1 right, 2 up, 3 down, 4 zoom in, 5 zoom out, 6 rock, 7 home.
EMSCRIPTEN_KEEPALIVE int kiva_key(int key, int fine, int move) {
    return session->View().KeyPress(static_cast<kiva::MoleculeView::Key>(std::clamp(key, 0, 7)), fine, move);
}

EMSCRIPTEN_KEEPALIVE int kiva_step() { return session->View().AnimateStep(); }

EMSCRIPTEN_KEEPALIVE const std::uint8_t* kiva_picture() { return session->Rgba().data(); }
EMSCRIPTEN_KEEPALIVE const std::int32_t* kiva_low_quality() { return session->LowQualityCalls().data(); }
EMSCRIPTEN_KEEPALIVE int kiva_picture_width() { return session->PictureWidth(); }
EMSCRIPTEN_KEEPALIVE int kiva_picture_height() { return session->PictureHeight(); }

EMSCRIPTEN_KEEPALIVE int kiva_atom_count() { return static_cast<int>(session->View().State().atoms.size()); }

// Where atom `index` shows in the picture, as x * 65536 + y, when a click there picks it; -1
// when it is hidden or there is no such atom. For scripts that measure as a student would.
EMSCRIPTEN_KEEPALIVE int kiva_atom_point(int index) {
    const kiva::ViewState& view = session->View().State();
    if (index < 0 || static_cast<std::size_t>(index) >= view.atoms.size()) return -1;
    const kiva::PicturePoint at = kiva::ScreenPoint(view.atoms[static_cast<std::size_t>(index)].picture);
    if (kiva::HitTestAtom(view, at) != index || at.x < 0 || at.y < 0 || at.x > 32767 || at.y > 32767) return -1;
    return at.x * 65536 + at.y;
}

EMSCRIPTEN_KEEPALIVE const char* kiva_tip() {
    static std::string text;
    return Kept(text, session->Tip());
}
EMSCRIPTEN_KEEPALIVE const char* kiva_description() {
    static std::string text;
    return Kept(text, session->Description());
}
EMSCRIPTEN_KEEPALIVE const char* kiva_substance() { return session->SubstanceName().c_str(); }

}  // extern "C"
