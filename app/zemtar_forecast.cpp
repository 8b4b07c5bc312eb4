// zemtar-forecast: the forecast for scripts and batch users. Text and JSON come
// straight from the calculation, with no window and no application object; the
// window is built only for --png and the printed page only for --pdf.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

#include "clients_cli.h"
#include "compare_cli.h"
#include "core/client_names.h"
#include "core/forecast.h"
#include "core/forecast_text.h"
#include "core/program_info.h"
#include "platform/page_output.h"
#include "platform/safe_file.h"
#include "platform/services.h"
#include "print/letterhead.h"
#include "print/print_job.h"
#include "ui/frm_main.h"

namespace {

constexpr int kExitForecast = 0;
constexpr int kExitUsage = 1;
constexpr int kExitRefused = 2;
// Qt maps PNG "quality" 80 to zlib compression level 1.
constexpr int kPngFastQuality = 80;

// The last year a year table can show: born in 9999, eight digits, ten rows.
constexpr int kMarkYearMax = 10078;

const char* const kUsage =
    "Использование: zemtar-forecast [--json] [--mark-year ГОД] [--png ФАЙЛ]\n"
    "                               [--pdf ФАЙЛ [--surname ФАМИЛИЯ] [--name ИМЯ]\n"
    "                               [--patronymic ОТЧЕСТВО] [--practitioner ИМЯ]\n"
    "                               [--contact СТРОКА]... [--logo ФАЙЛ]] ДЕНЬ МЕСЯЦ ГОД\n"
    "       zemtar-forecast [--mark-year ГОД] --batch [ФАЙЛ]\n"
    "       zemtar-forecast --pdf ФАЙЛ --clients СПИСОК (подробнее: --clients - --help)\n"
    "  ДЕНЬ   число от 1 до 31\n"
    "  МЕСЯЦ  номер от 1 до 12 или название, как в списке (Январь ... Декабрь)\n"
    "  ГОД    текст года, как его вводят в поле (не больше 4 символов)\n"
    "  --json        вывести прогноз одним объектом JSON\n"
    "  --mark-year ГОД  отметить этот год, как окно отмечает текущий: в тексте\n"
    "                строка «Сейчас …», в JSON markedYear и markedLevel (null, если\n"
    "                года нет в таблице), на изображении рамки и кольцо\n"
    "  --png ФАЙЛ    сохранить изображение окна после расчёта\n"
    "  --pdf ФАЙЛ    напечатать отчёт для клиента в файл PDF\n"
    "  --surname, --name, --patronymic   фамилия, имя и отчество клиента для отчёта\n"
    "  --practitioner ИМЯ, --contact СТРОКА (до трёх раз), --logo ФАЙЛ\n"
    "                ваш бланк в отчёте: имя, контакты и логотип (PNG, JPEG, SVG);\n"
    "                логотип, который не прочитать, не печатается, код возврата 2\n"
    "  --batch [ФАЙЛ]  прочитать даты по одной в строке (ДЕНЬ МЕСЯЦ ГОД) из файла\n"
    "                или со стандартного ввода (- или без ФАЙЛА) и вывести по объекту\n"
    "                JSON на строку\n"
    "  -h, --help    показать эту справку\n"
    "  -v, --version показать версию\n"
    "Код возврата: 0 — прогноз готов, 2 — данные не приняты (текст сообщения\n"
    "в потоке ошибок), 1 — ошибка в параметрах или файл не записан.\n";

struct Problem {
    int exitCode;
    QString text;
};

struct Options {
    bool json = false;
    bool batch = false;
    QString png;
    QString pdf;
    QString surname;
    QString name;
    QString patronymic;
    QStringList positional;
    bool pdfGiven = false;
    bool pngGiven = false;
    std::optional<int> markYear;           // the year to mark as this year, when asked
    print::LetterheadSettings letterhead;  // on when any of its options is given
};

// Everything written to the standard streams goes through these, so that a
// failed write (a full disk, a closed pipe) is noticed.
bool writeOut(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
           static_cast<std::size_t>(bytes.size());
}

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

// Qt's own warnings (a missing runtime folder, fonts) are not the program's
// messages: standard error carries only what the program has to say.
void dropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// Ends the program once everything is written. Taking the window and Qt apart
// again would cost about as long as the calculation and drawing together, and
// the system frees the memory at once. Sanitizer builds take everything apart,
// so that the leak check sees the whole program.
int finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printErr(QStringLiteral("Не удалось записать в стандартный вывод: %1\n")
                     .arg(platform::systemReason(errno)));
        status = kExitUsage;
    }
    std::fflush(stderr);
#if defined(__SANITIZE_ADDRESS__)
    return status;
#else
    std::_Exit(status);
#endif
}

int usage(const QString& problem) {
    printErr(problem + u'\n' + QString::fromUtf8(kUsage));
    return finish(kExitUsage);
}

