# SPDX-License-Identifier: GPL-2.0-or-later
"""Constructors for the rows of the substance tables (table_*.py).

A row says what a substance is; build_catalogue.py turns it into a manifest block, a molfile
and, for crystals, a CIF. Distances are in angstrom."""


def molecule(name, kind, keys, desc, smiles, cls="molecule", crystal=None, labels=None,
             bonds=None):
    """A molecular substance whose unit is embedded from SMILES by RDKit.

    With a crystal, `bonds` must give the rules (A, B, min, max, kind) valid in both."""
    return dict(name=name, kind=kind, keys=keys.split(), cls=cls, desc=desc, smiles=smiles,
                crystal=crystal, labels=labels or {}, bonds=bonds or [], unit="smiles")


def solid(name, kind, keys, cls, desc, crystal, labels=None, bonds=(), unit="cluster",
          formula=None, seed=None, unit_charges=None):
    """A crystal whose chemical unit is cut from the crystal itself.

    unit: "cluster" (one formula unit, grown from the first cation along the bond rules) or
    "atom" (one atom of the first site). bonds: (A, B, kind) picks the first-neighbour shell
    by itself; (A, B, min, max, kind) fixes the window. formula: {"Hg": 2, "Cl": 2} where the
    formula unit is not the reduced ratio of the cell. unit_charges: {"Fe": [3, 2, 3]} gives
    the unit's atoms of an element these charges in turn, where a mixed-valence site has no
    one integer charge."""
    return dict(name=name, kind=kind, keys=keys.split(), cls=cls, desc=desc, smiles=None,
                crystal=crystal, labels=labels or {}, bonds=list(bonds), unit=unit,
                formula=formula, seed=seed, unit_charges=unit_charges)


def cod(path, sites=None, note=None, setting=None):
    """A structure from the Avogadro crystal library (COD, public domain), relative to its root.

    sites: optional list of site labels to keep (drops e.g. a partly occupied duplicate);
    note: what the sources list should say of the model beyond its COD number;
    setting: (symbol, origin shift) for a file whose symbol no CIF reader knows: its sites are
    moved by the shift, and must then obey the named group's standard operations."""
    return dict(source="cod", path=path, sites=sites, note=note, setting=setting)


def lit(group, cell, sites, ref):
    """A structure written from published cell, space group and sites.

    cell: (a, b, c, alpha, beta, gamma) or shorter forms resolved by the builder;
    sites: [(label, symbol, x, y, z)]; ref: where the numbers come from."""
    return dict(source="lit", group=group, cell=cell, sites=sites, ref=ref)
