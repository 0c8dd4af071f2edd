// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The catalogue's manifest: one block per substance naming its keys, class, description, source
// files, atom labels and bond rules.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chem/compound_record.h"
#include "chem/molecule_index.h"

namespace kiva::mkdb {

struct LabelSource {
    std::string match;  // a CIF site label or an element symbol
    std::string label;
    int charge = 0;
};

struct BondSource {
    std::string labelA, labelB;
    float minDistance = 0, maxDistance = 0;
    int kind = 1;
};

struct SubstanceSource {
    std::string name;
    SubstanceKind kind = SubstanceKind::Homoatomic;
    std::string primaryKey, secondaryKey;
    BondingClass bondingClass = BondingClass::Molecule;
    std::string description;
    std::string unitPath;     // relative to the manifest's folder
    std::string crystalPath;  // empty: no crystal structure
    std::vector<Vector3D> translations;  // centring translations besides the identity
    std::vector<LabelSource> labels;
    std::vector<BondSource> bonds;
    std::string file;  // where the block stands, for messages
    int line = 0;
};

// "A" or "deg" where a text uses it as a unit after a number ("1.42 A", "104.5 deg"), which the
// catalogue writes "Å" and "°"; empty when the text has none.
std::string PlainUnitIn(std::string_view text);

// Reads every block; throws SourceError at the first fault, naming the file and line.
std::vector<SubstanceSource> ReadManifest(const std::string& path);
std::vector<SubstanceSource> ParseManifest(const std::string& text, const std::string& path);

}  // namespace kiva::mkdb
