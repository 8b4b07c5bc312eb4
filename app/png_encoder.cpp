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

// Every row starts with its filter type (1, "Sub"): each byte less the byte
// of the same colour one pixel to its left.
QByteArray filteredRows(const QImage& rgb) {
    const qsizetype rowBytes = qsizetype(rgb.width()) * 3;
    QByteArray rows(rgb.height() * (rowBytes + 1), Qt::Uninitialized);
    char* out = rows.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        *out++ = 1;
        for (qsizetype i = 0; i < rowBytes; ++i) {
            out[i] = static_cast<char>(row[i] - (i >= 3 ? row[i - 3] : 0));
        }
        out += rowBytes;
    }
    return rows;
}

}  // namespace

QByteArray encodePng(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return {};
    }
    QByteArray header;
    appendNumber(header, static_cast<quint32>(rgb.width()));
    appendNumber(header, static_cast<quint32>(rgb.height()));
    header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, filtered rows, no interlace
    // qCompress gives a zlib stream behind four bytes of its own (the length).
    const QByteArray compressed = qCompress(filteredRows(rgb), 1).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    if (rgb.dotsPerMeterX() > 0 && rgb.dotsPerMeterY() > 0) {
        QByteArray density;
        appendNumber(density, static_cast<quint32>(rgb.dotsPerMeterX()));
        appendNumber(density, static_cast<quint32>(rgb.dotsPerMeterY()));
        density.append('\x01');  // per metre
        appendChunk(png, "pHYs", density);
    }
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", {});
    return png;
}

}  // namespace companion
