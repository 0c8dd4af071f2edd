// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// File > Export Picture...: the view's shaded picture as a PNG file, at the view's size or
// another, on black or on white.
class QWidget;

namespace kiva {

class MoleculeView;

// Asks for the size and the background, then the file, then writes it; a failure is told over
// `owner` in one message and leaves no file under the chosen name.
void RunExportPictureCommand(const MoleculeView& view, QWidget* owner);

}  // namespace kiva
