// SPDX-License-Identifier: GPL-2.0-or-later
// The viewer's place on the desktop: the entry and file type registered for the user, and a
// second start handing its files to the running viewer.
#include <QSignalSpy>
#include <QtTest>

#include "app/desktop_integration.h"
#include "app/instance_channel.h"
#include "tests/support/file_size_limit.h"

namespace {

// Puts the named environment variables back as they were.
class EnvironmentKept {
public:
    explicit EnvironmentKept(std::initializer_list<const char*> names) {
        for (const char* name : names) kept_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    }
    ~EnvironmentKept() {
        for (const Variable& variable : kept_) {
            if (variable.set)
                qputenv(variable.name, variable.value);
            else
                qunsetenv(variable.name);
        }
    }

private:
    struct Variable {
        const char* name;
        bool set;
        QByteArray value;
    };
    std::vector<Variable> kept_;
};

}  // namespace

class Desktop : public QObject {
    Q_OBJECT
private slots:
    void FirstStartRegistersTheEntryIconAndFileType() {
        QTemporaryDir home;
        const kiva::DesktopPlaces places{home.filePath(QStringLiteral("share")), {}};
        const QStringList written = kiva::RegisterWithDesktop(places, QStringLiteral("/opt/my kiva/kiva"), false);
        QCOMPARE(written.size(), 3);

        QFile entry(places.dataHome + QStringLiteral("/applications/kiva.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray text = entry.readAll();
        QVERIFY(text.contains("Exec=\"/opt/my kiva/kiva\" %F\n"));
        QVERIFY(text.contains("Actions=Print;"));
        QVERIFY(text.contains("[Desktop Action Print]\nName=Print\nExec=\"/opt/my kiva/kiva\" -p %f\n"));
        QVERIFY(text.contains("MimeType=application/x-kiva-molecule;chemical/x-cif;chemical/x-mdl-molfile;"));

        QFile type(places.dataHome + QStringLiteral("/mime/packages/kiva-molecule.xml"));
        QVERIFY(type.open(QIODevice::ReadOnly));
        const QByteArray xml = type.readAll();
        QVERIFY(xml.contains("value=\"0x00010000\""));
        QVERIFY(xml.contains("value=\"Formula\""));
        // Kiva's own type is told by content alone; the molfile's name never claims a document.
        const QByteArray own = xml.mid(xml.indexOf("application/x-kiva-molecule"));
        QVERIFY(!own.left(own.indexOf("</mime-type>")).contains("<glob"));
        QVERIFY(xml.contains("<glob pattern=\"*.cif\"/>"));

        QVERIFY(kiva::RegisterWithDesktop(places, QStringLiteral("/opt/my kiva/kiva"), false).isEmpty());
    }

    void AnEntryWhoseProgramIsGoneIsTakenOverAndAnotherRunningCopyKeepsIts() {
        QTemporaryDir home;
        const kiva::DesktopPlaces places{home.filePath(QStringLiteral("share")), {}};
        const QString entryPath = places.dataHome + QStringLiteral("/applications/kiva.desktop");
        const auto entryText = [&] {
            QFile entry(entryPath);
            return entry.open(QIODevice::ReadOnly) ? entry.readAll() : QByteArray();
        };
        kiva::RegisterWithDesktop(places, QStringLiteral("/no/such/place/kiva"), false);

        const QString installed = home.filePath(QStringLiteral("Kiva/kiva"));
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("Kiva"))));
        QFile program(installed);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();
        QVERIFY(program.setPermissions(program.permissions() | QFileDevice::ExeOwner));
        QCOMPARE(kiva::RegisterWithDesktop(places, installed, false), QStringList{entryPath});
        QVERIFY(entryText().contains("Exec=" + installed.toUtf8() + " %F\n"));

