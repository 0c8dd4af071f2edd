// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// `kiva --handout FILE|NAME -o OUTPUT`: the lesson handout of a structure file, a document or a
// catalogue substance written to a PDF file without a window.
#include <QString>

class QTextStream;

namespace kiva {

struct ShellCommand;

// The page of a written handout: A4 at 300 dots an inch.
inline constexpr int kHandoutFileDotsPerInch = 300;

// Writes the handout; 0 when the file is complete, otherwise 1 after one line on `errors`, with
// no file left under the output's name (one that was there before stays as it was). A crystal is
// shown as its unit cell, a molecule as its chemical unit.
int WriteHandoutFile(const ShellCommand& command, QTextStream& errors);

}  // namespace kiva
