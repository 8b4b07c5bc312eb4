#include "app/png_encoder.h"

#include <QImage>
#include <QtEndian>
#include <array>

namespace companion {

namespace {

constexpr std::array<quint32, 256> makeCrcTable() {
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> kCrcTable = makeCrcTable();

quint32 crc32(const char* data, qsizetype size, quint32 crc = 0xFFFFFFFFu) {
    for (qsizetype i = 0; i < size; ++i) {
        crc = kCrcTable[(crc ^ static_cast<uchar>(data[i])) & 0xFF] ^ (crc >> 8);
    }
    return crc;
}

void appendNumber(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    appendNumber(out, static_cast<quint32>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    appendNumber(out, crc32(out.constData() + start, out.size() - start) ^ 0xFFFFFFFFu);
}

// Every row starts with its filter type (1, "Sub"): each byte of red, green
// and blue less the same colour's byte one pixel to its left. Read straight
// from the 32-bit pixels, so that no second copy of the picture is made.
QByteArray filteredRows(const QImage& rgb32) {
    const qsizetype rowBytes = qsizetype(rgb32.width()) * 3;
    QByteArray rows(rgb32.height() * (rowBytes + 1), Qt::Uninitialized);
    char* out = rows.data();
    for (int y = 0; y < rgb32.height(); ++y) {
        const auto* pixel = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        *out++ = 1;
        QRgb left = 0;
        for (int x = 0; x < rgb32.width(); ++x) {
            const QRgb p = pixel[x];
            *out++ = static_cast<char>(qRed(p) - qRed(left));
            *out++ = static_cast<char>(qGreen(p) - qGreen(left));
            *out++ = static_cast<char>(qBlue(p) - qBlue(left));
            left = p;
        }
    }
    return rows;
}

// The pixels per metre, for the pHYs chunk; empty when the picture has none.
QByteArray densityOf(const QImage& image) {
    QByteArray density;
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        appendNumber(density, static_cast<quint32>(image.dotsPerMeterX()));
        appendNumber(density, static_cast<quint32>(image.dotsPerMeterY()));
        density.append('\x01');  // per metre
    }
    return density;
}

}  // namespace

QByteArray encodePng(QImage image) {
    QImage rgb = std::move(image).convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) {
        return {};
    }
    QByteArray header;
    appendNumber(header, static_cast<quint32>(rgb.width()));
    appendNumber(header, static_cast<quint32>(rgb.height()));
    header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, filtered rows, no interlace
    QByteArray rows = filteredRows(rgb);
    const QByteArray density = densityOf(rgb);
    rgb = QImage();  // the picture's memory goes before the compressor takes its own
    // qCompress gives a zlib stream behind four bytes of its own (the length).
    const QByteArray compressed = qCompress(rows, 1).mid(4);
    rows.clear();

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    if (!density.isEmpty()) {
        appendChunk(png, "pHYs", density);
    }
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", {});
    return png;
}

}  // namespace companion
