// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/dither.h"

namespace kiva {

namespace {

constexpr int kDitherPeriod = 1024;
int g_ditherSeed = 0;  // process-wide on purpose: the dither sequence runs on across frames and views

}  // namespace

int NextDitherValue() {
    g_ditherSeed = (29 * g_ditherSeed + 217) % kDitherPeriod;
    return g_ditherSeed;
}

int DitherSeed() { return g_ditherSeed; }

void SetDitherSeed(int seed) { g_ditherSeed = ((seed % kDitherPeriod) + kDitherPeriod) % kDitherPeriod; }

}  // namespace kiva
