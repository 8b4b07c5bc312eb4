#pragma once

class QLineEdit;

namespace platform {

// Lets `box` hold at most `limit` characters as a reader counts them
// (core::visibleLength): a letter typed with a separate accent, a flag or an
// emoji is one character, however many UTF-16 units it takes, and is never
// cut in two. Typing within the limit, undo included, is as without it; a key
// with no room left does nothing. A paste that would go over keeps as much of
// what came in as fits, in whole characters, with the cursor after it (undo
// then starts afresh: the box took a text of its own making). A text set
// from the program keeps its first `limit` characters. (QLineEdit's own
// maxLength counts UTF-16 units: it refuses such a name long before its real
// limit and may keep half of a character.)
void limitCharacters(QLineEdit* box, int limit);

}  // namespace platform
