# Warnings and strictness defines, set once; every target links quorvel_common.
add_library(quorvel_common INTERFACE)
target_compile_options(quorvel_common INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wformat=2 -Wimplicit-fallthrough)
if(QUORVEL_WERROR)
    target_compile_options(quorvel_common INTERFACE -Werror)
endif()
target_compile_definitions(quorvel_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_FOREACH)
if(QUORVEL_SANITIZE)
    target_compile_options(quorvel_common INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(quorvel_common INTERFACE -fsanitize=address,undefined)
endif()

# A subsystem library that has no sources yet stays an interface target, so
# the program can link every subsystem from the start.
function(quorvel_placeholder_library name)
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE quorvel_common)
endfunction()
