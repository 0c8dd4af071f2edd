// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/render/gemmi_spacing.h"

#include <gemmi/unitcell.hpp>

namespace kiva::testing {

double GemmiSpacing(double a, double b, double c, double alpha, double beta, double gamma, int h, int k, int l) {
    return gemmi::UnitCell(a, b, c, alpha, beta, gamma).calculate_d({{h, k, l}});
}

}  // namespace kiva::testing
