// The booklet's words laid out into lines and flowed onto pages.

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <array>

#include "platform/fonts.h"
#include "platform/kept_by_text.h"
#include "platform/replay.h"
#include "print/booklet_pages.h"

namespace print {

namespace {

using Kind = BookletPiece::Kind;
using BlockKind = core::BookletBlock::Kind;

struct Style {
    double points;
    bool bold;
    double spaceBefore;  // twips
};

constexpr Style kTitle{16, true, 0};
constexpr Style kHeading{14, true, 360};
constexpr Style kSubheading{11, true, 200};
constexpr Style kText{11, false, 0};
constexpr Style kTable{10, false, 120};
constexpr double kParagraphGap = 120;
constexpr double kCurveHeight = 2600;

QFont fontOf(const Style& style) {
    return platform::twipFont(platform::printerFamily(), style.points, style.bold, false);
}

double lineHeightOf(const Style& style) {
    return QFontMetricsF(fontOf(style)).height();
}

BookletPiece piece(Kind kind, QString text, const Style& style, bool keep) {
    BookletPiece p;
    p.kind = kind;
    p.text = std::move(text);
    p.spaceBefore = style.spaceBefore;
    p.height = lineHeightOf(style);
    p.keepWithNext = keep;
    return p;
}

// Part of a paragraph broken between words into lines of `width`, as Qt
// breaks text; a word wider than the line («____» for a signature, a row of
// «=») is broken at the line's edge, so that nothing runs off the page.
QStringList linesOf(const QString& part, double width) {
    QStringList lines;
    QTextLayout layout(part, fontOf(kText));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << part.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// A paragraph as lines. The readings' paragraphs come back booklet after
// booklet in a run, so each is broken once. Each line of the text is a
// paragraph of its own on the page: its first line goes with its second and
// its last but one with its last, so that no page starts with a paragraph's
// last line alone and none ends with its first.
void addParagraph(std::vector<BookletPiece>& out, const QString& text, double width) {
    static platform::KeptByText<QStringList> broken(500);
    const std::size_t before = out.size();
    for (const QString& part : text.split(u'\n')) {
        const QStringList lines =
            broken.get(fontOf(kText).key() + u'\n' + QString::number(width) + u'\n' + part,
                       [&] { return linesOf(part, width); });
        const std::size_t first = out.size();
        for (const QString& line : lines) {
            out.push_back(piece(Kind::Line, line, kText, false));
        }
        if (out.size() > first) {
            out[first].paragraphStart = true;
        }
        if (out.size() - first >= 2) {
            out[first].keepWithNext = true;
            out[out.size() - 2].keepWithNext = true;
        }
    }
    if (out.size() > before) {
        out.back().height += kParagraphGap;
    }
}

void addTable(std::vector<BookletPiece>& out, const core::BookletBlock& b) {
    BookletPiece head = piece(Kind::TableRow, {}, kTable, true);
    head.cells = b.header;
    head.header = true;
    out.push_back(head);
    for (const QStringList& row : b.rows) {
        BookletPiece p = piece(Kind::TableRow, {}, kTable, false);
        p.spaceBefore = 0;
        p.cells = row;
        out.push_back(p);
    }
    out.back().height += kParagraphGap;
}

std::vector<BookletPiece> piecesOf(const std::vector<core::BookletBlock>& blocks, double width) {
    std::vector<BookletPiece> out;
    for (const core::BookletBlock& b : blocks) {
        if (b.onFirstPage) {
            continue;
        }
        switch (b.kind) {
            case BlockKind::Title:
                out.push_back(piece(Kind::Title, b.text, kTitle, true));
                break;
            case BlockKind::Heading:
                out.push_back(piece(Kind::Heading, b.text, kHeading, true));
                break;
            case BlockKind::Subheading:
                out.push_back(piece(Kind::Subheading, b.text, kSubheading, true));
                break;
            case BlockKind::Paragraph: {
                // A one-line paragraph under a heading (a year's list of years)
                // is part of the heading: both go on with what follows.
                const bool headed = !out.empty() && (out.back().kind == Kind::Heading ||
                                                     out.back().kind == Kind::Subheading);
                const std::size_t first = out.size();
                addParagraph(out, b.text, width);
                if (headed && out.size() == first + 1) {
                    out.back().keepWithNext = true;
                }
                for (std::size_t k = first; k < out.size(); ++k) {
                    out[k].closing = b.closing;
                }
                break;
            }
            case BlockKind::Table:
                addTable(out, b);
                break;
            case BlockKind::Curve: {
                BookletPiece p;
                p.kind = Kind::Curve;
                p.spaceBefore = kParagraphGap;
                p.height = kCurveHeight;
                out.push_back(p);
                break;
            }
        }
    }
    return out;
}

// How far down the page the pieces from `first` must reach together: a piece
// kept with the next one goes with it, so a heading takes the first line of
// what it heads along.
double heightKeptFrom(const std::vector<BookletPiece>& pieces, std::size_t first) {
    double height = 0;
    for (std::size_t k = first; k < pieces.size(); ++k) {
        height += (k == first ? 0 : pieces[k].spaceBefore) + pieces[k].height;
        if (!pieces[k].keepWithNext) {
            break;
        }
    }
    return height;
}

// Places of the table's columns and of the outlook's curve, twips.
constexpr std::array<int, 5> kTableColumns{0, 1100, 2600, 3800, 5600};
constexpr int kCurveLeft = 500;
constexpr int kCurveLevelPitch = 200;
constexpr int kCurveYearPitchMost = 600;
constexpr int kCurveDotPen = 28;  // printer pixels
constexpr int kCurveLinePen = 6;
constexpr double kCurveLabelPoints = 8;
const QColor kCurveColour(0, 0, 200);
const QColor kThisYearColour(200, 0, 0);

void printAt(platform::PrinterPage& page, const QString& text, double x, double y,
             const Style& style) {
    page.setFontSize(style.points);
    page.setFontBold(style.bold);
    page.setCurrentX(x);
    page.setCurrentY(y);
    page.print(text);
}

void drawRow(platform::PrinterPage& page, const BookletPiece& p) {
    const Style style{kTable.points, p.header, 0};
    for (std::size_t i = 0; i < kTableColumns.size() && i < std::size_t(p.cells.size()); ++i) {
        printAt(page, p.cells[qsizetype(i)], kTableColumns[i], p.y, style);
    }
}

// The levels of the outlook's years joined as on the main curve, the years
// under it, this year red.
void drawCurve(platform::PrinterPage& page, double top, double width,
               const std::vector<core::OutlookYear>& years, long long thisYear) {
    if (years.empty()) {
        return;
    }
    const int pitch =
        std::min<int>(kCurveYearPitchMost,
                      int((width - kCurveLeft) / double(std::max<std::size_t>(years.size(), 2))));
    const auto xOf = [pitch](std::size_t k) { return kCurveLeft + int(k) * pitch + pitch / 2; };
    const auto yOf = [top](int level) { return int(top) + 150 + (9 - level) * kCurveLevelPitch; };
    const Style label{kCurveLabelPoints, false, 0};
    const int bottom = yOf(0);
    page.setDrawWidth(2);
    page.line(kCurveLeft, yOf(9), kCurveLeft, bottom);
    page.line(kCurveLeft, bottom, xOf(years.size() - 1) + pitch / 2, bottom);
    for (int level : {0, 5, 9}) {
        printAt(page, QString::number(level), kCurveLeft - 200, yOf(level) - 100, label);
    }
    page.setDrawWidth(kCurveLinePen);
    for (std::size_t k = 1; k < years.size(); ++k) {
        page.line(xOf(k - 1), yOf(years[k - 1].level), xOf(k), yOf(years[k].level), kCurveColour);
    }
    const std::size_t every = years.size() > 16 ? 2 : 1;
    for (std::size_t k = 0; k < years.size(); ++k) {
        const bool now = years[k].year == thisYear;
        page.setDrawWidth(now ? kCurveDotPen * 2 : kCurveDotPen);
        page.point(xOf(k), yOf(years[k].level), now ? kThisYearColour : kCurveColour);
        if (now || k % every == 0) {
            page.setTextColor(now ? std::optional(kThisYearColour) : std::nullopt);
            const Style style{kCurveLabelPoints, now, 0};
            printAt(page, QString::number(years[k].year % 100).rightJustified(2, u'0'),
                    xOf(k) - 110, bottom + 60, style);
            page.setTextColor(std::nullopt);
        }
    }
    page.setDrawWidth(1);
}

}  // namespace

void drawPieces(platform::PrinterPage& page, const std::vector<BookletPiece>& pieces,
                const std::vector<core::OutlookYear>& outlook, long long thisYear) {
    for (const BookletPiece& p : pieces) {
        switch (p.kind) {
            case Kind::Title:
                printAt(page, p.text, 0, p.y, kTitle);
                break;
            case Kind::Heading:
                printAt(page, p.text, 0, p.y, kHeading);
                break;
            case Kind::Subheading:
                printAt(page, p.text, 0, p.y, kSubheading);
                break;
            case Kind::Line:
                printAt(page, p.text, 0, p.y, kText);
                break;
            case Kind::TableRow:
                drawRow(page, p);
                break;
            case Kind::Curve:
                drawCurve(page, p.y, page.scaleWidth(), outlook, thisYear);
                break;
        }
    }
    page.setFontBold(false);
}

namespace {

// Keeps the pieces from `first` to the end on one page, with whatever already
// goes with `first` (its paragraph's lines, its heading), when a page can hold
// them all. Says whether it could.
bool keepToTheEnd(std::vector<BookletPiece>& pieces, std::size_t first, double pageHeight) {
    std::size_t from = first;
    while (from > 0 && pieces[from - 1].keepWithNext) {
        --from;
    }
    double height = 0;
    for (std::size_t k = from; k < pieces.size(); ++k) {
        height += (k == from ? 0 : pieces[k].spaceBefore) + pieces[k].height;
    }
    if (height > pageHeight) {
        return false;
    }
    for (std::size_t k = first; k + 1 < pieces.size(); ++k) {
        pieces[k].keepWithNext = true;
    }
    return true;
}

// The booklet's end goes onto its last page with what comes before it: the
// closing words (the thanks, the notice) with the last lines of the reading
// they close, or else at least the last paragraph whole. A last page that
// held only the closing words, or the last lines of one, would look left
// behind.
void keepTheEndWithItsText(std::vector<BookletPiece>& pieces, double pageHeight) {
    const auto closing =
        std::find_if(pieces.begin(), pieces.end(), [](const BookletPiece& p) { return p.closing; });
    if (closing != pieces.begin() && closing != pieces.end() &&
        keepToTheEnd(pieces, std::size_t(closing - pieces.begin()) - 1, pageHeight)) {
        return;
    }
    const auto start = std::find_if(pieces.rbegin(), pieces.rend(),
                                    [](const BookletPiece& p) { return p.paragraphStart; });
    if (start != pieces.rend()) {
        keepToTheEnd(pieces, std::size_t(pieces.rend() - start) - 1, pageHeight);
    }
}

}  // namespace

std::vector<std::vector<BookletPiece>> flowBlocks(const std::vector<core::BookletBlock>& blocks,
                                                  double width, double top, double bottom) {
    std::vector<std::vector<BookletPiece>> pages(1);
    double y = top;
    std::vector<BookletPiece> pieces = piecesOf(blocks, width);
    keepTheEndWithItsText(pieces, bottom - top);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        BookletPiece p = pieces[k];
        const bool atTop = pages.back().empty();
        const double before = atTop ? 0 : p.spaceBefore;
        // What must go together yet is taller than a whole page breaks where it must.
        double kept = heightKeptFrom(pieces, k);
        if (kept > bottom - top) {
            kept = p.height;
        }
        if (!atTop && y + before + kept > bottom) {
            pages.emplace_back();
            y = top;
        }
        y += pages.back().empty() ? 0 : p.spaceBefore;
        p.y = y;
        y += p.height;
        pages.back().push_back(p);
    }
    if (pages.back().empty()) {
        pages.pop_back();
    }
    return pages;
}

}  // namespace print
