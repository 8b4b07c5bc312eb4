#pragma once

// Object names of the first design, kept because tests and accessibility
// tools find the controls by them: Frame2, Shape2 (its outline), SDatN
// (circles), LblDatN (digits), LblSubN (levels), LineBonN (bonus segments).

#include <QFrame>
#include <QLabel>
#include <array>

#include "core/forecast.h"
#include "core/report_language.h"
#include "platform/shapes.h"

namespace aspects {

// The aspect square (object name Frame2): the digits 1 to 9 in a 3 x 3 grid with their
// circles, level counters and the red bonus segments. It shows the aspects of
// a forecast; the counting itself is the forecast's. Each digit's tooltip says
// what its aspect stands for; Tab reaches the digits, and a click, Enter or
// Space asks for the aspect's description (aspectChosen).
class AspectSquare : public QFrame {
    Q_OBJECT

public:
    // Places itself on the parent at the square's fixed position. Its tips
    // name the aspects in `names`, the window's language, as the pages of
    // that language name them.
    explicit AspectSquare(QWidget* parent = nullptr,
                          core::ReportLanguage names = core::ReportLanguage::Russian);

    // Hides circles, counters and segments and paints every digit blue.
    void clear();

    // Shows the forecast's aspects: a circle and a counter of its steps for
    // every present aspect, the root digit red, and the segments of the
    // complete rows, columns and diagonals.
    void showAspects(const core::Forecast& forecast);

    platform::OutlineShape* outline() const { return outline_; }
    platform::OutlineShape* circle(int i) const { return circles_.at(static_cast<std::size_t>(i)); }
    QLabel* digitLabel(int i) const { return digitLabels_.at(static_cast<std::size_t>(i)); }
    QLabel* counter(int i) const { return counters_.at(static_cast<std::size_t>(i)); }
    platform::LineControl* segment(int k) const {
        return segments_.at(static_cast<std::size_t>(k));
    }

signals:
    // A digit was clicked, or Enter or Space pressed on it: its aspect's
    // description is wanted (digit 1 to 9).
    void aspectChosen(int digit);

private:
    void buildSegmentsAndCircles();
    void buildDigits();
    void setDigitColour(int i, const QColor& colour);
    void updateAccessibleName(int i);
    void showFocusAround(int i, bool focused);

    core::ReportLanguage names_;
    std::array<core::AspectValue, 9> shown_{};

    platform::OutlineShape* outline_ = nullptr;
    std::array<platform::OutlineShape*, 9> circles_{};
    std::array<QLabel*, 9> digitLabels_{};
    std::array<QLabel*, 9> counters_{};
    std::array<platform::LineControl*, 16> segments_{};
    QWidget* focusFrame_ = nullptr;
};

}  // namespace aspects
