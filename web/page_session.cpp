// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/page_session.h"

#include <algorithm>

#include "chem/compound_title.h"
#include "chem/fixed_text.h"
#include "chem/selection_keys.h"
#include "platform/binary_archive.h"
#include "tools/render/render_options.h"
#include "view/commands.h"
#include "view/picture_description.h"

namespace kiva::web {

namespace {

// The address's words as kiva-render's arguments: "state=crystal" is "--state crystal", a bare
// "polyhedra" is "--polyhedra". The page's own words and unknown ones are left out.
std::vector<std::string> AddressArguments(const std::string& address, std::string& substance) {
    static const char* const kValued[] = {"state", "model", "quality", "multiples", "size", "frames", "plane"};
    static const char* const kFlags[] = {"polyhedra", "smooth", "axes", "coordination", "no-cell-frame",
                                         "whole-molecules", "rock"};
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start <= address.size()) {
        const std::size_t end = std::min(address.find('&', start), address.size());
        const std::string word = address.substr(start, end - start);
        start = end + 1;
        const std::size_t equals = word.find('=');
        const std::string key = word.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
        if (key == "substance") substance = value;
        for (const char* valued : kValued)
            if (key == valued && equals != std::string::npos) arguments.insert(arguments.end(), {"--" + key, value});
        for (const char* flag : kFlags)
            if (key == flag && equals == std::string::npos) arguments.push_back("--" + key);
    }
    return arguments;
}

std::string Replace(std::string text, const std::string& slot, const std::string& value) {
    if (const std::size_t at = text.find(slot); at != std::string::npos) text.replace(at, slot.size(), value);
    return text;
}

}  // namespace

PageSession::PageSession(const std::string& catalogueFolder)
    : folder_(catalogueFolder), elements_(MakeDefaultElementTable()) {
    index_.path = folder_ + "/Index.dat";
    if (!LoadMoleculeIndex(index_)) error_ = "Cannot read the catalogue's index.";
    phases_ = LoadPhasePointsFile(folder_ + "/PhasePoints.dat").table;
    view_ = std::make_unique<MoleculeView>(compound_, elements_, *this, motion_);
    view_->SetPhaseTable(&phases_);
    view_->SetPictureArea({340, 340});
}

void PageSession::SetLanguage(const std::string& language, Translations translations, std::string decimalPoint) {
    language_ = language.empty() ? CatalogueLanguage{} : LoadCatalogueLanguage(folder_, {language});
    translations_ = std::move(translations);
    decimalPoint_ = std::move(decimalPoint);
    ReadoutWords words;
    for (std::string* word : {&words.distance, &words.angle, &words.torsionAngle, &words.degree, &words.axes[0],
                              &words.axes[1], &words.axes[2]})
        *word = Translate("Readout", *word);
    words.decimalPoint = decimalPoint_;
    view_->SetReadoutWords(words);
}

std::string PageSession::Translate(const std::string& context, const std::string& english) const {
    const auto found = translations_.find({context, english});
    return found == translations_.end() || found->second.empty() ? english : found->second;
}

SelectionModel& PageSession::OpenSelection(SelectionKind kind) {
    const CatalogueLanguage* language = language_.rows.empty() ? nullptr : &language_;
    selectionKind_ = kind;
    switch (kind) {
    case SelectionKind::Homoatomic: selection_ = std::make_unique<HomoatomicSelection>(index_, elements_, language); break;
    case SelectionKind::Metallic: selection_ = std::make_unique<MetallicSelection>(index_, language); break;
    case SelectionKind::NonMetallic: selection_ = std::make_unique<NonMetallicSelection>(index_, language); break;
    case SelectionKind::Organic: selection_ = std::make_unique<OrganicSelection>(index_, language); break;
    case SelectionKind::Index: selection_ = std::make_unique<IndexSelection>(index_, language); break;
    }
    return *selection_;
}

std::vector<std::string> PageSession::KeysOf(int column) const {
    if (!selection_) return {};
    if (const auto* pair = dynamic_cast<const KeyPairSelection*>(selection_.get()))
        return column == 0 ? pair->PositiveKeys() : pair->NegativeKeys();
    if (const auto* element = dynamic_cast<const HomoatomicSelection*>(selection_.get()))
        return column == 0 ? element->ElementKeys() : std::vector<std::string>{};
    if (dynamic_cast<const OrganicSelection*>(selection_.get()) && column == 0) {
        std::vector<std::string> labels;
        for (const OrganicCategory& category : kOrganicCategories)
            labels.push_back(Translate("OrganicCategory", std::string(category.label)));
        return labels;
    }
    return {};
}

void PageSession::ChooseKey(int column, int row) {
    if (!selection_) return;
    if (auto* pair = dynamic_cast<KeyPairSelection*>(selection_.get())) {
        if (column == 0) pair->ChoosePositive(row);
        else pair->ChooseNegative(row);
    } else if (auto* element = dynamic_cast<HomoatomicSelection*>(selection_.get())) {
        element->ChooseElement(row);
    } else if (auto* organic = dynamic_cast<OrganicSelection*>(selection_.get())) {
        organic->ChooseCategory(row);
    }
}

