// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The document file (*.mol): the version 256 as a 32-bit integer, then one compound record.
#include <string>

#include "chem/compound_record.h"

namespace kiva {

inline constexpr std::int32_t kDocumentVersion = 256;

// Writes the version, then the record.
void StoreDocument(const CompoundRecord& record, ArchiveWriter& writer);
// Skips the version without looking at it, then reads the record with no expected name. A record
// without its tag leaves `record` as it was; a damaged one throws FileException.
void LoadDocument(CompoundRecord& record, ArchiveReader& reader);

// The same over files; both throw FileException. A save replaces the old file only once the new
// one is completely written.
void SaveDocumentFile(const std::string& path, const CompoundRecord& record);
void LoadDocumentFile(const std::string& path, CompoundRecord& record);

}  // namespace kiva
