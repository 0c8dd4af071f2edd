// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/manifest.h"

#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "chem/text_lines.h"
#include "io/source_error.h"
#include "io/symmetry_text.h"

namespace kiva::mkdb {

namespace {

constexpr std::size_t kMaxName = 31;
constexpr std::size_t kMaxPrimaryKey = 15;
constexpr std::size_t kMaxSecondaryKey = 3;
constexpr std::size_t kMaxDescription = 127;
constexpr std::size_t kMaxAtomLabel = 11;
constexpr std::size_t kMaxRuleLabel = 7;

const std::map<std::string, SubstanceKind> kKinds = {{"homoatomic", SubstanceKind::Homoatomic},
                                                     {"metallic", SubstanceKind::Metallic},
                                                     {"nonmetallic", SubstanceKind::NonMetallic},
                                                     {"organic", SubstanceKind::Organic}};
const std::map<std::string, BondingClass> kClasses = {{"metal", BondingClass::Metal},
                                                      {"atom", BondingClass::Atom},
                                                      {"ionic", BondingClass::Ionic},
                                                      {"molecule", BondingClass::Molecule},
                                                      {"covalent-network", BondingClass::CovalentNetwork}};
const std::map<std::string, int> kBondKinds = {{"coordination", 0}, {"single", 1}, {"double", 2}, {"triple", 3},
                                               {"yellow", 4}, {"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}};

// Drops a comment: '#' first on the line or after a blank.
std::string StripComment(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return line.substr(0, i);
    return line;
}

std::string TrimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.pop_back();
    return text;
}

class BlockParser {
public:
    BlockParser(const std::string& path, int line) : path_(path), line_(line) {}

    [[noreturn]] void Fail(const std::string& what) const { throw SourceError(path_, line_, what); }
    void At(int line) { line_ = line; }

    void NeedWords(const std::vector<std::string_view>& words, std::size_t count, const char* form) const {
        if (words.size() != count) Fail(std::string("expected \"") + form + "\"");
    }

    void CheckLength(const std::string& text, std::size_t limit, const char* what) const {
        if (text.size() > limit) Fail(std::string(what) + " " + Quoted(text) + " is longer than " + std::to_string(limit) + " characters");
    }

    float Distance(std::string_view word) const {
        const auto value = ParseFloat(word);
        if (!value || *value < 0) Fail(Quoted(word) + " is no distance in angstrom");
        return *value;
    }

private:
    std::string path_;
    int line_;
};

void ReadField(SubstanceSource& substance, const std::string& key, const std::string& value,
               const std::vector<std::string_view>& words, BlockParser& parser) {
    if (key == "kind") {
        parser.NeedWords(words, 1, "kind homoatomic|metallic|nonmetallic|organic");
        const auto found = kKinds.find(value);
        if (found == kKinds.end()) parser.Fail("unknown kind " + Quoted(value));
        substance.kind = found->second;
    } else if (key == "keys") {
        if (words.empty() || words.size() > 2) parser.Fail("expected \"keys PRIMARY [SECONDARY]\"");
        substance.primaryKey = std::string(words[0]);
        substance.secondaryKey = words.size() > 1 ? std::string(words[1]) : "";
        parser.CheckLength(substance.primaryKey, kMaxPrimaryKey, "the primary key");
        parser.CheckLength(substance.secondaryKey, kMaxSecondaryKey, "the secondary key");
    } else if (key == "class") {
        parser.NeedWords(words, 1, "class metal|atom|ionic|molecule|covalent-network");
        const auto found = kClasses.find(value);
        if (found == kClasses.end()) parser.Fail("unknown bonding class " + Quoted(value));
        substance.bondingClass = found->second;
    } else if (key == "description") {
        parser.CheckLength(value, kMaxDescription, "the description");
        if (value.empty()) parser.Fail("an empty description");
        if (const std::string unit = PlainUnitIn(value); !unit.empty())
            parser.Fail("the description uses \"" + unit + "\" as a unit; write " + (unit == "A" ? "\"Å\"" : "\"°\""));
        substance.description = value;
    } else if (key == "unit") {
        parser.NeedWords(words, 1, "unit FILE.mol");
        substance.unitPath = value;
    } else if (key == "crystal") {
        parser.NeedWords(words, 1, "crystal FILE.cif");
        substance.crystalPath = value;
    } else if (key == "translations") {
        if (words.empty() || words.size() > kMaxTranslations - 1) parser.Fail("expected one to three translations");
        for (const auto word : words) {
            if (word.size() > kMaxTripletText)
                parser.Fail("a translation of " + std::to_string(word.size()) + " characters: " + Quoted(word));
            const auto translation = ParseFractionTriplet(word);
            if (!translation) parser.Fail(Quoted(word) + " is no translation like 0,1/2,1/2");
            substance.translations.push_back(*translation);
        }
    } else if (key == "label") {
        parser.NeedWords(words, 3, "label MATCH LABEL CHARGE");
        const auto charge = ParseInt(words[2]);
        if (!charge) parser.Fail(Quoted(words[2]) + " is no integer charge");
        substance.labels.push_back({std::string(words[0]), std::string(words[1]), *charge});
        parser.CheckLength(substance.labels.back().label, kMaxAtomLabel, "the atom label");
    } else if (key == "bond") {
        parser.NeedWords(words, 5, "bond LABEL_A LABEL_B MIN MAX KIND");
        BondSource bond{std::string(words[0]), std::string(words[1]), parser.Distance(words[2]), parser.Distance(words[3])};
        const auto kind = kBondKinds.find(std::string(words[4]));
        if (kind == kBondKinds.end()) parser.Fail("unknown bond kind " + Quoted(words[4]));
        bond.kind = kind->second;
        if (bond.minDistance > bond.maxDistance) parser.Fail("the shortest distance exceeds the longest");
        parser.CheckLength(bond.labelA, kMaxRuleLabel, "a bond rule's label");
        parser.CheckLength(bond.labelB, kMaxRuleLabel, "a bond rule's label");
        substance.bonds.push_back(bond);
    } else {
        parser.Fail("unknown field " + Quoted(key));
    }
}

void CheckComplete(const SubstanceSource& substance, BlockParser& parser) {
    parser.At(substance.line);
    if (substance.primaryKey.empty()) parser.Fail(substance.name + " has no keys");
    const bool needsSecondary = substance.kind == SubstanceKind::Metallic || substance.kind == SubstanceKind::NonMetallic;
    if (needsSecondary && substance.secondaryKey.empty()) parser.Fail(substance.name + " needs a secondary key");
    if (!needsSecondary && !substance.secondaryKey.empty()) parser.Fail(substance.name + " takes no secondary key");
    if (substance.description.empty()) parser.Fail(substance.name + " has no description");
    if (substance.unitPath.empty()) parser.Fail(substance.name + " has no unit molfile");
    if (!substance.translations.empty() && substance.crystalPath.empty())
        parser.Fail(substance.name + " has translations but no crystal");
}

}  // namespace

std::string PlainUnitIn(std::string_view text) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        std::size_t word = i + 1;
        while (word < text.size() && text[word] == ' ') ++word;
        for (const std::string_view unit : {std::string_view("deg"), std::string_view("A")}) {
            const std::size_t end = word + unit.size();
            if (text.substr(word, unit.size()) == unit && (end == text.size() || !isLetter(text[end]))) return std::string(unit);
        }
    }
    return {};
}

