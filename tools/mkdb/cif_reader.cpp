// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/cif_reader.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

#include "tools/mkdb/source_error.h"

namespace kiva::mkdb {

namespace {

struct Token {
    std::string text;
    int line = 0;
    bool quoted = false;  // a quoted value is never a key word
};

// Splits CIF text into tags, key words and values: quoted strings, semicolon text fields and
// comments are handled; only the first data block is kept.
std::vector<Token> Tokenize(const std::string& text, const std::string& path) {
    std::vector<Token> tokens;
    std::istringstream input(text);
    std::string line;
    int number = 0;
    int blocks = 0;
    while (std::getline(input, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == ';') {
            const int start = number;
            std::string field = line.substr(1);
            bool closed = false;
            while (std::getline(input, line)) {
                ++number;
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (!line.empty() && line[0] == ';') {
                    closed = true;
                    break;
                }
                field += "\n" + line;
            }
            if (!closed) throw SourceError(path, start, "a text field opened with ';' is never closed");
            tokens.push_back({field, start, true});
            continue;
        }
        std::size_t i = 0;
        while (i < line.size()) {
            const char c = line[i];
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++i;
            } else if (c == '#') {
                break;
            } else if (c == '\'' || c == '"') {
                // A quote closes only when followed by white space or the line's end.
                std::size_t end = i + 1;
                while (end < line.size() && !(line[end] == c && (end + 1 == line.size() || std::isspace(static_cast<unsigned char>(line[end + 1])))))
                    ++end;
                if (end >= line.size()) throw SourceError(path, number, "a quoted value is never closed");
                tokens.push_back({line.substr(i + 1, end - i - 1), number, true});
                i = end + 1;
            } else {
                std::size_t end = i;
                while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) ++end;
                std::string word = line.substr(i, end - i);
                if (word.rfind("data_", 0) == 0 && ++blocks > 1) return tokens;
                tokens.push_back({word, number, false});
                i = end;
            }
        }
    }
    return tokens;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

struct Value {
    std::string text;
    int line = 0;
};

struct CifTables {
    std::map<std::string, Value> single;                           // tag -> value
    std::map<std::string, std::vector<Value>> looped;              // tag -> column
};

CifTables Collect(const std::vector<Token>& tokens, const std::string& path) {
    CifTables tables;
    std::size_t i = 0;
    while (i < tokens.size()) {
        const Token& token = tokens[i];
        const std::string word = token.quoted ? "" : Lower(token.text);
        if (word == "loop_") {
            std::vector<std::string> tags;
            ++i;
            while (i < tokens.size() && !tokens[i].quoted && tokens[i].text[0] == '_') tags.push_back(Lower(tokens[i++].text));
            if (tags.empty()) throw SourceError(path, token.line, "loop_ without tags");
            std::size_t column = 0;
            while (i < tokens.size()) {
                const Token& value = tokens[i];
                if (!value.quoted && (value.text[0] == '_' || Lower(value.text) == "loop_" ||
                                      Lower(value.text).rfind("data_", 0) == 0))
                    break;
                tables.looped[tags[column]].push_back({value.text, value.line});
                column = (column + 1) % tags.size();
                ++i;
            }
            if (column != 0) throw SourceError(path, token.line, "a loop's values do not fill its last row");
        } else if (!token.quoted && token.text[0] == '_') {
            if (i + 1 >= tokens.size()) throw SourceError(path, token.line, "tag " + token.text + " has no value");
            tables.single[Lower(token.text)] = {tokens[i + 1].text, tokens[i + 1].line};
            i += 2;
        } else {
            ++i;  // data_ headings and stray words
        }
    }
    return tables;
}

// A number with its standard uncertainty in brackets dropped: 5.6402(3) gives 5.6402.
double Number(const Value& value, const std::string& path, const std::string& tag) {
    std::string text = value.text.substr(0, value.text.find('('));
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw SourceError(path, value.line, tag + " is not a number: \"" + value.text + "\"");
    return number;
}

const Value& Single(const CifTables& tables, const std::string& tag, const std::string& path) {
    const auto found = tables.single.find(tag);
    if (found == tables.single.end()) throw SourceError(path, 0, "no " + tag);
    return found->second;
}

const std::vector<Value>* Column(const CifTables& tables, std::initializer_list<const char*> tags) {
    for (const char* tag : tags) {
        const auto found = tables.looped.find(tag);
        if (found != tables.looped.end()) return &found->second;
    }
    return nullptr;
}

}  // namespace

