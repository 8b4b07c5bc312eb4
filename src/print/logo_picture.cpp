#include "print/logo_picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QXmlStreamReader>

#include "print/safe_svg.h"

namespace print {

namespace {

// A 10,000 x 10,000 picture takes about 400 MB once decoded, more than Qt
// allows by default; the size rule above is what keeps memory in bounds.
constexpr int kDecodeLimitMb = 512;

// A progressive JPEG comes in about ten scans; each makes the reader go over
// the whole picture again, so thousands of them would hold it for minutes.
constexpr int kJpegMaxScans = 100;

// Qt's decoding limit, the whole program's, raised while one logo is decoded.
class DecodeLimit {
public:
    DecodeLimit() : previous_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(kDecodeLimitMb);
    }
    ~DecodeLimit() { QImageReader::setAllocationLimit(previous_); }
    DecodeLimit(const DecodeLimit&) = delete;
    DecodeLimit& operator=(const DecodeLimit&) = delete;

private:
    int previous_;
};

// The format the bytes are in, told from the bytes alone as Qt's SVG reader
// tells an embedded picture's: "png", "jpeg", "svg", "svgz" or another.
QByteArray formatOf(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer).toLower();
    return format == "jpg" ? QByteArrayLiteral("jpeg") : format;
}

// Whether the bytes are an SVG drawing. Qt names that format only when its
// SVG reader is there; a build without it knows a drawing by its outermost
// element, so that its user hears that SVG is not read by this build rather
// than that the file is no picture at all.
bool isSvg(const QByteArray& bytes, const QByteArray& format) {
    if (format == "svg") {
        return true;
    }
    if (!format.isEmpty() || svgLogosReadable()) {
        return false;
    }
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            return xml.name() == u"svg";
        }
    }
    return false;
}

enum class RasterFault { None, TooLarge, Broken, Cut };

struct Raster {
    QImage image;
    RasterFault fault = RasterFault::None;
    QSize size;
};

// Whether a JPEG's bytes run on to its end marker: Qt's reader draws the
// missing rows of a cut-off JPEG grey without a word, where it refuses a cut
// PNG. Read before the picture is decoded, which the scans' count decides the
// cost of.
RasterFault jpegShape(const QByteArray& bytes) {
    const auto at = [&bytes](qsizetype i) { return static_cast<uchar>(bytes[i]); };
    const auto isRestart = [](uchar marker) { return marker >= 0xD0 && marker <= 0xD7; };
    const qsizetype n = bytes.size();
    int scans = 0;
    // After the start marker, segments with their lengths; after a scan's
    // head, its coded data runs to the next marker that is not a restart
    // (FF 00 is a data byte FF).
    for (qsizetype i = 2; i + 1 < n;) {
        if (at(i) != 0xFF) {
            return RasterFault::Broken;
        }
        const uchar marker = at(i + 1);
        if (marker == 0xD9) {
            return RasterFault::None;
        }
        if (marker == 0xFF || marker == 0x01 || isRestart(marker)) {
            i += marker == 0xFF ? 1 : 2;
            continue;
        }
        if (i + 3 >= n) {
            return RasterFault::Cut;
        }
        i += 2 + ((qsizetype{at(i + 2)} << 8) | at(i + 3));
        if (marker == 0xDA) {
            if (++scans > kJpegMaxScans) {
                return RasterFault::Broken;
            }
            while (i + 1 < n && !(at(i) == 0xFF && at(i + 1) != 0 && !isRestart(at(i + 1)))) {
                ++i;
            }
        }
    }
    return RasterFault::Cut;
}

// A PNG or JPEG from its bytes; its size is read from its header before
// anything is decoded.
Raster decodeRaster(const QByteArray& bytes, const QByteArray& format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.width() > kLogoMaxSide || size.height() > kLogoMaxSide) {
        return {{}, RasterFault::TooLarge, size};
    }
    if (const RasterFault shape = format == "jpeg" ? jpegShape(bytes) : RasterFault::None;
        shape != RasterFault::None) {
        return {{}, shape, size};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {{}, RasterFault::Broken, size};
    }
    return {std::move(image), RasterFault::None, size};
}

// The pictures embedded in one drawing share one allowance of points, told
// from their headers before any is decoded: Qt decodes each of them again to
// draw it and keeps them all at once, so thirty embedded pictures of the
// largest size took a minute and 3 GB.
class EmbeddedPictures {
public:
    // A third of the largest logo's points: about a 6,000 x 4,000 photograph.
    static constexpr qint64 kMaxPoints = qint64{kLogoMaxSide} * kLogoMaxSide / 3;

    bool overAllowance() const { return over_; }

    bool sound(const QByteArray& bytes) {
        const QByteArray format = formatOf(bytes);
        if (format != "png" && format != "jpeg") {
            return false;
        }
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const QSize size = QImageReader(&buffer, format).size();
        points_ += qint64{qMax(size.width(), 0)} * qMax(size.height(), 0);
        if (points_ > kMaxPoints) {
            over_ = true;
            return false;
        }
        return decodeRaster(bytes, format).fault == RasterFault::None;
    }

private:
    qint64 points_ = 0;
    bool over_ = false;
};

QString brokenMessage(const QString& shown) {
    return QCoreApplication::translate("print::LogoPicture",
                                       "Рисунок «%1» повреждён: его не удалось прочитать.")
        .arg(shown);
}

QString tooLargeMessage(const QString& shown, QSize size) {
    return QCoreApplication::translate(
               "print::LogoPicture",
               "Рисунок «%1» слишком велик: %2 × %3 точек, а можно не больше %4 по "
               "каждой стороне.")
        .arg(shown, QString::number(size.width()), QString::number(size.height()),
             QString::number(kLogoMaxSide));
}

