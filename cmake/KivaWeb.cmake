# SPDX-License-Identifier: GPL-2.0-or-later
# The browser's build: the core compiled to WebAssembly by emscripten, one thread, no Qt, no port.
# The catalogue and the pictures' checksums come from the desktop build named by KIVA_NATIVE_BUILD,
# whose kiva-mkdb compiles the catalogue.
set(KIVA_NATIVE_BUILD "${PROJECT_SOURCE_DIR}/build" CACHE PATH "The desktop build whose bin/ holds the catalogue")
set(KIVA_CATALOGUE_BUILT "${KIVA_NATIVE_BUILD}/bin")
foreach(file IN ITEMS Molecule.dat Index.dat PhasePoints.dat)
    if(NOT EXISTS "${KIVA_CATALOGUE_BUILT}/${file}")
        message(FATAL_ERROR "${KIVA_CATALOGUE_BUILT}/${file} is missing: build the desktop programs first (make build)")
    endif()
endforeach()

# The core's exceptions (a file that is not there, a damaged record) are caught as on the desktop,
# with WebAssembly's own exception handling.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)
# Node 20's fetch cannot load a file path, which emscripten 3.1.6's loader tries first.
set(KIVA_NODE node --no-experimental-fetch)

add_subdirectory(math)
add_subdirectory(platform)
add_subdirectory(render)
add_subdirectory(chem)
add_subdirectory(matter)
add_subdirectory(dialogs)
add_subdirectory(view)
add_subdirectory(tools)
add_subdirectory(web)

if(KIVA_BUILD_TESTS)
    enable_testing()
    add_subdirectory(tests/web)
endif()
