#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Regenerates data/substances.txt, data/units/*.mol and data/crystals/*.cif from the tables.

Run from anywhere:  /usr/bin/python3 tools/authoring/build_catalogue.py [--only NAME ...]
Reruns give identical bytes: RDKit embeds with a fixed seed on one thread, and every number is
written with a fixed format."""

import argparse
import math
import os
import re
import sys
from collections import Counter
from fractions import Fraction
from functools import reduce

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import catalib  # noqa: E402
import chemical_typography  # noqa: E402
from catalib import ELEMENTS, BOND_KINDS  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
DATA = os.path.join(ROOT, "data")
COD_ROOT = "/usr/share/avogadro2/crystals"
EMBED_SEED = 20240607
COVALENT = (1, 2, 3)

# ---------------------------------------------------------------- helpers


def file_stem(name):
    return re.sub(r"[^A-Za-z0-9_+.-]", "_", name)


def element_of(text):
    """Element symbol at the start of a CIF label or type symbol ('O2-', 'CL1', 'Na')."""
    m = re.match(r"([A-Za-z])([a-z]?)", text)
    if not m:
        raise ValueError("no element in %r" % text)
    two = m.group(1).upper() + m.group(2)
    if m.group(2) and two in ELEMENTS:
        return two
    one = m.group(1).upper()
    if one in ELEMENTS:
        return one
    if len(text) > 1 and (text[0].upper() + text[1].lower()) in ELEMENTS:
        return text[0].upper() + text[1].lower()
    raise ValueError("element %r of %r is not in the element table" % (two, text))


def reduced_formula(counter):
    g = reduce(math.gcd, counter.values())
    return Counter({k: v // g for k, v in counter.items()})


# ---------------------------------------------------------------- crystal sources


def load_crystal(src):
    """Normalised crystal: cell, group, ops (text), sites [(label, element, x, y, z)], header."""
    if src["source"] == "cod":
        path = os.path.join(COD_ROOT, src["path"])
        cif = catalib.read_cif(path)
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        header = [ln for ln in text.splitlines() if ln.startswith("#")][:20]
        code = re.search(r"_cod_database_code\s+(\S+)", text)
        ref = []
        authors = re.search(r"_publ_author_name\s*\n((?:\s*'[^\n]*'\s*\n)+)", text)
        if authors:
            ref.append("authors: " + "; ".join(a.strip().strip("'")
                                                for a in authors.group(1).strip().splitlines()))
        for tag in ("_journal_name_full", "_journal_volume", "_journal_year",
                    "_journal_page_first", "_chemical_name_mineral"):
            m = re.search(re.escape(tag) + r"\s+(.+)", text)
            if m:
                ref.append("%s %s" % (tag[1:], m.group(1).strip()))
        sites = []
        used = Counter()
        for label, symbol, x, y, z in cif["sites"]:
            if src.get("sites") and label not in src["sites"]:
                continue
            el = element_of(symbol)
            used[el] += 1
            sites.append((el + str(used[el]), el, x, y, z))
        group, ops = cif["group"], cif["ops"]
        if src.get("setting"):
            group, ops, sites = standard_setting(src["setting"], ops, sites)
            ref.append("sites moved by %s to the standard origin of %s" % src["setting"][::-1])
        return dict(cell=cif["cell"], group=group, ops=ops, sites=sites,
                    header=header, ref=ref,
                    origin="COD %s (Avogadro crystal library: %s)%s"
                    % (code.group(1) if code else "?", src["path"],
                       ": " + src["note"] if src.get("note") else ""))
    import gemmi
    sg = gemmi.SpaceGroup(src["group"])
    ops = [catalib.format_operation(catalib.parse_operation(o.triplet()))
           for o in sg.operations()]
    sites = [(lab, el, float(x), float(y), float(z)) for lab, el, x, y, z in src["sites"]]
    return dict(cell=list(src["cell"]), group=sg.xhm(), ops=ops, sites=sites, header=[],
                ref=[src["ref"]], origin="published data: " + src["ref"])


def standard_setting(setting, ops, sites):
    """The named group's own operations, and the sites moved by the origin shift that turns the
    file's operations into them (checked, not assumed)."""
    import gemmi
    symbol, shift = setting
    sg = gemmi.SpaceGroup(symbol)
    wanted = {catalib.format_operation(catalib.parse_operation(o.triplet()))
              for o in sg.operations()}
    moved = set()
    for text in ops:
        rows = catalib.parse_operation(text)
        for i in range(3):  # x' = x + s: t' = t + s - R s
            rows[i][3] += Fraction(shift[i]).limit_denominator(24) - sum(
                rows[i][j] * Fraction(shift[j]).limit_denominator(24) for j in range(3))
        moved.add(catalib.format_operation(rows))
    if moved != wanted:
        raise ValueError("the shift %s does not turn the operations into %s" % (shift, symbol))
    ops = [catalib.format_operation(catalib.parse_operation(o.triplet())) for o in sg.operations()]
    return sg.xhm(), ops, [(lab, el, x + shift[0], y + shift[1], z + shift[2])
                           for lab, el, x, y, z in sites]


