# Our own targets compile with every useful warning, and a warning fails the build.
# Floating-point contraction stays off, so the renderer gives the same bytes on every machine.
function(kiva_target_defaults target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
        -Wno-missing-field-initializers
        -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
        -Werror -ffp-contract=off)
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
