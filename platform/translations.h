// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's texts in the user's language: its own translation and Qt's, installed for as
// long as the object lives, and numbers written as that language writes them.
#include <QString>
#include <QTranslator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kiva {

class UiTranslations {
public:
    // For the first of the languages that has one, installs "translations/PROGRAM_LANGUAGE.qm"
    // from the first of the directories that holds it, with Qt's own translation of that language.
    // English (no translation) when none has.
    UiTranslations(const std::string& program, const std::vector<std::string>& languages,
                   const std::vector<std::string>& directories);
    ~UiTranslations();
    UiTranslations(const UiTranslations&) = delete;
    UiTranslations& operator=(const UiTranslations&) = delete;

    // The language installed ("de", "pt_BR"); empty for English.
    const std::string& Language() const { return language_; }

private:
    std::string language_;
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

// A number as the user's language writes it, without thousands separators: "2,82" in German for
// 2.82 with 2 places ('f'), or with that many significant digits ('g'). Files keep their decimal
// points; this is for what the user reads.
QString LocalNumber(double value, int precision, char format = 'f');
// The language's decimal separator, for the core's read-outs.
std::string LocalDecimalPoint();

// A text the core marked with KIVA_TRANSLATABLE(context, text), in the user's language.
QString TranslatedText(const char* context, std::string_view text);

}  // namespace kiva
