// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small compound records for tests.
#include <string>

#include "chem/compound_record.h"
#include "chem/fixed_text.h"

namespace kiva::testing {

inline AtomSite Site(const char* label, float charge, Vector3D position) {
    AtomSite site{};
    SetText(site.symbol, label);
    site.charge = charge;
    site.position = position;
    return site;
}

inline BondRule Rule(const char* a, const char* b, float minDistance, float maxDistance, int kind) {
    BondRule rule{};
    SetText(rule.symbolA, a);
    SetText(rule.symbolB, b);
    rule.minDistance = minDistance;
    rule.maxDistance = maxDistance;
    rule.bondKind = kind;
    return rule;
}

// Rock salt in a 5.64 angstrom cubic cell, with a face-centred group of two operations and four
// translations, a formula unit and one coordination rule; every carried field holds bytes.
inline CompoundRecord SampleSalt() {
    CompoundRecord record;
    SetText(record.name, "NaCl");
    record.name[20] = 'x';  // bytes after the NUL are carried too
    SetText(record.auxText, "carried text");
    record.auxValue = -77;
    record.bondingClass = 2;
    for (int i = 0; i < 16; ++i) record.auxBlock[i] = static_cast<unsigned char>(0xF0 + i);
    record.auxWord[0] = 0xAB;
    record.auxWord[3] = 0xCD;
    SetText(record.symmetry.groupText, "F m -3 m");
    Matrix4 inversion = IdentityMatrix();
    for (int i = 0; i < 3; ++i) inversion.m[i][i] = -1;
    record.symmetry.operations = {IdentityMatrix(), inversion};
    record.symmetry.translationCount = 4;
    record.symmetry.translations[1] = {0, 0.5f, 0.5f};
    record.symmetry.translations[2] = {0.5f, 0, 0.5f};
    record.symmetry.translations[3] = {0.5f, 0.5f, 0};
    record.cell = {5.64f, 5.64f, 5.64f, 90, 90, 90};
    record.basisAtoms = {Site("Na+", 1, {0, 0, 0}), Site("Cl-", -1, {0.5f, 0.5f, 0.5f})};
    record.unitAtoms = {Site("Na+", 1, {1.41f, 0, 0}), Site("Cl-", -1, {-1.41f, 0, 0})};
    record.bondRules = {Rule("Na+", "Cl-", 2.7f, 2.9f, 0)};
    return record;
}

}  // namespace kiva::testing
