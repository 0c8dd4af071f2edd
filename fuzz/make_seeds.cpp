// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-fuzz-seeds: writes the fuzz targets' seed corpora from the built catalogue and the
// catalogue's sources: the element table, indexes, the phase table, every record of Molecule.dat
// as a stream and as a document, each substance's chemical unit as XYZ and PDB files, SD files of
// several units, the manifest in pieces, and the installer's descriptions and compressed files.
//   kiva-fuzz-seeds CATALOGUE_DIR SOURCE_DIR OUT_DIR
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "chem/document_file.h"
#include "chem/element_table.h"
#include "chem/fixed_text.h"
#include "chem/molecule_index.h"
#include "fuzz/installer_seeds.h"
#include "platform/binary_archive.h"
#include "tools/mkdb/catalogue.h"

namespace fs = std::filesystem;
using namespace kiva;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream input(path, std::ios::binary);
    if (!input) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

class SeedWriter {
public:
    explicit SeedWriter(fs::path root) : root_(std::move(root)) {}

    void Write(const std::string& corpus, const std::string& name, const std::string& bytes) {
        fs::create_directories(root_ / corpus);
        std::ofstream(root_ / corpus / name, std::ios::binary) << bytes;
    }

private:
    fs::path root_;
};

std::string Numbered(const char* prefix, std::size_t i, const char* extension) {
    char name[64];
    std::snprintf(name, sizeof name, "%s-%04zu%s", prefix, i, extension);
    return name;
}

void WriteElementSeeds(SeedWriter& seeds) {
    ElementTable table = MakeDefaultElementTable();
    const std::string full = FormatElementTable(table);
    seeds.Write("elements", "default.dat", full);
    table.count = 3;
    seeds.Write("elements", "three-rows.dat", FormatElementTable(table));
    // A row cut after its atomic radius, and LF line ends.
    seeds.Write("elements", "short-row.dat", "2\nH    192 192 192 0.46\nNa   255 255 255 1.89 0.98 0.00\n");
}

void WriteIndexSeeds(SeedWriter& seeds, const fs::path& catalogue, const std::vector<IndexEntry>& entries) {
    seeds.Write("index", "catalogue.dat", ReadAll(catalogue / "Index.dat"));
    for (std::size_t start = 0; start < entries.size(); start += 97) {
        const auto end = entries.begin() + static_cast<std::ptrdiff_t>(std::min(entries.size(), start + 5));
        seeds.Write("index", Numbered("part", start, ".dat"), mkdb::FormatIndex({entries.begin() + static_cast<std::ptrdiff_t>(start), end}));
    }
}

// The compiled table and the source it came from, whole and as a few rows with their header.
void WritePhaseSeeds(SeedWriter& seeds, const fs::path& catalogue, const fs::path& sources) {
    const std::string compiled = ReadAll(catalogue / "PhasePoints.dat");
    seeds.Write("phase-points", "compiled.dat", compiled);
    if (!fs::exists(sources / "phase_points.tsv")) return;
    const std::string source = ReadAll(sources / "phase_points.tsv");
    seeds.Write("phase-points", "source.tsv", source);
    std::size_t end = 0;
    for (int line = 0; line < 6 && end != std::string::npos; ++line) end = source.find('\n', end + 1);
    seeds.Write("phase-points", "source-head.tsv", source.substr(0, end));
}

std::string XyzOf(const CompoundRecord& record) {
    std::string text = std::to_string(record.unitAtoms.size()) + "\n" + std::string(TextOf(record.name)) + "\n";
    for (const AtomSite& atom : record.unitAtoms) {
        char line[96];
        std::snprintf(line, sizeof line, "%-2.2s %12.6f %12.6f %12.6f\n", std::string(ElementKey(TextOf(atom.symbol))).c_str(),
                      static_cast<double>(atom.position.x), static_cast<double>(atom.position.y),
                      static_cast<double>(atom.position.z));
        text += line;
    }
    return text;
}

