// SPDX-License-Identifier: GPL-2.0-or-later
// A document taken through every state a view shows: the crystal, the chemical unit, the liquid
// and the gas, each drawn once in both models at both qualities, with the overlays, a drag and
// the picks of a measurement. The document's version bytes, which the reader skips, choose the
// view's settings, so every document the viewer saves is a seed.
#include <QImage>
#include <QPainter>

#include "chem/document_file.h"
#include "chem/element_table.h"
#include "fuzz/fuzz_support.h"
#include "platform/binary_archive.h"
#include "platform/painter_canvas.h"
#include "tests/support/quiet_host.h"
#include "view/commands.h"
#include "view/molecule_view.h"

using namespace kiva;
using namespace kiva::fuzz;

namespace {

struct Settings {
    std::array<int, 3> cellMultiples;  // 1 to 4 along each axis: more cells only repeat the same work
    std::vector<int> commands;         // overlays, mouse mode, zoom and measurement, run after each state change
    int screenBitsPerPixel;
};

// Version byte 0 holds the multiples, byte 1 the switches, byte 2 the measurement.
Settings SettingsOf(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    Settings settings{{1 + static_cast<int>(byte(0) & 3), 1 + static_cast<int>(byte(0) >> 2 & 3), 1 + static_cast<int>(byte(0) >> 4 & 3)},
                      {},
                      byte(1) & 16 ? 8 : 24};
    const int switches[] = {command::Axes, command::Coordination, command::CellFrame, command::Rock};
    for (int bit = 0; bit < 4; ++bit)
        if (byte(1) >> bit & 1) settings.commands.push_back(switches[bit]);
    if (byte(1) & 32) settings.commands.push_back(command::ZoomIn);
    if (byte(1) & 64) settings.commands.push_back(command::ZoomOut);
    const int measurements[] = {command::Position, command::Distance, command::Angle, command::TorsionAngle};
    settings.commands.push_back(measurements[byte(2) & 3]);
    return settings;
}

// A drag that turns the model, then a click on each of the first atoms, as a measurement picks them.
void UseTheMouse(MoleculeView& view) {
    view.MousePress({170, 170});
    view.MouseMove({181, 163});
    view.MouseRelease({181, 163});
    const auto& atoms = view.State().atoms.items;
    for (std::size_t i = 0; i < atoms.size() && i < 4; ++i) {
        const PicturePoint at = ScreenPoint(atoms[i].picture);
        view.MouseMove(at);
        view.MousePress(at);
        view.MouseRelease(at);
    }
}

void DrawBothQualities(MoleculeView& view, QImage& image) {
    view.RunCommand(command::HighQuality);
    view.RenderPicture();
    view.RunCommand(command::LowQuality);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    view.DrawLowQuality(canvas);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ElementTable elements = MakeDefaultElementTable();
    const std::string_view bytes = BytesOf(data, size);
    CompoundRecord compound;
    try {
        ArchiveReader reader = ArchiveReader::FromBytes(std::string(bytes), "fuzz.mol");
        LoadDocument(compound, reader);
    } catch (const FileException&) {
        return 0;
    }
    const Settings settings = SettingsOf(bytes);
    MotionTables motion = InitialMotionTables();
    testing::QuietHost host;
    MoleculeView view(compound, elements, host, motion);
    view.State().screenBitsPerPixel = settings.screenBitsPerPixel;
    QImage image(kPictureSize, kPictureSize, QImage::Format_RGB32);

    view.OnUpdate();
    for (const int state : {command::CrystalSolid, command::ChemicalUnit, command::Liquid, command::Gas}) {
        view.RunCommand(state);
        if (state == command::CrystalSolid) view.SetCellMultiples(settings.cellMultiples);
        for (const int command : settings.commands) view.RunCommand(command);
        view.AnimateStep();
        UseTheMouse(view);
        for (const int model : {command::BallAndStick, command::SpaceFilling}) {
            view.RunCommand(model);
            DrawBothQualities(view, image);
        }
    }
    view.RenderPicture(view.Area(), {255, true});
    return 0;
}
