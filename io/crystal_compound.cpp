// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/crystal_compound.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "chem/fixed_text.h"
#include "io/formula_unit.h"
#include "io/source_error.h"

namespace kiva {

namespace {

constexpr double kContactReach = 5.5;     // angstrom: beyond every bond and first neighbour shell
constexpr double kShellWidth = 1.1;       // a neighbour shell reaches 10 % past its nearest member
constexpr double kFarthestShell = 1.25;   // a kind of neighbour counts when it comes this near
constexpr double kRuleMargin = 0.001;     // angstrom of rounding room around measured distances

using RuleKey = std::tuple<std::string, std::string, int>;  // labels in order, bond kind

struct Span {
    double low, high;
};

void AddToRule(std::map<RuleKey, Span>& spans, std::string a, std::string b, int kind, double distance) {
    if (b < a) std::swap(a, b);
    const auto [entry, added] = spans.try_emplace({a, b, kind}, Span{distance, distance});
    if (!added) {
        entry->second.low = std::min(entry->second.low, distance);
        entry->second.high = std::max(entry->second.high, distance);
    }
}

// The first neighbours of every atom whose `centre` test holds, among partners whose `partner`
// test holds: per pair of labels the contacts within 10 % of the nearest, for the kinds of
// partner that come within 25 % of the nearest partner of any kind.
template <typename CentreTest, typename PartnerTest>
void AddNeighbourShells(std::map<RuleKey, Span>& spans, const std::vector<CellContact>& contacts,
                        const std::vector<std::string>& labelOf, CentreTest centre, PartnerTest partner) {
    std::map<std::pair<std::string, std::string>, double> nearestOfPair;
    std::map<std::string, double> nearestOfCentre;
    const auto visit = [&](auto action) {
        for (const CellContact& contact : contacts)
            for (const auto& [c, p] : {std::pair{contact.first, contact.second}, std::pair{contact.second, contact.first}})
                if (centre(c) && partner(p)) action(labelOf[static_cast<std::size_t>(c)], labelOf[static_cast<std::size_t>(p)], contact.distance);
    };
    visit([&](const std::string& c, const std::string& p, double distance) {
        const auto [pair, addedPair] = nearestOfPair.try_emplace({c, p}, distance);
        if (!addedPair) pair->second = std::min(pair->second, distance);
        const auto [single, addedSingle] = nearestOfCentre.try_emplace(c, distance);
        if (!addedSingle) single->second = std::min(single->second, distance);
    });
    visit([&](const std::string& c, const std::string& p, double distance) {
        const double nearest = nearestOfPair.at({c, p});
        if (nearest <= kFarthestShell * nearestOfCentre.at(c) && distance <= kShellWidth * nearest)
            AddToRule(spans, c, p, 0, distance);
    });
}

std::vector<int> SitesOf(const CrystalCell& cell) {
    std::vector<int> sites;
    for (const CellAtom& atom : cell.atoms) sites.push_back(atom.site);
    return sites;
}

std::vector<BondRule> RulesFrom(const std::map<RuleKey, Span>& spans) {
    std::vector<BondRule> rules;
    for (const auto& [key, span] : spans) {
        BondRule rule{};
        SetText(rule.symbolA, std::get<0>(key));
        SetText(rule.symbolB, std::get<1>(key));
        rule.minDistance = static_cast<float>(std::max(0.0, span.low - kRuleMargin));
        rule.maxDistance = static_cast<float>(span.high + kRuleMargin);
        rule.bondKind = std::get<2>(key);
        rules.push_back(rule);
    }
    std::stable_sort(rules.begin(), rules.end(), [](const BondRule& a, const BondRule& b) { return a.bondKind > b.bondKind; });
    return rules;
}

}  // namespace

CompoundRecord CrystalCompound(const CifCrystal& crystal, std::string_view name) {
    CompoundRecord record;
    SetText(record.name, name);
    SetText(record.symmetry.groupText, crystal.groupSymbol);
    record.symmetry.operations = crystal.operations;
    record.symmetry.translationCount = 1;
    record.cell = crystal.cell;
    std::vector<ElementFacts> facts;
    bool chargesGiven = false;
    for (const CifSite& site : crystal.sites) {
        facts.push_back(*FactsOf(site.element));
        AtomSite atom{};
        atom.position = site.position;
        atom.charge = site.charge.value_or(0.0f);
        chargesGiven = chargesGiven || site.charge.has_value();
        record.basisAtoms.push_back(atom);
    }

    CrystalCell cell = ExpandCell(record);
    std::vector<int> siteOf = SitesOf(cell);
    std::vector<CellContact> contacts = FindContacts(cell, kContactReach);
    if (const std::vector<int> repeated = RepeatedSites(contacts, siteOf, facts); !repeated.empty()) {
        for (auto site = repeated.rbegin(); site != repeated.rend(); ++site) {
            record.basisAtoms.erase(record.basisAtoms.begin() + *site);
            facts.erase(facts.begin() + *site);
        }
        cell = ExpandCell(record);
        siteOf = SitesOf(cell);
        contacts = FindContacts(cell, kContactReach);
    }
    std::vector<CellContact> covalent = CovalentContacts(contacts, siteOf, facts);
    BondedGroups groups = GroupBondedAtoms(cell.atoms.size(), covalent);
    if (const auto organometallic = OrganometallicContacts(contacts, siteOf, facts, groups); !organometallic.empty()) {
        covalent.insert(covalent.end(), organometallic.begin(), organometallic.end());
        groups = GroupBondedAtoms(cell.atoms.size(), covalent);
    }
    const BondingClass bondingClass = ClassifyCrystal(cell, groups, facts);
    record.bondingClass = static_cast<std::int32_t>(bondingClass);

    if (!chargesGiven && bondingClass == BondingClass::Ionic) {
        const std::vector<float> charges = InferSiteCharges(cell, groups, facts);
        for (std::size_t site = 0; site < charges.size(); ++site) record.basisAtoms[site].charge = charges[site];
    }
    for (std::size_t site = 0; site < record.basisAtoms.size(); ++site)
        SetText(record.basisAtoms[site].symbol, IonLabel(facts[site].symbol, TruncatedCharge(record.basisAtoms[site].charge)));

    std::vector<std::string> labelOf;
    for (const int site : siteOf) labelOf.emplace_back(TextOf(record.basisAtoms[static_cast<std::size_t>(site)].symbol));
    std::map<RuleKey, Span> spans;
    for (const CellContact& bond : covalent)
        AddToRule(spans, labelOf[static_cast<std::size_t>(bond.first)], labelOf[static_cast<std::size_t>(bond.second)], 1, bond.distance);
    const auto factsOf = [&](int atom) -> const ElementFacts& { return facts[static_cast<std::size_t>(siteOf[static_cast<std::size_t>(atom)])]; };
    const auto ionicMetal = [&](int atom) {
        return factsOf(atom).metal && groups.members[static_cast<std::size_t>(groups.groupOf[static_cast<std::size_t>(atom)])].size() == 1;
    };
    if (bondingClass == BondingClass::Ionic)
        AddNeighbourShells(spans, contacts, labelOf, ionicMetal, [&](int atom) { return !factsOf(atom).metal && !factsOf(atom).nobleGas; });
    if (bondingClass == BondingClass::Metal)
        AddNeighbourShells(spans, contacts, labelOf, ionicMetal, ionicMetal);
    record.bondRules = RulesFrom(spans);

    const std::vector<UnitImage> unit = GatherFormulaUnit(cell, groups, contacts, labelOf);
    std::array<double, 3> centre{};
    for (const UnitImage& image : unit) {
        const auto position = cell.PositionOf(image.atom, image.shift);
        for (int k = 0; k < 3; ++k) centre[k] += position[k] / static_cast<double>(unit.size());
    }
    for (const UnitImage& image : unit) {
        const auto position = cell.PositionOf(image.atom, image.shift);
        AtomSite atom = record.basisAtoms[static_cast<std::size_t>(siteOf[static_cast<std::size_t>(image.atom)])];
        atom.position = {static_cast<float>(position[0] - centre[0]), static_cast<float>(position[1] - centre[1]),
                         static_cast<float>(position[2] - centre[2])};
        record.unitAtoms.push_back(atom);
    }
    return record;
}

}  // namespace kiva
