// SPDX-License-Identifier: GPL-2.0-or-later
// The built-in element table. Radii in angstrom, colours as red, green, blue.
#include "chem/element_table.h"

namespace kiva {

const std::array<ElementInfo, kElementRows>& DefaultElements() {
    static const std::array<ElementInfo, kElementRows> rows = {{
        // symbol            R    G    B   atomic cation anion
        {"H",  MakeColor(192, 192, 192), 0.46f, 0.32f, 1.36f},
        {"He", MakeColor(192, 192, 192), 1.22f, 0.00f, 0.00f},
        {"Li", MakeColor(255, 255, 255), 1.55f, 0.68f, 0.00f},
        {"Be", MakeColor(192, 192, 192), 1.13f, 0.34f, 0.00f},
        {"B",  MakeColor(  0,   0, 255), 0.91f, 0.20f, 0.00f},
        {"C",  MakeColor(  0, 255,   0), 0.77f, 0.20f, 2.60f},
        {"N",  MakeColor(  0,   0, 255), 0.71f, 0.15f, 1.86f},
        {"O",  MakeColor(255,   0,   0), 0.80f, 0.00f, 1.36f},
        {"F",  MakeColor(255, 255,   0), 0.90f, 0.00f, 1.33f},
        {"Ne", MakeColor(128, 128, 128), 1.60f, 0.00f, 0.00f},
        {"Na", MakeColor(255, 255, 255), 1.89f, 0.98f, 0.00f},
        {"Mg", MakeColor(255, 255, 255), 1.60f, 0.74f, 0.00f},
        {"Al", MakeColor(255, 255, 255), 1.43f, 0.57f, 0.00f},
        {"Si", MakeColor(128, 128, 128), 1.34f, 0.39f, 0.00f},
        {"P",  MakeColor(255,   0, 255), 1.30f, 0.35f, 1.86f},
        {"S",  MakeColor(255, 255,   0), 1.40f, 0.29f, 1.82f},
        {"Cl", MakeColor(  0, 255,   0), 1.50f, 0.26f, 1.81f},
        {"Ar", MakeColor(192, 192, 192), 1.92f, 0.00f, 0.00f},
        {"K",  MakeColor(255, 255, 255), 2.36f, 1.33f, 0.00f},
        {"Ca", MakeColor(255, 255, 255), 1.97f, 1.04f, 0.00f},
        {"Sc", MakeColor(255, 255, 255), 1.64f, 0.83f, 0.00f},
        {"Ti", MakeColor(255, 255, 255), 1.46f, 0.69f, 0.00f},
        {"V",  MakeColor(255, 255, 255), 1.34f, 0.67f, 0.00f},
        {"Cr", MakeColor(255, 255, 255), 1.27f, 0.64f, 0.00f},
        {"Mn", MakeColor(255, 255, 255), 1.30f, 0.70f, 0.00f},
        {"Fe", MakeColor(255, 255, 255), 1.26f, 0.67f, 0.00f},
        {"Co", MakeColor(255, 255, 255), 1.25f, 0.64f, 0.00f},
        {"Ni", MakeColor(255, 255, 255), 1.24f, 0.74f, 0.00f},
        {"Cu", MakeColor(255, 128,   0), 1.28f, 0.80f, 0.00f},
        {"Zn", MakeColor(255, 255, 255), 1.39f, 0.83f, 0.00f},
        {"Ga", MakeColor(255, 255, 255), 1.39f, 0.62f, 0.00f},
        {"Ge", MakeColor(255, 255, 255), 1.39f, 0.65f, 0.00f},
        {"As", MakeColor(255,   0,   0), 1.48f, 0.69f, 0.00f},
        {"Se", MakeColor(255, 255, 255), 1.60f, 0.69f, 0.00f},
        {"Br", MakeColor(255,   0, 255), 1.95f, 0.39f, 1.96f},
        {"Zr", MakeColor(255, 255, 255), 1.60f, 0.82f, 0.00f},
        {"Ag", MakeColor(255, 255, 255), 1.44f, 1.13f, 0.00f},
        {"I",  MakeColor(128,   0, 128), 2.16f, 0.50f, 2.16f},
        {"Ba", MakeColor(255, 255, 255), 2.21f, 1.38f, 0.00f},
        {"W",  MakeColor(128, 128, 128), 1.40f, 0.68f, 0.00f},
        {"Au", MakeColor(255, 128,   0), 1.44f, 1.37f, 0.00f},
        {"Hg", MakeColor(255, 255, 255), 1.60f, 1.12f, 0.00f},
        {"Pb", MakeColor(128, 128, 128), 1.75f, 1.26f, 0.00f},
    }};
    return rows;
}

ElementTable MakeDefaultElementTable() {
    ElementTable table;
    table.rows = DefaultElements();
    table.count = kElementRows;
    return table;
}

}  // namespace kiva
