// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/document_manager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QRegularExpression>

#include "app/child_frame.h"
#include "app/file_error_text.h"
#include "app/kiva_doc.h"
#include "io/source_error.h"
#include "io/structure_format.h"
#include "platform/binary_archive.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "view/kiva_view.h"

namespace kiva {

namespace {

bool EndsWithDocumentExtension(const QString& path, const QString& extension) {
    return path.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive);
}

// A file a save must not replace: one that holds something other than a Kiva document.
bool IsForeignFile(const QString& path) {
    QFile file(path);
    if (!file.exists() || file.size() == 0) return false;
    if (!file.open(QIODevice::ReadOnly)) return true;
    const QByteArray head = file.read(16);
    return !LooksLikeDocument(std::string_view(head.constData(), static_cast<std::size_t>(head.size())));
}

// One message per failed file, captioned with the application's name as the framework's are.
void ReportFileError(QWidget* owner, const QString& action, const QString& path, const QString& reason) {
    ShowMessageBox({owner, QStringLiteral("Molecule"),
                    QCoreApplication::translate("DocumentManager", "%1 \"%2\".\n%3").arg(action, QDir::toNativeSeparators(path), reason),
                    MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace

DocumentManager::DocumentManager(QMdiArea& area) : area_(area) {}

// The windows go first, so no view outlives the record it shows; closed windows that wait for
// their deletion are no longer listed by the area but are its children still.
DocumentManager::~DocumentManager() {
    for (CChildFrame* frame : area_.findChildren<CChildFrame*>()) delete frame;
}

CChildFrame* DocumentManager::NewDocument() {
    const QString title = template_.untitledName + QString::number(++untitledCount_);
    return CreateFrame(Adopt(std::make_unique<CKivaDoc>(title)));
}

CChildFrame* DocumentManager::OpenDocument(const QString& path) {
    auto document = std::make_unique<CKivaDoc>(QFileInfo(path).fileName());
    try {
        document->OnOpenDocument(path);
    } catch (const FileException& error) {
        ReportFileError(area_.window(), QCoreApplication::translate("DocumentManager", "Cannot open"), path, CauseText(error));
        return nullptr;
    } catch (const SourceError& error) {
        ReportFileError(area_.window(), QCoreApplication::translate("DocumentManager", "Cannot open"), path, SourceErrorText(error));
        return nullptr;
    } catch (const std::exception&) {
        ReportFileError(area_.window(), QCoreApplication::translate("DocumentManager", "Cannot open"), path,
                        QCoreApplication::translate("DocumentManager", "The file is not a molecule document."));
        return nullptr;
    }
    CKivaDoc& opened = Adopt(std::move(document));
    emit fileUsed(opened.PathName());
    return CreateFrame(opened);
}

CChildFrame* DocumentManager::NewWindow(CKivaDoc& document) { return CreateFrame(document); }

void DocumentManager::CloseDocument(CKivaDoc& document) {
    for (QMdiSubWindow* window : area_.subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && &frame->Document() == &document) frame->close();
    }
}

bool DocumentManager::SaveDocument(CKivaDoc& document) {
    const QFileInfo file(document.PathName());
    if (document.PathName().isEmpty() || document.IsImported() || !file.isFile() || !file.isWritable())
        return SaveDocumentAs(document);
    return SaveTo(document, document.PathName());
}

bool DocumentManager::SaveDocumentAs(CKivaDoc& document) {
    QString proposed = document.PathName();
    if (document.IsImported()) {
        // NaCl.cif proposes NaCl.mol beside it; a molfile benzene.mol proposes benzene-kiva.mol.
        const QFileInfo source(proposed);
        proposed = source.dir().filePath(source.completeBaseName() + QLatin1Char('.') + template_.extension);
        if (IsForeignFile(proposed))
            proposed = source.dir().filePath(source.completeBaseName() + QStringLiteral("-kiva.") + template_.extension);
    } else if (proposed.isEmpty()) {
        // A title such as "NaCl - (Ionic)" proposes "NaCl.mol": the name up to its first blank.
        static const QRegularExpression dubious(QStringLiteral("[ #%;/\\\\]"));
        proposed = document.Title().section(dubious, 0, 0);
    }
    // CaSO4.2H2O proposes CaSO4.2H2O.mol: a dot in a substance's name is no extension.
    if (!EndsWithDocumentExtension(proposed, template_.extension)) proposed += QLatin1Char('.') + template_.extension;
    const QString path = ChooseFile({area_.window(), true, proposed, template_.filterName, template_.extension});
    if (path.isEmpty()) return false;
    return SaveTo(document, path);
}

bool DocumentManager::SaveTo(CKivaDoc& document, const QString& path) {
    if (IsForeignFile(path)) {
        ReportFileError(area_.window(), QCoreApplication::translate("DocumentManager", "Cannot save"), path,
                        QCoreApplication::translate("DocumentManager", "The file is not a Kiva document, and Kiva does not write over files of other "
                                       "kinds. Choose another name."));
        return false;
    }
    try {
        document.OnSaveDocument(path);
    } catch (const FileException& error) {
        ReportFileError(area_.window(), QCoreApplication::translate("DocumentManager", "Cannot save"), path, CauseText(error));
        return false;
    }
    emit fileUsed(document.PathName());
    return true;
}

CKivaDoc& DocumentManager::Adopt(std::unique_ptr<CKivaDoc> owned) {
    CKivaDoc& document = *owned;
    documents_.push_back(std::move(owned));
    // Queued: the document goes once the emission that announced its last view is over.
    connect(&document, &CKivaDoc::lastViewClosed, this, &DocumentManager::ForgetDocument, Qt::QueuedConnection);
    return document;
}

CChildFrame* DocumentManager::CreateFrame(CKivaDoc& document) {
    auto* view = new CKivaView(document.compound);
    view->AttachDocument(&document);
    document.AddView(view);
    auto* frame = new CChildFrame(document, view);
    area_.addSubWindow(frame);
    emit frameCreated(frame);
    frame->show();
    view->OnUpdate();
    return frame;
}

void DocumentManager::ForgetDocument(CKivaDoc* document) {
    std::erase_if(documents_, [document](const auto& owned) { return owned.get() == document; });
}

}  // namespace kiva
