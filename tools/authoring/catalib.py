# SPDX-License-Identifier: GPL-2.0-or-later
"""Shared helpers for the catalogue's authoring scripts: element symbols, labels, the CIF subset
the viewer reads, MDL molfiles (V2000), cell vectors and the viewer's site expansion."""

import math
import re
from fractions import Fraction

import numpy as np

# The viewer's element table, in row order; a substance may use only these.
ELEMENTS = ("H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn "
            "Ga Ge As Se Br Zr Ag I Ba W Au Hg Pb").split()

BOND_KINDS = {"coordination": 0, "single": 1, "double": 2, "triple": 3, "yellow": 4}
KIND_NAMES = {v: k for k, v in BOND_KINDS.items()}

DEG = 0.017453292222222222  # radians per degree, as the viewer converts


def label_key(label):
    """Element key of an atom label: two characters when the second is above '9' (0x3A..0x7F)."""
    if len(label) > 1 and 0x3A <= ord(label[1]) <= 0x7F:
        return label[:2]
    return label[:1]


# ---------------------------------------------------------------- symmetry operations

_TERM = re.compile(r"([+-]?)([0-9.]+(?:/[0-9.]+)?)?\*?([xyz])?")


def parse_operation(text):
    """'1/2+x,-y,z' -> 3x4 list of Fractions (rotation | translation)."""
    rows = []
    parts = text.replace(" ", "").lower().split(",")
    if len(parts) != 3:
        raise ValueError("operation %r: expected three comma-separated parts" % text)
    for part in parts:
        row = [Fraction(0)] * 4
        pos = 0
        while pos < len(part):
            m = _TERM.match(part, pos)
            if not m or m.end() == pos:
                raise ValueError("operation %r: cannot read %r" % (text, part[pos:]))
            sign = -1 if m.group(1) == "-" else 1
            num = Fraction(m.group(2)) if m.group(2) else None
            axis = m.group(3)
            if axis:
                row["xyz".index(axis)] += sign * (num if num is not None else 1)
            elif num is not None:
                row[3] += sign * num
            else:
                raise ValueError("operation %r: empty term" % text)
            pos = m.end()
        rows.append(row)
    return rows


def operation_matrix(text):
    """4x4 float32 matrix of an x,y,z operation, applied to column vectors (x, y, z, 1)."""
    rows = parse_operation(text)
    m = np.zeros((4, 4), dtype=np.float32)
    for i in range(3):
        for j in range(4):
            m[i, j] = float(rows[i][j])
    m[3, 3] = 1.0
    return m


def format_operation(rows):
    """Fractions 3x4 -> canonical 'x,-y,1/2+z' text."""
    out = []
    for row in rows:
        terms = ""
        if row[3] != 0:
            t = row[3] % 1
            terms = str(t) if t != 0 else ""
        for j, axis in enumerate("xyz"):
            c = row[j]
            if c == 0:
                continue
            s = "-" if c < 0 else ("+" if terms else "")
            mag = abs(c)
            terms += s + ("" if mag == 1 else str(mag) + "*") + axis
        out.append(terms or "0")
    return ",".join(out)


# ---------------------------------------------------------------- cell and expansion

def cell_vectors(a, b, c, alpha, beta, gamma):
    """Cartesian cell edges in angstrom, built as the viewer builds them (a along x, b in xy)."""
    ca, cb, cg = (math.cos(alpha * DEG), math.cos(beta * DEG), math.cos(gamma * DEG))
    sg = math.sqrt(1.0 - cg * cg)
    y = (ca - cg * cb) / sg
    z = math.sqrt(max(0.0, 1.0 - cb * cb - y * y))
    return np.array([[a, 0.0, 0.0], [b * cg, b * sg, 0.0], [c * cb, c * y, c * z]])


def wrap_to_cell(v):
    """Subtract the integer part (toward zero), then add 1 if the value was negative."""
    v = np.float32(v)
    r = np.float32(v - np.float32(math.trunc(float(v))))
    if v < 0:
        r = np.float32(r + np.float32(1.0))
    return r


def nearest_image_delta(d):
    """Whichever of d, d + 1 and d - 1 is smallest in size, sign kept (oblique cells need it)."""
    d = float(d)
    return min((d, d + 1.0, d - 1.0), key=abs)


def expand_basis_site(matrices, translations, p, vectors):
    """Positions equivalent to fractional p in one cell, in the order the viewer makes them."""
    kept = []
    p4 = np.array([p[0], p[1], p[2], 1.0], dtype=np.float32)
    for m in matrices:
        q = m.dot(p4)
        q = [wrap_to_cell(q[i] / q[3]) for i in range(3)]
        duplicate = False
        for k in kept:
            d = [nearest_image_delta(q[i] - k[i]) for i in range(3)]
            cart = d[0] * vectors[0] + d[1] * vectors[1] + d[2] * vectors[2]
            if np.linalg.norm(cart) < 1.0:
                duplicate = True
                break
        if not duplicate:
            kept.append(q)
    out = [tuple(float(x) for x in k) for k in kept]
    for t in translations[1:]:
        for k in kept:
            out.append(tuple(float(wrap_to_cell(np.float32(k[i]) + np.float32(t[i])))
                             for i in range(3)))
    return out


# ---------------------------------------------------------------- CIF (the subset the viewer reads)

def _strip_su(value):
    return re.sub(r"\([0-9]+\)$", "", value)


