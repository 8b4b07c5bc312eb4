#pragma once

#include <QComboBox>

namespace ui {

// The windows' day lists hold the days 1 to 31 in order: a day is its
// entry's index + 1, and 0 is no day chosen. A day out of range chooses none.
inline int chosenDay(const QComboBox& list) {
    return list.currentIndex() + 1;
}
inline void chooseDay(QComboBox& list, int day) {
    list.setCurrentIndex(day - 1);
}

}  // namespace ui
