// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/render/render_run.h"

#include <filesystem>
#include <iostream>

#include "chem/fixed_text.h"
#include "chem/shared_data.h"
#include "io/source_error.h"
#include "io/structure_file.h"
#include "platform/binary_archive.h"
#include "export/png_file.h"
#include "export/scene_file.h"
#include "render/label_font.h"
#include "render/render_picture.h"
#include "tools/render/animation_run.h"
#include "tools/render/heating_run.h"

namespace kiva::render_tool {

FrameDrawer ShadedPictures(PictureBuffers& buffers, bool smooth) {
    return [&buffers, smooth](const ViewState& view) -> const Picture& { return RenderPicture(view, {0, true, smooth}, buffers); };
}

int WriteViewFile(const RenderOptions& options, const ViewState& view, std::string_view title, const FrameDrawer& draw) {
    if (SceneFileFormatOf(options.output)) {
        const ExportResult result = WriteSceneFile(options.output, view, title);
        if (result.Ok()) return 0;
        std::cerr << "kiva-render: " << DescribeExportProblem(result, options.output) << "\n";
        return 1;
    }
    if (LabelLettering lettering; options.labels && !lettering.Font())
        std::cerr << "kiva-render: no labels: the DejaVu Sans Bold font (fonts-dejavu-core) is not installed\n";
    const ExportResult written = WritePngFile(options.output, draw(view));
    if (written.Ok()) return 0;
    std::cerr << "kiva-render: cannot write \"" << options.output << "\": " << written.detail << "\n";
    return 1;
}

int RenderPictureFile(const RenderOptions& options, const FrameDrawer& draw) {
    if (!options.animateFrames && AnimationFormatOf(options.output)) {
        std::cerr << "kiva-render: \"" << options.output << "\" is an animation's name: say how many frames with --animate N\n";
        return 1;
    }
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
        if (!options.heatingCurve.empty()) return WriteHeatingCurveFile(options, compound, data.phaseTable);
        if (options.state == DisplayState::Heating)
            return RenderHeatingFile(options, compound, data.elementTable, data.phaseTable, draw);
        if (options.state == DisplayState::CrystalSolid && compound.basisAtoms.empty())
            std::cerr << "No crystal structure.\nOnly single molecule available.\n";
        if (options.animateFrames) return WriteAnimationFile(options, compound, data.elementTable, draw);
        return WriteViewFile(options, PrepareView(options, compound, data.elementTable), TextOf(compound.name), draw);
    } catch (const FileException& error) {
        std::cerr << "kiva-render: " << error.what() << "\n";
        return 1;
    } catch (const SourceError& error) {
        std::cerr << "kiva-render: " << error.what() << (error.Format().empty() ? "" : " (" + error.Format() + ")") << "\n";
        return 1;
    }
    return 0;
}

}  // namespace kiva::render_tool