def fmt_float(v, places=5):
    s = ("%." + str(places) + "f") % v
    return "0." + "0" * places if s == "-0." + "0" * places else s


# A site within this of a multiple of 1/12 lies on it: published files round 1/3 to 0.3333.
SPECIAL_TOLERANCE = 6e-5


def fmt_coordinate(v):
    """A fractional coordinate; thirds, sixths and twelfths with nine decimals, so that the
    float read back is the one nearest the fraction, as the generated operations are."""
    twelfths = round(v * 12)
    if twelfths % 3 and abs(v - twelfths / 12) < SPECIAL_TOLERANCE:
        return "%.9f" % (twelfths / 12)
    return fmt_float(v)


def write_cif(path, name, xt):
    out = []
    if xt["header"]:
        out += xt["header"]
        out.append("#")
        out.append("# Normalised for the Kiva catalogue: operations, cell and sites as given; "
                   "site labels renumbered per element; thirds and sixths written in full.")
    else:
        out.append("# Written for the Kiva catalogue from " + xt["ref"][0] + ".")
    out.append("data_" + file_stem(name))
    for r in xt["ref"] if xt["header"] else []:
        out.append("# " + r)
    out.append("_chemical_name_common '%s'" % name)
    names = ("a", "b", "c", "alpha", "beta", "gamma")
    for key, v in zip(names, xt["cell"]):
        tag = "_cell_length_" + key if len(key) == 1 else "_cell_angle_" + key
        out.append("%-24s %s" % (tag, fmt_float(v, 5 if len(key) == 1 else 4)))
    out.append("_symmetry_space_group_name_H-M '%s'" % xt["group"])
    out.append("loop_")
    out.append("_symmetry_equiv_pos_as_xyz")
    out += [o.replace(" ", "") for o in xt["ops"]]
    out.append("loop_")
    out += ["_atom_site_label", "_atom_site_type_symbol", "_atom_site_fract_x",
            "_atom_site_fract_y", "_atom_site_fract_z"]
    for lab, el, x, y, z in xt["sites"]:
        out.append("%-5s %-2s %s %s %s" % (lab, el, fmt_coordinate(x), fmt_coordinate(y),
                                            fmt_coordinate(z)))
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(out) + "\n")


# ---------------------------------------------------------------- labels and bond rules


def label_for(labels, site_label, element):
    if site_label in labels:
        return labels[site_label]
    if element in labels:
        return labels[element]
    return (element, 0)


def periodic_pairs(atoms, vectors, dmax, reach=2):
    """(i, j, image, distance) for every pair closer than dmax, over +-reach cell images."""
    frac = np.array([a["frac"] for a in atoms])
    cart = frac.dot(vectors)
    images = [(i, j, k) for i in range(-reach, reach + 1) for j in range(-reach, reach + 1)
              for k in range(-reach, reach + 1)]
    out = []
    for n in images:
        shift = np.dot(n, vectors)
        d = np.linalg.norm(cart[None, :, :] + shift[None, None, :] - cart[:, None, :], axis=2)
        ii, jj = np.nonzero((d < dmax) & (d > 0.05))
        for i, j in zip(ii, jj):
            out.append((int(i), int(j), n, float(d[i, j])))
    return out


