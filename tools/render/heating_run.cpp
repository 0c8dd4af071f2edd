// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/render/heating_run.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

#include "chem/fixed_text.h"
#include "export/pending_file.h"
#include "matter/constant_power_curve.h"
#include "matter/heating_curve_csv.h"
#include "matter/matter_scene.h"
#include "render/render_workers.h"
#include "tools/render/animation_run.h"
#include "tools/render/render_run.h"

namespace kiva::render_tool {

namespace {

std::optional<HeatingSession> StartRun(const RenderOptions& options, const CompoundRecord& compound,
                                       const PhaseTable& phases) {
    const std::string name(TextOf(compound.name));
    const PhasePointsRow* row = phases.Find(name);
    std::optional<HeatingSession> session =
        row ? HeatingSession::Start(row->points, options.particles, kDefaultSeed, RenderThreadCount(), SharedRenderWorkers())
            : std::nullopt;
    if (!session) std::cerr << "kiva-render: there are no melting and boiling points for \"" << name << "\" to heat it by\n";
    return session;
}

// A temperature beyond the run's range would be held at the range's end: refused instead.
bool WithinRange(const HeatingSession& session, double kelvin, const char* option) {
    if (kelvin <= session.HighestKelvin()) return true;
    std::cerr << "kiva-render: " << option << " " << kelvin << ": this substance is heated from 0 to "
              << session.HighestKelvin() << " K\n";
    return false;
}

}  // namespace

int RenderHeatingFile(const RenderOptions& options, const CompoundRecord& compound, const ElementTable& elements,
                      const PhaseTable& phases, const FrameDrawer& draw) {
    std::optional<HeatingSession> session = StartRun(options, compound, phases);
    if (!session) return 1;
    const double kelvin = options.temperature.value_or(StartKelvin(session->Points()));
    if (!WithinRange(*session, kelvin, "--temperature")) return 1;
    session->HoldAt(kelvin);
    session->Advance(options.frames);

    ViewState view = ViewOfOptions(options);
    const CopyShape shape = BuildHeatingScene(view, compound, elements, options.particles);
    if (shape.offsets.empty()) {
        std::cerr << "kiva-render: " << options.particles << " copies of \"" << TextOf(compound.name)
                  << "\" are more atoms than a picture holds\n";
        return 1;
    }
    PlaceCopies(view, shape, session->Run());
    ResetHeatingView(view, shape, session->Run());
    MotionTables motion = InitialMotionTables();
    ProjectScene(view, motion);
    if (!options.animateFrames) return WriteViewFile(options, view, TextOf(compound.name), draw);
    auto run = std::make_shared<HeatingSession>(std::move(*session));
    return WriteAnimation(options, view, motion, draw, [run, shape](ViewState& frame) {
        run->Advance(kHeatingStepsPerFrame);
        PlaceCopies(frame, shape, run->Run());
    });
}

int WriteHeatingCurveFile(const RenderOptions& options, const CompoundRecord& compound, const PhaseTable& phases) {
    std::optional<HeatingSession> session = StartRun(options, compound, phases);
    if (!session) return 1;
    const double from = options.fromKelvin.value_or(StartKelvin(session->Points()));
    const double to = options.toKelvin.value_or(session->HighestKelvin());
    if (!WithinRange(*session, from, "--from") || !WithinRange(*session, to, "--to")) return 1;

    PendingFile file(options.heatingCurve);
    if (!file.Created()) {
        std::cerr << "kiva-render: cannot create \"" << options.heatingCurve << "\": " << file.Reason() << "\n";
        return 1;
    }
    std::ofstream out(file.TemporaryPath(), std::ios::binary | std::ios::trunc);
    out << kHeatingCurveHeader << '\n';
    std::string rows;
    const bool reached = TakeConstantPowerCurve(*session, from, to, [&](const HeatingCurvePoint& point) {
        AppendHeatingCurveRow(rows, point);
        if (rows.size() > (1u << 16)) {
            out << rows;
            rows.clear();
        }
    });
    out << rows;
    out.close();
    if (!out || !file.Commit()) {
        std::cerr << "kiva-render: cannot write \"" << options.heatingCurve << "\"" << (file.Reason().empty() ? "" : ": " + file.Reason()) << "\n";
        return 1;
    }
    if (session->Decomposed())
        std::cerr << "kiva-render: " << TextOf(compound.name) << " decomposes at " << *session->Points().meltingK
                  << " K before it melts: the curve ends there\n";
    else if (!reached)
        std::cerr << "kiva-render: the run did not reach " << to << " K in " << kMaxCurveSteps << " steps: the curve ends there\n";
    return 0;
}

}  // namespace kiva::render_tool
