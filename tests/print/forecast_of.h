#pragma once

#include <gtest/gtest.h>

#include <variant>

#include "core/forecast.h"

// The forecast of a date given as the window's lists give it (monthIndex 0 is
// January); a refused date fails the test.
inline core::Forecast forecastOf(const char* day, int monthIndex, const char* year) {
    const core::Calculation c =
        core::calculate({QString::fromLatin1(day), monthIndex, QString::fromLatin1(year)});
    if (const auto* f = std::get_if<core::Forecast>(&c)) {
        return *f;
    }
    ADD_FAILURE() << "refused " << day << "." << monthIndex + 1 << "." << year;
    return {};
}