def resolve_rules(rows, atoms, vectors, name):
    """Bond rules with explicit windows; (A, B, kind[, factor]) gets its first-neighbour shell."""
    rules = []
    pairs = None
    for row in rows:
        if len(row) == 5:
            rules.append((row[0], row[1], float(row[2]), float(row[3]), BOND_KINDS[row[4]]))
            continue
        a, b, kind = row[:3]
        factor = row[3] if len(row) > 3 else 1.15
        if pairs is None:
            pairs = periodic_pairs(atoms, vectors, 5.5)
        per_atom = {}
        for i, j, n, d in pairs:
            if atoms[i]["label"] == a and atoms[j]["label"] == b:
                per_atom.setdefault(i, []).append(d)
        if not per_atom:
            raise ValueError("%s: no %s-%s pair below 5.5 A" % (name, a, b))
        shell_max, shell_min, outside = 0.0, 99.0, 99.0
        for ds in per_atom.values():
            ds.sort()
            cut = ds[0] * factor
            inside = [d for d in ds if d <= cut]
            beyond = [d for d in ds if d > cut]
            shell_min = min(shell_min, inside[0])
            shell_max = max(shell_max, inside[-1])
            if beyond:
                outside = min(outside, beyond[0])
        if outside <= shell_max:
            raise ValueError("%s: %s-%s shells overlap (%.3f within %.3f)"
                             % (name, a, b, outside, shell_max))
        lo = math.floor((shell_min - 0.08) * 100) / 100
        hi = min(shell_max + 0.10, (shell_max + outside) / 2)
        hi = math.floor(hi * 100) / 100
        if hi < shell_max:
            raise ValueError("%s: %s-%s window too tight" % (name, a, b))
        rules.append((a, b, lo, hi, BOND_KINDS[kind]))
    return rules


def rule_bonds(unit, rules):
    """BuildBonds on a list of atoms with 'label' and 'cart'."""
    bonds = []
    for a, b, lo, hi, kind in rules:
        for j, aj in enumerate(unit):
            if aj["label"] != a:
                continue
            for i, ai in enumerate(unit):
                if ai["label"] != b or (a == b and not j < i):
                    continue
                d = float(np.linalg.norm(np.asarray(aj["cart"]) - np.asarray(ai["cart"])))
                if lo <= round(d, 4) <= hi:
                    bonds.append((j, i, kind))
    return bonds


# ---------------------------------------------------------------- formula unit from a crystal


class EndlessNetwork(ValueError):
    """The covalent bonds of a crystal join into an endless framework, not finite ions."""


