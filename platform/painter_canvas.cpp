// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/painter_canvas.h"

namespace kiva {

QColor ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

// Rectangles here exclude their right and bottom edges, as the drawing calls they stand for do.
void PainterCanvas::FillRect(int left, int top, int right, int bottom, std::uint32_t colour) {
    painter_.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

void PainterCanvas::SetPen(int width, std::uint32_t colour) {
    QPen pen(ToQColor(colour));
    pen.setWidth(width);  // 0 is Qt's one-pixel cosmetic pen
    pen.setCapStyle(Qt::RoundCap);
    painter_.setPen(pen);
}

void PainterCanvas::SetBrush(std::uint32_t colour) { painter_.setBrush(ToQColor(colour)); }

void PainterCanvas::SetNoBrush() { painter_.setBrush(Qt::NoBrush); }

void PainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void PainterCanvas::Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void PainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

// The outline under the letters, each by its coverage, as one premultiplied image.
void PainterCanvas::DrawLabel(const PlacedLabel& label) {
    const LabelStamp& stamp = *label.stamp;
    if (stamp.width == 0 || stamp.height == 0) return;
    QImage image(stamp.width, stamp.height, QImage::Format_ARGB32_Premultiplied);
    const QColor letters = ToQColor(label.colour), outline = ToQColor(kLabelOutline);
    for (int row = 0; row < stamp.height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = 0; x < stamp.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(row) * static_cast<std::size_t>(stamp.width) + static_cast<std::size_t>(x);
            const int over = stamp.letters[at], under = stamp.outline[at] * (255 - over) / 255;
            const auto channel = [&](int letter, int dark) { return (letter * over + dark * under) / 255; };
            line[x] = qRgba(channel(letters.red(), outline.red()), channel(letters.green(), outline.green()),
                            channel(letters.blue(), outline.blue()), over + under);
        }
    }
    painter_.drawImage(label.x - stamp.width / 2, label.row - stamp.height / 2, image);
}

}  // namespace kiva
