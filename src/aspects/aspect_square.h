#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "platform/shapes.h"

namespace aspects {

// The aspect square Frame2: the digits 1 to 9 in a 3 x 3 grid with their
// circles, level counters and the red bonus segments. Its controls are the only
// store of the aspect results; the report reads the levels back from LblSub.
class AspectSquare : public QFrame {
    Q_OBJECT

public:
    // Places itself on the parent at the square's fixed position.
    explicit AspectSquare(QWidget* parent = nullptr);

    // Hides circles, counters and segments and paints every digit blue. The
    // counters keep their captions; Dobavl never counts on a hidden one.
    void ClearZn();

    // One step for the aspect of digit NumDl; anything but 1 to 9 is ignored.
    void Dobavl(int NumDl);

    // Shows the segments of every complete line and gives each line's bonus
    // step the first time it is complete (BonDone remembers which did).
    void bon(std::array<bool, 8>& BonDone);

    // Paints the digit of aspect i red as the root digit.
    void markRoot(int i);

    platform::OutlineShape* Shape2() const { return shape2_; }
    platform::OutlineShape* SDat(int i) const { return sdat_.at(static_cast<std::size_t>(i)); }
    QLabel* LblDat(int i) const { return lblDat_.at(static_cast<std::size_t>(i)); }
    QLabel* LblSub(int i) const { return lblSub_.at(static_cast<std::size_t>(i)); }
    platform::LineControl* LineBon(int k) const { return lineBon_.at(static_cast<std::size_t>(k)); }

    // Level of aspect i as a reader must take it: a hidden counter is 0.
    int level(int i) const;
    // Index of the aspect painted as root digit, -1 if none.
    int rootIndex() const;

private:
    void setDigitColour(int i, const QColor& colour);
    void updateAccessibleName(int i);

    platform::OutlineShape* shape2_ = nullptr;
    std::array<platform::OutlineShape*, 9> sdat_{};
    std::array<QLabel*, 9> lblDat_{};
    std::array<QLabel*, 9> lblSub_{};
    std::array<platform::LineControl*, 16> lineBon_{};
};

}  // namespace aspects
