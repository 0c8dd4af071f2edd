// SPDX-License-Identifier: GPL-2.0-or-later
// An hour of the viewer's animation without a window: the liquid and the gas of rock salt and of
// benzene and the rocking crystals of diamond and rock salt, each for 36,000 drawn frames (an hour at ten frames a
// second), then a thousand documents written, read back and shown in two views each. It prints
// the resident memory as it goes; after the first minute of each scene it should stay flat.
// Run by hand; the test suite runs a short version under the leak checker.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chem/document_file.h"
#include "chem/molecule_index.h"
#include "tests/support/quiet_host.h"
#include "tests/support/temp_dir.h"
#include "view/commands.h"
#include "view/molecule_view.h"

namespace kiva {
namespace {

struct SoakOptions {
    long frames = 36000;     // per scene
    long documents = 1000;
    long reportEvery = 3000; // frames, or documents / 10
    long warmUpFrames = 600; // the first minute at ten frames a second
    std::string catalogueDir = KIVA_CATALOGUE_DIR;
};

struct SoakScene {
    const char* substance;
    int displayCommand;  // the structure toolbar's state
    int cellsPerAxis;
    bool rock;
};

const SoakScene kScenes[] = {
    {"NaCl", command::Liquid, 4, false},
    {"NaCl", command::Gas, 4, false},
    {"Benzene", command::Liquid, 1, false},
    {"Benzene", command::Gas, 1, false},
    {"C-diamond", command::CrystalSolid, 1, true},
    // The fluids are copies of the chemical unit whatever the cell multiples; the 4 x 4 x 4
    // crystal rocks as well, the heaviest picture of the soak.
    {"NaCl", command::CrystalSolid, 4, true},
};

// The second field of /proc/self/statm: resident pages.
long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long total = 0;
    long resident = 0;
    if (!(statm >> total >> resident)) return -1;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

void Report(const std::string& what, long count, long rss) {
    std::printf("%-22s %8ld  rss %8ld KiB\n", what.c_str(), count, rss);
    std::fflush(stdout);
}

CompoundRecord LoadRecord(const MoleculeIndex& index, const SoakOptions& options, const char* name) {
    CompoundRecord record;
    if (!LoadCompoundByName(index, options.catalogueDir + "/Molecule.dat", name, record))
        throw std::runtime_error(std::string("the catalogue has no ") + name);
    return record;
}

std::string SceneName(const SoakScene& scene) {
    const char* state = scene.rock ? " rock" : scene.displayCommand == command::Gas ? " gas" : " liquid";
    return std::string(scene.substance) + state;
}

struct SceneMemory {
    long start = 0;
    long afterWarmUp = 0;
    long end = 0;
};

SceneMemory RunScene(const SoakScene& scene, const MoleculeIndex& index, const ElementTable& elements,
                     const SoakOptions& options) {
    const CompoundRecord compound = LoadRecord(index, options, scene.substance);
    testing::QuietHost host;
    MotionTables motion = InitialMotionTables();
    MoleculeView view(compound, elements, host, motion);
    view.OnUpdate();
    view.SetCellMultiples({scene.cellsPerAxis, scene.cellsPerAxis, scene.cellsPerAxis});
    view.RunCommand(scene.displayCommand);
    if (scene.rock) view.RunCommand(command::Rock);

    const std::string name = SceneName(scene);
    SceneMemory memory;
    memory.start = memory.afterWarmUp = ResidentKiB();
    std::printf("%s: %zu atoms, %zu bonds\n", name.c_str(), view.State().atoms.size(), view.State().bonds.size());
    Report(name, 0, memory.start);
    for (long frame = 1; frame <= options.frames; ++frame) {
        if (!view.AnimateStep()) throw std::runtime_error(name + " does not move");
        view.RenderPicture();
        if (frame == options.warmUpFrames) memory.afterWarmUp = ResidentKiB();
        if (frame % options.reportEvery == 0 || frame == options.warmUpFrames) Report(name, frame, ResidentKiB());
    }
    memory.end = ResidentKiB();
    Report(name + " end", options.frames, memory.end);
    return memory;
}

// Each document is a catalogue substance saved to a file and read back, as File > Open does,
// then shown in a window and a second window of the same document.
void OpenAndCloseDocuments(const MoleculeIndex& index, const ElementTable& elements, const SoakOptions& options) {
    if (index.entries.empty()) throw std::runtime_error("the catalogue's index is empty");
    const testing::TempDir dir;
    const std::string path = dir.File("soak.mol");
    const long every = options.documents >= 10 ? options.documents / 10 : 1;
    Report("documents", 0, ResidentKiB());
    for (long opened = 1; opened <= options.documents; ++opened) {
        const IndexEntry& entry = index.entries[static_cast<std::size_t>(opened) % index.entries.size()];
        SaveDocumentFile(path, LoadRecord(index, options, entry.name));
        CompoundRecord document;
        LoadDocumentFile(path, document);
        testing::QuietHost host;
        MoleculeView first(document, elements, host);
        MoleculeView second(document, elements, host);
        first.OnUpdate();
        second.OnUpdate();
        first.RenderPicture();
        second.RenderPicture();
        if (opened % every == 0) Report("documents", opened, ResidentKiB());
    }
}

bool ParseCount(std::string_view text, long& value) {
    char* end = nullptr;
    const std::string copy(text);
    const long parsed = std::strtol(copy.c_str(), &end, 10);
    if (copy.empty() || *end != '\0' || parsed < 0) return false;
    value = parsed;
    return true;
}

constexpr const char* kUsage =
    "usage: kiva-soak [--frames N] [--documents N] [--report-every N] [--catalogue DIR]\n"
    "  --frames N        drawn frames per scene (36000, an hour at ten a second)\n"
    "  --documents N     documents opened and closed, two views each (1000)\n"
    "  --report-every N  frames between memory reports (3000)\n"
    "  --catalogue DIR   directory of Molecule.dat and Index.dat\n";

bool ParseOptions(int argc, char** argv, SoakOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (i + 1 >= argc) return false;
        const std::string_view value = argv[++i];
        if (flag == "--catalogue") {
            options.catalogueDir = value;
        } else if (flag == "--frames") {
            if (!ParseCount(value, options.frames)) return false;
        } else if (flag == "--documents") {
            if (!ParseCount(value, options.documents)) return false;
        } else if (flag == "--report-every") {
            if (!ParseCount(value, options.reportEvery) || options.reportEvery == 0) return false;
        } else {
            return false;
        }
    }
    return true;
}

int RunSoak(int argc, char** argv) {
    SoakOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    MoleculeIndex index;
    index.path = options.catalogueDir + "/Index.dat";
    if (!LoadMoleculeIndex(index)) throw std::runtime_error("cannot read " + index.path);
    const ElementTable elements = MakeDefaultElementTable();

    Report("start", 0, ResidentKiB());
    std::vector<std::pair<std::string, SceneMemory>> scenes;
    for (const SoakScene& scene : kScenes) scenes.emplace_back(SceneName(scene), RunScene(scene, index, elements, options));
    OpenAndCloseDocuments(index, elements, options);
    Report("end", 0, ResidentKiB());

    std::printf("\n%-22s %10s %14s %10s  (KiB resident)\n", "scene", "start", "after warm-up", "end");
    for (const auto& [name, memory] : scenes)
        std::printf("%-22s %10ld %14ld %10ld\n", name.c_str(), memory.start, memory.afterWarmUp, memory.end);
    return 0;
}

}  // namespace
}  // namespace kiva

int main(int argc, char** argv) {
    try {
        return kiva::RunSoak(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kiva-soak: %s\n", error.what());
        return 1;
    }
}
