# SPDX-License-Identifier: GPL-2.0-or-later
"""Homoatomic substances: one element each, filed under its symbol.

Metals and other solids are crystals whose unit is one atom; molecular elements are embedded
from SMILES and, where the library has it, shown in their molecular crystal."""

from entries import molecule, solid, cod, lit
from structures import WYCKOFF, CRC, bcc, fcc, hcp, hexagonal

H = "homoatomic"
HG = ("Wyckoff, Crystal Structures, 2nd ed., vol. 1 (1963): alpha-Hg at 227 K, rhombohedral "
      "a = 3.005 A, alpha = 70.53 deg, on hexagonal axes")
SE = "Wyckoff, Crystal Structures, 2nd ed., vol. 1 (1963): trigonal (grey) selenium"


def metal(name, symbol, desc, crystal, factor=1.08, window=None):
    """A metal: one-atom unit, nearest neighbours as coordination lines."""
    rule = (symbol, symbol) + (window or ()) + ("coordination",) + (() if window else (factor,))
    return solid(name, H, symbol, "metal", desc, crystal, bonds=[rule], unit="atom")


def noble(name, symbol, desc, crystal):
    return solid(name, H, symbol, "atom", desc, crystal,
                 bonds=[(symbol, symbol, "coordination", 1.08)], unit="atom")


def network(name, symbol, desc, crystal, lo, hi):
    return solid(name, H, symbol, "covalent-network", desc, crystal,
                 bonds=[(symbol, symbol, lo, hi, "single")], unit="atom")


def hg_crystal():
    # rhombohedral a_r, alpha -> hexagonal a = 2 a_r sin(alpha/2), c = a_r sqrt(3 (1 + 2 cos alpha))
    import math
    ar, al = 3.005, math.radians(70.53)
    a = 2 * ar * math.sin(al / 2)
    c = ar * math.sqrt(3 * (1 + 2 * math.cos(al)))
    return lit("R -3 m:H", hexagonal(round(a, 4), round(c, 4)), [("Hg1", "Hg", 0, 0, 0)], HG)


