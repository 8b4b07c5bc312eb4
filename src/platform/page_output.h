#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "platform/printer_page.h"

class QPrinter;

namespace platform {

// Printable width of a printer's page in twips.
double printableWidthTw(const QPrinter& printer);

// Draws the page onto a printer (a real one, or one set to PDF output) as one
// print job. False when the printer would not start or finish the job.
bool renderToPrinter(const PrinterPage& page, QPrinter& printer);

// Printable width of the PDF pages that writePdf makes, in twips.
double pdfPrintableWidthTw();

// Writes the page as a one-page A4 PDF, whole or not at all (writeFileAtomically).
// Returns an empty string on success, otherwise the message
// «Не удалось записать файл X: <причина>» for the user.
QString writePdf(const PrinterPage& page, const QString& path, const QString& title = QString());

// Writes an A4 PDF of as many pages as `compose` adds through the function it
// is given (false when a page could not be added), whole or not at all: when
// compose returns false the file is not written and an existing one stays as
// it was. Pages go into the file one at a time, so memory stays flat however
// many there are. Returns as writePdf does.
using AddPdfPage = std::function<bool(const PrinterPage& page)>;
QString writePdfPages(const QString& path, const QString& title,
                      const std::function<bool(const AddPdfPage& addPage)>& compose);

// Writes a picture in the given format (quality as QImageWriter takes it),
// whole or not at all; returns as writePdf does.
QString writeImage(const QImage& image, const QString& path, const char* format = "PNG",
                   int quality = -1);

// The page as a picture at the given dots per inch, white paper, A4 printable area.
QImage renderToImage(const PrinterPage& page, int dpi);

}  // namespace platform
