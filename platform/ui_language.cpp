// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ui_language.h"

#include <algorithm>
#include <sstream>

namespace kiva {

namespace {

bool IsEnglishLocale(const std::string& locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

bool IsEnglish(const std::string& language) { return language == "en" || language.starts_with("en_"); }

// "pt_BR.UTF-8@euro" adds "pt_BR" then "pt", each once.
void AddLanguage(const std::string& locale, std::vector<std::string>& languages) {
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    if (name.empty() || IsEnglishLocale(name)) return;
    const auto add = [&languages](const std::string& language) {
        if (std::find(languages.begin(), languages.end(), language) == languages.end()) languages.push_back(language);
    };
    add(name);
    const std::size_t territory = name.find('_');
    if (territory != std::string::npos) add(name.substr(0, territory));
}

}  // namespace

std::vector<std::string> UiLanguages(const EnvironmentReader& environment) {
    std::string locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(variable);
        if (!locale.empty()) break;
    }
    std::vector<std::string> languages;
    if (IsEnglishLocale(locale)) return languages;
    const std::string list = environment("LANGUAGE");
    if (list.empty()) {
        AddLanguage(locale, languages);
        return languages;
    }
    // The program speaks English itself, so an English entry ends the list.
    std::istringstream entries(list);
    for (std::string entry; std::getline(entries, entry, ':') && !IsEnglish(entry);) AddLanguage(entry, languages);
    return languages;
}

}  // namespace kiva
