// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-mkdb: compiles the catalogue's sources into Molecule.dat, Index.dat, PhasePoints.dat and
// the Catalogue_LANG.dat of its other languages,
// reports on the catalogue, dumps records as text and exports a substance as a document file.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "chem/compound_record.h"
#include "chem/document_file.h"
#include "chem/fixed_text.h"
#include "chem/shared_data.h"
#include "platform/binary_archive.h"
#include "platform/command_line.h"
#include "platform/file_search.h"
#include "tools/mkdb/catalogue.h"
#include "tools/mkdb/language_tables.h"
#include "tools/mkdb/phase_table.h"
#include "tools/mkdb/record_dump.h"
#include "io/source_error.h"
#include "io/structure_file.h"

namespace fs = std::filesystem;
using namespace kiva;

namespace {

constexpr const char* kUsage =
    "usage: kiva-mkdb build DATA_DIR OUT_DIR [--report]   compile DATA_DIR/substances.txt, phase_points.tsv\n"
    "                                                     and the catalogue_LANG.tsv of other languages\n"
    "       kiva-mkdb report DATA_DIR                     counts by kind and key, keys without entries\n"
    "       kiva-mkdb unfinished DATA_DIR                 substances a language has not translated since\n"
    "                                                     their English changed\n"
    "       kiva-mkdb dump FILE [NAME...]                 a document, a structure file, or records of a Molecule.dat\n"
    "       kiva-mkdb export NAME OUT.mol [--catalogue DIR]  a substance as a document file\n";

mkdb::Catalogue Compile(const std::string& dataDirectory) {
    const auto substances = mkdb::ReadManifest((fs::path(dataDirectory) / "substances.txt").string());
    return mkdb::CompileCatalogue(substances, dataDirectory, MakeDefaultElementTable());
}

int Build(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && args[2] != "--report")) {
        std::cerr << kUsage;
        return 2;
    }
    // Every source is read and checked before the first file is written, so a refusal leaves the
    // files of the last good build as they were.
    const mkdb::Catalogue catalogue = Compile(args[0]);
    const mkdb::CompiledPhaseTable phases = mkdb::CompilePhaseTable(args[0], catalogue.entries);
    if (!phases.hasSource)
        std::cerr << "kiva-mkdb: " << (fs::path(args[0]) / "phase_points.tsv").string()
                  << " is missing: PhasePoints.dat holds no substance\n";
    const auto languages = mkdb::CompileLanguageTables(args[0], catalogue.entries);
    for (const mkdb::CompiledLanguageTable& table : languages)
        if (const std::string report = mkdb::UnfinishedReport(table, catalogue.entries.size()); !report.empty())
            std::cerr << "kiva-mkdb: " << report << "\n";
    fs::create_directories(args[1]);
    WriteFileReplacing((fs::path(args[1]) / "Molecule.dat").string(), catalogue.moleculeData);
    WriteFileReplacing((fs::path(args[1]) / "Index.dat").string(), mkdb::FormatIndex(catalogue.entries));
    WriteFileReplacing((fs::path(args[1]) / "PhasePoints.dat").string(), phases.fileText);
    for (const mkdb::CompiledLanguageTable& table : languages)
        WriteFileReplacing((fs::path(args[1]) / table.fileName).string(), table.fileText);
    if (args.size() == 3) std::cout << mkdb::CatalogueReport(catalogue.entries);
    return 0;
}

int Report(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << kUsage;
        return 2;
    }
    std::cout << mkdb::CatalogueReport(Compile(args[0]).entries);
    return 0;
}

// Lists each language's unfinished substances; fails while any language has one.
int Unfinished(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << kUsage;
        return 2;
    }
    const mkdb::Catalogue catalogue = Compile(args[0]);
    int status = 0;
    for (const mkdb::CompiledLanguageTable& table : mkdb::CompileLanguageTables(args[0], catalogue.entries)) {
        const std::string report = mkdb::UnfinishedReport(table, catalogue.entries.size());
        std::cout << (report.empty() ? fs::path(table.source).filename().string() + ": every substance finished" : report) << "\n";
        if (!report.empty()) status = 1;
    }
    return status;
}

bool IsDocument(const std::string& path) {
    char head[12] = {};
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        const std::size_t got = std::fread(head, 1, sizeof head, file);
        std::fclose(file);
        return got == sizeof head && std::memcmp(head + 4, kCompoundTag, sizeof kCompoundTag) == 0;
    }
    return false;
}

int Dump(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string& path = args[0];
    if (args.size() == 1 && !IsDocument(path) && DetectStructureFormat(path, {})) {  // a CIF, molfile, XYZ or PDB file
        std::cout << mkdb::DumpCompound(ReadStructureFile(path).compound);
        return 0;
    }
    if (IsDocument(path)) {
        CompoundRecord record;
        LoadDocumentFile(path, record);
        std::cout << mkdb::DumpCompound(record);
        return 0;
    }
    if (args.size() == 1) {  // every record of the database, one after another
        ArchiveReader reader(path);
        if (reader.Remaining() == 0)
            throw FileException(FileException::Cause::Malformed, path, "\"" + path + "\" is empty: it holds no compound record");
        while (reader.Remaining() > 0) {
            CompoundRecord record;
            if (!ReadCompound(record, reader)) throw FileException(FileException::Cause::Malformed, path, "a record without its tag");
            std::cout << mkdb::DumpCompound(record) << "\n";
        }
        return 0;
    }
    MoleculeIndex index;
    index.path = (fs::path(path).parent_path() / "Index.dat").string();
    LoadMoleculeIndex(index);
    int status = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        CompoundRecord record;
        if (LoadCompoundByName(index, path, args[i], record)) {
            std::cout << mkdb::DumpCompound(record);
        } else {
            std::cerr << "Cannot find the compound \"" << args[i] << "\".\n";
            status = 1;
        }
    }
    return status;
}

// The catalogue of --catalogue DIR, or else the one the viewer finds: an installed kiva-mkdb
// lies in a directory of programs, its catalogue under share/kiva.
int Export(const std::vector<std::string>& args) {
    std::vector<std::string> places = ProcessStartUpPlaces().searchDirectories;
    if (args.size() == 4 && args[2] == "--catalogue") {
        places = {args[3]};
    } else if (args.size() != 2) {
        std::cerr << kUsage;
        return 2;
    }
    MoleculeIndex index;
    index.path = FindDataFile("Index.dat", places).value_or("");
    LoadMoleculeIndex(index);
    const std::string moleculeData = FindDataFile("Molecule.dat", places).value_or("");
    CompoundRecord record;
    if (moleculeData.empty() || !LoadCompoundByName(index, moleculeData, args[0], record)) {
        std::cerr << "Cannot find the compound \"" << args[0] << "\".\n";
        return 1;
    }
    SaveDocumentFile(args[1], record);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForUsage(argc, argv)) {
        std::cout << kUsage;
        return 0;
    }
    if (argc < 2) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (command == "build") return Build(args);
        if (command == "report") return Report(args);
        if (command == "unfinished") return Unfinished(args);
        if (command == "dump") return Dump(args);
        if (command == "export") return Export(args);
        std::cerr << kUsage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "kiva-mkdb: " << error.what() << "\n";
        return 1;
    }
}
