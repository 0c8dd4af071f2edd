#include "view/qpainter_canvas.h"

namespace kiva {

QColor ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>(colour >> 8 & 0xFFu),
                  static_cast<int>(colour >> 16 & 0xFFu));
}

QPainterCanvas::QPainterCanvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QPainterCanvas::FillRect(int left, int top, int right, int bottom, std::uint32_t colour) {
    painter_.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

void QPainterCanvas::SetPen(int width, std::uint32_t colour) {
    QPen pen(ToQColor(colour));
    pen.setWidth(width);  // 0 is Qt's cosmetic one-pixel pen, as thin as the flat drawing asks
    painter_.setPen(pen);
}

void QPainterCanvas::SetBrush(std::uint32_t colour) { painter_.setBrush(ToQColor(colour)); }

void QPainterCanvas::SetNoBrush() { painter_.setBrush(Qt::NoBrush); }

// The shape covers left to right - 1 and top to bottom - 1, outline included.
void QPainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QPainterCanvas::Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void QPainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

}  // namespace kiva