std::optional<std::string> PageSession::ConfirmSelection() {
    if (!selection_) return std::nullopt;
    const Confirmation confirmation = selection_->Confirm();
    if (confirmation.outcome == Confirmation::Outcome::Stay) return std::nullopt;
    if (confirmation.outcome == Confirmation::Outcome::NotFound)
        return Replace(Translate(kNotFoundContext, confirmation.messageFormat), "%s", confirmation.name);
    std::string message;
    if (!Open(selection_->ResolvedName(), message)) return message;
    return std::string();
}

bool PageSession::Open(const std::string& name, std::string& message) {
    CompoundRecord fresh;
    bool found = false;
    try {
        found = LoadCompoundByName(index_, folder_ + "/Molecule.dat", name, fresh);
    } catch (const FileException& error) {
        message = error.what();
        return false;
    }
    if (!found) {
        message = Replace(Translate("CompoundSelection", "Cannot find the compound \"%1\"."), "%1", name);
        return false;
    }
    compound_ = std::move(fresh);
    name_ = name;
    view_->OnUpdate();
    return true;
}

bool PageSession::StartFrom(const std::string& address, std::string& message) {
    std::string substance;
    std::vector<std::string> arguments = AddressArguments(address, substance);
    if (substance.empty()) return true;  // the page opens with the selections alone
    arguments.insert(arguments.begin(), substance);
    arguments.insert(arguments.end(), {"-o", "page.png"});
    const render_tool::ParsedOptions parsed = render_tool::ParseRenderOptions(arguments);
    if (!parsed.options) {
        // kiva-render's first line names what was wrong; its usage is for the command line.
        message = parsed.error.substr(0, parsed.error.find('\n'));
        const std::string tool = "kiva-render: ";
        if (message.compare(0, tool.size(), tool) == 0) message.erase(0, tool.size());
        return false;
    }
    if (!Open(substance, message)) return false;
    const render_tool::RenderOptions& options = *parsed.options;
    fixedSize_ = std::find(arguments.begin(), arguments.end(), "--size") != arguments.end();
    heldFrame_ = std::find(arguments.begin(), arguments.end(), "--frames") != arguments.end();
    if (fixedSize_) smooth_ = options.smooth;  // a fixed picture, as kiva-render's, is smoothed when asked
    motion_ = InitialMotionTables();
    view_->State() = render_tool::PrepareView(options, compound_, elements_, motion_, options.frames);
    return true;
}

bool PageSession::SetElementColour(int row, std::uint32_t colour) {
    if (row < 0 || row >= elements_.count) return false;
    elements_.rows[static_cast<std::size_t>(row)].color = colour & 0xFFFFFFu;
    view_->ApplyElementTable();
    return true;
}

bool PageSession::RunCommand(int id) {
    if (id == command::SmoothEdges) {
        smooth_ = !smooth_;
        return true;
    }
    if (!view_->QueryCommand(id).enabled) return false;
    view_->RunCommand(id);
    // The liquid and the gas are left unprojected for the animation; its first frame is due now.
    if (id == command::Liquid || id == command::Gas) view_->AnimateStep();
    return true;
}

CommandStatus PageSession::QueryCommand(int id) const {
    if (id == command::SmoothEdges) return {true, true, true, smooth_};
    return view_->QueryCommand(id);
}

const std::vector<std::uint8_t>& PageSession::Rgba() {
    const Picture& picture = view_->RenderPicture(view_->Area(), {0, true, smooth_});
    rgbaWidth_ = picture.width;
    rgbaHeight_ = picture.height;
    const std::size_t pixels = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    rgba_.resize(pixels * 4);
    for (std::size_t i = 0; i < pixels; ++i) {  // the picture's bytes are blue, green, red
        rgba_[4 * i] = picture.colour[3 * i + 2];
        rgba_[4 * i + 1] = picture.colour[3 * i + 1];
        rgba_[4 * i + 2] = picture.colour[3 * i];
        rgba_[4 * i + 3] = 255;
    }
    return rgba_;
}

const std::vector<std::int32_t>& PageSession::LowQualityCalls() {
    flat_.Clear();
    view_->DrawLowQuality(flat_, view_->Map());
    return flat_.Calls();
}

std::string PageSession::Description() const {
    DescriptionWords words;
    for (std::string* word : {&words.chemicalUnit, &words.crystal, &words.liquid, &words.gas, &words.heating,
                              &words.cells, &words.atoms, &words.oneAtom, &words.ballAndStick, &words.spaceFilling,
                              &words.polyhedra, &words.plane, &words.empty})
        *word = Translate("PictureDescription", *word);
    words.decimalPoint = decimalPoint_;
    return PictureDescription(name_, view_->State(), words);
}

void PageSession::ShowNoCrystalMessage() {
    message_ = Translate("CKivaView", "No crystal structure.\nOnly single molecule available.");
}

void PageSession::ShowNoPhasePointsMessage() {
    message_ = Translate("CKivaView", "There are no melting and boiling points for this substance, so it cannot be "
                                      "heated and cooled.");
}

}  // namespace kiva::web
