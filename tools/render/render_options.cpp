// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/render/render_options.h"

#include <cmath>
#include <iostream>
#include <map>

#include "chem/text_lines.h"
#include "render/projection.h"
#include "render/scene_build.h"

namespace kiva::render_tool {

const char* const kRenderUsage =
    "usage: kiva-render NAME [--state unit|crystal|liquid|gas|heating] [--model ball|space] [--quality high|low]\n"
    "                   [--multiples X,Y,Z] [--axes] [--no-cell-frame] [--coordination] [--whole-molecules]\n"
    "                   [--labels] [--polyhedra] [--plane H,K,L[,OFFSET]] [--smooth] [--frames N] [--size N|WxH]\n"
    "                   [--rock] -o picture.png\n"
    "       kiva-render NAME --animate N [--fps F] [the options above] -o animation.gif|animation.mp4\n"
    "       kiva-render NAME [--state S] [--multiples X,Y,Z] [--whole-molecules] -o scene.xyz|scene.pdb\n"
    "       kiva-render NAME --state crystal [--multiples X,Y,Z] --polyhedra -o shapes.obj\n"
    "       kiva-render NAME --state heating [--temperature K] [--particles 64|216|512|1000] [--frames N] -o ...\n"
    "       kiva-render NAME --heating-curve curve.csv [--from K] [--to K] [--particles N]\n"
    "NAME is a substance of the catalogue beside the program, or the path of a file: a Kiva document,\n"
    "a CIF, an MDL molfile or SD file, an XYZ or a PDB file. --size gives the picture in pixels, a square\n"
    "of N or W by H, each side 64 to 8192; the default is 340. An animation turns the chemical unit or\n"
    "the crystal once about the picture's vertical axis (with --rock, swings it once), or shows the\n"
    "liquid's or the gas's motion; its first frame is the picture --frames gives. --labels names each\n"
    "atom by its element and charge, and the unit cell's edges a, b, c and origin O. A name ending in\n"
    ".xyz or .pdb writes the atoms the picture would show, in angstrom, instead of a picture.\n"
    "--polyhedra draws the crystal's coordination polyhedra see-through, around each cation or each\n"
    "atom of a covalent network with four to eight neighbours all shown; a name ending in .obj writes\n"
    "them as a Wavefront OBJ file, one object per polyhedron, in angstrom. --plane draws the lattice\n"
    "plane h x + k y + l z = OFFSET (1 without one) across the shown cells, each index -6 to 6.\n"
    "--smooth blends the edges of atoms, bonds and faces by how much of each edge pixel they cover.\n"
    "The heating state holds the copies of the substance at K kelvin (its start, room temperature or\n"
    "0.8 of the melting point, without one) and shows them after N steps of the run; an animation\n"
    "goes on from there. --heating-curve heats at a constant power from --from K (the start) to --to K\n"
    "(the top of the viewer's range) and writes a header line, then the heat added and the\n"
    "temperature after each step.\n";

namespace {

template <typename Value>
bool Choose(const std::map<std::string, Value>& choices, const std::string& word, Value& value) {
    const auto found = choices.find(word);
    if (found == choices.end()) return false;
    value = found->second;
    return true;
}

// "H,K,L" or "H,K,L,OFFSET": Miller indices from -6 to 6, not all 0, and the plane's offset.
bool ParsePlane(const std::string& text, LatticePlane& plane) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ',') parts.emplace_back();
        else parts.back() += c;
    }
    if (parts.size() != 3 && parts.size() != 4) return false;
    const auto h = ParseInt(parts[0]), k = ParseInt(parts[1]), l = ParseInt(parts[2]);
    if (!h || !k || !l) return false;
    plane.hkl = {*h, *k, *l};
    if (parts.size() == 4) {
        const auto offset = ParseFloat(parts[3]);
        if (!offset || std::fabs(*offset) > 100) return false;
        plane.offset = *offset;
    }
    return AreMillerIndices(plane.hkl);
}

bool ParseMultiples(const std::string& text, std::array<int, 3>& multiples) {
    std::string part;
    std::size_t axis = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ',') {
            part += text[i];
            continue;
        }
        const auto value = ParseInt(part);
        if (axis >= 3 || !value || *value < 1 || *value > 16) return false;
        multiples[axis++] = *value;
        part.clear();
    }
    return axis == 3;
}

}  // namespace

