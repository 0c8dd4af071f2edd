// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/handout_file.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTextStream>
#include <optional>

#include "app/file_error_text.h"
#include "app/kiva_doc.h"
#include "app/shell_command.h"
#include "chem/shared_data.h"
#include "export/pending_file.h"
#include "io/source_error.h"
#include "platform/binary_archive.h"
#include "view/commands.h"
#include "view/handout.h"
#include "view/quiet_view_host.h"

namespace kiva {

namespace {

int Fail(QTextStream& errors, const QString& message) {
    errors << "kiva: " << message << Qt::endl;
    return 1;
}

// A handout's substance and whether the catalogue gave it.
struct HandoutSource {
    CompoundRecord compound;
    bool fromCatalogue = false;
};

// The structure a file holds, or the catalogue's record of that name; nothing after a message.
std::optional<HandoutSource> LoadSource(const QString& source, QTextStream& errors) {
    const QString path = QDir::toNativeSeparators(source);
    if (QFileInfo::exists(source)) {
        CKivaDoc document(QFileInfo(source).fileName());
        try {
            document.OnOpenDocument(QFileInfo(source).absoluteFilePath());
            return HandoutSource{document.compound, document.FromCatalogue()};
        } catch (const FileException& error) {
            Fail(errors, QStringLiteral("cannot open \"%1\": %2").arg(path, CauseText(error)));
        } catch (const SourceError& error) {
            Fail(errors, QStringLiteral("cannot open \"%1\": %2").arg(path, SourceErrorText(error)));
        } catch (const std::exception&) {
            Fail(errors, QStringLiteral("cannot open \"%1\": The file is not a molecule document.").arg(path));
        }
        return std::nullopt;
    }
    const SharedData& data = TheSharedData();
    CompoundRecord compound;
    try {
        if (LoadCompoundByName(data.moleculeIndex, data.moleculeDataPath, source.toStdString(), compound))
            return HandoutSource{std::move(compound), true};
    } catch (const FileException& error) {
        Fail(errors, QStringLiteral("cannot read the catalogue: %1").arg(QString::fromStdString(error.what())));
        return std::nullopt;
    }
    Fail(errors, QStringLiteral("\"%1\" is neither a file nor a substance of the catalogue.").arg(source));
    return std::nullopt;
}

void SetUpHandoutPrinter(QPrinter& printer, const QString& file, const QString& title) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setResolution(kHandoutFileDotsPerInch);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("Kiva"));
}

}  // namespace

int WriteHandoutFile(const ShellCommand& command, QTextStream& errors) {
    if (command.handoutSource.isEmpty() || command.output.isEmpty() || !command.files.isEmpty())
        return Fail(errors, QStringLiteral("usage: kiva --handout FILE|NAME -o OUTPUT.pdf"));
    const std::optional<HandoutSource> source = LoadSource(command.handoutSource, errors);
    if (!source) return 1;
    QuietViewHost host;
    MoleculeView view(source->compound, TheSharedData().elementTable, host);
    if (!view.HoldsStructure())
        return Fail(errors, QStringLiteral("\"%1\" holds no structure to show.").arg(command.handoutSource));
    view.OnUpdate();
    if (view.HasCrystalData()) view.RunCommand(command::CrystalSolid);
    const SubstanceFacts facts = FactsOfDocument(source->compound, source->fromCatalogue, TheSharedData().moleculeIndex);

    const QString output = QDir::toNativeSeparators(command.output);
    PendingFile pending(command.output.toStdString());
    if (!pending.Created())
        return Fail(errors, QStringLiteral("cannot write \"%1\": %2").arg(output, QString::fromStdString(pending.Reason())));
    QPrinter printer(QPrinter::HighResolution);
    SetUpHandoutPrinter(printer, QString::fromStdString(pending.TemporaryPath()), QString::fromStdString(facts.name));
    if (!PrintHandout(printer, view, facts)) return Fail(errors, QStringLiteral("cannot write \"%1\".").arg(output));
    if (!pending.Commit())
        return Fail(errors, QStringLiteral("cannot write \"%1\": %2").arg(output, QString::fromStdString(pending.Reason())));
    return 0;
}

}  // namespace kiva