        QVERIFY(kiva::RegisterWithDesktop(places, QStringLiteral("/opt/other/kiva"), false).isEmpty());
        QVERIFY(entryText().contains("Exec=" + installed.toUtf8() + " %F\n"));
    }

    // On a full disk the entry of a copy that is gone stays whole rather than half replaced, and
    // no file is said to be written.
    void AnEntryThatCannotBeWrittenWholeLeavesTheOldOneAsItWas() {
        QTemporaryDir home;
        const kiva::DesktopPlaces places{home.filePath(QStringLiteral("share")), {}};
        const QString entryPath = places.dataHome + QStringLiteral("/applications/kiva.desktop");
        QCOMPARE(kiva::RegisterWithDesktop(places, QStringLiteral("/no/such/place/kiva"), false).size(), 3);
        QFile entry(entryPath);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray old = entry.readAll();
        entry.close();
        QVERIFY(old.size() > 200);
        {
            const kiva::testing::FileSizeLimit diskFull(100);
            QCOMPARE(kiva::RegisterWithDesktop(places, QStringLiteral("/opt/new kiva/kiva"), false), QStringList());
        }
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QCOMPARE(entry.readAll(), old);
        QVERIFY(!QFile::exists(entryPath + QStringLiteral(".new")));
    }

    void AnInstalledCopyIsLeftAlone() {
        QTemporaryDir home;
        const QString system = home.filePath(QStringLiteral("system"));
        QVERIFY(QDir().mkpath(system + QStringLiteral("/applications")));
        QFile installed(system + QStringLiteral("/applications/kiva.desktop"));
        QVERIFY(installed.open(QIODevice::WriteOnly));
        installed.close();
        const QStringList written =
            kiva::RegisterWithDesktop({home.filePath(QStringLiteral("share")), {system}}, QStringLiteral("/bin/kiva"), false);
        QCOMPARE(written.size(), 2);
        QVERIFY(!written.join(QLatin1Char(' ')).contains(QStringLiteral("kiva.desktop")));
    }

    void ExecArgumentsAreQuotedForTheEntry() {
        QCOMPARE(kiva::ExecLineFor(QStringLiteral("/usr/bin/kiva")), QStringLiteral("/usr/bin/kiva"));
        QCOMPARE(kiva::ExecLineFor(QStringLiteral("/a b/$k")), QStringLiteral("\"/a b/\\\\$k\""));
        QVERIFY(kiva::ExecLineFor(QStringLiteral("/a 100% b/kiva")).endsWith(QStringLiteral(" \"/a 100%% b/kiva\"")));
    }

    void ASecondStartHandsItsFilesToTheRunningViewer() {
        const QString name = QStringLiteral("kiva-test-%1").arg(QCoreApplication::applicationPid());
        QVERIFY(!kiva::HandFilesToRunningViewer({QStringLiteral("/tmp/a.mol")}, name));
        kiva::InstanceServer server;
        QVERIFY(server.Listen(name));
        QSignalSpy received(&server, &kiva::InstanceServer::filesReceived);
        QVERIFY(kiva::HandFilesToRunningViewer({QStringLiteral("/tmp/a.mol"), QStringLiteral("/tmp/b c.mol")}, name));
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).toStringList(), (QStringList{"/tmp/a.mol", "/tmp/b c.mol"}));
    }

    // One viewer per desktop session: a start on another display opens a window of its own there.
    void EachDisplayHasAViewerOfItsOwn() {
        QTemporaryDir runtime;
        const EnvironmentKept kept({"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY"});
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("DISPLAY", ":71");
        const QString first = kiva::ViewerSocketName();
        qputenv("DISPLAY", ":72");
        const QString second = kiva::ViewerSocketName();
        qputenv("WAYLAND_DISPLAY", "wayland-3");
        const QString third = kiva::ViewerSocketName();
        QVERIFY(first != second);
        QVERIFY(third != second);
        for (const QString& name : {first, second, third}) QVERIFY2(name.startsWith(runtime.path() + QLatin1Char('/')), qPrintable(name));

        kiva::InstanceServer onFirst, onSecond;
        QVERIFY(onFirst.Listen(first));
        QVERIFY(onSecond.Listen(second));
        QSignalSpy toFirst(&onFirst, &kiva::InstanceServer::filesReceived);
        QSignalSpy toSecond(&onSecond, &kiva::InstanceServer::filesReceived);
        QVERIFY(kiva::HandFilesToRunningViewer({QStringLiteral("/tmp/a.mol")}, second));
        QTRY_COMPARE(toSecond.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(toFirst.size(), 0);
        QVERIFY(!kiva::HandFilesToRunningViewer({QStringLiteral("/tmp/a.mol")}, third));
    }

    void OnlyAbsolutePathsAreTaken() {
        QCOMPARE(kiva::ParseFileMessage("/a.mol\n\nrelative.mol\n../x\n/b.mol"), (QStringList{"/a.mol", "/b.mol"}));
        QVERIFY(kiva::ParseFileMessage(QByteArray(100, '\0')).isEmpty());
    }
};

QTEST_MAIN(Desktop)
#include "desktop_test.moc"
