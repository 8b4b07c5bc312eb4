// The booklet's own first page: the classic page's graph and year table,
// drawn by the same code, with the booklet's words beside them: the square
// with its nine levels under the names every later page uses, the happiness
// percentage and the extremes, and nothing a later page would contradict.

#include <QFontMetricsF>

#include "aspects/square_painter.h"
#include "core/booklet.h"
#include "graph/curve.h"
#include "graph/grid.h"
#include "platform/fonts.h"
#include "platform/printer_page.h"
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

constexpr double kTitlePoints = 16;
constexpr double kNamePoints = 14;
constexpr double kLinePoints = 10;
constexpr double kGraphTitlePoints = 14;
constexpr double kFigurePoints = 11;
constexpr double kLevelPoints = 10;

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

}  // namespace

void composeBookletFirstPage(platform::PrinterPage& page, const core::Booklet& b,
                             const std::optional<Letterhead>& letterhead) {
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
}

}  // namespace print
