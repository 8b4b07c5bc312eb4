#include "app/batch.h"

#include <QCoreApplication>
#include <charconv>

#include "app/date_input.h"
#include "core/forecast_text.h"
#include "platform/line_reader.h"

namespace companion {

namespace {

// Output is handed to the system in pieces of about this size. The buffer
// keeps its room between pieces: given back each time, the next lines would
// pay for fresh pages again.
constexpr qsizetype kFlushBytes = 1 << 16;

// The start of a line's object, `{"date":…,"line":…,` (the date left out when
// the line cannot be shown), so that every result pairs with its input.
void appendHead(QByteArray& out, int lineNumber, const QString& date) {
    out += '{';
    if (!date.isNull()) {
        out += "\"date\":";
        core::appendJsonText(out, date);
        out += ',';
    }
    char number[16];
    const char* end = std::to_chars(number, number + sizeof number, lineNumber).ptr;
    out += "\"line\":";
    out += QByteArrayView(number, end - number);
    out += ',';
}

void appendError(QByteArray& out, int lineNumber, const QString& date, const QString& error) {
    appendHead(out, lineNumber, date);
    out += "\"error\":";
    core::appendJsonText(out, error);
    out += "}\n";
}

// One line of input to its line of output; nothing for a blank line or a
// comment (`#` first), which only count. `refused` is set for a refused line.
void appendAnswer(QByteArray& out, const QByteArray& bytes, int lineNumber, const Options& o,
                  bool& refused) {
    if (bytes.contains('\0')) {
        refused = true;
        appendError(
            out, lineNumber, QString(),
            QCoreApplication::translate("Batch", "В строке нулевой байт: строка не принята."));
        return;
    }
    const QString line = QString::fromUtf8(bytes).simplified();
    if (line.isEmpty() || line.startsWith(u'#')) {
        return;
    }
    const QStringList fields = line.split(u' ');
    std::variant<core::Forecast, Problem> result =
        fields.size() == 3
            ? forecastFor(fields[0], fields[1], fields[2])
            : Problem{kExitRefused, QCoreApplication::translate(
                                        "Batch", "Нужны три значения: день, месяц и год.")};
    if (const auto* f = std::get_if<core::Forecast>(&result)) {
        const std::optional<core::YearMark> mark = markOf(*f, o.markYear);
        appendHead(out, lineNumber, line);
        core::appendJsonMembers(out, *f, mark ? &*mark : nullptr, o.language);
        out += '\n';
        return;
    }
    refused = true;
    appendError(out, lineNumber, line, std::get<Problem>(result).text);
}

}  // namespace

int runBatch(const Options& o) {
    const QString path = o.positional.isEmpty() ? QStringLiteral("-") : o.positional.constFirst();
    const QString shown = path == QLatin1String("-")
                              ? QCoreApplication::translate("Batch", "стандартный ввод")
                              : QCoreApplication::translate("Batch", "файл %1").arg(path);
    platform::LineReader in;
    if (const QString reason = in.open(path, o.batchFileBytes); !reason.isEmpty()) {
        printErr(QCoreApplication::translate("Batch", "Не удалось прочитать %1: %2\n")
                     .arg(shown, reason));
        return finish(kExitUsage);
    }
    bool refused = false;
    bool written = true;
    QByteArray out;
    out.reserve(2 * kFlushBytes);
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
            appendError(
                out, lineNumber, QString(),
                QCoreApplication::translate("Batch", "Строка длиннее %1 байт: строка не принята.")
                    .arg(platform::LineReader::kLineLimit));
        } else {
            appendAnswer(out, line, lineNumber, o, refused);
        }
        if (out.size() > kFlushBytes) {
            written = writeOut(out);
            out.resize(0);  // keeps the room
            if (!written) {
                break;  // nothing more could be written: the reason follows at the end
            }
        }
    }
    written = written && writeOut(out);
    if (!in.reason().isEmpty()) {
        printErr(QCoreApplication::translate("Batch", "Не удалось прочитать %1: %2\n")
                     .arg(shown, in.reason()));
        return finish(kExitUsage);
    }
    return finish(!written ? kExitUsage : refused ? kExitRefused : kExitForecast);
}

}  // namespace companion
