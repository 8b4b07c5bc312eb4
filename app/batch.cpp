#include "app/batch.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/date_input.h"
#include "core/forecast_text.h"

namespace companion {

namespace {

QByteArray jsonLine(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace

int runBatch(const Options& o) {
    QFile in;
    const QString path = o.positional.isEmpty() ? QStringLiteral("-") : o.positional.constFirst();
    const bool opened = path == QLatin1String("-")
                            ? in.open(stdin, QIODevice::ReadOnly)
                            : (in.setFileName(path), in.open(QIODevice::ReadOnly));
    if (!opened) {
        printErr(QStringLiteral("Не удалось прочитать файл %1: %2\n").arg(path, in.errorString()));
        return finish(kExitUsage);
    }
    int status = kExitForecast;
    bool written = true;
    QByteArray out;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty()) {
            continue;
        }
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        std::variant<core::Forecast, Problem> result =
            fields.size() == 3
                ? forecastFor(fields[0], fields[1], fields[2])
                : Problem{kExitUsage, QStringLiteral("Нужны три значения: день, месяц и год.")};
        if (const auto* f = std::get_if<core::Forecast>(&result)) {
            const std::optional<core::YearMark> mark = markOf(*f, o.markYear);
            out += core::toJson(*f, mark ? &*mark : nullptr) + '\n';
        } else {
            status = kExitRefused;
            out += jsonLine({{QStringLiteral("line"), lineNumber},
                             {QStringLiteral("error"), std::get<Problem>(result).text}});
        }
        if (out.size() > 1 << 16) {
            written = written && writeOut(out);
            out.clear();
        }
    }
    if (in.error() != QFileDevice::NoError) {
        printErr(QStringLiteral("Не удалось прочитать файл %1: %2\n").arg(path, in.errorString()));
        status = kExitUsage;
    }
    written = written && writeOut(out);
    return finish(written ? status : kExitUsage);
}

}  // namespace companion
