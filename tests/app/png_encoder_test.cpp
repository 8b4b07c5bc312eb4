#include <gtest/gtest.h>

#include <QImage>

#include "app/png_encoder.h"

// Whatever the picture's format, size or row padding, Qt's reader gives back
// exactly its pixels; no picture gives no file, never a PNG without pixels.
TEST(PngEncoder, QtReadsBackEveryPixel) {
    const struct {
        int width, height;
        QImage::Format format;
    } cases[] = {{1, 1, QImage::Format_RGB32},
                 {7, 3, QImage::Format_RGB888},  // rows padded to four bytes
                 {505, 506, QImage::Format_ARGB32_Premultiplied},
                 {33, 17, QImage::Format_Indexed8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        QImage image(c.width, c.height, QImage::Format_RGB32);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x ^ y) % 256));
            }
        }
        image = image.convertToFormat(c.format);
        const QImage back = QImage::fromData(companion::encodePng(image), "PNG");
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
                  image.convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_TRUE(companion::encodePng(QImage()).isEmpty());
}
