#include "ui/aspect_pair.h"

#include <QFontMetricsF>
#include <QPoint>

#include "platform/fonts.h"
#include "platform/replay.h"
#include "ui/window_language.h"

namespace ui {

namespace {

// The aspect squares, twips: three cells a side, the two squares side by side.
constexpr int kCell = 560;
constexpr int kSquareGap = 700;
constexpr int kSquareTitle = 300;
constexpr double kDigitPoints = 11;
constexpr double kLevelPoints = 7;
constexpr double kTitlePoints = 8;
constexpr int kMargin = kSquareGap / 2;  // room for a name wider than its square
// A name may take its square's width and the gap beside it, less a little air.
constexpr int kTitleRoom = 3 * kCell + kSquareGap - 60;

const QColor kSquareRule(120, 120, 120);
const QColor kAbsentDigit(170, 170, 170);
const QColor kPresentDigit(0, 0, 192);
const QColor kRootDigit(255, 0, 0);

// The square's cell of digit d: the columns hold 1-2-3, 4-5-6, 7-8-9 downwards.
QPoint cellOf(int digit) {
    return {(digit - 1) / 3, (digit - 1) % 3};
}

void frame(graph::TextCanvas& target, int left, int top, int width, int height,
           const QColor& color) {
    target.line(left, top, left + width, top, color);
    target.line(left + width, top, left + width, top + height, color);
    target.line(left + width, top + height, left, top + height, color);
    target.line(left, top + height, left, top, color);
}

// The title's font as the window draws it, sized in twips.
QFontMetricsF titleMetrics() {
    return QFontMetricsF(
        platform::twipFont(platform::family(platform::Face::Arial), kTitlePoints, false, false));
}

void drawSquare(graph::RecordingCanvas& target, int left, int top, const core::ComparedPerson& p,
                const std::array<bool, core::kAspectCount>& common) {
    const QString title = aspectPairTitle(p);
    const double width = titleMetrics().horizontalAdvance(title);
    target.text(left + static_cast<int>((3 * kCell - width) / 2), top, title, kTitlePoints);
    const int gridTop = top + kSquareTitle;
    target.setPenWidth(15);
    frame(target, left, gridTop, 3 * kCell, 3 * kCell, kSquareRule);
    for (int digit = 1; digit <= core::kAspectCount; ++digit) {
        const core::AspectValue& a = p.forecast.aspects[static_cast<std::size_t>(digit - 1)];
        const QPoint cell = cellOf(digit);
        const int x = left + cell.x() * kCell;
        const int y = gridTop + cell.y() * kCell;
        if (common[static_cast<std::size_t>(digit - 1)]) {
            target.setPenWidth(45);
            frame(target, x + 45, y + 45, kCell - 90, kCell - 90, graph::bothHighestColor());
            target.setPenWidth(15);
        }
        const QColor color = a.root ? kRootDigit : (a.present ? kPresentDigit : kAbsentDigit);
        target.text(x + 200, y + 110, QString::number(digit), kDigitPoints, color);
        if (a.present) {
            target.text(x + 360, y + 340, QString::number(a.level), kLevelPoints, color);
        }
    }
}

}  // namespace

QString aspectPairTitle(const core::ComparedPerson& person) {
    return titleMetrics().elidedText(person.label(windowLanguage()), Qt::ElideRight, kTitleRoom);
}

QSize aspectPairSizeTw() {
    return {6 * kCell + kSquareGap + 2 * kMargin, 3 * kCell + kSquareTitle + 2 * kMargin};
}

void drawAspectPair(graph::RecordingCanvas& target, const core::ComparedPerson* first,
                    const core::ComparedPerson* second,
                    const std::array<bool, core::kAspectCount>& common) {
    const core::ComparedPerson* people[] = {first, second};
    for (int k = 0; k < 2; ++k) {
        if (people[k] != nullptr) {
            drawSquare(target, kMargin + k * (3 * kCell + kSquareGap), kMargin, *people[k], common);
        }
    }
}

}  // namespace ui