def cut_formula_unit(atoms, vectors, rules, formula, network, name, seed_element=None):
    """Grow one formula unit from the first cation along the bond rules.

    Polyatomic ions (groups joined by covalent rules) are taken whole; in a network every atom
    is its own group. Returns the unit's atoms with Cartesian positions."""
    pairs = periodic_pairs(atoms, vectors, max(r[3] for r in rules) + 0.01) if rules else []
    edges = {}
    for i, j, n, d in pairs:
        for a, b, lo, hi, kind in rules:
            la, lb = atoms[i]["label"], atoms[j]["label"]
            if {la, lb} == {a, b} and lo <= round(d, 4) <= hi:
                edges.setdefault(i, []).append((j, np.array(n), kind))
                break
    # covalent groups, unwrapped
    group_of, offset, groups = {}, {}, []
    for start in range(len(atoms)):
        if start in group_of:
            continue
        gid = len(groups)
        members = [start]
        group_of[start], offset[start] = gid, np.zeros(3, dtype=int)
        stack = [start]
        while stack and not network:
            i = stack.pop()
            for j, n, kind in edges.get(i, []):
                if kind not in COVALENT:
                    continue
                o = offset[i] + n
                if j in group_of:
                    if group_of[j] != gid or not np.array_equal(offset[j], o):
                        raise EndlessNetwork(name)
                    continue
                group_of[j], offset[j] = gid, o
                members.append(j)
                stack.append(j)
        groups.append(sorted(members))
    comp = [Counter(atoms[i]["element"] for i in g) for g in groups]

    def instance_atoms(gid, root_image):
        return [(i, root_image + offset[i]) for i in groups[gid]]

    def cart(i, image):
        return (np.asarray(atoms[i]["frac"]) + image).dot(vectors)

    def fits(c, need):
        return all(need[k] >= v for k, v in c.items())

    seed = next((i for i, a in enumerate(atoms) if a["charge"] > 0), 0)
    if seed_element:
        seed = next(i for i, a in enumerate(atoms) if a["element"] == seed_element)
    need = Counter(formula)
    cluster = []  # (gid, root image tuple)
    chosen = []   # (atom index, image)
    g0 = group_of[seed]
    root0 = -offset[seed]
    if not fits(comp[g0], need):
        raise ValueError("%s: first group does not fit the formula" % name)
    cluster.append((g0, tuple(root0)))
    chosen += instance_atoms(g0, root0)
    need.subtract(comp[g0])
    while +need:
        centre = np.mean([cart(i, im) for i, im in chosen], axis=0)
        best = None
        for i, im in chosen:
            for j, n, kind in edges.get(i, []):
                gid = group_of[j]
                root = im + n - offset[j]
                key = (gid, tuple(root))
                if key in cluster or not fits(comp[gid], need):
                    continue
                pts = [cart(k, ikm) for k, ikm in instance_atoms(gid, root)]
                score = round(float(np.linalg.norm(np.mean(pts, axis=0) - centre)), 6)
                cand = (score, gid, tuple(root))
                if best is None or cand < best:
                    best = cand
        if best is None:
            raise ValueError("%s: cannot complete the formula unit along the rules (left %s)"
                             % (name, dict(+need)))
        _, gid, root = best
        cluster.append((gid, root))
        chosen += instance_atoms(gid, np.array(root))
        need.subtract(comp[gid])
    pts = np.array([cart(i, im) for i, im in chosen])
    pts = np.round(pts - pts.mean(axis=0), 4) + 0.0
    return [dict(label=atoms[i]["label"], element=atoms[i]["element"],
                 charge=atoms[i]["charge"], cart=pts[k]) for k, (i, im) in enumerate(chosen)]


# ---------------------------------------------------------------- molecules from SMILES


# Pyykko's covalent radii (Chem. Eur. J. 15, 186 (2009) and 15, 12770 (2009)) for single,
# double and triple bonds, in angstrom; used only to reject a force field's bad geometry.
RADII = {
    "H": (0.32, 0.32, 0.32), "B": (0.85, 0.78, 0.73), "C": (0.75, 0.67, 0.60),
    "N": (0.71, 0.60, 0.54), "O": (0.63, 0.57, 0.53), "F": (0.64, 0.59, 0.53),
    "Si": (1.16, 1.07, 1.02), "P": (1.11, 1.02, 0.94), "S": (1.03, 0.94, 0.95),
    "Cl": (0.99, 0.95, 0.93), "Br": (1.14, 1.09, 1.10), "I": (1.33, 1.29, 1.25),
    "Se": (1.16, 1.07, 1.07), "As": (1.21, 1.14, 1.06), "Ge": (1.21, 1.11, 1.14),
}
BOND_TOLERANCE = 0.12


def worst_bond(mol, conf_pos):
    worst = 0.0
    for b in mol.GetBonds():
        a1, a2 = b.GetBeginAtom().GetSymbol(), b.GetEndAtom().GetSymbol()
        order = int(b.GetBondTypeAsDouble()) if b.GetBondTypeAsDouble() in (1, 2, 3) else 1
        if a1 not in RADII or a2 not in RADII:
            continue
        ref = RADII[a1][order - 1] + RADII[a2][order - 1]
        d = float(np.linalg.norm(conf_pos[b.GetBeginAtomIdx()] - conf_pos[b.GetEndAtomIdx()]))
        worst = max(worst, abs(d - ref))
    return worst


