// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/tool_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "view/commands.h"

namespace kiva {

namespace {

// The palette of the images: atoms in the catalogue's familiar colours, lines in dark grey.
const QColor kInk(40, 40, 48);
const QColor kRedAtom(214, 48, 40);
const QColor kBlueAtom(52, 96, 214);
const QColor kGreenAtom(40, 160, 72);
const QColor kGreyAtom(150, 150, 160);
const QColor kWater(80, 150, 230);

class Sketch {
public:
    Sketch(QPainter& painter, bool disabled) : p_(painter), disabled_(disabled) {}

    QColor Tone(QColor colour) const {
        if (!disabled_) return colour;
        const int grey = qGray(colour.rgb()) / 2 + 110;
        return QColor(grey, grey, grey);
    }
    void Pen(QColor colour, qreal width) {
        QPen pen(Tone(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
    }
    // A shaded ball: a highlight towards the top left, as the high-quality picture lights it.
    void Ball(QPointF centre, qreal radius, QColor colour) {
        QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
        shade.setColorAt(0, Tone(colour.lighter(170)));
        shade.setColorAt(1, Tone(colour.darker(130)));
        p_.setPen(QPen(Tone(colour.darker(180)), 0.6));
        p_.setBrush(shade);
        p_.drawEllipse(centre, radius, radius);
    }
    void FlatBall(QPointF centre, qreal radius, QColor colour) {
        p_.setPen(QPen(Tone(kInk), 0.8));
        p_.setBrush(Tone(colour));
        p_.drawEllipse(centre, radius, radius);
    }
    void Line(QPointF a, QPointF b, QColor colour, qreal width) {
        Pen(colour, width);
        p_.drawLine(a, b);
    }
    // An arrow head at `tip` pointing along `direction` (need not be normalised).
    void ArrowHead(QPointF tip, QPointF direction, QColor colour, qreal size = 3.2) {
        const qreal length = std::hypot(direction.x(), direction.y());
        const QPointF d = direction / length;
        const QPointF n(-d.y(), d.x());
        QPolygonF head;
        head << tip << tip - d * size + n * size * 0.6 << tip - d * size - n * size * 0.6;
        p_.setPen(Qt::NoPen);
        p_.setBrush(Tone(colour));
        p_.drawPolygon(head);
    }
    // An arc of a circle in degrees, counter-clockwise from `start`, as QPainter counts them.
    void Arc(QPointF centre, qreal radius, qreal start, qreal span, QColor colour, qreal width) {
        Pen(colour, width);
        p_.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                   static_cast<int>(start * 16), static_cast<int>(span * 16));
    }
    QPointF OnCircle(QPointF centre, qreal radius, qreal degrees) const {
        const qreal a = qDegreesToRadians(degrees);
        return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
    }
    // A curved arrow along a circle with a head at its end, and one at its start when asked.
    void CurvedArrow(QPointF centre, qreal radius, qreal start, qreal span, QColor colour, bool bothEnds) {
        Arc(centre, radius, start, span, colour, 1.6);
        const qreal end = start + span;
        const qreal turn = span > 0 ? 90 : -90;
        ArrowHead(OnCircle(centre, radius, end), OnCircle({0, 0}, 1, end + turn), colour);
        if (bothEnds) ArrowHead(OnCircle(centre, radius, start), OnCircle({0, 0}, 1, start - turn), colour);
    }
    void Magnifier(bool plus) {
        Pen(kInk, 1.6);
        p_.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        Line({12, 12}, {17.5, 17.5}, kInk, 2.6);
        Line({5.5, 8}, {10.5, 8}, kInk, 1.5);
        if (plus) Line({8, 5.5}, {8, 10.5}, kInk, 1.5);
    }
    // A cube drawn as a wire frame; `size` is the front face's edge.
    void WireCube(QPointF frontTopLeft, qreal size, qreal depth, QColor colour, qreal width) {
        const QPointF back(depth, -depth);
        const QPointF a = frontTopLeft, b = a + QPointF(size, 0), c = a + QPointF(size, size), d = a + QPointF(0, size);
        Pen(colour, width);
        p_.drawPolygon(QPolygonF{a, b, c, d});
        p_.drawPolyline(QPolygonF{a, a + back, b + back, b});
        p_.drawPolyline(QPolygonF{b + back, c + back, c});
    }
    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    bool disabled_;
};

void DrawImage(int id, Sketch& s) {
    switch (id) {
    case command::Reset:  // back home: a curved arrow round the initial view's centre
        s.CurvedArrow({10, 10}, 6.5, 120, 280, kInk, false);
        s.Ball({10, 10}, 2.6, kRedAtom);
        break;
    case command::Rotate:
        s.CurvedArrow({10, 10}, 7, 200, 260, kBlueAtom, false);
        s.Ball({10, 10}, 3, kGreyAtom);
        break;
    case command::Translate:
        s.Line({3, 10}, {17, 10}, kInk, 1.5);
        s.Line({10, 3}, {10, 17}, kInk, 1.5);
        s.ArrowHead({1.5, 10}, {-1, 0}, kInk);
        s.ArrowHead({18.5, 10}, {1, 0}, kInk);
        s.ArrowHead({10, 1.5}, {0, -1}, kInk);
        s.ArrowHead({10, 18.5}, {0, 1}, kInk);
        break;
    case command::Rock:
        s.CurvedArrow({10, 16}, 9, 40, 100, kBlueAtom, true);
        s.Ball({10, 12}, 3.2, kGreyAtom);
        break;
    case command::ZoomIn: s.Magnifier(true); break;
    case command::ZoomOut: s.Magnifier(false); break;
    case command::Position:  // cross hairs on an atom
        s.Ball({10, 10}, 4.5, kRedAtom);
        s.Line({10, 1}, {10, 5}, kInk, 1.4);
        s.Line({10, 15}, {10, 19}, kInk, 1.4);
        s.Line({1, 10}, {5, 10}, kInk, 1.4);
        s.Line({15, 10}, {19, 10}, kInk, 1.4);
        break;
    case command::Distance:
        s.Ball({4, 6}, 3, kRedAtom);
        s.Ball({16, 6}, 3, kBlueAtom);
        s.Line({4, 15}, {16, 15}, kInk, 1.3);
        s.ArrowHead({2.5, 15}, {-1, 0}, kInk, 2.8);
        s.ArrowHead({17.5, 15}, {1, 0}, kInk, 2.8);
        break;
    case command::Angle:
        s.Line({4, 16}, {17, 16}, kInk, 1.5);
        s.Line({4, 16}, {13, 4}, kInk, 1.5);
        s.Arc({4, 16}, 7, 0, 53, kRedAtom, 1.5);
        s.Ball({4, 16}, 2.3, kGreyAtom);
        break;
    case command::TorsionAngle:  // two bonds twisted about the middle one, seen along it
        s.Line({6, 14}, {14, 6}, kInk, 1.6);
        s.Line({6, 14}, {2, 5}, kRedAtom, 1.6);
        s.Line({14, 6}, {18, 15}, kBlueAtom, 1.6);
        s.Arc({10, 10}, 8, 120, 100, kInk, 1.0);
        break;
    case command::UnitCellMultiples:
        s.WireCube({1.5, 9}, 7, 3, kInk, 1.1);
        s.WireCube({8.5, 9}, 7, 3, kInk, 1.1);
        s.WireCube({1.5, 2}, 7, 3, kBlueAtom, 1.1);
        break;
    case command::ChemicalUnit:  // one bent molecule
        s.Line({10, 11}, {4, 15}, kInk, 1.6);
        s.Line({10, 11}, {16, 15}, kInk, 1.6);
        s.Ball({4, 15}, 2.6, kGreyAtom);
        s.Ball({16, 15}, 2.6, kGreyAtom);
        s.Ball({10, 9}, 4.2, kRedAtom);
        break;
    case command::CrystalSolid:  // a square lattice of alternating ions
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                s.Ball({4.0 + 6 * column, 4.0 + 6 * row}, 2.4, (row + column) % 2 ? kGreenAtom : kBlueAtom);
        break;
    case command::Liquid: {  // molecules crowded under a wavy surface
        QPainterPath wave;
        wave.moveTo(1, 7);
        wave.cubicTo(5, 4, 7, 10, 10, 7);
        wave.cubicTo(13, 4, 15, 10, 19, 7);
        s.Pen(kWater, 1.6);
        s.painter().drawPath(wave);
        s.Ball({5, 12}, 2.5, kRedAtom);
        s.Ball({11, 11.5}, 2.5, kRedAtom);
        s.Ball({16, 13}, 2.5, kRedAtom);
        s.Ball({8, 16.5}, 2.5, kRedAtom);
        s.Ball({14, 17}, 2.5, kRedAtom);
        break;
    }
    case command::Gas:  // few molecules far apart, with their motion
        s.Ball({5, 5}, 2.4, kRedAtom);
        s.Line({1, 8}, {3, 6.5}, kInk, 1.0);
        s.Ball({15, 8}, 2.4, kRedAtom);
        s.Line({19, 11}, {17, 9.5}, kInk, 1.0);
        s.Ball({7, 15}, 2.4, kRedAtom);
        s.Line({3, 17}, {5, 16}, kInk, 1.0);
        break;
    case command::Heating:  // a thermometer beside a flame
        s.Line({6, 3}, {6, 13}, kInk, 3.2);
        s.Line({6, 7}, {6, 14}, kRedAtom, 1.6);
        s.Ball({6, 16}, 3.0, kRedAtom);
        s.Ball({15, 14}, 3.2, QColor(255, 150, 30));
        s.Ball({15, 11}, 2.0, QColor(255, 210, 60));
        break;
    case command::BallAndStick:
        s.Line({5, 15}, {15, 5}, kGreyAtom.darker(140), 2.6);
        s.Ball({5, 15}, 3.8, kBlueAtom);
        s.Ball({15, 5}, 3.8, kRedAtom);
        break;
    case command::SpaceFilling:
        s.Ball({7, 12}, 6, kBlueAtom);
        s.Ball({13, 8}, 6, kRedAtom);
        break;
    case command::LowQuality:  // the flat drawing: plain discs with outlines
        s.FlatBall({7, 12}, 5.5, kBlueAtom);
        s.FlatBall({13, 8}, 5.5, kRedAtom);
        break;
    case command::HighQuality: s.Ball({10, 10}, 8, kRedAtom); break;
    case command::Axes:
        s.Line({5, 15}, {17, 15}, kRedAtom, 1.5);
        s.ArrowHead({18.5, 15}, {1, 0}, kRedAtom, 3);
        s.Line({5, 15}, {5, 3}, kGreenAtom, 1.5);
        s.ArrowHead({5, 1.5}, {0, -1}, kGreenAtom, 3);
        s.Line({5, 15}, {11, 9}, kBlueAtom, 1.5);
        s.ArrowHead({12, 8}, {1, -1}, kBlueAtom, 3);
        break;
    case command::CellFrame: s.WireCube({2, 6}, 11, 5, kInk, 1.3); break;
    case command::Coordination: {  // a centre with dashed lines to its neighbours
        QPen dashed(s.Tone(kInk), 1.2, Qt::DashLine);
        dashed.setDashPattern({1.5, 1.5});
        s.painter().setPen(dashed);
        for (const QPointF corner : {QPointF(3, 3), QPointF(17, 3), QPointF(3, 17), QPointF(17, 17)})
            s.painter().drawLine(QPointF(10, 10), corner);
        for (const QPointF corner : {QPointF(3, 3), QPointF(17, 3), QPointF(3, 17), QPointF(17, 17)})
            s.Ball(corner, 2.3, kGreenAtom);
        s.Ball({10, 10}, 3.4, kBlueAtom);
        break;
    }
    case command::WholeMolecules:  // a carbonate ion whole across a dashed cell face
        s.painter().setPen(QPen(s.Tone(kInk), 1.2, Qt::DashLine));
        s.painter().drawLine(QPointF(8, 1), QPointF(8, 19));
        for (const QPointF end : {QPointF(10, 3.5), QPointF(4, 14), QPointF(16.5, 14)}) s.Line({10, 10.5}, end, kInk, 1.5);
        s.Ball({10, 10.5}, 3.4, kInk);
        for (const QPointF end : {QPointF(10, 3.5), QPointF(4, 14), QPointF(16.5, 14)}) s.Ball(end, 3.2, kRedAtom);
        break;
    default: break;
    }
}

class ToolIconEngine final : public QIconEngine {
public:
    explicit ToolIconEngine(int id) : id_(id) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 20.0, rect.height() / 20.0);
        Sketch sketch(*painter, mode == QIcon::Disabled);
        DrawImage(id_, sketch);
        painter->restore();
    }
    // Called with the size in device pixels, so the drawing fills every one of them.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return image;
    }
    QIconEngine* clone() const override { return new ToolIconEngine(id_); }

private:
    int id_;
};

}  // namespace

QIcon ToolIcon(int commandId) { return QIcon(new ToolIconEngine(commandId)); }

}  // namespace kiva
