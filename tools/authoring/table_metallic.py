# SPDX-License-Identifier: GPL-2.0-or-later
"""Metallic compounds: filed under a positive ion and a negative ion of the metallic dialog.

Ionic solids show cation-anion contacts as coordination lines (the first shell, found from the
crystal); polyatomic ions keep their covalent bonds, drawn single, and their atoms neutral."""

import math

from entries import molecule, solid, cod, lit
from structures import (WYCKOFF, WYCKOFF2, CRC, cubic, tetragonal, hexagonal, rock_salt,
                        fluorite, antifluorite, zinc_blende, wurtzite, rutile, cadmium_iodide,
                        cadmium_chloride, calcite, perovskite, caesium_chloride)

M = "metallic"


def ion(symbol, charge):
    """('Ca', 2) -> ('Ca', 'Ca2+', 2): the label carries the charge as chemists write it."""
    mark = ("+" if charge > 0 else "-")
    return (symbol, symbol + ("" if abs(charge) == 1 else str(abs(charge))) + mark, charge)


def binary(name, keys, desc, crystal, cat, an, factor=1.15, cls="ionic", extra=(), **kw):
    """A salt of simple ions: cation-anion contacts of the first shell."""
    c, a = ion(*cat), ion(*an)
    return solid(name, M, keys, cls, desc, crystal, labels={c[0]: c[1:], a[0]: a[1:]},
                 bonds=[(c[1], a[1], "coordination", factor)] + list(extra), **kw)


def oxysalt(name, keys, desc, crystal, cations, centre, lo, hi, kind="single", factor=1.15,
            extra=(), partner="O", **kw):
    """A salt of an oxyanion (or hydroxide, partner H): covalent X-O bonds, cation-O contacts."""
    labels, rules = {}, [(centre, partner, lo, hi, kind)]
    for cat in cations:
        c = ion(*cat)
        labels[c[0]] = c[1:]
        rules.append((c[1], "O", "coordination", factor))
    return solid(name, M, keys, "ionic", desc, crystal, labels=labels,
                 bonds=rules + list(extra), **kw)


def network(name, keys, desc, crystal, a, b, lo, hi):
    """A covalent network solid: single bonds between the two elements."""
    return solid(name, M, keys, "covalent-network", desc, crystal, bonds=[(a, b, lo, hi, "single")])


def spinel(a, u, big, small, ref=WYCKOFF2):
    """Normal spinel AB2O4, Fd-3m origin choice 2."""
    return lit("F d -3 m:2", cubic(a), [(big + "1", big, 0.125, 0.125, 0.125),
                                        (small + "1", small, 0.5, 0.5, 0.5),
                                        ("O1", "O", u, u, u)], ref)


def corundum(a, c, zm, xo, m, ref=WYCKOFF2):
    """Corundum type M2O3, R-3c on hexagonal axes."""
    return lit("R -3 c:H", hexagonal(a, c), [(m + "1", m, 0, 0, zm), ("O1", "O", xo, 0, 0.25)], ref)


def brucite(a, c, zo, oh, m, ref=WYCKOFF):
    """Brucite type M(OH)2 (CdI2 type), P-3m1; H on the threefold axis above O."""
    t = 1.0 / 3.0
    return lit("P -3 m 1", hexagonal(a, c), [(m + "1", m, 0, 0, 0), ("O1", "O", t, 2 * t, zo),
                                             ("H1", "H", t, 2 * t, round(zo + oh / c, 4))], ref)


def b20(a, xm, xs, m, s, ref=WYCKOFF):
    """FeSi (B20) type, P2_13: both atoms on (x, x, x)."""
    return lit("P 21 3", cubic(a), [(m + "1", m, xm, xm, xm), (s + "1", s, xs, xs, xs)], ref)


def peroxide_cac2(a, c, z, m, x, ref=WYCKOFF):
    """CaC2 type, I4/mmm: dumb-bell anions X2 along c."""
    return lit("I 4/m m m", tetragonal(a, c), [(m + "1", m, 0, 0, 0), (x + "1", x, 0, 0, z)], ref)


