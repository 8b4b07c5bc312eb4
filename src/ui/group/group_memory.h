#pragma once

#include <vector>

#include "core/person.h"

namespace ui {

// The people of the group window as the user left them, kept in the user's
// settings (a private file), so that closing the window, by Escape too, and
// even the program loses none. Two empty people before the first group; the
// two of a comparison made before the window took groups come back as they
// were.
std::vector<core::Person> rememberedPeople();
void rememberPeople(const std::vector<core::Person>& people);

// Whether the group goes to paper with its texts («С толкованием»); off
// until the user first turns it on.
bool rememberedWithTexts();
void rememberWithTexts(bool on);

}  // namespace ui