def canonical_frame(pos):
    """Turn a centred molecule so that its first off-centre atom lies on +x and the next one
    off that axis in the xy plane (+y): removes the random orientation of a fresh embedding."""
    e1 = next(p for p in pos if np.linalg.norm(p) > 0.1)
    e1 = e1 / np.linalg.norm(e1)
    e2 = next(p - np.dot(p, e1) * e1 for p in pos
              if np.linalg.norm(p - np.dot(p, e1) * e1) > 0.1)
    e2 = e2 / np.linalg.norm(e2)
    return pos.dot(np.array([e1, e2, np.cross(e1, e2)]).T)


def embed_with_openbabel(smiles, name):
    """Open Babel's --gen3d, for cages that ETKDG cannot embed (C60); it is deterministic."""
    import subprocess
    from rdkit import Chem
    out = subprocess.run(["obabel", "-:" + smiles, "-h", "--gen3d", "-osdf"], check=True,
                         capture_output=True, text=True, timeout=600).stdout
    mol = Chem.MolFromMolBlock(out, removeHs=False)
    if mol is None:
        raise ValueError("%s: neither RDKit nor Open Babel can embed %r" % (name, smiles))
    return mol


def place_ions(mol, params, name):
    """Embed each ion alone, put the largest at the origin and the others around it along
    +-x, +-y, +-z, 1.5 A beyond contact; the force field then draws them together."""
    from rdkit import Chem
    from rdkit.Chem import AllChem
    from rdkit.Geometry import Point3D
    frags = sorted(Chem.GetMolFrags(mol), key=lambda f: (-len(f), f))
    conf = Chem.Conformer(mol.GetNumAtoms())
    directions = [(1, 0, 0), (-1, 0, 0), (0, 1, 0), (0, -1, 0), (0, 0, 1), (0, 0, -1)]
    radius0 = 0.0
    for k, atoms in enumerate(frags):
        sub = Chem.RWMol()
        index = {}
        for a in atoms:
            index[a] = sub.AddAtom(Chem.Atom(mol.GetAtomWithIdx(a)))
        for b in mol.GetBonds():
            i, j = b.GetBeginAtomIdx(), b.GetEndAtomIdx()
            if i in index and j in index:
                sub.AddBond(index[i], index[j], b.GetBondType())
        sub = sub.GetMol()
        Chem.SanitizeMol(sub)
        if sub.GetNumAtoms() == 1:
            pos = np.zeros((1, 3))
        else:
            if AllChem.EmbedMolecule(sub, params) != 0:
                raise ValueError("%s: RDKit cannot embed an ion" % name)
            pos = sub.GetConformer().GetPositions()
        pos = pos - pos.mean(axis=0)
        radius = float(np.linalg.norm(pos, axis=1).max()) + 1.0
        if k == 0:
            radius0 = radius
        else:
            pos = pos + np.array(directions[(k - 1) % 6]) * (radius0 + radius + 1.5)
        for a, p in zip(atoms, pos):
            conf.SetAtomPosition(a, Point3D(*p))
    mol.RemoveAllConformers()
    mol.AddConformer(conf, assignId=True)