// A text like "-5" or "-.5" is a year, not an option.
bool looksNegativeNumber(const QString& arg) {
    return arg.size() > 1 && arg.front() == u'-' &&
           (arg.at(1).isDigit() || arg.at(1) == u'.' || arg.at(1) == u',');
}

std::variant<Options, Problem> parse(const QStringList& args) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption batch(QStringLiteral("batch"), QString());
    const QCommandLineOption png(QStringLiteral("png"), QString(), QStringLiteral("file"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("file"));
    const QCommandLineOption surname(QStringLiteral("surname"), QString(), QStringLiteral("s"));
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("n"));
    const QCommandLineOption patronymic(QStringLiteral("patronymic"), QString(),
                                        QStringLiteral("p"));
    const QCommandLineOption markYear(QStringLiteral("mark-year"), QString(), QStringLiteral("y"));
    const QCommandLineOption practitioner(QStringLiteral("practitioner"), QString(),
                                          QStringLiteral("t"));
    const QCommandLineOption contact(QStringLiteral("contact"), QString(), QStringLiteral("t"));
    const QCommandLineOption logo(QStringLiteral("logo"), QString(), QStringLiteral("file"));
    parser.addOptions({help, version, json, batch, png, pdf, surname, name, patronymic, markYear,
                       practitioner, contact, logo});

    // Negative years stand in the list of values; the parser would take them
    // for options, so they wait behind a placeholder.
    QStringList forParser;
    QStringList negatives;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i > 0 && !optionsEnded && looksNegativeNumber(a)) {
            forParser << QStringLiteral("\x01%1").arg(negatives.size());
            negatives << a;
            continue;
        }
        optionsEnded = optionsEnded || a == QLatin1String("--");
        forParser << a;
    }
    if (!parser.parse(forParser)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            // Name the argument as it was typed ("-platform", not "p").
            for (const QString& a : args.mid(1)) {
                if (a.startsWith(u'-') && a.contains(unknown.constFirst())) {
                    return Problem{kExitUsage, QStringLiteral("Неизвестный параметр: %1").arg(a)};
                }
            }
            return Problem{kExitUsage,
                           QStringLiteral("Неизвестный параметр: %1").arg(unknown.constFirst())};
        }
        return Problem{kExitUsage,
                       QStringLiteral("После %1 нужно значение.").arg(args.constLast())};
    }
    if (parser.isSet(help)) {
        writeOut(QByteArray(kUsage));
        return Problem{kExitForecast, QString()};
    }
    if (parser.isSet(version)) {
        writeOut(QStringLiteral("zemtar-forecast %1\n").arg(info::version()).toUtf8());
        return Problem{kExitForecast, QString()};
    }

    Options o;
    o.json = parser.isSet(json);
    o.batch = parser.isSet(batch);
    o.pngGiven = parser.isSet(png);
    o.pdfGiven = parser.isSet(pdf);
    o.png = parser.value(png);
    o.pdf = parser.value(pdf);
    o.surname = parser.value(surname);
    o.name = parser.value(name);
    o.patronymic = parser.value(patronymic);
    o.letterhead = {parser.isSet(practitioner) || parser.isSet(contact) || parser.isSet(logo),
                    parser.value(practitioner), parser.values(contact), parser.value(logo)};
    if (o.letterhead.enabled && !o.pdfGiven) {
        return Problem{kExitUsage,
                       QStringLiteral("--practitioner, --contact и --logo нужны только с --pdf.")};
    }
    const QString letterheadProblem =
        print::letterheadTextProblem(o.letterhead.name, o.letterhead.contacts);
    if (!letterheadProblem.isEmpty()) {
        return Problem{kExitUsage, letterheadProblem};
    }
    if (parser.isSet(markYear)) {
        bool ok = false;
        const int year = parser.value(markYear).toInt(&ok);
        if (!ok || year < 1 || year > kMarkYearMax) {
            return Problem{kExitUsage, QStringLiteral("Год после --mark-year должен быть числом "
                                                      "от 1 до %1.")
                                           .arg(kMarkYearMax)};
        }
        o.markYear = year;
    }
    for (QString p : parser.positionalArguments()) {
        if (p.startsWith(u'\x01')) {
            p = negatives.value(p.mid(1).toInt());
        }
        o.positional << p;
    }

    if ((o.pngGiven && o.png.isEmpty()) || (o.pdfGiven && o.pdf.isEmpty())) {
        return Problem{kExitUsage,
                       QStringLiteral("Имя файла после %1 не может быть пустым.")
                           .arg(o.pngGiven && o.png.isEmpty() ? QStringLiteral("--png")
                                                              : QStringLiteral("--pdf"))};
    }
    const struct {
        const QString& text;
        int max;
        const char* what;
    } names[] = {{o.surname, core::kSurnameLimit, "Фамилия"},
                 {o.name, core::kNameLimit, "Имя"},
                 {o.patronymic, core::kPatronymicLimit, "Отчество"}};
    for (const auto& n : names) {
        if (n.text.size() > n.max) {
            return Problem{kExitUsage, QStringLiteral("%1 длиннее %2 символов.")
                                           .arg(QString::fromUtf8(n.what))
                                           .arg(n.max)};
        }
    }
    if (o.batch) {
        if (o.pngGiven || o.pdfGiven || o.positional.size() > 1) {
            return Problem{kExitUsage,
                           QStringLiteral("С --batch можно указать только файл с датами.")};
        }
    } else if (o.positional.size() != 3) {
        return Problem{kExitUsage, QStringLiteral("Нужны три значения: день, месяц и год.")};
    }
    return o;
}

