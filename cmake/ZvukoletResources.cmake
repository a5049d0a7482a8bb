# Adds the program's resource script (with its generated pictures) to a target.
function(zv_add_resources target)
    target_sources(${target} PRIVATE ${ZV_RESOURCE_SCRIPT})
    target_include_directories(${target} PRIVATE ${ZV_GENERATED_RES_DIR} ${PROJECT_SOURCE_DIR}/src/res)
    add_dependencies(${target} zv_images)
    set_source_files_properties(${ZV_RESOURCE_SCRIPT} TARGET_DIRECTORY ${target}
                                PROPERTIES OBJECT_DEPENDS "${ZV_RESOURCE_DEPENDS}")
endfunction()
