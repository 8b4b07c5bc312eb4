# Qt's and the standard library's headers are most of what every file of ours
# compiles: a file of 300 lines reads about 150 000 lines of them. They are
# parsed once per group of targets instead (a precompiled header), which
# halves the build. Only headers that are not ours go in, so that a target
# still sees only the headers of what it links; a group reaches only targets
# that may use all of its headers (Qt Core alone, widgets, tests).
#
# CMAKE_DISABLE_PRECOMPILE_HEADERS=ON (the asan preset) builds without them:
# there a file that forgot an include of its own fails to compile.

set(ZEMTAR_PCH_CORE
    <QByteArray> <QLocale> <QString> <QStringList>
    <algorithm> <array> <functional> <memory> <optional> <vector>)
set(ZEMTAR_PCH_WIDGETS ${ZEMTAR_PCH_CORE}
    <QApplication> <QColor> <QImage> <QLabel> <QLineEdit> <QPainter> <QPrinter> <QPushButton>
    <QWidget>)
set(ZEMTAR_PCH_TESTS ${ZEMTAR_PCH_WIDGETS}
    <gtest/gtest.h> <QDir> <QFile> <QSignalSpy> <QTemporaryDir> <QTest>)

# The targets whose precompiled header a group shares; each is defined in its
# own folder, the first of its group.
set(ZEMTAR_PCH_CORE_OWNER zemtar_core)
set(ZEMTAR_PCH_WIDGETS_OWNER zemtar_platform)
set(ZEMTAR_PCH_TESTS_OWNER zemtar_test_main)

# TARGET compiles with the precompiled header of GROUP (CORE, WIDGETS, TESTS):
# the group's owner makes it, everyone else reuses it. Reuse needs the same
# compiler options and the same definitions of the macros the header looks at
# (Qt Test looks at which Qt modules are linked); CMake adds -Winvalid-pch,
# and with warnings as errors a mismatch stops the build instead of quietly
# making it slow.
function(zemtar_precompiled target group)
    set(owner ${ZEMTAR_PCH_${group}_OWNER})
    # On Windows Qt's entry point defines QT_NEEDS_QMAIN in every program,
    # so a library's header cannot serve a program: programs compile without.
    get_target_property(kind ${target} TYPE)
    if(WIN32 AND kind STREQUAL "EXECUTABLE" AND NOT target STREQUAL owner)
        return()
    endif()
    if(target STREQUAL owner)
        target_precompile_headers(${target} PRIVATE ${ZEMTAR_PCH_${group}})
    else()
        target_precompile_headers(${target} REUSE_FROM ${owner})
    endif()
endfunction()
