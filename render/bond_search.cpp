// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/bond_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "chem/fixed_text.h"

namespace kiva {

namespace {

constexpr std::size_t kBondsReservedPerAtom = 4;

struct SearchBudget {
    std::size_t bondsLeft;
    std::uint64_t workLeft;
    bool Spent() const { return bondsLeft == 0 || workLeft == 0; }
    // Takes `work` from what is left; false, leaving nothing, when it is more than that.
    bool Take(std::uint64_t work) {
        if (work > workLeft) {
            workLeft = 0;
            return false;
        }
        workLeft -= work;
        return true;
    }
};

bool WithinRule(const SceneAtom& j, const SceneAtom& i, const BondRule& rule) {
    const float d = Length(Subtract(j.position, i.position));
    return rule.minDistance <= d && d <= rule.maxDistance;
}

// The same answer, with most pairs far outside the range settled by their squared distance (as
// Length sums it) without the square root: a margin of 1e-5 is far beyond the rounding of the
// root, so a pair it rejects is one the square root would reject too.
bool WithinRuleQuickly(const SceneAtom& j, const SceneAtom& i, const BondRule& rule) {
    const Vector3D v = Subtract(j.position, i.position);
    const auto squared = static_cast<double>(v.x * v.x + v.y * v.y + v.z * v.z);
    const double most = static_cast<double>(rule.maxDistance) * rule.maxDistance * (1 + 1e-5);
    if (rule.maxDistance >= 0 && squared > most) return false;
    return WithinRule(j, i, rule);
}

std::vector<std::int32_t> AtomsLabelled(std::span<const SceneAtom> atoms, std::string_view label) {
    std::vector<std::int32_t> found;
    for (std::size_t i = 0; i < atoms.size(); ++i)
        if (TextOf(atoms[i].symbol) == label) found.push_back(static_cast<std::int32_t>(i));
    return found;
}

// Tests one pair, whose work is already taken, and records its bond; false once the bonds are spent.
bool TestPair(std::span<const SceneAtom> atoms, std::int32_t j, std::int32_t i, const BondRule& rule,
              std::vector<SceneBond>& bonds, SearchBudget& budget) {
    if (budget.bondsLeft == 0) return false;
    if (WithinRule(atoms[j], atoms[i], rule)) {
        bonds.push_back({j, i, rule.bondKind});
        --budget.bondsLeft;
    }
    return true;
}

// The atoms of a rule's first and second label, the same list when both are equal; empty when
// the scan is more than the budget holds.
struct RulePartners {
    bool sameLabels;
    std::vector<std::int32_t> firsts, seconds;
};
RulePartners PartnersOf(std::span<const SceneAtom> atoms, const BondRule& rule, SearchBudget& budget) {
    RulePartners partners{TextOf(rule.symbolA) == TextOf(rule.symbolB), {}, {}};
    if (!budget.Take(atoms.size() * (partners.sameLabels ? 1 : 2))) return partners;
    partners.firsts = AtomsLabelled(atoms, TextOf(rule.symbolA));
    partners.seconds = partners.sameLabels ? partners.firsts : AtomsLabelled(atoms, TextOf(rule.symbolB));
    return partners;
}

void AllPairsForRule(std::span<const SceneAtom> atoms, const BondRule& rule, std::vector<SceneBond>& bonds,
                     SearchBudget& budget) {
    const RulePartners partners = PartnersOf(atoms, rule, budget);
    for (const std::int32_t j : partners.firsts) {
        if (!budget.Take(partners.seconds.size())) return;
        for (const std::int32_t i : partners.seconds) {
            if (partners.sameLabels && j >= i) continue;
            if (!TestPair(atoms, j, i, rule, bonds, budget)) return;
        }
    }
}

// The atoms of one label sorted into cubic cells at least as wide as the longest bond, so that
// every partner of an atom lies in its own cell or one of the 26 around it.
class BondGrid {
public:
    BondGrid(std::span<const SceneAtom> atoms, const std::vector<std::int32_t>& members, float reach) {
        for (const std::int32_t i : members) {
            const Vector3D p = atoms[i].position;
            if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) continue;  // bonds nothing
            if (placed_.empty()) low_ = high_ = p;
            low_ = {std::min(low_.x, p.x), std::min(low_.y, p.y), std::min(low_.z, p.z)};
            high_ = {std::max(high_.x, p.x), std::max(high_.y, p.y), std::max(high_.z, p.z)};
            placed_.push_back(i);
        }
        // A margin covers rounding between a float distance and the cell arithmetic.
        cell_ = static_cast<double>(reach) * 1.01 + 0.01;
        const double limit = 8.0 * static_cast<double>(placed_.size()) + 64;
        while (CellsFor(cell_) > limit) cell_ *= 1.5;
        for (int axis = 0; axis < 3; ++axis) size_[axis] = static_cast<std::int64_t>(Extent(axis) / cell_) + 1;

        // A counting sort keeps the atoms of each cell in ascending order.
        cellStart_.assign(static_cast<std::size_t>(size_[0] * size_[1] * size_[2] + 1), 0);
        for (const std::int32_t i : placed_) ++cellStart_[static_cast<std::size_t>(CellOf(atoms[i].position) + 1)];
        for (std::size_t c = 1; c < cellStart_.size(); ++c) cellStart_[c] += cellStart_[c - 1];
        sorted_.resize(placed_.size());
        std::vector<std::int64_t> next(cellStart_.begin(), cellStart_.end() - 1);
        for (const std::int32_t i : placed_) sorted_[static_cast<std::size_t>(next[static_cast<std::size_t>(CellOf(atoms[i].position))]++)] = i;
    }

