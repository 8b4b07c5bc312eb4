#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "app/companion.h"
#include "core/forecast.h"

namespace companion {

// One date as typed to a forecast, or the problem that stops it.
std::variant<core::Forecast, Problem> forecastFor(const QString& day, const QString& month,
                                                  const QString& year);

// The year asked for with --mark-year, looked up in the forecast's table.
std::optional<core::YearMark> markOf(const core::Forecast& f, std::optional<int> year);

}  // namespace companion
