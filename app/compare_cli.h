#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/forecast.h"

namespace app {

// One date read as the single run reads it: the forecast, or the exit code and
// message the single run would give for it.
struct DateReading {
    std::optional<core::Forecast> forecast;
    int exitCode = 0;
    QString message;
};
using ReadDate =
    std::function<DateReading(const QString& day, const QString& month, const QString& year)>;

// zemtar-forecast --compare D1 M1 Y1 D2 M2 Y2 [--from YEAR] [--to YEAR] [--json]
// [--pdf FILE]: two forecasts side by side, as text or one JSON object, and the
// comparison page when asked. `args` is the whole command line (the program's
// name first). Writes to the standard streams and returns the exit code: 0
// done, 1 a usage error or a file not written, 2 a date refused.
int runCompare(const QStringList& args, const ReadDate& readDate);

}  // namespace app
