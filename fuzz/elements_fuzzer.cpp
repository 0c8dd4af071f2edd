// SPDX-License-Identifier: GPL-2.0-or-later
// Elements.dat, as the viewer reads it at start-up and writes it back at exit: whatever the file
// holds, the table keeps a row for the lookup to fall back on, and the file written from it reads
// back as the same table.
#include "chem/element_table.h"
#include "chem/fixed_text.h"
#include "fuzz/fuzz_support.h"

using namespace kiva;
using namespace kiva::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ElementTable table = MakeDefaultElementTable();
    LoadElementTable(table, WriteScratchFile("Elements.dat", BytesOf(data, size)));
    Require(table.count >= 1 && table.count <= kElementRows, "the table keeps between 1 and 43 rows");

    for (int i = 0; i < table.count; ++i)
        for (int charge : {-2, 0, 3}) LookupElement(table, TextOf(table.rows[i].symbol), charge);
    for (const char* label : {"Na+", "O2-", "C1", "Xx", "", "\x80\xff"}) LookupElement(table, label, 1);

    const std::string written = FormatElementTable(table);
    ElementTable reread = MakeDefaultElementTable();
    Require(LoadElementTable(reread, WriteScratchFile("Saved.dat", written)), "the saved table opens");
    RequireEqual(written, FormatElementTable(reread), "the saved table reads back as it was saved");
    return 0;
}
