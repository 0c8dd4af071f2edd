// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/heating_curve_painter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "platform/translations.h"

namespace kiva {

namespace {

constexpr double kLeastHeat = 1.0;  // kJ/mol: the heat axis spans at least this much

// A round step for about five ticks over `span`: 1, 2 or 5 times a power of ten.
double TickStep(double span) {
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw) return factor * power;
    return 10 * power;
}


}  // namespace

HeatingCurvePicture CurvePictureOf(const HeatingSession& session) {
    return {session.Curve(), session.Points(), session.HighestKelvin()};
}

void PaintHeatingCurve(QPainter& painter, const QRectF& area, const HeatingCurvePicture& picture, double unit) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    // Letters in the plot's proportion, in the device's pixels, so a print and a PNG read as the
    // window does; never smaller than 11 of the window's pixels.
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(std::max(11 * unit, std::min(area.width() / 32, area.height() / 18))));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double left = metrics.horizontalAdvance(QStringLiteral("00000 K")) + 6 * unit;
    const double bottom = 2.6 * metrics.height();
    const QRectF plot(area.left() + left, area.top() + metrics.height(), area.width() - left - 10 * unit,
                      area.height() - bottom - metrics.height());
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }
    // Cooling, and the thermostat holding a crystal that settles, take heat away: the axis reaches
    // below nothing added where the curve does.
    double minHeat = 0, maxHeat = kLeastHeat;
    for (const HeatingCurvePoint& point : picture.curve) {
        minHeat = std::min(minHeat, point.heatKilojoulesPerMole);
        maxHeat = std::max(maxHeat, point.heatKilojoulesPerMole);
    }
    double maxKelvin = std::max(picture.highestKelvin, 1.0);
    for (const HeatingCurvePoint& point : picture.curve) maxKelvin = std::max(maxKelvin, point.kelvin);
    const auto x = [&](double heat) { return plot.left() + plot.width() * (heat - minHeat) / (maxHeat - minHeat); };
    const auto y = [&](double kelvin) { return plot.bottom() - plot.height() * kelvin / maxKelvin; };

    painter.setPen(QPen(Qt::black, unit));
    painter.drawRect(plot);
    const double heatStep = TickStep(maxHeat - minHeat), kelvinStep = TickStep(maxKelvin);
    for (double heat = std::ceil(minHeat / heatStep - 1e-9) * heatStep; heat <= maxHeat + 1e-9; heat += heatStep) {
        painter.drawLine(QPointF(x(heat), plot.bottom()), QPointF(x(heat), plot.bottom() + 4 * unit));
        painter.drawText(QRectF(x(heat) - 40 * unit, plot.bottom() + 4 * unit, 80 * unit, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, LocalNumber(std::abs(heat) < 1e-9 ? 0.0 : heat, 4, 'g'));
    }
    for (double kelvin = 0; kelvin <= maxKelvin + 1e-9; kelvin += kelvinStep) {
        painter.drawLine(QPointF(plot.left() - 4 * unit, y(kelvin)), QPointF(plot.left(), y(kelvin)));
        painter.drawText(QRectF(area.left(), y(kelvin) - metrics.height() / 2, left - 6 * unit, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 K").arg(LocalNumber(kelvin, 5, 'g')));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.4 * metrics.height(), plot.width(), metrics.height()),
                     Qt::AlignHCenter, QCoreApplication::translate("HeatingCurve", "Heat added (kJ/mol)"));

    // The substance's points, dashed across the plot with their names.
    const auto mark = [&](double kelvin, const QString& name) {
        painter.setPen(QPen(QColor(0, 90, 200), unit, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y(kelvin)), QPointF(plot.right(), y(kelvin)));
        painter.drawText(QRectF(plot.left() + 4 * unit, y(kelvin) - metrics.height(), plot.width() - 8 * unit, metrics.height()),
                         Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("%1 %2 K").arg(name).arg(std::lround(kelvin)));
    };
    const PhasePoints& points = picture.points;
    if (points.note == PhaseNote::Decomposes && points.meltingK) mark(*points.meltingK, QCoreApplication::translate("HeatingCurve", "decomposes"));
    else if (points.meltingK) mark(*points.meltingK, QCoreApplication::translate("HeatingCurve", "melting"));
    if (points.note == PhaseNote::Sublimes && points.boilingK) mark(*points.boilingK, QCoreApplication::translate("HeatingCurve", "sublimes"));
    else if (points.boilingK) mark(*points.boilingK, QCoreApplication::translate("HeatingCurve", "boiling"));

    if (!picture.curve.empty()) {
        QPainterPath path(QPointF(x(picture.curve.front().heatKilojoulesPerMole), y(picture.curve.front().kelvin)));
        for (const HeatingCurvePoint& point : picture.curve) path.lineTo(x(point.heatKilojoulesPerMole), y(point.kelvin));
        painter.setPen(QPen(QColor(200, 30, 30), 2 * unit));
        painter.setClipRect(plot.adjusted(-4 * unit, -4 * unit, 4 * unit, 4 * unit));
        painter.drawPath(path);
        const HeatingCurvePoint& last = picture.curve.back();
        painter.setBrush(QColor(200, 30, 30));
        painter.drawEllipse(QPointF(x(last.heatKilojoulesPerMole), y(last.kelvin)), 3 * unit, 3 * unit);
    }
    painter.restore();
}

QImage HeatingCurveImage(const HeatingCurvePicture& picture, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintHeatingCurve(painter, QRectF(QPointF(0, 0), QSizeF(size)), picture, std::max(1.0, size.height() / 300.0));
    return image;
}

}  // namespace kiva
