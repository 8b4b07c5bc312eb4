#pragma once

#include <QByteArray>
#include <QString>

#include "core/forecast.h"
#include "core/report_language.h"

namespace core {

// The forecast as one compact JSON object on one line, without its line end:
// lifeNumber, digitCount, digits (the life number's digit text), levels (the
// same digits as numbers), happiness («72%»), happinessPercent (72), max, min,
// axisColors, curve (twips in the window), years, aspects and segments, keys
// in alphabetical order, the bytes QJsonDocument would write. With a
// looked-up year it gains markedYear and markedLevel (null when the table
// does not show that year). The aspects' names are in `language`; every
// other value is a number or a sign.
QByteArray toJson(const Forecast& f, const YearMark* mark = nullptr,
                  ReportLanguage language = ReportLanguage::Russian);

// toJson's object without its opening brace, appended to `out`: a caller
// that puts members of its own in front (the batch's line and date) writes
// the whole line into one buffer. With a `name` the object gains it, in its
// alphabetical place (a group's people).
void appendJsonMembers(QByteArray& out, const Forecast& f, const YearMark* mark = nullptr,
                       ReportLanguage language = ReportLanguage::Russian,
                       const QString* name = nullptr);

// `text` as a JSON string, quoted and escaped as QJsonDocument does it.
void appendJsonText(QByteArray& out, QStringView text);

// The forecast as readable text in `language`, one figure a line, each year
// of the table with its level of life forces beside it; with a looked-up
// year that the table shows, its «Сейчас …» line at the end.
QString toText(const Forecast& f, const YearMark* mark = nullptr,
               ReportLanguage language = ReportLanguage::Russian);

// «Сейчас 2026 год: уровень жизненных сил 5»; empty when the table does not
// show the year.
QString yearMarkText(const YearMark& mark, ReportLanguage language = ReportLanguage::Russian);

}  // namespace core
