#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes data/phase_points.tsv: where every catalogue substance melts and boils at 101.325 kPa.

Run from anywhere:  /usr/bin/python3 tools/authoring/phase_points.py [--check]

Reads the elements of Debian's bodr, the CML files of Debian's chemical-structures-data and the
handbook rows of table_phase_points.py (which also says which source gives each row), checks
every row and writes the table in the order of data/substances.txt. With --check it writes
nothing and fails when the file on disk differs. Standard library only."""

import argparse
import os
import sys
import xml.etree.ElementTree as ET
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
DATA = os.path.join(ROOT, "data")
OUT = os.path.join(DATA, "phase_points.tsv")
BODR_XML = "/usr/share/bodr/elements.xml"
CML_ROOT = "/usr/share/chemical-structures"

sys.path.insert(0, HERE)

import table_phase_points as table  # noqa: E402

HEADER = "name\tmelting_K\tboiling_K\tnote\tsource"
NOTES = ("", "decomposes", "sublimes")
LOWEST_K, HIGHEST_K = 1.0, 6000.0
BODR_SOURCE = "Blue Obelisk Data Repository (Debian bodr), elements.xml"
CML_SOURCE = "chemical-structures-data (Debian), %s"
CML_AGREEMENT_C = 0.5  # the collection's whole degrees are the handbook's, rounded
CML_NS = "{http://www.xml-cml.org/schema}"


class TableError(Exception):
    pass


# ---------------------------------------------------------------- the catalogue

def read_manifest():
    """[(name, kind, unit path)] in the order of data/substances.txt."""
    rows, name, kind = [], None, None
    with open(os.path.join(DATA, "substances.txt"), encoding="ascii") as f:
        for line in f:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "substance":
                name, kind, unit = words[1], None, None
            elif words[0] == "kind":
                kind = words[1]
            elif words[0] == "unit":
                unit = words[1]
            elif words[0] == "end":
                rows.append((name, kind, unit))
    return rows


def read_molfile_graph(path):
    """(elements, bonds as index pairs) of a V2000 molfile."""
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    na, nb = int(lines[3][0:3]), int(lines[3][3:6])
    elements = [line[31:34].strip() for line in lines[4:4 + na]]
    bonds = [(int(line[0:3]) - 1, int(line[3:6]) - 1) for line in lines[4 + na:4 + na + nb]]
    return elements, bonds


def heavy_atoms(graph):
    """The graph without its hydrogens, which tautomers place differently."""
    elements, bonds = graph
    keep = {i: n for n, i in enumerate(i for i, e in enumerate(elements) if e != "H")}
    return ([elements[i] for i in keep],
            [(keep[i], keep[j]) for i, j in bonds if i in keep and j in keep])


def same_constitution(a, b):
    """True when two graphs (elements, bonds) cannot be told apart by colour refinement of
    their atoms and bonds, bond orders ignored: enough to separate the constitutional isomers
    the catalogue holds (xylenes, butenes, cresols); stereo forms are matched by name."""
    if Counter(a[0]) != Counter(b[0]):
        return False
    graphs = []
    for elements, bonds in (a, b):
        neighbours = [[] for _ in elements]
        for i, j in bonds:
            neighbours[i].append(j)
            neighbours[j].append(i)
        graphs.append((list(elements), neighbours))
    for _ in range(len(a[0]) + 1):
        palette = {}
        refined = []
        for colours, neighbours in graphs:
            keys = [(colours[v], tuple(sorted(colours[u] for u in neighbours[v])))
                    for v in range(len(colours))]
            refined.append([palette.setdefault(k, len(palette)) for k in keys])
        if Counter(refined[0]) != Counter(refined[1]):
            return False
        if all(len(set(r)) == len(set(g[0])) for r, g in zip(refined, graphs)):
            break
        graphs = [(r, g[1]) for r, g in zip(refined, graphs)]
    return True


# ---------------------------------------------------------------- the sources

def read_bodr():
    """{symbol: (melting text, boiling text)} from bodr's elements.xml, in kelvin."""
    points = {}
    for atom in ET.parse(BODR_XML).getroot().iter(CML_NS + "atom"):
        found = {}
        for scalar in atom.iter(CML_NS + "scalar"):
            ref = scalar.get("dictRef")
            if ref in ("bo:meltingpoint", "bo:boilingpoint"):
                if scalar.get("units") != "siUnits:kelvin":
                    raise TableError("bodr %s: %s not in kelvin" % (atom.get("id"), ref))
                found[ref] = scalar.text.strip()
        points[atom.get("id")] = (found.get("bo:meltingpoint"), found.get("bo:boilingpoint"))
    return points


