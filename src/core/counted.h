#pragma once

#include <QString>

namespace core {

// The Russian word for a count, by the count's last digits: `one` for 1, 21,
// 101 («клиент»), `few` for 2–4, 22–24 («клиента»), `many` for 0, 5–20, 25–30
// («клиентов»). The words are UTF-8.
QString countedWord(qint64 count, const char* one, const char* few, const char* many);

// The count and its word: «21 клиент», «5 клиентов».
QString counted(qint64 count, const char* one, const char* few, const char* many);

}  // namespace core