def embed_smiles(smiles, name):
    """Embed with ETKDG (fixed seed, one thread), then MMFF94; UFF or the bare embedding where
    MMFF's bond lengths stray from covalent radii (it stretches CO2's C=O to 1.40 A)."""
    from rdkit import Chem
    from rdkit.Chem import AllChem
    mol = Chem.MolFromSmiles(smiles)
    if mol is None:
        raise ValueError("%s: bad SMILES %r" % (name, smiles))
    mol = Chem.AddHs(mol)
    params = AllChem.ETKDGv3()
    params.randomSeed = EMBED_SEED
    params.numThreads = 1
    places = 4
    if len(Chem.GetMolFrags(mol)) > 1:
        place_ions(mol, params, name)
    elif AllChem.EmbedMolecule(mol, params) != 0:
        params.useRandomCoords = True
        if AllChem.EmbedMolecule(mol, params) != 0:
            mol = embed_with_openbabel(smiles, name)
            places = 2  # Open Babel starts from a random guess: keep only what is reproducible
    raw = Chem.Mol(mol)
    candidates = []
    if AllChem.MMFFHasAllMoleculeParams(mol):
        m = Chem.Mol(raw)
        AllChem.MMFFOptimizeMolecule(m, maxIters=10000, ignoreInterfragInteractions=False)
        candidates.append(m)
    if AllChem.UFFHasAllMoleculeParams(raw):
        m = Chem.Mol(raw)
        AllChem.UFFOptimizeMolecule(m, maxIters=10000, ignoreInterfragInteractions=False)
        candidates.append(m)
    candidates.append(raw)
    best = None
    for m in candidates:
        w = worst_bond(m, m.GetConformer().GetPositions())
        if w <= BOND_TOLERANCE:
            best = m
            break
        if best is None or w < worst_bond(best, best.GetConformer().GetPositions()):
            best = m
    mol = best
    Chem.Kekulize(mol, clearAromaticFlags=True)
    pos = mol.GetConformer().GetPositions()
    pos = pos - pos.mean(axis=0)
    if places < 4:
        pos = canonical_frame(pos)
    pos = np.round(pos, places) + 0.0
    atoms = []
    for a in mol.GetAtoms():
        if a.GetSymbol() not in ELEMENTS:
            raise ValueError("%s: element %s is not in the element table" % (name, a.GetSymbol()))
        atoms.append(dict(element=a.GetSymbol(), charge=a.GetFormalCharge(),
                          cart=pos[a.GetIdx()], label=a.GetSymbol()))
    bonds = []
    for b in mol.GetBonds():
        order = int(b.GetBondTypeAsDouble())
        if order not in (1, 2, 3):
            raise ValueError("%s: bond order %s left after kekulizing" % (name, order))
        bonds.append((b.GetBeginAtomIdx(), b.GetEndAtomIdx(), order))
    return atoms, bonds


# ---------------------------------------------------------------- one substance


def build(entry, sources):
    name = entry["name"]
    stem = file_stem(name)
    block = dict(entry)
    xt = None
    cell_atoms = vectors = None
    if entry["crystal"]:
        xt = load_crystal(entry["crystal"])
        cif_path = os.path.join(DATA, "crystals", stem + ".cif")
        write_cif(cif_path, name, xt)
        sources.append((name, xt["origin"]))
        block["crystal_file"] = "crystals/%s.cif" % stem
        cif = catalib.read_cif(cif_path)
        expanded, vectors = catalib.expand_cell(cif)
        cell_atoms = []
        for site_label, el, q, c in expanded:
            lab, chg = label_for(entry["labels"], site_label, el)
            cell_atoms.append(dict(site=site_label, element=el, label=lab, charge=chg,
                                   frac=q, cart=c))
        rules = resolve_rules(entry["bonds"], cell_atoms, vectors, name)
    else:
        rules = []
    if entry["unit"] == "smiles":
        unit, bonds = embed_smiles(entry["smiles"], name)
        for a in unit:
            if a["element"] in entry["labels"]:
                a["label"], a["charge"] = entry["labels"][a["element"]]
        if rules:
            derived = sorted(rule_bonds(unit, rules))
            wanted = sorted((min(i, j), max(i, j), o) for i, j, o in bonds)
            got = sorted((min(i, j), max(i, j), k) for i, j, k in derived if k in COVALENT)
            if got != wanted:
                raise ValueError("%s: rules give %s, molecule has %s" % (name, got, wanted))
    elif entry["unit"] == "atom":
        a0 = cell_atoms[0]
        unit = [dict(label=a0["label"], element=a0["element"], charge=a0["charge"],
                     cart=np.zeros(3))]
        bonds = []
    else:
        if entry.get("formula"):
            formula = Counter(entry["formula"])
        else:
            formula = reduced_formula(Counter(a["element"] for a in cell_atoms))
        network = entry["cls"] in ("covalent-network", "metal", "atom")
        try:
            unit = cut_formula_unit(cell_atoms, vectors, rules, formula, network, name,
                                    entry.get("seed"))
        except EndlessNetwork:
            # a silicate sheet or framework: grow atom by atom instead of ion by ion
            unit = cut_formula_unit(cell_atoms, vectors, rules, formula, True, name,
                                    entry.get("seed"))
        bonds = [(i, j, k) for i, j, k in rule_bonds(unit, rules) if k in COVALENT]
        for element, charges in (entry.get("unit_charges") or {}).items():
            atoms = [a for a in unit if a["element"] == element]
            if len(atoms) != len(charges):
                raise ValueError("%s: %d charges for %d %s atoms"
                                 % (name, len(charges), len(atoms), element))
            for a, charge in zip(atoms, charges):
                a["charge"] = charge
    block["rules"] = rules
    block["unit_file"] = "units/%s.mol" % stem
    catalib.write_molfile(os.path.join(DATA, "units", stem + ".mol"), name,
                          entry["desc"][:80],
                          [(a["element"], a["cart"][0], a["cart"][1], a["cart"][2],
                            int(a["charge"])) for a in unit], bonds)
    return block


