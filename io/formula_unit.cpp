// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/formula_unit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <set>
#include <tuple>

namespace kiva {

namespace {

// A formula unit larger than this is no unit a picture can explain: a cell whose composition has
// no common divisor (partly occupied sites) shows this many of its atoms, gathered as above.
constexpr std::size_t kMaxUnitAtoms = 2000;


struct Piece {
    std::vector<int> atoms;
    std::vector<CellShift> offsets;  // where each atom lies when the piece is whole
    int kind = 0;
};

struct Neighbour {
    int atom;
    CellShift shift;
    double distance;
};

// Whole bonded groups are pieces; the atoms of endless groups are pieces of their own.
std::vector<Piece> MakePieces(const BondedGroups& groups, const std::vector<std::string>& kindOf, std::vector<int>& pieceOf,
                              std::vector<std::size_t>& placeInPiece) {
    std::vector<Piece> pieces;
    std::map<std::string, int> kinds;
    pieceOf.assign(groups.groupOf.size(), -1);
    placeInPiece.assign(groups.groupOf.size(), 0);
    const auto add = [&](Piece piece) {
        std::vector<std::string> names;
        for (const int atom : piece.atoms) names.push_back(kindOf[static_cast<std::size_t>(atom)]);
        std::sort(names.begin(), names.end());
        std::string key;
        for (const std::string& name : names) key += name + " ";
        piece.kind = kinds.try_emplace(key, static_cast<int>(kinds.size())).first->second;
        for (std::size_t k = 0; k < piece.atoms.size(); ++k) {
            pieceOf[static_cast<std::size_t>(piece.atoms[k])] = static_cast<int>(pieces.size());
            placeInPiece[static_cast<std::size_t>(piece.atoms[k])] = k;
        }
        pieces.push_back(std::move(piece));
    };
    for (std::size_t group = 0; group < groups.members.size(); ++group) {
        if (groups.endless[group]) {
            for (const int atom : groups.members[group]) add({{atom}, {CellShift{}}, 0});
            continue;
        }
        Piece piece;
        for (const int atom : groups.members[group]) {
            piece.atoms.push_back(atom);
            piece.offsets.push_back(groups.offset[static_cast<std::size_t>(atom)]);
        }
        add(std::move(piece));
    }
    return pieces;
}

}  // namespace

std::vector<UnitImage> GatherFormulaUnit(const CrystalCell& cell, const BondedGroups& groups,
                                         const std::vector<CellContact>& contacts, const std::vector<std::string>& kindOf) {
    std::vector<int> pieceOf;
    std::vector<std::size_t> placeInPiece;
    const std::vector<Piece> pieces = MakePieces(groups, kindOf, pieceOf, placeInPiece);
    if (pieces.empty()) return {};

    // The formula: each kind's count in the cell over their greatest common divisor.
    std::map<int, long> need;
    for (const Piece& piece : pieces) ++need[piece.kind];
    long divisor = 0;
    for (const auto& [kind, count] : need) divisor = std::gcd(divisor, count);
    for (auto& [kind, count] : need) count /= divisor;

    std::vector<std::vector<Neighbour>> neighbours(cell.atoms.size());
    for (const CellContact& contact : contacts) {
        neighbours[static_cast<std::size_t>(contact.first)].push_back({contact.second, contact.shift, contact.distance});
        neighbours[static_cast<std::size_t>(contact.second)].push_back({contact.first, Minus({}, contact.shift), contact.distance});
    }

    std::vector<UnitImage> unit;
    std::set<std::pair<int, CellShift>> taken;          // pieces by index and shift
    std::set<std::pair<int, CellShift>> inUnit;         // atom images
    std::map<std::pair<int, CellShift>, double> nearby;  // atom images near the unit, by distance
    const auto take = [&](int pieceIndex, const CellShift& shift) {
        const Piece& piece = pieces[static_cast<std::size_t>(pieceIndex)];
        taken.insert({pieceIndex, shift});
        --need[piece.kind];
        for (std::size_t k = 0; k < piece.atoms.size(); ++k) {
            const UnitImage image{piece.atoms[k], Plus(piece.offsets[k], shift)};
            unit.push_back(image);
            inUnit.insert({image.atom, image.shift});
            nearby.erase({image.atom, image.shift});
            for (const Neighbour& next : neighbours[static_cast<std::size_t>(image.atom)]) {
                const std::pair key{next.atom, Plus(image.shift, next.shift)};
                if (inUnit.count(key)) continue;
                const auto [entry, added] = nearby.try_emplace(key, next.distance);
                if (!added) entry->second = std::min(entry->second, next.distance);
            }
        }
    };

    // The rarest kind first; among equals the largest piece, so a salt starts from its anion group.
    int start = 0;
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        const Piece& candidate = pieces[i];
        const Piece& best = pieces[static_cast<std::size_t>(start)];
        if (std::tuple(need[candidate.kind], -static_cast<long>(candidate.atoms.size())) <
            std::tuple(need[best.kind], -static_cast<long>(best.atoms.size())))
            start = static_cast<int>(i);
    }
    take(start, CellShift{});

    while (unit.size() < kMaxUnitAtoms && std::any_of(need.begin(), need.end(), [](const auto& entry) { return entry.second > 0; })) {
        double bestDistance = std::numeric_limits<double>::infinity();
        std::pair<int, CellShift> best{-1, CellShift{}};
        for (const auto& [image, distance] : nearby) {
            const int pieceIndex = pieceOf[static_cast<std::size_t>(image.first)];
            const Piece& piece = pieces[static_cast<std::size_t>(pieceIndex)];
            if (need[piece.kind] <= 0 || distance >= bestDistance) continue;
            const std::pair candidate{pieceIndex, Minus(image.second, piece.offsets[placeInPiece[static_cast<std::size_t>(image.first)]])};
            if (taken.count(candidate)) continue;
            bestDistance = distance;
            best = candidate;
        }
        if (best.first < 0) {
            // Nothing needed lies near: the first piece of a needed kind, as the cell holds it.
            for (std::size_t i = 0; i < pieces.size() && best.first < 0; ++i)
                if (need[pieces[i].kind] > 0 && !taken.count({static_cast<int>(i), CellShift{}})) best = {static_cast<int>(i), CellShift{}};
            if (best.first < 0) break;
        }
        take(best.first, best.second);
    }
    return unit;
}

}  // namespace kiva
