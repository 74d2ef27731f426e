# SPDX-License-Identifier: MIT
# Compile settings shared by every target of the project.

# Warnings for all our own code; errors when NALU_WARNINGS_AS_ERRORS is on (CI).
function(nalu_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override)
    if(NALU_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The strict Qt definitions used by the libraries: no implicit conversions
# between QString and char arrays, no Qt keywords, and none of the API that the
# Qt version built against deprecated up to 5.15 (Qt 5) or 6.4 (Qt 6).
function(nalu_set_qt_strict target)
    if(NALU_QT_MAJOR_VERSION STREQUAL "6")
        set(_deprecated_up_to 0x060400)
    else()
        set(_deprecated_up_to 0x050F00)
    endif()
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII
        QT_NO_CAST_TO_ASCII
        QT_USE_QSTRINGBUILDER
        QT_NO_KEYWORDS
        QT_STRICT_ITERATORS
        QT_DISABLE_DEPRECATED_BEFORE=${_deprecated_up_to})
endfunction()

function(nalu_library_defaults target)
    nalu_set_warnings(${target})
    nalu_set_qt_strict(${target})
endfunction()

if(NALU_SANITIZE)
    add_compile_options(-fsanitize=${NALU_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${NALU_SANITIZE})
endif()

# The fuzz build: every target instrumented for libFuzzer's coverage and for AddressSanitizer and UBSan; only the
# fuzz targets themselves link libFuzzer's main.
if(NALU_BUILD_FUZZERS)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