ParsedOptions ParseRenderOptions(const std::vector<std::string>& args) {
    static const std::map<std::string, DisplayState> states = {{"unit", DisplayState::ChemicalUnit},
                                                               {"crystal", DisplayState::CrystalSolid},
                                                               {"liquid", DisplayState::Liquid},
                                                               {"gas", DisplayState::Gas},
                                                               {"heating", DisplayState::Heating}};
    static const std::map<std::string, DisplayModel> models = {{"ball", DisplayModel::BallAndStick},
                                                               {"space", DisplayModel::SpaceFilling}};
    static const std::map<std::string, DisplayQuality> qualities = {{"high", DisplayQuality::High},
                                                                    {"low", DisplayQuality::Low}};
    RenderOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : "";
        bool ok = true;
        if (arg == "--axes") {
            options.axes = true;
            continue;
        } else if (arg == "--no-cell-frame") {
            options.cellFrame = false;
            continue;
        } else if (arg == "--coordination") {
            options.coordination = true;
            continue;
        } else if (arg == "--whole-molecules") {
            options.wholeMolecules = true;
            continue;
        } else if (arg == "--labels") {
            options.labels = true;
            continue;
        } else if (arg == "--rock") {
            options.rock = true;
            continue;
        } else if (arg == "--polyhedra") {
            options.polyhedra = true;
            continue;
        } else if (arg == "--smooth") {
            options.smooth = true;
            continue;
        } else if (arg == "--plane") {
            LatticePlane plane;
            ok = ParsePlane(value, plane);
            if (ok) options.plane = plane;
        } else if (arg == "--animate" || arg == "--fps") {
            // Any number here; one out of range is refused with the animation's own message.
            const auto number = ParseInt(value);
            ok = number.has_value();
            if (ok && arg == "--animate") options.animateFrames = *number;
            if (ok && arg == "--fps") options.framesPerSecond = *number;
        } else if (arg == "--temperature" || arg == "--from" || arg == "--to") {
            const auto kelvin = ParseFloat(value);
            ok = kelvin && *kelvin >= 0 && *kelvin <= 6000;
            if (ok) (arg == "--temperature" ? options.temperature : arg == "--from" ? options.fromKelvin : options.toKelvin) = *kelvin;
        } else if (arg == "--particles") {
            const auto copies = ParseInt(value);
            ok = copies && (*copies == 64 || *copies == 216 || *copies == 512 || *copies == 1000);
            if (ok) options.particles = static_cast<std::size_t>(*copies);
        } else if (arg == "--heating-curve") {
            ok = !value.empty();
            options.heatingCurve = value;
        } else if (arg == "--state") {
            ok = Choose(states, value, options.state);
        } else if (arg == "--model") {
            ok = Choose(models, value, options.model);
        } else if (arg == "--quality") {
            ok = Choose(qualities, value, options.quality);
        } else if (arg == "--multiples") {
            ok = ParseMultiples(value, options.multiples);
        } else if (arg == "--frames") {
            const auto frames = ParseInt(value);
            ok = frames && *frames >= 1 && *frames <= 100000;
            if (ok) options.frames = *frames;
        } else if (arg == "--size") {
            const auto size = ParsePictureSize(value);
            ok = size.has_value();
            if (ok) options.size = *size;
        } else if (arg == "-o") {
            ok = !value.empty();
            options.output = value;
        } else if (!arg.empty() && arg[0] == '-') {
            return {std::nullopt, "kiva-render: unknown option " + arg + "\n" + kRenderUsage};
        } else if (options.name.empty()) {
            options.name = arg;
            continue;
        } else {
            return {std::nullopt, "kiva-render: one substance at a time\n" + std::string(kRenderUsage)};
        }
        if (!hasValue || !ok) return {std::nullopt, "kiva-render: bad value for " + arg + "\n" + kRenderUsage};
        ++i;
    }
    if (options.name.empty() || (options.output.empty() && options.heatingCurve.empty()))
        return {std::nullopt, "kiva-render: name a substance and an output file\n" + std::string(kRenderUsage)};
    return {options, ""};
}

std::optional<PictureArea> ParsePictureSize(const std::string& text) {
    const std::size_t cross = text.find('x');
    const auto width = ParseInt(text.substr(0, cross));
    const auto height = cross == std::string::npos ? width : ParseInt(text.substr(cross + 1));
    if (!width || !height) return std::nullopt;
    const PictureArea area{*width, *height};
    if (!(BoundedPictureArea(area.width, area.height) == area)) return std::nullopt;
    return area;
}

std::optional<RenderOptions> ReadCommandLine(int argc, char** argv) {
    ParsedOptions parsed = ParseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) std::cerr << parsed.error;
    return parsed.options;
}

ViewState PrepareView(const RenderOptions& options, const CompoundRecord& compound, const ElementTable& elements) {
    MotionTables motion = InitialMotionTables();  // every picture starts from the same motion
    return PrepareView(options, compound, elements, motion, options.frames);
}

ViewState ViewOfOptions(const RenderOptions& options) {
    ViewState view;
    view.displayState = options.state;
    view.displayModel = options.model;
    view.displayQuality = options.quality;
    view.cellMultiples = options.multiples;
    view.showAxes = options.axes;
    view.showCellFrame = options.cellFrame;
    view.showCoordination = options.coordination;
    if (options.rock) view.mouseMode = MouseMode::Rock;
    view.pictureArea = options.size;
    view.wholeMolecules = options.wholeMolecules;
    view.showLabels = options.labels;
    view.showPolyhedra = options.polyhedra;
    view.latticePlane = options.plane;
    return view;
}

ViewState PrepareView(const RenderOptions& options, const CompoundRecord& compound, const ElementTable& elements,
                      MotionTables& motion, int projections) {
    ViewState view = ViewOfOptions(options);
    if (view.displayState == DisplayState::CrystalSolid && compound.basisAtoms.empty())
        view.displayState = DisplayState::ChemicalUnit;
    BuildCellVectors(view, compound.cell);
    BuildScene(view, compound, elements);
    ResetView(view);
    for (int frame = 0; frame < projections; ++frame) ProjectScene(view, motion);
    return view;
}

}  // namespace kiva::render_tool
