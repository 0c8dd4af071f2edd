// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Lattice Plane": the Miller indices h, k, l (-6 to 6, not all 0) and the offset of the plane to
// draw across the crystal, with its spacing d(hkl) as the indices change; whether it shows, and
// a button that closes the dialog turning the crystal to face the plane.
#include <QDialog>
#include <array>
#include <optional>

#include "render/lattice_plane.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kiva {

class CLatticePlaneDlg final : public QDialog {
public:
    // Opens on `plane`, or on (111) at offset 1 when the crystal shows none.
    CLatticePlaneDlg(const std::optional<LatticePlane>& plane, const std::array<Vector3D, 3>& cellAxes, QWidget* parent = nullptr);

    // After OK: the plane to draw, or none when "Show the plane" was cleared.
    std::optional<LatticePlane> plane() const;
    // The dialog was closed with "Face the Plane".
    bool facePlane() const { return facePlane_; }

private:
    LatticePlane Current() const;
    void ShowSpacing();

    std::array<Vector3D, 3> cellAxes_;
    std::array<QSpinBox*, 3> indices_{};
    QDoubleSpinBox* offset_ = nullptr;
    QCheckBox* show_ = nullptr;
    QLabel* spacing_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* face_ = nullptr;
    bool facePlane_ = false;
};

}  // namespace kiva
