// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// gemmi's d(hkl), to check Kiva's against; its file sees no Kiva header.

namespace kiva::testing {

// Edges in angstrom, angles in degrees.
double GemmiSpacing(double a, double b, double c, double alpha, double beta, double gamma, int h, int k, int l);

}  // namespace kiva::testing