    // Every member in the cells around `p`, cell by cell.
    void Neighbours(Vector3D p, std::vector<std::int32_t>& found) const {
        found.clear();
        if (placed_.empty() || !std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return;
        const double coordinate[3] = {p.x, p.y, p.z};
        std::int64_t centre[3];
        for (int axis = 0; axis < 3; ++axis) {
            const double offset = (coordinate[axis] - Low(axis)) / cell_;
            // Members fill cells 0 to size - 1; a query whose neighbourhood misses them all reaches none.
            if (offset < -1.0 || offset >= static_cast<double>(size_[axis]) + 1.0) return;
            centre[axis] = static_cast<std::int64_t>(std::floor(offset));
        }
        for (std::int64_t x = centre[0] - 1; x <= centre[0] + 1; ++x)
            for (std::int64_t y = centre[1] - 1; y <= centre[1] + 1; ++y)
                for (std::int64_t z = centre[2] - 1; z <= centre[2] + 1; ++z) {
                    if (x < 0 || y < 0 || z < 0 || x >= size_[0] || y >= size_[1] || z >= size_[2]) continue;
                    const auto c = static_cast<std::size_t>((x * size_[1] + y) * size_[2] + z);
                    found.insert(found.end(), sorted_.begin() + static_cast<std::ptrdiff_t>(cellStart_[c]),
                                 sorted_.begin() + static_cast<std::ptrdiff_t>(cellStart_[c + 1]));
                }
    }

private:
    double Low(int axis) const { return axis == 0 ? low_.x : axis == 1 ? low_.y : low_.z; }
    double Extent(int axis) const {
        return axis == 0 ? static_cast<double>(high_.x) - low_.x
                         : axis == 1 ? static_cast<double>(high_.y) - low_.y : static_cast<double>(high_.z) - low_.z;
    }
    double CellsFor(double cell) const {
        return (std::floor(Extent(0) / cell) + 1) * (std::floor(Extent(1) / cell) + 1) * (std::floor(Extent(2) / cell) + 1);
    }
    std::int64_t CellOf(Vector3D p) const {
        const double coordinate[3] = {p.x, p.y, p.z};
        std::int64_t index[3];
        for (int axis = 0; axis < 3; ++axis)
            index[axis] = std::clamp<std::int64_t>(static_cast<std::int64_t>((coordinate[axis] - Low(axis)) / cell_), 0,
                                                   size_[axis] - 1);
        return (index[0] * size_[1] + index[1]) * size_[2] + index[2];
    }

    std::vector<std::int32_t> placed_;
    Vector3D low_, high_;
    double cell_ = 1;
    std::int64_t size_[3] = {1, 1, 1};
    std::vector<std::int64_t> cellStart_;
    std::vector<std::int32_t> sorted_;
};

}  // namespace

std::vector<SceneBond> FindBondsAllPairs(std::span<const SceneAtom> atoms, std::span<const BondRule> rules) {
    std::vector<SceneBond> bonds;
    SearchBudget unlimited{std::size_t(-1), std::uint64_t(-1)};
    for (const BondRule& rule : rules) AllPairsForRule(atoms, rule, bonds, unlimited);
    return bonds;
}

std::vector<SceneBond> FindBonds(std::span<const SceneAtom> atoms, std::span<const BondRule> rules,
                                 BondSearchLimits limits) {
    // Room for four bonds an atom, above rock salt's three, within the limit: what is never
    // written is never given memory by the system, and growing from nothing copies the bonds often.
    std::vector<SceneBond> bonds;
    bonds.reserve(std::min(limits.maxBonds, kBondsReservedPerAtom * atoms.size()));
    std::vector<std::int32_t> candidates, partnersOfJ;
    SearchBudget budget{limits.maxBonds, limits.maxWork};
    for (const BondRule& rule : rules) {
        if (budget.Spent()) break;
        // Rules that reach very far, or not at all sensibly, gain nothing from a grid.
        if (!(rule.maxDistance >= 0) || !(rule.maxDistance < 1e6f) || !(rule.minDistance <= rule.maxDistance)) {
            AllPairsForRule(atoms, rule, bonds, budget);
            continue;
        }
        const RulePartners partners = PartnersOf(atoms, rule, budget);
        if (partners.firsts.empty()) continue;
        const BondGrid grid(atoms, partners.seconds, rule.maxDistance);
        for (const std::int32_t j : partners.firsts) {
            grid.Neighbours(atoms[j].position, candidates);
            if (!budget.Take(candidates.size())) return bonds;
            // The partners found, put in ascending order: few, where the candidates are many.
            partnersOfJ.clear();
            for (const std::int32_t i : candidates)
                if (!(partners.sameLabels && j >= i) && WithinRuleQuickly(atoms[j], atoms[i], rule)) partnersOfJ.push_back(i);
            std::sort(partnersOfJ.begin(), partnersOfJ.end());
            for (const std::int32_t i : partnersOfJ) {
                if (budget.bondsLeft == 0) return bonds;
                bonds.push_back({j, i, rule.bondKind});
                --budget.bondsLeft;
            }
        }
    }
    return bonds;
}

}  // namespace kiva
