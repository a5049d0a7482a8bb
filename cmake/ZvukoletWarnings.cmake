# Warnings are errors in our own code; third-party code is compiled without them.
function(zv_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wpedantic -Wshadow
                                                 -Wnon-virtual-dtor -Wno-missing-field-initializers)
        # GCC 12 reports std::string concatenation inlined at -O3 as overlapping memcpy
        # (a known false positive in libstdc++'s headers).
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()
