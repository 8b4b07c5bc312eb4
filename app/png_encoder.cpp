#include "app/png_encoder.h"

#include <zlib.h>
#include <QImage>
#include <QtEndian>
#include <vector>

namespace companion {

namespace {

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
    const auto* bytes = reinterpret_cast<const Bytef*>(out.constData() + start);
    appendNumber(out, static_cast<quint32>(::crc32(0, bytes, uInt(out.size() - start))));
}

// Every row starts with its filter type (1, "Sub"): each byte of red, green
// and blue less the same colour's byte one pixel to its left.
void filterRow(const QRgb* pixel, int width, Bytef* out) {
    *out++ = 1;
    QRgb left = 0;
    for (int x = 0; x < width; ++x) {
        const QRgb p = pixel[x];
        *out++ = static_cast<Bytef>(qRed(p) - qRed(left));
        *out++ = static_cast<Bytef>(qGreen(p) - qGreen(left));
        *out++ = static_cast<Bytef>(qBlue(p) - qBlue(left));
        left = p;
    }
}

// The rows, filtered one at a time and handed to zlib as they come: no copy
// of the whole picture is made, which in a fresh process costs more in
// first-touched memory than the compression itself.
QByteArray compressedRows(const QImage& rgb32) {
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK) {
        return {};
    }
    const int width = rgb32.width();
    std::vector<Bytef> row(static_cast<size_t>(width) * 3 + 1);
    // Room for the worst case, of which only the used part is ever touched.
    QByteArray compressed(
        qsizetype(deflateBound(&stream, uLong(row.size()) * uLong(rgb32.height()))),
        Qt::Uninitialized);
    stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
    stream.avail_out = uInt(compressed.size());
    int status = Z_OK;
    for (int y = 0; y < rgb32.height() && status == Z_OK; ++y) {
        filterRow(reinterpret_cast<const QRgb*>(rgb32.constScanLine(y)), width, row.data());
        stream.next_in = row.data();
        stream.avail_in = uInt(row.size());
        status = deflate(&stream, y + 1 < rgb32.height() ? Z_NO_FLUSH : Z_FINISH);
    }
    const auto length = qsizetype(stream.total_out);
    deflateEnd(&stream);
    if (status != Z_STREAM_END) {
        return {};
    }
    compressed.truncate(length);
    return compressed;
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
    const QImage rgb = std::move(image).convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) {
        return {};
    }
    const QByteArray compressed = compressedRows(rgb);
    if (compressed.isEmpty()) {
        return {};
    }
    QByteArray header;
    appendNumber(header, static_cast<quint32>(rgb.width()));
    appendNumber(header, static_cast<quint32>(rgb.height()));
    header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, filtered rows, no interlace
    const QByteArray density = densityOf(rgb);

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
