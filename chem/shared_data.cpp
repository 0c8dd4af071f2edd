// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/shared_data.h"

#include <filesystem>
#include <system_error>

#include "platform/file_search.h"
#include "platform/ui_language.h"

namespace kiva {

namespace fs = std::filesystem;

SharedData& TheSharedData() {
    static SharedData data;
    return data;
}

StartUpPlaces ProcessStartUpPlaces() {
    const EnvironmentReader environment = ProcessEnvironment();
    return {DataSearchDirectories(ProgramDirectory(), CurrentDirectory(), environment),
            UserConfigDirectory(environment), UiLanguages(environment)};
}

ElementFileChoice ChooseElementFile(const std::string& moleculeDataPath, const std::string& configDirectory,
                                    bool dataDirectoryWritable) {
    const std::string beside =
        moleculeDataPath.empty() ? "" : (fs::path(moleculeDataPath).parent_path() / "Elements.dat").string();
    if (!beside.empty() && dataDirectoryWritable) return {beside, beside};
    const std::string own = (fs::path(configDirectory) / "Elements.dat").string();
    std::error_code error;
    if (fs::exists(own, error) || beside.empty()) return {own, own};
    return {own, beside};
}

void StartUpSharedData(SharedData& data, const StartUpPlaces& places) {
    data.moleculeDataPath = FindDataFile("Molecule.dat", places.searchDirectories).value_or("");

    // An installed catalogue under /usr is the package's: the colours go to the user's own file.
    const std::string dataDirectory = fs::path(data.moleculeDataPath).parent_path().string();
    const bool writable =
        !data.moleculeDataPath.empty() && IsWritableDirectory(dataDirectory) && !IsInsideUsr(dataDirectory);
    const ElementFileChoice elements = ChooseElementFile(data.moleculeDataPath, places.configDirectory, writable);
    data.elementTable = MakeDefaultElementTable();
    data.elementTable.path = elements.path;
    LoadElementTable(data.elementTable, elements.readFrom);

    data.moleculeIndex = MoleculeIndex{};
    data.moleculeIndex.path = FindDataFile("Index.dat", places.searchDirectories).value_or("");
    LoadMoleculeIndex(data.moleculeIndex);

    // The table belongs to the catalogue it was compiled with, so it is read from beside it alone.
    data.phaseTable = data.moleculeDataPath.empty()
                          ? PhaseTable{}
                          : LoadPhasePointsFile((fs::path(data.moleculeDataPath).parent_path() / "PhasePoints.dat").string()).table;
    data.catalogueLanguage = data.moleculeDataPath.empty()
                                 ? CatalogueLanguage{}
                                 : LoadCatalogueLanguage(fs::path(data.moleculeDataPath).parent_path().string(), places.languages);
}

void ShutDownSharedData(SharedData& data) {
    data.moleculeIndex = MoleculeIndex{};
    data.phaseTable = PhaseTable{};
    data.catalogueLanguage = CatalogueLanguage{};
    WriteElementFile(data.elementTable);
}

bool WriteElementFile(const ElementTable& table) {
    if (table.path.empty()) return false;
    std::error_code error;  // the configuration directory may not exist yet
    fs::create_directories(fs::path(table.path).parent_path(), error);
    return SaveElementTable(table);
}

SharedDataLifetime::SharedDataLifetime(const StartUpPlaces& places, AtExit atExit) : atExit_(atExit) {
    StartUpSharedData(TheSharedData(), places);
}

SharedDataLifetime::~SharedDataLifetime() {
    if (atExit_ == AtExit::SaveElements) {
        ShutDownSharedData(TheSharedData());
    } else {
        TheSharedData().moleculeIndex = MoleculeIndex{};
        TheSharedData().phaseTable = PhaseTable{};
        TheSharedData().catalogueLanguage = CatalogueLanguage{};
    }
}

}  // namespace kiva
