// SPDX-License-Identifier: GPL-2.0-or-later
// The viewer in the user's language: the menus, titles and dialogs that the translations built
// beside the program give it, and English where the desktop asks for none.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolBar>
#include <QtTest>
#include <clocale>
#include <cstdio>
#include <map>

#include "app/help_window.h"
#include "chem/element_table.h"
#include "chem/molecule_index.h"
#include "dialogs/element_color_dialog.h"
#include "dialogs/export_picture_dialog.h"
#include "dialogs/lattice_plane_dialog.h"
#include "dialogs/print_size_dialog.h"
#include "dialogs/selection_dialogs.h"
#include "dialogs/unit_cell_multiples_dialog.h"
#include "platform/translations.h"
#include "platform/ui_language.h"
#include "tests/app/app_test_support.h"

using kiva::testing::RunningViewer;

namespace {

const QStringList kLanguages = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                                QStringLiteral("pt_BR"), QStringLiteral("it")};

// The viewer's translation for one language, found where the program finds it.
std::unique_ptr<kiva::UiTranslations> Translate(const QString& language) {
    auto translations = std::make_unique<kiva::UiTranslations>(
        "kiva", std::vector<std::string>{language.toStdString()}, kiva::ProcessStartUpPlaces().searchDirectories);
    return translations;
}

// Sets the desktop's locale variables for one test; the others are cleared.
void SetLocale(const char* lang) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
    qputenv("LANG", lang);
}

// Every dialog the viewer opens, in the language installed now.
std::vector<std::unique_ptr<QWidget>> EveryDialog(const kiva::MoleculeIndex& index, const kiva::ElementTable& elements) {
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<kiva::CMetallicDlg>(index));
    dialogs.push_back(std::make_unique<kiva::CNonMetallicDlg>(index));
    dialogs.push_back(std::make_unique<kiva::CHomoatomicDlg>(index, elements));
    dialogs.push_back(std::make_unique<kiva::CIndexDlg>(index));
    dialogs.push_back(std::make_unique<kiva::COrganicDlg>(index));
    dialogs.push_back(std::make_unique<kiva::CElementColorDlg>(elements.rows));
    dialogs.push_back(std::make_unique<kiva::CUnitCellMultiplesDlg>(std::array<int, 3>{1, 1, 1}));
    dialogs.push_back(std::make_unique<kiva::CExportPictureDlg>(kiva::PictureArea{340, 340}));
    dialogs.push_back(std::make_unique<kiva::CPrintSizeDlg>(QStringLiteral("100")));
    dialogs.push_back(std::make_unique<kiva::CLatticePlaneDlg>(std::nullopt, std::array<kiva::Vector3D, 3>{}));
    return dialogs;
}

// The letter after each single '&' ("&&" is a plain ampersand); a digit (the recent files) is
// the list's own numbering.
QChar AcceleratorOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].isDigit() ? QChar() : text[i + 1].toLower();
    }
    return {};
}

// The texts that share one accelerator, or nothing when every letter is used once.
QString Clash(const QStringList& texts) {
    std::map<QChar, QString> owners;
    for (const QString& text : texts) {
        const QChar letter = AcceleratorOf(text);
        if (letter.isNull()) continue;
        if (owners.count(letter)) return owners[letter] + QStringLiteral(" / ") + text;
        owners[letter] = text;
    }
    return {};
}

QStringList TextsOf(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator()) texts << action->text();
    return texts;
}

// The labels and buttons of a dialog, which share its accelerators.
QStringList TextsOf(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) texts << button->text();
    return texts;
}

}  // namespace

