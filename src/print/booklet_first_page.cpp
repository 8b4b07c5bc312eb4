// The booklet's own first page: the classic page's graph and year table,
// drawn by the same code, with the booklet's words beside them: the square
// with its nine levels under the names every later page uses, the happiness
// percentage and the extremes, and nothing a later page would contradict.

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "aspects/square_painter.h"
#include "core/booklet.h"
#include "graph/curve.h"
#include "graph/event_marks.h"
#include "graph/grid.h"
#include "platform/fonts.h"
#include "platform/printer_page.h"
#include "platform/replay.h"
#include "print/booklet_pages.h"
#include "print/report.h"

namespace print {

namespace {

// Places on the page, twips; the graph and the year rows stand where the
// classic page has them (core::kPageGridOrigin).
constexpr int kTitleY = 1000;
constexpr int kLowerRuleY = 2800;
constexpr int kGraphTitleY = 2950;
constexpr int kFiguresX = 5000;
constexpr int kFiguresY = 3800;
constexpr int kSquareTop = 5700;
constexpr int kLevelsX = 7200;
constexpr int kColumnRuleX = 4500;
constexpr int kColumnRuleTop = 3700;
constexpr int kColumnRuleBottom = 11000;
constexpr int kGraphPenWidth = 8;  // printer pixels, as on the classic page
// The life events: pins a little smaller than the window's 12 pixels (180
// twips), so that stacked ones stay clear of the dots above, and their list
// under the year rows, down to the foot of the printable area.
constexpr double kPinTw = 160;
constexpr int kEventsY = 11500;
constexpr int kEventsBottom = 16000;
constexpr int kEventTextX = 300;

constexpr double kTitlePoints = 16;
constexpr double kNamePoints = 14;
constexpr double kLinePoints = 10;
constexpr double kGraphTitlePoints = 14;
constexpr double kFigurePoints = 11;
constexpr double kLevelPoints = 10;
constexpr double kEventPoints = 10;

void printAt(platform::PrinterPage& page, const QString& text, double x, double y, double points,
             bool bold = false) {
    page.setFontSize(points);
    page.setFontBold(bold);
    page.setCurrentX(x);
    page.setCurrentY(y);
    page.print(text);
}

// Whose booklet, born when, made when: under the head, above the lower rule.
void printWhose(platform::PrinterPage& page, const core::Booklet& b) {
    using core::PageCaption;
    const core::ReportLanguage language = b.language();
    printAt(page, core::pageCaption(language, PageCaption::BookletTitle), 0, kTitleY, kTitlePoints,
            true);
    const QString name = core::fullName(b.person.names, language);
    if (!name.isEmpty()) {
        page.setFontBold(false);
        page.setFontSize(kNamePoints);
        page.print(name);
    }
    page.setFontSize(kLinePoints);
    page.print(core::pageCaption(language, PageCaption::BookletOpening)
                   .arg(core::bookletDate(b.forecast, language),
                        QString::number(b.forecast.lifeNumber.wide())));
    page.print(core::pageCaption(language, PageCaption::BookletMadeOn)
                   .arg(core::dateInWords(core::bookletDay(b.choice), language)));
    page.line(0, kLowerRuleY, page.scaleWidth(), kLowerRuleY);
}

// The happiness percentage and the extremes of the curve, then the square
// and each aspect's level beside it.
void printFigures(platform::PrinterPage& page, const core::Booklet& b) {
    using core::PageCaption;
    const core::ReportLanguage language = b.language();
    const core::Forecast& f = b.forecast;
    const auto words = [language](PageCaption caption) {
        return core::pageCaption(language, caption);
    };
    page.setFontSize(kFigurePoints);
    page.setFontBold(false);
    page.setCurrentY(kFiguresY);
    for (const QString& line :
         {words(PageCaption::TextHappiness).arg(core::percentText(f.happinessPercent)),
          words(PageCaption::TextLargest).arg(f.largest),
          words(PageCaption::TextSmallest).arg(f.smallest)}) {
        page.setCurrentX(kFiguresX);
        page.print(line);
    }
    printAt(page, words(PageCaption::Aspects), kFiguresX, kSquareTop - 450, kFigurePoints, true);
    // The square's own origin stands above its outline.
    page.paintInRect(
        QRectF(QPointF(kFiguresX - 60, kSquareTop - 90), aspects::squareSizeTw()),
        [levels = aspects::SquareLevels::of(f)](QPainter& painter, const QRectF& rect) {
            aspects::paintSquare(painter, rect, levels);
        });
    page.setFontBold(false);
    page.setFontSize(kLevelPoints);
    page.setCurrentY(kSquareTop);
    for (int digit = 1; digit <= core::kAspectCount; ++digit) {
        const int level = f.aspects[static_cast<std::size_t>(digit - 1)].level;
        page.setCurrentX(kLevelsX);
        page.print(words(PageCaption::AspectLevel)
                       .arg(core::aspectName(language, digit), QString::number(level)));
    }
    page.line(kColumnRuleX, kColumnRuleTop, kColumnRuleX, kColumnRuleBottom);
}

void paintPin(platform::PrinterPage& page, const QRectF& box) {
    page.paintInRect(
        box, [](QPainter& painter, const QRectF& rect) { graph::paintEventPin(painter, rect); });
}

// The window's pins on the curve, and under the year rows what they stand
// for: a line an event with a pin before it, as many as the page holds, and
// how many more there are. The texts are the client's own, printed as text.
void printEvents(platform::PrinterPage& page, const core::Booklet& b,
                 const std::vector<graph::YearNote>& events) {
    const std::vector<graph::EventPinPlace> places = graph::eventPinPlaces(b.forecast, events);
    if (places.empty()) {
        return;
    }
    const core::PointTw origin = core::kPageGridOrigin;
    for (const graph::EventPinPlace& place : places) {
        const core::PointTw p = b.forecast.curve[static_cast<std::size_t>(place.point)];
        paintPin(page, graph::eventPinRect(QPointF(p.x + origin.x, p.y + origin.y), place.stacked,
                                           kPinTw));
    }
    const core::ReportLanguage language = b.language();
    printAt(page, core::pageCaption(language, core::PageCaption::LifeEvents), 0, kEventsY,
            kFigurePoints, true);
    page.setFontBold(false);
    page.setFontSize(kEventPoints);
    const QFontMetricsF metrics(
        platform::twipFont(platform::printerFamily(), kEventPoints, false, false));
    const double line = page.lineHeight();
    QStringList lines;
    for (const graph::EventPinPlace& place : places) {
        lines << place.texts;
    }
    const auto fits = static_cast<qsizetype>((kEventsBottom - page.currentY()) / line);
    const qsizetype shown = lines.size() <= fits ? lines.size() : std::max<qsizetype>(fits - 1, 0);
    const double width = page.scaleWidth() - kEventTextX;
    for (qsizetype i = 0; i < shown; ++i) {
        const double y = page.currentY();
        paintPin(page, QRectF(0, y + (line - kPinTw) / 2, kPinTw, kPinTw));
        page.setCurrentX(kEventTextX);
        page.print(metrics.elidedText(lines[i], Qt::ElideRight, width));
    }
    if (shown < lines.size()) {
        page.setCurrentX(kEventTextX);
        page.print(
            core::pageCaption(language, core::PageCaption::MoreEvents).arg(lines.size() - shown));
    }
}

}  // namespace

void composeBookletFirstPage(platform::PrinterPage& page, const core::Booklet& b,
                             const std::optional<Letterhead>& letterhead,
                             const std::vector<graph::YearNote>& events) {
    printPageHead(page, letterhead, b.language());
    printWhose(page, b);
    printAt(page, core::pageCaption(b.language(), core::PageCaption::Title), 0, kGraphTitleY,
            kGraphTitlePoints, true);
    printFigures(page, b);
    // The grid and the curve, drawn by the same procedures as on the screen
    // and the classic page.
    page.setDrawWidth(kGraphPenWidth);
    graph::Maket(page, core::kPageGridOrigin);
    graph::P1(page, b.forecast, core::kPageGridOrigin);
    page.setDrawWidth(1);
    page.setFontBold(false);
    printDigitAxis(page);
    printYearRows(page, b.forecast);
    printEvents(page, b, events);
}

}  // namespace print
