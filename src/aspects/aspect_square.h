#pragma once

// Object names of the first design, kept because tests and accessibility
// tools find the controls by them: Frame2 (the square), LblDatN (the digits).

#include <QFrame>
#include <QLabel>
#include <array>

#include "aspects/square_painter.h"
#include "core/forecast.h"
#include "core/report_language.h"

namespace aspects {

// The aspect square (object name Frame2): the digits 1 to 9 in a 3 x 3 grid with their
// circles, level counters and the red bonus segments, painted by the one
// painter of the square (paintSquare) that the pages and the group window use
// too. It shows the aspects of a forecast; the counting itself is the
// forecast's. Each digit is a control of its own that paints nothing: its
// tooltip says what its aspect stands for; Tab reaches the digits, and a
// click, Enter or Space asks for the aspect's description (aspectChosen).
class AspectSquare : public QFrame {
    Q_OBJECT

public:
    // Places itself on the parent at the square's fixed position. Its tips
    // name the aspects in `names`, the window's language, as the pages of
    // that language name them.
    explicit AspectSquare(QWidget* parent = nullptr,
                          core::ReportLanguage names = core::ReportLanguage::Russian);

    // No circles, counters nor segments, every digit blue.
    void clear();

    // Shows the forecast's aspects: a circle and a counter of its steps for
    // every present aspect, the root digit red, and the segments of the
    // complete rows, columns and diagonals.
    void showAspects(const core::Forecast& forecast);

    // What the square paints.
    const SquareLevels& shown() const { return shown_; }
    QLabel* digitLabel(int i) const { return digitLabels_.at(static_cast<std::size_t>(i)); }

signals:
    // A digit was clicked, or Enter or Space pressed on it: its aspect's
    // description is wanted (digit 1 to 9).
    void aspectChosen(int digit);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildDigits();
    void updateAccessibleName(int i);
    void showFocusAround(int i, bool focused);

    core::ReportLanguage names_;
    SquareLevels shown_;

    std::array<QLabel*, 9> digitLabels_{};
    QWidget* focusFrame_ = nullptr;
};

}  // namespace aspects
