// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/cif_file.h"

#include <gemmi/cif.hpp>
#include <gemmi/numb.hpp>
#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "chem/fixed_text.h"
#include "io/element_facts.h"
#include "io/source_error.h"
#include "io/symmetry_text.h"

namespace kiva {

namespace {

namespace cif = gemmi::cif;

constexpr std::size_t kMaxOperations = 192;  // the most any space group has (F m -3 m)
constexpr std::size_t kMaxSites = 10000;
constexpr double kMaxCellLength = 1000;      // angstrom; the largest protein cells come near
constexpr double kMaxFraction = 100;         // a fractional coordinate beyond this is damage

const char* const kOperationTags[] = {"_symmetry_equiv_pos_as_xyz", "_space_group_symop_operation_xyz"};

// Finds the lines of tags and values again: a CIF document keeps no line numbers.
class LineFinder {
public:
    explicit LineFinder(std::string_view text) {
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find('\n', start);
            lines_.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
            start = end == std::string_view::npos ? text.size() : end + 1;
        }
    }

    // The line whose first word is the tag, in any letter case; 0 when none is.
    int TagLine(std::string_view tag) const {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::string_view word = FirstWord(lines_[i]);
            if (word.size() == tag.size() &&
                std::equal(word.begin(), word.end(), tag.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                }))
                return static_cast<int>(i) + 1;
        }
        return 0;
    }

    // The first line after line `from`, among the next thousand, that holds the text (as its
    // first word, if asked); else `from`.
    int ValueLine(int from, std::string_view value, bool firstWord) const {
        const std::size_t start = from > 0 ? static_cast<std::size_t>(from) : 0;
        for (std::size_t i = start; i < lines_.size() && i < start + 1000; ++i) {
            const bool found = firstWord ? FirstWord(lines_[i]) == value : lines_[i].find(value) != std::string_view::npos;
            if (found && !value.empty()) return static_cast<int>(i) + 1;
        }
        return from;
    }

private:
    static std::string_view FirstWord(std::string_view line) {
        const std::size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string_view::npos) return {};
        std::string_view word = line.substr(start, line.find_first_of(" \t\r", start) - start);
        if (word.size() >= 2 && (word.front() == '\'' || word.front() == '"') && word.back() == word.front())
            word = word.substr(1, word.size() - 2);
        return word;
    }

    std::vector<std::string_view> lines_;
};

struct Reader {
    const std::string& path;
    const LineFinder& lines;

    [[noreturn]] void Fail(int line, const std::string& what) const { throw SourceError(path, line, what); }

    // A number with its uncertainty in brackets dropped (5.6402(3)), within [low, high].
    double Number(const std::string& raw, double low, double high, int line, const std::string& what) const {
        const double value = cif::as_number(raw);
        if (!std::isfinite(value)) Fail(line, what + " is not a number: " + Quoted(raw));
        if (value < low || value > high)
            Fail(line, what + " " + Quoted(raw) + " lies outside " + FormatRange(low, high));
        return value;
    }

    static std::string FormatRange(double low, double high) {
        const auto text = [](double v) {
            std::string s = std::to_string(v);
            s.erase(s.find_last_not_of('0') + 1);
            if (s.back() == '.') s.pop_back();
            return s;
        };
        return text(low) + " to " + text(high);
    }
};

cif::Document ParseDocument(std::string_view text, const std::string& path) {
    try {
        return cif::read_memory(text.data(), text.size(), path.c_str());
    } catch (const tao::pegtl::parse_error& error) {
        const int line = error.positions().empty() ? 0 : static_cast<int>(error.positions().front().line);
        throw SourceError(path, line, std::string(error.message()));
    } catch (const std::exception& error) {
        throw SourceError(path, 0, error.what());
    }
}

// The first block with a cell and fractional atom sites: COD files may begin with a global block.
cif::Block& CrystalBlock(cif::Document& document, const std::string& path) {
    for (cif::Block& block : document.blocks)
        if (block.find_value("_cell_length_a") && block.find_values("_atom_site_fract_x").length() > 0) return block;
    if (document.blocks.empty()) throw SourceError(path, 0, "the file holds no data block");
    throw SourceError(path, 0, "no data block gives a cell (_cell_length_a) and atom sites (_atom_site_fract_x)");
}

