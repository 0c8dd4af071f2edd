// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/commands.h"

#include <array>

namespace kiva::command {

namespace {

struct Entry {
    int id;
    Strings strings;
};

constexpr std::array kStrings = {
    Entry{FileNew, {"Create a new document", "New"}},
    Entry{FileOpen, {"Open a document file", "Open"}},
    Entry{FileClose, {"Close the active document", "Close"}},
    Entry{FileSave, {"Save the active document", "Save"}},
    Entry{FileSaveAs, {"Save the active document under a new name", "Save As"}},
    Entry{FilePrintSetup, {"Choose a printer and its options", "Print Setup"}},
    Entry{FilePrint, {"Print the active document", "Print"}},
    Entry{FilePrintPreview, {"Display full pages", "Print Preview"}},
    Entry{FileRecent1, {"Open this document", ""}},
    Entry{FileRecent1 + 1, {"Open this document", ""}},
    Entry{FileRecent1 + 2, {"Open this document", ""}},
    Entry{FileRecent1 + 3, {"Open this document", ""}},
    Entry{WindowNew, {"Open another window for the active document", "New Window"}},
    Entry{WindowArrange, {"Arrange icons at the bottom of the window", "Arrange Icons"}},
    Entry{WindowCascade, {"Arrange windows so they overlap", "Cascade Windows"}},
    Entry{WindowTile, {"Arrange windows as non-overlapping tiles", "Tile Windows"}},
    Entry{AppAbout, {"Display program information and version", "About"}},
    Entry{AppExit, {"Quit the application", "Quit"}},
    Entry{Help, {"List Help topics", "Help Topics"}},
    Entry{ViewStatusBar, {"Show or hide the status bar", "Toggle StatusBar"}},

    Entry{Rotate, {"Rotate", "Rotate"}},
    Entry{Translate, {"Translate", "Translate (Move)"}},
    Entry{Rock, {"Rock", "Rock"}},
    Entry{ZoomIn, {"Zoom In", "Zoom In"}},
    Entry{ZoomOut, {"Zoom Out", "Zoom Out"}},
    Entry{PrintSize, {"Change the print size", "Print Size"}},
    Entry{PrintHandout, {"Print a lesson handout: the picture with the substance's name, description and facts", "Print Handout"}},
    Entry{ExportPicture, {"Export the picture as a PNG file at the view's size or another", "Export Picture"}},
    Entry{ExportAnimation, {"Export the turn, the swing or the motion as an animated GIF or an MP4 video", "Export Animation"}},
    Entry{ElementColor, {"Change the color of an element", "Color"}},
    Entry{CrystalSolid, {"Display molecule as crystalline solid", "Crystalline solid"}},
    Entry{ChemicalUnit, {"Display molecule as chemical unit", "Chemical unit"}},
    Entry{Liquid, {"Display molecule in liquid state", "Liquid"}},
    Entry{Gas, {"Display molecule in gaseous state", "Gas"}},
    Entry{BallAndStick, {"Display molecule as ball-and-stick model", "Ball-and-stick"}},
    Entry{SpaceFilling, {"Display molecule as space-filling model", "Space-filling"}},
    Entry{Homoatomic, {"Select a homoatomic substance", ""}},
    Entry{Metallic, {"Select a metallic compound", ""}},
    Entry{NonMetallic, {"Select a non-metallic compound", ""}},
    Entry{Organic, {"Select an organic compound", ""}},
    Entry{Index, {"Select a molecule from the Index", ""}},
    Entry{Position, {"To measure the position of a specific atom", "Position"}},
    Entry{Distance, {"To measure the distance between two atoms", "Distance"}},
    Entry{Angle, {"To measure the angle between two bonds", "Angle"}},
    Entry{TorsionAngle, {"To measure the torsion angle between two planes", "Torsion angle"}},
    Entry{LowQuality, {"Low quality display", "Low quality"}},
    Entry{HighQuality, {"High quality display", "High quality"}},
    Entry{Axes, {"Show or hide the XYZ axes", "Axes"}},
    Entry{UnitCellMultiples, {"Set multiples of unit cell along x, y and z axes", "Multiples of unit cell"}},
    Entry{Reset, {"Reset to initial view state", "Reset"}},
    Entry{CellFrame, {"Show or hide the unit cell frame", "Unit cell frame"}},
    Entry{Coordination, {"Show or hide coordination", "Coordination"}},
    Entry{EditCopy, {"Copy the picture to the clipboard", "Copy Picture"}},
    Entry{FullScreen, {"Show the picture alone on the whole screen; Escape or F11 leaves", "Full Screen"}},
    Entry{PictureFixed, {"Show the picture as a fixed square of 340 by 340 pixels", "Fixed Picture Size"}},
    Entry{PictureFitWindow, {"Let the picture fill its window, which can then grow and be maximized", "Fit Window"}},
    Entry{SubstanceInformation, {"Show the name, formula and crystal cell of the substance", "Substance information"}},
    Entry{WholeMolecules, {"Show the crystal's molecules and ions whole across the cell faces", "Whole molecules"}},
    Entry{AtomLabels, {"Show or hide each atom's element and charge, and the names of the cell's edges", "Atom labels"}},
};

}  // namespace

Strings StringsOf(int id) {
    for (const Entry& entry : kStrings)
        if (entry.id == id) return entry.strings;
    return {};
}

}  // namespace kiva::command
