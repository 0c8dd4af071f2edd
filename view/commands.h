// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The viewer's command ids, one numbering for menus, accelerators and toolbars, and each
// command's two-line string: the status-bar prompt and the toolbar tooltip.
#include <string_view>

namespace kiva::command {

// The framework's standard commands.
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintDirect = 57608;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileRecent1 = 57616;  // the recent-file entries are 57616 to 57619
inline constexpr int kRecentFileCount = 4;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int WindowNew = 57648;
inline constexpr int WindowArrange = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;
inline constexpr int NextPane = 57680;
inline constexpr int PreviousPane = 57681;
inline constexpr int ViewStatusBar = 59393;

// The view's own commands.
inline constexpr int Rotate = 32771;
inline constexpr int Translate = 32772;
inline constexpr int Rock = 32773;
inline constexpr int ZoomIn = 32774;
inline constexpr int ZoomOut = 32775;
inline constexpr int PrintSize = 32787;
inline constexpr int ElementColor = 32788;
inline constexpr int CrystalSolid = 32789;
inline constexpr int ChemicalUnit = 32790;
inline constexpr int Liquid = 32791;
inline constexpr int Gas = 32792;
inline constexpr int BallAndStick = 32793;
inline constexpr int SpaceFilling = 32794;
inline constexpr int Homoatomic = 32797;
inline constexpr int Organic = 32800;
inline constexpr int NonMetallic = 32801;
inline constexpr int Index = 32804;
inline constexpr int Position = 32805;
inline constexpr int Distance = 32806;
inline constexpr int TorsionAngle = 32808;
inline constexpr int LowQuality = 32812;
inline constexpr int HighQuality = 32814;
inline constexpr int Metallic = 32815;
inline constexpr int Angle = 32816;
inline constexpr int Axes = 32817;
inline constexpr int SpaceKey = 32821;  // bound to Space, served by nothing
inline constexpr int UnitCellMultiples = 32822;
inline constexpr int Reset = 32831;
inline constexpr int CellFrame = 32834;
inline constexpr int Coordination = 32835;
// The picture's size, a choice of the whole program.
inline constexpr int PictureFixed = 32840;
inline constexpr int PictureFitWindow = 32841;
inline constexpr int FullScreen = 32842;
inline constexpr int WholeMolecules = 32843;
inline constexpr int SubstanceInformation = 32844;
inline constexpr int ExportAnimation = 32845;
inline constexpr int ExportPicture = 32846;
inline constexpr int AtomLabels = 32847;
inline constexpr int PrintHandout = 32848;
// The heating and cooling state, its number of particles and its controls.
inline constexpr int Heating = 32849;
inline constexpr int Particles64 = 32850;
inline constexpr int Particles216 = 32851;
inline constexpr int Particles512 = 32852;
inline constexpr int Particles1000 = 32853;
inline constexpr int HeatingHeat = 32854;
inline constexpr int HeatingCool = 32855;
inline constexpr int HeatingHold = 32856;
// Crystallography's drawings over the crystal.
inline constexpr int Polyhedra = 32857;
inline constexpr int LatticePlane = 32858;
// Smooth edges, a choice of the whole program.
inline constexpr int SmoothEdges = 32859;

struct Strings {
    std::string_view prompt;   // first line: shown in the status bar while the item is highlighted
    std::string_view tooltip;  // second line: the toolbar button's tooltip
};

// Both lines empty when the command has no string. The lines are English; the window shows
// them translated in the context kStringsContext.
inline constexpr const char* kStringsContext = "Command";
Strings StringsOf(int id);

}  // namespace kiva::command
