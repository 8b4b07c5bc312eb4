#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <utility>

#include "platform/translations.h"

// Tests run headless: without a display they use Qt's offscreen platform.
// Settings and other per-user files go to Qt's test locations under a home
// folder of this run's own, never to the user's: two test programs running
// at once (ctest -j, or two checkouts on one machine) would otherwise write
// each other's settings and fail by turns.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // Under Wine the offscreen platform has only the font files it is given
    // (scripts/wine-run.sh): Debian's stand-ins for Windows' faces, taken in
    // their place as the Debian build takes them. Where the faces themselves
    // are there, as on Windows, these are never asked for.
    for (const auto& [face, standIn] :
         {std::pair{"Microsoft Sans Serif", "Liberation Sans"},
          std::pair{"Arial", "Liberation Sans"}, std::pair{"Tahoma", "DejaVu Sans"},
          std::pair{"Verdana", "DejaVu Sans"}}) {
        QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(standIn));
    }
#endif
    // Russian needs its catalogues for the forms of counted words.
    platform::installCatalogues(QStringLiteral("ru"));
    return RUN_ALL_TESTS();
}