def read_cml(relpath):
    """(graph, melting degC or None, boiling degC or None) of a chemical-structures-data file.
    A bound ("> 300") or an empty value counts as none."""
    root = ET.parse(os.path.join(CML_ROOT, relpath)).getroot()
    index, elements, bonds = {}, [], []
    for atom in root.iter(CML_NS + "atom"):
        index[atom.get("id")] = len(elements)
        elements.append(atom.get("elementType"))
    for bond in root.iter(CML_NS + "bond"):
        i, j = bond.get("atomRefs2").split()
        bonds.append((index[i], index[j]))
    values = {}
    for scalar in root.iter(CML_NS + "scalar"):
        ref = scalar.get("dictRef")
        if ref in ("cml:mp", "cml:bp"):
            if scalar.get("units") != "units:celsius":
                raise TableError("%s: %s not in degrees Celsius" % (relpath, ref))
            text = (scalar.text or "").strip()
            try:
                values[ref] = float(text)
            except ValueError:
                values[ref] = None
    return (elements, bonds), values.get("cml:mp"), values.get("cml:bp")


# ---------------------------------------------------------------- the rows

def with_remark(source, remark):
    return "%s (%s)" % (source, remark) if remark else source


def kelvin_text(value):
    """A plain decimal with at most three places: 273.15, 1098, 77.344."""
    text = "%.3f" % value
    return text.rstrip("0").rstrip(".")


def what_cml_gives(relpath, melting_c, boiling_c):
    if melting_c is not None and boiling_c is not None:
        said = "%s and %s °C" % (kelvin_text(melting_c), kelvin_text(boiling_c))
    elif melting_c is not None:
        said = "only a melting point, %s °C" % kelvin_text(melting_c)
    else:
        said = "only a boiling point, %s °C" % kelvin_text(boiling_c)
    return "chemical-structures-data, %s, gives %s" % (relpath, said)


def bodr_row(name, symbol, reading, remark, bodr):
    if symbol not in bodr:
        raise TableError("%s: bodr has no element %s" % (name, symbol))
    melting, boiling = (float(v) if v is not None else None for v in bodr[symbol])
    if reading == "melts":
        row = (melting, boiling, "")
    elif reading == "boils":
        row = (None, boiling, "")
    elif reading == "sublimes":
        row = (None, boiling, "sublimes")
    else:
        raise TableError("%s: unknown bodr reading %r" % (name, reading))
    if reading != "melts" and not remark:
        raise TableError("%s: a bodr reading other than 'melts' must say why" % name)
    return row + (with_remark(BODR_SOURCE, remark),)


def handbook_or_cml(name, row, relpath, log):
    """The CML row where the collection's whole degrees are the handbook's rounded; otherwise
    the handbook row, whose source then names what the collection has."""
    melting, boiling, note, source, remark = row
    if relpath is None:
        return melting, boiling, note, with_remark(source, remark)
    _, cml_melting, cml_boiling = read_cml(relpath)

    def agrees(cml, handbook_k):
        if handbook_k is None or cml is None:
            return handbook_k is None and cml is None
        return abs(cml - (handbook_k - 273.15)) <= CML_AGREEMENT_C + 1e-9

    if note == "" and agrees(cml_melting, melting) and agrees(cml_boiling, boiling):
        log.append("%s: chemical-structures-data" % name)
        return (cml_melting + 273.15 if cml_melting is not None else None,
                cml_boiling + 273.15 if cml_boiling is not None else None,
                "", CML_SOURCE % relpath)
    if cml_melting is None and cml_boiling is None:
        return melting, boiling, note, with_remark(source, remark)
    said = what_cml_gives(relpath, cml_melting, cml_boiling)
    log.append("%s: handbook, %s" % (name, said))
    return melting, boiling, note, with_remark(source, "; ".join(r for r in (remark, said) if r))


def check_row(name, melting, boiling, note, source, explained):
    """Raises TableError on a row that breaks the table's rules."""
    problems = []
    if note not in NOTES:
        problems.append("unknown note %r" % note)
    for what, value in (("melting", melting), ("boiling", boiling)):
        if value is not None and not LOWEST_K <= value <= HIGHEST_K:
            problems.append("%s point %s K outside %g to %g K" % (what, value, LOWEST_K, HIGHEST_K))
    if melting is not None and boiling is not None and not melting < boiling:
        problems.append("melting point %s K not below boiling point %s K" % (melting, boiling))
    if note == "decomposes" and (melting is None or boiling is not None):
        problems.append("'decomposes' needs the temperature as melting and no boiling point")
    if note == "sublimes" and (melting is not None or boiling is None):
        problems.append("'sublimes' needs the temperature as boiling and no melting point")
    if note == "" and melting is None and not explained:
        problems.append("no melting point and no remark saying why")
    if not source.strip():
        problems.append("empty source")
    if any(c in source for c in "\t\r\n"):
        problems.append("tab or line break in the source")
    if problems:
        raise TableError("%s: %s" % (name, "; ".join(problems)))


