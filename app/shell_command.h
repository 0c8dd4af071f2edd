// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the viewer was started to do, as its command line says: open files (the default), print
// them (/p or -p FILE), print one to a named printer (/pt FILE PRINTER [DRIVER PORT]), or show
// only its help (--help-topics, the installer's help item), or write a lesson handout to a PDF
// file (--handout FILE|NAME -o OUTPUT).
#include <QString>
#include <QStringList>

namespace kiva {

struct ShellCommand {
    enum class Kind { Open, Print, PrintTo, HelpTopics, Handout };
    Kind kind = Kind::Open;
    QStringList files;
    QString printer;  // for PrintTo; the driver and port of the old print-to verb mean nothing here
    QString handoutSource;  // for Handout: a structure file or document, or a catalogue name
    QString output;         // for Handout: the PDF file to write (-o)
};

// The flags are told in any letter case and with either prefix; every other argument is a file,
// except the printer, driver and port that follow the file of /pt, and the words that follow
// --handout and -o.
ShellCommand ParseShellCommand(const QStringList& arguments);

// What `kiva --help` prints: every way of starting the viewer, one option a line.
extern const char* const kShellUsage;
// What `kiva --version` prints: "kiva" and the version, on a line.
extern const char* const kShellVersion;

}  // namespace kiva
