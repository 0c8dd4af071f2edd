// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "render/projection.h"
#include "render/scene_build.h"
#include "tests/support/sample_records.h"

namespace kiva {
namespace {

// A gas of single atoms, so each copy's one atom shows where the copy's centre is.
ViewState GasOfOneAtom() {
    CompoundRecord atom;
    atom.unitAtoms = {testing::Site("Na", 0, {0, 0, 0})};
    ViewState view;
    view.displayState = DisplayState::Gas;
    BuildScene(view, atom, MakeDefaultElementTable());
    ResetView(view);
    return view;
}

TEST(MotionTables, AGasWithNowhereToBeLeavesTheMotionForTheNextGas) {
    MotionTables motion = InitialMotionTables();
    ViewState lost = GasOfOneAtom();
    lost.rotationCentre.x = std::numeric_limits<float>::quiet_NaN();
    for (int frame = 0; frame < 200; ++frame) ProjectScene(lost, motion);

    ViewState gas = GasOfOneAtom();
    for (int frame = 0; frame < 300; ++frame) {
        ProjectScene(gas, motion);
        if (frame < 100) continue;
        for (const SceneAtom& atom : gas.atoms.items) {
            // Inside the bounce bounds, give or take the step that overshoots them.
            EXPECT_GE(atom.picture.x, 32 - 8) << frame;
            EXPECT_LT(atom.picture.x, 308 + 8) << frame;
            EXPECT_GE(atom.picture.y, 32 - 8) << frame;
            EXPECT_LT(atom.picture.y, 308 + 8) << frame;
        }
    }
}

}  // namespace
}  // namespace kiva
