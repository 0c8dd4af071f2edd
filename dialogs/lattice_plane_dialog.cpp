// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/lattice_plane_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/translations.h"

namespace kiva {

CLatticePlaneDlg::CLatticePlaneDlg(const std::optional<LatticePlane>& plane, const std::array<Vector3D, 3>& cellAxes, QWidget* parent)
    : QDialog(parent), cellAxes_(cellAxes) {
    setWindowTitle(QCoreApplication::translate("LatticePlaneDialog", "Lattice Plane"));
    const LatticePlane start = plane.value_or(LatticePlane{});
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const std::array<const char*, 3> labels = {QT_TRANSLATE_NOOP("LatticePlaneDialog", "&h:"), QT_TRANSLATE_NOOP("LatticePlaneDialog", "&k:"),
                                               QT_TRANSLATE_NOOP("LatticePlaneDialog", "&l:")};
    const std::array<int, 3> values = {start.hkl.h, start.hkl.k, start.hkl.l};
    for (std::size_t i = 0; i < 3; ++i) {
        indices_[i] = new QSpinBox(this);
        indices_[i]->setRange(-kMaxMillerIndex, kMaxMillerIndex);
        indices_[i]->setValue(values[i]);
        indices_[i]->setObjectName(QStringLiteral("hkl%1").arg(i));
        form->addRow(QCoreApplication::translate("LatticePlaneDialog", labels[i]), indices_[i]);
        connect(indices_[i], &QSpinBox::valueChanged, this, [this] { ShowSpacing(); });
    }
    offset_ = new QDoubleSpinBox(this);
    offset_->setRange(-20, 20);
    offset_->setSingleStep(0.5);
    offset_->setDecimals(2);
    offset_->setValue(start.offset);
    offset_->setToolTip(QCoreApplication::translate("LatticePlaneDialog", "The plane h x + k y + l z = offset: 1 cuts the cell's edges at a/h, b/k and c/l; each step of 1 moves it one spacing on"));
    form->addRow(QCoreApplication::translate("LatticePlaneDialog", "&Offset:"), offset_);
    spacing_ = new QLabel(this);
    spacing_->setObjectName(QStringLiteral("spacing"));
    form->addRow(QCoreApplication::translate("LatticePlaneDialog", "Spacing:"), spacing_);
    show_ = new QCheckBox(QCoreApplication::translate("LatticePlaneDialog", "&Show the plane"), this);
    show_->setChecked(true);
    layout->addWidget(show_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    face_ = buttons->addButton(QCoreApplication::translate("LatticePlaneDialog", "&Face the Plane"), QDialogButtonBox::AcceptRole);
    face_->setToolTip(QCoreApplication::translate("LatticePlaneDialog", "Turn the crystal so that you look straight at the plane"));
    connect(face_, &QPushButton::clicked, this, [this] { facePlane_ = true; });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(show_, &QCheckBox::toggled, this, [this] { ShowSpacing(); });
    layout->addWidget(buttons);
    ShowSpacing();
}

LatticePlane CLatticePlaneDlg::Current() const {
    return {{indices_[0]->value(), indices_[1]->value(), indices_[2]->value()}, offset_->value()};
}

// The spacing follows the indices; indices that are all 0 name no plane, and OK waits.
void CLatticePlaneDlg::ShowSpacing() {
    const LatticePlane plane = Current();
    const bool valid = AreMillerIndices(plane.hkl);
    ok_->setEnabled(valid || !show_->isChecked());
    face_->setEnabled(valid && show_->isChecked());
    spacing_->setText(valid ? QCoreApplication::translate("LatticePlaneDialog", "d = %1 Å").arg(LocalNumber(InterplanarSpacing(cellAxes_, plane.hkl), 3))
                            : QCoreApplication::translate("LatticePlaneDialog", "h, k and l cannot all be 0"));
}

std::optional<LatticePlane> CLatticePlaneDlg::plane() const {
    if (!show_->isChecked() || !AreMillerIndices(Current().hkl)) return std::nullopt;
    return Current();
}

}  // namespace kiva
