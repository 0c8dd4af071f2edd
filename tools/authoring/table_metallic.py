"""Metallic compounds: filed under a positive ion and a negative ion."""

from entries import solid, cod, lit
from structures import *  # noqa: F401,F403

M = "metallic"

ENTRIES = [
    solid("NaCl", M, "Na Cl", "ionic",
          "Sodium chloride, NaCl (rock salt): each ion has six neighbours of the other kind.",
          cod("halides/NaCl-Halite.cif"),
          labels={"Na": ("Na+", 1), "Cl": ("Cl-", -1)},
          bonds=[("Na+", "Cl-", "coordination")]),
    solid("CaCO3", M, "Ca CO", "ionic",
          "Calcium carbonate, CaCO3 (calcite): planar carbonate ions between Ca2+ ions; "
          "limestone, marble and chalk.",
          cod("carbonates/CaCO3-Calcite.cif"),
          labels={"Ca": ("Ca2+", 2)},
          bonds=[("C", "O", 1.15, 1.40, "single"), ("Ca2+", "O", "coordination")]),
    solid("NaN3", M, "Na N", "ionic",
          "Sodium azide, NaN3: linear azide ions N=N=N(-) between Na+ ions; it fills car air "
          "bags with nitrogen.",
          lit("R -3 m:H", hexagonal(3.639, 15.21),
              [("Na1", "Na", 0, 0, 0), ("N1", "N", 0, 0, 0.5), ("N2", "N", 0, 0, 0.4231)],
              "Pringle and Noakes, Acta Cryst. B24, 262 (1968): a = 5.488 A, alpha = 38.72 deg "
              "(rhombohedral), on hexagonal axes"),
          labels={"Na": ("Na+", 1)},
          bonds=[("N", "N", 1.05, 1.30, "double"), ("Na+", "N", "coordination")]),
    solid("CaC2", M, "Ca C", "ionic",
          "Calcium carbide, CaC2: Ca2+ ions and acetylide ions C#C(2-); with water it gives "
          "acetylene.",
          lit("I 4/m m m", tetragonal(3.89, 6.38),
              [("Ca1", "Ca", 0, 0, 0), ("C1", "C", 0, 0, 0.406)], WYCKOFF),
          labels={"Ca": ("Ca2+", 2)},
          bonds=[("C", "C", 1.10, 1.30, "triple"), ("Ca2+", "C", "coordination")]),
]
