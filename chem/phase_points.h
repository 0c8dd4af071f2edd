// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where a substance melts and boils at 101.325 kPa: the table kiva-mkdb compiles beside the
// catalogue (PhasePoints.dat) and the viewer reads at start-up.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiva {

enum class PhaseNote { None, Decomposes, Sublimes };

// Temperatures in kelvin. A substance that decomposes has its decomposition temperature in
// meltingK and no boilingK; one that sublimes has its sublimation point in boilingK and no
// meltingK; helium, which does not freeze at this pressure, has no meltingK either. Otherwise an
// empty temperature is one no source gives, or one the substance does not reach undecomposed
// (KNO3 melts, then decomposes before it boils); an acid that exists only in solution has neither.
struct PhasePoints {
    std::optional<double> meltingK;
    std::optional<double> boilingK;
    PhaseNote note = PhaseNote::None;
};

// Helium's points: no melting point, and a boiling point below 5 K, which no other substance has.
bool NeverFreezes(const PhasePoints& points);

struct PhasePointsRow {
    std::string name;  // the index name
    PhasePoints points;
    std::string source;  // where the values come from; empty in PhasePoints.dat, which leaves it out
};

struct PhaseTable {
    std::vector<PhasePointsRow> rows;  // in the order of the file
    // The row of an index name; null when the table has none.
    const PhasePointsRow* Find(std::string_view name) const;
};

struct PhaseTableParse {
    PhaseTable table;  // empty unless the whole text was sound
    std::string error;  // empty on success; otherwise "line 7: " and what is wrong
    int line = 0;       // the line the error names; 0 for the file as a whole
};

// A table's text is refused beyond 1 MiB and a line beyond 1024 bytes: 486 rows with their
// sources take some 60 kB.
inline constexpr std::size_t kMaxPhaseTableBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxPhaseTableLineBytes = 1024;

// Reads the source table (data/phase_points.tsv), tab-separated: the header line
// "name melting_K boiling_K note source", then one row per substance; empty lines are skipped.
// A note is empty, "decomposes" (the temperature in melting_K, boiling_K empty) or "sublimes"
// (the temperature in boiling_K, melting_K empty). Refused: another header, a row without five
// fields, an empty name or source, a temperature that is no number or lies outside 1 to 6000 K,
// a row without any temperature whose source has no remark in brackets saying why, a melting
// point at or above its boiling point, an unknown note, a note whose temperatures do not fit it,
// and a repeated name.
PhaseTableParse ParsePhaseTable(std::string_view text);

// PhasePoints.dat's text: the line "kiva-phase-points 1", the header
// "name melting_K boiling_K note", then the table's rows in order without their sources,
// tab-separated, each temperature written so that it reads back to the same double.
std::string FormatPhasePointsFile(const PhaseTable& table);

// Reads PhasePoints.dat's text with the source table's rules, less the source column.
PhaseTableParse ParsePhasePointsFile(std::string_view text);

// Reads PhasePoints.dat at `path`: the file that will not open, is too large or is damaged gives
// an error and an empty table.
PhaseTableParse LoadPhasePointsFile(const std::string& path);

// Empty when the table has exactly one row for every index name and no other; otherwise a
// message that names the index names without a row and the rows of names the index lacks.
std::string CheckPhaseTableNames(const PhaseTable& table, const std::vector<std::string>& indexNames);

}  // namespace kiva