def build_rows(log):
    manifest = read_manifest()
    kinds = {name: kind for name, kind, _ in manifest}
    units = {name: unit for name, _, unit in manifest}
    errors = []

    listed = Counter([r[0] for r in table.BODR] + [r[0] for r in table.HANDBOOK])
    for name, count in sorted(listed.items()):
        if count > 1:
            errors.append("%s: %d rows in table_phase_points.py; each substance has one"
                          % (name, count))
        if name not in kinds:
            errors.append("%s: not a catalogue substance" % name)
    for name, _, _ in manifest:
        if name not in listed:
            errors.append("%s: no row in table_phase_points.py" % name)
    handbook = {r[0]: r[1:] for r in table.HANDBOOK}
    for name in sorted(table.CML):
        if name not in handbook or kinds.get(name) != "organic":
            errors.append("%s: a CML file is given, but it is not an organic compound with a "
                          "handbook row" % name)
    if errors:
        raise TableError("\n".join(errors))

    bodr = read_bodr()
    rows = {}
    for name, symbol, reading, remark in table.BODR:
        try:
            if kinds[name] != "homoatomic":
                raise TableError("%s: bodr is for elements, this is %s" % (name, kinds[name]))
            elements, _ = read_molfile_graph(os.path.join(DATA, units[name]))
            if set(elements) != {symbol}:
                raise TableError("%s: the unit holds %s, not only %s"
                                 % (name, " ".join(sorted(set(elements))), symbol))
            atoms = table.BODR_MOLECULES.get(symbol)
            if name != symbol and (atoms is None or name != "%s%d" % (symbol, atoms)
                                   or len(elements) != atoms):
                raise TableError("%s: bodr gives %s as %s, not this form"
                                 % (name, symbol, "%s%d" % (symbol, atoms) if atoms else symbol))
            row = bodr_row(name, symbol, reading, remark, bodr)
            check_row(name, *row, explained=bool(remark))
            rows[name] = row
        except (TableError, OSError, ValueError) as e:
            errors.append(str(e))
    for name, melting, boiling, note, source, remark in table.HANDBOOK:
        try:
            relpath = table.CML.get(name)
            if relpath is not None:
                graph, _, _ = read_cml(relpath)
                unit = read_molfile_graph(os.path.join(DATA, units[name]))
                if name in table.CML_TAUTOMERS:
                    same = (Counter(graph[0]) == Counter(unit[0])
                            and same_constitution(heavy_atoms(graph), heavy_atoms(unit)))
                else:
                    same = same_constitution(graph, unit)
                if not same:
                    raise TableError("%s: %s is not the catalogue's molecule" % (name, relpath))
            row = handbook_or_cml(name, (melting, boiling, note, source, remark), relpath, log)
            check_row(name, *row, explained=bool(remark))
            rows[name] = row
        except (TableError, OSError, ValueError, ET.ParseError) as e:
            errors.append(str(e))
    if errors:
        raise TableError("\n".join(errors))
    return [(name,) + rows[name] for name, _, _ in manifest]


def source_name(source):
    """The source of a row without its remark and file: for the summary line."""
    for known in (BODR_SOURCE, table.ELEMENTS, table.INORGANIC, table.ORGANIC, table.MINERALS):
        if source.startswith(known):
            return known
    return source.split(",")[0]


def table_text(rows):
    out = [HEADER]
    for name, melting, boiling, note, source in rows:
        out.append("\t".join((name,
                              kelvin_text(melting) if melting is not None else "",
                              kelvin_text(boiling) if boiling is not None else "",
                              note, source)))
    return "\n".join(out) + "\n"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true",
                    help="compare with the file on disk, write nothing")
    ap.add_argument("--verbose", action="store_true", help="say which rows the CML files give")
    args = ap.parse_args()
    log = []
    try:
        rows = build_rows(log)
    except TableError as e:
        print("phase_points.py: the table breaks its rules:\n" + str(e), file=sys.stderr)
        return 1
    text = table_text(rows)
    if args.verbose:
        print("\n".join(log))
    if args.check:
        with open(OUT, encoding="utf-8") as f:
            if f.read() != text:
                print("phase_points.py: %s is not what the sources give" % OUT, file=sys.stderr)
                return 1
        return 0
    tmp = OUT + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(tmp, OUT)
    by_source = Counter(source_name(r[4]) for r in rows)
    print("%d substances written: %s" % (len(rows), ", ".join(
        "%d from %s" % (n, s) for s, n in sorted(by_source.items(), key=lambda x: -x[1]))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
