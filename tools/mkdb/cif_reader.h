// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the catalogue needs of a crystallographic information file (CIF): the cell, the space
// group's symbol and operations, and the atom sites.
#include <string>
#include <vector>

namespace kiva::mkdb {

struct CifSite {
    std::string label;       // _atom_site_label: Na1
    std::string typeSymbol;  // _atom_site_type_symbol: Na1+, or empty
    double x = 0, y = 0, z = 0;
    int line = 0;
};

struct CifOperation {
    std::string text;  // x,y,z
    int line = 0;
};

struct CifCrystal {
    double a = 0, b = 0, c = 0, alpha = 0, beta = 0, gamma = 0;
    std::string groupSymbol;
    std::vector<CifOperation> operations;
    std::vector<CifSite> sites;
};

// Reads the first data block of the file. Throws SourceError naming the file and line of what is
// missing or malformed.
CifCrystal ReadCif(const std::string& path);
CifCrystal ParseCif(const std::string& text, const std::string& path);

// The element symbol a site stands for: its type symbol, else its label, without digits and
// charge marks ("Na1+" gives Na, "O2-" gives O, "CL1" gives Cl).
std::string SiteElement(const CifSite& site);

}  // namespace kiva::mkdb
