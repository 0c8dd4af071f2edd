// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/kiva_doc.h"

#include <QFile>
#include <QFileInfo>

#include "chem/document_file.h"
#include "io/structure_file.h"
#include "view/kiva_view.h"

CKivaDoc::CKivaDoc(QString title) : title_(std::move(title)) {}

void CKivaDoc::SetTitle(const QString& title) {
    title_ = title;
    emit titleChanged();
}

void CKivaDoc::SetPathName(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    imported_ = false;  // a substance chosen from the catalogue replaces what was imported
    SetTitle(QFileInfo(path).fileName());
}

void CKivaDoc::OnOpenDocument(const QString& path) {
    kiva::StructureFile read = kiva::ReadStructureFile(QFile::encodeName(path).toStdString());
    compound = std::move(read.compound);
    SetPathName(path);
    fromCatalogue_ = false;  // even when the file is named like a catalogue substance
    imported_ = read.format != kiva::StructureFormat::Document;
    if (imported_) SetSubstanceTitle(QFileInfo(path).fileName());
}

void CKivaDoc::OnSaveDocument(const QString& path) {
    kiva::SaveDocumentFile(QFile::encodeName(path).toStdString(), compound);
    SetPathName(path);
}

void CKivaDoc::AddView(CKivaView* view) {
    views_.push_back(view);
    connect(view, &QObject::destroyed, this, &CKivaDoc::RemoveView);
    emit viewsChanged();
}

void CKivaDoc::UpdateAllViews() {
    for (CKivaView* view : views_) view->OnUpdate();
}

void CKivaDoc::RemoveView(QObject* view) {
    std::erase(views_, view);
    if (views_.empty()) {
        emit lastViewClosed(this);
        return;
    }
    emit viewsChanged();
}
