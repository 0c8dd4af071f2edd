// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/menu_tables.h"

#include <QtGlobal>

#include "view/commands.h"

namespace kiva {

namespace {

using namespace command;

const MenuItem kSeparator{};

MenuItem HelpMenu() { return {QT_TRANSLATE_NOOP("Menu", "&Help"), 0, {{QT_TRANSLATE_NOOP("Menu", "&Help Topics\tF1"), Help}, kSeparator, {QT_TRANSLATE_NOOP("Menu", "&About 'Zelkora'..."), AppAbout}}}; }

}  // namespace

const std::vector<MenuItem>& NoDocumentMenu() {
    static const std::vector<MenuItem> menu = {
        {QT_TRANSLATE_NOOP("Menu", "&File"), 0,
         {{QT_TRANSLATE_NOOP("Menu", "&New\tCtrl+N"), FileNew},
          {QT_TRANSLATE_NOOP("Menu", "&Open...\tCtrl+O"), FileOpen},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "P&rint Setup..."), FilePrintSetup},
          kSeparator,
          {kRecentFilePlaceholder, FileRecent1},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "&Quit\tCtrl+Q"), AppExit}}},
        {QT_TRANSLATE_NOOP("Menu", "&View"), 0, {{QT_TRANSLATE_NOOP("Menu", "Status &Bar"), ViewStatusBar}}},
        HelpMenu(),
    };
    return menu;
}