// The date as the window's lists and year box would take it. A year the year
// box would replace by its default is refused: the companion never computes
// for another year than the one it was given.
std::variant<core::BirthDate, Problem> readDate(const QString& dayText, const QString& monthText,
                                                const QString& year) {
    bool ok = false;
    const int day = dayText.toInt(&ok);
    if (!ok || day < 1 || day > 31) {
        return Problem{kExitUsage, QStringLiteral("День должен быть числом от 1 до 31.")};
    }
    const int month = core::parseMonth(monthText);
    if (month < 0) {
        return Problem{kExitUsage,
                       QStringLiteral("Месяц должен быть числом от 1 до 12 или названием месяца.")};
    }
    if (year.size() > 4) {
        return Problem{kExitUsage, QStringLiteral("В поле года помещается не больше 4 символов.")};
    }
    if (core::yearBoxReplaces(year)) {
        return Problem{kExitRefused,
                       QStringLiteral("Год «%1» вне диапазона от 1 до 9999: поле года заменило бы "
                                      "его на %2, прогноз не составлен.")
                           .arg(year, QLatin1String(core::kDefaultYear))};
    }
    return core::BirthDate{QString::number(day), month, year};
}

// One date to a forecast, or the problem that stops it.
std::variant<core::Forecast, Problem> forecastFor(const QString& day, const QString& month,
                                                  const QString& year) {
    const auto date = readDate(day, month, year);
    if (const auto* problem = std::get_if<Problem>(&date)) {
        return *problem;
    }
    const core::Calculation result = core::calculate(std::get<core::BirthDate>(date));
    if (const auto* refusal = std::get_if<core::Refusal>(&result)) {
        return Problem{kExitRefused, refusal->text};
    }
    return std::get<core::Forecast>(result);
}

// The year asked for with --mark-year, looked up in the forecast's table.
std::optional<core::YearMark> markOf(const core::Forecast& f, std::optional<int> year) {
    if (!year) {
        return std::nullopt;
    }
    return core::markYear(f, *year);
}

QByteArray jsonLine(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

// --batch: one date a line in, one JSON object a line out. A refused line
// gives its line number and message and the run goes on.
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

// The exact bytes of the command-line argument that decodes to `text`; empty
// when every argument survives the trip through a QString unchanged.
QByteArray rawArgument(const QString& text, int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QFile::decodeName(raw) == text && QFile::encodeName(text) != raw) {
            return raw;
        }
    }
    return {};
}