QString notPictureMessage(const QString& shown) {
    return QCoreApplication::translate("print::LogoPicture",
                                       "Файл «%1» — не рисунок PNG, JPEG или SVG.")
        .arg(shown);
}

QString svgMessage(const SafeSvg& svg, const QString& shown) {
    switch (svg.fault) {
        case SvgFault::NotSvg:
            return notPictureMessage(shown);
        case SvgFault::Entities:
            return QCoreApplication::translate(
                       "print::LogoPicture",
                       "Рисунок «%1» объявляет свои сущности XML (<!ENTITY …>); такой "
                       "рисунок программа не открывает. Сохраните его заново в "
                       "графическом редакторе.")
                .arg(shown);
        case SvgFault::Complex:
            return QCoreApplication::translate(
                       "print::LogoPicture",
                       "Рисунок «%1» слишком сложен для логотипа: в нём больше %2 "
                       "элементов или они вложены глубже %3 уровней.")
                .arg(shown, QString::number(kSvgMaxElements), QString::number(kSvgMaxDepth));
        case SvgFault::Outside:
            return QCoreApplication::translate(
                       "print::LogoPicture",
                       "Рисунок «%1» берёт часть изображения из другого файла или из "
                       "сети («%2»). Логотип должен быть одним файлом: встройте "
                       "картинки в рисунок или сохраните его как PNG.")
                .arg(shown, svg.detail);
        case SvgFault::Embedded:
            return QCoreApplication::translate(
                       "print::LogoPicture",
                       "Картинка, встроенная в рисунок «%1», — не PNG и не JPEG или "
                       "повреждена («%2»).")
                .arg(shown, svg.detail);
        case SvgFault::Broken:
        case SvgFault::None:
            break;
    }
    return brokenMessage(shown);
}

// A drawing is rendered from its safe copy, straight at the size it will be
// printed; the copy is what the program keeps.
LogoPicture decodeSvg(const QByteArray& document, const QString& shown, int side) {
    if (!svgLogosReadable()) {
        return {{},
                {},
                QCoreApplication::translate(
                    "print::LogoPicture",
                    "Рисунок «%1» — в формате SVG, а эта сборка программы читает логотипы только "
                    "в форматах PNG и JPEG. Сохраните логотип как PNG или JPEG и выберите его "
                    "заново.")
                    .arg(shown)};
    }
    EmbeddedPictures embedded;
    const SafeSvg safe = sanitizeSvg(
        document, [&embedded](const QByteArray& picture) { return embedded.sound(picture); });
    if (embedded.overAllowance()) {
        return {{},
                {},
                QCoreApplication::translate(
                    "print::LogoPicture",
                    "Картинки, встроенные в рисунок «%1», вместе больше %2 млн точек: "
                    "для логотипа это слишком много.")
                    .arg(shown, QString::number(EmbeddedPictures::kMaxPoints / 1000000))};
    }
    if (safe.fault != SvgFault::None) {
        return {{}, {}, svgMessage(safe, shown)};
    }
    QBuffer buffer;
    buffer.setData(safe.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    const QSize size = reader.size();
    if (size.width() > kLogoMaxSide || size.height() > kLogoMaxSide) {
        return {{}, {}, tooLargeMessage(shown, size)};
    }
    if (size.isValid() && !size.isEmpty()) {
        reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {{}, {}, brokenMessage(shown)};
    }
    return {std::move(image), safe.bytes, {}};
}

LogoPicture decodeRasterLogo(const QByteArray& bytes, const QByteArray& format,
                             const QString& shown, int side) {
    Raster raster = decodeRaster(bytes, format);
    switch (raster.fault) {
        case RasterFault::None:
            break;
        case RasterFault::TooLarge:
            return {{}, {}, tooLargeMessage(shown, raster.size)};
        case RasterFault::Cut:
            return {{},
                    {},
                    QCoreApplication::translate(
                        "print::LogoPicture",
                        "Рисунок «%1» повреждён: файл обрывается раньше конца рисунка.")
                        .arg(shown)};
        case RasterFault::Broken:
            return {{}, {}, brokenMessage(shown)};
    }
    if (raster.image.width() > side || raster.image.height() > side) {
        raster.image =
            raster.image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return {std::move(raster.image), bytes, {}};
}

}  // namespace

bool svgLogosReadable() {
    static const bool readable = QImageReader::supportedImageFormats().contains("svg");
    return readable;
}

LogoPicture decodeLogo(const QByteArray& bytes, const QString& shown, int side) {
    const DecodeLimit limit;
    if (bytes.startsWith("\x1f\x8b")) {
        QByteArray expanded;
        switch (inflateGzip(bytes, kLogoMaxBytes, &expanded)) {
            case Inflated::TooLarge:
                return {{},
                        {},
                        QCoreApplication::translate(
                            "print::LogoPicture",
                            "Сжатый рисунок «%1» в развёрнутом виде больше %2 МБ.")
                            .arg(shown, QString::number(kLogoMaxBytes >> 20))};
            case Inflated::Broken:
                return {{}, {}, brokenMessage(shown)};
            case Inflated::Done:
                break;
        }
        return isSvg(expanded, formatOf(expanded)) ? decodeSvg(expanded, shown, side)
                                                   : LogoPicture{{}, {}, notPictureMessage(shown)};
    }
    const QByteArray format = formatOf(bytes);
    if (isSvg(bytes, format)) {
        return decodeSvg(bytes, shown, side);
    }
    if (format == "png" || format == "jpeg") {
        return decodeRasterLogo(bytes, format, shown, side);
    }
    return {{}, {}, notPictureMessage(shown)};
}

}  // namespace print
