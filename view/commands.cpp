// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/commands.h"

#include <array>

#include "platform/translatable.h"

namespace kiva::command {

namespace {

struct Entry {
    int id;
    Strings strings;
};

constexpr std::array kStrings = {
    Entry{FileNew, {KIVA_TRANSLATABLE("Command", "Create a new document"), KIVA_TRANSLATABLE("Command", "New")}},
    Entry{FileOpen, {KIVA_TRANSLATABLE("Command", "Open a document file"), KIVA_TRANSLATABLE("Command", "Open")}},
    Entry{FileClose, {KIVA_TRANSLATABLE("Command", "Close the active document"), KIVA_TRANSLATABLE("Command", "Close")}},
    Entry{FileSave, {KIVA_TRANSLATABLE("Command", "Save the active document"), KIVA_TRANSLATABLE("Command", "Save")}},
    Entry{FileSaveAs, {KIVA_TRANSLATABLE("Command", "Save the active document under a new name"), KIVA_TRANSLATABLE("Command", "Save As")}},
    Entry{FilePrintSetup, {KIVA_TRANSLATABLE("Command", "Choose a printer and its options"), KIVA_TRANSLATABLE("Command", "Print Setup")}},
    Entry{FilePrint, {KIVA_TRANSLATABLE("Command", "Print the active document"), KIVA_TRANSLATABLE("Command", "Print")}},
    Entry{FilePrintPreview, {KIVA_TRANSLATABLE("Command", "Display full pages"), KIVA_TRANSLATABLE("Command", "Print Preview")}},
    Entry{FileRecent1, {KIVA_TRANSLATABLE("Command", "Open this document"), ""}},
    Entry{FileRecent1 + 1, {KIVA_TRANSLATABLE("Command", "Open this document"), ""}},
    Entry{FileRecent1 + 2, {KIVA_TRANSLATABLE("Command", "Open this document"), ""}},
    Entry{FileRecent1 + 3, {KIVA_TRANSLATABLE("Command", "Open this document"), ""}},
    Entry{WindowNew, {KIVA_TRANSLATABLE("Command", "Open another window for the active document"), KIVA_TRANSLATABLE("Command", "New Window")}},
    Entry{WindowArrange, {KIVA_TRANSLATABLE("Command", "Arrange icons at the bottom of the window"), KIVA_TRANSLATABLE("Command", "Arrange Icons")}},
    Entry{WindowCascade, {KIVA_TRANSLATABLE("Command", "Arrange windows so they overlap"), KIVA_TRANSLATABLE("Command", "Cascade Windows")}},
    Entry{WindowTile, {KIVA_TRANSLATABLE("Command", "Arrange windows as non-overlapping tiles"), KIVA_TRANSLATABLE("Command", "Tile Windows")}},
    Entry{AppAbout, {KIVA_TRANSLATABLE("Command", "Display program information and version"), KIVA_TRANSLATABLE("Command", "About")}},
    Entry{AppExit, {KIVA_TRANSLATABLE("Command", "Quit the application"), KIVA_TRANSLATABLE("Command", "Quit")}},
    Entry{Help, {KIVA_TRANSLATABLE("Command", "List Help topics"), KIVA_TRANSLATABLE("Command", "Help Topics")}},
    Entry{ViewStatusBar, {KIVA_TRANSLATABLE("Command", "Show or hide the status bar"), KIVA_TRANSLATABLE("Command", "Toggle StatusBar")}},

    Entry{Rotate, {KIVA_TRANSLATABLE("Command", "Rotate"), KIVA_TRANSLATABLE("Command", "Rotate")}},
    Entry{Translate, {KIVA_TRANSLATABLE("Command", "Translate"), KIVA_TRANSLATABLE("Command", "Translate (Move)")}},
    Entry{Rock, {KIVA_TRANSLATABLE("Command", "Rock"), KIVA_TRANSLATABLE("Command", "Rock")}},
    Entry{ZoomIn, {KIVA_TRANSLATABLE("Command", "Zoom In"), KIVA_TRANSLATABLE("Command", "Zoom In")}},
    Entry{ZoomOut, {KIVA_TRANSLATABLE("Command", "Zoom Out"), KIVA_TRANSLATABLE("Command", "Zoom Out")}},
    Entry{PrintSize, {KIVA_TRANSLATABLE("Command", "Change the print size"), KIVA_TRANSLATABLE("Command", "Print Size")}},
    Entry{PrintHandout, {KIVA_TRANSLATABLE("Command", "Print a lesson handout: the picture with the substance's name, description and facts"), KIVA_TRANSLATABLE("Command", "Print Handout")}},
    Entry{ExportPicture, {KIVA_TRANSLATABLE("Command", "Export the picture as a PNG file at the view's size or another"), KIVA_TRANSLATABLE("Command", "Export Picture")}},
    Entry{ExportAnimation, {KIVA_TRANSLATABLE("Command", "Export the turn, the swing or the motion as an animated GIF or an MP4 video"), KIVA_TRANSLATABLE("Command", "Export Animation")}},
    Entry{ElementColor, {KIVA_TRANSLATABLE("Command", "Change the color of an element"), KIVA_TRANSLATABLE("Command", "Color")}},
    Entry{CrystalSolid, {KIVA_TRANSLATABLE("Command", "Display molecule as crystalline solid"), KIVA_TRANSLATABLE("Command", "Crystalline solid")}},
    Entry{ChemicalUnit, {KIVA_TRANSLATABLE("Command", "Display molecule as chemical unit"), KIVA_TRANSLATABLE("Command", "Chemical unit")}},
    Entry{Liquid, {KIVA_TRANSLATABLE("Command", "Display molecule in liquid state"), KIVA_TRANSLATABLE("Command", "Liquid")}},
    Entry{Gas, {KIVA_TRANSLATABLE("Command", "Display molecule in gaseous state"), KIVA_TRANSLATABLE("Command", "Gas")}},
    Entry{Heating, {KIVA_TRANSLATABLE("Command", "Heat and cool the substance: watch it melt and boil at its real temperatures"), KIVA_TRANSLATABLE("Command", "Heating and Cooling")}},
    Entry{Particles64, {KIVA_TRANSLATABLE("Command", "Heat and cool 64 particles"), ""}},
    Entry{Particles216, {KIVA_TRANSLATABLE("Command", "Heat and cool 216 particles"), ""}},
    Entry{Particles512, {KIVA_TRANSLATABLE("Command", "Heat and cool 512 particles"), ""}},
    Entry{Particles1000, {KIVA_TRANSLATABLE("Command", "Heat and cool 1000 particles"), ""}},
    Entry{HeatingHeat, {KIVA_TRANSLATABLE("Command", "Add heat at a constant power"), KIVA_TRANSLATABLE("Command", "Heat")}},
    Entry{HeatingCool, {KIVA_TRANSLATABLE("Command", "Take heat away at a constant power"), KIVA_TRANSLATABLE("Command", "Cool")}},
    Entry{HeatingHold, {KIVA_TRANSLATABLE("Command", "Hold the present temperature"), KIVA_TRANSLATABLE("Command", "Hold")}},
    Entry{BallAndStick, {KIVA_TRANSLATABLE("Command", "Display molecule as ball-and-stick model"), KIVA_TRANSLATABLE("Command", "Ball-and-stick")}},
    Entry{SpaceFilling, {KIVA_TRANSLATABLE("Command", "Display molecule as space-filling model"), KIVA_TRANSLATABLE("Command", "Space-filling")}},
    Entry{Homoatomic, {KIVA_TRANSLATABLE("Command", "Select a homoatomic substance"), ""}},
    Entry{Metallic, {KIVA_TRANSLATABLE("Command", "Select a metallic compound"), ""}},
    Entry{NonMetallic, {KIVA_TRANSLATABLE("Command", "Select a non-metallic compound"), ""}},
    Entry{Organic, {KIVA_TRANSLATABLE("Command", "Select an organic compound"), ""}},
    Entry{Index, {KIVA_TRANSLATABLE("Command", "Select a molecule from the Index"), ""}},
    Entry{Position, {KIVA_TRANSLATABLE("Command", "To measure the position of a specific atom"), KIVA_TRANSLATABLE("Command", "Position")}},
    Entry{Distance, {KIVA_TRANSLATABLE("Command", "To measure the distance between two atoms"), KIVA_TRANSLATABLE("Command", "Distance")}},
    Entry{Angle, {KIVA_TRANSLATABLE("Command", "To measure the angle between two bonds"), KIVA_TRANSLATABLE("Command", "Angle")}},
    Entry{TorsionAngle, {KIVA_TRANSLATABLE("Command", "To measure the torsion angle between two planes"), KIVA_TRANSLATABLE("Command", "Torsion angle")}},
    Entry{LowQuality, {KIVA_TRANSLATABLE("Command", "Low quality display"), KIVA_TRANSLATABLE("Command", "Low quality")}},
    Entry{HighQuality, {KIVA_TRANSLATABLE("Command", "High quality display"), KIVA_TRANSLATABLE("Command", "High quality")}},
    Entry{Axes, {KIVA_TRANSLATABLE("Command", "Show or hide the XYZ axes"), KIVA_TRANSLATABLE("Command", "Axes")}},
    Entry{UnitCellMultiples, {KIVA_TRANSLATABLE("Command", "Set multiples of unit cell along x, y and z axes"), KIVA_TRANSLATABLE("Command", "Multiples of unit cell")}},
    Entry{Reset, {KIVA_TRANSLATABLE("Command", "Reset to initial view state"), KIVA_TRANSLATABLE("Command", "Reset")}},
    Entry{CellFrame, {KIVA_TRANSLATABLE("Command", "Show or hide the unit cell frame"), KIVA_TRANSLATABLE("Command", "Unit cell frame")}},
    Entry{Coordination, {KIVA_TRANSLATABLE("Command", "Show or hide coordination"), KIVA_TRANSLATABLE("Command", "Coordination")}},
    Entry{EditCopy, {KIVA_TRANSLATABLE("Command", "Copy the picture to the clipboard"), KIVA_TRANSLATABLE("Command", "Copy Picture")}},
    Entry{FullScreen, {KIVA_TRANSLATABLE("Command", "Show the picture alone on the whole screen; Escape or F11 leaves"), KIVA_TRANSLATABLE("Command", "Full Screen")}},
    Entry{PictureFixed, {KIVA_TRANSLATABLE("Command", "Show the picture as a fixed square of 340 by 340 pixels"), KIVA_TRANSLATABLE("Command", "Fixed Picture Size")}},
    Entry{PictureFitWindow, {KIVA_TRANSLATABLE("Command", "Let the picture fill its window, which can then grow and be maximized"), KIVA_TRANSLATABLE("Command", "Fit Window")}},
    Entry{SubstanceInformation, {KIVA_TRANSLATABLE("Command", "Show the name, formula and crystal cell of the substance"), KIVA_TRANSLATABLE("Command", "Substance information")}},
    Entry{WholeMolecules, {KIVA_TRANSLATABLE("Command", "Show the crystal's molecules and ions whole across the cell faces"), KIVA_TRANSLATABLE("Command", "Whole molecules")}},
    Entry{AtomLabels, {KIVA_TRANSLATABLE("Command", "Show or hide each atom's element and charge, and the names of the cell's edges"), KIVA_TRANSLATABLE("Command", "Atom labels")}},
    Entry{Polyhedra, {KIVA_TRANSLATABLE("Command", "Show the coordination polyhedra: around each cation, the shape its neighbours make"), KIVA_TRANSLATABLE("Command", "Polyhedra")}},
    Entry{SmoothEdges, {KIVA_TRANSLATABLE("Command", "Smooth the edges of atoms, bonds and faces in large, exported and printed pictures"), KIVA_TRANSLATABLE("Command", "Smooth edges")}},
    Entry{LatticePlane, {KIVA_TRANSLATABLE("Command", "Draw a plane of the crystal by its Miller indices h, k, l, with its spacing d(hkl)"), KIVA_TRANSLATABLE("Command", "Lattice plane")}},
};

}  // namespace

Strings StringsOf(int id) {
    for (const Entry& entry : kStrings)
        if (entry.id == id) return entry.strings;
    return {};
}

}  // namespace kiva::command