const std::vector<MenuItem>& DocumentMenu() {
    static const std::vector<MenuItem> menu = {
        {QT_TRANSLATE_NOOP("Menu", "&File"), 0,
         {{QT_TRANSLATE_NOOP("Menu", "&New\tCtrl+N"), FileNew},
          {QT_TRANSLATE_NOOP("Menu", "&Open...\tCtrl+O"), FileOpen},
          {QT_TRANSLATE_NOOP("Menu", "&Close\tCtrl+W"), FileClose},
          {QT_TRANSLATE_NOOP("Menu", "&Save\tCtrl+S"), FileSave},
          {QT_TRANSLATE_NOOP("Menu", "Save &As..."), FileSaveAs},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "&Print...\tCtrl+P"), FilePrint},
          {QT_TRANSLATE_NOOP("Menu", "Print Pre&view"), FilePrintPreview},
          {QT_TRANSLATE_NOOP("Menu", "P&rint Setup..."), FilePrintSetup},
          {QT_TRANSLATE_NOOP("Menu", "Prin&t Size..."), PrintSize},
          {QT_TRANSLATE_NOOP("Menu", "Print &Handout..."), PrintHandout},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "E&xport Picture..."), ExportPicture},
          {QT_TRANSLATE_NOOP("Menu", "&Export Animation..."), ExportAnimation},
          kSeparator,
          {kRecentFilePlaceholder, FileRecent1},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "&Quit\tCtrl+Q"), AppExit}}},
        {QT_TRANSLATE_NOOP("Menu", "&Edit"), 0, {{QT_TRANSLATE_NOOP("Menu", "&Copy Picture\tCtrl+C"), EditCopy}}},
        {QT_TRANSLATE_NOOP("Menu", "&View"), 0,
         {{QT_TRANSLATE_NOOP("Menu", "&Color..."), ElementColor},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "Display &Structure"), 0,
           {{QT_TRANSLATE_NOOP("Menu", "&Chemical Unit"), ChemicalUnit},
            {QT_TRANSLATE_NOOP("Menu", "Crystalline &Solid State"), CrystalSolid},
            {QT_TRANSLATE_NOOP("Menu", "&Liquid State"), Liquid},
            {QT_TRANSLATE_NOOP("Menu", "&Gas State"), Gas},
            {QT_TRANSLATE_NOOP("Menu", "&Heating and Cooling"), Heating}}},
          {QT_TRANSLATE_NOOP("Menu", "&Particles"), 0,
           {{QT_TRANSLATE_NOOP("Menu", "&64"), Particles64},
            {QT_TRANSLATE_NOOP("Menu", "&216"), Particles216},
            {QT_TRANSLATE_NOOP("Menu", "&512"), Particles512},
            {QT_TRANSLATE_NOOP("Menu", "&1000"), Particles1000}}},
          {QT_TRANSLATE_NOOP("Menu", "Display &Model"), 0, {{QT_TRANSLATE_NOOP("Menu", "&Ball-and-Stick"), BallAndStick}, {QT_TRANSLATE_NOOP("Menu", "&Space-Filling"), SpaceFilling}}},
          {QT_TRANSLATE_NOOP("Menu", "Display &Quality"), 0, {{QT_TRANSLATE_NOOP("Menu", "&Low Quality"), LowQuality}, {QT_TRANSLATE_NOOP("Menu", "&High Quality"), HighQuality}}},
          {QT_TRANSLATE_NOOP("Menu", "Picture Si&ze"), 0, {{QT_TRANSLATE_NOOP("Menu", "&Fixed (340 \u00d7 340)"), PictureFixed}, {QT_TRANSLATE_NOOP("Menu", "Fit &Window"), PictureFitWindow}}},
          {QT_TRANSLATE_NOOP("Menu", "&Full Screen\tF11"), FullScreen},
          {QT_TRANSLATE_NOOP("Menu", "Smooth &Edges"), SmoothEdges},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "Multiples of &Unit Cell..."), UnitCellMultiples},
          {QT_TRANSLATE_NOOP("Menu", "&XYZ Axes"), Axes},
          {QT_TRANSLATE_NOOP("Menu", "&Whole Molecules"), WholeMolecules},
          {QT_TRANSLATE_NOOP("Menu", "Atom &Labels"), AtomLabels},
          {QT_TRANSLATE_NOOP("Menu", "P&olyhedra"), Polyhedra},
          {QT_TRANSLATE_NOOP("Menu", "La&ttice Plane..."), LatticePlane},
          {QT_TRANSLATE_NOOP("Menu", "Substance &Information..."), SubstanceInformation},
          {QT_TRANSLATE_NOOP("Menu", "Status &Bar"), ViewStatusBar},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "&Reset"), Reset}}},
        {QT_TRANSLATE_NOOP("Menu", "&Molecule"), 0,
         {{QT_TRANSLATE_NOOP("Menu", "&Homoatomic..."), Homoatomic},
          {QT_TRANSLATE_NOOP("Menu", "&Metallic..."), Metallic},
          {QT_TRANSLATE_NOOP("Menu", "&Non-Metallic..."), NonMetallic},
          {QT_TRANSLATE_NOOP("Menu", "&Organic..."), Organic},
          kSeparator,
          {QT_TRANSLATE_NOOP("Menu", "&Index..."), Index}}},
        {QT_TRANSLATE_NOOP("Menu", "M&easure"), 0,
         {{QT_TRANSLATE_NOOP("Menu", "&Position"), Position}, {QT_TRANSLATE_NOOP("Menu", "&Distance"), Distance}, {QT_TRANSLATE_NOOP("Menu", "&Angle"), Angle}, {QT_TRANSLATE_NOOP("Menu", "&Torsion Angle"), TorsionAngle}}},
        {QT_TRANSLATE_NOOP("Menu", "&Window"), 0,
         {{QT_TRANSLATE_NOOP("Menu", "&New Window"), WindowNew}, {QT_TRANSLATE_NOOP("Menu", "&Cascade"), WindowCascade}, {QT_TRANSLATE_NOOP("Menu", "&Tile"), WindowTile},
          {QT_TRANSLATE_NOOP("Menu", "&Arrange Icons"), WindowArrange}}},
        HelpMenu(),
    };
    return menu;
}

const std::vector<Accelerator>& AcceleratorTable() {
    static const std::vector<Accelerator> table = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), FileNew},
        {QKeySequence(Qt::CTRL | Qt::Key_O), FileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), FileSave},
        {QKeySequence(Qt::CTRL | Qt::Key_P), FilePrint},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), AppExit},
        {QKeySequence(Qt::Key_F1), Help},
        {QKeySequence(Qt::Key_F11), FullScreen},
        {QKeySequence(Qt::SHIFT | Qt::Key_F1), ContextHelp},
        {QKeySequence(Qt::Key_F6), NextPane},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), PreviousPane},
        {QKeySequence(Qt::CTRL | Qt::Key_C), EditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), EditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_X), EditCut},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), EditCut},
        {QKeySequence(Qt::CTRL | Qt::Key_V), EditPaste},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), EditPaste},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), EditUndo},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), EditUndo},
        {QKeySequence(Qt::Key_Space), SpaceKey},
    };
    return table;
}

}  // namespace kiva
