#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Checks data/ the way the viewer and kiva-mkdb will read it, and reports the catalogue.

    /usr/bin/python3 tools/authoring/check_catalogue.py [--data DIR] [--verbose]

Exit status 0 when no error was found. Per substance it checks the manifest fields and their
limits, reads the molfile and the CIF, expands every crystal site over one cell as the viewer's
ExpandBasisSite does, compares the element ratios, looks for atoms too close together, applies
the bond rules as BuildBonds does to the chemical unit and compares them with the molfile."""

import argparse
import math
import os
import sys
from collections import Counter, defaultdict
from functools import reduce

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import catalib  # noqa: E402
from catalib import ELEMENTS, BOND_KINDS, label_key  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def symbol_names_operations(symbol, ops):
    """A reader that trusts the symbol (gemmi's small-structure reader does) gets these ops."""
    import gemmi
    group = gemmi.find_spacegroup_by_name(symbol)
    if group is None:
        return False
    canonical = {catalib.format_operation(catalib.parse_operation(o.triplet()))
                 for o in group.operations()}
    return canonical == {catalib.format_operation(catalib.parse_operation(o)) for o in ops}
DEFAULT_DATA = os.path.normpath(os.path.join(HERE, "..", "..", "data"))

# The selection dialogs' built-in key tables.
POSITIVE_IONS = ["Li", "Be", "B", "Na", "Mg", "Al", "K", "Ca", "Mn", "Fe", "Cu", "Zn", "Zr",
                 "Ag", "Ba", "Hg", "Pb", "Other"]
NEGATIVE_IONS = ["C", "N", "O", "F", "Si", "P", "S", "Cl", "Br", "I", "BO", "CO", "NO", "OH",
                 "SiO", "PO", "SO", "ClO", "BrO", "IO"]
POSITIVE_COVALENCES = ["H", "C", "N", "Si", "P", "S", "NH4"]
ORGANIC_CATEGORIES = ["Alkyl", "Ethylenic", "Acetylenic", "Aromatic", "Alcohol", "Ether",
                      "Phenol", "Aldehyde", "Fat", "Sugar", "Halide", "Carbonxylic", "Nitro",
                      "Amino-acid", "Ketone"]
KINDS = ["homoatomic", "metallic", "nonmetallic", "organic"]
CLASSES = ["metal", "atom", "ionic", "molecule", "covalent-network"]
COVALENT = (1, 2, 3)

MIN_UNIT_DISTANCE = 0.5    # two unit atoms closer than this overlap on screen
MIN_CELL_DISTANCE = 0.7    # the same for the expanded crystal, over neighbouring cells
EDGE_TOLERANCE = 0.005     # a distance this close to a rule limit may flip in float32


class Report:
    def __init__(self):
        self.errors, self.warnings = [], []

    def error(self, name, text):
        self.errors.append("%s: %s" % (name, text))

    def warn(self, name, text):
        self.warnings.append("%s: %s" % (name, text))


# ---------------------------------------------------------------- manifest


def strip_comment(line):
    for i, ch in enumerate(line):
        if ch == "#" and (i == 0 or line[i - 1] in " \t"):
            return line[:i]
    return line


def read_manifest(path, rep):
    blocks, cur = [], None
    with open(path, encoding="ascii") as f:
        for no, raw in enumerate(f, 1):
            raw = raw.rstrip("\n")
            if raw.startswith("description") and cur is not None:
                cur.setdefault("description", []).append(raw[len("description"):].strip())
                continue
            line = strip_comment(raw).strip()
            if not line:
                continue
            word, _, rest = line.partition(" ")
            rest = rest.strip()
            if word == "substance":
                if cur is not None:
                    rep.error(cur["name"], "line %d: block not closed with 'end'" % no)
                cur = {"name": rest, "line": no, "label": [], "bond": [], "translations": None}
            elif cur is None:
                rep.error("manifest", "line %d: %r outside a block" % (no, word))
            elif word == "end":
                blocks.append(cur)
                cur = None
            elif word in ("label", "bond"):
                cur[word].append(rest.split())
            elif word in ("kind", "keys", "class", "unit", "crystal", "translations"):
                if word in cur and cur[word] is not None:
                    rep.error(cur["name"], "line %d: %s given twice" % (no, word))
                cur[word] = rest
            else:
                rep.error(cur["name"], "line %d: unknown field %r" % (no, word))
    if cur is not None:
        rep.error(cur["name"], "block not closed at end of file")
    return blocks


def check_fields(b, rep, names):
    n = b["name"]
    if not n or len(n) > 31 or any(c.isspace() for c in n) or not n.isascii():
        rep.error(n, "name must be 1 to 31 ASCII characters without blanks")
    if n in names:
        rep.error(n, "name used twice")
    names.add(n)
    for field in ("kind", "keys", "class", "unit"):
        if not b.get(field):
            rep.error(n, "missing %s" % field)
    desc = b.get("description")
    if not desc or len(desc) != 1:
        rep.error(n, "needs exactly one description line")
    else:
        d = desc[0]
        if not d or len(d) > 127 or not all(32 <= ord(c) < 127 for c in d):
            rep.error(n, "description must be 1 to 127 printable ASCII characters (%d)" % len(d))
    kind, cls = b.get("kind"), b.get("class")
    if kind not in KINDS:
        rep.error(n, "kind %r unknown" % kind)
    if cls not in CLASSES:
        rep.error(n, "class %r unknown" % cls)
    keys = (b.get("keys") or "").split()
    b["keylist"] = keys
    if kind in ("metallic", "nonmetallic"):
        if len(keys) != 2:
            rep.error(n, "%s needs a primary and a secondary key" % kind)
            return
        if len(keys[1]) > 3:
            rep.error(n, "secondary key %r longer than 3" % keys[1])
        if keys[1] not in NEGATIVE_IONS:
            rep.error(n, "secondary key %r is not a negative ion of the dialogs" % keys[1])
        table = POSITIVE_IONS if kind == "metallic" else POSITIVE_COVALENCES
        if keys[0] not in table:
            rep.error(n, "primary key %r is not in the dialog's list" % keys[0])
    elif kind in ("homoatomic", "organic"):
        if len(keys) != 1:
            rep.error(n, "%s takes one key" % kind)
            return
        if kind == "homoatomic" and keys[0] not in ELEMENTS:
            rep.error(n, "homoatomic key %r is not an element of the table" % keys[0])
        if kind == "organic" and keys[0] not in ORGANIC_CATEGORIES:
            rep.error(n, "organic key %r is not a category word" % keys[0])
    if keys and len(keys[0]) > 15:
        rep.error(n, "primary key longer than 15")


def parse_labels(b, rep):
    labels = {}
    for parts in b["label"]:
        if len(parts) != 3:
            rep.error(b["name"], "label needs MATCH LABEL CHARGE: %s" % parts)
            continue
        match, lab, chg = parts
        try:
            chg = int(chg)
        except ValueError:
            rep.error(b["name"], "label charge %r is not an integer" % chg)
            continue
        if len(lab) > 11:
            rep.error(b["name"], "label %r longer than 11" % lab)
        if label_key(lab) not in ELEMENTS:
            rep.error(b["name"], "label %r does not start with an element symbol" % lab)
        if match in labels:
            rep.error(b["name"], "label for %r given twice" % match)
        labels[match] = (lab, chg)
    return labels


def parse_rules(b, rep):
    rules = []
    for parts in b["bond"]:
        if len(parts) != 5:
            rep.error(b["name"], "bond needs A B MIN MAX KIND: %s" % parts)
            continue
        a, bb, lo, hi, kind = parts
        if kind in BOND_KINDS:
            kind = BOND_KINDS[kind]
        elif kind in "01234" and len(kind) == 1:
            kind = int(kind)
        else:
            rep.error(b["name"], "bond kind %r unknown" % kind)
            continue
        for lab in (a, bb):
            if len(lab) > 7:
                rep.error(b["name"], "bond label %r does not fit the rule's 8 bytes" % lab)
        lo, hi = float(lo), float(hi)
        if not 0 < lo <= hi:
            rep.error(b["name"], "bond limits %s..%s" % (lo, hi))
        rules.append((a, bb, lo, hi, kind))
    return rules


# ---------------------------------------------------------------- structures


def build_bonds(atoms, rules):
    """The viewer's BuildBonds: per rule, A atoms j, B atoms i, j < i when A == B."""
    bonds, near_edge = [], []
    for a, b, lo, hi, kind in rules:
        for j, aj in enumerate(atoms):
            if aj["label"] != a:
                continue
            for i, ai in enumerate(atoms):
                if ai["label"] != b or (a == b and not j < i):
                    continue
                d = float(np.linalg.norm(aj["cart"] - ai["cart"]))
                if lo <= d <= hi:
                    bonds.append((j, i, kind))
                if min(abs(d - lo), abs(d - hi)) < EDGE_TOLERANCE:
                    near_edge.append((j, i, d))
    return bonds, near_edge


def apply_label(labels, site, element, default_charge):
    if site is not None and site in labels:
        return labels[site]
    if element in labels:
        return labels[element]
    return element, default_charge


def ratio(counter):
    g = reduce(math.gcd, counter.values()) if counter else 1
    return {k: v // g for k, v in counter.items()}


def periodic_min_distance(cart, vectors):
    best = (99.0, None)
    for n in [(i, j, k) for i in (-1, 0, 1) for j in (-1, 0, 1) for k in (-1, 0, 1)]:
        shift = np.dot(n, vectors)
        d = np.linalg.norm(cart[None, :, :] + shift[None, None, :] - cart[:, None, :], axis=2)
        if n == (0, 0, 0):
            d[np.diag_indices(len(cart))] = 99.0
        idx = np.unravel_index(np.argmin(d), d.shape)
        if d[idx] < best[0]:
            best = (float(d[idx]), idx)
    return best


def coordination_numbers(atoms, vectors, rules):
    """Per rule, how many B partners each A atom has in the endless crystal: index -> Counter."""
    cart = np.array([a["cart"] for a in atoms])
    labels = np.array([a["label"] for a in atoms])
    reach = [(i, j, k) for i in (-2, -1, 0, 1, 2) for j in (-2, -1, 0, 1, 2)
             for k in (-2, -1, 0, 1, 2)]
    dists = []
    for n in reach:
        shift = np.dot(n, vectors)
        dists.append(np.linalg.norm(cart[None, :, :] + shift[None, None, :] - cart[:, None, :],
                                    axis=2))
    out = {}
    for r, (a, b, lo, hi, kind) in enumerate(rules):
        rows, cols = labels == a, labels == b
        counts = np.zeros(len(atoms), dtype=int)
        for d in dists:
            hit = (d >= lo) & (d <= hi) & (d > 0.05)
            counts += (hit[:, cols]).sum(axis=1)
        out[r] = Counter(int(c) for c in counts[rows])
    return out


def check_block(b, data, rep, verbose):
    n = b["name"]
    labels = parse_labels(b, rep)
    rules = parse_rules(b, rep)
    unit_path = os.path.join(data, b.get("unit") or "")
    if not b.get("unit") or not os.path.isfile(unit_path):
        rep.error(n, "unit file %r missing" % b.get("unit"))
        return None
    try:
        mol_atoms, mol_bonds = catalib.read_molfile(unit_path)
    except Exception as ex:
        rep.error(n, "molfile: %s" % ex)
        return None
    unit = []
    for sym, x, y, z, chg in mol_atoms:
        if sym not in ELEMENTS:
            rep.error(n, "unit element %r is not in the element table" % sym)
        lab, c = apply_label(labels, None, sym, chg)
        unit.append(dict(label=lab, element=sym, charge=c, cart=np.array([x, y, z])))
    if not unit:
        rep.error(n, "unit has no atoms")
        return None
    for i, j, order in mol_bonds:
        if order not in (1, 2, 3) or not (0 <= i < len(unit) and 0 <= j < len(unit)) or i == j:
            rep.error(n, "molfile bond %d-%d order %d" % (i + 1, j + 1, order))
    cart = np.array([a["cart"] for a in unit])
    if len(unit) > 1:
        d = np.linalg.norm(cart[None] - cart[:, None], axis=2)
        d[np.diag_indices(len(unit))] = 99.0
        if d.min() < MIN_UNIT_DISTANCE:
            i, j = np.unravel_index(np.argmin(d), d.shape)
            rep.error(n, "unit atoms %d and %d only %.3f A apart" % (i + 1, j + 1, d.min()))
    unit_counts = Counter(a["element"] for a in unit)
    cls = b.get("class")

    # bonds: the rules on the unit against the molfile's bond block
    mol_set = {(min(i, j), max(i, j), o) for i, j, o in mol_bonds}
    if len(mol_set) != len(mol_bonds):
        rep.error(n, "molfile lists a bond twice")
    if rules:
        got, near = build_bonds(unit, rules)
        pairs = Counter((min(i, j), max(i, j)) for i, j, k in got)
        twice = [p for p, c in pairs.items() if c > 1]
        if twice:
            rep.error(n, "rules bond a unit pair twice: %s" % twice[:3])
        covalent = {(min(i, j), max(i, j), k) for i, j, k in got if k in COVALENT}
        if covalent != mol_set:
            rep.error(n, "rules give unit bonds %s, molfile has %s"
                      % (sorted(covalent - mol_set)[:4], sorted(mol_set - covalent)[:4]))
        for j, i, d in near:
            rep.warn(n, "unit atoms %d-%d at %.4f A lie on a rule limit" % (j + 1, i + 1, d))
        used = {a["label"] for a in unit}
        contacts = [k for _, _, k in got if k not in COVALENT]
    else:
        contacts = []
        used = {a["label"] for a in unit}

    # charges and formula units
    charges = [a["charge"] for a in unit]
    if cls == "molecule" and sum(charges) != 0:
        rep.error(n, "a molecule must be neutral overall (formal charges sum to %+d)" % sum(charges))
    if cls in ("metal", "atom") and any(charges):
        rep.error(n, "metal and atom classes take neutral atoms")
    if cls == "ionic":
        if not any(c > 0 for c in charges):
            rep.error(n, "ionic unit without a cation label")
        if not mol_set and sum(charges) != 0:
            rep.error(n, "ionic unit of simple ions is not neutral (%+d)" % sum(charges))
        if len(unit_counts) > 1 and reduce(math.gcd, unit_counts.values()) != 1:
            same = any(unit[i]["element"] == unit[j]["element"] for i, j, _ in mol_set)
            if not same:
                rep.error(n, "ionic unit holds more than one formula unit: %s" % dict(unit_counts))
    if cls == "atom" and len(unit) != 1:
        rep.error(n, "atom class takes a one-atom unit")

    info = dict(unit=len(unit), contacts=len(contacts), crystal=None)
    if not b.get("crystal"):
        if cls in ("ionic",) and b["bond"]:
            pass
        return info

    # crystal
    cif_path = os.path.join(data, b["crystal"])
    if not os.path.isfile(cif_path):
        rep.error(n, "crystal file %r missing" % b["crystal"])
        return info
    if not rules:
        rep.error(n, "a crystal block must give its bond rules")
    try:
        cif = catalib.read_cif(cif_path)
    except Exception as ex:
        rep.error(n, "CIF: %s" % ex)
        return info
    if not cif["group"]:
        rep.error(n, "CIF has no space-group symbol")
    elif cif["ops"] and not symbol_names_operations(cif["group"], cif["ops"]):
        rep.error(n, "CIF symbol %r is no group whose operations the file lists" % cif["group"])
    if not cif["ops"]:
        rep.error(n, "CIF has no operations")
    if not cif["sites"]:
        rep.error(n, "CIF has no sites")
        return info
    translations = [(0.0, 0.0, 0.0)]
    if b.get("translations"):
        tr = b["translations"].split()
        if len(tr) > 3:
            rep.error(n, "more than 3 translations")
        for t in tr:
            translations.append(tuple(float(catalib.Fraction(v)) for v in t.split(",")))
    try:
        for o in cif["ops"]:
            catalib.parse_operation(o)
        expanded, vectors = catalib.expand_cell(cif, translations)
    except Exception as ex:
        rep.error(n, "expansion: %s" % ex)
        return info
    cell = []
    for site, sym, q, c in expanded:
        if sym not in ELEMENTS:
            rep.error(n, "site element %r is not in the element table" % sym)
        lab, chg = apply_label(labels, site, sym, 0)
        cell.append(dict(site=site, element=sym, label=lab, charge=chg, cart=np.array(c), frac=q))
        if any(1.0 - 1e-4 < v < 1.0 for v in q):
            rep.warn(n, "site %s expands to %s, just below 1: drawn on one face only"
                     % (site, tuple(round(v, 5) for v in q)))
    cell_counts = Counter(a["element"] for a in cell)
    if ratio(cell_counts) != ratio(unit_counts):
        rep.error(n, "cell ratio %s differs from unit ratio %s"
                  % (ratio(cell_counts), ratio(unit_counts)))
    ccart = np.array([a["cart"] for a in cell])
    dmin, idx = periodic_min_distance(ccart, vectors)
    if dmin < MIN_CELL_DISTANCE:
        rep.error(n, "cell atoms %s and %s only %.3f A apart"
                  % (cell[idx[0]]["site"], cell[idx[1]]["site"], dmin))
    if {a["label"] for a in cell} != {a["label"] for a in unit}:
        rep.error(n, "crystal labels %s differ from unit labels %s"
                  % (sorted({a["label"] for a in cell}), sorted({a["label"] for a in unit})))
    cn = coordination_numbers(cell, vectors, rules)
    for r, rule in enumerate(rules):
        counts = cn.get(r)
        if not counts or set(counts) == {0}:
            rep.error(n, "rule %s-%s %.2f..%.2f bonds nothing in the crystal" % rule[:4])
        elif verbose:
            print("    %-24s %-6s %-6s %.2f..%.2f %-12s partners per %s: %s"
                  % (n, rule[0], rule[1], rule[2], rule[3], catalib.KIND_NAMES[rule[4]],
                     rule[0], dict(sorted(counts.items()))))
    info["crystal"] = len(cell)
    return info


# ---------------------------------------------------------------- report


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--data", default=DEFAULT_DATA)
    ap.add_argument("--verbose", action="store_true", help="print crystal coordination numbers")
    args = ap.parse_args()
    rep = Report()
    manifest = os.path.join(args.data, "substances.txt")
    blocks = read_manifest(manifest, rep)
    names = set()
    referenced = set()
    for b in blocks:
        check_fields(b, rep, names)
        b["description"] = b.get("description", [""])[0] if b.get("description") else ""
        referenced.add(b.get("unit"))
        referenced.add(b.get("crystal"))
        b["info"] = check_block(b, args.data, rep, args.verbose)
    for sub in ("units", "crystals"):
        folder = os.path.join(args.data, sub)
        if os.path.isdir(folder):
            for fn in sorted(os.listdir(folder)):
                if "%s/%s" % (sub, fn) not in referenced:
                    rep.warn("data", "%s/%s is used by no substance" % (sub, fn))

    # elements used
    print("Kiva catalogue: %d substances in %s" % (len(blocks), manifest))
    by_kind = Counter(b.get("kind") for b in blocks)
    by_class = Counter(b.get("class") for b in blocks)
    crystals = sum(1 for b in blocks if b.get("crystal"))
    print("  by kind:  " + ", ".join("%s %d" % (k, by_kind[k]) for k in KINDS))
    print("  by class: " + ", ".join("%s %d" % (k, by_class[k]) for k in CLASSES))
    print("  with a crystal structure: %d" % crystals)

    def keyed(kind):
        return [b for b in blocks if b.get("kind") == kind and b.get("keylist")]

    homo = Counter(b["keylist"][0] for b in keyed("homoatomic"))
    print("\nHomoatomic, per element:")
    print("  " + " ".join("%s:%d" % (e, homo[e]) for e in ELEMENTS))
    missing = [e for e in ELEMENTS if not homo[e]]
    print("  elements without entry: %s" % (" ".join(missing) or "none"))

    for kind, positives, title in (("metallic", POSITIVE_IONS, "Metallic"),
                                   ("nonmetallic", POSITIVE_COVALENCES, "Non-metallic")):
        entries = keyed(kind)
        pairs = Counter(tuple(b["keylist"][:2]) for b in entries if len(b["keylist"]) > 1)
        pos = Counter(b["keylist"][0] for b in entries)
        neg = Counter(b["keylist"][1] for b in entries if len(b["keylist"]) > 1)
        print("\n%s, %d entries; per positive key:" % (title, len(entries)))
        print("  " + " ".join("%s:%d" % (p, pos[p]) for p in positives))
        print("  per negative key:")
        print("  " + " ".join("%s:%d" % (p, neg[p]) for p in NEGATIVE_IONS))
        print("  positive keys without entry: %s"
              % (" ".join(p for p in positives if not pos[p]) or "none"))
        print("  negative keys without entry: %s"
              % (" ".join(p for p in NEGATIVE_IONS if not neg[p]) or "none"))
        if args.verbose:
            for p in positives:
                row = ["%s:%d" % (q, pairs[(p, q)]) for q in NEGATIVE_IONS if pairs[(p, q)]]
                print("    %-5s %s" % (p, " ".join(row)))

    org = Counter(b["keylist"][0] for b in keyed("organic"))
    print("\nOrganic, %d entries; per category:" % sum(org.values()))
    print("  " + " ".join("%s:%d" % (c, org[c]) for c in ORGANIC_CATEGORIES))
    thin = [c for c in ORGANIC_CATEGORIES if org[c] < 8]
    print("  categories with fewer than 8 entries: %s" % (" ".join(thin) or "none"))

    for w in rep.warnings:
        print("warning: " + w)
    for e in rep.errors:
        print("ERROR: " + e)
    print("\n%d errors, %d warnings" % (len(rep.errors), len(rep.warnings)))
    return 1 if rep.errors else 0


if __name__ == "__main__":
    sys.exit(main())
