#pragma once

#include <QByteArray>
#include <QString>

#include "core/forecast.h"

namespace core {

// The forecast as one compact JSON object on one line, without its line end:
// lifeNumber, digitCount, digits (the life number's digit text), happiness, max, min, axisColors,
// curve (twips in the window), years, aspects and segments, keys in alphabetical order. Written
// directly rather than through QJsonDocument, which costs five times as much
// per object and would keep the batch mode under its target rate.
// With a looked-up year it gains markedYear and markedLevel (null when the
// table does not show that year).
QByteArray toJson(const Forecast& f, const YearMark* mark = nullptr);

// The forecast as readable Russian text, one figure a line; with a looked-up
// year that the table shows, its «Сейчас …» line at the end.
QString toText(const Forecast& f, const YearMark* mark = nullptr);

// «Сейчас 2026 год: уровень жизненных сил 5»; empty when the table does not
// show the year.
QString yearMarkText(const YearMark& mark);

}  // namespace core
