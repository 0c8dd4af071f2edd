// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/selection_model.h"

#include <utility>

#include "chem/fixed_text.h"
#include "chem/selection_keys.h"
#include "platform/translatable.h"

namespace kiva {

namespace {

std::string Format(const char* format, const std::string& name) {
    std::string text = format;
    const std::size_t slot = text.find("%s");
    return slot == std::string::npos ? text : text.replace(slot, 2, name);
}

template <std::size_t N>
std::vector<std::string> Strings(const std::array<std::string_view, N>& keys) {
    return {keys.begin(), keys.end()};
}

bool StartsWith(std::string_view name, const std::string& prefix) { return name.substr(0, prefix.size()) == prefix; }

// A translated or other name begins with the text, letter case aside: a student types "kochsalz".
bool AnyNameStartsWith(const TranslatedSubstance* row, const std::string& text) {
    if (!row || text.empty()) return false;
    if (StartsWithIgnoringCase(row->translatedName, text)) return true;
    for (const std::string& name : row->commonNames)
        if (StartsWithIgnoringCase(name, text)) return true;
    return false;
}

}  // namespace

std::string EntryLine(const IndexEntry& entry, const CatalogueLanguage* language) {
    const TranslatedSubstance* row = language ? language->Find(TextOf(entry.name)) : nullptr;
    return std::string(TextOf(entry.name)) + " - " + (row ? row->description : std::string(TextOf(entry.description)));
}

const IndexEntry* SelectionModel::EntryAt(int row) const {
    if (row < 0) return nullptr;
    const auto index = static_cast<std::size_t>(row);
    if (listsWholeIndex_) return index < index_.entries.size() ? &index_.entries[index] : nullptr;
    return index < matches_.Items().size() ? &matches_.Items()[index] : nullptr;
}

void SelectionModel::ChooseRow(int row) {
    const IndexEntry* entry = EntryAt(row);
    if (!entry) return;
    selectedRow_ = row;
    selectedName_ = std::string(TextOf(entry->name));
}

void SelectionModel::EditChanged(const std::string& text) { selectedName_ = text; }

void SelectionModel::HighlightPrefix(const std::string& text) {
    const std::size_t count = listsWholeIndex_ ? index_.entries.size() : matches_.Items().size();
    for (std::size_t row = 0; row < count; ++row) {
        if (StartsWith(TextOf(EntryAt(static_cast<int>(row))->name), text)) {
            selectedRow_ = static_cast<int>(row);
            return;
        }
    }
    if (!language_) return;
    for (std::size_t row = 0; row < count; ++row) {
        if (AnyNameStartsWith(language_->Find(TextOf(EntryAt(static_cast<int>(row))->name)), text)) {
            selectedRow_ = static_cast<int>(row);
            return;
        }
    }
}

const IndexEntry* SelectionModel::Lookup(const std::string& name) const {
    if (const IndexEntry* entry = LookupName(name)) return entry;
    const TranslatedSubstance* row = language_ ? language_->FindByName(name) : nullptr;
    return row ? LookupName(row->name) : nullptr;
}

std::string SelectionModel::ResolvedName() const {
    const IndexEntry* entry = Lookup(selectedName_);
    return entry ? std::string(TextOf(entry->name)) : selectedName_;
}

Confirmation SelectionModel::Confirm() const {
    if (selectedName_.empty()) return {Confirmation::Outcome::Stay, ""};
    if (Lookup(selectedName_)) return {Confirmation::Outcome::Close, ""};
    return {Confirmation::Outcome::NotFound, Format(notFoundFormat_, selectedName_), notFoundFormat_, selectedName_};
}

void SelectionModel::Refresh(SubstanceKind kind, std::string_view primaryKey, std::string_view secondaryKey,
                             bool highlightFirst) {
    FindIndexEntries(index_, static_cast<int>(kind), primaryKey, secondaryKey, matches_);
    lines_.clear();
    selectedName_.clear();
    for (const IndexEntry& entry : matches_.Items()) lines_.push_back(Line(entry));
    selectedRow_ = -1;
    if (highlightFirst && !lines_.empty()) ChooseRow(0);
}

KeyPairSelection::KeyPairSelection(const MoleculeIndex& index, SubstanceKind kind, std::vector<std::string> positives,
                                   const char* groupKey, const char* notFoundFormat, const CatalogueLanguage* language)
    : SelectionModel(index, notFoundFormat, language),
      kind_(kind),
      positives_(std::move(positives)),
      negatives_(Strings(kNegativeIons)),
      groupKey_(groupKey) {}

void KeyPairSelection::RefreshIfReady() {
    if (positive_ < 0) return;
    const std::string& positive = positives_[static_cast<std::size_t>(positive_)];
    const bool group = !groupKey_.empty() && positive == groupKey_;
    if (negative_ < 0 && !group) return;
    Refresh(kind_, positive, negative_ < 0 ? "" : negatives_[static_cast<std::size_t>(negative_)], true);
}

void KeyPairSelection::ChoosePositive(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= positives_.size()) return;
    positive_ = row;
    RefreshIfReady();
}

