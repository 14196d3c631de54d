# SPDX-License-Identifier: GPL-3.0-or-later
# Every header is included by its folder ("game/state.h"), yet no target hands its users the
# whole source tree: each hands them the headers of its own folder alone, so that a file
# reaches only the headers of the targets it links. The build tree holds, for each folder, an
# include folder of its own with a link to the folder under its own path.

# cobblewell_headers(<target> <INTERFACE|PUBLIC|PRIVATE> [<header>...])
# Gives <target>'s users (PRIVATE: the target alone) the headers of the current source folder:
# all of them, or only the <header>s named.
function(cobblewell_headers target scope)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    if(ARGN)
        set(root ${PROJECT_BINARY_DIR}/include/${target})
        file(MAKE_DIRECTORY ${root}/${folder})
        foreach(header IN LISTS ARGN)
            file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header}
                SYMBOLIC)
        endforeach()
    else()
        string(REPLACE / _ root_name ${folder})
        set(root ${PROJECT_BINARY_DIR}/include/${root_name})
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
endfunction()
