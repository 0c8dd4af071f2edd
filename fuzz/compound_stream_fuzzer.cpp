// SPDX-License-Identifier: GPL-2.0-or-later
// The compound stream of Molecule.dat, read record after record as kiva-mkdb dump reads it: a
// damaged record throws FileException and leaves the record as it was; a record read writes back
// as the same bytes and dumps as text.
#include "chem/fixed_text.h"
#include "fuzz/fuzz_support.h"
#include "platform/binary_archive.h"
#include "tools/mkdb/record_dump.h"

using namespace kiva;
using namespace kiva::fuzz;

namespace {

constexpr int kMostRecords = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ArchiveReader reader = ArchiveReader::FromBytes(std::string(BytesOf(data, size)), "Molecule.dat");
    CompoundRecord record;
    SetText(record.name, "before");
    for (int i = 0; i < kMostRecords && reader.Remaining() > 0; ++i) {
        const std::string before = StreamBytes(record);
        try {
            if (!ReadCompound(record, reader, i == 1 ? std::optional<std::string_view>("NaCl") : std::nullopt)) {
                Require(StreamBytes(record) == before, "a record without its tag or name leaves the record as it was");
                break;
            }
        } catch (const FileException&) {
            Require(StreamBytes(record) == before, "a damaged record leaves the record as it was");
            break;
        }
        RequireRecordRoundTrip(record, "a record read writes back as the same bytes");
        mkdb::DumpCompound(record);
    }
    return 0;
}
