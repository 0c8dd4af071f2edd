// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <clocale>

#include "platform/file_search.h"

namespace kiva {

namespace {

// Numbers shown to the user follow the language of the texts around them ("2,82 Å" in German),
// without thousands separators, which a measured value never needs.
void SetNumberLocale(const std::string& language) {
    // Qt gives the C library the desktop's locale at start-up; its printf would then write the
    // decimal comma of a German desktop into XYZ, PDB and CSV files. Files keep the point.
    std::setlocale(LC_NUMERIC, "C");
    QLocale locale = language.empty() ? QLocale::c() : QLocale(QString::fromStdString(language));
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

}  // namespace

UiTranslations::UiTranslations(const std::string& program, const std::vector<std::string>& languages,
                               const std::vector<std::string>& directories) {
    SetNumberLocale({});
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
        SetNumberLocale(language_);
        return;
    }
}

UiTranslations::~UiTranslations() {
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
    SetNumberLocale({});
}

QString LocalNumber(double value, int precision, char format) {
    QLocale locale;  // the default one, whose language the translations set
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

std::string LocalDecimalPoint() { return QLocale().decimalPoint().toStdString(); }

QString TranslatedText(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

}  // namespace kiva
