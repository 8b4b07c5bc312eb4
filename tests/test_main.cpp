#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <utility>

#include "platform/fonts.h"
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
    // Under Wine the offscreen platform has only the font files it is given
    // (scripts/wine-run.sh): Debian's stand-ins for Windows' faces.
    platform::standInForMissingFaces();
    // Russian needs its catalogues for the forms of counted words.
    platform::installCatalogues(QStringLiteral("ru"));
    return RUN_ALL_TESTS();
}
