// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/menu_tables.h"

#include "view/commands.h"

namespace kiva {

namespace {

using namespace command;

const MenuItem kSeparator{};

MenuItem HelpMenu() { return {"&Help", 0, {{"&Help Topics\tF1", Help}, kSeparator, {"&About 'Zelkora'...", AppAbout}}}; }

}  // namespace

const std::vector<MenuItem>& NoDocumentMenu() {
    static const std::vector<MenuItem> menu = {
        {"&File", 0,
         {{"&New\tCtrl+N", FileNew},
          {"&Open...\tCtrl+O", FileOpen},
          kSeparator,
          {"P&rint Setup...", FilePrintSetup},
          kSeparator,
          {kRecentFilePlaceholder, FileRecent1},
          kSeparator,
          {"&Quit\tCtrl+Q", AppExit}}},
        {"&View", 0, {{"Status &Bar", ViewStatusBar}}},
        HelpMenu(),
    };
    return menu;
}

const std::vector<MenuItem>& DocumentMenu() {
    static const std::vector<MenuItem> menu = {
        {"&File", 0,
         {{"&New\tCtrl+N", FileNew},
          {"&Open...\tCtrl+O", FileOpen},
          {"&Close\tCtrl+W", FileClose},
          {"&Save\tCtrl+S", FileSave},
          {"Save &As...", FileSaveAs},
          kSeparator,
          {"&Print...\tCtrl+P", FilePrint},
          {"Print Pre&view", FilePrintPreview},
          {"P&rint Setup...", FilePrintSetup},
          {"Prin&t Size...", PrintSize},
          {"Print &Handout...", PrintHandout},
          kSeparator,
          {"E&xport Picture...", ExportPicture},
          {"&Export Animation...", ExportAnimation},
          kSeparator,
          {kRecentFilePlaceholder, FileRecent1},
          kSeparator,
          {"&Quit\tCtrl+Q", AppExit}}},
        {"&Edit", 0, {{"&Copy Picture\tCtrl+C", EditCopy}}},
        {"&View", 0,
         {{"&Color...", ElementColor},
          kSeparator,
          {"Display &Structure", 0,
           {{"&Chemical Unit", ChemicalUnit},
            {"Crystalline &Solid State", CrystalSolid},
            {"&Liquid State", Liquid},
            {"&Gas State", Gas}}},
          {"Display &Model", 0, {{"&Ball-and-Stick", BallAndStick}, {"&Space-Filling", SpaceFilling}}},
          {"Display &Quality", 0, {{"&Low Quality", LowQuality}, {"&High Quality", HighQuality}}},
          {"Picture Si&ze", 0, {{"&Fixed (340 \u00d7 340)", PictureFixed}, {"Fit &Window", PictureFitWindow}}},
          {"&Full Screen\tF11", FullScreen},
          kSeparator,
          {"Multiples of &Unit Cell...", UnitCellMultiples},
          {"&XYZ Axes", Axes},
          {"&Whole Molecules", WholeMolecules},
          {"Atom &Labels", AtomLabels},
          {"Substance &Information...", SubstanceInformation},
          {"Status &Bar", ViewStatusBar},
          kSeparator,
          {"&Reset", Reset}}},
        {"&Molecule", 0,
         {{"&Homoatomic...", Homoatomic},
          {"&Metallic...", Metallic},
          {"&Non-Metallic...", NonMetallic},
          {"&Organic...", Organic},
          kSeparator,
          {"&Index...", Index}}},
        {"M&easure", 0,
         {{"&Position", Position}, {"&Distance", Distance}, {"&Angle", Angle}, {"&Torsion Angle", TorsionAngle}}},
        {"&Window", 0,
         {{"&New Window", WindowNew}, {"&Cascade", WindowCascade}, {"&Tile", WindowTile},
          {"&Arrange Icons", WindowArrange}}},
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
