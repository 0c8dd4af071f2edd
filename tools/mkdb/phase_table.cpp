// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/phase_table.h"

#include <filesystem>

#include "chem/fixed_text.h"
#include "chem/phase_points.h"
#include "io/source_error.h"

namespace kiva::mkdb {

CompiledPhaseTable CompilePhaseTable(const std::string& dataDirectory, const std::vector<IndexEntry>& entries) {
    const std::string path = (std::filesystem::path(dataDirectory) / "phase_points.tsv").string();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {FormatPhasePointsFile({}), false};
    // One byte beyond the bound reaches the parser, which refuses the table as too large.
    const PhaseTableParse parse = ParsePhaseTable(ReadSourcePrefix(path, kMaxPhaseTableBytes + 1));
    if (!parse.error.empty()) throw SourceError(path, 0, parse.error);
    std::vector<std::string> names;
    for (const IndexEntry& entry : entries) names.emplace_back(TextOf(entry.name));
    if (const std::string mismatch = CheckPhaseTableNames(parse.table, names); !mismatch.empty())
        throw SourceError(path, 0, mismatch);
    return {FormatPhasePointsFile(parse.table), true};
}

}  // namespace kiva::mkdb