CifCrystal ParseCif(const std::string& text, const std::string& path) {
    const CifTables tables = Collect(Tokenize(text, path), path);
    CifCrystal crystal;
    crystal.a = Number(Single(tables, "_cell_length_a", path), path, "_cell_length_a");
    crystal.b = Number(Single(tables, "_cell_length_b", path), path, "_cell_length_b");
    crystal.c = Number(Single(tables, "_cell_length_c", path), path, "_cell_length_c");
    crystal.alpha = Number(Single(tables, "_cell_angle_alpha", path), path, "_cell_angle_alpha");
    crystal.beta = Number(Single(tables, "_cell_angle_beta", path), path, "_cell_angle_beta");
    crystal.gamma = Number(Single(tables, "_cell_angle_gamma", path), path, "_cell_angle_gamma");
    for (const char* tag : {"_symmetry_space_group_name_h-m", "_space_group_name_h-m_alt"}) {
        const auto found = tables.single.find(tag);
        if (found != tables.single.end()) {
            crystal.groupSymbol = found->second.text;
            break;
        }
    }

    const auto* operations = Column(tables, {"_symmetry_equiv_pos_as_xyz", "_space_group_symop_operation_xyz"});
    if (!operations) {
        for (const char* tag : {"_symmetry_equiv_pos_as_xyz", "_space_group_symop_operation_xyz"}) {
            const auto found = tables.single.find(tag);
            if (found != tables.single.end()) crystal.operations.push_back({found->second.text, found->second.line});
        }
    } else {
        for (const Value& value : *operations) crystal.operations.push_back({value.text, value.line});
    }
    if (crystal.operations.empty()) throw SourceError(path, 0, "no symmetry operations (_symmetry_equiv_pos_as_xyz)");

    const auto* labels = Column(tables, {"_atom_site_label"});
    const auto* types = Column(tables, {"_atom_site_type_symbol"});
    const auto* xs = Column(tables, {"_atom_site_fract_x"});
    const auto* ys = Column(tables, {"_atom_site_fract_y"});
    const auto* zs = Column(tables, {"_atom_site_fract_z"});
    if (!labels || !xs || !ys || !zs) throw SourceError(path, 0, "no atom sites (_atom_site_label and _atom_site_fract_x/y/z)");
    if (xs->size() != labels->size() || ys->size() != labels->size() || zs->size() != labels->size() ||
        (types && types->size() != labels->size()))
        throw SourceError(path, labels->front().line, "the atom site columns differ in length");
    for (std::size_t i = 0; i < labels->size(); ++i) {
        CifSite site;
        site.label = (*labels)[i].text;
        site.line = (*labels)[i].line;
        if (types) site.typeSymbol = (*types)[i].text;
        site.x = Number((*xs)[i], path, "_atom_site_fract_x");
        site.y = Number((*ys)[i], path, "_atom_site_fract_y");
        site.z = Number((*zs)[i], path, "_atom_site_fract_z");
        crystal.sites.push_back(site);
    }
    return crystal;
}

CifCrystal ReadCif(const std::string& path) { return ParseCif(ReadSourceFile(path), path); }

std::string SiteElement(const CifSite& site) {
    const std::string& source = site.typeSymbol.empty() || site.typeSymbol == "?" ? site.label : site.typeSymbol;
    std::string element;
    for (char c : source) {
        if (!std::isalpha(static_cast<unsigned char>(c))) break;
        element += element.empty() ? static_cast<char>(std::toupper(static_cast<unsigned char>(c)))
                                   : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (element.size() == 2) break;
    }
    return element;
}

}  // namespace kiva::mkdb