def _cif_tokens(line):
    return re.findall(r"'[^']*'|\"[^\"]*\"|\S+", line)


def read_cif(path):
    """Cell, space-group symbol, operations (text) and sites (label, symbol, x, y, z)."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    items, loops = {}, []
    i = 0
    while i < len(lines):
        line = lines[i].strip()
        if not line or line.startswith("#"):
            i += 1
            continue
        if line.startswith(";"):
            i += 1
            while i < len(lines) and not lines[i].startswith(";"):
                i += 1
            i += 1
            continue
        if line == "loop_":
            names, rows = [], []
            i += 1
            while i < len(lines) and lines[i].strip().startswith("_"):
                names.append(lines[i].strip().lower())
                i += 1
            values = []
            while i < len(lines):
                s = lines[i].strip()
                if not s or s.startswith("#"):
                    i += 1
                    continue
                if s.startswith("_") or s == "loop_" or s.startswith("data_"):
                    break
                values.extend(t.strip("'\"") for t in _cif_tokens(s))
                i += 1
            for r in range(0, len(values) - len(names) + 1, len(names)):
                rows.append(values[r:r + len(names)])
            loops.append((names, rows))
            continue
        if line.startswith("_"):
            toks = _cif_tokens(line)
            if len(toks) >= 2:
                items[toks[0].lower()] = " ".join(toks[1:]).strip("'\"")
            i += 1
            continue
        i += 1
    cell = [float(_strip_su(items["_cell_length_" + k])) for k in "abc"]
    cell += [float(_strip_su(items["_cell_angle_" + k])) for k in ("alpha", "beta", "gamma")]
    group = items.get("_symmetry_space_group_name_h-m") or items.get("_space_group_name_h-m_alt")
    ops, sites = [], []
    for names, rows in loops:
        for key in ("_symmetry_equiv_pos_as_xyz", "_space_group_symop_operation_xyz"):
            if key in names:
                ops = [r[names.index(key)] for r in rows]
        if "_atom_site_label" in names and "_atom_site_fract_x" in names:
            il = names.index("_atom_site_label")
            it = names.index("_atom_site_type_symbol") if "_atom_site_type_symbol" in names else None
            ix, iy, iz = (names.index("_atom_site_fract_" + k) for k in "xyz")
            for r in rows:
                symbol = r[it] if it is not None else r[il]
                sites.append((r[il], symbol, float(_strip_su(r[ix])), float(_strip_su(r[iy])),
                              float(_strip_su(r[iz]))))
    return {"cell": cell, "group": group, "ops": ops, "sites": sites}


def expand_cell(cif, translations=((0.0, 0.0, 0.0),)):
    """Every atom of one cell: (site label, type symbol, fractional, cartesian)."""
    vectors = cell_vectors(*cif["cell"])
    matrices = [operation_matrix(o) for o in cif["ops"]]
    atoms = []
    for label, symbol, x, y, z in cif["sites"]:
        for q in expand_basis_site(matrices, translations, (x, y, z), vectors):
            atoms.append((label, symbol, q, np.dot(q, vectors)))
    return atoms, vectors


# ---------------------------------------------------------------- molfiles (V2000)

def _num(v):
    s = "%10.4f" % v
    return s.replace("   -0.0000", "    0.0000")


def write_molfile(path, title, comment, atoms, bonds):
    """atoms: (symbol, x, y, z, charge); bonds: (i, j, order) with 0-based indices."""
    if len(atoms) > 999 or len(bonds) > 999:
        raise ValueError("%s: too many atoms or bonds for V2000" % path)
    out = [title[:80], "  kivacat           3D", comment[:80],
           "%3d%3d  0  0  0  0  0  0  0  0999 V2000" % (len(atoms), len(bonds))]
    for sym, x, y, z, _ in atoms:
        out.append("%s%s%s %-3s 0  0  0  0  0  0  0  0  0  0  0  0" % (_num(x), _num(y), _num(z), sym))
    for i, j, order in bonds:
        out.append("%3d%3d%3d  0" % (i + 1, j + 1, order))
    charged = [(n + 1, a[4]) for n, a in enumerate(atoms) if a[4]]
    for s in range(0, len(charged), 8):
        chunk = charged[s:s + 8]
        out.append("M  CHG%3d" % len(chunk) + "".join("%4d%4d" % c for c in chunk))
    out.append("M  END")
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(out) + "\n")


def read_molfile(path):
    """(atoms [(symbol, x, y, z, charge)], bonds [(i, j, order)] 0-based)."""
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    counts = lines[3]
    if "V2000" not in counts:
        raise ValueError("%s: not a V2000 molfile" % path)
    na, nb = int(counts[0:3]), int(counts[3:6])
    atoms = []
    for line in lines[4:4 + na]:
        atoms.append([line[31:34].strip(), float(line[0:10]), float(line[10:20]),
                      float(line[20:30]), 0])
    bonds = []
    for line in lines[4 + na:4 + na + nb]:
        bonds.append((int(line[0:3]) - 1, int(line[3:6]) - 1, int(line[6:9])))
    for line in lines[4 + na + nb:]:
        if line.startswith("M  CHG"):
            n = int(line[6:9])
            for k in range(n):
                idx = int(line[9 + 8 * k:13 + 8 * k])
                chg = int(line[13 + 8 * k:17 + 8 * k])
                atoms[idx - 1][4] = chg
        if line.startswith("M  END"):
            break
    return [tuple(a) for a in atoms], bonds
