#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <vector>

#include "platform/canvas.h"

namespace platform {

// Printers are asked for this many dots per inch, and PDF pages are composed
// for as many; the pens of the graphs are counted in these dots.
inline constexpr int kPrinterDpi = 600;

// One printed page, composed in twips from the top left of the printable area.
// It keeps a text cursor and a font (size, bold, underline) like a printer
// object does, records every operation, and hands the finished page to
// whatever endDoc() is wired to: a real printer, a PDF file or nothing at all.
class PrinterPage : public Canvas {
public:
    // A4 printable width with 6.35 mm margins, in twips, until a printer says otherwise.
    static constexpr double kDefaultPageWidthTw = 10906;

    explicit PrinterPage(double pageWidthTw = kDefaultPageWidthTw, int deviceDpi = kPrinterDpi);

    // Text cursor.
    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    // Font; settings stay in force until changed. The face is never set.
    void setFontSize(double points) { fontSize_ = points; }
    void setFontBold(bool bold) { bold_ = bold; }
    void setFontUnderline(bool underline) { underline_ = underline; }
    // The colour of the texts printed from now on; none: the page's black.
    void setTextColor(std::optional<QColor> color) { textColor_ = color; }
    double fontSize() const { return fontSize_; }
    bool fontBold() const { return bold_; }
    bool fontUnderline() const { return underline_; }

    // Height of one line of the current font, twips.
    double lineHeight() const;

    // Prints one line at the cursor; the cursor then stands at X = 0, one line lower.
    void print(const QString& text);
    // A number prints with one leading blank, the place of its sign.
    void printNumber(long long value);

    // Dot and line in the current colour (black) and pen width. The cursor ends
    // on the dot or at the line's end point.
    void point(int x, int y, std::optional<QColor> color = std::nullopt) override;
    void line(int x1, int y1, int x2, int y2, std::optional<QColor> color = std::nullopt) override;
    const std::vector<DrawOp>& ops() const override { return ops_; }

    // Pen width in device pixels of the printer.
    void setDrawWidth(int devicePixels) { drawWidth_ = devicePixels; }
    int drawWidth() const { return drawWidth_; }
    int deviceDpi() const { return deviceDpi_; }

    // A picture scaled into a rectangle; the cursor does not move.
    void paintPicture(const QImage& picture, double left, double top, double width, double height);
    // A drawing that paints itself into a rectangle, twips; the cursor does not move.
    void paintInRect(const QRectF& rect, PaintInRect paint);

    // Width of the page in twips, as a whole number.
    int scaleWidth() const { return static_cast<int>(pageWidthTw_); }

    // Finishes the page and hands it on. Returns false when the page could not
    // be delivered; with no handler the page is only kept.
    using Sink = std::function<bool(const PrinterPage&)>;
    void setSink(Sink sink) { sink_ = std::move(sink); }
    bool endDoc();
    bool ended() const { return ended_; }

    // Draws the page onto a painter whose origin is the printable area's top
    // left, at the given device pixels per inch.
    void render(QPainter& painter, double dpiX, double dpiY) const;

private:
    double pageWidthTw_;
    int deviceDpi_;
    double x_ = 0;
    double y_ = 0;
    double fontSize_ = 10;
    bool bold_ = false;
    bool underline_ = false;
    std::optional<QColor> textColor_;
    int drawWidth_ = 1;
    bool ended_ = false;
    std::vector<DrawOp> ops_;
    Sink sink_;
};

}  // namespace platform
