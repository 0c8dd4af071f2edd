// SPDX-License-Identifier: GPL-2.0-or-later
// Painting the view: the shaded picture copied to the screen pixel for pixel, or the flat
// low-quality picture painted into an image of the same size.
#include <QPainter>

#include "platform/painter_canvas.h"
#include "view/exported_frame.h"
#include "view/kiva_view.h"

void CKivaView::paintEvent(QPaintEvent*) {
    // On a screen of another pixel ratio the picture is drawn at its new device pixels.
    if (DevicePictureArea() != molecule_.Area()) LayOutPicture();
    const QRect place = PictureRect();
    const qreal ratio = DevicePixelsPerPoint();
    QPainter painter(this);
    if (molecule_.State().displayQuality == kiva::DisplayQuality::High) {
        // The fixed 340 picture stays as it always was; a larger one is smoothed when chosen.
        const bool smooth = kiva::SmoothEdgesChosen() && (fitWindow_ || fullScreen_);
        const kiva::Picture& picture = molecule_.RenderPicture(molecule_.Area(), {0, true, smooth});
        QImage image(picture.colour.data(), picture.width, picture.height, picture.width * 3, QImage::Format_BGR888);
        image.setDevicePixelRatio(ratio);
        painter.drawImage(place.topLeft(), image);
        return;
    }
    const kiva::PictureMap map = molecule_.Map();
    if (offscreen_.size() != QSize(map.width, map.height)) offscreen_ = QImage(map.width, map.height, QImage::Format_RGB32);
    offscreen_.setDevicePixelRatio(1);
    offscreen_.fill(Qt::black);
    QPainter offscreenPainter(&offscreen_);
    kiva::PainterCanvas canvas(offscreenPainter);
    molecule_.DrawLowQuality(canvas, map);
    offscreenPainter.end();
    offscreen_.setDevicePixelRatio(ratio);
    painter.drawImage(place.topLeft(), offscreen_);
}