UnitCell ReadCell(cif::Block& block, const Reader& reader) {
    double values[6];
    const char* const tags[6] = {"_cell_length_a", "_cell_length_b", "_cell_length_c",
                                 "_cell_angle_alpha", "_cell_angle_beta", "_cell_angle_gamma"};
    for (int i = 0; i < 6; ++i) {
        const std::string* raw = block.find_value(tags[i]);
        const int line = reader.lines.TagLine(tags[i]);
        if (!raw) {
            if (i < 3) reader.Fail(0, std::string("no ") + tags[i]);
            values[i] = 90;  // a cell that gives no angle is rectangular there
            continue;
        }
        values[i] = i < 3 ? reader.Number(*raw, 1e-3, kMaxCellLength, line, tags[i])
                          : reader.Number(*raw, 1, 179, line, tags[i]);
    }
    const double perDegree = kRadiansPerDegree;
    const double ca = std::cos(values[3] * perDegree), cb = std::cos(values[4] * perDegree), cg = std::cos(values[5] * perDegree);
    if (1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg < 1e-4)
        reader.Fail(reader.lines.TagLine("_cell_angle_alpha"), "the cell angles describe no cell: they leave it flat");
    return {static_cast<float>(values[0]), static_cast<float>(values[1]), static_cast<float>(values[2]),
            static_cast<float>(values[3]), static_cast<float>(values[4]), static_cast<float>(values[5])};
}

std::vector<SymmetryOperation> ListedOperations(cif::Block& block, const Reader& reader) {
    std::vector<SymmetryOperation> operations;
    for (const char* tag : kOperationTags) {
        cif::Column column = block.find_values(tag);
        if (column.length() == 0) continue;
        const int tagLine = reader.lines.TagLine(tag);
        if (static_cast<std::size_t>(column.length()) > kMaxOperations)
            reader.Fail(tagLine, std::to_string(static_cast<std::size_t>(column.length())) + " symmetry operations, more than any space group has (" +
                                     std::to_string(kMaxOperations) + ")");
        int searchFrom = tagLine;
        for (const std::string& raw : column) {
            const std::string text = cif::as_string(raw);
            const int line = reader.lines.ValueLine(searchFrom, raw.substr(0, 64), false);
            searchFrom = line;
            if (text.size() > kMaxTripletText)
                reader.Fail(line, "a symmetry operation of " + std::to_string(text.size()) + " characters: " + Quoted(text));
            const auto operation = ParseSymmetryOperation(text);
            if (!operation) reader.Fail(line, Quoted(text) + " is no symmetry operation");
            operations.push_back(*operation);
        }
        break;
    }
    return operations;
}

// The operations of a space group named by its symbol or number, the identity first.
std::vector<SymmetryOperation> GroupOperations(cif::Block& block, const UnitCell& cell) {
    const gemmi::SpaceGroup* group = nullptr;
    for (const char* tag : {"_space_group_name_H-M_alt", "_symmetry_space_group_name_H-M"})
        if (const std::string* raw = block.find_value(tag); raw && !group && raw->size() < 64)
            group = gemmi::find_spacegroup_by_name(cif::as_string(*raw), cell.alpha, cell.gamma);
    for (const char* tag : {"_space_group_IT_number", "_symmetry_Int_Tables_number"})
        if (const std::string* raw = block.find_value(tag); raw && !group) {
            const double number = cif::as_number(*raw);
            if (number >= 1 && number <= 230 && number == std::floor(number))
                group = gemmi::find_spacegroup_by_number(static_cast<int>(number));
        }
    std::vector<SymmetryOperation> operations;
    if (!group) return operations;
    const gemmi::GroupOps ops = group->operations();
    for (const gemmi::Op::Tran& centring : ops.cen_ops)
        for (const gemmi::Op& op : ops.sym_ops) {
            const gemmi::Op shifted = op.add_centering(centring);
            SymmetryOperation matrix = IdentityMatrix();
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) matrix.m[i][j] = static_cast<float>(shifted.rot[i][j]) / gemmi::Op::DEN;
                matrix.m[i][3] = static_cast<float>(shifted.tran[i]) / gemmi::Op::DEN;
            }
            operations.push_back(matrix);
        }
    return operations;
}

