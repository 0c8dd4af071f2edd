// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The facts a student reads beside the picture: what the substance is, where it melts and boils,
// and for a crystal the size and content of its unit cell.
#include <optional>
#include <string>
#include <vector>

#include "chem/catalogue_language.h"
#include "chem/compound_record.h"
#include "chem/molecule_index.h"
#include "chem/phase_points.h"

namespace kiva {

struct CellFacts {
    UnitCell cell;           // lengths in angstrom, angles in degrees, as the record holds them
    std::string spaceGroup;  // the symmetry text as the record gives it; may be empty
    int atomCount = 0;       // atoms in one cell, as the symmetry expands its basis
    int formulaUnits = 0;    // Z: chemical units per cell; 0 when the cell's content is no whole multiple
};

struct SubstanceFacts {
    std::string name;  // the catalogue's name, which is the key in every language
    // In the user's language, where the catalogue has a finished translation: "Natriumchlorid",
    // and the other names a school uses ("Kochsalz"). The description is then the translation's.
    std::string translatedName;
    std::vector<std::string> commonNames;
    std::string formula;  // of the chemical unit, e.g. CaCO3
    BondingClass bondingClass = BondingClass::Molecule;
    std::string description;       // the catalogue's line; empty for a file opened from outside
    std::optional<PhasePoints> phasePoints;  // a catalogue substance's row of the phase table
    std::optional<CellFacts> cell; // only for a substance with a crystal structure
};

// The facts of a record and, for a catalogue substance, its index entry (null for a file) and its
// row of `phases`, with its texts in `language` where that has them. A cell whose expansion would
// take more work than the crystal display allows gets no atom count.
SubstanceFacts GatherSubstanceFacts(const CompoundRecord& compound, const IndexEntry* entry, const PhaseTable& phases,
                                    const CatalogueLanguage& language = {});

// The same with the phase table and the language the viewer read at start-up.
SubstanceFacts GatherSubstanceFacts(const CompoundRecord& compound, const IndexEntry* entry);

// The name as a title shows it: the translated name with the catalogue's name after it where the
// two differ ("Natriumchlorid (NaCl)"), or the catalogue's name alone.
std::string DisplayName(const SubstanceFacts& facts);

}  // namespace kiva
