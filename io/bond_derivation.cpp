// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/bond_derivation.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "chem/element_table.h"
#include "chem/fixed_text.h"
#include "render/bond_search.h"

namespace kiva {

namespace {

// Rounding room around the measured lengths, in angstrom; far below any difference between
// bonded and non-bonded distances.
constexpr float kMargin = 0.001f;

using BondKey = std::tuple<int, int, int>;  // lower index, higher index, kind

std::multiset<BondKey> Normalized(const std::vector<BondKey>& bonds) { return {bonds.begin(), bonds.end()}; }

std::vector<BondKey> Keys(const std::vector<ReferenceBond>& bonds) {
    std::vector<BondKey> keys;
    for (const ReferenceBond& bond : bonds)
        keys.emplace_back(std::min(bond.first, bond.second), std::max(bond.first, bond.second), bond.kind);
    return keys;
}

std::vector<BondKey> Found(const std::vector<AtomSite>& atoms, const std::vector<BondRule>& rules) {
    std::vector<SceneAtom> scene;
    for (const AtomSite& atom : atoms) {
        SceneAtom sceneAtom{};
        SetText(sceneAtom.symbol, TextOf(atom.symbol));
        sceneAtom.position = atom.position;
        scene.push_back(sceneAtom);
    }
    std::vector<BondKey> keys;
    for (const SceneBond& bond : FindBonds(scene, rules))
        keys.emplace_back(std::min(bond.first, bond.second), std::max(bond.first, bond.second), bond.kind);
    return keys;
}

std::vector<BondRule> RulesFor(const std::vector<AtomSite>& atoms, const std::vector<ReferenceBond>& bonds) {
    struct Span {
        float shortest, longest;
    };
    std::vector<std::tuple<std::string, std::string, int>> order;
    std::map<std::tuple<std::string, std::string, int>, Span> spans;
    for (const ReferenceBond& bond : bonds) {
        std::string a(TextOf(atoms[bond.first].symbol));
        std::string b(TextOf(atoms[bond.second].symbol));
        if (b < a) std::swap(a, b);
        const float length = Length(Subtract(atoms[bond.first].position, atoms[bond.second].position));
        const auto key = std::make_tuple(a, b, bond.kind);
        const auto found = spans.find(key);
        if (found == spans.end()) {
            spans[key] = {length, length};
            order.push_back(key);
        } else {
            found->second.shortest = std::min(found->second.shortest, length);
            found->second.longest = std::max(found->second.longest, length);
        }
    }
    std::vector<BondRule> rules;
    for (const auto& key : order) {
        BondRule rule{};
        SetText(rule.symbolA, std::get<0>(key));
        SetText(rule.symbolB, std::get<1>(key));
        rule.minDistance = std::max(0.0f, spans[key].shortest - kMargin);
        rule.maxDistance = spans[key].longest + kMargin;
        rule.bondKind = std::get<2>(key);
        rules.push_back(rule);
    }
    return rules;
}

}  // namespace

bool RulesReproduce(const std::vector<AtomSite>& atoms, const std::vector<BondRule>& rules,
                    const std::vector<ReferenceBond>& bonds) {
    return Normalized(Found(atoms, rules)) == Normalized(Keys(bonds));
}

std::vector<BondRule> DeriveBondRules(std::vector<AtomSite>& atoms, const std::vector<ReferenceBond>& bonds) {
    std::vector<std::string> given;
    for (const AtomSite& atom : atoms) given.emplace_back(TextOf(atom.symbol));
    std::set<std::string> numbered;  // given labels whose atoms carry numbers
    while (true) {
        std::map<std::string, int> counters;  // per element, so numbers never repeat
        for (std::size_t i = 0; i < atoms.size(); ++i) {
            if (!numbered.count(given[i])) {
                SetText(atoms[i].symbol, given[i]);
                continue;
            }
            const std::string element(ElementKey(given[i]));
            SetText(atoms[i].symbol, element + std::to_string(++counters[element]));
        }
        std::vector<BondRule> rules = RulesFor(atoms, bonds);
        const std::multiset<BondKey> expected = Normalized(Keys(bonds));
        const std::multiset<BondKey> found = Normalized(Found(atoms, rules));
        if (found == expected) return rules;

        // Number the labels of every atom in a bond found wrongly, and try again.
        const std::size_t before = numbered.size();
        std::vector<BondKey> wrong;
        std::set_symmetric_difference(found.begin(), found.end(), expected.begin(), expected.end(), std::back_inserter(wrong));
        for (const auto& [first, second, kind] : wrong) {
            numbered.insert(given[static_cast<std::size_t>(first)]);
            numbered.insert(given[static_cast<std::size_t>(second)]);
        }
        if (numbered.size() == before) {
            // Every label involved is numbered already: number them all (one rule per bond).
            numbered.insert(given.begin(), given.end());
            if (numbered.size() == before) return rules;
        }
    }
}

}  // namespace kiva
