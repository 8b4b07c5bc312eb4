#pragma once

#include <QString>

#include "aspects/aspect_square.h"
#include "core/window_state.h"

namespace aspects {

// True when the text is one or more ASCII decimal digits and nothing else.
bool isDigitString(const QString& text);

// The root digit of a birth-date digit string: the digit total, reduced while it
// has more than one decimal digit to the sum of its first and last digit. A
// string that is not a digit string is a type mismatch. 0 only for all zeros.
int rootDigit(const QString& digits);

// Fills the aspect square from the birth-date digit string: one step per digit,
// one for the root digit (painted red), then the bonus lines. ObNum is the
// caller's copy of state.Ob, which is reset to "0". A string that is not a
// digit string raises a type mismatch before anything changes.
void FormirZn(AspectSquare& square, core::WindowState& state, QString ObNum);

}  // namespace aspects
