#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "platform/services.h"
#include "recording_services.h"
#include "ui/main_window/frm_main.h"

// The date frame, its inputs and the default button as the user sees them,
// judged by the pixels of the shown window.
namespace {

const QColor kWindowColor(195, 217, 249);
const QColor kInputColor(0, 255, 0);

struct ShownWindow : testing::Test {
    platform::RecordingServices services;
    ui::FrmMain window{services};

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // The window's pixels where the child lies, in the child's own coordinates.
    QImage shot(const char* name) {
        auto* child = window.findChild<QWidget*>(QString::fromLatin1(name));
        if (child == nullptr) {
            ADD_FAILURE() << "no control " << name;
            return {};
        }
        const QImage all = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        return all.copy(QRect(child->mapTo(&window, QPoint(0, 0)), child->size()));
    }
};

TEST_F(ShownWindow, InputsAreSolidGreenFields) {
    for (const char* name : {"CboDay", "CboMonth", "TxtYear"}) {
        const QImage field = shot(name);
        ASSERT_FALSE(field.isNull());
        // The left part of every field is empty at start: no text, no arrow.
        for (int y = 4; y < field.height() - 4; ++y) {
            for (int x = 4; x < 9; ++x) {
                ASSERT_EQ(field.pixelColor(x, y), kInputColor) << name << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(ShownWindow, DateCaptionsAreBlack) {
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        const QImage caption = shot(name);
        ASSERT_FALSE(caption.isNull());
        int darkest = 255;
        for (int y = 0; y < caption.height(); ++y) {
            for (int x = 0; x < caption.width(); ++x) {
                const QColor c = caption.pixelColor(x, y);
                darkest = std::min(darkest, std::max({c.red(), c.green(), c.blue()}));
                if (c != kWindowColor) {
                    // Text and its smoothing are grey; the frame's caption is blue.
                    ASSERT_LT(c.blue() - c.red(), 60) << name << " at " << x << "," << y;
                }
            }
        }
        EXPECT_LT(darkest, 64) << name << ": the text is black, not merely dark";
    }
}

TEST_F(ShownWindow, DateFrameIsClassicWithItsCaptionOnTheBorder) {
    const QImage frame = shot("Frame1");
    ASSERT_FALSE(frame.isNull());
    // Inside, in the window's colour (the free corner at the bottom right).
    EXPECT_EQ(frame.pixelColor(frame.width() - 12, frame.height() - 8), kWindowColor);
    // The top border line, found at the right end where there is no caption.
    const int x = frame.width() - 12;
    int border = 0;
    while (border < frame.height() && frame.pixelColor(x, border) == kWindowColor) {
        ++border;
    }
    ASSERT_LT(border, frame.height() / 2);
    // The blue caption reaches both above and below that line.
    bool above = false;
    bool below = false;
    for (int y = 0; y < frame.height() / 2; ++y) {
        for (int cx = 0; cx < frame.width() / 2; ++cx) {
            const QColor c = frame.pixelColor(cx, y);
            if (c.blue() > 200 && c.red() < 100 && c.green() < 100) {
                above = above || y < border;
                below = below || y > border;
            }
        }
    }
    EXPECT_TRUE(above && below) << "border at " << border;
}

TEST_F(ShownWindow, CalculationButtonWearsTheDefaultFrame) {
    auto* pusk = window.findChild<QPushButton*>(QStringLiteral("CmdPusk"));
    auto* print = window.findChild<QPushButton*>(QStringLiteral("CmdPrint"));
    ASSERT_TRUE(pusk && print);
    EXPECT_EQ(shot("CmdPusk").pixelColor(0, 0), QColor(Qt::black));
    EXPECT_NE(shot("CmdPrint").pixelColor(0, 0), QColor(Qt::black));

    // While the print button has the focus, Enter presses it, and it wears the frame.
    window.findChild<QComboBox*>(QStringLiteral("CboDay"))->setCurrentIndex(0);
    window.findChild<QComboBox*>(QStringLiteral("CboMonth"))->setCurrentIndex(0);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    print->setFocus();
    EXPECT_EQ(shot("CmdPrint").pixelColor(0, 0), QColor(Qt::black));
    EXPECT_NE(shot("CmdPusk").pixelColor(0, 0), QColor(Qt::black));
    pusk->setFocus();
    EXPECT_EQ(shot("CmdPusk").pixelColor(0, 0), QColor(Qt::black));
    EXPECT_NE(shot("CmdPrint").pixelColor(0, 0), QColor(Qt::black));
}

TEST_F(ShownWindow, LinkOpensOnlyOnALeftClickLetGoOverIt) {
    auto* link = window.findChild<QLabel*>(QStringLiteral("LblUrl"));
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::RightButton);
    QTest::mouseClick(link, Qt::MiddleButton);
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, -20));
    EXPECT_TRUE(services.addresses.empty());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(services.addresses.size(), 1u);
}

}  // namespace
