// SPDX-License-Identifier: GPL-2.0-or-later
// Qt's file dialog as the program sets it up: a name typed without an ending takes the ending of
// the file type the user chose, and the export choices kept in the profile.
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/file_dialogs.h"
#include "platform/profile_settings.h"

class FileDialogs : public QObject {
    Q_OBJECT
private slots:
    void SuffixIsTheFilterFirstEnding() {
        QCOMPARE(kiva::SuffixOfFilter("MP4 Video (*.mp4)"), QString("mp4"));
        QCOMPARE(kiva::SuffixOfFilter("Structure Files (*.cif *.mol *.sdf)"), QString("cif"));
        QCOMPARE(kiva::SuffixOfFilter("All Files (*)"), QString());
    }

    void TheChosenTypeGivesATypedNameItsEnding() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters({"Animated GIF (*.gif)", "MP4 Video (*.mp4)"});
        kiva::PrepareFileDialog(dialog, {nullptr, true, QString(), "Animated GIF (*.gif);;MP4 Video (*.mp4)", "gif"});
        QCOMPARE(dialog.defaultSuffix(), QString("gif"));
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(types);
        types->setCurrentIndex(1);  // as the user chooses in the list
        QCOMPARE(dialog.defaultSuffix(), QString("mp4"));
        types->setCurrentIndex(0);
        QCOMPARE(dialog.defaultSuffix(), QString("gif"));
    }

    void ProfileFlagsAreKeptInTheNamedProfileOnly() {
        QTemporaryDir folder;
        QCOMPARE(kiva::ProfileFlag("Export/PictureFrame", false), false);
        kiva::SetProfileFlag("Export/PictureFrame", true);  // no profile named yet: nothing is kept
        QCOMPARE(kiva::ProfileFlag("Export/PictureFrame", false), false);
        kiva::SetProfilePath(folder.filePath("kiva.ini"));
        kiva::SetProfileFlag("Export/PictureFrame", true);
        QCOMPARE(kiva::ProfileFlag("Export/PictureFrame", false), true);
        QVERIFY(QFile::exists(folder.filePath("kiva.ini")));
        kiva::SetProfilePath(QString());
    }
};

QTEST_MAIN(FileDialogs)
#include "file_dialogs_test.moc"
