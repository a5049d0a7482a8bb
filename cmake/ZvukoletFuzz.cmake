# libFuzzer targets of the portable core (clang, the fuzz preset).
#   zv_fuzz_target(name source [SEEDS seeds_target])
# With SEEDS, the folder's vytvorit_semena.py writes the seed corpus and the dictionary into
# the build folder before the target is built; `seeds_target` runs it alone.
function(zv_fuzz_target name source)
    cmake_parse_arguments(ARG "" "SEEDS" "" ${ARGN})
    add_executable(${name} ${source})
    zv_warnings(${name})
    target_link_libraries(${name} PRIVATE zvukolet_portable)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    if(ARG_SEEDS)
        add_custom_target(${ARG_SEEDS}
            COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/vytvorit_semena.py
                    ${CMAKE_CURRENT_BINARY_DIR}
            COMMENT "Seed corpus of ${name}")
        add_dependencies(${name} ${ARG_SEEDS})
    endif()
endfunction()