ENTRIES = [
    # ------------------------------------------------------------- lithium
    binary("LiF", "Li F", "Lithium fluoride, LiF: rock-salt structure; transparent to ultraviolet "
           "light, used in optics.", rock_salt(4.027, "Li", "F"), ("Li", 1), ("F", -1)),
    binary("LiCl", "Li Cl", "Lithium chloride, LiCl: a rock-salt crystal that absorbs water from "
           "the air; used to dry air.", rock_salt(5.130, "Li", "Cl"), ("Li", 1), ("Cl", -1)),
    binary("LiBr", "Li Br", "Lithium bromide, LiBr: rock-salt structure; absorbs water in "
           "absorption chillers.", rock_salt(5.501, "Li", "Br"), ("Li", 1), ("Br", -1)),
    binary("LiI", "Li I", "Lithium iodide, LiI: rock-salt structure with a small cation among "
           "large iodide ions; used in pacemaker batteries.", rock_salt(6.000, "Li", "I"),
           ("Li", 1), ("I", -1)),
    binary("Li2O", "Li O", "Lithium oxide, Li2O: antifluorite structure, each Li+ between four "
           "O2- ions.", cod("oxides/Li2O.cif"), ("Li", 1), ("O", -2)),
    binary("Li2S", "Li S", "Lithium sulfide, Li2S: antifluorite structure; forms in "
           "lithium-sulfur batteries.", antifluorite(5.708, "Li", "S"), ("Li", 1), ("S", -2)),
    binary("Li3N", "Li N", "Lithium nitride, Li3N: the only stable alkali nitride; layers of "
           "Li2N with Li+ between them.",
           lit("P 6/m m m", hexagonal(3.648, 3.875),
               [("Li1", "Li", 0, 0, 0.5), ("Li2", "Li", 1 / 3, 2 / 3, 0), ("N1", "N", 0, 0, 0)],
               WYCKOFF), ("Li", 1), ("N", -3)),
    oxysalt("LiOH", "Li OH", "Lithium hydroxide, LiOH: layers of Li+ and OH- ions; absorbs CO2 "
            "from the air of spacecraft.", cod("hydroxides/LiOH.cif"), [("Li", 1)], "O",
            0.80, 1.10, partner="H"),
    oxysalt("Li2CO3", "Li CO", "Lithium carbonate, Li2CO3: the lithium salt used to treat bipolar "
            "disorder and to make batteries.", cod("carbonates/Li2CO3-Zabuyelite.cif"),
            [("Li", 1)], "C", 1.15, 1.40),
    # ------------------------------------------------------------- beryllium
    binary("BeO", "Be O", "Beryllium oxide, BeO: wurtzite structure; a ceramic that conducts heat "
           "like a metal.", wurtzite(2.698, 4.379, 0.378, "Be", "O"), ("Be", 2), ("O", -2)),
    binary("BeS", "Be S", "Beryllium sulfide, BeS: zinc-blende structure, Be2+ in tetrahedra of "
           "S2-.", zinc_blende(4.862, "Be", "S"), ("Be", 2), ("S", -2)),
    binary("Be2C", "Be C", "Beryllium carbide, Be2C: antifluorite structure with isolated C4- "
           "ions; gives methane with water.", antifluorite(4.342, "Be", "C"), ("Be", 2), ("C", -4)),
    oxysalt("Be3Al2Si6O18", "Be SiO", "Beryl, Be3Al2Si6O18: rings of six SiO4 tetrahedra; emerald "
            "and aquamarine are coloured beryl.", cod("silicates/Be3Al2(SiO3)6-Beryl.cif",
                                                       setting=("P 6/m c c", (0, 0, -0.25))),
            [("Be", 2), ("Al", 3)], "Si", 1.50, 1.75),
    # ------------------------------------------------------------- boron
    network("BN", "B N", "Hexagonal boron nitride, BN: graphite-like sheets of B and N; a white "
            "lubricant ('white graphite').",
            lit("P 63/m m c", hexagonal(2.504, 6.661),
                [("B1", "B", 1 / 3, 2 / 3, 0.25), ("N1", "N", 1 / 3, 2 / 3, 0.75)], WYCKOFF),
            "B", "N", 1.35, 1.55),
    network("BN-cubic", "B N", "Cubic boron nitride, BN: zinc-blende structure; nearly as hard as "
            "diamond, used to grind steel.", zinc_blende(3.615, "B", "N"), "B", "N", 1.45, 1.70),
    network("BP", "B P", "Boron phosphide, BP: zinc-blende structure; a hard, heat-resistant "
            "semiconductor.", cod("phosphides/BP.cif"), "B", "P", 1.85, 2.10),
    network("B2O3", "B O", "Boron trioxide, B2O3: planar BO3 units linked by shared oxygens; the "
            "glass former of heat-proof borosilicate glass.", cod("oxides/B2O3.cif"),
            "B", "O", 1.25, 1.55),
    molecule("BF3", M, "B F", "Boron trifluoride, BF3: a flat triangular molecule whose boron "
             "lacks an electron pair; a strong Lewis acid.", "FB(F)F"),
    molecule("BCl3", M, "B Cl", "Boron trichloride, BCl3: a flat molecule, a fuming liquid used "
             "to make pure boron.", "ClB(Cl)Cl"),
    molecule("BBr3", M, "B Br", "Boron tribromide, BBr3: a flat molecule used to cleave ethers in "
             "synthesis.", "BrB(Br)Br"),
    molecule("BI3", M, "B I", "Boron triiodide, BI3: a flat molecule forming white crystals.",
             "IB(I)I"),
    # ------------------------------------------------------------- sodium
    binary("NaF", "Na F", "Sodium fluoride, NaF: rock-salt structure; added to toothpaste and "
           "water to prevent tooth decay.", rock_salt(4.634, "Na", "F"), ("Na", 1), ("F", -1)),
    solid("NaCl", M, "Na Cl", "ionic",
          "Sodium chloride, NaCl (rock salt): each ion has six neighbours of the other kind.",
          cod("halides/NaCl-Halite.cif"),
          labels={"Na": ("Na+", 1), "Cl": ("Cl-", -1)},
          bonds=[("Na+", "Cl-", "coordination")]),
    binary("NaBr", "Na Br", "Sodium bromide, NaBr: rock-salt structure; once used as a "
           "sedative.", rock_salt(5.977, "Na", "Br"), ("Na", 1), ("Br", -1)),
    binary("NaI", "Na I", "Sodium iodide, NaI: rock-salt structure; added to table salt as a "
           "source of iodine.", rock_salt(6.473, "Na", "I"), ("Na", 1), ("I", -1)),
    binary("Na2O", "Na O", "Sodium oxide, Na2O: antifluorite structure; a component of "
           "window glass.", cod("oxides/Na2O.cif"), ("Na", 1), ("O", -2)),
    binary("Na2S", "Na S", "Sodium sulfide, Na2S: antifluorite structure; used to remove hair "
           "from hides in tanning.", antifluorite(6.526, "Na", "S"), ("Na", 1), ("S", -2)),
    solid("NaN3", M, "Na N", "ionic",
          "Sodium azide, NaN3: linear azide ions N=N=N(-) between Na+ ions; it fills car air "
          "bags with nitrogen.",
          lit("R -3 m:H", hexagonal(3.639, 15.21),
              [("Na1", "Na", 0, 0, 0), ("N1", "N", 0, 0, 0.5), ("N2", "N", 0, 0, 0.4231)],
              "Pringle and Noakes, Acta Cryst. B24, 262 (1968): a = 5.488 A, alpha = 38.72 deg "
              "(rhombohedral), on hexagonal axes"),
          labels={"Na": ("Na+", 1)},
          bonds=[("N", "N", 1.05, 1.30, "double"), ("Na+", "N", "coordination")]),
    oxysalt("Na2CO3", "Na CO", "Sodium carbonate, Na2CO3 (soda ash): used to make glass and as "
            "washing soda.", cod("carbonates/Na2CO3-Natrite.cif"), [("Na", 1)], "C", 1.15, 1.40),
    oxysalt("NaNO3", "Na NO", "Sodium nitrate, NaNO3 (Chile saltpetre): calcite structure with "
            "flat nitrate ions; a fertiliser.", calcite(5.0696, 16.829, "Na", "N", 1.241),
            [("Na", 1)], "N", 1.10, 1.40),
    oxysalt("NaClO3", "Na ClO", "Sodium chlorate, NaClO3: pyramidal chlorate ions; a weed killer "
            "and source of oxygen in aircraft.",
            lit("P 21 3", cubic(6.575), [("Na1", "Na", 0.0678, 0.0678, 0.0678),
                                         ("Cl1", "Cl", 0.4176, 0.4176, 0.4176),
                                         ("O1", "O", 0.3035, 0.5940, 0.5056)],
                "Abrahams and Bernstein, Acta Cryst. B33, 3601 (1977)"),
            [("Na", 1)], "Cl", 1.35, 1.60),
    molecule("NaBrO3", M, "Na BrO", "Sodium bromate, NaBrO3: Na+ and the pyramidal bromate ion "
             "BrO3(-); used in permanent-wave hair treatments.", "[Na+].[O-][Br](=O)=O",
             cls="ionic"),
    molecule("NaIO3", M, "Na IO", "Sodium iodate, NaIO3: Na+ and the pyramidal iodate ion "
             "IO3(-); iodine is won from it in Chilean nitrate ore.", "[Na+].[O-]I(=O)=O",
             cls="ionic"),
    # ------------------------------------------------------------- magnesium
    binary("MgO", "Mg O", "Magnesium oxide, MgO (periclase): rock-salt structure; melts at "
           "2852 C, lines furnaces.", cod("oxides/MgO-Periclase.cif"), ("Mg", 2), ("O", -2)),
    binary("MgF2", "Mg F", "Magnesium fluoride, MgF2: rutile structure, six F- around each "
           "Mg2+; coats camera lenses.", rutile(4.621, 3.052, 0.303, "Mg", "F"), ("Mg", 2),
           ("F", -1)),
    binary("MgCl2", "Mg Cl", "Magnesium chloride, MgCl2: layers of Mg2+ between sheets of Cl-; "
           "from sea water, the source of magnesium metal.",
           cadmium_chloride(3.632, 17.795, 0.2578, "Mg", "Cl"), ("Mg", 2), ("Cl", -1)),
    binary("MgBr2", "Mg Br", "Magnesium bromide, MgBr2: CdI2 layer structure.",
           cadmium_iodide(3.81, 6.26, 0.25, "Mg", "Br"), ("Mg", 2), ("Br", -1)),
    binary("MgI2", "Mg I", "Magnesium iodide, MgI2: CdI2 layer structure; dissolves readily in "
           "water.", cadmium_iodide(4.14, 6.88, 0.25, "Mg", "I"), ("Mg", 2), ("I", -1)),
    binary("MgS", "Mg S", "Magnesium sulfide, MgS: rock-salt structure; found in some "
           "meteorites.", rock_salt(5.20, "Mg", "S"), ("Mg", 2), ("S", -2)),
    binary("Mg2Si", "Mg Si", "Magnesium silicide, Mg2Si: antifluorite structure with Si4- ions; "
           "with acid it releases silane.", antifluorite(6.351, "Mg", "Si"), ("Mg", 2), ("Si", -4)),
    oxysalt("Mg(OH)2", "Mg OH", "Magnesium hydroxide, Mg(OH)2 (brucite): layers of OH- around "
            "Mg2+; milk of magnesia, an antacid.",
            brucite(3.142, 4.766, 0.2203, 0.96, "Mg"), [("Mg", 2)], "O", 0.80, 1.10,
            partner="H"),
    oxysalt("MgCO3", "Mg CO", "Magnesium carbonate, MgCO3 (magnesite): calcite structure; "
            "climbers' chalk.", calcite(4.6328, 15.0129, "Mg", "C", 1.286), [("Mg", 2)], "C",
            1.15, 1.40),
    oxysalt("MgSO4", "Mg SO", "Magnesium sulfate, MgSO4: anhydrous Epsom salt; tetrahedral "
            "sulfate ions around Mg2+.", cod("sulfates/MgSO4.cif"), [("Mg", 2)], "S", 1.35, 1.60),
    solid("MgAl2O4", M, "Mg O", "ionic",
          "Spinel, MgAl2O4: Mg2+ in tetrahedra and Al3+ in octahedra of O2-; a red gemstone.",
          spinel(8.083, 0.2624, "Mg", "Al"),
          labels={"Mg": ("Mg2+", 2), "Al": ("Al3+", 3), "O": ("O2-", -2)},
          bonds=[("Mg2+", "O2-", "coordination"), ("Al3+", "O2-", "coordination")]),
    # ------------------------------------------------------------- aluminium
    binary("Al2O3", "Al O", "Aluminium oxide, Al2O3 (corundum): Al3+ in octahedra of O2-; ruby "
           "and sapphire, hard as 9 on Mohs' scale.", cod("oxides/Al2O3-Corundum.cif"),
           ("Al", 3), ("O", -2)),
    network("AlN", "Al N", "Aluminium nitride, AlN: wurtzite structure; a ceramic that conducts "
            "heat, used under power chips.", cod("nitrides/AlN.cif"), "Al", "N", 1.80, 2.00),
    network("AlP", "Al P", "Aluminium phosphide, AlP: zinc-blende structure; a semiconductor and "
            "grain fumigant.", cod("phosphides/AlP.cif"), "Al", "P", 2.25, 2.50),
    oxysalt("AlBO3", "Al BO", "Aluminium borate, AlBO3: calcite structure with flat borate ions "
            "between Al3+.", calcite(4.463, 13.746, "Al", "B", 1.379), [("Al", 3)], "B",
            1.25, 1.50),
    oxysalt("Al2Si2O5(OH)4", "Al SiO", "Kaolinite group (nacrite), Al2Si2O5(OH)4: layers of SiO4 "
            "tetrahedra and Al(O,OH)6 octahedra; china clay.",
            cod("clays/Al2Si2O9H4-Nacrite.cif"), [("Al", 3)], "Si", 1.50, 1.75,
            extra=[("O", "H", 0.70, 1.10, "single")]),
    # ------------------------------------------------------------- potassium
    binary("KF", "K F", "Potassium fluoride, KF: rock-salt structure; a source of fluoride in "
           "synthesis.", rock_salt(5.347, "K", "F"), ("K", 1), ("F", -1)),
    binary("KCl", "K Cl", "Potassium chloride, KCl (sylvite): rock-salt structure; potash "
           "fertiliser and salt substitute.", cod("halides/KCl-Sylvite.cif"), ("K", 1), ("Cl", -1)),
    binary("KBr", "K Br", "Potassium bromide, KBr: rock-salt structure; pressed into clear discs "
           "for infrared spectra.", cod("halides/KBr.cif"), ("K", 1), ("Br", -1)),
    binary("KI", "K I", "Potassium iodide, KI: rock-salt structure; tablets protect the thyroid "
           "after nuclear accidents.", rock_salt(7.066, "K", "I"), ("K", 1), ("I", -1)),
    binary("K2O", "K O", "Potassium oxide, K2O: antifluorite structure; fertilisers state their "
           "potassium as K2O.", cod("oxides/K2O.cif"), ("K", 1), ("O", -2)),
    binary("K2S", "K S", "Potassium sulfide, K2S: antifluorite structure; part of black powder "
           "smoke.", antifluorite(7.406, "K", "S"), ("K", 1), ("S", -2)),
    oxysalt("KNO3", "K NO", "Potassium nitrate, KNO3 (saltpetre): flat nitrate ions, each K+ "
            "among nine O; the oxidiser of gunpowder, a fertiliser.",
            lit("P m c n", (5.4142, 9.1659, 6.4309, 90, 90, 90),
                [("K1", "K", 0.25, 0.4166, 0.7568), ("N1", "N", 0.25, 0.7548, -0.0848),
                 ("O1", "O", 0.25, 0.8902, -0.0893), ("O2", "O", 0.4492, 0.6866, -0.0849)],
                "Nimmo and Lucas, J. Phys. C 6, 201 (1973): alpha-KNO3 at 25 C, neutron "
                "diffraction"),
            [("K", 1)], "N", 1.10, 1.40),
    molecule("KCN", M, "K C", "Potassium cyanide, KCN: K+ and the cyanide ion C#N(-); a deadly "
             "poison that dissolves gold from its ores.", "[K+].[C-]#N", cls="ionic",
             labels={"C": ("C", 0)}),  # the ion's charge is not put on one atom
    molecule("KBrO3", M, "K BrO", "Potassium bromate, KBrO3: K+ and the pyramidal bromate ion "
             "BrO3(-); a strong oxidiser.", "[K+].[O-][Br](=O)=O", cls="ionic"),
    molecule("KIO3", M, "K IO", "Potassium iodate, KIO3: K+ and the pyramidal iodate ion IO3(-); "
             "it adds iodine to table salt.", "[K+].[O-]I(=O)=O", cls="ionic"),
    # ------------------------------------------------------------- calcium
    binary("CaF2", "Ca F", "Calcium fluoride, CaF2 (fluorite): eight F- around each Ca2+; gave "
           "fluorescence its name.", cod("halides/CaF2-Fluorite.cif"), ("Ca", 2), ("F", -1)),
    binary("CaO", "Ca O", "Calcium oxide, CaO (quicklime): rock-salt structure; made by heating "
           "limestone, used in mortar.", cod("oxides/CaO-Lime.cif"), ("Ca", 2), ("O", -2)),
    binary("CaCl2", "Ca Cl", "Calcium chloride, CaCl2: a distorted rutile structure; spread on "
           "icy roads and used as a drying agent.",
           lit("P n n m", (6.259, 6.444, 4.170, 90, 90, 90),
               [("Ca1", "Ca", 0, 0, 0), ("Cl1", "Cl", 0.275, 0.325, 0)], WYCKOFF),
           ("Ca", 2), ("Cl", -1)),
    binary("CaI2", "Ca I", "Calcium iodide, CaI2: CdI2 layer structure; used in photography.",
           cadmium_iodide(4.48, 6.96, 0.25, "Ca", "I"), ("Ca", 2), ("I", -1)),
    binary("CaS", "Ca S", "Calcium sulfide, CaS: rock-salt structure; glows after light "
           "exposure when doped.", rock_salt(5.689, "Ca", "S"), ("Ca", 2), ("S", -2)),
    solid("CaC2", M, "Ca C", "ionic",
          "Calcium carbide, CaC2: Ca2+ ions and acetylide ions C#C(2-); with water it gives "
          "acetylene.",
          lit("I 4/m m m", tetragonal(3.89, 6.38),
              [("Ca1", "Ca", 0, 0, 0), ("C1", "C", 0, 0, 0.406)], WYCKOFF),
          labels={"Ca": ("Ca2+", 2)},
          bonds=[("C", "C", 1.10, 1.30, "triple"), ("Ca2+", "C", "coordination")]),
    oxysalt("CaCO3", "Ca CO", "Calcium carbonate, CaCO3 (calcite): planar carbonate ions between "
            "Ca2+ ions; limestone, marble and chalk.", cod("carbonates/CaCO3-Calcite.cif"),
            [("Ca", 2)], "C", 1.15, 1.40),
    oxysalt("CaMg(CO3)2", "Ca CO", "Dolomite, CaMg(CO3)2: layers of Ca2+ and Mg2+ alternate "
            "between carbonate layers; a rock-forming mineral.",
            cod("carbonates/CaMgC2O6-Dolomite.cif"), [("Ca", 2), ("Mg", 2)], "C", 1.15, 1.40),
    oxysalt("Ca(OH)2", "Ca OH", "Calcium hydroxide, Ca(OH)2 (slaked lime, portlandite): layers "
            "like brucite; limewater turns milky with CO2.",
            brucite(3.589, 4.911, 0.2341, 0.94, "Ca"), [("Ca", 2)], "O", 0.80, 1.10,
            partner="H"),
    oxysalt("CaSO4", "Ca SO", "Calcium sulfate, CaSO4 (anhydrite): sulfate tetrahedra between "
            "Ca2+ ions.", cod("sulfates/CaSO4-Anhydrite.cif"), [("Ca", 2)], "S", 1.35, 1.60),
    oxysalt("CaSO4.2H2O", "Ca SO", "Gypsum, CaSO4.2H2O: layers of CaSO4 with water between "
            "them; heated, it becomes plaster of Paris.",
            cod("sulfates/CaSO4-2(H2O)-Gypsum.cif"), [("Ca", 2)], "S", 1.35, 1.60,
            extra=[("O", "H", 0.70, 1.10, "single")]),
    solid("CaTiO3", M, "Ca O", "ionic",
          "Perovskite, CaTiO3: Ti4+ in corner-sharing octahedra, Ca2+ in the gaps; names a "
          "whole family of crystals.", cod("titanates/CaTiO3-Perovskite.cif"),
          labels={"Ca": ("Ca2+", 2), "Ti": ("Ti4+", 4), "O": ("O2-", -2)},
          bonds=[("Ti4+", "O2-", "coordination"), ("Ca2+", "O2-", "coordination", 1.12)]),
    # ------------------------------------------------------------- manganese
    binary("MnO", "Mn O", "Manganese(II) oxide, MnO (manganosite): rock-salt structure; green "
           "crystals.", cod("oxides/MnO-Manganosite.cif"), ("Mn", 2), ("O", -2)),
    binary("MnO2", "Mn O", "Manganese dioxide, MnO2 (pyrolusite): rutile structure; the black "
           "paste of dry-cell batteries.", cod("oxides/MnO2-Pyrolusite.cif"), ("Mn", 4), ("O", -2)),
    binary("MnS", "Mn S", "Manganese(II) sulfide, MnS (alabandite): rock-salt structure.",
           rock_salt(5.224, "Mn", "S"), ("Mn", 2), ("S", -2)),
    binary("MnF2", "Mn F", "Manganese(II) fluoride, MnF2: rutile structure; a classic "
           "antiferromagnet.", rutile(4.873, 3.310, 0.305, "Mn", "F"), ("Mn", 2), ("F", -1)),
    binary("MnCl2", "Mn Cl", "Manganese(II) chloride, MnCl2: CdCl2 layer structure; pink "
           "crystals.", cadmium_chloride(3.711, 17.59, 0.2578, "Mn", "Cl"), ("Mn", 2), ("Cl", -1)),
    binary("MnBr2", "Mn Br", "Manganese(II) bromide, MnBr2: CdI2 layer structure.",
           cadmium_iodide(3.82, 6.19, 0.25, "Mn", "Br"), ("Mn", 2), ("Br", -1)),
    binary("MnI2", "Mn I", "Manganese(II) iodide, MnI2: CdI2 layer structure.",
           cadmium_iodide(4.16, 6.82, 0.25, "Mn", "I"), ("Mn", 2), ("I", -1)),
    oxysalt("MnCO3", "Mn CO", "Manganese carbonate, MnCO3 (rhodochrosite): calcite structure; "
            "pink banded gemstone.", calcite(4.7682, 15.6354, "Mn", "C", 1.287), [("Mn", 2)],
            "C", 1.15, 1.40),
    # ------------------------------------------------------------- iron
    binary("FeO", "Fe O", "Iron(II) oxide, FeO (wustite): rock-salt structure; black, forms "
           "on hot steel.", cod("oxides/FeO-Wustite.cif"), ("Fe", 2), ("O", -2)),
    binary("Fe2O3", "Fe O", "Iron(III) oxide, Fe2O3 (hematite): corundum structure; red iron "
           "ore and rust.", corundum(5.035, 13.747, 0.3553, 0.3059, "Fe"), ("Fe", 3), ("O", -2)),
    solid("Fe3O4", M, "Fe O", "ionic",
          "Magnetite, Fe3O4: an inverse spinel, Fe3+ in tetrahedra, Fe2+ and Fe3+ in octahedra; the "
          "most magnetic mineral.", cod("oxides/Fe3O4-Magnetite.cif"),
          labels={"Fe1": ("Fe", 3), "Fe2": ("Fe", 3), "O": ("O2-", -2)},
          bonds=[("Fe", "O2-", "coordination")], unit_charges={"Fe": [3, 2, 3]}),
    binary("FeS", "Fe S", "Iron(II) sulfide, FeS (troilite): NiAs structure; found in "
           "meteorites.", cod("sulfides/FeS.cif"), ("Fe", 2), ("S", -2)),
    solid("FeS2", M, "Fe S", "ionic",
          "Iron disulfide, FeS2 (pyrite, fool's gold): Fe2+ and S-S disulfide ions in a "
          "rock-salt pattern.", cod("sulfides/FeS2-Pyrite.cif"),
          labels={"Fe": ("Fe2+", 2)},
          bonds=[("S", "S", 1.95, 2.30, "single"), ("Fe2+", "S", "coordination")]),
    binary("FeF2", "Fe F", "Iron(II) fluoride, FeF2: rutile structure.",
           rutile(4.697, 3.309, 0.300, "Fe", "F"), ("Fe", 2), ("F", -1)),
    binary("FeCl2", "Fe Cl", "Iron(II) chloride, FeCl2: CdCl2 layer structure; pale green.",
           cadmium_chloride(3.579, 17.536, 0.2543, "Fe", "Cl"), ("Fe", 2), ("Cl", -1)),
    binary("FeBr2", "Fe Br", "Iron(II) bromide, FeBr2: CdI2 layer structure.",
           cadmium_iodide(3.78, 6.23, 0.25, "Fe", "Br"), ("Fe", 2), ("Br", -1)),
    binary("FeSi", "Fe Si", "Iron silicide, FeSi: a cubic crystal without a centre of symmetry; "
           "a semiconductor.", b20(4.489, 0.1358, 0.844, "Fe", "Si"), ("Fe", 2), ("Si", -2),
           cls="ionic"),
    oxysalt("FeCO3", "Fe CO", "Iron(II) carbonate, FeCO3 (siderite): calcite structure; an iron "
            "ore.", calcite(4.6916, 15.3796, "Fe", "C", 1.287), [("Fe", 2)], "C", 1.15, 1.40),
    oxysalt("FeBO3", "Fe BO", "Iron borate, FeBO3: calcite structure with flat BO3 ions; green "
            "and transparent yet magnetic.", calcite(4.626, 14.493, "Fe", "B", 1.379),
            [("Fe", 3)], "B", 1.25, 1.50),
    # ------------------------------------------------------------- copper
    binary("Cu2O", "Cu O", "Copper(I) oxide, Cu2O (cuprite): each Cu+ linear between two O2-; "
           "red, used in antifouling paint.", cod("oxides/Cu2O-Cuprite.cif"), ("Cu", 1), ("O", -2)),
    binary("CuO", "Cu O", "Copper(II) oxide, CuO (tenorite): Cu2+ in square-planar O2- "
           "coordination; black.", cod("oxides/CuO-Tenorite.cif"), ("Cu", 2), ("O", -2),
           factor=1.05),
    binary("CuCl", "Cu Cl", "Copper(I) chloride, CuCl: zinc-blende structure; colours fireworks "
           "blue-green.", zinc_blende(5.406, "Cu", "Cl"), ("Cu", 1), ("Cl", -1)),
    binary("CuBr", "Cu Br", "Copper(I) bromide, CuBr: zinc-blende structure.",
           zinc_blende(5.690, "Cu", "Br"), ("Cu", 1), ("Br", -1)),
    binary("CuI", "Cu I", "Copper(I) iodide, CuI: zinc-blende structure; added to table salt and "
           "animal feed as iodine.", zinc_blende(6.052, "Cu", "I"), ("Cu", 1), ("I", -1)),
    binary("Cu3N", "Cu N", "Copper(I) nitride, Cu3N: N3- at cube corners, Cu+ on the edges "
           "(anti-ReO3 structure).",
           lit("P m -3 m", cubic(3.815), [("N1", "N", 0, 0, 0), ("Cu1", "Cu", 0.5, 0, 0)],
               WYCKOFF), ("Cu", 1), ("N", -3)),
    # ------------------------------------------------------------- zinc
    binary("ZnO", "Zn O", "Zinc oxide, ZnO (zincite): wurtzite structure; white pigment and sun "
           "cream.", cod("oxides/ZnO-Zincite.cif"), ("Zn", 2), ("O", -2)),
    binary("ZnS-sphalerite", "Zn S", "Zinc sulfide, ZnS (sphalerite, zinc blende): cubic, Zn2+ "
           "and S2- each in tetrahedra; the main zinc ore.", cod("sulfides/ZnS-Sphalerite.cif"),
           ("Zn", 2), ("S", -2)),
    binary("ZnS-wurtzite", "Zn S", "Zinc sulfide, ZnS (wurtzite): the hexagonal form of ZnS, "
           "tetrahedra stacked ABAB.", cod("sulfides/ZnS-Wurtzite-2H.cif"), ("Zn", 2), ("S", -2)),
    binary("ZnF2", "Zn F", "Zinc fluoride, ZnF2: rutile structure.",
           rutile(4.704, 3.134, 0.303, "Zn", "F"), ("Zn", 2), ("F", -1)),
    oxysalt("ZnCO3", "Zn CO", "Zinc carbonate, ZnCO3 (smithsonite): calcite structure; a zinc "
            "ore.", calcite(4.6526, 15.0257, "Zn", "C", 1.286), [("Zn", 2)], "C", 1.15, 1.40),
    # ------------------------------------------------------------- zirconium
    binary("ZrO2", "Zr O", "Zirconium dioxide, ZrO2 (cubic zirconia): fluorite structure; a "
           "diamond substitute.", cod("oxides/ZrO2-Cubic.cif"), ("Zr", 4), ("O", -2)),
    binary("ZrC", "Zr C", "Zirconium carbide, ZrC: rock-salt structure; very hard, melts at "
           "3530 C.", rock_salt(4.698, "Zr", "C"), ("Zr", 4), ("C", -4)),
    binary("ZrN", "Zr N", "Zirconium nitride, ZrN: rock-salt structure; a hard gold-coloured "
           "coating for tools.", rock_salt(4.578, "Zr", "N"), ("Zr", 3), ("N", -3)),
    binary("ZrS2", "Zr S", "Zirconium disulfide, ZrS2: CdI2 layer structure.",
           cadmium_iodide(3.662, 5.813, 0.25, "Zr", "S"), ("Zr", 4), ("S", -2)),
    oxysalt("ZrSiO4", "Zr SiO", "Zircon, ZrSiO4: isolated SiO4 tetrahedra and Zr4+; the oldest "
            "minerals on Earth, 4.4 billion years.",
            lit("I 41/a m d:2", tetragonal(6.607, 5.982),
                [("Zr1", "Zr", 0, 0.75, 0.125), ("Si1", "Si", 0, 0.25, 0.375),
                 ("O1", "O", 0, 0.0661, 0.1953)],
                "Robinson, Gibbs and Ribbe, Am. Mineral. 56, 782 (1971)"),
            [("Zr", 4)], "Si", 1.50, 1.75),
    # ------------------------------------------------------------- silver
    binary("AgF", "Ag F", "Silver fluoride, AgF: rock-salt structure; soluble, unlike the other "
           "silver halides.", rock_salt(4.936, "Ag", "F"), ("Ag", 1), ("F", -1)),
    binary("AgCl", "Ag Cl", "Silver chloride, AgCl: rock-salt structure; darkens in light, the "
           "basis of photography.", cod("halides/AgCl-Chlorargyrite.cif"), ("Ag", 1), ("Cl", -1)),
    binary("AgBr", "Ag Br", "Silver bromide, AgBr: rock-salt structure; the light-sensitive salt "
           "of photographic film.", cod("halides/AgBr-Bromargyrite.cif"), ("Ag", 1), ("Br", -1)),
    binary("AgI", "Ag I", "Silver iodide, AgI (beta): wurtzite structure; seeds clouds to make "
           "rain.", wurtzite(4.592, 7.510, 0.375, "Ag", "I"), ("Ag", 1), ("I", -1)),
    binary("Ag2O", "Ag O", "Silver oxide, Ag2O: Cu2O structure; used in button-cell batteries.",
           cod("oxides/Ag2O.cif"), ("Ag", 1), ("O", -2)),
    oxysalt("Ag3PO4", "Ag PO", "Silver phosphate, Ag3PO4: bright yellow; phosphate tetrahedra "
            "among Ag+ ions.",
            lit("P -4 3 n", cubic(6.004), [("P1", "P", 0, 0, 0), ("O1", "O", 0.1485, 0.1485,
                                                                    0.1485),
                                           ("Ag1", "Ag", 0.25, 0, 0.5)], WYCKOFF2),
            [("Ag", 1)], "P", 1.40, 1.65),
    # ------------------------------------------------------------- barium
    molecule("BaCO3", M, "Ba CO", "Barium carbonate, BaCO3 (witherite): Ba2+ and the flat "
             "carbonate ion; a rat poison and a glaze for pottery.", "[Ba+2].[O-]C([O-])=O",
             cls="ionic"),
    binary("BaO", "Ba O", "Barium oxide, BaO: rock-salt structure; coats the cathodes of "
           "vacuum tubes.", cod("oxides/BaO.cif"), ("Ba", 2), ("O", -2)),
    binary("BaF2", "Ba F", "Barium fluoride, BaF2: fluorite structure; windows for infrared "
           "light.", fluorite(6.200, "Ba", "F"), ("Ba", 2), ("F", -1)),
    binary("BaS", "Ba S", "Barium sulfide, BaS: rock-salt structure; made from barite on the way "
           "to other barium salts.", rock_salt(6.387, "Ba", "S"), ("Ba", 2), ("S", -2)),
    solid("BaO2", M, "Ba O", "ionic",
          "Barium peroxide, BaO2: Ba2+ and peroxide ions O-O(2-) in the CaC2 structure; a "
          "bleach and oxidiser.", peroxide_cac2(3.8154, 6.8435, 0.3912, "Ba", "O"),
          labels={"Ba": ("Ba2+", 2)},
          bonds=[("O", "O", 1.35, 1.65, "single"), ("Ba2+", "O", "coordination")]),
    oxysalt("BaSO4", "Ba SO", "Barium sulfate, BaSO4 (barite): insoluble, so it is safe to "
            "swallow for X-ray images of the gut.", cod("sulfates/BaSO4-Barite.cif"),
            [("Ba", 2)], "S", 1.35, 1.60),
    solid("BaTiO3", M, "Ba O", "ionic",
          "Barium titanate, BaTiO3: cubic perovskite above 120 C; a ferroelectric used in "
          "capacitors.", cod("titanates/BaTiO3.cif"),
          labels={"Ba": ("Ba2+", 2), "Ti": ("Ti4+", 4), "O": ("O2-", -2)},
          bonds=[("Ti4+", "O2-", "coordination"), ("Ba2+", "O2-", "coordination")]),
    # ------------------------------------------------------------- mercury
    binary("HgS-cinnabar", "Hg S", "Mercury(II) sulfide, HgS (cinnabar): spiral -Hg-S- chains; "
           "the red pigment vermilion and mercury ore.",
           lit("P 31 2 1", hexagonal(4.149, 9.495),
               [("Hg1", "Hg", 0.7198, 0, 1.0 / 3.0), ("S1", "S", 0.4889, 0, 5.0 / 6.0)],
               "Auvray and Genet, Bull. Soc. Fr. Mineral. Cristallogr. 96, 218 (1973)"),
           ("Hg", 2), ("S", -2), factor=1.05),
    binary("HgS-metacinnabar", "Hg S", "Mercury(II) sulfide, HgS (metacinnabar): the black "
           "zinc-blende form of HgS.", cod("sulfides/HgS-Metacinnabar.cif"), ("Hg", 2), ("S", -2)),
    binary("HgF2", "Hg F", "Mercury(II) fluoride, HgF2: fluorite structure.",
           fluorite(5.54, "Hg", "F"), ("Hg", 2), ("F", -1)),
    solid("Hg2Cl2", M, "Hg Cl", "ionic",
          "Mercury(I) chloride, Hg2Cl2 (calomel): linear Cl-Hg-Hg-Cl units with an Hg-Hg bond; "
          "the calomel electrode.", cod("halides/HgCl-Calomel.cif"),
          labels={"Hg": ("Hg+", 1), "Cl": ("Cl-", -1)},
          bonds=[("Hg+", "Hg+", 2.40, 2.70, "single"), ("Hg+", "Cl-", 2.40, 2.65, "single")],
          formula={"Hg": 2, "Cl": 2}),
    # ------------------------------------------------------------- lead
    binary("PbO", "Pb O", "Lead(II) oxide, PbO (massicot): the yellow form of PbO, with a lone pair on each "
           "Pb2+; used in crystal glass.", cod("oxides/PbO.cif"), ("Pb", 2), ("O", -2)),
    binary("PbO2", "Pb O", "Lead dioxide, PbO2 (plattnerite): rutile structure; the positive "
           "plate of car batteries.", rutile(4.955, 3.383, 0.307, "Pb", "O"), ("Pb", 4), ("O", -2)),
    binary("PbS", "Pb S", "Lead sulfide, PbS (galena): rock-salt structure; the main lead ore, "
           "used in early crystal radios.", cod("sulfides/PbS-Galena.cif"), ("Pb", 2), ("S", -2)),
    binary("PbF2", "Pb F", "Lead(II) fluoride, PbF2: fluorite structure; conducts F- ions when "
           "hot.", fluorite(5.940, "Pb", "F"), ("Pb", 2), ("F", -1)),
    binary("PbI2", "Pb I", "Lead(II) iodide, PbI2: CdI2 layer structure; golden 'rain' when "
           "precipitated from hot water.", cadmium_iodide(4.557, 6.979, 0.265, "Pb", "I"),
           ("Pb", 2), ("I", -1)),
    solid("PbFCl", M, "Pb F", "ionic",
          "Lead fluoride chloride, PbFCl (matlockite): layers of F- and Cl- around Pb2+.",
          cod("halides/PbFCl-Matlockite.cif"),
          labels={"Pb": ("Pb2+", 2), "F": ("F-", -1), "Cl": ("Cl-", -1)},
          bonds=[("Pb2+", "F-", "coordination"), ("Pb2+", "Cl-", "coordination", 1.1)]),
    oxysalt("PbSO4", "Pb SO", "Lead sulfate, PbSO4 (anglesite): forms on the plates of a "
            "discharged car battery.", cod("sulfates/PbSO4-Anglesite.cif"), [("Pb", 2)], "S",
            1.35, 1.60),
    # ------------------------------------------------------------- other cations
    binary("NiO", "Other O", "Nickel(II) oxide, NiO (bunsenite): rock-salt structure; green.",
           cod("oxides/NiO-Bunsenite.cif"), ("Ni", 2), ("O", -2)),
    binary("CoO", "Other O", "Cobalt(II) oxide, CoO: rock-salt structure; colours glass and "
           "pottery blue.", cod("oxides/CoO.cif"), ("Co", 2), ("O", -2)),
    binary("TiO2-rutile", "Other O", "Titanium dioxide, TiO2 (rutile): Ti4+ in octahedra of O2-; "
           "the white pigment of paints.", cod("oxides/TiO2-Rutile.cif"), ("Ti", 4), ("O", -2)),
    binary("TiO2-anatase", "Other O", "Titanium dioxide, TiO2 (anatase): a second form of TiO2; "
           "a photocatalyst in self-cleaning glass.", cod("oxides/TiO2-Anatase.cif"), ("Ti", 4),
           ("O", -2)),
    binary("Cr2O3", "Other O", "Chromium(III) oxide, Cr2O3 (eskolaite): corundum structure; the "
           "pigment chrome green.", cod("oxides/Cr2O3-Eskolaite.cif"), ("Cr", 3), ("O", -2)),
    binary("V2O3", "Other O", "Vanadium(III) oxide, V2O3 (karelianite): corundum structure; "
           "turns metallic when warmed.", cod("oxides/V2O3-Karelianite.cif"), ("V", 3), ("O", -2)),
    binary("Sc2O3", "Other O", "Scandium oxide, Sc2O3: bixbyite structure, Sc3+ in distorted "
           "octahedra.", cod("oxides/Sc2O3.cif"), ("Sc", 3), ("O", -2)),
    binary("GeO2", "Other O", "Germanium dioxide, GeO2 (rutile form): Ge4+ in octahedra; used in "
           "optical fibres.", cod("oxides/GeO2-Argutite.cif"), ("Ge", 4), ("O", -2)),
    binary("TiC", "Other C", "Titanium carbide, TiC: rock-salt structure; coats cutting tools.",
           rock_salt(4.328, "Ti", "C"), ("Ti", 4), ("C", -4)),
    binary("TiN", "Other N", "Titanium nitride, TiN: rock-salt structure; the gold-coloured "
           "coating of drill bits.", rock_salt(4.240, "Ti", "N"), ("Ti", 3), ("N", -3)),
    binary("VN", "Other N", "Vanadium nitride, VN: rock-salt structure; hardens steel.",
           rock_salt(4.139, "V", "N"), ("V", 3), ("N", -3)),
    binary("CrN", "Other N", "Chromium nitride, CrN: rock-salt structure; a wear-resistant "
           "coating.", rock_salt(4.148, "Cr", "N"), ("Cr", 3), ("N", -3)),
    binary("CrCl3", "Other Cl", "Chromium(III) chloride, CrCl3: layers of Cr3+ between Cl- "
           "sheets; violet flakes.", cod("halides/CrCl3.cif"), ("Cr", 3), ("Cl", -1)),
    binary("CrCl2", "Other Cl", "Chromium(II) chloride, CrCl2: a distorted rutile structure.",
           cod("halides/CrCl2.cif"), ("Cr", 2), ("Cl", -1), factor=1.25),
    binary("NiF2", "Other F", "Nickel(II) fluoride, NiF2: rutile structure.",
           rutile(4.651, 3.084, 0.302, "Ni", "F"), ("Ni", 2), ("F", -1)),
    binary("CoF2", "Other F", "Cobalt(II) fluoride, CoF2: rutile structure; pink crystals.",
           rutile(4.695, 3.180, 0.306, "Co", "F"), ("Co", 2), ("F", -1)),
    binary("CoCl2", "Other Cl", "Cobalt(II) chloride, CoCl2: CdCl2 layer structure; blue when "
           "dry, pink when wet, a humidity test.",
           cadmium_chloride(3.544, 17.43, 0.2565, "Co", "Cl"), ("Co", 2), ("Cl", -1)),
    binary("NiCl2", "Other Cl", "Nickel(II) chloride, NiCl2: CdCl2 layer structure; yellow.",
           cadmium_chloride(3.543, 17.39, 0.2586, "Ni", "Cl"), ("Ni", 2), ("Cl", -1)),
    binary("TiS2", "Other S", "Titanium disulfide, TiS2: CdI2 layers that lithium can slip "
           "between; an early battery cathode.", cadmium_iodide(3.407, 5.695, 0.25, "Ti", "S"),
           ("Ti", 4), ("S", -2)),
    network("GaN", "Other N", "Gallium nitride, GaN: wurtzite structure; the semiconductor of "
            "blue LEDs and lasers.", cod("nitrides/GaN.cif"), "Ga", "N", 1.85, 2.05),
    network("GaP", "Other P", "Gallium phosphide, GaP: zinc-blende semiconductor; green LEDs.",
            cod("phosphides/GaP.cif"), "Ga", "P", 2.25, 2.50),
    solid("WC", M, "Other C", "covalent-network",
          "Tungsten carbide, WC: very hard hexagonal crystal; the tips of drills and saw blades.",
          cod("carbides/WC.cif"), bonds=[("W", "C", 2.10, 2.35, "single")]),
    oxysalt("CoCO3", "Other CO", "Cobalt carbonate, CoCO3 (spherocobaltite): calcite structure; "
            "pink.", calcite(4.659, 14.957, "Co", "C", 1.287), [("Co", 2)], "C", 1.15, 1.40),
    oxysalt("ScBO3", "Other BO", "Scandium borate, ScBO3: calcite structure; a laser crystal.",
            calcite(4.748, 15.262, "Sc", "B", 1.38), [("Sc", 3)], "B", 1.25, 1.50),
]
