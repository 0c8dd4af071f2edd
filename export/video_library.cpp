// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/video_library.h"

#include <dlfcn.h>

#include <bit>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kiva {

namespace {

// The build reads the sonames from the same headers this file compiles with; a mismatch would
// load a library whose structures differ from the ones the writer fills in.
constexpr bool HasMajor(std::string_view soname, std::string_view major) {
    return soname.size() > major.size() && soname.ends_with(major) && soname[soname.size() - major.size() - 1] == '.';
}
static_assert(HasMajor(KIVA_LIBAVUTIL_SONAME, AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR)));
static_assert(HasMajor(KIVA_LIBSWSCALE_SONAME, AV_STRINGIFY(LIBSWSCALE_VERSION_MAJOR)));
static_assert(HasMajor(KIVA_LIBAVCODEC_SONAME, AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR)));
static_assert(HasMajor(KIVA_LIBAVFORMAT_SONAME, AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR)));

// The handles opened so far: closed again when a load fails, kept open for good when it succeeds.
class OpenLibraries {
public:
    OpenLibraries() = default;
    ~OpenLibraries() {
        for (void* handle : handles_) dlclose(handle);
    }
    OpenLibraries(const OpenLibraries&) = delete;
    OpenLibraries& operator=(const OpenLibraries&) = delete;

    // Adds the soname to the list of missing ones when it cannot be opened.
    void* Open(const std::string& soname, std::string& missing) {
        void* handle = dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle) handles_.push_back(handle);
        else missing += (missing.empty() ? "" : ", ") + soname;
        return handle;
    }
    void KeepOpen() { handles_.clear(); }

private:
    std::vector<void*> handles_;
};

}  // namespace

VideoLibraryNames BuiltVideoLibraryNames() {
    return {KIVA_LIBAVUTIL_SONAME, KIVA_LIBSWSCALE_SONAME, KIVA_LIBAVCODEC_SONAME, KIVA_LIBAVFORMAT_SONAME};
}

LoadedVideoLibrary LoadVideoLibrary(const VideoLibraryNames& names) {
    LoadedVideoLibrary loaded;
    OpenLibraries libraries;
    std::string missing;
    void* avutil = libraries.Open(names.avutil, missing);
    void* swscale = libraries.Open(names.swscale, missing);
    void* avcodec = libraries.Open(names.avcodec, missing);
    void* avformat = libraries.Open(names.avformat, missing);
    if (!missing.empty()) {
        loaded.result = {ExportProblem::VideoLibraryMissing, missing};
        return loaded;
    }

    // Each list of functions is looked up in the library that holds it.
    void* library = nullptr;
    const std::string* soname = nullptr;
    const auto find = [&](auto& pointer, const char* name) {
        void* symbol = dlsym(library, name);
        if (!symbol && missing.empty()) missing = std::string(name) + " in " + *soname;
        pointer = std::bit_cast<std::remove_reference_t<decltype(pointer)>>(symbol);
    };
#define KIVA_FIND(function) find(loaded.functions.function, #function);
    library = avutil, soname = &names.avutil;
    KIVA_LIBAVUTIL_FUNCTIONS(KIVA_FIND)
    library = swscale, soname = &names.swscale;
    KIVA_LIBSWSCALE_FUNCTIONS(KIVA_FIND)
    library = avcodec, soname = &names.avcodec;
    KIVA_LIBAVCODEC_FUNCTIONS(KIVA_FIND)
    library = avformat, soname = &names.avformat;
    KIVA_LIBAVFORMAT_FUNCTIONS(KIVA_FIND)
#undef KIVA_FIND
    if (!missing.empty()) return {{ExportProblem::VideoLibraryMissing, missing}, {}};
    libraries.KeepOpen();
    return loaded;
}

const LoadedVideoLibrary& SystemVideoLibrary() {
    static const LoadedVideoLibrary loaded = LoadVideoLibrary(BuiltVideoLibraryNames());
    return loaded;
}

}  // namespace kiva
