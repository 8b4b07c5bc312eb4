#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "platform/fonts.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/replay.h"
#include "platform/units.h"
#include "platform/window_surface.h"

using platform::DrawOp;
using platform::PrinterPage;
using platform::WindowSurface;

TEST(Units, TwipsToPixels) {
    EXPECT_EQ(platform::px(7575), 505);
    EXPECT_EQ(platform::px(7305), 487);
    EXPECT_EQ(platform::px(4215), 281);
    EXPECT_EQ(platform::px(7), 0);
    EXPECT_EQ(platform::px(8), 1);
    EXPECT_EQ(platform::px(-4100), -273);
    EXPECT_EQ(platform::fromBgr(0xFF), QColor(255, 0, 0));
    EXPECT_EQ(platform::fromBgr(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(platform::fromBgr(0x8000), QColor(0, 128, 0));
    EXPECT_EQ(platform::fromBgr(0xC00000), QColor(0, 0, 192));
}

TEST(PrinterPage, CursorRules) {
    PrinterPage page;
    page.setFontSize(14);
    const double h14 = page.lineHeight();
    page.setFontSize(10);
    const double h10 = page.lineHeight();
    EXPECT_GT(h14, h10);
    EXPECT_GT(h10, 150);  // a 10-point line is more than 7.5 points high
    EXPECT_LT(h10, 400);

    page.setCurrentX(5000);
    page.setCurrentY(4500);
    page.print(QStringLiteral("Строка"));
    EXPECT_EQ(page.currentX(), 0);
    EXPECT_DOUBLE_EQ(page.currentY(), 4500 + h10);

    page.line(0, 900, page.scaleWidth(), 900);
    EXPECT_EQ(page.currentX(), page.scaleWidth());
    EXPECT_EQ(page.currentY(), 900);
    page.print(QStringLiteral(" "));
    EXPECT_EQ(page.currentX(), 0);
    EXPECT_DOUBLE_EQ(page.currentY(), 900 + h10);

    page.point(800, 3800);
    EXPECT_EQ(page.currentX(), 800);
    EXPECT_EQ(page.currentY(), 3800);

    page.setCurrentX(10);
    page.paintPicture(QImage(71, 71, QImage::Format_RGB32), 6000, 0, 800, 800);
    EXPECT_EQ(page.currentX(), 10);

    page.printNumber(9);
    page.printNumber(1990);
    const auto& ops = page.ops();
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[ops.size() - 2].text, QStringLiteral(" 9"));
    EXPECT_EQ(ops.back().text, QStringLiteral(" 1990"));
}

TEST(PrinterPage, FontSettingsStayAndAreRecorded) {
    PrinterPage page;
    page.setFontSize(10);
    page.setFontBold(true);
    page.setFontUnderline(true);
    page.print(QStringLiteral("a"));
    page.setFontUnderline(false);
    page.print(QStringLiteral("b"));
    const auto& ops = page.ops();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_TRUE(ops[0].bold && ops[0].underline);
    EXPECT_TRUE(ops[1].bold);
    EXPECT_FALSE(ops[1].underline);
    EXPECT_EQ(ops[1].fontSize, 10);
    EXPECT_EQ(ops[1].kind, DrawOp::Kind::Text);
}

TEST(PrinterPage, PenWidthIsInDevicePixels) {
    PrinterPage page(10906, 600);
    page.setDrawWidth(8);
    page.point(800, 3800);
    EXPECT_DOUBLE_EQ(page.ops().back().widthTw, 8 * 1440.0 / 600);
    EXPECT_FALSE(page.ops().back().color.has_value());
}

// Dots are round and as wide as the pen, in any colour and at any scale: the
// page draws a run of them with a round pen, and they come out as the
// filled circles they always were.
TEST(PrinterPage, DotsAreTheFilledCirclesOfThePensWidth) {
    for (const int dpi : {96, 300, 1200}) {
        PrinterPage page(10906, 600);
        page.setDrawWidth(8);
        for (int k = 0; k < 6; ++k) {
            page.point(400 + 400 * k, 400,
                       k < 3 ? std::nullopt : std::optional(QColor(0, 55, 250)));
        }
        page.setDrawWidth(30);
        page.point(400, 1000);
        const QSize size(2800 * dpi / 1440, 1400 * dpi / 1440);
        QImage drawn(size, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QImage circles = drawn;
        QPainter painter(&drawn);
        page.render(painter, dpi, dpi);
        painter.end();
        painter.begin(&circles);
        painter.scale(dpi / 1440.0, dpi / 1440.0);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (const DrawOp& op : page.ops()) {
            painter.setBrush(op.color.value_or(Qt::black));
            painter.drawEllipse(op.p1, op.widthTw / 2, op.widthTw / 2);
        }
        painter.end();
        int apart = 0;  // pixels more than a shade apart
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QColor a = drawn.pixelColor(x, y);
                const QColor b = circles.pixelColor(x, y);
                apart += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                             std::abs(a.blue() - b.blue()) >
                         48;
            }
        }
        EXPECT_LE(apart, size.width() * size.height() / 2000) << dpi << " dpi";
        EXPECT_EQ(drawn.pixelColor(QPoint(400, 1000) * dpi / 1440), QColor(Qt::black)) << dpi;
    }
}

