# Each test class is declared in its own .cpp, which includes the moc output at its end. moc
# needs none of the file's includes for that, only the system's macros (Q_OS_*); following the
# includes through the Qt headers cost each suite 2 to 17 s, for the same output.
get_target_property(vt12_qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
find_file(VT12_QT_SYSTEM_DETECTION qsystemdetection.h PATHS ${vt12_qt_core_includes}
          PATH_SUFFIXES QtCore NO_DEFAULT_PATH REQUIRED)
set(vt12_moc_predefs "${CMAKE_BINARY_DIR}/test_moc_predefs.h")
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dM -E -x c++ -std=c++20 /dev/null
                OUTPUT_FILE "${vt12_moc_predefs}" RESULT_VARIABLE vt12_predefs_failed)
if(vt12_predefs_failed)
    message(FATAL_ERROR "The compiler did not list its predefined macros for moc")
endif()

# vt12_moc_test_sources(TARGET SOURCES...): TARGET's sources are moc'ed here, not by AUTOMOC.
function(vt12_moc_test_sources target)
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_moc")
    foreach(source IN LISTS ARGN)
        get_filename_component(name "${source}" NAME_WE)
        set(output "${dir}/${name}.moc")
        add_custom_command(OUTPUT "${output}"
            COMMAND Qt6::moc --include "${vt12_moc_predefs}"
                    --include "${VT12_QT_SYSTEM_DETECTION}"
                    "${CMAKE_CURRENT_SOURCE_DIR}/${source}" -o "${output}"
            DEPENDS "${source}" VERBATIM)
        target_sources(${target} PRIVATE "${output}")
    endforeach()
    set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    target_include_directories(${target} PRIVATE "${dir}")
endfunction()
