// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The document template and its bookkeeping: new untitled documents, documents opened from
// files, each in a window of its own, further windows on a document, and closing a document.
#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class CChildFrame;
class CKivaDoc;
class QMdiArea;

namespace kiva {

// The document strings of the viewer's one document type.
struct DocumentTemplate {
    QString untitledName = QCoreApplication::translate("DocumentManager", "Untitled-");  // followed by a running number from 1
    QString filterName = QCoreApplication::translate("DocumentManager", "Molecule Files (*.mol)");
    // File Open shows every kind of file the viewer reads, each kind alone, and every file.
    QString openFilters = QCoreApplication::translate("DocumentManager",
        "All Structure Files (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;"
        "Molecule Files (*.mol);;"
        "Crystallographic Information Files (*.cif);;"
        "MDL Molfiles and SD Files (*.mol *.sdf *.sd);;"
        "XYZ Files (*.xyz);;"
        "Protein Data Bank Files (*.pdb *.ent);;"
        "All Files (*)");
    QString extension = QStringLiteral("mol");
    QString fileTypeId = QStringLiteral("Molecule.Document");
    QString fileTypeName = QStringLiteral("Molecule Document");
};

class DocumentManager final : public QObject {
    Q_OBJECT
public:
    explicit DocumentManager(QMdiArea& area);
    ~DocumentManager() override;

    const DocumentTemplate& Template() const { return template_; }

    // File New: an empty document titled Untitled-N in a new window.
    CChildFrame* NewDocument();
    // Opens a document, or a structure file of another format, in a new window. A file that
    // cannot be read gets one message box naming the file, its format and what is wrong, and no
    // window; null then.
    CChildFrame* OpenDocument(const QString& path);
    // Window New Window: another view of the same document.
    CChildFrame* NewWindow(CKivaDoc& document);
    // File Close: every window of the document.
    void CloseDocument(CKivaDoc& document);
    // File Save: to the document's file when it is an existing writable Kiva document the
    // document was read from or saved to, otherwise Save As.
    bool SaveDocument(CKivaDoc& document);
    // The name proposed is the document's, ending in .mol; a save never writes over a file that
    // is not a Kiva document.
    bool SaveDocumentAs(CKivaDoc& document);

    std::size_t DocumentCount() const { return documents_.size(); }

signals:
    // A new window with its view; the main frame follows its commands.
    void frameCreated(CChildFrame* frame);
    // A document was opened from or saved to this file: the recent-file list takes it.
    void fileUsed(const QString& path);

private:
    CKivaDoc& Adopt(std::unique_ptr<CKivaDoc> document);
    CChildFrame* CreateFrame(CKivaDoc& document);
    bool SaveTo(CKivaDoc& document, const QString& path);
    void ForgetDocument(CKivaDoc* document);

    QMdiArea& area_;
    DocumentTemplate template_;
    int untitledCount_ = 0;
    std::vector<std::unique_ptr<CKivaDoc>> documents_;
};

}  // namespace kiva
