#include "platform/page_output.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/safe_file.h"

namespace platform {

namespace {

QPageLayout a4Layout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
}

}  // namespace

double printableWidthTw(const QPrinter& printer) {
    return printer.pageLayout().paintRect(QPageLayout::Inch).width() * 1440.0;
}

double pdfPrintableWidthTw() {
    return a4Layout().paintRect(QPageLayout::Inch).width() * 1440.0;
}

bool renderToPrinter(const PrinterPage& page, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    page.render(painter, printer.logicalDpiX(), printer.logicalDpiY());
    return painter.end();
}

QString writePdf(const PrinterPage& page, const QString& path, const QString& title) {
    return writePdfPages(path, title, [&page](const AddPdfPage& add) { return add(page); });
}

QString writePdfPages(const QString& path, const QString& title,
                      const std::function<bool(const AddPdfPage& addPage)>& compose) {
    // Finer than the pages are composed for, so that nothing the printer
    // would show sharply comes out coarse in the file.
    constexpr int kPdfDpi = 1200;
    return writeFileAtomically(path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setPageLayout(a4Layout());
        writer.setResolution(kPdfDpi);
        writer.setCreator(QStringLiteral("Zemtar - Прогноз"));
        if (!title.isEmpty()) {
            writer.setTitle(title);
        }
        QPainter painter;
        bool first = true;
        const auto add = [&](const PrinterPage& page) {
            // The painter begins with the first page, so that a document that
            // ends before one leaves nothing begun.
            if (first ? !painter.begin(&writer) : !writer.newPage()) {
                return false;
            }
            first = false;
            page.render(painter, kPdfDpi, kPdfDpi);
            return true;
        };
        const bool keep = compose(add);
        const bool ended = painter.isActive() ? painter.end() : !first;
        return keep && ended;
    });
}

QString writeImage(const QImage& image, const QString& path, const char* format, int quality) {
    // The picture is encoded in memory first: an encoder that meets a write
    // error on the file (a full disk) would print its own complaint on
    // standard error, while the file's write error is told by us.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    writer.setQuality(quality);
    const bool ok = !image.isNull() && writer.write(image);
    return writeFileAtomically(path, [&](QIODevice& device) {
        // A short write (a file size limit reached) is tried again, so that
        // the failure itself reaches the file and its reason can be told.
        const QByteArray& bytes = encoded.data();
        for (qint64 done = 0; ok && done < bytes.size();) {
            const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0) {
                return false;
            }
            done += n;
        }
        return ok;
    });
}

QImage renderToImage(const PrinterPage& page, int dpi) {
    const QRectF area = a4Layout().paintRect(QPageLayout::Inch);
    QImage image(static_cast<int>(area.width() * dpi), static_cast<int>(area.height() * dpi),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    page.render(painter, dpi, dpi);
    return image;
}

}  // namespace platform
