#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

// Tests run headless: without a display they use Qt's offscreen platform.
// Settings and other per-user files go to Qt's test locations, never to the
// user's own.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
