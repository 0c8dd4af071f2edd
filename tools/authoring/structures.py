# SPDX-License-Identifier: GPL-2.0-or-later
"""Crystal structures written from published data, by structure type.

Lattice constants are room-temperature values as tabulated in R. W. G. Wyckoff, Crystal
Structures, 2nd ed. (Interscience, 1963-1971) and the CRC Handbook of Chemistry and Physics;
free coordinates are the textbook values for each type. Every row names its source."""

from entries import lit

WYCKOFF = "Wyckoff, Crystal Structures, 2nd ed., vol. 1 (1963)"
WYCKOFF2 = "Wyckoff, Crystal Structures, 2nd ed., vol. 2 (1964)"
CRC = "CRC Handbook of Chemistry and Physics, lattice constants of crystals"


def cubic(a):
    return (a, a, a, 90.0, 90.0, 90.0)


def tetragonal(a, c):
    return (a, a, c, 90.0, 90.0, 90.0)


def hexagonal(a, c):
    return (a, a, c, 90.0, 90.0, 120.0)


def rock_salt(a, m, x, ref=CRC):
    """NaCl type, Fm-3m: six anions around each cation."""
    return lit("F m -3 m", cubic(a), [(m + "1", m, 0, 0, 0), (x + "1", x, 0.5, 0.5, 0.5)], ref)


def caesium_chloride(a, m, x, ref=CRC):
    """CsCl type, Pm-3m: eight anions around each cation."""
    return lit("P m -3 m", cubic(a), [(m + "1", m, 0, 0, 0), (x + "1", x, 0.5, 0.5, 0.5)], ref)


def fluorite(a, m, x, ref=CRC):
    """CaF2 type, Fm-3m: cation in eight-fold, anion in four-fold coordination."""
    return lit("F m -3 m", cubic(a), [(m + "1", m, 0, 0, 0), (x + "1", x, 0.25, 0.25, 0.25)], ref)


def antifluorite(a, m, x, ref=CRC):
    """Na2O type: the fluorite lattice with cations and anions exchanged."""
    return lit("F m -3 m", cubic(a), [(x + "1", x, 0, 0, 0), (m + "1", m, 0.25, 0.25, 0.25)], ref)


def zinc_blende(a, m, x, ref=CRC):
    """ZnS sphalerite type, F-43m: both kinds tetrahedral."""
    return lit("F -4 3 m", cubic(a), [(m + "1", m, 0, 0, 0), (x + "1", x, 0.25, 0.25, 0.25)], ref)


def wurtzite(a, c, u, m, x, ref=CRC):
    """ZnS wurtzite type, P63mc: hexagonal, both kinds tetrahedral."""
    third = 1.0 / 3.0
    return lit("P 63 m c", hexagonal(a, c),
               [(m + "1", m, third, 2 * third, 0.0), (x + "1", x, third, 2 * third, u)], ref)


def rutile(a, c, x, m, anion, ref=WYCKOFF):
    """TiO2 rutile type, P42/mnm: octahedral cations, anions at (x, x, 0)."""
    return lit("P 42/m n m", tetragonal(a, c),
               [(m + "1", m, 0, 0, 0), (anion + "1", anion, x, x, 0.0)], ref)


def cadmium_iodide(a, c, z, m, x, ref=WYCKOFF):
    """CdI2 type, P-3m1: layers of edge-sharing octahedra, hexagonal anion packing."""
    third = 1.0 / 3.0
    return lit("P -3 m 1", hexagonal(a, c),
               [(m + "1", m, 0, 0, 0), (x + "1", x, third, 2 * third, z)], ref)


def cadmium_chloride(a, c, z, m, x, ref=WYCKOFF):
    """CdCl2 type, R-3m (hexagonal axes): layers on cubic anion packing."""
    return lit("R -3 m:H", hexagonal(a, c), [(m + "1", m, 0, 0, 0), (x + "1", x, 0, 0, z)], ref)


def calcite(a, c, m, centre, bond, ref="Effenberger, Mereiter and Zemann, Z. Kristallogr. 156, 233 (1981)"):
    """Calcite type, R-3c (hexagonal axes): planar XO3 groups; x(O) from the X-O bond length."""
    return lit("R -3 c:H", hexagonal(a, c),
               [(m + "1", m, 0, 0, 0), (centre + "1", centre, 0, 0, 0.25),
                ("O1", "O", round(bond / a, 4), 0, 0.25)], ref)


def perovskite(a, big, small, x, ref=WYCKOFF2):
    """Ideal cubic perovskite, Pm-3m: small cation octahedral, large cation twelve-fold."""
    return lit("P m -3 m", cubic(a), [(big + "1", big, 0.5, 0.5, 0.5),
                                      (small + "1", small, 0, 0, 0), (x + "1", x, 0.5, 0, 0)], ref)


def fcc(a, e, ref=CRC):
    return lit("F m -3 m", cubic(a), [(e + "1", e, 0, 0, 0)], ref)


def bcc(a, e, ref=CRC):
    return lit("I m -3 m", cubic(a), [(e + "1", e, 0, 0, 0)], ref)


def hcp(a, c, e, ref=CRC):
    return lit("P 63/m m c", hexagonal(a, c), [(e + "1", e, 1.0 / 3.0, 2.0 / 3.0, 0.25)], ref)


def diamond_type(a, e, ref=CRC):
    return lit("F d -3 m:1", cubic(a), [(e + "1", e, 0, 0, 0)], ref)
