// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/file_error_text.h"

#include <QCoreApplication>

#include "io/source_error.h"
#include "io/structure_format.h"
#include "platform/binary_archive.h"

namespace kiva {

QString CauseText(const FileException& error) {
    switch (error.cause()) {
    case FileException::Cause::OpenFailed: return QCoreApplication::translate("DocumentManager", "The file could not be opened.");
    case FileException::Cause::ReadError: return QCoreApplication::translate("DocumentManager", "The file could not be read.");
    case FileException::Cause::EndOfFile:
        return QCoreApplication::translate("DocumentManager", "The file ends before its molecule record does: it is damaged or not a molecule document.");
    case FileException::Cause::Malformed:
        return QCoreApplication::translate("DocumentManager", "The file's molecule record is damaged.");
    case FileException::Cause::WriteFailed: return QCoreApplication::translate("DocumentManager", "The file could not be written.");
    }
    return {};
}

QString SourceErrorText(const SourceError& error) {
    QString reason = QString::fromStdString(error.Reason());
    if (error.Format().empty()) {
        if (!reason.isEmpty()) reason[0] = reason[0].toUpper();  // the reason stands as a sentence of its own
        return reason + QLatin1Char('.');
    }
    const QString format = QString::fromStdString(error.Format());
    const QString where = error.Line() > 0 ? QCoreApplication::translate("DocumentManager", "line %1: ").arg(error.Line()) : QString();
    const QString kind = error.Format() == FormatName(StructureFormat::Molfile)
                             ? QCoreApplication::translate("DocumentManager", "The file is neither a Kiva document nor a readable %1").arg(format)
                             : QCoreApplication::translate("DocumentManager", "The file is not a readable %1").arg(format);
    return kind + QCoreApplication::translate("DocumentManager", ": ") + where + reason + QLatin1Char('.');
}

}  // namespace kiva
