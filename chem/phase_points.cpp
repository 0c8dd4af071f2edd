// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/phase_points.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>

#include "chem/text_lines.h"
#include "platform/portable_std.h"

namespace kiva {

namespace {

constexpr std::string_view kSourceHeader = "name\tmelting_K\tboiling_K\tnote\tsource";
constexpr std::string_view kFileVersion = "kiva-phase-points 1";
constexpr std::string_view kFileHeader = "name\tmelting_K\tboiling_K\tnote";
constexpr double kLowestK = 1;
constexpr double kHighestK = 6000;  // above the boiling point of any element (tungsten: 5828 K)
constexpr double kFreezelessBelowK = 5;  // helium boils at 4.2 K; hydrogen, the next, at 20 K

enum class Layout { Source, Compiled };

// The shortest text that reads back as the same double.
std::string Temperature(double kelvin) {
    char buffer[32];
    const auto result = ShortestToChars(buffer, buffer + sizeof buffer, kelvin);
    return std::string(buffer, result.ptr);
}

// An empty field is no temperature; anything else must be a decimal number of kelvin in range.
std::optional<double> ParseTemperature(std::string_view field, const char* column, std::string& error) {
    if (field.empty()) return std::nullopt;
    double value = 0;
    const auto [end, status] = NumberFromChars(field.data(), field.data() + field.size(), value);
    if (status != std::errc() || end != field.data() + field.size() || !std::isfinite(value)) {
        error = std::string(column) + " " + Quoted(field) + " is not a number";
        return std::nullopt;
    }
    if (value < kLowestK || value > kHighestK) {
        error = std::string(column) + " " + Quoted(field) + " lies outside 1 to 6000 K";
        return std::nullopt;
    }
    return value;
}

std::optional<PhaseNote> ParseNote(std::string_view field) {
    if (field.empty()) return PhaseNote::None;
    if (field == "decomposes") return PhaseNote::Decomposes;
    if (field == "sublimes") return PhaseNote::Sublimes;
    return std::nullopt;
}

// A source's remark in brackets, which says why a row has no temperature.
bool HasRemark(std::string_view source) {
    const std::size_t open = source.find('(');
    return open != std::string_view::npos && source.find(')', open) != std::string_view::npos;
}

// Empty when the temperatures fit the note; otherwise what is wrong. A row without any
// temperature (an acid that exists only in solution) stands only where its gap is explained.
std::string CheckPoints(const PhasePoints& points, bool gapExplained) {
    const auto& [melting, boiling, note] = points;
    switch (note) {
    case PhaseNote::Decomposes:
        if (!melting) return "a substance that decomposes needs its temperature in melting_K";
        if (boiling) return "a substance that decomposes has no boiling point";
        return {};
    case PhaseNote::Sublimes:
        if (!boiling) return "a substance that sublimes needs its sublimation point in boiling_K";
        if (melting) return "a substance that sublimes has no melting point";
        return {};
    case PhaseNote::None:
        if (!melting && !boiling && !gapExplained)
            return "the row gives no temperature, and its source no remark in brackets on why";
        if (melting && boiling && *melting >= *boiling)
            return "the melting point " + Temperature(*melting) + " K is not below the boiling point " + Temperature(*boiling) + " K";
        return {};
    }
    return {};
}

// One row's fields into a row; an error names what is wrong.
std::string ParseRow(std::string_view line, Layout layout, PhasePointsRow& row) {
    const std::size_t expected = layout == Layout::Source ? 5 : 4;
    const auto fields = SplitTabs(line);
    if (fields.size() != expected)
        return "the row has " + std::to_string(fields.size()) + " tab-separated fields, not " + std::to_string(expected);
    if (fields[0].empty()) return "the row has no name";
    row.name = std::string(fields[0]);
    std::string error;
    row.points.meltingK = ParseTemperature(fields[1], "melting_K", error);
    if (error.empty()) row.points.boilingK = ParseTemperature(fields[2], "boiling_K", error);
    if (!error.empty()) return error;
    const auto note = ParseNote(fields[3]);
    if (!note) return "unknown note " + Quoted(fields[3]) + " (it is empty, decomposes or sublimes)";
    row.points.note = *note;
    if (layout == Layout::Source) {
        if (fields[4].empty()) return "the row names no source";
        row.source = std::string(fields[4]);
    }
    // The compiled file leaves the sources out: its gaps were explained when it was built.
    return CheckPoints(row.points, layout == Layout::Compiled || HasRemark(row.source));
}

PhaseTableParse Refusal(int line, const std::string& reason) {
    return {{}, line == 0 ? reason : "line " + std::to_string(line) + ": " + reason, line};
}

PhaseTableParse ParseLines(std::string_view text, Layout layout) {
    const std::vector<std::string_view> head =
        layout == Layout::Source ? std::vector{kSourceHeader} : std::vector{kFileVersion, kFileHeader};
    PhaseTableParse parse;
    std::set<std::string, std::less<>> names;
    const TableRefusal refusal = ReadTableLines(text, head, kMaxPhaseTableBytes, kMaxPhaseTableLineBytes, [&](std::string_view line) {
        PhasePointsRow row;
        if (std::string error = ParseRow(line, layout, row); !error.empty()) return error;
        if (!names.insert(row.name).second) return Quoted(row.name) + " has a row already";
        parse.table.rows.push_back(std::move(row));
        return std::string();
    });
    return refusal.reason.empty() ? parse : Refusal(refusal.line, refusal.reason);
}

std::string OptionalTemperature(const std::optional<double>& kelvin) { return kelvin ? Temperature(*kelvin) : std::string(); }

const char* NoteText(PhaseNote note) {
    switch (note) {
    case PhaseNote::None: return "";
    case PhaseNote::Decomposes: return "decomposes";
    case PhaseNote::Sublimes: return "sublimes";
    }
    return "";
}

}  // namespace

bool NeverFreezes(const PhasePoints& points) {
    return points.note == PhaseNote::None && !points.meltingK && points.boilingK && *points.boilingK < kFreezelessBelowK;
}

const PhasePointsRow* PhaseTable::Find(std::string_view name) const {
    for (const PhasePointsRow& row : rows)
        if (row.name == name) return &row;
    return nullptr;
}

PhaseTableParse ParsePhaseTable(std::string_view text) { return ParseLines(text, Layout::Source); }

PhaseTableParse ParsePhasePointsFile(std::string_view text) { return ParseLines(text, Layout::Compiled); }

std::string FormatPhasePointsFile(const PhaseTable& table) {
    std::string text = std::string(kFileVersion) + "\n" + std::string(kFileHeader) + "\n";
    for (const PhasePointsRow& row : table.rows)
        text += row.name + "\t" + OptionalTemperature(row.points.meltingK) + "\t" + OptionalTemperature(row.points.boilingK) + "\t" +
                NoteText(row.points.note) + "\n";
    return text;
}

PhaseTableParse LoadPhasePointsFile(const std::string& path) {
    FilePointer input(std::fopen(path.c_str(), "rb"));
    if (!input) return Refusal(0, "cannot open " + path);
    std::string text(kMaxPhaseTableBytes + 1, '\0');  // one byte more tells a file that is too large
    text.resize(std::fread(text.data(), 1, text.size(), input.get()));
    if (std::ferror(input.get())) return Refusal(0, "cannot read " + path);
    return ParsePhasePointsFile(text);
}

std::string CheckPhaseTableNames(const PhaseTable& table, const std::vector<std::string>& indexNames) {
    const std::set<std::string_view> indexed(indexNames.begin(), indexNames.end());
    std::set<std::string_view> tabled;
    std::vector<std::string> missing, unknown, repeated;
    for (const PhasePointsRow& row : table.rows) {
        if (!tabled.insert(row.name).second) repeated.push_back(row.name);
        if (!indexed.contains(row.name)) unknown.push_back(row.name);
    }
    for (const std::string& name : indexNames)
        if (!tabled.contains(name)) missing.push_back(name);
    std::string message;
    const auto add = [&message](const char* what, const std::vector<std::string>& names) {
        if (!names.empty()) message += (message.empty() ? "" : "; ") + std::string(what) + NameList(names);
    };
    add("substances of the index without a row: ", missing);
    add("rows for names the index lacks: ", unknown);
    add("names with more than one row: ", repeated);
    return message;
}

}  // namespace kiva
