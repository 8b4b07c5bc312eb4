// The yardstick for zemtar-forecast --json: the least Qt program that prints
// the same JSON, a bare QCoreApplication around the calculation.
// Usage: minimal_core

#include <QCoreApplication>
#include <cstdio>

#include "core/forecast.h"
#include "core/forecast_text.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const core::Calculation result =
        core::calculate(core::BirthDate{23, 7, QStringLiteral("1975")});
    const auto* forecast = std::get_if<core::Forecast>(&result);
    if (!forecast) {
        return 1;
    }
    const QByteArray json = core::toJson(*forecast) + '\n';
    const auto size = static_cast<std::size_t>(json.size());
    return std::fwrite(json.constData(), 1, size, stdout) == size ? 0 : 1;
}
