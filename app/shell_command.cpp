// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/shell_command.h"

namespace kiva {

namespace {

bool IsFlag(const QString& argument, const QString& name) {
    if (argument.size() < 2 || (argument[0] != QLatin1Char('/') && argument[0] != QLatin1Char('-'))) return false;
    return argument.mid(1).compare(name, Qt::CaseInsensitive) == 0;
}

}  // namespace

const char* const kShellUsage =
    "usage: kiva [FILE...]\n"
    "       kiva -p FILE...\n"
    "       kiva -pt FILE PRINTER\n"
    "       kiva --handout FILE|NAME -o OUTPUT.pdf\n"
    "       kiva --help-topics | --help | --version\n"
    "Opens each FILE (a Kiva document, a CIF, MDL molfile, SD, XYZ or PDB file) in a window of its own.\n"
    "  -p FILE...          print the files on the printer of File > Print Setup, then end\n"
    "  -pt FILE PRINTER    print the file on the printer named PRINTER, then end\n"
    "                      (/p and /pt are the same; either is told in any letter case)\n"
    "  --handout FILE|NAME -o OUTPUT.pdf\n"
    "                      write the lesson handout of a structure file or of a catalogue\n"
    "                      substance to a PDF file, without a window\n"
    "  --help-topics       show only the help window\n"
    "  --help, -h          show this usage and end\n"
    "  --version           show the version and end\n";

const char* const kShellVersion = "kiva " KIVA_VERSION "\n";

ShellCommand ParseShellCommand(const QStringList& arguments) {
    ShellCommand command;
    QStringList plain;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--handout")) {
            command.kind = ShellCommand::Kind::Handout;
            command.handoutSource = arguments.value(++i);
        } else if (argument == QStringLiteral("-o")) {
            command.output = arguments.value(++i);
        } else if (IsFlag(argument, QStringLiteral("p")))
            command.kind = ShellCommand::Kind::Print;
        else if (IsFlag(argument, QStringLiteral("pt")))
            command.kind = ShellCommand::Kind::PrintTo;
        else if (argument == QStringLiteral("--help-topics"))
            command.kind = ShellCommand::Kind::HelpTopics;
        else
            plain << argument;
    }
    if (command.kind == ShellCommand::Kind::PrintTo) {
        command.files = plain.mid(0, 1);
        command.printer = plain.value(1);
    } else if (command.kind != ShellCommand::Kind::HelpTopics) {
        command.files = plain;
    }
    return command;
}

}  // namespace kiva
