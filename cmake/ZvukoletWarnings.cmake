# Warnings are errors in our own code; third-party code is compiled without them.
function(zv_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wpedantic -Wshadow
                                                 -Wnon-virtual-dtor -Wno-missing-field-initializers)
    endif()
endfunction()
