#include "ui/group/group_squares.h"

#include <QFontMetricsF>

#include "aspects/square_painter.h"
#include "platform/fonts.h"
#include "platform/replay.h"

namespace ui {

namespace {

// Each square, twips: the painter's design scaled to this width, a gap
// between squares and a line for the name above.
constexpr int kSquareWidth = 1700;
constexpr int kSquareGap = 260;
constexpr int kTitle = 280;
constexpr double kTitlePoints = 8;
constexpr int kMargin = 60;

int squareHeight() {
    const QSizeF design = aspects::squareSizeTw();
    return static_cast<int>(kSquareWidth * design.height() / design.width());
}

QFontMetricsF titleMetrics() {
    return QFontMetricsF(
        platform::twipFont(platform::family(platform::Face::Arial), kTitlePoints, false, false));
}

}  // namespace

QSize groupSquaresSizeTw(int count) {
    const int n = std::max(count, 1);
    return {n * kSquareWidth + (n - 1) * kSquareGap + 2 * kMargin,
            squareHeight() + kTitle + 2 * kMargin};
}

QString squareTitle(const QString& label) {
    return titleMetrics().elidedText(label, Qt::ElideRight, kSquareWidth + kSquareGap - 40);
}

void drawGroupSquares(graph::RecordingCanvas& target, const core::Group& group,
                      const QStringList& labels) {
    std::array<bool, core::kAspectCount> shared{};
    for (int digit = 1; digit <= core::kAspectCount; ++digit) {
        shared[std::size_t(digit - 1)] = group.sharing(digit) == core::Sharing::All;
    }
    for (int k = 0; k < group.size(); ++k) {
        const int left = kMargin + k * (kSquareWidth + kSquareGap);
        const QString title = squareTitle(labels.value(k));
        const double width = titleMetrics().horizontalAdvance(title);
        target.text(left + static_cast<int>((kSquareWidth - width) / 2), kMargin, title,
                    kTitlePoints);
        aspects::SquareLevels levels =
            aspects::SquareLevels::of(group.members[std::size_t(k)].forecast);
        levels.marked = shared;
        target.paintInRect(QRectF(left, kMargin + kTitle, kSquareWidth, squareHeight()),
                           [levels](QPainter& painter, const QRectF& rect) {
                               aspects::paintSquare(painter, rect, levels);
                           });
    }
}

}  // namespace ui
