#pragma once

#include <gtest/gtest.h>

#include <variant>

#include "core/forecast.h"

// The forecast of a date that must be accepted; monthIndex 0 is January.
inline core::Forecast forecastOf(int day, int monthIndex, const char* year) {
    const core::Calculation c = core::calculate({day, monthIndex, QString::fromLatin1(year)});
    if (const auto* f = std::get_if<core::Forecast>(&c)) {
        return *f;
    }
    ADD_FAILURE() << "refused " << day << "." << monthIndex + 1 << "." << year;
    return {};
}