std::string PdbOf(const CompoundRecord& record) {
    std::string text = "COMPND    " + std::string(TextOf(record.name)) + "\n";
    int serial = 0;
    for (const AtomSite& atom : record.unitAtoms) {
        const std::string element(ElementKey(TextOf(atom.symbol)));
        char line[96];
        std::snprintf(line, sizeof line, "HETATM%5d %-4.4s UNL     1    %8.3f%8.3f%8.3f  1.00  0.00          %2.2s\n", ++serial,
                      element.c_str(), static_cast<double>(atom.position.x), static_cast<double>(atom.position.y),
                      static_cast<double>(atom.position.z), element.c_str());
        text += line;
    }
    return text + "END\n";
}

// Every record between its offset and the next; the index lists them in name order.
void WriteRecordSeeds(SeedWriter& seeds, const fs::path& catalogue, const std::vector<IndexEntry>& entries) {
    const std::string database = ReadAll(catalogue / "Molecule.dat");
    std::vector<std::size_t> offsets;
    for (const IndexEntry& entry : entries) offsets.push_back(static_cast<std::size_t>(entry.recordOffset));
    std::sort(offsets.begin(), offsets.end());
    offsets.push_back(database.size());
    for (std::size_t i = 0; i + 1 < offsets.size(); ++i) {
        const std::string stream = database.substr(offsets[i], offsets[i + 1] - offsets[i]);
        seeds.Write("compound-stream", Numbered("record", i, ".rec"), stream);
        CompoundRecord record;
        ArchiveReader reader = ArchiveReader::FromBytes(stream, "Molecule.dat");
        if (!ReadCompound(record, reader)) continue;
        ArchiveWriter document;
        StoreDocument(record, document);
        seeds.Write("document", Numbered("document", i, ".mol"), document.Bytes());
        seeds.Write("structure-xyz", Numbered("unit", i, ".xyz"), XyzOf(record));
        seeds.Write("structure-pdb", Numbered("unit", i, ".pdb"), PdbOf(record));
    }
}

// SD files of three unit molfiles each, and the manifest in pieces of a few substances.
void WriteSourceSeeds(SeedWriter& seeds, const fs::path& sources) {
    std::vector<fs::path> units;
    for (const auto& file : fs::directory_iterator(sources / "units")) units.push_back(file.path());
    std::sort(units.begin(), units.end());
    for (std::size_t i = 0; i + 2 < units.size(); i += 25) {
        std::string sd;
        for (std::size_t k = i; k < i + 3; ++k) sd += ReadAll(units[k]) + "$$$$\n";
        seeds.Write("structure-molfile", Numbered("units", i, ".sdf"), sd);
    }
    const std::string manifest = ReadAll(sources / "substances.txt");
    std::size_t start = manifest.find("\nsubstance ");
    for (std::size_t piece = 0; start != std::string::npos; ++piece) {
        std::size_t end = start;
        for (int blocks = 0; blocks < 6 && end != std::string::npos; ++blocks) end = manifest.find("\nsubstance ", end + 1);
        seeds.Write("mkdb-manifest", Numbered("manifest", piece, ".txt"), manifest.substr(start + 1, end == std::string::npos ? std::string::npos : end - start));
        start = end;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: kiva-fuzz-seeds CATALOGUE_DIR SOURCE_DIR OUT_DIR\n";
        return 2;
    }
    try {
        const fs::path catalogue = argv[1], sources = fs::path(argv[2]) / "data";
        SeedWriter seeds(argv[3]);
        MoleculeIndex index;
        index.path = (catalogue / "Index.dat").string();
        if (!LoadMoleculeIndex(index) || index.entries.empty()) throw std::runtime_error("no catalogue in " + catalogue.string());
        WriteElementSeeds(seeds);
        WriteIndexSeeds(seeds, catalogue, index.entries);
        WritePhaseSeeds(seeds, catalogue, sources);
        WriteRecordSeeds(seeds, catalogue, index.entries);
        WriteSourceSeeds(seeds, sources);
        for (const fuzz::Seed& seed : fuzz::InstallerSeeds(catalogue, fs::path(argv[2]) / "help"))
            seeds.Write(seed.corpus, seed.name, seed.bytes);
    } catch (const std::exception& error) {
        std::cerr << "kiva-fuzz-seeds: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