std::vector<SubstanceSource> ParseManifest(const std::string& text, const std::string& path) {
    std::vector<SubstanceSource> substances;
    std::set<std::string> names;
    std::optional<SubstanceSource> open;
    std::istringstream input(text);
    int number = 0;
    for (std::string raw; std::getline(input, raw);) {
        ++number;
        BlockParser parser(path, number);
        // Names, keys and texts end at their first NUL in the index and the records.
        if (raw.find('\0') != std::string::npos) parser.Fail("a NUL byte, which no text of the catalogue can hold");
        const std::string line = TrimRight(StripComment(raw));
        const auto all = SplitWords(line);
        if (all.empty()) continue;
        const std::string key(all[0]);
        const std::vector<std::string_view> words(all.begin() + 1, all.end());
        const std::size_t valueStart = words.empty() ? line.size() : static_cast<std::size_t>(words[0].data() - line.data());
        const std::string value = line.substr(valueStart);
        if (key == "substance") {
            if (open) parser.Fail("substance " + open->name + " has no end before the next substance");
            parser.NeedWords(words, 1, "substance NAME");
            parser.CheckLength(value, kMaxName, "the name");
            if (!names.insert(value).second) parser.Fail("a second substance named " + value);
            open = SubstanceSource{};
            open->name = value;
            open->file = path;
            open->line = number;
        } else if (key == "end") {
            if (!open) parser.Fail("end without a substance");
            CheckComplete(*open, parser);
            substances.push_back(std::move(*open));
            open.reset();
        } else {
            if (!open) parser.Fail(Quoted(key) + " outside a substance block");
            ReadField(*open, key, value, words, parser);
        }
    }
    if (open) throw SourceError(path, open->line, "substance " + open->name + " has no end");
    return substances;
}

std::vector<SubstanceSource> ReadManifest(const std::string& path) { return ParseManifest(ReadSourceFile(path), path); }

}  // namespace kiva::mkdb
