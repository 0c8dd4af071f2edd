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

BgrPicture PaintFlatPicture(const ViewState& view) {
    const PictureMap map = MapOfArea(view.pictureArea);
    QImage image(map.width, map.height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        LabelLettering lettering;
        DrawSceneGdi(view, canvas, map, view.showLabels ? lettering.Font() : nullptr);
    }
    image = image.convertToFormat(QImage::Format_BGR888);
    BgrPicture picture{map.width, map.height, {}};
    for (int row = 0; row < map.height; ++row)
        picture.bytes.insert(picture.bytes.end(), image.constScanLine(row), image.constScanLine(row) + map.width * 3);
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = render_tool::ReadCommandLine(argc, argv);
    return options ? render_tool::RenderPictureFile(*options, PaintFlatPicture) : 2;
}
