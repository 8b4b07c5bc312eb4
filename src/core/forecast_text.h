#pragma once

#include <QByteArray>
#include <QString>

#include "core/forecast.h"

namespace core {

// The forecast as one compact JSON object on one line, without its line end:
// lifeNumber, digits, happiness, max, min, axisColors, curve (twips in the
// window), years, aspects and segments, keys in alphabetical order. Written
// directly rather than through QJsonDocument, which costs five times as much
// per object and would keep the batch mode under its target rate.
QByteArray toJson(const Forecast& f);

// The forecast as readable Russian text, one figure a line.
QString toText(const Forecast& f);

}  // namespace core
