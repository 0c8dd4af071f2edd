// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The data objects the whole viewer shares for the whole run, and their ordered start-up and
// exit: Molecule.dat's path first, then the element table, the index, the phase points and the
// catalogue's texts in the user's language; at
// exit the index is released before the element table is written back.
#include <string>
#include <vector>

#include "chem/catalogue_language.h"
#include "chem/element_table.h"
#include "chem/molecule_index.h"
#include "chem/phase_points.h"

namespace kiva {

struct SharedData {
    std::string moleculeDataPath;  // empty when Molecule.dat was not found
    ElementTable elementTable;
    MoleculeIndex moleculeIndex;
    PhaseTable phaseTable;  // PhasePoints.dat beside Molecule.dat; empty when it is missing or damaged
    CatalogueLanguage catalogueLanguage;  // the user's language beside Molecule.dat; empty for English
};

// The process's one instance. It starts empty; StartUpSharedData fills it.
SharedData& TheSharedData();

struct StartUpPlaces {
    std::vector<std::string> searchDirectories;  // where Molecule.dat and Index.dat are looked for
    std::string configDirectory;                 // the user's own Elements.dat when the data is read-only
    std::vector<std::string> languages;          // the user's languages, best first; empty for English
};

// The places of this process: its directory, the current one, the XDG data directories and PATH,
// and the languages its desktop asks for.
StartUpPlaces ProcessStartUpPlaces();

struct ElementFileChoice {
    std::string path;      // where the table is saved, and read when it exists
    std::string readFrom;  // where it is read at start-up
};

// Elements.dat lies beside Molecule.dat while that directory is writable; otherwise (or when
// Molecule.dat was not found) in the configuration directory, read in preference to the one
// shipped beside Molecule.dat.
ElementFileChoice ChooseElementFile(const std::string& moleculeDataPath, const std::string& configDirectory,
                                    bool dataDirectoryWritable);

void StartUpSharedData(SharedData& data, const StartUpPlaces& places);
void ShutDownSharedData(SharedData& data);

// Writes the element table to its file, making the configuration directory first; an unwritable
// place is skipped quietly. Done at exit, and as soon as the user changes the colours, so that a
// session ended by force does not lose them.
bool WriteElementFile(const ElementTable& table);

// Starts the shared data on construction and shuts it down on destruction; main() holds one
// for the life of the program, outside the application object. A run that changes no colours
// (printing) leaves Elements.dat alone, so it cannot undo what a viewer running beside it saves.
class SharedDataLifetime {
public:
    enum class AtExit { SaveElements, KeepElementFile };
    explicit SharedDataLifetime(const StartUpPlaces& places, AtExit atExit = AtExit::SaveElements);
    ~SharedDataLifetime();
    SharedDataLifetime(const SharedDataLifetime&) = delete;
    SharedDataLifetime& operator=(const SharedDataLifetime&) = delete;

private:
    AtExit atExit_;
};

}  // namespace kiva
