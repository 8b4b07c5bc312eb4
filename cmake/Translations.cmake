# The program's translation catalogues: translations/zemtar_<area>_<lang>.ts,
# made into .qm files by Qt's lrelease (package qt6-l10n-tools) in the
# translations folder beside the programs, where they are looked for at start,
# and installed there too.
#
# Debian 12 has qt_add_translations only in qt6-tools-dev, which the project
# does without; lrelease alone is all that is needed.

find_program(ZEMTAR_LRELEASE NAMES lrelease lrelease-qt6 HINTS /usr/lib/qt6/bin
             DOC "Qt 6's lrelease, which makes the .qm catalogues")
if(NOT ZEMTAR_LRELEASE)
    message(FATAL_ERROR "Qt 6's lrelease is missing: install qt6-l10n-tools "
                        "(scripts/install-deps.sh)")
endif()

set(ZEMTAR_CATALOGUE_SOURCE_DIR ${CMAKE_SOURCE_DIR}/translations)
set(ZEMTAR_CATALOGUE_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)

define_property(GLOBAL PROPERTY ZEMTAR_CATALOGUE_FILES
    BRIEF_DOCS "Every .qm catalogue the build makes"
    FULL_DOCS "Filled by zemtar_add_catalogues(), installed by packaging/CMakeLists.txt.")

# Makes the catalogues of AREA (every translations/zemtar_<area>_*.ts) before
# TARGET is built. An area's catalogues are made once, whichever targets need
# them; their target is zemtar_catalogues_<area>. An area without catalogues
# yet has nothing to make; the folder is looked at again at every build.
function(zemtar_add_catalogues)
    cmake_parse_arguments(ARG "" "TARGET;AREA" "" ${ARGN})
    if(NOT ARG_TARGET OR NOT ARG_AREA)
        message(FATAL_ERROR "zemtar_add_catalogues(TARGET <target> AREA <area>)")
    endif()
    set(area_target zemtar_catalogues_${ARG_AREA})
    if(NOT TARGET ${area_target})
        file(GLOB sources CONFIGURE_DEPENDS
             ${ZEMTAR_CATALOGUE_SOURCE_DIR}/zemtar_${ARG_AREA}_*.ts)
        set(catalogues)
        foreach(source IN LISTS sources)
            cmake_path(GET source STEM name)
            set(catalogue ${ZEMTAR_CATALOGUE_DIR}/${name}.qm)
            add_custom_command(OUTPUT ${catalogue}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEMTAR_CATALOGUE_DIR}
                COMMAND ${ZEMTAR_LRELEASE} -silent -nounfinished
                        ${source} -qm ${catalogue}
                DEPENDS ${source}
                COMMENT "Making the catalogue ${name}.qm"
                VERBATIM)
            list(APPEND catalogues ${catalogue})
        endforeach()
        add_custom_target(${area_target} ALL DEPENDS ${catalogues})
        set_property(GLOBAL APPEND PROPERTY ZEMTAR_CATALOGUE_FILES ${catalogues})
    endif()
    add_dependencies(${ARG_TARGET} ${area_target})
endfunction()