// Pages draw their texts from glyphs kept of lines drawn before; they must
// look exactly as texts shaped afresh, the first time and from what was kept.
TEST(PrinterPage, KeptGlyphsDrawAsTextsShapedAfresh) {
    PrinterPage page(10906, 600);
    const struct {
        const char* text;
        double points;
        bool bold;
    } lines[] = {{"Ёжик в тумане, ёлка и «кавычки»", 11, false},
                 {"Happiness percentage: 72%", 16, true},
                 {" 1975", 10, false},
                 {"Знак \u2713 и \u4E2D из другого шрифта", 11, false},
                 {"", 11, false},
                 {"Ёжик в тумане, ёлка и «кавычки»", 14, true}};
    for (const auto& line : lines) {
        page.setFontSize(line.points);
        page.setFontBold(line.bold);
        page.print(QString::fromUtf8(line.text));
    }
    const auto drawn = [&](platform::TextShaping shaping) {
        QImage image(1400, 900, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(300 / 1440.0, 300 / 1440.0);
        platform::replayOps(painter, page.ops(), Qt::black, platform::printerFamily(), shaping);
        return image;
    };
    const QImage fresh = drawn(platform::TextShaping::EveryTime);
    EXPECT_EQ(drawn(platform::TextShaping::Kept), fresh);
    EXPECT_EQ(drawn(platform::TextShaping::Kept), fresh);
    EXPECT_NE(fresh, QImage(fresh.size(), fresh.format()));
}

TEST(PrinterPage, EndDocHandsThePageOnAndReportsFailure) {
    PrinterPage page;
    EXPECT_TRUE(page.endDoc());
    int calls = 0;
    page.setSink([&](const PrinterPage&) {
        ++calls;
        return false;
    });
    EXPECT_FALSE(page.endDoc());
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(page.ended());
}

TEST(PrinterPage, PdfIsWrittenAndUnwritablePathFails) {
    PrinterPage page;
    page.setFontSize(10);
    page.print(QStringLiteral("Проверка"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    ASSERT_EQ(platform::writePdf(page, path), QString());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));
    EXPECT_FALSE(
        platform::writePdf(page, dir.filePath(QStringLiteral("no/such/dir/page.pdf"))).isEmpty());
}

TEST(WindowSurface, KeepsOperationsUntilClearedAndRepaintsThem) {
    WindowSurface surface;
    surface.resize(100, 100);
    surface.setBackColor(QColor(195, 217, 249));
    surface.setDrawWidth(3);
    surface.point(600, 400, QColor(0, 55, 250));
    surface.line(600, 400, 1000, 400, QColor(188, 40, 120));
    ASSERT_EQ(surface.ops().size(), 2u);
    EXPECT_EQ(surface.ops()[0].widthTw, 45);

    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        QImage image(QSize(100, 100) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        surface.render(painter);
        painter.end();
        // The dot at (600, 400) twips is at (40, 26.7) pixels; the line runs right from it.
        EXPECT_EQ(image.pixelColor(QPoint(55, 27) * ratio), QColor(188, 40, 120));
        EXPECT_EQ(image.pixelColor(QPoint(90, 90) * ratio), QColor(195, 217, 249));
    }

    surface.clear();
    EXPECT_TRUE(surface.ops().empty());
}
