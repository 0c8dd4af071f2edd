// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The controls of the heating and cooling state beside the picture: the thermometer in K and
// degrees Celsius, the phase read from the particles, the set point's slider, Heat, Cool and
// Hold, and the heating curve as it grows.
#include <QWidget>

#include "matter/phase_reading.h"

class QLabel;
class QSlider;
class QToolButton;
class CKivaView;

namespace kiva {
class HeatingSession;
QString PhaseName(MatterPhase phase);
}  // namespace kiva

class CHeatingPanel final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 300;

    explicit CHeatingPanel(CKivaView& view);
    // Reads the run again: called after every frame and command.
    void Refresh();

private:
    void ExportCurve();
    QToolButton* AddButton(int id, QLayout* layout);

    CKivaView& view_;
    QLabel* thermometer_;
    QLabel* phase_;
    QLabel* setPoint_;
    QLabel* message_;
    QSlider* slider_;
    QWidget* curve_;
    std::vector<QToolButton*> buttons_;
};
