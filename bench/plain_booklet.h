// The yardstick's booklet: the least code that puts a booklet's words on PDF
// pages with a QPdfWriter. The words are the program's own (core::makeBooklet),
// broken into lines as Qt breaks them (QTextLayout) and drawn straight with one
// QPainter in twips: the running head, whose booklet it is and «Страница k из
// n», headings, lines, table rows, a plain square and a plain curve. Page 1 is
// the classic report, which has a yardstick of its own (minimal_pages), so it
// is drawn here as the program draws it, to keep the comparison on the words.
#pragma once

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <array>
#include <vector>

#include "core/booklet.h"
#include "core/program_info.h"
#include "core/report_language.h"
#include "platform/fonts.h"
#include "platform/printer_page.h"
#include "platform/replay.h"
#include "print/emblem.h"
#include "print/report.h"

namespace bench {

inline constexpr double kPlainPdfDpi = 1200;
inline constexpr double kPlainTop = 1500;              // words under the running head
inline constexpr double kPlainBottom = 16117.0 - 150;  // A4 less the margins and a gap

struct PlainLine {
    QFont font;
    QString text;
    QStringList cells;  // a table row
    core::BookletBlock::Kind kind = core::BookletBlock::Kind::Paragraph;
    double before = 0;
    double height = 0;
    bool keep = false;  // a heading goes to the next page with its first line
    double y = 0;
};

inline QFont plainFont(double points, bool bold) {
    return platform::twipFont(platform::printerFamily(), points, bold, false);
}

inline PlainLine plainLine(const core::BookletBlock& b, QString text, double points, bool bold,
                           double before) {
    const QFont font = plainFont(points, bold);
    return {font,
            std::move(text),
            {},
            b.kind,
            before,
            QFontMetricsF(font).height(),
            bold && b.kind != core::BookletBlock::Kind::Table};
}

// Every block as lines of the page's width.
inline std::vector<PlainLine> plainLines(const core::Booklet& booklet, double width) {
    using Kind = core::BookletBlock::Kind;
    std::vector<PlainLine> lines;
    for (const core::BookletBlock& b : booklet.blocks) {
        if (b.kind == Kind::Title || b.kind == Kind::Heading || b.kind == Kind::Subheading) {
            const double points = b.kind == Kind::Title ? 16 : b.kind == Kind::Heading ? 14 : 11;
            const double before = b.kind == Kind::Title ? 0 : b.kind == Kind::Heading ? 360 : 200;
            lines.push_back(plainLine(b, b.text, points, true, before));
        } else if (b.kind == Kind::Table) {
            lines.push_back(plainLine(b, {}, 10, true, 120));
            lines.back().cells = b.header;
            for (const QStringList& row : b.rows) {
                lines.push_back(plainLine(b, {}, 10, false, 0));
                lines.back().cells = row;
            }
            lines.back().height += 120;  // the gap under a table, as under a paragraph
        } else if (b.kind == Kind::Curve) {
            lines.push_back({{}, {}, {}, b.kind, 120, 2600.0});
        } else {
            for (const QString& part : b.text.split(u'\n')) {
                QTextLayout layout(part, plainFont(11, false));
                layout.beginLayout();
                for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
                    l.setLineWidth(width);
                    lines.push_back(
                        plainLine(b, part.mid(l.textStart(), l.textLength()), 11, false, 0));
                }
                layout.endLayout();
            }
            lines.back().height += 120;
        }
    }
    return lines;
}

// The lines placed on pages from the top to the bottom of the words.
inline std::vector<std::vector<PlainLine>> plainPages(std::vector<PlainLine> lines) {
    std::vector<std::vector<PlainLine>> pages(1);
    double y = kPlainTop;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const double next = lines[k].keep && k + 1 < lines.size() ? lines[k + 1].height : 0;
        if (!pages.back().empty() && y + lines[k].before + lines[k].height + next > kPlainBottom) {
            pages.emplace_back();
            y = kPlainTop;
        }
        y += pages.back().empty() ? 0 : lines[k].before;
        lines[k].y = y;
        y += lines[k].height;
        pages.back().push_back(std::move(lines[k]));
    }
    return pages;
}

inline void plainText(QPainter& p, const QFont& font, const QString& text, double x, double y) {
    p.setFont(font);
    p.drawText(QPointF(x, y + QFontMetricsF(font).ascent()), text);
}

inline void plainHead(QPainter& p, const QString& whose, int number, int count, double width) {
    QFont head = plainFont(10, true);
    head.setUnderline(true);
    plainText(
        p, head,
        "\"" + info::programName() + "\" Версия " + info::version() + " - " +
            core::pageCaption(core::ReportLanguage::Russian, core::PageCaption::YearAndAuthor),
        0, 0);
    const QFont plain = plainFont(10, false);
    const double line = QFontMetricsF(plain).height();
    plainText(p, plain, info::authorSite(), 0, line);
    plainText(p, plain, "E-Mail: " + info::authorEmail(), 0, 2 * line);
    p.drawImage(QRectF(width - 800, 0, 800, 800), print::emblem());
    p.drawLine(QPointF(0, 900), QPointF(width, 900));
    plainText(p, plain, whose, 0, 1000);
    const QString pageText =
        QStringLiteral("Страница %1 из %2").arg(QString::number(number), QString::number(count));
    plainText(p, plain, pageText, width - QFontMetricsF(plain).horizontalAdvance(pageText), 1000);
}

inline void plainCurve(QPainter& p, const core::Booklet& b, double top) {
    QPolygonF curve;
    for (std::size_t k = 0; k < b.outlook.size(); ++k) {
        curve << QPointF(500 + 600 * double(k), top + 150 + 200 * (9 - b.outlook[k].level));
        plainText(p, plainFont(8, b.outlook[k].year == b.choice.thisYear),
                  QString::number(b.outlook[k].year % 100), curve.back().x() - 110, top + 2000);
    }
    p.drawPolyline(curve);
}

// Appends the booklet's pages to the writer's document; `first` says whether
// the painter's first page is still empty. Returns the pages drawn.
inline int drawPlainBooklet(QPdfWriter& writer, QPainter& p, const core::Booklet& b,
                            const QDateTime& madeAt, bool first) {
    const double width = platform::PrinterPage::kDefaultPageWidthTw;
    platform::PrinterPage report(width);
    print::composeReport(report, b.forecast, b.person.names, madeAt);
    if (!first) {
        writer.newPage();
    }
    report.render(p, kPlainPdfDpi, kPlainPdfDpi);
    const auto pages = plainPages(plainLines(b, width));
    const QString whose =
        core::fullName(b.person.names) + " — " + core::bookletDate(b.forecast, b.language());
    p.save();
    p.scale(kPlainPdfDpi / 1440, kPlainPdfDpi / 1440);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        writer.newPage();
        plainHead(p, whose, int(n) + 2, int(pages.size()) + 1, width);
        for (const PlainLine& l : pages[n]) {
            if (l.kind == core::BookletBlock::Kind::Curve) {
                plainCurve(p, b, l.y);
            }
            for (qsizetype c = 0; c < l.cells.size(); ++c) {
                plainText(p, l.font, l.cells[c], std::array{0, 1100, 2600, 3800}[c % 4], l.y);
            }
            plainText(p, l.font, l.text, 0, l.y);
        }
    }
    p.restore();
    return 1 + int(pages.size());
}

// A writer set up as the program's PDF files are: A4, 6.35 mm margins, 1200 dpi.
inline void setUpPlainWriter(QPdfWriter& writer) {
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
    writer.setResolution(int(kPlainPdfDpi));
    writer.setCreator(info::programName());
}

}  // namespace bench
