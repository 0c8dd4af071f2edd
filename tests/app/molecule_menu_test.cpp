// SPDX-License-Identifier: GPL-2.0-or-later
// The Molecule menu as a student uses it: a dialog names a substance, the document takes it.
#include <QAction>
#include <QtTest>

#include "app/kiva_doc.h"
#include "chem/fixed_text.h"
#include "chem/shared_data.h"
#include "tests/app/app_test_support.h"
#include "view/commands.h"
#include "view/compound_selection.h"
#include "view/kiva_view.h"

using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

constexpr int kSelectionCommands[] = {command::Homoatomic, command::Metallic, command::NonMetallic, command::Organic,
                                      command::Index};

}  // namespace

class MoleculeMenu : public QObject {
    Q_OBJECT

    std::optional<QString> answer;  // what the next dialog returns; nothing is Cancel
    std::vector<int> dialogsRun;

    CKivaDoc& ActiveDocument(RunningViewer& viewer) { return viewer.Active()->Document(); }

    void Choose(RunningViewer& viewer, int commandId, std::optional<QString> name) {
        answer = std::move(name);
        viewer.Run(commandId);
    }

private slots:
    void initTestCase() {
        QVERIFY(kiva::testing::UseBuiltCatalogue(KIVA_CATALOGUE_DIR));
        kiva::ReplaceSelectionDialogRunner([this](int id, QWidget*) {
            dialogsRun.push_back(id);
            return answer;
        });
    }
    void cleanupTestCase() { kiva::ReplaceSelectionDialogRunner({}); }

    void EveryCommandIsEnabledWithADocumentAndRunsItsDialog() {
        RunningViewer viewer;
        dialogsRun.clear();
        for (const int id : kSelectionCommands) {
            QVERIFY(viewer.Frame().Action(id)->isEnabled());
            Choose(viewer, id, std::nullopt);
        }
        QCOMPARE(dialogsRun, std::vector<int>(std::begin(kSelectionCommands), std::end(kSelectionCommands)));
    }

    // The one rule that titles a substance, whether the catalogue or a file gave it.
    void ASubstancesTitleIsItsNameAndItsBondingClass() {
        CKivaDoc document(QStringLiteral("Untitled-1"));
        const std::pair<std::int32_t, const char*> titles[] = {
            {0, "Cu - (Metal)"}, {1, "Cu - (Atom)"}, {2, "Cu - (Ionic)"}, {3, "Cu - (Molecule)"},
            {4, "Cu - (Covalent Network)"}, {17, "Cu"}};
        for (const auto& [bondingClass, title] : titles) {
            document.compound.bondingClass = bondingClass;
            document.SetSubstanceTitle(QStringLiteral("Cu"));
            QCOMPARE(document.Title(), QString::fromLatin1(title));
        }
    }

    void AChosenSubstanceTitlesTheDocumentWithItsBondingClass() {
        RunningViewer viewer;
        Choose(viewer, command::Metallic, QStringLiteral("NaCl"));
        QCOMPARE(ActiveDocument(viewer).Title(), QStringLiteral("NaCl - (Ionic)"));
        QCOMPARE(kiva::TextOf(ActiveDocument(viewer).compound.name), std::string_view("NaCl"));
        QCOMPARE(ActiveDocument(viewer).PathName(), QDir::current().absoluteFilePath(QStringLiteral("NaCl")));
        Choose(viewer, command::Homoatomic, QStringLiteral("C-diamond"));
        QCOMPARE(ActiveDocument(viewer).Title(), QStringLiteral("C-diamond - (Covalent Network)"));
        Choose(viewer, command::Index, QStringLiteral("C-diamond"));
        QCOMPARE(ActiveDocument(viewer).Title(), QStringLiteral("C-diamond - (Covalent Network)"));
        QCOMPARE(viewer.Windows().size(), 1);  // a selection replaces the substance in place
        QVERIFY(viewer.messages.empty());
    }

    void AnUnknownNameOrAnotherLetterCaseIsReportedAndChangesNothing() {
        RunningViewer viewer;
        Choose(viewer, command::Index, QStringLiteral("NaCl"));
        for (const QString& name : {QStringLiteral("nacl"), QString()}) {
            viewer.messages.clear();
            Choose(viewer, command::Index, name);
            QCOMPARE(viewer.messages.size(), std::size_t{1});
            QCOMPARE(viewer.messages[0].caption, QStringLiteral("Zelkora"));
            QCOMPARE(viewer.messages[0].text, QStringLiteral("Cannot find the compound \"%1\".").arg(name));
            QVERIFY(viewer.messages[0].icon == kiva::MessageIcon::Question);
            QCOMPARE(ActiveDocument(viewer).Title(), QStringLiteral("NaCl - (Ionic)"));
        }
    }

    void CancelChangesNothing() {
        RunningViewer viewer;
        const QString title = ActiveDocument(viewer).Title();
        for (const int id : kSelectionCommands) Choose(viewer, id, std::nullopt);
        QCOMPARE(ActiveDocument(viewer).Title(), title);
        QVERIFY(ActiveDocument(viewer).compound.unitAtoms.empty());
        QVERIFY(viewer.messages.empty());
    }

    void EveryViewOfTheDocumentShowsTheNewSubstance() {
        RunningViewer viewer;
        viewer.Run(command::WindowNew);
        QCOMPARE(viewer.Windows().size(), 2);
        Choose(viewer, command::NonMetallic, QStringLiteral("H2O"));
        for (CKivaView* view : ActiveDocument(viewer).Views()) QCOMPARE(view->Molecule().State().atoms.size(), std::size_t{3});
    }

    void EveryCatalogueEntryOpensWithoutAnError() {
        RunningViewer viewer;
        for (const kiva::IndexEntry& entry : kiva::TheSharedData().moleculeIndex.entries) {
            const QString name = QString::fromStdString(std::string(kiva::TextOf(entry.name)));
            Choose(viewer, command::Index, name);
            QVERIFY2(viewer.messages.empty(), qPrintable(name));
            QVERIFY2(ActiveDocument(viewer).Title().startsWith(name + QStringLiteral(" - (")), qPrintable(name));
            QVERIFY2(!viewer.Active()->View()->Molecule().State().atoms.items.empty(), qPrintable(name));
        }
    }
};

QTEST_MAIN(MoleculeMenu)
#include "molecule_menu_test.moc"
