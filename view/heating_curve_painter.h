// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The heating curve drawn with a painter: temperature against the heat added, with the melting
// and boiling points marked. The same drawing serves the window, the handout and the PNG file.
#include <QImage>
#include <QRectF>
#include <vector>

#include "chem/phase_points.h"
#include "matter/heating_session.h"

class QPainter;

namespace kiva {

struct HeatingCurvePicture {
    std::vector<HeatingCurvePoint> curve;
    PhasePoints points;
    double highestKelvin = 300;  // the top of the temperature axis
};

HeatingCurvePicture CurvePictureOf(const HeatingSession& session);

// Draws on white within `area`, in the painter's own units; `unit` is the size of a thin line.
void PaintHeatingCurve(QPainter& painter, const QRectF& area, const HeatingCurvePicture& picture, double unit = 1.0);

// The curve alone as an image of the given size, for a PNG file.
QImage HeatingCurveImage(const HeatingCurvePicture& picture, QSize size);

}  // namespace kiva
