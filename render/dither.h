// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The dither of the sphere shading on screens of 8 bits or fewer: one process-wide sequence on
// purpose, which runs on across frames and views.

namespace kiva {

// The next value of the dither generator: seed = (29 seed + 217) mod 1024.
int NextDitherValue();

// The generator's state, read and set so a picture can be drawn again from the same point.
int DitherSeed();
void SetDitherSeed(int seed);

}  // namespace kiva
