// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Dialog layouts are given in dialog units, which scale with the dialog's font: a horizontal unit
// is a quarter of the average character width, a vertical unit an eighth of the character height.
#include <QFontMetrics>
#include <QRect>
#include <QWidget>

namespace kiva {

class DialogUnits {
public:
    explicit DialogUnits(const QWidget& widget) {
        const QFontMetrics metrics(widget.font());
        const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        // One pixel more than the rounded average: today's fonts run wider in words than the
        // fonts these layouts were drawn for, and labels must not be cut off.
        baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2 + 1;
        baseY_ = metrics.height();
    }
    int X(int units) const { return units * baseX_ / 4; }
    int Y(int units) const { return units * baseY_ / 8; }
    QRect Rect(int x, int y, int width, int height) const { return {X(x), Y(y), X(width), Y(height)}; }
    // A width given in pixels for the classic 6-pixel-wide system font, grown with this font.
    int Pixels(int classicPixels) const { return classicPixels * baseX_ / 6; }

private:
    int baseX_ = 6;
    int baseY_ = 13;
};

}  // namespace kiva
