"""Non-metallic compounds: filed under a positive and a negative covalence."""

from entries import molecule, solid, cod, lit
from structures import *  # noqa: F401,F403

N = "nonmetallic"

ENTRIES = [
    molecule("H2O", N, "H O",
             "Water, H2O: a bent molecule (104.5 deg) whose hydrogen bonds give it a high "
             "boiling point of 100 C.",
             "O"),
    molecule("CO2", N, "C O",
             "Carbon dioxide, CO2: a linear molecule O=C=O; the solid is dry ice, which "
             "sublimes at -78 C.",
             "O=C=O",
             crystal=lit("P a -3", cubic(5.624), [("C1", "C", 0, 0, 0),
                                                  ("O1", "O", 0.1185, 0.1185, 0.1185)], WYCKOFF),
             bonds=[("C", "O", 1.05, 1.30, "double")]),
]
