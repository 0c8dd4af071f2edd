// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// File > Export Animation...: the view's turn, rock swing or liquid and gas motion as an animated
// GIF or an MP4 video, with a progress bar that cancels.
#include <QString>

#include "export/export_result.h"

class QWidget;

namespace kiva {

class MoleculeView;

// The words for a failed export of the file at `path`.
QString ExportProblemMessage(const ExportResult& result, const QString& path);

// Asks for the frames, the rate and the size, then the file, then writes it; failures are told
// over `owner`. The view and its motion stay as they were.
void RunExportAnimationCommand(const MoleculeView& view, QWidget* owner);

}  // namespace kiva
