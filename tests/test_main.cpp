#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

// Tests run headless: without a display they use Qt's offscreen platform.
// Settings and other per-user files go to Qt's test locations, never to the
// user's own, and under a home of each test program's own: programs run side
// by side would otherwise write one settings file over each other's.
int main(int argc, char** argv) {
    const QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
