// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/document_file.h"

#include "platform/binary_archive.h"

namespace kiva {

void StoreDocument(const CompoundRecord& record, ArchiveWriter& writer) {
    writer.WriteInt32(kDocumentVersion);
    WriteCompound(record, writer);
}

void LoadDocument(CompoundRecord& record, ArchiveReader& reader) {
    reader.ReadInt32();  // any version is accepted
    ReadCompound(record, reader);
}

void SaveDocumentFile(const std::string& path, const CompoundRecord& record) {
    ArchiveWriter writer;
    StoreDocument(record, writer);
    WriteFileReplacing(path, writer.Bytes());
}

void LoadDocumentFile(const std::string& path, CompoundRecord& record) {
    ArchiveReader reader(path, 4096);
    LoadDocument(record, reader);
}

}  // namespace kiva
