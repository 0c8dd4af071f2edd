// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/pages/page_layouts.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <map>

#include "setup/setup_messages.h"

namespace kiva::setup {

namespace {

using K = ControlKind;

const QString kWelcome = QStringLiteral(QT_TRANSLATE_NOOP("SetupPage",
    "Welcome to Zelkora 1.0, the Kiva molecule viewer.\n\n"
    "With Kiva, students pick an element or a compound from a catalogue of hundreds of substances "
    "and see it in three dimensions: as one molecule, as a crystal grown from its unit cell, as a "
    "moving liquid or as a gas. They can turn it, measure it, recolour it and print it.\n\n"
    "Setup copies Kiva from its disks into a directory of your choice and adds it to your "
    "application menu under Molecule."));

const QString kSummary = QStringLiteral(QT_TRANSLATE_NOOP("SetupPage",
    "KIVA USER LICENSE AGREEMENT\n\n"
    "Kiva is free software. It is licensed to you under the GNU General Public License, version 2 "
    "or (at your option) any later version, whose full text follows this summary.\n\n"
    "In plain words:\n\n"
    "1. You may run Kiva for any purpose, on as many computers as you like: in the classroom, at "
    "home or anywhere else.\n\n"
    "2. You may copy Kiva and give it to others, and you may change it. When you pass on Kiva or a "
    "changed version, you must pass it on under this same licence and offer its source code, so "
    "that everyone who receives it has the same freedoms.\n\n"
    "3. Kiva comes with NO WARRANTY, to the extent permitted by law.\n\n"
    "This summary is a help for reading, not the licence: only the licence's own text below has "
    "legal force.\n\n"
    "________________________________________\n\n"));

// The installer's picture sits at the top left of every page; texts beside it start here.
const ControlLayout kCornerBitmap{K::SetupBitmap, {}, 0, {7, 6, 24, 24}};
constexpr int kTextLeft = 38;

std::map<PageId, PageLayout> MakeLayouts() {
    std::map<PageId, PageLayout> layouts;
    const auto add = [&](PageLayout layout) {
        layout.controls.insert(layout.controls.begin(), kCornerBitmap);
        const PageId page = layout.page;
        layouts.emplace(page, std::move(layout));
    };
    add({PageId::Licence, {292, 196}, false, kCloseCancels, {
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Please read the following agreement. Scroll to see the rest of the agreement.")), 0,
         {kTextLeft, 10, 246, 20}},
        {K::Agreement, {}, control::kAgreement, {8, 34, 276, 105}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Do you accept all of the terms of the preceding User License Agreement? If you "
                                 "choose No, you must not use the Software. If you want to use the Software, you "
                                 "must accept this agreement.")), 0, {8, 144, 276, 26}},
        {K::DefaultButton, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Accept")), result::kAccept, {170, 176, 54, 14}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "No")), result::kNo, {230, 176, 54, 14}},
    }});
    add({PageId::Welcome, {292, 156}, false, kCloseCancels, {
        {K::WelcomeBitmap, {}, 0, {8, 32, 80, 88}},
        {K::Text, kWelcome, 0, {96, 10, 188, 104}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "To proceed with setup, click Continue.")), 0, {96, 118, 188, 10}},
        {K::DefaultButton, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Continue")), result::kContinue, {170, 136, 54, 14}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Exit Setup")), result::kExitSetup, {230, 136, 54, 14}},
    }});
    add({PageId::Destination, {292, 142}, false, kCloseCancels, {
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Setup will install Zelkora 1.0 in the following directory.")), 0, {kTextLeft, 8, 246, 10}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "To install to this directory, click Continue.")), 0, {kTextLeft, 24, 246, 10}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "To install to a different directory, enter new directory in Destination Directory box.")),
         0, {kTextLeft, 38, 246, 18}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "You can choose not to install Zelkora 1.0 by clicking Exit Setup.")), 0,
         {kTextLeft, 60, 246, 10}},
        {K::Group, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", " Destination Directory ")), 0, {kTextLeft, 76, 246, 34}},
        {K::Edit, {}, control::kPathEdit, {kTextLeft + 8, 90, 230, 12}},
        {K::DefaultButton, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "&Continue")), result::kContinue, {170, 120, 54, 14}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "E&xit Setup")), result::kExitSetup, {230, 120, 54, 14}},
    }});
    add({PageId::ExistingCopy, {270, 92}, true, result::kBack, {
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "A copy of the software already exists in the destination directory.")), 0,
         {kTextLeft, 8, 224, 18}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "To install this software again, click Continue.")), 0, {kTextLeft, 32, 224, 10}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "To install to a different directory, click Back.")), 0, {kTextLeft, 46, 224, 10}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Continue")), result::kContinue, {148, 70, 54, 14}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Back")), result::kBack, {208, 70, 54, 14}},
    }});
    add({PageId::DiskSpace, {270, 86}, false, kCloseCancels, {
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Not enough disk space on target drive while attempting to copy files.")), 0,
         {kTextLeft, 8, 224, 18}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "To proceed with setup, first free disk space on the target drive and then click "
                                 "Continue.")), 0, {kTextLeft, 32, 224, 18}},
        {K::DefaultButton, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Continue")), result::kContinue, {148, 64, 54, 14}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Exit Setup")), result::kExitSetup, {208, 64, 54, 14}},
    }});
    add({PageId::InsertDisk, {270, 78}, false, kCloseCancels, {
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Please insert next disk.")), 0, {kTextLeft, 10, 224, 10}},
        {K::Edit, {}, control::kPathEdit, {kTextLeft, 30, 224, 12}},
        {K::DefaultButton, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Continue")), result::kContinue, {148, 56, 54, 14}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Exit Setup")), result::kExitSetup, {208, 56, 54, 14}},
    }});
    add({PageId::Progress, {232, 92}, false, kCloseIgnored, {
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Setup is now in progress...")), 0, {kTextLeft, 10, 186, 10}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Installing:")), 0, {kTextLeft, 28, 40, 10}},
        {K::Text, {}, control::kCurrentFile, {kTextLeft + 42, 28, 144, 10}},
        {K::Progress, {}, control::kProgressBar, {8, 48, 216, 14}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Abort Setup")), result::kAbortSetup, {87, 70, 58, 14}},
    }});
    add({PageId::ConfirmExit, {236, 72}, false, kCloseCancels, {
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Setup is not complete. If you quit Setup program now,")), 0, {kTextLeft, 10, 192, 10}},
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "the program will not be installed.")), 0, {kTextLeft, 22, 192, 10}},
        {K::DefaultButton, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "&Resume")), result::kResume, {114, 50, 54, 14}},
        {K::Button, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "E&xit Setup")), result::kExitSetup, {174, 50, 54, 14}},
    }});
    add({PageId::Success, {200, 62}, false, kCloseCancels, {
        {K::Text, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Setup was completely successful !")), 0, {kTextLeft, 14, 154, 10}},
        {K::DefaultButton, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "Done")), result::kDone, {73, 40, 54, 14}},
    }});
    add({PageId::Error, {220, 66}, true, result::kOk, {
        {K::Text, {}, control::kMessage, {kTextLeft, 10, 174, 24}},
        {K::DefaultButton, QStringLiteral(QT_TRANSLATE_NOOP("SetupPage", "OK")), result::kOk, {83, 44, 54, 14}},
    }});
    return layouts;
}

