// SPDX-License-Identifier: GPL-2.0-or-later
// An hour of the viewer's animation without a window: the liquid and the gas of rock salt and of
// benzene and the rocking crystals of diamond and rock salt, each for 36,000 drawn frames (an hour at ten frames a
// second), then a thousand documents written, read back and shown in two views each. The labels
// are on, the window is resized all the while and the crystals zoomed in and out, so the labels
// keep taking sizes they have not taken before. It prints the resident memory as it goes and
// fails when a scene's grows by more than a mebibyte after its first minute.
// Run by hand; the test suite runs a short version under the leak checker.
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chem/document_file.h"
#include "chem/molecule_index.h"
#include "render/picture_area.h"
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
    std::string catalogueDir = KIVA_CATALOGUE_DIR;
};

constexpr long kMinuteOfFrames = 600;  // at ten frames a second
constexpr long kMostGrowthKiB = 1024;  // after the warm-up, when a scene's caches are full

// The window is dragged from 340 pixels to about 670 wide and back, 13 pixels a frame, once a
// cycle of 50 frames, a pixel further out in each cycle than in the one before, over 13 cycles:
// the labels take sizes they have not taken before. Each cycle starts at 340 pixels.
constexpr long kCycleFrames = 50, kSweepFrames = kCycleFrames / 2, kSweepOffsets = 13;
constexpr int kSweepStep = 13;
PictureArea WindowAreaOfFrame(long frame) {
    const long phase = frame % kCycleFrames, out = phase <= kSweepFrames ? phase : kCycleFrames - phase;
    const long offset = out > 0 ? frame / kCycleFrames % kSweepOffsets : 0;
    const int width = kPictureSize + kSweepStep * static_cast<int>(out) + static_cast<int>(offset);
    return {width, width * 4 / 5 + kPictureSize / 5};
}

// The crystals zoom in by `steps` presses of the Zoom In button and out again once a cycle, a
// frame later in each cycle than in the one before, over 10 cycles, so the window's sweep meets
// other zooms; each cycle starts at the zoom the view opened with.
constexpr long kZoomDelays = 10;
std::optional<int> ZoomCommandOfFrame(long frame, int steps) {
    const long phase = frame % kCycleFrames - frame / kCycleFrames % kZoomDelays;
    if (phase <= 0 || phase > 2 * steps) return std::nullopt;
    return phase <= steps ? command::ZoomIn : command::ZoomOut;
}

// The memory is read at the start of each cycle, where the picture's size and zoom are those of
// the start of every cycle. The warm-up is the whole cycles of the first minute, or of the first
// quarter of a shorter run such as the suite's: by then the caches are full and the allocator
// has settled. The end is the least reading of the cycles of the last quarter: one reading can
// rise by a few hundred KiB where a thread's allocator arena happens to grow, while a leak raises
// them all.
long WarmUpFrames(long frames) { return std::min(kMinuteOfFrames, frames / 4) / kCycleFrames * kCycleFrames; }
long LastReadingFrame(long frames) { return frames / kCycleFrames * kCycleFrames; }
long FirstEndFrame(long frames) {
    return std::max(WarmUpFrames(frames) + kCycleFrames, (frames * 3 / 4 + kCycleFrames - 1) / kCycleFrames * kCycleFrames);
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KIVA_SOAK_UNDER_ASAN
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(KIVA_SOAK_UNDER_ASAN)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

struct SoakScene {
    const char* substance;
    int displayCommand;  // the structure toolbar's state
    int cellsPerAxis;
    bool rock;
    int zoomSteps;  // of the Zoom In button at the height of each cycle; 2 steps + delays < a cycle
};

const SoakScene kScenes[] = {
    {"NaCl", command::Liquid, 4, false, 0},
    {"NaCl", command::Gas, 4, false, 0},
    {"Benzene", command::Liquid, 1, false, 0},
    {"Benzene", command::Gas, 1, false, 0},
    // About four times nearer: the carbons fill the picture, their labels a hundred pixels high.
    {"C-diamond", command::CrystalSolid, 1, true, 8},
    // The fluids are copies of the chemical unit whatever the cell multiples; the 4 x 4 x 4
    // crystal rocks as well, the heaviest picture of the soak, and zooms until a single ion
    // fills the picture, its label hundreds of pixels high.
    {"NaCl", command::CrystalSolid, 4, true, 20},
};

// The second field of /proc/self/statm: resident pages. The allocator first hands back the free
// pages it keeps, so the figure is what the program holds rather than what it held at its most.
long ResidentKiB() {
    ::malloc_trim(0);
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

// Resident memory dips where the allocator happens to hand pages back: the warm-up's figure is
// the most of its readings.
struct SceneMemory {
    long start = 0;
    long warmUp = 0;
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
    view.RunCommand(command::AtomLabels);
    if (!view.State().showLabels) throw std::runtime_error(name + " shows no labels: is fonts-dejavu-core installed?");

    const long warmUp = WarmUpFrames(options.frames);
    SceneMemory memory;
    memory.start = ResidentKiB();
    std::printf("%s: %zu atoms, %zu bonds\n", name.c_str(), view.State().atoms.size(), view.State().bonds.size());
    Report(name, 0, memory.start);
    for (long frame = 1; frame <= options.frames; ++frame) {
        view.SetPictureArea(WindowAreaOfFrame(frame));
        if (const auto zoom = ZoomCommandOfFrame(frame, scene.zoomSteps)) view.RunCommand(*zoom);
        if (!view.AnimateStep()) throw std::runtime_error(name + " does not move");
        view.RenderPicture();
        if (frame % kCycleFrames == 0 && frame <= warmUp) memory.warmUp = std::max(memory.warmUp, ResidentKiB());
        if (frame % kCycleFrames == 0 && frame >= FirstEndFrame(options.frames) && frame <= LastReadingFrame(options.frames)) {
            const long resident = ResidentKiB();
            memory.end = memory.end > 0 ? std::min(memory.end, resident) : resident;
        }
        if (frame % options.reportEvery == 0 || frame == warmUp) Report(name, frame, ResidentKiB());
    }
    Report(name + " end", options.frames, ResidentKiB());
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

    std::printf("\n%-22s %10s %14s %10s %8s  (KiB resident)\n", "scene", "start", "warm-up", "end", "growth");
    for (const auto& [name, memory] : scenes)
        std::printf("%-22s %10ld %14ld %10ld %8ld\n", name.c_str(), memory.start, memory.warmUp, memory.end,
                    memory.end - memory.warmUp);
    if (kUnderAddressSanitizer) {
        // Freed memory waits in the sanitizer's quarantine: the leak checker judges instead.
        std::printf("resident memory not compared under AddressSanitizer\n");
        return 0;
    }
    if (WarmUpFrames(options.frames) == 0 || LastReadingFrame(options.frames) < FirstEndFrame(options.frames)) {
        std::printf("resident memory not compared: %ld frames a scene are too few, %ld at least\n", options.frames,
                    4 * kCycleFrames);
        return 0;
    }
    bool flat = true;
    for (const auto& [name, memory] : scenes)
        if (memory.end - memory.warmUp > kMostGrowthKiB) {
            std::printf("FAILED: %s grew by %ld KiB after its first %ld frames, more than %ld KiB\n", name.c_str(),
                        memory.end - memory.warmUp, WarmUpFrames(options.frames), kMostGrowthKiB);
            flat = false;
        }
    if (flat) std::printf("resident memory flat after the warm-up: no scene grew by more than %ld KiB\n", kMostGrowthKiB);
    return flat ? 0 : 1;
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
