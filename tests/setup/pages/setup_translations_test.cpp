// SPDX-License-Identifier: GPL-2.0-or-later
// The installer's pages in Spanish, from the translation built beside the programs.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/file_search.h"
#include "platform/translations.h"
#include "setup/pages/page_layouts.h"
#include "setup/pages/setup_page.h"
#include "setup/setup_messages.h"

namespace kiva::setup {
namespace {

using namespace result;

QString ButtonText(const QWidget& page, int id) {
    const auto* button = page.findChild<QPushButton*>(QString::number(id));
    return button ? button->text() : QString();
}

bool ShowsText(const QWidget& page, const QString& text) {
    for (const QLabel* label : page.findChildren<QLabel*>())
        if (label->text() == text) return true;
    return false;
}

TEST(SetupTranslations, SpanishPagesShowSpanishTexts) {
    const UiTranslations spanish("setup", {"es_ES", "es"}, {ProgramDirectory()});
    ASSERT_EQ(spanish.Language(), "es");
    EXPECT_EQ(PageCaption(), QString::fromUtf8("Instalación de Zelkora 1.0"));

    const CSetupPage welcome({PageId::Welcome, {}, {}}, nullptr);
    EXPECT_EQ(welcome.windowTitle(), QString::fromUtf8("Instalación de Zelkora 1.0"));
    EXPECT_EQ(ButtonText(welcome, kContinue), QStringLiteral("Continuar"));
    EXPECT_EQ(ButtonText(welcome, kExitSetup), QStringLiteral("Salir"));

    const CSetupPage destination({PageId::Destination, "/home/s/Kiva", {}}, nullptr);
    EXPECT_EQ(ButtonText(destination, kContinue), QStringLiteral("&Continuar"));
    EXPECT_TRUE(ShowsText(destination, QString::fromUtf8("Zelkora 1.0 se instalará en el siguiente directorio.")));

    // The summary is translated; the licence's own text stays as written.
    const CSetupPage licence({PageId::Licence, {}, {}}, nullptr);
    const QString agreement = licence.findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_TRUE(agreement.startsWith(QStringLiteral("CONTRATO DE LICENCIA DE USO DE KIVA")));
    EXPECT_TRUE(agreement.contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));

    const CSetupPage error({PageId::Error, kSetupIncomplete, {}}, nullptr);
    EXPECT_TRUE(ShowsText(error, QString::fromUtf8("La instalación está incompleta.")));
}

TEST(SetupTranslations, TheMenuEntryMessageKeepsTheEntriesTitles) {
    const UiTranslations spanish("setup", {"es"}, {ProgramDirectory()});
    const std::string message = std::string(kMenuEntriesNotCreated) + " KIVA 1.0, KIVA Help.";
    EXPECT_EQ(SetupMessageText(message),
              QString::fromUtf8("El programa está instalado, pero no se pudieron crear estas entradas de menú que lo "
                                "inician: KIVA 1.0, KIVA Help."));
}

TEST(SetupTranslations, NoTranslationLeavesTheEnglishTexts) {
    const UiTranslations none("setup", {"xx"}, {ProgramDirectory()});
    EXPECT_TRUE(none.Language().empty());
    EXPECT_EQ(PageCaption(), QStringLiteral("Zelkora 1.0 Setup"));
    EXPECT_EQ(SetupMessageText(kSetupIncomplete), QStringLiteral("Setup is incomplete."));
}

}  // namespace
}  // namespace kiva::setup