void KeyPairSelection::ChooseNegative(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= negatives_.size()) return;
    negative_ = row;
    RefreshIfReady();
}

const IndexEntry* KeyPairSelection::LookupName(const std::string& name) const {
    return FindIndexEntry(index_, name, static_cast<int>(kind_));
}

MetallicSelection::MetallicSelection(const MoleculeIndex& index, const CatalogueLanguage* language)
    : KeyPairSelection(index, SubstanceKind::Metallic, Strings(kPositiveIons), "Other",
                       KIVA_TRANSLATABLE("SelectionModel", "Cannot find the metallic compound \"%s\"."), language) {}

NonMetallicSelection::NonMetallicSelection(const MoleculeIndex& index, const CatalogueLanguage* language)
    : KeyPairSelection(index, SubstanceKind::NonMetallic, Strings(kPositiveCovalences), "",
                       KIVA_TRANSLATABLE("SelectionModel", "Cannot find the non-metallic compound \"%s\"."), language) {}

HomoatomicSelection::HomoatomicSelection(const MoleculeIndex& index, const ElementTable& elements, const CatalogueLanguage* language)
    : SelectionModel(index, KIVA_TRANSLATABLE("SelectionModel", "Cannot find the substance \"%s\"."), language) {
    for (const ElementInfo& row : elements.rows) elements_.emplace_back(TextOf(row.symbol));
}

void HomoatomicSelection::ChooseElement(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= elements_.size()) return;
    Refresh(SubstanceKind::Homoatomic, elements_[static_cast<std::size_t>(row)], "", true);
}

const IndexEntry* HomoatomicSelection::LookupName(const std::string& name) const {
    return FindIndexEntry(index_, name, static_cast<int>(SubstanceKind::Homoatomic));
}

IndexSelection::IndexSelection(const MoleculeIndex& index, const CatalogueLanguage* language)
    : SelectionModel(index, KIVA_TRANSLATABLE("SelectionModel", "Cannot find the compound \"%s\"."), language) {
    listsWholeIndex_ = true;
    for (const IndexEntry& entry : index.entries) lines_.push_back(Line(entry));
}

void IndexSelection::EditChanged(const std::string& text) {
    selectedName_ = text;
    HighlightPrefix(text);
}

const IndexEntry* IndexSelection::LookupName(const std::string& name) const { return FindIndexEntryByName(index_, name); }

OrganicSelection::OrganicSelection(const MoleculeIndex& index, const CatalogueLanguage* language)
    : SelectionModel(index, KIVA_TRANSLATABLE("SelectionModel", "Cannot find the organic compound \"%s\"."), language) {}

void OrganicSelection::ChooseCategory(int category) {
    if (category < 0 || static_cast<std::size_t>(category) >= kOrganicCategories.size()) return;
    Refresh(SubstanceKind::Organic, kOrganicCategories[static_cast<std::size_t>(category)].keyWord, "", false);
}

void OrganicSelection::EditChanged(const std::string& text) {
    selectedName_ = text;
    HighlightPrefix(text);
}

const IndexEntry* OrganicSelection::LookupName(const std::string& name) const {
    return FindIndexEntry(index_, name, static_cast<int>(SubstanceKind::Organic));
}

}  // namespace kiva
