#pragma once

#include <array>

#include "ui/compare_window.h"

namespace ui {

// The two people of the comparison as the user left them, kept in the user's
// settings (a private file), so that closing the window, by Escape too, and
// even the program loses neither. None before the first comparison.
std::array<PersonEntry, 2> rememberedPeople();
void rememberPeople(const std::array<PersonEntry, 2>& people);

// Whether the comparison goes to paper with its texts («С толкованием»); off
// until the user first turns it on.
bool rememberedWithTexts();
void rememberWithTexts(bool on);

}  // namespace ui
