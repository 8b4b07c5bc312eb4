#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "core/forecast.h"
#include "platform/shapes.h"

namespace aspects {

// The aspect square Frame2: the digits 1 to 9 in a 3 x 3 grid with their
// circles, level counters and the red bonus segments. It shows the aspects of
// a forecast; the counting itself is the forecast's. Each digit's tooltip says
// what its aspect stands for; Tab reaches the digits, and a click, Enter or
// Space asks for the aspect's description (aspectChosen).
class AspectSquare : public QFrame {
    Q_OBJECT

public:
    // Places itself on the parent at the square's fixed position.
    explicit AspectSquare(QWidget* parent = nullptr);

    // ClearZn: hides circles, counters and segments and paints every digit blue.
    void ClearZn();

    // Shows the forecast's aspects: a circle and a counter for every present
    // aspect (Dobavl's steps), the root digit red, and the segments of the
    // complete lines (bon).
    void showAspects(const core::Forecast& forecast);

    platform::OutlineShape* Shape2() const { return shape2_; }
    platform::OutlineShape* SDat(int i) const { return sdat_.at(static_cast<std::size_t>(i)); }
    QLabel* LblDat(int i) const { return lblDat_.at(static_cast<std::size_t>(i)); }
    QLabel* LblSub(int i) const { return lblSub_.at(static_cast<std::size_t>(i)); }
    platform::LineControl* LineBon(int k) const { return lineBon_.at(static_cast<std::size_t>(k)); }

signals:
    // A digit was clicked, or Enter or Space pressed on it: its aspect's
    // description is wanted (digit 1 to 9).
    void aspectChosen(int digit);

private:
    void setDigitColour(int i, const QColor& colour);
    void updateAccessibleName(int i);
    void showFocusAround(int i, bool focused);

    std::array<core::AspectValue, 9> shown_{};

    platform::OutlineShape* shape2_ = nullptr;
    std::array<platform::OutlineShape*, 9> sdat_{};
    std::array<QLabel*, 9> lblDat_{};
    std::array<QLabel*, 9> lblSub_{};
    std::array<platform::LineControl*, 16> lineBon_{};
    QWidget* focusFrame_ = nullptr;
};

}  // namespace aspects
