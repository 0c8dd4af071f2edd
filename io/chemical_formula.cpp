// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/chemical_formula.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "chem/element_table.h"
#include "chem/fixed_text.h"
#include "io/element_facts.h"

namespace kiva {

namespace {

// Where an element stands in a formula that is not in Hill order: groups 1 to 15 (and the noble
// gases, XeF4) by electronegativity, then hydrogen, then groups 16 and 17 by electronegativity
// (SCl2, Cl before O in chlorates, OF2); symbols no element has come last, alphabetically.
std::tuple<int, float, std::string> SaltRank(const std::string& symbol) {
    const auto facts = FactsOf(symbol);
    if (!facts) return {3, 0.0f, symbol};
    if (facts->number == 1) return {1, 0.0f, symbol};
    const bool anionFormer = facts->group == 16 || facts->group == 17;
    return {anionFormer ? 2 : 0, facts->electronegativity, symbol};
}

}  // namespace

std::string ChemicalFormula(std::span<const AtomSite> atoms) {
    std::map<std::string, int> counts;
    for (const AtomSite& atom : atoms) {
        const auto facts = FactsOf(ElementKey(TextOf(atom.symbol)));
        ++counts[facts ? facts->symbol : std::string(ElementKey(TextOf(atom.symbol)))];
    }
    std::vector<std::string> order;
    for (const auto& [symbol, count] : counts) order.push_back(symbol);  // alphabetical
    const bool hill = counts.contains("C") && counts.contains("H");
    if (hill) {
        std::stable_partition(order.begin(), order.end(), [](const std::string& s) { return s == "C" || s == "H"; });
    } else {
        std::stable_sort(order.begin(), order.end(),
                         [](const std::string& x, const std::string& y) { return SaltRank(x) < SaltRank(y); });
    }
    std::string formula;
    for (const std::string& symbol : order) {
        formula += symbol;
        if (counts[symbol] > 1) formula += std::to_string(counts[symbol]);
    }
    return formula;
}

}  // namespace kiva
