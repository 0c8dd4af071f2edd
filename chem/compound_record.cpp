// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/compound_record.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "chem/fixed_text.h"
#include "chem/molecule_index.h"
#include "platform/binary_archive.h"

namespace kiva {

namespace {

constexpr std::size_t kOperationBytes = 64;
constexpr std::size_t kListEntryBytes = 28;  // an AtomSite or a BondRule

// A count read from the stream, refused unless that many entries fit in the bytes that remain.
std::size_t ReadCount(ArchiveReader& reader, std::size_t entryBytes, const char* what) {
    const std::int32_t count = reader.ReadInt32();
    if (count < 0 || static_cast<std::uint64_t>(count) * entryBytes > reader.Remaining())
        reader.Fail(FileException::Cause::Malformed, "\"" + reader.Name() + "\" is damaged: it declares " +
                                                         std::to_string(count) + " " + what + " that it cannot hold.");
    return static_cast<std::size_t>(count);
}

// Every number of a record is a length, an angle, a charge or a matrix entry: NaN or infinity
// in one would spread through the whole scene, so such a record is damaged.
float ReadFinite(ArchiveReader& reader) {
    const float value = reader.ReadFloat();
    if (!std::isfinite(value))
        reader.Fail(FileException::Cause::Malformed,
                    "\"" + reader.Name() + "\" is damaged: it holds a value that is not a finite number.");
    return value;
}

Vector3D ReadVector(ArchiveReader& reader) {
    Vector3D v;
    v.x = ReadFinite(reader);
    v.y = ReadFinite(reader);
    v.z = ReadFinite(reader);
    return v;
}

void WriteVector(ArchiveWriter& writer, Vector3D v) {
    writer.WriteFloat(v.x);
    writer.WriteFloat(v.y);
    writer.WriteFloat(v.z);
}

AtomSite ReadAtom(ArchiveReader& reader) {
    AtomSite atom;
    reader.ReadBytes(atom.symbol, sizeof atom.symbol);
    atom.charge = ReadFinite(reader);
    atom.position = ReadVector(reader);
    return atom;
}

void WriteAtom(ArchiveWriter& writer, const AtomSite& atom) {
    writer.WriteBytes(atom.symbol, sizeof atom.symbol);
    writer.WriteFloat(atom.charge);
    WriteVector(writer, atom.position);
}

BondRule ReadRule(ArchiveReader& reader) {
    BondRule rule;
    reader.ReadBytes(rule.symbolA, sizeof rule.symbolA);
    reader.ReadBytes(rule.symbolB, sizeof rule.symbolB);
    rule.minDistance = ReadFinite(reader);
    rule.maxDistance = ReadFinite(reader);
    rule.bondKind = reader.ReadInt32();
    return rule;
}

void WriteRule(ArchiveWriter& writer, const BondRule& rule) {
    writer.WriteBytes(rule.symbolA, sizeof rule.symbolA);
    writer.WriteBytes(rule.symbolB, sizeof rule.symbolB);
    writer.WriteFloat(rule.minDistance);
    writer.WriteFloat(rule.maxDistance);
    writer.WriteInt32(rule.bondKind);
}

template <typename Entry, typename ReadEntry>
std::vector<Entry> ReadList(ArchiveReader& reader, const char* what, ReadEntry readEntry) {
    const std::size_t count = ReadCount(reader, kListEntryBytes, what);
    std::vector<Entry> list;
    list.reserve(count);
    for (std::size_t i = 0; i < count; ++i) list.push_back(readEntry(reader));
    return list;
}

}  // namespace

bool ReadCompound(CompoundRecord& record, ArchiveReader& reader, std::optional<std::string_view> expectedName) {
    char tag[sizeof kCompoundTag];
    reader.ReadBytes(tag, sizeof tag);
    if (TextOf(tag) != TextOf(kCompoundTag)) return false;

    // Everything is read into a fresh record, which replaces the caller's only when complete.
    CompoundRecord fresh;
    reader.ReadBytes(fresh.name, sizeof fresh.name);
    if (expectedName && TextOf(fresh.name) != *expectedName) return false;
    fresh.auxValue = reader.ReadInt32();
    fresh.bondingClass = reader.ReadInt32();
    reader.ReadBytes(fresh.auxBlock, sizeof fresh.auxBlock);
    reader.ReadBytes(fresh.auxWord, sizeof fresh.auxWord);
    reader.ReadBytes(fresh.auxText, sizeof fresh.auxText);
    reader.ReadBytes(fresh.symmetry.groupText, sizeof fresh.symmetry.groupText);

    const std::size_t operationCount = ReadCount(reader, kOperationBytes, "symmetry operations");
    fresh.symmetry.operations.resize(operationCount);
    for (SymmetryOperation& operation : fresh.symmetry.operations)
        for (auto& row : operation.m)
            for (float& value : row) value = ReadFinite(reader);

    const std::int32_t translationCount = reader.ReadInt32();
    if (translationCount < 0 || translationCount > kMaxTranslations)
        reader.Fail(FileException::Cause::Malformed, "\"" + reader.Name() + "\" is damaged: it declares " +
                                                         std::to_string(translationCount) +
                                                         " centring translations, but a crystal has at most 4.");
    fresh.symmetry.translationCount = translationCount;
    for (int i = 0; i < translationCount; ++i) fresh.symmetry.translations[i] = ReadVector(reader);

    UnitCell& cell = fresh.cell;
    for (float* value : {&cell.a, &cell.b, &cell.c, &cell.alpha, &cell.beta, &cell.gamma}) *value = ReadFinite(reader);

    fresh.basisAtoms = ReadList<AtomSite>(reader, "basis atoms", ReadAtom);
    fresh.bondRules = ReadList<BondRule>(reader, "bond rules", ReadRule);
    fresh.unitAtoms = ReadList<AtomSite>(reader, "unit atoms", ReadAtom);
    record = std::move(fresh);
    return true;
}

void WriteCompound(const CompoundRecord& record, ArchiveWriter& writer) {
    writer.WriteBytes(kCompoundTag, sizeof kCompoundTag);
    writer.WriteBytes(record.name, sizeof record.name);
    writer.WriteInt32(record.auxValue);
    writer.WriteInt32(record.bondingClass);
    writer.WriteBytes(record.auxBlock, sizeof record.auxBlock);
    writer.WriteBytes(record.auxWord, sizeof record.auxWord);
    writer.WriteBytes(record.auxText, sizeof record.auxText);
    writer.WriteBytes(record.symmetry.groupText, sizeof record.symmetry.groupText);

    writer.WriteInt32(static_cast<std::int32_t>(record.symmetry.operations.size()));
    for (const SymmetryOperation& operation : record.symmetry.operations)
        for (const auto& row : operation.m)
            for (float value : row) writer.WriteFloat(value);

    const int translationCount = std::clamp(record.symmetry.translationCount, 0, kMaxTranslations);
    writer.WriteInt32(translationCount);
    for (int i = 0; i < translationCount; ++i) WriteVector(writer, record.symmetry.translations[i]);

    const UnitCell& cell = record.cell;
    for (float value : {cell.a, cell.b, cell.c, cell.alpha, cell.beta, cell.gamma}) writer.WriteFloat(value);

    writer.WriteInt32(static_cast<std::int32_t>(record.basisAtoms.size()));
    for (const AtomSite& atom : record.basisAtoms) WriteAtom(writer, atom);
    writer.WriteInt32(static_cast<std::int32_t>(record.bondRules.size()));
    for (const BondRule& rule : record.bondRules) WriteRule(writer, rule);
    writer.WriteInt32(static_cast<std::int32_t>(record.unitAtoms.size()));
    for (const AtomSite& atom : record.unitAtoms) WriteAtom(writer, atom);
}

bool LoadCompoundByName(const MoleculeIndex& index, const std::string& moleculeDataPath, std::string_view name,
                        CompoundRecord& record) {
    const IndexEntry* entry = FindIndexEntryByName(index, name);
    if (!entry) return false;
    ArchiveReader reader(moleculeDataPath, 4096);
    reader.Seek(entry->recordOffset);
    return ReadCompound(record, reader, name);
}

int ExpandBasisSite(const SymmetryGroup& group, Vector3D p, Vector3D a, Vector3D b, Vector3D c,
                    std::vector<Vector3D>& positions) {
    positions.clear();
    for (const SymmetryOperation& operation : group.operations) {
        Vector3D q = TransformPoint(operation, p);
        WrapToCell(q);
        bool duplicate = false;
        for (const Vector3D& kept : positions) {
            const Vector3D d = NearestImageDelta(q, kept);
            const Vector3D cartesian = Add(Add(Scale(d.x, a), Scale(d.y, b)), Scale(d.z, c));
            if (Length(cartesian) < 1.0f) {
                duplicate = true;
                break;
            }
        }
        if (!duplicate) positions.push_back(q);
    }
    const std::size_t kept = positions.size();
    const int translations = std::clamp(group.translationCount, 0, kMaxTranslations);
    for (int j = 1; j < translations; ++j)
        for (std::size_t k = 0; k < kept; ++k) {
            Vector3D shifted = Add(positions[k], group.translations[j]);
            WrapToCell(shifted);
            positions.push_back(shifted);
        }
    positions.resize(kept * static_cast<std::size_t>(translations));
    return static_cast<int>(positions.size());
}

}  // namespace kiva
