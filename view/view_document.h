// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a view needs of its document: the substance it shows, and the means to give the document
// a new one chosen from the catalogue or read from a file.
#include <QString>

#include "chem/compound_record.h"

namespace kiva {

class ViewDocument {
public:
    virtual CompoundRecord& Compound() = 0;
    // The path, made absolute against the current directory; not a recently used file.
    virtual void SetPathName(const QString& path) = 0;
    virtual void SetTitle(const QString& title) = 0;
    // The title of the substance the document now holds: the name it came by, a file's or the
    // catalogue's, with its bonding class in the user's language, "NaCl - (Ionic)".
    void SetSubstanceTitle(const QString& name);
    // Whether the substance was chosen from the catalogue, not read from a file: only then do
    // the catalogue's facts, such as its description, belong to it.
    virtual bool FromCatalogue() const = 0;
    virtual void SetFromCatalogue(bool fromCatalogue) = 0;
    // Every view of the document rebuilds its scene.
    virtual void UpdateAllViews() = 0;

protected:
    ~ViewDocument() = default;
};

}  // namespace kiva
