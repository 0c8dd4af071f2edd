// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// CKivaDoc: the one substance a document window shows, its title and path, and its views.
#include <QObject>
#include <QString>
#include <vector>

#include "chem/compound_record.h"
#include "view/view_document.h"

class CKivaView;

class CKivaDoc final : public QObject, public kiva::ViewDocument {
    Q_OBJECT
public:
    explicit CKivaDoc(QString title);

    kiva::CompoundRecord compound;

    kiva::CompoundRecord& Compound() override { return compound; }
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) override;
    const QString& PathName() const { return path_; }
    // The path of the file the document was opened from or saved to; the title becomes the file's name.
    void SetPathName(const QString& path) override;

    // Reads a Kiva document, or a CIF, molfile, SD, XYZ or PDB file, into a fresh record; throws
    // kiva::FileException for a damaged document and kiva::SourceError for any other file it
    // cannot read. A file of another format is imported: its title is its name with the bonding
    // class, and a save writes a new Kiva document rather than over it.
    void OnOpenDocument(const QString& path);
    bool IsImported() const { return imported_; }
    bool FromCatalogue() const override { return fromCatalogue_; }
    void SetFromCatalogue(bool fromCatalogue) override { fromCatalogue_ = fromCatalogue; }
    // Writes the document file, replacing the old one only when complete; throws kiva::FileException.
    void OnSaveDocument(const QString& path);

    void AddView(CKivaView* view);
    const std::vector<CKivaView*>& Views() const { return views_; }
    // Every view rebuilds its scene from the record.
    void UpdateAllViews() override;

signals:
    void titleChanged();
    void viewsChanged();
    // The last view went away; the document closes with it.
    void lastViewClosed(CKivaDoc* document);

private:
    void RemoveView(QObject* view);

    QString title_;
    QString path_;
    bool imported_ = false;
    bool fromCatalogue_ = false;
    std::vector<CKivaView*> views_;
};
