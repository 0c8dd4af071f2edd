// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-render: a substance's picture as a PNG file, for worksheets, slides and for looking at
// every entry of the catalogue.
#include <QImage>
#include <QPainter>

#include <filesystem>
#include <iostream>

#include "chem/shared_data.h"
#include "io/source_error.h"
#include "io/structure_file.h"
#include "platform/binary_archive.h"
#include "platform/painter_canvas.h"
#include "render/render_frame.h"
#include "tools/render/render_options.h"

using namespace kiva;

namespace {

QImage DrawPicture(const ViewState& view) {
    if (view.displayQuality == DisplayQuality::High) {
        PictureBuffers buffers;
        RenderFrame(view, buffers, 0);
        return QImage(buffers.colour.data(), kPictureSize, kPictureSize, kPictureSize * 3, QImage::Format_BGR888).copy();
    }
    QImage image(kPictureSize, kPictureSize, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    DrawSceneGdi(view, canvas);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    const auto parsed = render_tool::ParseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << parsed.error;
        return 2;
    }
    const render_tool::RenderOptions& options = *parsed.options;
    try {
        SharedData data;  // read only: the element colours are not written back
        StartUpSharedData(data, ProcessStartUpPlaces());
        CompoundRecord compound;
        std::error_code error;
        if (std::filesystem::is_regular_file(options.name, error)) {
            compound = ReadStructureFile(options.name).compound;
        } else if (data.moleculeDataPath.empty() ||
                   !LoadCompoundByName(data.moleculeIndex, data.moleculeDataPath, options.name, compound)) {
            std::cerr << "Cannot find the compound \"" << options.name << "\".\n";
            return 1;
        }
        if (options.state == DisplayState::CrystalSolid && compound.basisAtoms.empty())
            std::cerr << "No crystal structure.\nOnly single molecule available.\n";
        const ViewState view = render_tool::PrepareView(options, compound, data.elementTable);
        QImage image = DrawPicture(view);
        const int factor = options.size / kPictureSize;
        if (factor > 1) image = image.scaled(options.size, options.size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!image.save(QString::fromStdString(options.output), "PNG")) {
            std::cerr << "kiva-render: cannot write \"" << options.output << "\".\n";
            return 1;
        }
    } catch (const FileException& error) {
        std::cerr << "kiva-render: " << error.what() << "\n";
        return 1;
    } catch (const SourceError& error) {
        std::cerr << "kiva-render: " << error.what() << (error.Format().empty() ? "" : " (" + error.Format() + ")") << "\n";
        return 1;
    }
    return 0;
}
