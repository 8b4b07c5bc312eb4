#pragma once

#include <QStringView>
#include <vector>

namespace book {

// The order of many texts by their characters' code points, the order SQLite
// gives the same texts in UTF-8 (its BINARY collation). Each text's first
// characters are packed into one number, so that most comparisons are of two
// numbers and only texts that share those compare the rest. Equal texts keep
// the order of their numbers. Returns the numbers 0 … n - 1 in that order;
// `tied`, when given, says of each place whether its text equals the one
// before.
std::vector<int> textOrder(const std::vector<QStringView>& texts,
                           std::vector<bool>* tied = nullptr);

}  // namespace book
