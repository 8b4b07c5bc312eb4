#include "app/batch.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "app/date_input.h"
#include "core/forecast_text.h"
#include "platform/line_reader.h"

namespace companion {

namespace {

// The start of a line's object, `{"date":…,"line":…,` (the date left out when
// the line cannot be shown), so that every result pairs with its input.
QByteArray objectHead(int lineNumber, const QString& date) {
    QJsonObject head{{QStringLiteral("line"), lineNumber}};
    if (!date.isNull()) {
        head.insert(QStringLiteral("date"), date);
    }
    QByteArray bytes = QJsonDocument(head).toJson(QJsonDocument::Compact);
    bytes.chop(1);
    return bytes + ',';
}

QByteArray errorObject(int lineNumber, const QString& date, const QString& error) {
    return objectHead(lineNumber, date) +
           QJsonDocument(QJsonObject{{QStringLiteral("error"), error}})
               .toJson(QJsonDocument::Compact)
               .mid(1) +
           '\n';
}

// One line of input to its line of output; empty for a blank line or a
// comment (`#` first), which only count. `refused` is set for a refused line.
QByteArray answerLine(const QByteArray& bytes, int lineNumber, const Options& o, bool& refused) {
    if (bytes.contains('\0')) {
        refused = true;
        return errorObject(lineNumber, QString(),
                           QStringLiteral("В строке нулевой байт: строка не принята."));
    }
    const QString line = QString::fromUtf8(bytes).simplified();
    if (line.isEmpty() || line.startsWith(u'#')) {
        return {};
    }
    const QStringList fields = line.split(u' ');
    std::variant<core::Forecast, Problem> result =
        fields.size() == 3
            ? forecastFor(fields[0], fields[1], fields[2])
            : Problem{kExitRefused, QStringLiteral("Нужны три значения: день, месяц и год.")};
    if (const auto* f = std::get_if<core::Forecast>(&result)) {
        const std::optional<core::YearMark> mark = markOf(*f, o.markYear);
        return objectHead(lineNumber, line) + core::toJson(*f, mark ? &*mark : nullptr).mid(1) +
               '\n';
    }
    refused = true;
    return errorObject(lineNumber, line, std::get<Problem>(result).text);
}

}  // namespace

int runBatch(const Options& o) {
    const QString path = o.positional.isEmpty() ? QStringLiteral("-") : o.positional.constFirst();
    const QString shown = path == QLatin1String("-") ? QStringLiteral("стандартный ввод")
                                                     : QStringLiteral("файл %1").arg(path);
    platform::LineReader in;
    if (const QString reason = in.open(path, o.batchFileBytes); !reason.isEmpty()) {
        printErr(QStringLiteral("Не удалось прочитать %1: %2\n").arg(shown, reason));
        return finish(kExitUsage);
    }
    bool refused = false;
    bool written = true;
    QByteArray out;
    QByteArray line;
    int lineNumber = 0;
    for (;;) {
        const platform::LineReader::Result r = in.next(line);
        if (r == platform::LineReader::Result::End || r == platform::LineReader::Result::Failed) {
            break;
        }
        ++lineNumber;
        if (r == platform::LineReader::Result::TooLong) {
            refused = true;
            out += errorObject(lineNumber, QString(),
                               QStringLiteral("Строка длиннее %1 байт: строка не принята.")
                                   .arg(platform::LineReader::kLineLimit));
        } else {
            out += answerLine(line, lineNumber, o, refused);
        }
        if (out.size() > 1 << 16) {
            written = written && writeOut(out);
            out.clear();
        }
    }
    written = written && writeOut(out);
    if (!in.reason().isEmpty()) {
        printErr(QStringLiteral("Не удалось прочитать %1: %2\n").arg(shown, in.reason()));
        return finish(kExitUsage);
    }
    return finish(!written ? kExitUsage : refused ? kExitRefused : kExitForecast);
}

}  // namespace companion
