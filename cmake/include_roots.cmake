# Every target sees the headers of the targets it links, and no others.
#
# A target's headers are the .h files among its sources. Each target gets an
# include folder of its own in the build tree that holds, for each of those
# headers, a symbolic link under the header's path from src/
# (include/zemtar_core/core/forecast.h -> src/core/forecast.h,
# include/zemtar_ui/ui/group/group_view.h -> src/ui/group/group_view.h), or
# for a header outside src/, under the name of its folder. Sources keep
# including "core/forecast.h", and that is found only through zemtar_core's
# folder: a library that includes a header of one it does not link fails to
# compile. Libraries that share a folder of src/ (platform/, print/, book/,
# ui/) share nothing else: each header belongs to the one target that lists it.
#
# The compiler cannot see one thing: a header reached through a library that is
# linked only by way of another one. zemtar_write_edges() writes down which
# target owns which header and which targets each one links directly, and
# tools/check_house.sh holds every #include "folder/name.h" in the sources
# against that list.

define_property(GLOBAL PROPERTY ZEMTAR_HEADER_OWNERS
    BRIEF_DOCS "folder/name.h=target for every header of ours"
    FULL_DOCS "Filled by zemtar_include_root(), read by zemtar_write_edges().")

# Gives TARGET its own include folder with its listed headers and makes that
# folder its public (for an interface library: its interface) include folder.
function(zemtar_include_root target)
    get_target_property(type ${target} TYPE)
    get_target_property(source_dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_property(owners GLOBAL PROPERTY ZEMTAR_HEADER_OWNERS)
    set(wanted)
    foreach(source IN LISTS sources)
        if(NOT source MATCHES "\\.h$")
            continue()
        endif()
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE
                   OUTPUT_VARIABLE header)
        # Under src/ a header is named by its path from there (core/forecast.h,
        # ui/book/book_window.h); elsewhere by its folder (app/drawing.h).
        set(src_root ${CMAKE_SOURCE_DIR}/src)
        cmake_path(IS_PREFIX src_root ${header} NORMALIZE under_src)
        if(under_src)
            cmake_path(RELATIVE_PATH header BASE_DIRECTORY ${src_root} OUTPUT_VARIABLE key)
        else()
            cmake_path(GET header FILENAME name)
            cmake_path(GET header PARENT_PATH folder)
            cmake_path(GET folder FILENAME folder)
            set(key ${folder}/${name})
        endif()
        cmake_path(GET key PARENT_PATH key_folder)
        foreach(entry IN LISTS owners)
            if(entry MATCHES "^${key}=(.*)$")
                message(FATAL_ERROR "${key} is listed by ${CMAKE_MATCH_1} and by ${target}: "
                                    "a header belongs to one target")
            endif()
        endforeach()
        set_property(GLOBAL APPEND PROPERTY ZEMTAR_HEADER_OWNERS "${key}=${target}")
        list(APPEND wanted ${root}/${key})
        set(link ${root}/${key})
        if(IS_SYMLINK ${link})
            file(READ_SYMLINK ${link} points_to)
            if(points_to STREQUAL header)
                continue()
            endif()
            file(REMOVE ${link})
        endif()
        file(MAKE_DIRECTORY ${root}/${key_folder})
        file(CREATE_LINK ${header} ${link} SYMBOLIC)
    endforeach()
    # A header taken out of the list leaves the folder with it.
    file(GLOB_RECURSE present LIST_DIRECTORIES false ${root}/*)
    foreach(link IN LISTS present)
        if(NOT link IN_LIST wanted)
            file(REMOVE ${link})
        endif()
    endforeach()
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    elseif(type MATCHES "^(EXECUTABLE|MODULE_LIBRARY)$")
        target_include_directories(${target} PRIVATE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

# Every target that compiles or lists sources, in DIR and the folders below it.
function(zemtar_targets_below dir out)
    set(found)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        get_target_property(sources ${target} SOURCES)
        if(sources AND NOT type STREQUAL "UTILITY")
            list(APPEND found ${target})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        zemtar_targets_below(${subdir} below)
        list(APPEND found ${below})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Writes FILE, read by tools/check_house.sh:
#   header folder/name.h TARGET      who owns a header
#   target TARGET LINKED...          what TARGET links directly
#   source TARGET /path/of/a/source  each source of TARGET
function(zemtar_write_edges file)
    get_property(owners GLOBAL PROPERTY ZEMTAR_HEADER_OWNERS)
    zemtar_targets_below(${CMAKE_SOURCE_DIR} targets)
    set(text "")
    foreach(entry IN LISTS owners)
        string(REPLACE "=" " " entry "${entry}")
        string(APPEND text "header ${entry}\n")
    endforeach()
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(linked ${target} INTERFACE_LINK_LIBRARIES)
        else()
            get_target_property(linked ${target} LINK_LIBRARIES)
        endif()
        if(NOT linked)
            set(linked "")
        endif()
        list(JOIN linked " " linked)
        string(APPEND text "target ${target} ${linked}\n")
        get_target_property(source_dir ${target} SOURCE_DIR)
        get_target_property(sources ${target} SOURCES)
        foreach(source IN LISTS sources)
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE
                       OUTPUT_VARIABLE source)
            string(APPEND text "source ${target} ${source}\n")
        endforeach()
    endforeach()
    # Written only when it changes, so that nothing waits on a list that did not.
    file(WRITE ${file}.new "${text}")
    file(COPY_FILE ${file}.new ${file} ONLY_IF_DIFFERENT)
    file(REMOVE ${file}.new)
endfunction()
