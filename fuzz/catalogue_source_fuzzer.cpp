// SPDX-License-Identifier: GPL-2.0-or-later
// One of kiva-mkdb's structure sources, a crystal's CIF or a substance's unit molfile (the macro
// KIVA_FUZZ_CRYSTAL_SOURCE chooses), compiled into a substance's record as `kiva-mkdb build` does:
// a damaged source throws SourceError naming the file, and a record compiled from one writes
// into Molecule.dat as bytes that read back as the same record.
#include "chem/element_table.h"
#include "fuzz/fuzz_support.h"
#include "io/source_error.h"
#include "tools/mkdb/compound_builder.h"

#include <filesystem>

using namespace kiva;
using namespace kiva::fuzz;

namespace {

// The unit of a crystal under test: water, as in the compiler's test catalogue.
constexpr const char* kWater =
    "water\n  hand-written\n\n  3  2  0  0  0  0  0  0  0  0999 V2000\n"
    "    0.0000    0.0000    0.1173 O   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    0.0000    0.7572   -0.4692 H   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    0.0000   -0.7572   -0.4692 H   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "  1  2  1  0\n  1  3  1  0\nM  END\n";

mkdb::SubstanceSource Substance() {
    mkdb::SubstanceSource substance;
    substance.name = "Fuzzed";
    substance.primaryKey = "Fuzz";
    substance.description = "A fuzzed source";
    substance.labels = {{"Na", "Na+", 1}, {"Cl", "Cl-", -1}, {"O1", "O2-", -2}};
#if KIVA_FUZZ_CRYSTAL_SOURCE
    substance.unitPath = "unit.mol";
    substance.crystalPath = "source.cif";
    substance.translations = {{0, 0.5f, 0.5f}};
#else
    substance.unitPath = "source.mol";
#endif
    return substance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const mkdb::SubstanceSource substance = Substance();
    static const ElementTable elements = MakeDefaultElementTable();
    static const std::string directory =
        std::filesystem::path(WriteScratchFile("unit.mol", kWater)).parent_path().string();
    const std::string source = WriteScratchFile(KIVA_FUZZ_CRYSTAL_SOURCE ? "source.cif" : "source.mol", BytesOf(data, size));
    CompoundRecord record;
    try {
        record = mkdb::BuildCompound(substance, directory, elements);
    } catch (const SourceError& error) {
        Require(error.File() == source && !error.Reason().empty(), "a damaged source's error names the file and the reason");
        return 0;
    }
    RequireRecordRoundTrip(record, "a compiled record reads back from Molecule.dat as it was written");
    return 0;
}
