#pragma once

#include <QByteArray>
#include <QString>

#include "core/forecast.h"

namespace core {

// The forecast as one compact JSON object on one line, without its line end:
// lifeNumber, digitCount, digits (the life number's digit text), levels (the
// same digits as numbers), happiness («72%»), happinessPercent (72), max, min,
// axisColors, curve (twips in the window), years, aspects and segments, keys
// in alphabetical order, the bytes QJsonDocument would write. With a
// looked-up year it gains markedYear and markedLevel (null when the table
// does not show that year).
QByteArray toJson(const Forecast& f, const YearMark* mark = nullptr);

// toJson's object without its opening brace, appended to `out`: a caller
// that puts members of its own in front (the batch's line and date) writes
// the whole line into one buffer.
void appendJsonMembers(QByteArray& out, const Forecast& f, const YearMark* mark = nullptr);

// `text` as a JSON string, quoted and escaped as QJsonDocument does it.
void appendJsonText(QByteArray& out, QStringView text);

// The forecast as readable Russian text, one figure a line, each year of the
// table with its level of life forces beside it; with a looked-up year that
// the table shows, its «Сейчас …» line at the end.
QString toText(const Forecast& f, const YearMark* mark = nullptr);

// «Сейчас 2026 год: уровень жизненных сил 5»; empty when the table does not
// show the year.
QString yearMarkText(const YearMark& mark);

}  // namespace core
