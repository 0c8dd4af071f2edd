// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// kiva-render's command line, and the picture it describes, without any window system.
#include <optional>
#include <string>
#include <vector>

#include "chem/compound_record.h"
#include "chem/element_table.h"
#include "render/projection.h"
#include "render/view_state.h"

namespace kiva::render_tool {

struct RenderOptions {
    std::string name;  // a catalogue name, or the path of a document, CIF, molfile, SD, XYZ or PDB file
    std::string output;  // a picture (.png), an animation (.gif, .mp4), the scene's atoms (.xyz, .pdb) or its polyhedra (.obj)
    DisplayState state = DisplayState::ChemicalUnit;
    DisplayModel model = DisplayModel::BallAndStick;
    DisplayQuality quality = DisplayQuality::High;
    std::array<int, 3> multiples{1, 1, 1};
    bool axes = false;
    bool cellFrame = true;
    bool coordination = false;
    bool wholeMolecules = false;
    bool labels = false;  // atom labels, and the cell's edges named
    bool polyhedra = false;  // the crystal's coordination polyhedra
    bool smooth = false;     // edges blended by their pixels' coverage
    std::optional<LatticePlane> plane;  // a lattice plane across the shown cells
    int frames = 1;
    PictureArea size;  // device pixels
    bool rock = false;       // the crystal and the chemical unit swing, as in the Rock mouse mode
    std::optional<int> animateFrames;  // an animation of that many frames instead of a picture
    int framesPerSecond = 12;
    // The heating state: the set temperature in kelvin (the start's without one), the copies,
    // and the steps of the run (--frames) before the picture.
    std::optional<double> temperature;
    std::size_t particles = 216;
    std::string heatingCurve;  // a constant-power heating curve's CSV file instead of a picture
    std::optional<double> fromKelvin, toKelvin;
};

// The options, or an error message for standard error.
struct ParsedOptions {
    std::optional<RenderOptions> options;
    std::string error;
};
ParsedOptions ParseRenderOptions(const std::vector<std::string>& args);

// "W" for a square or "WxH", each side within the picture limits.
std::optional<PictureArea> ParsePictureSize(const std::string& text);

// A program's command line read as above; without options, the message is on standard error.
std::optional<RenderOptions> ReadCommandLine(int argc, char** argv);

extern const char* const kRenderUsage;

// Builds, resets and projects the compound as a new view would (`projections` times, moving
// `motion` from its start), with the crystalline solid falling back to the chemical unit where
// there is no crystal.
ViewState PrepareView(const RenderOptions& options, const CompoundRecord& compound, const ElementTable& elements,
                      MotionTables& motion, int projections);
// The view's settings from the options, before any scene is built.
ViewState ViewOfOptions(const RenderOptions& options);
// The same for the picture: options.frames projections from the motion's start.
ViewState PrepareView(const RenderOptions& options, const CompoundRecord& compound, const ElementTable& elements);

}  // namespace kiva::render_tool