// Writes an output file through `write`, which writes whole or not at all to
// the path it is given. A file name that is not valid UTF-8 cannot pass
// through a QString unchanged: such a file is written under a plain name in a
// fresh folder beside it (reached through /proc/self/fd, since the folder's own
// name may not be valid UTF-8 either) and then renamed to the bytes given.
QString writeOutput(const QString& path, const QByteArray& raw,
                    const std::function<QString(const QString&)>& write) {
    if (raw.isEmpty()) {
        return write(path);
    }
    const auto failed = [&path](const QString& reason) {
        return platform::writeFailedMessage(path, reason);
    };
    const qsizetype slash = raw.lastIndexOf('/');
    const QByteArray folder = slash >= 0 ? raw.left(slash + 1) : QByteArray("./");
    const QByteArray name = raw.mid(slash + 1);
    struct stat st {};
    if (::lstat(raw.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return failed(QStringLiteral("это не обычный файл"));
    }
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        return failed(platform::systemReason(errno));
    }
    QString error;
    {
        QTemporaryDir beside(QStringLiteral("/proc/self/fd/%1/.zemtar-XXXXXX").arg(dir));
        const QByteArray inner = QFile::encodeName(QFileInfo(beside.path()).fileName()) + "/out";
        if (!beside.isValid()) {
            error = failed(beside.errorString());
        } else if (!(error = write(beside.filePath(QStringLiteral("out")))).isEmpty()) {
            error.replace(beside.filePath(QStringLiteral("out")), path);
        } else if (::renameat(dir, inner.constData(), dir, name.constData()) != 0) {
            error = failed(platform::systemReason(errno));
        }
    }
    ::close(dir);
    return error;
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(dropQtMessages);
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << QFile::decodeName(argv[i]);
    }
    if (args.contains(QStringLiteral("--compare"))) {
        return finish(
            app::runCompare(args, [](const QString& d, const QString& m, const QString& y) {
                auto read = forecastFor(d, m, y);
                if (const auto* problem = std::get_if<Problem>(&read)) {
                    return app::DateReading{std::nullopt, problem->exitCode, problem->text};
                }
                return app::DateReading{std::get<core::Forecast>(std::move(read)), 0, QString()};
            }));
    }
    if (app::asksForClients(args)) {
        return finish(app::runClients(args, [&](const QString& path, const auto& write) {
            return writeOutput(path, rawArgument(path, argc, argv), write);
        }));
    }
    const auto parsed = parse(args);
    if (const auto* problem = std::get_if<Problem>(&parsed)) {
        return problem->text.isEmpty() ? finish(problem->exitCode) : usage(problem->text);
    }
    const Options& o = std::get<Options>(parsed);
    if (o.batch) {
        return runBatch(o);
    }

    const auto result = forecastFor(o.positional[0], o.positional[1], o.positional[2]);
    if (const auto* problem = std::get_if<Problem>(&result)) {
        if (problem->exitCode == kExitUsage) {
            return usage(problem->text);
        }
        printErr(problem->text + u'\n');
        return finish(problem->exitCode);
    }
    const core::Forecast& forecast = std::get<core::Forecast>(result);
    const std::optional<core::YearMark> mark = markOf(forecast, o.markYear);
    const core::YearMark* marked = mark ? &*mark : nullptr;
    if (!writeOut(o.json ? core::toJson(forecast, marked) + '\n'
                         : core::toText(forecast, marked).toUtf8())) {
        return finish(kExitUsage);
    }
    if (!o.pdfGiven && !o.pngGiven) {
        return finish(kExitForecast);
    }

    // Only the page and the window need Qt's drawing. Qt is given none of our
    // arguments, so that its own options (-platform, -style ...) are never
    // taken from them. The window is never shown; without a chosen platform it
    // renders offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int qtArgc = 1;
    static char* qtArgv[] = {argv[0], nullptr};
    std::unique_ptr<QGuiApplication> app;
    if (o.pngGiven) {
        app = std::make_unique<QApplication>(qtArgc, qtArgv);
        QApplication::setStyle(QStringLiteral("Fusion"));
    } else {
        app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    }
    // The platform plugin is loaded by now. Everything else this program needs
    // is built into Qt (the PNG writer, the PDF writer) or drawn in code, so no
    // further plugins: Qt would otherwise load every image-format plugin to
    // look for a PNG writer of its own.
    // A logo in JPEG or SVG needs Qt's plugins for them, so it is read first.
    QString logoProblem;
    const auto letterhead = print::letterheadForPage(o.letterhead, &logoProblem);
    QCoreApplication::setLibraryPaths({});

    int status = kExitForecast;
    if (o.pdfGiven) {
        const QString error =
            writeOutput(o.pdf, rawArgument(o.pdf, argc, argv), [&](const QString& path) {
                return print::printReportToPdf(forecast, path, {o.surname, o.name, o.patronymic},
                                               QDateTime::currentDateTime(), letterhead);
            });
        if (!error.isEmpty()) {
            printErr(error + u'\n');
            return finish(kExitUsage);
        }
        if (!logoProblem.isEmpty()) {
            printErr(logoProblem + QStringLiteral(" Отчёт записан без логотипа.\n"));
            status = kExitRefused;
        }
    }

    if (o.pngGiven) {
        platform::RecordingServices services;
        ui::FrmMain window(services);
        // The picture never depends on the day it is made: this year is the
        // one asked for, or none is marked.
        const int year = o.markYear.value_or(1);
        window.setToday([year] { return QDate(year, 1, 1); });
        window.setMarkThisYear(o.markYear.has_value());
        window.enterDate(forecast.date.day.toInt(), forecast.date.monthIndex + 1,
                         forecast.date.year);
        window.calculate();
        window.ensurePolished();
        window.adjustSize();
        const QImage image = window.grab().toImage();
        // zlib's fastest level: a file about a tenth larger, written in a
        // fraction of the time the default level takes.
        const QString error =
            writeOutput(o.png, rawArgument(o.png, argc, argv), [&](const QString& path) {
                return platform::writeImage(image, path, "PNG", kPngFastQuality);
            });
        if (!error.isEmpty()) {
            printErr(error + u'\n');
            return finish(kExitUsage);
        }
    }
    return finish(status);
}
