// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/io/gemmi_cell_counts.h"

#define USE_STD_SNPRINTF  // gemmi's writer, unused here, would want its bundled sprintf
#include <gemmi/cif.hpp>
#include <gemmi/smcif.hpp>

#include <cmath>

namespace kiva::testing {

Counts GemmiCellCounts(const std::string& path) {
    gemmi::cif::Document document = gemmi::cif::read_file(path);
    const gemmi::SmallStructure structure = gemmi::make_small_structure_from_block(document.sole_block());
    Counts counts;
    for (const auto& site : structure.get_all_unit_cell_sites()) {
        int copies = 1;
        for (const double f : {site.fract.x, site.fract.y, site.fract.z})
            if (std::fabs(f - std::round(f)) < 1e-4) copies *= 2;
        counts[site.element.name()] += copies;
    }
    return counts;
}

}  // namespace kiva::testing
