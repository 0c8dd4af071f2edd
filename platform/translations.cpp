// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "platform/file_search.h"

namespace kiva {

UiTranslations::UiTranslations(const std::string& program, const std::vector<std::string>& languages,
                               const std::vector<std::string>& directories) {
    for (const std::string& language : languages) {
        const auto file = FindDataFile("translations/" + program + "_" + language + ".qm", directories);
        if (!file) continue;
        auto own = std::make_unique<QTranslator>();
        if (!own->load(QString::fromStdString(*file))) continue;
        // Qt's dialogs and buttons; a system without Qt's translations keeps them English.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            translators_.push_back(std::move(qt));
        translators_.push_back(std::move(own));
        for (const auto& translator : translators_) QCoreApplication::installTranslator(translator.get());
        language_ = language;
        return;
    }
}

UiTranslations::~UiTranslations() {
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
}

QString TranslatedText(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

}  // namespace kiva
