// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Measuring the structure a view shows: which atom is under the pointer, the picking of two,
// three or four atoms, and the read-outs a tooltip shows for a measured feature, an atom or an axis.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/translatable.h"
#include "render/view_state.h"
#include "view/picture_point.h"

namespace kiva {

// The words of the read-outs: English, or the user's language where the window gives them
// (translated in the context "Readout").
struct ReadoutWords {
    std::string distance = KIVA_TRANSLATABLE("Readout", "Distance");
    std::string angle = KIVA_TRANSLATABLE("Readout", "Angle");
    std::string torsionAngle = KIVA_TRANSLATABLE("Readout", "Torsion Angle");
    std::string degree = KIVA_TRANSLATABLE("Readout", "degree");
    std::array<std::string, 3> axes = {KIVA_TRANSLATABLE("Readout", "Axis X"), KIVA_TRANSLATABLE("Readout", "Axis Y"),
                                       KIVA_TRANSLATABLE("Readout", "Axis Z")};
    // The language's decimal separator: "Distance=2,82 Å" in German. Where it is a comma, the
    // coordinates of a position are separated by semicolons, as those languages write them.
    std::string decimalPoint = ".";
};

// The scene atom drawn top-most whose pick zone holds p, or -1. The zone is the atom's drawn
// disc: its radius in pixels, at least that of a 0.5 angstrom atom, a third of it for a ball.
int HitTestAtom(const ViewState& view, PicturePoint p);

// Whole-pixel distance, truncated.
std::int64_t IntegerDistance(PicturePoint q, PicturePoint r);
// Inside the thin ellipse with q and r as foci: the pointer is on the segment from q to r.
bool NearSegment(PicturePoint p, PicturePoint q, PicturePoint r);

// "Na+ 1 (1.41, 0.00, 0.00) R=1.16 Å": label, charge, structure position and radius; in German
// "Na+ 1 (1,41; 0,00; 0,00) R=1,16 Å".
std::string PositionReadout(const SceneAtom& atom, const ReadoutWords& words = {});

// A complete selection as a sentence tells it: the picked atoms' labels in the order picked and
// the value, in angstrom for a distance and in degrees for an angle or a torsion angle.
struct MeasuredFeature {
    MeasureMode mode = MeasureMode::None;
    std::vector<std::string> atoms;
    float value = 0;
};
std::optional<MeasuredFeature> CompleteMeasurement(const ViewState& view);

// The value of a complete selection while p rests on its feature: the segment A-B of a
// distance, 16 pixels around the vertex B of an angle, the central bond B-C of a torsion angle.
std::optional<std::string> FeatureReadout(const ViewState& view, PicturePoint p, const ReadoutWords& words = {});
// The value of a complete selection wherever the pointer is: "Distance=2.36 Å".
std::optional<std::string> MeasuredValue(const ViewState& view, const ReadoutWords& words = {});
// The measurement under way, as a handout prints it: the position read-out of each atom picked
// so far, then the value once the selection is complete. Empty without a measurement.
std::vector<std::string> MeasurementReadouts(const ViewState& view, const ReadoutWords& words = {});
// "Axis X", "Axis Y" or "Axis Z" while p rests on a shown axis.
std::optional<std::string> AxisReadout(const ViewState& view, PicturePoint p, const ReadoutWords& words = {});
// What the tooltip shows at p: a measured feature first, then the atom under the pointer (with
// the position read-out on), then an axis; nothing otherwise.
std::optional<std::string> HoverReadout(const ViewState& view, PicturePoint p, const ReadoutWords& words = {});

// True when the measurement has all the atoms it needs.
bool SelectionComplete(const ViewState& view);
// Adds an atom to the measurement: no atom twice in one selection, and a complete selection
// starts over with this atom. False when the selection stays as it was.
bool PickAtom(ViewState& view, int atom);
// Where the pointer goes once a selection is complete: the middle of a distance or of a torsion
// angle's central bond, or an angle's vertex.
PicturePoint AnchorPoint(const ViewState& view);

}  // namespace kiva
