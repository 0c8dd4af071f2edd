// SPDX-License-Identifier: GPL-2.0-or-later
// Documents with numbers no structure holds: refused at the door, and harmless to every window.
#include <QtTest>

#include <limits>

#include "chem/document_file.h"
#include "platform/binary_archive.h"
#include "tests/app/app_test_support.h"
#include "tests/support/sample_records.h"
#include "view/commands.h"
#include "view/kiva_view.h"

using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

void WriteDocument(const QString& path, const kiva::CompoundRecord& record) {
    kiva::ArchiveWriter writer;
    kiva::StoreDocument(record, writer);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(writer.Bytes().data(), static_cast<qint64>(writer.Bytes().size()));
}

}  // namespace

class PoisonedDocument : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kiva::testing::PrepareViewerTests(); }

    void NanCoordinatesAreRefusedAndALaterGasStillMoves() {
        RunningViewer viewer;
        kiva::CompoundRecord poisoned = kiva::testing::SampleSalt();
        poisoned.unitAtoms[0].position.x = std::numeric_limits<float>::quiet_NaN();
        WriteDocument(viewer.File("nan.mol"), poisoned);
        const QByteArray before = [&] {
            QFile file(viewer.File("nan.mol"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QVERIFY(!viewer.Frame().OpenDocumentFile(viewer.File("nan.mol")));
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QVERIFY(viewer.messages.front().text.contains(QStringLiteral("nan.mol")));
        QVERIFY(viewer.messages.front().text.contains(QStringLiteral("damaged")));
        QCOMPARE(viewer.Windows().size(), 1);
        QVERIFY(viewer.Frame().RecentFiles().Files().isEmpty());
        // Whatever window is active shows the gas for a while.
        viewer.Run(command::Gas);
        for (int frame = 0; frame < 100; ++frame) viewer.app.OnIdle();

        WriteDocument(viewer.File("salt.mol"), kiva::testing::SampleSalt());
        QVERIFY(viewer.Frame().OpenDocumentFile(viewer.File("salt.mol")));
        viewer.Run(command::Gas);
        const kiva::ViewState& gas = viewer.Active()->View()->Molecule().State();
        for (int frame = 0; frame < 200; ++frame) {
            QVERIFY(viewer.app.OnIdle());
            if (frame < 100) continue;
            for (const kiva::SceneAtom& atom : gas.atoms.items) {
                QVERIFY2(atom.picture.x > -40 && atom.picture.x < 380, qPrintable(QString::number(atom.picture.x)));
                QVERIFY2(atom.picture.y > -40 && atom.picture.y < 380, qPrintable(QString::number(atom.picture.y)));
            }
        }
        QFile file(viewer.File("nan.mol"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
};

QTEST_MAIN(PoisonedDocument)
#include "poisoned_document_test.moc"
