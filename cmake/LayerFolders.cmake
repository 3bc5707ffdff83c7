# A folder is reachable as "folder/file.h" only from the targets that declare it and those that
# link them, so an include against the layers does not compile. Each folder gets a root of its
# own in the build tree holding a link to it.
set(VT12_LAYER_ROOT "${CMAKE_BINARY_DIR}/layers")

# vt12_sees(TARGET PUBLIC|PRIVATE FOLDER...)
function(vt12_sees target scope)
    foreach(folder IN LISTS ARGN)
        set(root "${VT12_LAYER_ROOT}/${folder}")
        if(NOT IS_SYMLINK "${root}/${folder}")
            file(MAKE_DIRECTORY "${root}")
            file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" RESULT failed
                 SYMBOLIC)
            if(failed)
                # Without symbolic links (Windows without the right) the layers go unchecked.
                set(root "${PROJECT_SOURCE_DIR}")
            endif()
        endif()
        target_include_directories(${target} ${scope} "${root}")
    endforeach()
endfunction()
