# SPDX-License-Identifier: GPL-2.0-or-later
# The fuzz build (make fuzz): every library of the build instrumented for libFuzzer and checked by
# AddressSanitizer and UndefinedBehaviorSanitizer, any report fatal. It needs clang; the
# targets themselves live in fuzz/.
option(KIVA_FUZZ "Build the libFuzzer targets of fuzz/ (clang only)" OFF)

if(KIVA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "KIVA_FUZZ needs clang: configure with CXX=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
