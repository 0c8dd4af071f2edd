// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-render-flat: kiva-render's flat, low-quality picture, painted with Qt as the viewer paints
// it on screen. kiva-render hands over to it; it takes the same command line.
#include <QImage>
#include <QPainter>


#include "platform/painter_canvas.h"
#include "render/canvas.h"
#include "tools/render/render_run.h"

using namespace kiva;

namespace {

// Painted into `picture`, which the next frame of an animation paints again.
const Picture& PaintFlatPicture(const ViewState& view, Picture& picture) {
    const PictureMap map = MapOfArea(view.pictureArea);
    QImage image(map.width, map.height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        LabelLettering lettering;
        DrawSceneGdi(view, canvas, map, view.showLabels ? lettering.Font() : nullptr);
    }
    image = image.convertToFormat(QImage::Format_BGR888);
    picture = {map.width, map.height, {}};
    for (int row = 0; row < map.height; ++row)
        picture.colour.insert(picture.colour.end(), image.constScanLine(row), image.constScanLine(row) + map.width * 3);
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = render_tool::ReadCommandLine(argc, argv);
    if (!options) return 2;
    Picture picture;
    return render_tool::RenderPictureFile(*options, [&picture](const ViewState& view) -> const Picture& {
        return PaintFlatPicture(view, picture);
    });
}