ENTRIES = [
    molecule("H2", H, "H", "Hydrogen, H2: the lightest molecule, two protons sharing two electrons "
             "(bond 0.74 A).", "[H][H]"),
    noble("He", "He", "Helium, He: a noble gas of single atoms; it solidifies only under pressure "
          "(shown as its hexagonal crystal).", cod("elements/He-Helium.cif")),
    metal("Li", "Li", "Lithium, Li: the lightest metal, body-centred cubic; used in rechargeable "
          "batteries.", cod("elements/Li-Lithium.cif")),
    metal("Be", "Be", "Beryllium, Be: a light, stiff, hexagonal close-packed metal used in "
          "aerospace and X-ray windows.", cod("elements/Be-Beryllium.cif")),
    network("B", "B", "Boron, B (alpha-rhombohedral): B12 icosahedra linked into a hard, black "
            "covalent solid.", cod("elements/B-Boron.cif"), 1.60, 2.05),
    solid("C-diamond", H, "C", "covalent-network",
          "Diamond, C: every carbon bonded to four others in a tetrahedron; the hardest natural "
          "substance.",
          cod("elements/C-Diamond.cif"), bonds=[("C", "C", 1.40, 1.70, "single")], unit="atom"),
    solid("C-graphite", H, "C", "covalent-network",
          "Graphite, C: flat sheets of hexagons (C-C 1.42 A) stacked 3.35 A apart; soft, "
          "conducts electricity, pencil lead.",
          cod("elements/C-Graphite.cif"), bonds=[("C", "C", 1.30, 1.55, "single")], unit="atom"),
    molecule("C60", H, "C", "Buckminsterfullerene, C60: a football-shaped cage of 12 pentagons and "
             "20 hexagons; found in soot in 1985.",
             "c12c3c4c5c1c1c6c7c2c2c8c3c3c9c4c4c%10c5c5c1c1c6c6c%11c7c2c2c7c8c3c3c8c9c4c4c9c%10"
             "c5c5c1c1c6c6c%11c2c2c7c3c3c8c4c4c9c5c1c1c6c2c3c41"),
    molecule("N2", H, "N", "Nitrogen, N2: two atoms joined by a strong triple bond; 78% of the air "
             "we breathe.", "N#N", crystal=cod("elements/N-Nitrogen.cif"),
             bonds=[("N", "N", 0.95, 1.25, "triple")]),
    molecule("O2", H, "O", "Oxygen, O2: a double-bonded molecule, 21% of the air; needed for "
             "breathing and burning.", "O=O"),
    molecule("O3", H, "O", "Ozone, O3: a bent allotrope of oxygen; the ozone layer absorbs the "
             "sun's ultraviolet light.", "[O-][O+]=O"),
    molecule("F2", H, "F", "Fluorine, F2: a pale yellow gas, the most reactive element of all.",
             "FF"),
    noble("Ne", "Ne", "Neon, Ne: a noble gas of single atoms that glows red in advertising signs "
          "(shown as its fcc crystal).", cod("elements/Ne-Neon.cif")),
    metal("Na", "Na", "Sodium, Na: a soft, body-centred cubic metal that reacts violently with "
          "water.", cod("elements/Na-Sodium.cif")),
    metal("Mg", "Mg", "Magnesium, Mg: a light hexagonal close-packed metal that burns with a "
          "brilliant white flame.", cod("elements/Mg-Magnesium.cif")),
    metal("Al", "Al", "Aluminium, Al: a light face-centred cubic metal; the most abundant metal in "
          "the Earth's crust.", cod("elements/Al-Aluminum.cif")),
    network("Si", "Si", "Silicon, Si: diamond structure, each atom bonded to four; the "
            "semiconductor of computer chips.", cod("elements/Si-Silicon.cif"), 2.20, 2.50),
    molecule("P4", H, "P", "White phosphorus, P4: a tetrahedron of four atoms with 60 deg angles; "
             "glows in the dark and ignites in air.", "P12P3P1P23"),
    network("P-black", "P", "Black phosphorus, P: puckered layers of three-bonded atoms; the most "
            "stable form of phosphorus.", cod("elements/P-Phosphorus-black.cif"), 2.10, 2.35),
    molecule("S8", H, "S", "Sulfur, S8: crown-shaped rings of eight atoms; yellow rhombic sulfur "
             "crystals.", "S1SSSSSSS1", crystal=cod("elements/S8-Sulfur-alpha.cif"),
             bonds=[("S", "S", 1.90, 2.25, "single")]),
    molecule("Cl2", H, "Cl", "Chlorine, Cl2: a toxic yellow-green gas used to disinfect drinking "
             "water; here its molecular crystal.", "ClCl", crystal=cod("elements/Cl-Chlorine.cif"),
             bonds=[("Cl", "Cl", 1.85, 2.20, "single")]),
    noble("Ar", "Ar", "Argon, Ar: the noble gas of light bulbs, about 1% of the air (shown as its "
          "fcc crystal).", cod("elements/Ar-Argon.cif")),
    metal("K", "K", "Potassium, K: a soft body-centred cubic metal, even more reactive than "
          "sodium.", cod("elements/K-Potassium.cif")),
    metal("Ca", "Ca", "Calcium, Ca: a face-centred cubic metal; as Ca2+ it builds bones, teeth and "
          "shells.", cod("elements/Ca-Calcium-alpha.cif")),
    metal("Sc", "Sc", "Scandium, Sc: a light hexagonal close-packed metal used in aluminium alloys "
          "for sports gear.", cod("elements/Sc-Scandium.cif")),
    metal("Ti", "Ti", "Titanium, Ti (alpha): a strong, light hexagonal metal that does not "
          "corrode; used in implants and aircraft.", cod("elements/Ti-Titanium-alpha.cif")),
    metal("V", "V", "Vanadium, V: a body-centred cubic metal that toughens steel for tools and "
          "springs.", cod("elements/V-Vanadium.cif")),
    metal("Cr", "Cr", "Chromium, Cr: a hard body-centred cubic metal; shiny chrome plating and "
          "stainless steel.", cod("elements/Cr-Chromium.cif")),
    metal("Mn", "Mn", "Manganese, Mn (alpha): a brittle metal with a complex cubic cell of 58 "
          "atoms; an essential part of steel.", cod("elements/Mn-Manganese-alpha.cif"), window=(2.20, 2.60)),
    metal("Fe-alpha", "Fe", "Iron, Fe (alpha, ferrite): body-centred cubic and magnetic; the "
          "stable form up to 912 C.", cod("elements/Fe-Iron-alpha.cif")),
    metal("Fe-gamma", "Fe", "Iron, Fe (gamma, austenite): the face-centred cubic form of iron, "
          "stable from 912 to 1394 C.", cod("elements/Fe-Iron-gamma.cif")),
    metal("Co", "Co", "Cobalt, Co: a hard, magnetic hexagonal close-packed metal; gives glass its "
          "deep blue colour.", cod("elements/Co-Cobalt.cif")),
    metal("Ni", "Ni", "Nickel, Ni: a face-centred cubic, magnetic metal used in coins and "
          "stainless steel.", fcc(3.524, "Ni")),
    solid("Cu", H, "Cu", "metal",
          "Copper, Cu: face-centred cubic metal; each atom touches twelve neighbours. Used for "
          "electric wiring.",
          cod("elements/Cu-Copper.cif"), bonds=[("Cu", "Cu", "coordination", 1.08)], unit="atom"),
    metal("Zn", "Zn", "Zinc, Zn: a hexagonal metal with stretched c axis; it galvanises steel "
          "against rust.", cod("elements/Zn-Zinc.cif")),
    metal("Ga", "Ga", "Gallium, Ga: a metal that melts at 30 C, in your hand; used in LEDs as "
          "GaN and GaAs.", cod("elements/Ga-Gallium.cif"), 1.20),
    network("Ge", "Ge", "Germanium, Ge: a semiconductor with the diamond structure; used in the "
            "first transistors.", cod("elements/Ge-Germanium.cif"), 2.30, 2.60),
    network("As", "As", "Grey arsenic, As: puckered layers in which each atom has three bonded "
            "neighbours; a poisonous metalloid.", cod("elements/As-Arsenic.cif"), 2.35, 2.65),
    network("Se", "Se", "Grey selenium, Se: endless spiral chains of atoms; conducts better in "
            "light, used in old photocopiers.",
            lit("P 31 2 1", hexagonal(4.366, 4.954), [("Se1", "Se", 0.2254, 0, 1.0 / 3.0)], SE),
            2.20, 2.55),
    molecule("Br2", H, "Br", "Bromine, Br2: a dark red liquid at room temperature; here its "
             "molecular crystal.", "BrBr", crystal=cod("elements/Br-Bromine.cif"),
             bonds=[("Br", "Br", 2.10, 2.45, "single")]),
    metal("Zr", "Zr", "Zirconium, Zr (alpha): a hexagonal close-packed metal used to clad "
          "nuclear fuel rods.", hcp(3.232, 5.147, "Zr")),
    metal("Ag", "Ag", "Silver, Ag: a face-centred cubic metal, the best conductor of heat and "
          "electricity.", cod("elements/Ag-Silver.cif")),
    molecule("I2", H, "I", "Iodine, I2: shiny violet-black crystals of I2 molecules that sublime "
             "into a violet vapour.", "II", crystal=cod("elements/I-Iodine.cif"),
             bonds=[("I", "I", 2.50, 2.90, "single")]),
    metal("Ba", "Ba", "Barium, Ba: a soft, reactive body-centred cubic alkaline-earth metal.",
          cod("elements/Ba-Barium.cif")),
    metal("W", "W", "Tungsten, W: a body-centred cubic metal with the highest melting point of "
          "all metals, 3422 C; lamp filaments.", bcc(3.165, "W")),
    metal("Au", "Au", "Gold, Au: a face-centred cubic metal that never tarnishes; very soft and "
          "easy to hammer thin.", cod("elements/Au-Gold.cif")),
    metal("Hg", "Hg", "Mercury, Hg: the only metal liquid at room temperature; shown as its "
          "rhombohedral crystal, frozen below -39 C.", hg_crystal()),
    metal("Pb", "Pb", "Lead, Pb: a soft, dense face-centred cubic metal; used in car batteries "
          "and radiation shields.", cod("elements/Pb-Lead.cif")),
]
