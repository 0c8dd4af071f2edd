// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/desktop_integration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/desktop_entry.h"

// The files live in the static library's resources, which a program must load explicitly.
static void LoadDesktopResources() { Q_INIT_RESOURCE(desktop); }

namespace kiva {

namespace {

struct DesktopFile {
    QString resource;  // the installed file's content, built into the program
    QString place;     // where it goes under a data directory
};

const DesktopFile kEntry{QStringLiteral(":/desktop/kiva.desktop"), QStringLiteral("applications/kiva.desktop")};
const DesktopFile kFileType{QStringLiteral(":/desktop/kiva-molecule.xml"),
                            QStringLiteral("mime/packages/kiva-molecule.xml")};
const DesktopFile kIcon{QStringLiteral(":/desktop/kiva.svg"), QStringLiteral("icons/hicolor/scalable/apps/kiva.svg")};

bool HeldAnywhere(const DesktopPlaces& places, const QString& place) {
    if (QFileInfo::exists(places.dataHome + QLatin1Char('/') + place)) return true;
    for (const QString& dir : places.dataDirs)
        if (QFileInfo::exists(dir + QLatin1Char('/') + place)) return true;
    return false;
}

QByteArray ResourceBytes(const QString& resource) {
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program an entry written earlier starts, from its first Exec line.
QString RegisteredProgram(const QString& entryPath) {
    QFile file(entryPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("Exec="))
            return QString::fromStdString(DesktopExecProgram(line.mid(5).toStdString()));
    return {};
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    return WriteDesktopFile(QFile::encodeName(path).toStdString(), bytes.toStdString());
}

// Output and failures of the tools are of no interest: a desktop without them simply does not learn.
void RunQuietly(const QString& tool, const QString& directory) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return;
    QProcess process;
    process.setProgram(program);
    process.setArguments({directory});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

}  // namespace

DesktopPlaces UserDesktopPlaces() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty()) dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    return {dataHome, dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)};
}

QString ExecLineFor(const QString& programPath) {
    return QString::fromStdString(DesktopExecLine({programPath.toStdString()}));
}

QStringList RegisterWithDesktop(const DesktopPlaces& places, const QString& programPath, bool runUpdateTools) {
    LoadDesktopResources();
    QStringList written;
    const auto install = [&](const DesktopFile& file, QByteArray bytes, bool replace = false) {
        const QString target = places.dataHome + QLatin1Char('/') + file.place;
        if ((replace || !HeldAnywhere(places, file.place)) && !bytes.isEmpty() && WriteFile(target, bytes))
            written << target;
    };
    QByteArray entry = ResourceBytes(kEntry.resource);
    entry.replace("Exec=kiva ", "Exec=" + ExecLineFor(programPath).toUtf8() + ' ');
    // The user's entry is taken over when the copy it starts is gone, so files never open in a
    // program that no longer exists; an entry for a copy that still runs is left to its owner.
    const QString userEntry = places.dataHome + QLatin1Char('/') + kEntry.place;
    const QString registered = RegisteredProgram(userEntry);
    install(kEntry, entry,
            QFileInfo(registered).isAbsolute() && registered != programPath && !QFileInfo(registered).isExecutable());
    install(kIcon, ResourceBytes(kIcon.resource));
    install(kFileType, ResourceBytes(kFileType.resource));
    if (runUpdateTools && !written.isEmpty()) {
        RunQuietly(QStringLiteral("update-mime-database"), places.dataHome + QStringLiteral("/mime"));
        RunQuietly(QStringLiteral("update-desktop-database"), places.dataHome + QStringLiteral("/applications"));
    }
    return written;
}

}  // namespace kiva
