#pragma once

#include <QString>

namespace core {

// "Январь" to "Декабрь"; monthIndex 0 is January, as everywhere in the program.
QString monthName(int monthIndex);
// "января" to "декабря", as in «23 августа» in running text.
QString monthGenitive(int monthIndex);

// A month as people write it: its number 1 to 12 ("8" or "08"), its name
// ("Август") or its genitive ("августа"), in any case, blanks around ignored.
// The month's index (0 is January), or -1 when the text is no month. The
// companion, the client book's import and its search all read months here.
int parseMonth(const QString& text);

}  // namespace core
