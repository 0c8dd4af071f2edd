// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-render: a substance's picture as a PNG file, for worksheets, slides and for looking at
// every entry of the catalogue. The shaded picture is drawn without any window system, so the
// program starts at once; the flat one is painted by kiva-render-flat, which it hands over to.
#include <malloc.h>
#include <unistd.h>

#include <cstring>
#include <iostream>

#include "platform/command_line.h"
#include "platform/file_search.h"
#include "tools/render/render_run.h"

using namespace kiva;

namespace {

// A run builds one scene and ends: large blocks freed on the way (a crystal's growing arrays, the
// bond search's grid) are kept for the next ones rather than handed back to the system, which
// spares their fresh pages' first touches, a tenth of the run for a large crystal.
void KeepFreedMemoryForTheRun() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    KeepFreedMemoryForTheRun();
    if (AsksForUsage(argc, argv)) {
        std::cout << render_tool::kRenderUsage;
        return 0;
    }
    const auto options = render_tool::ReadCommandLine(argc, argv);
    if (!options) return 2;
    if (options->quality == DisplayQuality::Low) {
        const std::string painter = ProgramDirectory() + "/kiva-render-flat";
        argv[0] = const_cast<char*>(painter.c_str());
        execv(painter.c_str(), argv);
        std::cerr << "kiva-render: the flat picture needs " << painter << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    PictureBuffers buffers;
    return render_tool::RenderPictureFile(*options, render_tool::ShadedPictures(buffers, options->smooth));
}