def manifest_block(b):
    out = ["substance " + b["name"],
           "kind        " + b["kind"],
           "keys        " + " ".join(b["keys"]),
           "class       " + b["cls"],
           "description " + chemical_typography.typeset(b["desc"])]
    if b.get("crystal_file"):
        out.append("crystal     " + b["crystal_file"])
    out.append("unit        " + b["unit_file"])
    for match, (lab, chg) in b["labels"].items():
        out.append("label       %-4s %-6s %2d" % (match, lab, chg))
    for a, bb, lo, hi, kind in b["rules"]:
        out.append("bond        %-6s %-6s %.2f %.2f %s" % (a, bb, lo, hi, catalib.KIND_NAMES[kind]))
    out.append("end")
    return "\n".join(out)


def all_entries():
    import table_homoatomic
    import table_metallic
    import table_nonmetallic
    import table_organic
    return (table_homoatomic.ENTRIES + table_metallic.ENTRIES + table_nonmetallic.ENTRIES
            + table_organic.ENTRIES)


MANIFEST_HEAD = """\
# Kiva's catalogue: one block per substance (format in README.md).
# Generated by tools/authoring/build_catalogue.py from the tables beside it; edit those and rerun.
# Blocks are in alphabetical order of name, as the index lists them.
"""


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--only", nargs="*", help="build only these names (manifest not rewritten)")
    args = ap.parse_args()
    entries = all_entries()
    names = Counter(e["name"] for e in entries)
    dup = [n for n, c in names.items() if c > 1]
    if dup:
        sys.exit("duplicate names: " + ", ".join(dup))
    if args.only:
        entries = [e for e in entries if e["name"] in args.only]
    os.makedirs(os.path.join(DATA, "units"), exist_ok=True)
    os.makedirs(os.path.join(DATA, "crystals"), exist_ok=True)
    blocks, sources, failed = [], [], []
    for e in entries:
        try:
            blocks.append(build(e, sources))
        except Exception as ex:  # report every failing row, not just the first
            failed.append("%s: %s" % (e["name"], ex))
    for f in failed:
        print("FAILED " + f, file=sys.stderr)
    if args.only:
        return 1 if failed else 0
    blocks.sort(key=lambda b: (b["name"].lower(), b["name"]))
    with open(os.path.join(DATA, "substances.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write(MANIFEST_HEAD + "\n" + "\n\n".join(manifest_block(b) for b in blocks) + "\n")
    keep = {b["unit_file"] for b in blocks} | {b.get("crystal_file") for b in blocks}
    for sub in ("units", "crystals"):
        for fn in sorted(os.listdir(os.path.join(DATA, sub))):
            if "%s/%s" % (sub, fn) not in keep:
                os.remove(os.path.join(DATA, sub, fn))
    import write_sources
    write_sources.write(os.path.join(DATA, "SOURCES.md"), sorted(sources))
    print("%d substances written, %d failed" % (len(blocks), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
