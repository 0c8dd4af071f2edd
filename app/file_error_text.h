// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Why a file could not be read or written, in a sentence for the user.
#include <QString>

namespace kiva {

class FileException;
class SourceError;

QString CauseText(const FileException& error);
// What a reader found wrong with a file of a standard format: "The file is not a readable CIF:
// line 12: _cell_length_a is not a number."
QString SourceErrorText(const SourceError& error);

}  // namespace kiva