// The charge written after the element of a type symbol: Na1+, O2-, Fe+3; nothing for Na1 or Na.
std::optional<float> ChargeMarks(std::string_view rest) {
    if (rest.empty()) return std::nullopt;
    const auto digitsOnly = [](std::string_view digits) {
        return digits.size() <= 1 && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const char last = rest.back(), first = rest.front();
    if ((last == '+' || last == '-') && digitsOnly(rest.substr(0, rest.size() - 1))) {
        const int size = rest.size() > 1 ? rest[0] - '0' : 1;
        return static_cast<float>(last == '+' ? size : -size);
    }
    if ((first == '+' || first == '-') && rest.size() == 2 && digitsOnly(rest.substr(1)))
        return static_cast<float>(first == '+' ? rest[1] - '0' : -(rest[1] - '0'));
    return std::nullopt;
}

struct AtomType {
    std::string symbol;
    float oxidation;
};

std::vector<AtomType> OxidationNumbers(cif::Block& block) {
    std::vector<AtomType> types;
    for (auto row : block.find("_atom_type_", {"symbol", "oxidation_number"})) {
        const double number = cif::as_number(row[1]);
        if (std::isfinite(number) && std::fabs(number) <= 8) types.push_back({row.str(0), static_cast<float>(number)});
    }
    return types;
}

std::vector<CifSite> ReadSites(cif::Block& block, const Reader& reader) {
    enum { kLabel, kType, kX, kY, kZ, kDisorder, kCalc };
    cif::Table table = block.find("_atom_site_", {"label", "?type_symbol", "fract_x", "fract_y", "fract_z",
                                                  "?disorder_group", "?calc_flag"});
    const int tagLine = reader.lines.TagLine("_atom_site_label");
    if (!table.ok()) reader.Fail(tagLine, "no atom sites (_atom_site_label and _atom_site_fract_x, y, z)");
    if (table.length() > kMaxSites)
        reader.Fail(tagLine, std::to_string(table.length()) + " atom sites, more than Kiva shows (" + std::to_string(kMaxSites) + ")");
    const std::vector<AtomType> types = OxidationNumbers(block);
    std::vector<CifSite> sites;
    int searchFrom = tagLine;  // rows follow each other
    for (auto row : table) {
        CifSite site;
        site.label = row.str(kLabel);
        site.line = reader.lines.ValueLine(searchFrom, site.label, true);
        searchFrom = site.line;
        // Alternative positions of a disordered part, and dummy atoms, are not atoms of the crystal.
        if (row.has2(kDisorder) && cif::as_number(row[kDisorder]) >= 2) continue;
        if (row.has2(kCalc) && row.str(kCalc) == "dum") continue;
        double fraction[3];
        for (int axis = 0; axis < 3; ++axis) {
            const std::string tag = std::string("_atom_site_fract_") + static_cast<char>('x' + axis);
            fraction[axis] = reader.Number(row[static_cast<std::size_t>(kX + axis)], -kMaxFraction, kMaxFraction, site.line, tag);
        }
        const std::string type = row.has2(kType) ? row.str(kType) : std::string();
        const std::string& named = type.empty() ? site.label : type;
        const auto element = ElementAtStartOf(named);
        if (!element) reader.Fail(site.line, "site " + Quoted(site.label) + " names no element: " + Quoted(named));
        site.element = element->symbol;
        if (!type.empty()) site.charge = ChargeMarks(std::string_view(type).substr(element->symbol.size()));
        for (const AtomType& atomType : types)
            if (atomType.symbol == type && !type.empty()) site.charge = atomType.oxidation;
        site.position = {static_cast<float>(fraction[0]), static_cast<float>(fraction[1]), static_cast<float>(fraction[2])};
        sites.push_back(std::move(site));
    }
    if (sites.empty()) reader.Fail(tagLine, "no atom sites");
    return sites;
}

}  // namespace

CifCrystal ParseCif(std::string_view text, const std::string& path) {
    cif::Document document = ParseDocument(text, path);
    cif::Block& block = CrystalBlock(document, path);
    const LineFinder lines(text);
    const Reader reader{path, lines};
    CifCrystal crystal;
    crystal.blockName = block.name;
    crystal.cell = ReadCell(block, reader);
    for (const char* tag : {"_symmetry_space_group_name_H-M", "_space_group_name_H-M_alt"})
        if (const std::string* raw = block.find_value(tag); raw && crystal.groupSymbol.empty())
            crystal.groupSymbol = cif::as_string(*raw);
    crystal.operations = ListedOperations(block, reader);
    if (crystal.operations.empty()) crystal.operations = GroupOperations(block, crystal.cell);
    if (crystal.operations.empty() && !crystal.groupSymbol.empty())
        reader.Fail(lines.TagLine("_symmetry_space_group_name_H-M") + lines.TagLine("_space_group_name_H-M_alt"),
                    "no symmetry operations (_symmetry_equiv_pos_as_xyz), and Kiva does not know the space group " +
                        Quoted(crystal.groupSymbol));
    if (crystal.operations.empty()) crystal.operations.push_back(IdentityMatrix());  // no symmetry given: P 1
    crystal.sites = ReadSites(block, reader);
    return crystal;
}

}  // namespace kiva
