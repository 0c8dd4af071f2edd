// SPDX-License-Identifier: GPL-2.0-or-later
// The document file (*.mol) as the viewer opens it from disk: a damaged document throws
// FileException; a document that opens saves and opens again as the same record.
#include "chem/document_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/binary_archive.h"

using namespace kiva;
using namespace kiva::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CompoundRecord record;
    try {
        LoadDocumentFile(WriteScratchFile("fuzz.mol", BytesOf(data, size)), record);
    } catch (const FileException& error) {
        Require(!error.path().empty() && error.what()[0] != '\0', "a damaged document's error names the file and reason");
        return 0;
    }
    const std::string saved = WriteScratchFile("saved.mol", "");
    CompoundRecord reopened;
    try {
        SaveDocumentFile(saved, record);
        LoadDocumentFile(saved, reopened);
    } catch (const FileException& error) {
        Violated(std::string("a document that opens saves and opens again: ") + error.what());
    }
    RequireEqual(StreamBytes(record), StreamBytes(reopened), "a saved document opens as the record it saved");
    return 0;
}
