# SPDX-License-Identifier: GPL-2.0-or-later
# Our own targets compile with every useful warning. Where we build (the Makefile, CI) a warning
# fails the build; a user's or packager's plain configure leaves that off, because another
# compiler or optimisation level may warn where nothing is wrong.
# Floating-point contraction stays off, so the renderer gives the same bytes on every machine.
option(KIVA_WERROR "Treat compiler warnings as errors" OFF)

function(kiva_target_defaults target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
        -Wno-missing-field-initializers
        -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
        -ffp-contract=off)
    # GCC 12's -Wrestrict misfires at -O3 inside std::string's operator+ (GCC bug 105329).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(KIVA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The core must not see Qt: a core library that links it fails the configuration, and
# without Qt's include paths a Qt header in the core fails the build.
function(kiva_core_library target)
    kiva_target_defaults(${target})
    get_target_property(libs ${target} LINK_LIBRARIES)
    foreach(lib IN LISTS libs)
        if(lib MATCHES "^Qt")
            message(FATAL_ERROR "${target} belongs to the core and must not link ${lib}")
        endif()
    endforeach()
endfunction()

if(KIVA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
