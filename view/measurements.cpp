// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/measurements.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chem/fixed_text.h"
#include "render/overlays.h"
#include "render/projection.h"

namespace kiva {

namespace {

constexpr std::int64_t kVertexZone = 16;  // pixels around an angle's vertex

std::int64_t SquaredDistance(PicturePoint q, PicturePoint r) {
    const std::int64_t dx = static_cast<std::int64_t>(q.x) - r.x;
    const std::int64_t dy = static_cast<std::int64_t>(q.y) - r.y;
    return dx * dx + dy * dy;
}

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// A value with `decimals` places and the language's decimal separator.
std::string Decimal(double value, int decimals, const ReadoutWords& words) {
    std::string text = Format("%.*f", decimals, value);
    if (words.decimalPoint != ".")
        if (const std::size_t point = text.find('.'); point != std::string::npos) text.replace(point, 1, words.decimalPoint);
    return text;
}

float Degrees(float radians) { return static_cast<float>(radians * kDegreesPerRadian); }

bool PicksAreSceneAtoms(const ViewState& view) {
    const int count = std::min(view.pickedCount, static_cast<int>(view.pickedAtoms.size()));
    for (int k = 0; k < count; ++k) {
        const int atom = view.pickedAtoms[static_cast<std::size_t>(k)];
        if (atom < 0 || static_cast<std::size_t>(atom) >= view.atoms.size()) return false;
    }
    return true;
}

const SceneAtom& Picked(const ViewState& view, int k) {
    return view.atoms[static_cast<std::size_t>(view.pickedAtoms[static_cast<std::size_t>(k)])];
}

PicturePoint PickedScreenPoint(const ViewState& view, int k) { return ScreenPoint(Picked(view, k).picture); }

Vector3D PickedPosition(const ViewState& view, int k) { return Picked(view, k).position; }

PicturePoint Midpoint(PicturePoint q, PicturePoint r) { return {(q.x + r.x) / 2, (q.y + r.y) / 2}; }

}  // namespace

int HitTestAtom(const ViewState& view, PicturePoint p) {
    const std::size_t atomCount = view.atoms.size();
    const std::vector<int>& order = DrawOrder(view);
    const std::size_t entries = std::min(order.size(), atomCount + view.bonds.size());
    // The last entry drawn is on top.
    for (std::size_t k = entries; k-- > 0;) {
        const int entry = order[k];
        if (entry < 0 || static_cast<std::size_t>(entry) >= atomCount) continue;  // a bond
        const SceneAtom& atom = view.atoms[static_cast<std::size_t>(entry)];
        const std::int64_t radius = std::max(AtomPixelRadius(atom, view), 0);
        if (SquaredDistance(p, ScreenPoint(atom.picture)) < radius * radius) return entry;
    }
    return -1;
}

std::int64_t IntegerDistance(PicturePoint q, PicturePoint r) {
    return static_cast<std::int64_t>(std::sqrt(static_cast<double>(SquaredDistance(q, r))));
}

bool NearSegment(PicturePoint p, PicturePoint q, PicturePoint r) {
    return IntegerDistance(p, q) + IntegerDistance(p, r) < IntegerDistance(q, r) + 1;
}

std::string PositionReadout(const SceneAtom& atom, const ReadoutWords& words) {
    const std::string_view symbol = TextOf(atom.symbol);
    const char* between = words.decimalPoint == "," ? "; " : ", ";
    return std::string(symbol) + " " + std::to_string(TruncatedCharge(atom.charge)) + " (" +
           Decimal(static_cast<double>(atom.position.x), 2, words) + between + Decimal(static_cast<double>(atom.position.y), 2, words) + between +
           Decimal(static_cast<double>(atom.position.z), 2, words) + ") R=" + Decimal(static_cast<double>(atom.radius), 2, words) + " Å";
}

std::optional<MeasuredFeature> CompleteMeasurement(const ViewState& view) {
    if (!SelectionComplete(view) || !PicksAreSceneAtoms(view)) return std::nullopt;
    MeasuredFeature feature;
    feature.mode = view.measureMode;
    for (int k = 0; k < view.pickedCount; ++k) feature.atoms.emplace_back(TextOf(Picked(view, k).symbol));
    switch (view.measureMode) {
    case MeasureMode::Distance:
        feature.value = Length(Subtract(PickedPosition(view, 0), PickedPosition(view, 1)));
        return feature;
    case MeasureMode::Angle: {
        const Vector3D vertex = PickedPosition(view, 1);
        feature.value = Degrees(AngleBetween(Subtract(PickedPosition(view, 0), vertex),
                                             Subtract(PickedPosition(view, 2), vertex)));
        return feature;
    }
    case MeasureMode::TorsionAngle: {
        // The angle between the planes A-B-C and B-C-D, from 0 to 180 degrees, without a sign.
        const Vector3D b = PickedPosition(view, 1);
        const Vector3D bond = Subtract(PickedPosition(view, 2), b);
        const Vector3D u = Cross(bond, Subtract(PickedPosition(view, 0), b));
        const Vector3D w = Cross(bond, Subtract(PickedPosition(view, 3), b));
        feature.value = Degrees(AngleBetween(u, w));
        return feature;
    }
    case MeasureMode::None: break;
    }
    return std::nullopt;
}

std::optional<std::string> MeasuredValue(const ViewState& view, const ReadoutWords& words) {
    const std::optional<MeasuredFeature> feature = CompleteMeasurement(view);
    if (!feature) return std::nullopt;
    const double value = static_cast<double>(feature->value);
    switch (feature->mode) {
    case MeasureMode::Distance: return words.distance + "=" + Decimal(value, 2, words) + " Å";
    case MeasureMode::Angle: return words.angle + "=" + Decimal(value, 1, words) + " " + words.degree;
    case MeasureMode::TorsionAngle: return words.torsionAngle + "=" + Decimal(value, 1, words) + " " + words.degree;
    case MeasureMode::None: break;
    }
    return std::nullopt;
}

std::optional<std::string> FeatureReadout(const ViewState& view, PicturePoint p, const ReadoutWords& words) {
    if (!SelectionComplete(view) || !PicksAreSceneAtoms(view)) return std::nullopt;
    bool onFeature = false;
    switch (view.measureMode) {
    case MeasureMode::Distance: onFeature = NearSegment(p, PickedScreenPoint(view, 0), PickedScreenPoint(view, 1)); break;
    case MeasureMode::Angle: onFeature = SquaredDistance(p, PickedScreenPoint(view, 1)) <= kVertexZone * kVertexZone; break;
    case MeasureMode::TorsionAngle: onFeature = NearSegment(p, PickedScreenPoint(view, 1), PickedScreenPoint(view, 2)); break;
    case MeasureMode::None: break;
    }
    return onFeature ? MeasuredValue(view, words) : std::nullopt;
}

std::vector<std::string> MeasurementReadouts(const ViewState& view, const ReadoutWords& words) {
    std::vector<std::string> readouts;
    if (view.measureMode == MeasureMode::None || !PicksAreSceneAtoms(view)) return readouts;
    const int count = std::clamp(view.pickedCount, 0, static_cast<int>(view.measureMode));
    for (int k = 0; k < count; ++k) readouts.push_back(PositionReadout(Picked(view, k), words));
    if (auto value = MeasuredValue(view, words)) readouts.push_back(std::move(*value));
    return readouts;
}

std::optional<std::string> AxisReadout(const ViewState& view, PicturePoint p, const ReadoutWords& words) {
    const std::vector<OverlayLine> axes = AxisLines(view);
    const auto toPicture = [](ImagePoint point) { return FromWindowPoint(point.x, point.row); };
    for (std::size_t axis = 0; axis < axes.size() && axis < 3; ++axis)
        if (NearSegment(p, toPicture(axes[axis].from), toPicture(axes[axis].to))) return words.axes[axis];
    return std::nullopt;
}

std::optional<std::string> HoverReadout(const ViewState& view, PicturePoint p, const ReadoutWords& words) {
    if (auto feature = FeatureReadout(view, p, words)) return feature;
    if (view.showPosition) {
        const int atom = HitTestAtom(view, p);
        if (atom >= 0) return PositionReadout(view.atoms[static_cast<std::size_t>(atom)], words);
    }
    return AxisReadout(view, p, words);
}

bool SelectionComplete(const ViewState& view) {
    return view.measureMode != MeasureMode::None && view.pickedCount == static_cast<int>(view.measureMode);
}

bool PickAtom(ViewState& view, int atom) {
    const int needed = static_cast<int>(view.measureMode);
    if (needed < 2 || needed > static_cast<int>(view.pickedAtoms.size()) || atom < 0) return false;
    const int count = std::clamp(view.pickedCount, 0, needed);
    const auto picked = view.pickedAtoms.begin();
    if (count < needed && std::find(picked, picked + count, atom) != picked + count) return false;
    view.pickedCount = count % needed;
    view.pickedAtoms[static_cast<std::size_t>(view.pickedCount)] = atom;
    ++view.pickedCount;
    return true;
}

PicturePoint AnchorPoint(const ViewState& view) {
    if (!SelectionComplete(view) || !PicksAreSceneAtoms(view)) return {};
    switch (view.measureMode) {
    case MeasureMode::Distance: return Midpoint(PickedScreenPoint(view, 0), PickedScreenPoint(view, 1));
    case MeasureMode::Angle: return PickedScreenPoint(view, 1);
    case MeasureMode::TorsionAngle: return Midpoint(PickedScreenPoint(view, 1), PickedScreenPoint(view, 2));
    case MeasureMode::None: break;
    }
    return {};
}

}  // namespace kiva
