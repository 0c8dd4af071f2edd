// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the substance selection dialogs do, without any window: the lines they list, the row they
// highlight, the name in their edit, and what a key choice, a typed name, a double-click or OK
// does. The Qt dialogs only show this state and pass the user's actions in.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chem/catalogue_language.h"
#include "chem/element_table.h"
#include "chem/molecule_index.h"

namespace kiva {

// What confirming a name leads to: the dialog closes with OK, stays open silently, or stays open
// after telling the user the name was not found.
struct Confirmation {
    enum class Outcome { Close, Stay, NotFound } outcome;
    std::string message;  // for NotFound
    // The message before the name took the place of its "%s", and the name: the dialog shows the
    // message translated in the context kNotFoundContext.
    const char* messageFormat = "";
    std::string name;
};

inline constexpr const char* kNotFoundContext = "SelectionModel";

// "name - description", as every list shows an entry, with the description in the language
// where it has one.
std::string EntryLine(const IndexEntry& entry, const CatalogueLanguage* language = nullptr);

// The part every selection dialog shares: a "Select from" list of "name - description" lines,
// its highlighted row and the selected-name edit.
class SelectionModel {
public:
    const std::vector<std::string>& Lines() const { return lines_; }
    int SelectedRow() const { return selectedRow_; }
    const std::string& SelectedName() const { return selectedName_; }

    // A click on a row: its entry's name goes into the edit.
    void ChooseRow(int row);
    // The user typed: the edit now holds `text`. Dialogs with an incremental search highlight the
    // first listed entry whose name, translated name or other name begins with it.
    virtual void EditChanged(const std::string& text);
    // A double-click on a row (and, in the organic dialog, OK): looks the edit's name up.
    Confirmation Confirm() const;
    // The catalogue name the edit stands for: the entry's name where the edit holds its
    // translated or other name ("Kochsalz" gives "NaCl"), and otherwise the edit as it is.
    std::string ResolvedName() const;

    virtual ~SelectionModel() = default;

protected:
    SelectionModel(const MoleculeIndex& index, const char* notFoundFormat, const CatalogueLanguage* language)
        : index_(index), language_(language), notFoundFormat_(notFoundFormat) {}
    // Lists the entries of a kind filed under the keys; highlights the first when asked.
    void Refresh(SubstanceKind kind, std::string_view primaryKey, std::string_view secondaryKey, bool highlightFirst);
    // Highlights the first listed entry whose name begins with the text; an empty text is row 0.
    void HighlightPrefix(const std::string& text);
    // The entry of a name, or else of a translated or other name, that the dialog lists.
    const IndexEntry* Lookup(const std::string& name) const;
    virtual const IndexEntry* LookupName(const std::string& name) const = 0;
    std::string Line(const IndexEntry& entry) const { return EntryLine(entry, language_); }
    const IndexEntry* EntryAt(int row) const;

    const MoleculeIndex& index_;
    const CatalogueLanguage* language_;  // null, or without rows, for English
    IndexMatchList matches_;
    bool listsWholeIndex_ = false;  // the index dialog lists the index itself, not matches
    std::vector<std::string> lines_;
    int selectedRow_ = -1;
    std::string selectedName_;

private:
    const char* notFoundFormat_;
};

// A compound chosen by a positive and a negative key: the metallic dialog's ions, the
// non-metallic dialog's covalences. The list fills once both keys are chosen, or at once for a
// positive key that stands for a whole group ("Other").
class KeyPairSelection : public SelectionModel {
public:
    const std::vector<std::string>& PositiveKeys() const { return positives_; }
    const std::vector<std::string>& NegativeKeys() const { return negatives_; }
    void ChoosePositive(int row);
    void ChooseNegative(int row);

protected:
    KeyPairSelection(const MoleculeIndex& index, SubstanceKind kind, std::vector<std::string> positives,
                     const char* groupKey, const char* notFoundFormat, const CatalogueLanguage* language);

private:
    void RefreshIfReady();
    const IndexEntry* LookupName(const std::string& name) const override;
    SubstanceKind kind_;
    std::vector<std::string> positives_;
    std::vector<std::string> negatives_;
    std::string groupKey_;  // empty when there is none
    int positive_ = -1;
    int negative_ = -1;
};

class MetallicSelection : public KeyPairSelection {
public:
    explicit MetallicSelection(const MoleculeIndex& index, const CatalogueLanguage* language = nullptr);
};

class NonMetallicSelection : public KeyPairSelection {
public:
    explicit NonMetallicSelection(const MoleculeIndex& index, const CatalogueLanguage* language = nullptr);
};

class HomoatomicSelection : public SelectionModel {
public:
    HomoatomicSelection(const MoleculeIndex& index, const ElementTable& elements, const CatalogueLanguage* language = nullptr);
    // The symbols of all 43 rows of the element table, as it holds them now.
    const std::vector<std::string>& ElementKeys() const { return elements_; }
    void ChooseElement(int row);

private:
    const IndexEntry* LookupName(const std::string& name) const override;
    std::vector<std::string> elements_;
};

class IndexSelection : public SelectionModel {
public:
    explicit IndexSelection(const MoleculeIndex& index, const CatalogueLanguage* language = nullptr);
    void EditChanged(const std::string& text) override;

private:
    const IndexEntry* LookupName(const std::string& name) const override;
};

class OrganicSelection : public SelectionModel {
public:
    explicit OrganicSelection(const MoleculeIndex& index, const CatalogueLanguage* language = nullptr);
    // Lists the category's entries and leaves every row unselected.
    void ChooseCategory(int category);
    void EditChanged(const std::string& text) override;

private:
    const IndexEntry* LookupName(const std::string& name) const override;
};

}  // namespace kiva
