// SPDX-License-Identifier: GPL-2.0-or-later
// The phase table, as kiva-mkdb reads data/phase_points.tsv and the viewer PhasePoints.dat: a
// refusal leaves the table empty, and a table read is written and read back to the same text.
#include "chem/phase_points.h"
#include "fuzz/fuzz_support.h"

using namespace kiva;
using namespace kiva::fuzz;

namespace {

void RequireSound(const PhaseTableParse& parse) {
    if (!parse.error.empty()) {
        Require(parse.table.rows.empty(), "a refused table is empty");
        return;
    }
    const std::string written = FormatPhasePointsFile(parse.table);
    const PhaseTableParse back = ParsePhasePointsFile(written);
    Require(back.error.empty(), "a table read is written as a file that reads back");
    RequireEqual(written, FormatPhasePointsFile(back.table), "the file reads back to the same table");
    for (const PhasePointsRow& row : parse.table.rows)
        Require(parse.table.Find(row.name) == &row, "every row is found by its name, once");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RequireSound(ParsePhaseTable(BytesOf(data, size)));
    RequireSound(ParsePhasePointsFile(BytesOf(data, size)));
    return 0;
}
