// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ui_language.h"

#include <gtest/gtest.h>

#include <map>

namespace kiva {
namespace {

EnvironmentReader Environment(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const char* name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
}

using Languages = std::vector<std::string>;

TEST(UiLanguages, ComeFromTheLocaleWithoutCodesetOrModifierThenTheBareLanguage) {
    EXPECT_EQ(UiLanguages(Environment({{"LANG", "de_DE.UTF-8"}})), (Languages{"de_DE", "de"}));
    EXPECT_EQ(UiLanguages(Environment({{"LANG", "pt_BR.utf8@euro"}})), (Languages{"pt_BR", "pt"}));
    EXPECT_EQ(UiLanguages(Environment({{"LANG", "fr"}})), (Languages{"fr"}));
}

TEST(UiLanguages, TakeLcAllBeforeLcMessagesBeforeLang) {
    EXPECT_EQ(UiLanguages(Environment({{"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}})),
              (Languages{"es_ES", "es"}));
    EXPECT_EQ(UiLanguages(Environment({{"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}})), (Languages{"fr_FR", "fr"}));
}

TEST(UiLanguages, FollowTheLanguageListUpToEnglish) {
    EXPECT_EQ(UiLanguages(Environment({{"LANGUAGE", "it:de_AT"}, {"LANG", "fr_FR.UTF-8"}})),
              (Languages{"it", "de_AT", "de"}));
    EXPECT_EQ(UiLanguages(Environment({{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}})), Languages{});
    EXPECT_EQ(UiLanguages(Environment({{"LANGUAGE", "::fr::"}, {"LANG", "de_DE"}})), (Languages{"fr"}));
}

TEST(UiLanguages, AreEnglishForTheCLocaleWhateverTheListSays) {
    EXPECT_EQ(UiLanguages(Environment({})), Languages{});
    EXPECT_EQ(UiLanguages(Environment({{"LANG", "C"}})), Languages{});
    EXPECT_EQ(UiLanguages(Environment({{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}})), Languages{});
    EXPECT_EQ(UiLanguages(Environment({{"LC_ALL", "POSIX"}, {"LANG", "de_DE"}})), Languages{});
}

}  // namespace
}  // namespace kiva
