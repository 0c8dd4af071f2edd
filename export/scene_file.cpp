// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/scene_file.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "chem/fixed_text.h"
#include "export/file_names.h"
#include "export/pending_file.h"
#include "render/polyhedra.h"

namespace kiva {

namespace {

std::string Line(const char* format, auto... values) {
    char text[128];
    const int length = std::snprintf(text, sizeof text, format, values...);
    return std::string(text, static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(sizeof text) - 1)));
}

std::string ElementOf(const SceneAtom& atom) { return std::string(ElementKey(TextOf(atom.symbol))); }

}  // namespace

std::optional<SceneFileFormat> SceneFileFormatOf(std::string_view path) {
    if (EndsWithCaseless(path, ".xyz")) return SceneFileFormat::Xyz;
    if (EndsWithCaseless(path, ".pdb")) return SceneFileFormat::Pdb;
    if (EndsWithCaseless(path, ".obj")) return SceneFileFormat::Obj;
    return std::nullopt;
}

std::string FormatSceneXyz(const ViewState& view, std::string_view title) {
    std::string text = std::to_string(view.atoms.size()) + "\n";
    std::string firstLine(title.substr(0, title.find('\n')));
    text += firstLine + "\n";
    for (const SceneAtom& atom : view.atoms.items)
        text += Line("%-2s %12.5f %12.5f %12.5f\n", ElementOf(atom).c_str(), static_cast<double>(atom.position.x),
                     static_cast<double>(atom.position.y), static_cast<double>(atom.position.z));
    return text;
}

std::optional<std::string> FormatScenePdb(const ViewState& view) {
    if (view.atoms.size() > kMaxPdbAtoms) return std::nullopt;
    const float share = view.displayModel == DisplayModel::BallAndStick ? 3.0f : 1.0f;
    std::string text;
    for (std::size_t i = 0; i < view.atoms.size(); ++i) {
        const SceneAtom& atom = view.atoms[i];
        const std::string element = ElementOf(atom);
        const std::string name = element.size() == 1 ? " " + element : element;  // the element in columns 13-14
        const float radius = std::max(atom.radius, 0.5f) / share;
        text += Line("ATOM  %5zu %-4s UNK A%4zu    %8.3f%8.3f%8.3f  1.00%6.2f          %2s\n", i + 1, name.c_str(),
                     i % 10000, static_cast<double>(atom.position.x), static_cast<double>(atom.position.y),
                     static_cast<double>(atom.position.z), static_cast<double>(radius), element.c_str());
    }
    return text + "END\n";
}

std::string FormatPolyhedraObj(const ViewState& view, std::string_view title) {
    std::string text = "# Coordination polyhedra of " + std::string(title.substr(0, title.find('\n'))) + "\n";
    text += "# One object per polyhedron, named by its centre; vertices in angstrom\n";
    std::size_t vertices = 0;
    for (const Polyhedron& polyhedron : CoordinationPolyhedra(view)) {
        text += "o " + ElementOf(view.atoms[static_cast<std::size_t>(polyhedron.centre)]) + "_" + std::to_string(polyhedron.centre + 1) + "\n";
        for (const int corner : polyhedron.corners) {
            const Vector3D& p = view.atoms[static_cast<std::size_t>(corner)].position;
            text += Line("v %.5f %.5f %.5f\n", static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z));
        }
        for (const std::vector<int>& face : polyhedron.faces) {
            text += "f";
            for (const int corner : face) text += " " + std::to_string(vertices + static_cast<std::size_t>(corner) + 1);
            text += "\n";
        }
        vertices += polyhedron.corners.size();
    }
    return text;
}

ExportResult WriteSceneFile(const std::string& path, const ViewState& view, std::string_view title) {
    const auto format = SceneFileFormatOf(path);
    if (!format) return {ExportProblem::UnknownFormat, path};
    std::optional<std::string> text = *format == SceneFileFormat::Xyz   ? FormatSceneXyz(view, title)
                                      : *format == SceneFileFormat::Obj ? FormatPolyhedraObj(view, title)
                                                                        : FormatScenePdb(view);
    if (!text) return {ExportProblem::TooManyAtoms, std::to_string(view.atoms.size())};
    PendingFile file(path);
    if (!file.Created()) return {ExportProblem::CannotCreate, file.Reason()};
    {
        std::ofstream out(file.TemporaryPath(), std::ios::binary | std::ios::trunc);
        out << *text;
        out.flush();
        if (!out) return {ExportProblem::CannotWrite, "the disk may be full"};
    }
    if (!file.Commit()) return {ExportProblem::CannotCreate, file.Reason()};
    return {};
}

}  // namespace kiva