class Translations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kiva::testing::PrepareViewerTests(); }
    void cleanup() { SetLocale("C"); }

    void AGermanDesktopGetsGermanMenusAndTitles() {
        SetLocale("de_DE.UTF-8");
        const kiva::UiTranslations translations("kiva", kiva::UiLanguages(kiva::ProcessEnvironment()),
                                                kiva::ProcessStartUpPlaces().searchDirectories);
        QCOMPARE(translations.Language(), std::string("de"));  // de_DE has no file of its own
        RunningViewer viewer;
        const QList<QAction*> menus = viewer.Frame().menuBar()->actions();
        QVERIFY(!menus.isEmpty());
        QCOMPARE(menus.first()->text(), QStringLiteral("&Datei"));
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora - Unbenannt-1"));
        QCOMPARE(viewer.Frame().Action(kiva::command::FileNew)->statusTip(), QStringLiteral("Ein neues Dokument anlegen"));
    }

    void AnEnglishDesktopKeepsTheEnglishTexts() {
        SetLocale("C");
        const kiva::UiTranslations translations("kiva", kiva::UiLanguages(kiva::ProcessEnvironment()),
                                                kiva::ProcessStartUpPlaces().searchDirectories);
        QVERIFY(translations.Language().empty());
        RunningViewer viewer;
        QCOMPARE(viewer.Frame().menuBar()->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora - Untitled-1"));
    }

    void ATranslationEndsWithItsObject() {
        {
            const auto german = Translate(QStringLiteral("de"));
            QCOMPARE(QCoreApplication::translate("Menu", "&File"), QStringLiteral("&Datei"));
        }
        QCOMPARE(QCoreApplication::translate("Menu", "&File"), QStringLiteral("&File"));
    }

    // What the user reads has the language's decimal comma; what the C library writes into files
    // keeps the point, even where the desktop's locale writes a comma.
    void NumbersFollowTheLanguageWhileFilesKeepThePoint() {
        {
            const auto german = Translate(QStringLiteral("de"));
            QCOMPARE(kiva::LocalNumber(2.8201, 2), QStringLiteral("2,82"));
            QCOMPARE(kiva::LocalNumber(1098, 0), QStringLiteral("1098"));
            QCOMPARE(kiva::LocalDecimalPoint(), std::string(","));
            QCOMPARE(QString::fromLatin1(std::setlocale(LC_NUMERIC, nullptr)), QStringLiteral("C"));
            char text[16];
            std::snprintf(text, sizeof text, "%.2f", 2.5);
            QCOMPARE(QString::fromLatin1(text), QStringLiteral("2.50"));
        }
        QCOMPARE(kiva::LocalNumber(2.8201, 2), QStringLiteral("2.82"));
    }

    void EveryLanguageIsInstalledAndTranslatesTheEditMenuAndTheIonicSuffix() {
        for (const QString& language : kLanguages) {
            const auto translations = Translate(language);
            QVERIFY2(translations->Language() == language.toStdString(), qPrintable(language));
            QVERIFY2(QCoreApplication::translate("Menu", "&Edit") != QStringLiteral("&Edit"), qPrintable(language));
            QVERIFY2(QCoreApplication::translate("BondingClass", " - (Ionic)") != QStringLiteral(" - (Ionic)"),
                     qPrintable(language));
        }
    }

    void EachMenuOfEveryLanguageUsesAnAcceleratorOnce() {
        for (const QString& language : kLanguages) {
            const auto translations = Translate(language);
            RunningViewer viewer;
            CMainFrame& frame = viewer.Frame();
            QString clash = Clash(TextsOf(frame.menuBar()->actions()));
            QVERIFY2(clash.isEmpty(), qPrintable(language + QStringLiteral(": ") + clash));
            // The frame's own menus; the molecule windows' system menus are Qt's.
            for (const QMenu* menu : frame.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
                clash = Clash(TextsOf(menu->actions()));
                QVERIFY2(clash.isEmpty(), qPrintable(language + QStringLiteral(": ") + clash));
            }
            frame.Documents().CloseDocument(viewer.Active()->Document());
            QCoreApplication::processEvents();
            frame.UpdateCommands();
            clash = Clash(TextsOf(frame.menuBar()->actions()));
            QVERIFY2(clash.isEmpty(), qPrintable(language + QStringLiteral(" without a document: ") + clash));
        }
    }

    void EachDialogOfEveryLanguageUsesAnAcceleratorOnce() {
        const kiva::MoleculeIndex index;
        const kiva::ElementTable elements = kiva::MakeDefaultElementTable();
        // English too: it has no translation file and keeps the source texts.
        for (const QString& language : QStringList{QStringLiteral("en")} + kLanguages) {
            const auto translations = Translate(language);
            const auto dialogs = EveryDialog(index, elements);
            for (const auto& dialog : dialogs) {
                const QString clash = Clash(TextsOf(*dialog));
                QVERIFY2(clash.isEmpty(), qPrintable(language + QStringLiteral(" ") + dialog->windowTitle() + QStringLiteral(": ") + clash));
            }
            kiva::CHelpWindow help(kiva::FindHelpDirectory());
            const QString clash = Clash(TextsOf(help.findChild<QToolBar*>()->actions()));
            QVERIFY2(clash.isEmpty(), qPrintable(language + QStringLiteral(" help: ") + clash));
        }
    }

    // Every label, button and box title of every dialog shows its whole text in every language:
    // no text is wider than its control, and none reaches past its dialog or over another control.
    void NoDialogCutsOffOrCoversATextInAnyLanguage() {
        const kiva::MoleculeIndex index;
        const kiva::ElementTable elements = kiva::MakeDefaultElementTable();
        QStringList problems;
        for (const QString& language : QStringList{QStringLiteral("en")} + kLanguages) {
            const auto translations = Translate(language);
            const auto dialogs = EveryDialog(index, elements);
            for (const auto& dialog : dialogs) {
                dialog->show();  // lays out the dialogs that have layouts
                const QString where = language + QStringLiteral(" \"") + dialog->windowTitle() + QStringLiteral("\": ");
                for (QWidget* control : dialog->findChildren<QWidget*>()) {
                    const auto* label = qobject_cast<QLabel*>(control);
                    if ((!label && !qobject_cast<QAbstractButton*>(control)) || !control->isVisible() || (label && label->wordWrap()))
                        continue;
                    const QString text = label ? label->text() : control->property("text").toString();
                    // A label's text starts at its left edge; a button's needs its frame or indicator too.
                    const int needed = label ? label->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')))
                                             : control->sizeHint().width();
                    if (needed > control->width())
                        problems << where + text + QStringLiteral(" needs %1 pixels, has %2").arg(needed).arg(control->width());
                    const QRect shown(control->mapTo(dialog.get(), QPoint(0, 0)), QSize(needed, control->height()));
                    if (!dialog->rect().contains(shown)) problems << where + text + QStringLiteral(" reaches past the dialog");
                    // A group box frames the controls placed over it.
                    for (QWidget* other : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                        if (other != control && control->parentWidget() == dialog.get() && other->isVisible() &&
                            !qobject_cast<QGroupBox*>(other) && shown.intersects(other->geometry()))
                            problems << where + text + QStringLiteral(" runs into ") + other->metaObject()->className() +
                                            QLatin1Char(' ') + other->property("text").toString();
                }
            }
        }
        for (const QString& problem : problems) qWarning("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(problems.size())));
    }

    void TheGermanOrganicDialogReportsAMissingCompoundInGerman() {
        const auto german = Translate(QStringLiteral("de"));
        const kiva::MoleculeIndex index;
        kiva::COrganicDlg dialog(index);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Organische Verbindungen"));
        QString reported;
        kiva::SetNotFoundReporter([&reported](QWidget*, const QString& message) { reported = message; });
        QTest::keyClicks(dialog.findChild<QLineEdit*>(), QStringLiteral("Zq"));
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("OK")) button->click();
        kiva::SetNotFoundReporter({});
        QCOMPARE(reported, QString::fromUtf8("Die organische Verbindung \u201EZq\u201C wurde nicht gefunden."));
        QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("1033"))->text(), QStringLiteral("Aromat"));
    }
};

QTEST_MAIN(Translations)
#include "translations_test.moc"
