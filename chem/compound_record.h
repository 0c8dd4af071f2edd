// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One substance: its name and bonding class, its crystal (symmetry, cell, basis atoms) and its
// chemical unit (one molecule or formula unit) with the bond rules that join its atoms.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "math/vector_math.h"

namespace kiva {

class ArchiveReader;
class ArchiveWriter;
struct MoleculeIndex;

enum class BondingClass : std::int32_t { Metal = 0, Atom = 1, Ionic = 2, Molecule = 3, CovalentNetwork = 4 };

// One atom; 28 bytes in the stream.
struct AtomSite {
    char symbol[12];    // label: element symbol with charge marks or digits (Na+, O2-, C1)
    float charge;       // formal charge; consumers truncate it toward zero
    Vector3D position;  // fractional in basisAtoms, angstrom in unitAtoms
};
static_assert(sizeof(AtomSite) == 28);

// Atoms labelled symbolA and symbolB whose distance lies within [minDistance, maxDistance]
// (angstrom, inclusive) are bonded with bondKind; 28 bytes in the stream.
struct BondRule {
    char symbolA[8];
    char symbolB[8];
    float minDistance;
    float maxDistance;
    std::int32_t bondKind;
};
static_assert(sizeof(BondRule) == 28);

// The charge as consumers use it: truncated toward zero. A damaged value beyond the int range
// counts by its sign, and NaN as 0.
inline int TruncatedCharge(float charge) {
    if (charge >= 1e9f) return 1;
    if (charge <= -1e9f) return -1;
    return charge == charge ? static_cast<int>(charge) : 0;
}

// Maps a fractional position (x, y, z, 1) to M (x, y, z, 1), divided by the fourth component.
using SymmetryOperation = Matrix4;

inline constexpr int kMaxTranslations = 4;

struct SymmetryGroup {
    char groupText[128] = {};  // carried, never interpreted: the space-group symbol
    std::int32_t translationCount = 0;  // centring translations in use, 0 to 4; translation 0 is the identity
    std::vector<SymmetryOperation> operations;
    Vector3D translations[kMaxTranslations] = {};
};

struct UnitCell {
    float a = 0, b = 0, c = 0;              // edge lengths, angstrom
    float alpha = 0, beta = 0, gamma = 0;   // angles, degrees
};

struct CompoundRecord {
    char name[32] = {};  // the record's key: the name of its index entry
    char auxText[128] = {};
    std::int32_t auxValue = 0;
    std::int32_t bondingClass = 0;  // a BondingClass value
    unsigned char auxBlock[16] = {};
    unsigned char auxWord[4] = {};
    SymmetryGroup symmetry;
    UnitCell cell;
    std::vector<AtomSite> basisAtoms;  // the crystal's asymmetric unit; empty: no crystal structure
    std::vector<AtomSite> unitAtoms;   // the chemical unit; empty: nothing to display
    std::vector<BondRule> bondRules;
};

// "Formula" and its NUL: the first 8 bytes of every record in a stream.
inline constexpr char kCompoundTag[8] = {'F', 'o', 'r', 'm', 'u', 'l', 'a', '\0'};
// The stream size of a record with no operations, translations or atoms.
inline constexpr std::size_t kCompoundFixedBytes = 368;

// Reads one record at the reader's position. False, with the record untouched, when the tag is
// missing or the name differs from the expected one. An early end, a count the remaining bytes
// cannot hold or a number that is not finite throws FileException, again with the record untouched.
bool ReadCompound(CompoundRecord& record, ArchiveReader& reader,
                  std::optional<std::string_view> expectedName = std::nullopt);
void WriteCompound(const CompoundRecord& record, ArchiveWriter& writer);

// Reads the record of `name` (exact, any kind) from the database file at moleculeDataPath. False,
// with the record untouched, when the index has no such name or the record there has another name
// or no tag. A database that cannot be opened or ends early throws FileException.
bool LoadCompoundByName(const MoleculeIndex& index, const std::string& moleculeDataPath, std::string_view name,
                        CompoundRecord& record);

// The positions in the unit cell equivalent to the fractional position p: each operation's image,
// wrapped into the cell and dropped when it lies within 1.0 angstrom of a kept one (by the
// minimum-image distance over the lattice vectors a, b and c); then each centring translation
// after the first adds a shifted copy of the kept block. Returns their count; positions holds them.
int ExpandBasisSite(const SymmetryGroup& group, Vector3D p, Vector3D a, Vector3D b, Vector3D c,
                    std::vector<Vector3D>& positions);

}  // namespace kiva
