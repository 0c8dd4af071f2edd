// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/help_topics.h"

#include <QCoreApplication>
#include <array>

#include "platform/translations.h"
#include "view/commands.h"

namespace kiva {

namespace {

using namespace command;

struct Topic {
    int id;
    const char* page;
};

constexpr std::array kTopics = {
    Topic{FileNew, "menu_file.html#new"},
    Topic{FileOpen, "menu_file.html#open"},
    Topic{FileClose, "menu_file.html#close"},
    Topic{FileSave, "menu_file.html#save"},
    Topic{FileSaveAs, "menu_file.html#save_as"},
    Topic{FilePrint, "printing.html#print"},
    Topic{FilePrintPreview, "printing.html#print_preview"},
    Topic{FilePrintSetup, "printing.html#print_setup"},
    Topic{PrintSize, "printing.html#print_size"},
    Topic{PrintHandout, "printing.html#print_handout"},
    Topic{ExportPicture, "menu_file.html#export_picture"},
    Topic{ExportAnimation, "menu_file.html#export_animation"},
    Topic{FileRecent1, "menu_file.html#recent"},
    Topic{FileRecent1 + 1, "menu_file.html#recent"},
    Topic{FileRecent1 + 2, "menu_file.html#recent"},
    Topic{FileRecent1 + 3, "menu_file.html#recent"},
    Topic{AppExit, "menu_file.html#quit"},
    Topic{ElementColor, "colors.html"},
    Topic{ChemicalUnit, "menu_view.html#chemical_unit"},
    Topic{CrystalSolid, "menu_view.html#crystalline_solid"},
    Topic{Liquid, "menu_view.html#liquid"},
    Topic{Gas, "menu_view.html#gas"},
    Topic{Heating, "menu_view.html#heating"},
    Topic{HeatingHeat, "menu_view.html#heating"},
    Topic{HeatingCool, "menu_view.html#heating"},
    Topic{HeatingHold, "menu_view.html#heating"},
    Topic{Particles64, "menu_view.html#particles"},
    Topic{Particles216, "menu_view.html#particles"},
    Topic{Particles512, "menu_view.html#particles"},
    Topic{Particles1000, "menu_view.html#particles"},
    Topic{BallAndStick, "menu_view.html#ball_and_stick"},
    Topic{SpaceFilling, "menu_view.html#space_filling"},
    Topic{LowQuality, "menu_view.html#low_quality"},
    Topic{HighQuality, "menu_view.html#high_quality"},
    Topic{UnitCellMultiples, "menu_view.html#multiples"},
    Topic{Axes, "menu_view.html#axes"},
    Topic{CellFrame, "menu_view.html#cell_frame"},
    Topic{Coordination, "menu_view.html#coordination"},
    Topic{WholeMolecules, "menu_view.html#whole_molecules"},
    Topic{AtomLabels, "menu_view.html#atom_labels"},
    Topic{Polyhedra, "menu_view.html#polyhedra"},
    Topic{LatticePlane, "menu_view.html#lattice_plane"},
    Topic{SmoothEdges, "menu_view.html#smooth_edges"},
    Topic{SubstanceInformation, "menu_view.html#substance_information"},
    Topic{ViewStatusBar, "menu_view.html#status_bar"},
    Topic{PictureFixed, "menu_view.html#picture_size"},
    Topic{PictureFitWindow, "menu_view.html#picture_size"},
    Topic{FullScreen, "menu_view.html#full_screen"},
    Topic{EditCopy, "menu_view.html#copy_picture"},
    Topic{Reset, "menu_view.html#reset"},
    Topic{Homoatomic, "menu_molecule.html#homoatomic"},
    Topic{Metallic, "menu_molecule.html#metallic"},
    Topic{NonMetallic, "menu_molecule.html#non_metallic"},
    Topic{Organic, "menu_molecule.html#organic"},
    Topic{Index, "menu_molecule.html#index"},
    Topic{Rotate, "measuring.html#rotate"},
    Topic{Translate, "measuring.html#translate"},
    Topic{Rock, "measuring.html#rock"},
    Topic{ZoomIn, "measuring.html#zoom"},
    Topic{ZoomOut, "measuring.html#zoom"},
    Topic{Position, "measuring.html#position"},
    Topic{Distance, "measuring.html#distance"},
    Topic{Angle, "measuring.html#angle"},
    Topic{TorsionAngle, "measuring.html#torsion_angle"},
    Topic{WindowNew, "menu_window.html#new_window"},
    Topic{WindowCascade, "menu_window.html#cascade"},
    Topic{WindowTile, "menu_window.html#tile"},
    Topic{WindowArrange, "menu_window.html#arrange_icons"},
    Topic{Help, "menu_help.html#help_topics"},
    Topic{ContextHelp, "menu_help.html#context_help"},
    Topic{AppAbout, "menu_help.html#about"},
};

}  // namespace

QString HelpTopicOf(int commandId) {
    for (const Topic& topic : kTopics)
        if (topic.id == commandId) return QString::fromLatin1(topic.page);
    return {};
}

QString WhatsThisText(int commandId, QString name) {
    name = name.section(QLatin1Char('\t'), 0, 0);
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
    const QString prompt = TranslatedText(kStringsContext, StringsOf(commandId).prompt);
    QString text = QStringLiteral("<p><b>%1</b></p>").arg(name.toHtmlEscaped());
    if (!prompt.isEmpty() && prompt != name) text += QStringLiteral("<p>%1.</p>").arg(prompt.toHtmlEscaped());
    const QString topic = HelpTopicOf(commandId);
    if (!topic.isEmpty()) text += QCoreApplication::translate("HelpTopics", "<p><a href=\"%1\">More in the help</a></p>").arg(topic);
    return text;
}

}  // namespace kiva
