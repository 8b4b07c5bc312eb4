#include "app/turning_cli.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>

#include "app/booklet_cli.h"
#include "app/client_list_input.h"
#include "app/date_input.h"
#include "app/options.h"
#include "book/client_list_reader.h"
#include "core/client_names.h"
#include "core/forecast_text.h"
#include "core/turning_calendar.h"
#include "platform/file_names.h"
#include "platform/safe_file.h"

namespace companion {

namespace {

// The options of other modes, which --turning and --ics do not take.
std::optional<QString> foreignOption(const Options& o) {
    const bool turning = o.turningGiven;
    const struct {
        bool given;
        const char* option;
    } rows[] = {{o.pngGiven, "--png"},
                {o.pdfGiven, "--pdf"},
                {o.cardGiven, "--card"},
                {o.batch, "--batch"},
                {o.booklet, "--booklet"},
                {o.sectionsGiven, "--sections"},
                {o.outlookGiven, "--outlook"},
                {o.addressGiven, "--address"},
                {o.letterhead, "--practitioner"},
                {turning && o.icsGiven, "--ics"},
                {turning && o.textsGiven, "--texts"},
                {turning && o.markYearGiven, "--mark-year"},
                {turning && o.surnameGiven, "--surname"},
                {turning && o.nameGiven, "--name"},
                {turning && o.patronymicGiven, "--patronymic"},
                {turning && o.genderGiven, "--gender"},
                {!turning && o.clientsGiven, "--clients"},
                {!turning && o.json, "--json"}};
    for (const auto& row : rows) {
        if (row.given) {
            return QCoreApplication::translate("TurningCli", "С %1 нельзя указать %2.")
                .arg(turning ? QStringLiteral("--turning") : QStringLiteral("--ics"),
                     QLatin1String(row.option));
        }
    }
    return std::nullopt;
}

std::optional<QString> listOptionsProblem(Options& o) {
    QString problem;
    const std::optional<long long> year = core::turningYearOf(o.turningText, &problem);
    if (!year) {
        return QCoreApplication::translate("TurningCli", "После --turning: %1").arg(problem);
    }
    o.turningYear = *year;
    if (!o.clientsGiven) {
        return QCoreApplication::translate(
            "TurningCli", "С --turning нужен --clients СПИСОК: чей список просмотреть.");
    }
    if (o.clients.isEmpty()) {
        return QCoreApplication::translate("TurningCli",
                                           "Имя файла после --clients не может быть пустым.");
    }
    if (!o.positional.isEmpty()) {
        return QCoreApplication::translate(
            "TurningCli", "С --turning даты берутся из списка: дата в командной строке не нужна.");
    }
    return std::nullopt;
}

std::optional<QString> calendarOptionsProblem(Options& o) {
    if (o.ics.isEmpty()) {
        return QCoreApplication::translate("TurningCli",
                                           "Имя файла после --ics не может быть пустым.");
    }
    if (const QString problem = core::clientNamesProblem({o.surname, o.name, o.patronymic});
        !problem.isEmpty()) {
        return problem;
    }
    if (o.genderGiven) {
        const std::optional<core::Gender> gender = core::parseGender(o.genderText);
        if (!gender || o.genderText.trimmed().isEmpty()) {
            return QCoreApplication::translate("TurningCli",
                                               "После --gender нужно f или m (ж или м), а не «%1».")
                .arg(o.genderText);
        }
        o.gender = *gender;
    }
    if (o.markYearGiven) {
        QString problem;
        const std::optional<long long> year = core::turningYearOf(o.markYearText, &problem);
        if (!year) {
            return QCoreApplication::translate("TurningCli", "После --mark-year: %1").arg(problem);
        }
        o.markYear = int(*year);
    }
    if (o.textsGiven && o.texts.isEmpty()) {
        return QCoreApplication::translate("TurningCli",
                                           "Имя файла после --texts не может быть пустым.");
    }
    if (o.positional.size() != 3) {
        return QCoreApplication::translate("TurningCli", "Нужны три значения: день, месяц и год.");
    }
    return std::nullopt;
}

// One listed client: «3: Петрова Мария Сергеевна, 23.08.1975 — уровень 9, пик».
QByteArray textLine(const book::ListRow& row, const core::TurningYear& t,
                    core::ReportLanguage language) {
    const QString name = core::fullName(row.client.names);
    const QString date = core::numericDate(row.client.birthDate);
    return QStringLiteral("%1: %2 — %3, %4\n")
        .arg(QString::number(row.line), name.isEmpty() ? date : name + QStringLiteral(", ") + date,
             core::pageCaption(language, core::PageCaption::TextLevel).arg(t.level),
             core::turnWord(t.turn, language))
        .toUtf8();
}

// The same as one JSON object, its members in alphabetical order as QJsonDocument writes them.
QByteArray jsonLine(const book::ListRow& row, const core::TurningYear& t) {
    QByteArray out = "{\"level\":" + QByteArray::number(t.level) +
                     ",\"line\":" + QByteArray::number(row.line) + ",\"name\":";
    core::appendJsonText(out, core::fullName(row.client.names));
    return out + ",\"turn\":\"" + core::turnCode(t.turn) + "\"}\n";
}

// The list's rows that turn, in the list's order, written when the whole
// list is read: a list that cannot be read to its end prints nothing.
int listTurning(const Options& o, int argc, char* argv[]) {
    const QString listName = listNameOf(o);
    QFile in;
    if (const QString problem =
            openClientList(o, platform::argumentBytes(o.clients, argc, argv), in);
        !problem.isEmpty()) {
        printErr(QCoreApplication::translate("TurningCli",
                                             "Не удалось прочитать список клиентов из %1: %2.")
                     .arg(listName, problem) +
                 u'\n');
        return kExitUsage;
    }
    InputStream stream(in);
    book::ClientListReader reader(
        o.clients == QLatin1String("-") ? static_cast<QIODevice&>(stream) : in,
        book::ClientListReader::Fields::Printed);
    if (!reader.start()) {
        printErr(QCoreApplication::translate("TurningCli", "Список клиентов из %1 не прочитан: %2.")
                     .arg(listName, reader.error()) +
                 u'\n');
        return kExitUsage;
    }
    QByteArray out;
    bool leftOut = false;
    book::ListRow row;
    while (reader.next(row)) {
        QString reason = row.problem;
        const core::Calculation calculated = core::calculate(row.client.birthDate);
        if (const auto* refusal = std::get_if<core::Refusal>(&calculated);
            reason.isEmpty() && refusal) {
            reason = refusal->text;
        }
        if (!reason.isEmpty()) {
            printErr(QCoreApplication::translate("ClientsCli", "Строка %1 %2 пропущена: %3\n")
                         .arg(QString::number(row.line), listName, reason));
            leftOut = true;
            continue;
        }
        const std::optional<core::TurningYear> turn =
            core::turningYear(std::get<core::Forecast>(calculated), o.turningYear, o.leastChange);
        if (turn) {
            out += o.json ? jsonLine(row, *turn) : textLine(row, *turn, o.language);
        }
    }
    if (!reader.error().isEmpty()) {
        printErr(
            QCoreApplication::translate(
                "TurningCli", "Не удалось дочитать список клиентов из %1: %2. Ничего не выведено.")
                .arg(listName, reader.error()) +
            u'\n');
        return kExitUsage;
    }
    if (!writeOut(out)) {
        return kExitUsage;
    }
    return leftOut ? kExitRefused : kExitForecast;
}

int writeCalendar(const Options& o, int argc, char* argv[]) {
    const auto result = forecastFor(o.positional[0], o.positional[1], o.positional[2]);
    if (const auto* problem = std::get_if<Problem>(&result)) {
        printErr(problem->text + u'\n');
        return problem->exitCode;
    }
    const core::Forecast& forecast = std::get<core::Forecast>(result);
    QString textsProblem;
    const core::TextLibrary library = bookletLibrary(o, &textsProblem);
    if (!textsProblem.isEmpty()) {
        printErr(textsProblem + u'\n');
    }
    const core::CalendarRequest request{personOf(o, forecast.date),
                                        o.markYear.value_or(QDate::currentDate().year()),
                                        o.leastChange, QDateTime::currentDateTimeUtc()};
    const core::Calendar calendar = core::turningCalendar(request, forecast, library);
    if (calendar.events == 0) {
        printErr(core::emptyCalendarReason(request, forecast) + u' ' +
                 QCoreApplication::translate("TurningCli", "Файл «%1» не записан.").arg(o.ics) +
                 u'\n');
        return kExitRefused;
    }
    const QString error = platform::writeUnderName(
        o.ics, platform::argumentBytes(o.ics, argc, argv), [&](const QString& path) {
            return platform::writeFileAtomically(path, [&](QIODevice& file) {
                return file.write(calendar.text) == calendar.text.size();
            });
        });
    if (!error.isEmpty()) {
        printErr(error + u'\n');
        return kExitUsage;
    }
    return textsProblem.isEmpty() ? kExitForecast : kExitRefused;
}

}  // namespace

std::optional<Problem> turningOptionsProblem(Options& o) {
    const auto refuse = [](const QString& text) { return Problem{kExitUsage, text}; };
    if (!o.turningGiven && !o.icsGiven) {
        return refuse(QCoreApplication::translate("TurningCli",
                                                  "--change нужен только с --turning или --ics."));
    }
    if (const std::optional<QString> foreign = foreignOption(o)) {
        return refuse(*foreign);
    }
    if (std::optional<Problem> problem = readLanguage(o)) {
        return problem;
    }
    if (o.changeGiven) {
        QString problem;
        const std::optional<int> levels = core::turnChangeOf(o.changeText, &problem);
        if (!levels) {
            return refuse(
                QCoreApplication::translate("TurningCli", "После --change: %1").arg(problem));
        }
        o.leastChange = *levels;
    }
    const std::optional<QString> problem =
        o.turningGiven ? listOptionsProblem(o) : calendarOptionsProblem(o);
    return problem ? std::optional(refuse(*problem)) : std::nullopt;
}

int runTurning(const Options& o, int argc, char* argv[]) {
    return finish(o.icsGiven ? writeCalendar(o, argc, argv) : listTurning(o, argc, argv));
}

}  // namespace companion