int Indent(const QString& line) {
    int indent = 0;
    while (indent < line.size() && line[indent].isSpace()) ++indent;
    return indent;
}

}  // namespace

const PageLayout& LayoutOf(PageId page) {
    static const std::map<PageId, PageLayout> layouts = MakeLayouts();
    return layouts.at(page);
}

QString PageCaption() { return QCoreApplication::translate(kSetupMessagesContext, kSetupTitle); }

QString ControlText(const ControlLayout& control) {
    return control.text.isEmpty() ? QString() : QCoreApplication::translate("SetupPage", control.text.toUtf8().constData());
}

QString SetupMessageText(const std::string& message) {
    // The menu-entry message goes on with the entries' titles, which keep their own words.
    const std::string_view entries = kMenuEntriesNotCreated;
    if (message.starts_with(entries))
        return QCoreApplication::translate(kSetupMessagesContext, kMenuEntriesNotCreated) +
               QString::fromStdString(message.substr(entries.size()));
    return QCoreApplication::translate(kSetupMessagesContext, message.c_str());
}

QString JoinWrappedLines(const QString& text) {
    // A line this long was broken by its author only to fit a terminal.
    constexpr int kFullLine = 50;
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList joined;
    QString previous;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const bool continues = !joined.isEmpty() && !line.trimmed().isEmpty() && !previous.trimmed().isEmpty() &&
                               previous.size() >= kFullLine && Indent(line) <= Indent(previous);
        if (continues)
            joined.last() += QLatin1Char(' ') + line.trimmed();
        else
            joined << line;
        previous = line;
    }
    return joined.join(QLatin1Char('\n'));
}

QString AgreementText() {
    QFile licence(QStringLiteral(":/setup/COPYING"));
    const QString text = licence.open(QIODevice::ReadOnly) ? QString::fromUtf8(licence.readAll()) : QString();
    return QCoreApplication::translate("SetupPage", kSummary.toUtf8().constData()) + JoinWrappedLines(text);
}

}  // namespace kiva::setup
