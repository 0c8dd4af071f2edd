// SPDX-License-Identifier: GPL-2.0-or-later
// The help: its pages, their links, the topic of every command, F1, context help and a missing help.
#include <QDir>
#include <QTemporaryDir>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>
#include <QtTest>

#include "app/help_commands.h"
#include "app/help_window.h"
#include "app/menu_tables.h"
#include "tests/app/app_test_support.h"
#include "view/help_topics.h"
#include "view/kiva_view.h"

using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

const QString kHelpSource = QStringLiteral(KIVA_SOURCE_DIR "/help");

// The pages and their style sheet; the folder also holds its build file.
QStringList HelpFiles() {
    return QDir(kHelpSource).entryList({QStringLiteral("*.html"), QStringLiteral("*.css")}, QDir::Files);
}

QString ReadPage(const QString& name) {
    QFile file(kHelpSource + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Whether "page#anchor" (or a page alone) names an existing page and an anchor in it.
bool TopicExists(const QString& topic) {
    const QString page = topic.section(QLatin1Char('#'), 0, 0);
    const QString anchor = topic.section(QLatin1Char('#'), 1);
    const QString text = ReadPage(page);
    return !text.isEmpty() && (anchor.isEmpty() || text.contains(QStringLiteral("name=\"%1\"").arg(anchor)));
}

void CollectCommands(const std::vector<kiva::MenuItem>& items, std::vector<int>& ids) {
    for (const kiva::MenuItem& item : items) {
        if (item.id != 0) ids.push_back(item.id);
        CollectCommands(item.items, ids);
    }
}

kiva::CHelpWindow* HelpWindowOf(CMainFrame& frame) {
    return frame.findChild<kiva::CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

QString ShownPage(CMainFrame& frame) {
    kiva::CHelpWindow* help = HelpWindowOf(frame);
    return help ? help->Browser()->source().fileName() : QString();
}

}  // namespace

class Help : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kiva::testing::PrepareViewerTests(); }

    // The installer can only carry names of letters, digits, '.' and '_'.
    void PagesHaveSafeNamesAndEveryLinkReachesItsPageAndAnchor() {
        const QStringList pages = HelpFiles();
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9._]+$"));
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        for (const QString& page : pages) {
            QVERIFY2(safe.match(page).hasMatch(), qPrintable(page));
            if (!page.endsWith(QStringLiteral(".html"))) continue;
            const QString text = ReadPage(page);
            QVERIFY2(text.contains(QStringLiteral("<title>")), qPrintable(page));
            for (const QRegularExpressionMatch& match : link.globalMatch(text)) {
                QString target = match.captured(1);
                if (target.startsWith(QLatin1Char('#'))) target.prepend(page);
                QVERIFY2(TopicExists(target), qPrintable(page + QStringLiteral(" links to ") + target));
            }
        }
    }

    void EveryCommandOfTheMenusAndToolbarsHasAHelpTopic() {
        std::vector<int> ids;
        CollectCommands(kiva::NoDocumentMenu(), ids);
        CollectCommands(kiva::DocumentMenu(), ids);
        RunningViewer viewer;
        for (QAction* button : viewer.Active()->View()->Buttons()) ids.push_back(button->data().toInt());
        ids.push_back(command::ContextHelp);
        for (const int id : ids)
            QVERIFY2(TopicExists(kiva::HelpTopicOf(id)), qPrintable(QString::number(id) + QLatin1Char(' ') + kiva::HelpTopicOf(id)));
    }

    void TheHelpIsCopiedBesideTheProgram() {
        const QString found = kiva::FindHelpDirectory();
        QVERIFY(!found.isEmpty());
        for (const QString& page : HelpFiles())
            QVERIFY2(QFile::exists(found + QLatin1Char('/') + page), qPrintable(page));
    }

    void F1OpensTheHelpAtTheActiveWindowsPageOrTheContents() {
        RunningViewer viewer;
        CMainFrame& frame = viewer.Frame();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
        QVERIFY(HelpWindowOf(frame) && HelpWindowOf(frame)->isVisible());
        QCOMPARE(ShownPage(frame), QStringLiteral("molecule_window.html"));
        QVERIFY(HelpWindowOf(frame)->windowTitle().startsWith(QStringLiteral("The molecule window")));

        frame.Documents().CloseDocument(viewer.Active()->Document());
        QCoreApplication::processEvents();
        viewer.Run(command::Help);
        QCOMPARE(ShownPage(frame), QStringLiteral("index.html"));
        QCOMPARE(frame.findChildren<kiva::CHelpWindow*>().size(), 1);  // one help window, reused
        QVERIFY(viewer.messages.empty());

        // Escape closes it, even where no window manager gives it a close box.
        kiva::CHelpWindow* help = HelpWindowOf(frame);
        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    void ATranslatedPageComesFirstAndEnglishFillsIn() {
        QTemporaryDir dir;
        for (const char* page : {"index.html", "menu_file.html", "de/index.html"}) {
            QDir(dir.path()).mkpath(QFileInfo(dir.filePath(QString::fromLatin1(page))).path());
            QFile file(dir.filePath(QString::fromLatin1(page)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const std::vector<std::string> german = {"de_DE", "de"};
        QCOMPARE(kiva::HelpPageFile(dir.path(), german, QStringLiteral("index.html")), dir.filePath(QStringLiteral("de/index.html")));
        QCOMPARE(kiva::HelpPageFile(dir.path(), german, QStringLiteral("menu_file.html")), dir.filePath(QStringLiteral("menu_file.html")));
        QCOMPARE(kiva::HelpPageFile(dir.path(), {"fr"}, QStringLiteral("index.html")), dir.filePath(QStringLiteral("index.html")));
        QCOMPARE(kiva::HelpPageFile(dir.path(), german, QStringLiteral("nothing.html")), QString());
    }

    // The translated pages share the English pages' style sheet and link to pages that exist
    // in their language or in English.
    void EveryTranslatedPageLinksToPagesThatExist() {
        const QStringList languages = QDir(kHelpSource).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(languages.contains(QStringLiteral("de")) && languages.contains(QStringLiteral("fr")));
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        for (const QString& language : languages) {
            const QString folder = kHelpSource + QLatin1Char('/') + language;
            for (const QString& page : QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files)) {
                QFile file(folder + QLatin1Char('/') + page);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(file.readAll());
                QVERIFY2(QFileInfo::exists(kHelpSource + QLatin1Char('/') + page), qPrintable(language + QLatin1Char('/') + page + QStringLiteral(" has no English page")));
                for (const QRegularExpressionMatch& match : link.globalMatch(text)) {
                    const QString target = match.captured(1);
                    const bool found = target.startsWith(QStringLiteral("../"))
                                           ? QFileInfo::exists(folder + QLatin1Char('/') + target)
                                           : QFileInfo::exists(folder + QLatin1Char('/') + target.section(QLatin1Char('#'), 0, 0)) || TopicExists(target);
                    QVERIFY2(found, qPrintable(language + QLatin1Char('/') + page + QStringLiteral(" links to ") + target));
                }
            }
        }
    }

    // Each language has every page of the English help, with every anchor a topic or a link may
    // name, so no page falls back to English and no link lands at the top of a page.
    void EveryLanguageHasEveryPageWithItsAnchors() {
        const QRegularExpression anchor(QStringLiteral("\\b(?:id|name)=\"([^\"]*)\""));
        const auto anchors = [&anchor](const QString& path) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) return QStringList{QStringLiteral("(unreadable)")};
            QStringList found;
            for (const QRegularExpressionMatch& match : anchor.globalMatch(QString::fromUtf8(file.readAll()))) found << match.captured(1);
            found.sort();
            return found;
        };
        const QStringList pages = QDir(kHelpSource).entryList({QStringLiteral("*.html")}, QDir::Files);
        for (const char* language : {"de", "fr", "es", "pt_BR", "it"}) {
            for (const QString& page : pages) {
                const QString translated = kHelpSource + QLatin1Char('/') + QLatin1String(language) + QLatin1Char('/') + page;
                QVERIFY2(QFileInfo::exists(translated), qPrintable(QLatin1String(language) + QStringLiteral(" lacks ") + page));
                QCOMPARE(anchors(translated), anchors(kHelpSource + QLatin1Char('/') + page));
            }
        }
    }

    void AGermanDesktopReadsTheGermanPagesAndFollowsLinksBetweenThem() {
        qputenv("LANG", "de_DE.UTF-8");
        kiva::CHelpWindow help(kiva::FindHelpDirectory());
        qputenv("LANG", "C.UTF-8");
        help.ShowPage(kiva::CHelpWindow::kContents);
        QCOMPARE(QFileInfo(help.Browser()->source().toLocalFile()).dir().dirName(), QStringLiteral("de"));
        QCOMPARE(help.windowTitle(), QStringLiteral("Inhalt - Zelkora Help"));  // no translation installed here
        emit help.Browser()->anchorClicked(help.Browser()->source().resolved(QUrl(QStringLiteral("menu_file.html#open"))));
        QCOMPARE(help.Browser()->source().toLocalFile(), kiva::FindHelpDirectory() + QStringLiteral("/de/menu_file.html"));
        emit help.Browser()->anchorClicked(help.Browser()->source().resolved(QUrl(QStringLiteral("index.html"))));
        QCOMPARE(QFileInfo(help.Browser()->source().toLocalFile()).dir().dirName(), QStringLiteral("de"));
    }

    void AMissingHelpIsReportedOnce() {
        RunningViewer viewer;
        kiva::ShowHelp(viewer.Frame(), QStringLiteral("index.html"), QString());
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QCOMPARE(viewer.messages[0].text, kiva::MissingHelpMessage());
        QVERIFY(!HelpWindowOf(viewer.Frame()));
    }

    void AnUnknownPageShowsTheContents() {
        RunningViewer viewer;
        kiva::ShowHelp(viewer.Frame(), QStringLiteral("nothing.html#here"));
        QCOMPARE(ShownPage(viewer.Frame()), QStringLiteral("index.html"));
    }

    void ContextHelpNamesTheCommandAndLinksToItsTopic() {
        RunningViewer viewer;
        CMainFrame& frame = viewer.Frame();
        auto* idle = frame.findChild<QLabel*>(QStringLiteral("idleText"));
        viewer.Run(command::ContextHelp);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QCOMPARE(idle->text(), QStringLiteral("Select an object on which to get Help"));
        QWhatsThis::leaveWhatsThisMode();
        QCOMPARE(idle->text(), QStringLiteral("For Help, press F1"));

        const QString color = frame.Action(command::ElementColor)->whatsThis();
        QVERIFY(color.contains(QStringLiteral("<b>Color...</b>")));
        QVERIFY(color.contains(QStringLiteral("Change the color of an element.")));
        QVERIFY(color.contains(QStringLiteral("href=\"colors.html\"")));
        QVERIFY(frame.Action(command::FilePrint)->whatsThis().contains(QStringLiteral("<b>Print...</b>")));
        for (QAction* button : viewer.Active()->View()->Buttons())
            if (button->data().toInt() == command::Translate)
                QVERIFY(button->whatsThis().contains(QStringLiteral("<b>Translate (Move)</b>")));

        QWhatsThisClickedEvent clicked(QStringLiteral("measuring.html#distance"));
        QCoreApplication::sendEvent(viewer.Active()->View(), &clicked);
        QCOMPARE(ShownPage(frame), QStringLiteral("measuring.html"));
    }
};

QTEST_MAIN(Help)
#include "help_test.moc"
