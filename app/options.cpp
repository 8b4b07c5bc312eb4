#include "app/options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/group_cli.h"
#include "app/turning_cli.h"
#include "core/address.h"
#include "core/client_names.h"
#include "platform/file_names.h"
#include "print/letterhead_text.h"

namespace companion {

namespace {

// The last year a year table can show: born in 9999, eight digits, ten rows.
constexpr int kMarkYearMax = 10078;

// One row per option: its names, and where its value or its presence goes.
// Rows that share a `given` flag turn it on together: any of them sets it.
struct OptionRow {
    QStringList names;
    bool Options::*given;
    QString Options::*value;                 // null for an option without a value
    QStringList Options::*values = nullptr;  // for an option that may repeat
};

const OptionRow kOptionRows[] = {
    {{"h", "help"}, &Options::help, nullptr},
    {{"v", "version"}, &Options::version, nullptr},
    {{"json"}, &Options::json, nullptr},
    {{"batch"}, &Options::batch, nullptr},
    {{"png"}, &Options::pngGiven, &Options::png},
    {{"pdf"}, &Options::pdfGiven, &Options::pdf},
    {{"card"}, &Options::cardGiven, &Options::card},
    {{"surname"}, &Options::surnameGiven, &Options::surname},
    {{"name"}, &Options::nameGiven, &Options::name},
    {{"patronymic"}, &Options::patronymicGiven, &Options::patronymic},
    {{"address"}, &Options::addressGiven, &Options::address},
    {{"gender"}, &Options::genderGiven, &Options::genderText},
    {{"clients"}, &Options::clientsGiven, &Options::clients},
    {{"mark-year"}, &Options::markYearGiven, &Options::markYearText},
    {{"practitioner"}, &Options::letterhead, &Options::practitioner},
    {{"contact"}, &Options::letterhead, nullptr, &Options::contacts},
    {{"logo"}, &Options::letterhead, &Options::logo},
    {{"booklet"}, &Options::booklet, nullptr},
    {{"sections"}, &Options::sectionsGiven, &Options::sections},
    {{"outlook"}, &Options::outlookGiven, &Options::outlookText},
    {{"texts"}, &Options::textsGiven, &Options::texts},
    {{"lang"}, &Options::languageGiven, &Options::languageText},
    {{"compare"}, &Options::compare, nullptr},
    {{"group"}, &Options::group, nullptr},
    {{"person"}, &Options::personGiven, nullptr, &Options::personTexts},
    {{"first-person"}, &Options::firstPersonGiven, &Options::firstPerson},
    {{"second-person"}, &Options::secondPersonGiven, &Options::secondPerson},
    {{"from"}, &Options::fromGiven, &Options::fromText},
    {{"to"}, &Options::toGiven, &Options::toText},
    {{"turning"}, &Options::turningGiven, &Options::turningText},
    {{"ics"}, &Options::icsGiven, &Options::ics},
    {{"change"}, &Options::changeGiven, &Options::changeText},
};

// The files the companion reads and those it writes, by option: no output may
// be one of the inputs. «-» after an input is standard input.
struct FileOption {
    const char* option;
    QString Options::*name;
};

const FileOption kInputs[] = {
    {"--clients", &Options::clients}, {"--logo", &Options::logo}, {"--texts", &Options::texts}};
const FileOption kOutputs[] = {{"--pdf", &Options::pdf},
                               {"--png", &Options::png},
                               {"--ics", &Options::ics},
                               {"--card", &Options::card}};

QCommandLineOption optionOf(const OptionRow& row) {
    return row.value || row.values
               ? QCommandLineOption(row.names, QString(), QStringLiteral("value"))
               : QCommandLineOption(row.names);
}

// A text like "-5" or "-.5" is a year, not an option.
bool looksNegativeNumber(const QString& arg) {
    return arg.size() > 1 && arg.front() == u'-' &&
           (arg.at(1).isDigit() || arg.at(1) == u'.' || arg.at(1) == u',');
}

// Negative years stand among the values; the parser would take them for
// options, so they wait behind a placeholder that `restore` turns back.
struct Shielded {
    QStringList forParser;
    QStringList negatives;

    QString restore(const QString& arg) const {
        return arg.startsWith(u'\x01') ? negatives.value(arg.mid(1).toInt()) : arg;
    }
};

Shielded shieldNegatives(const QStringList& args) {
    Shielded s;
    s.forParser << args.value(0);
    for (const QString& a : args.mid(1)) {
        // An argument that happens to begin like a placeholder is shielded too,
        // so that every placeholder the parser hands back is one of ours.
        if (looksNegativeNumber(a) || a.startsWith(u'\x01')) {
            s.forParser << QStringLiteral("\x01%1").arg(s.negatives.size());
            s.negatives << a;
        } else {
            s.forParser << a;
        }
    }
    return s;
}

Problem parseFailure(const QCommandLineParser& parser, const QStringList& args) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        return {kExitUsage, QCoreApplication::translate("Options", "После %1 нужно значение.")
                                .arg(args.constLast())};
    }
    // Name the argument as it was typed ("-platform", not "p").
    for (const QString& a : args.mid(1)) {
        if (a.startsWith(u'-') && a.contains(unknown.constFirst())) {
            return {kExitUsage,
                    QCoreApplication::translate("Options", "Неизвестный параметр: %1").arg(a)};
        }
    }
    return {kExitUsage, QCoreApplication::translate("Options", "Неизвестный параметр: %1")
                            .arg(unknown.constFirst())};
}

// With a client list the names and dates come from the list, and the pages go
// to the --pdf file alone.
std::optional<Problem> clientsProblem(const Options& o) {
    const auto refuse = [](const QString& text) { return Problem{kExitUsage, text}; };
    const struct {
        bool given;
        const char* option;
    } names[] = {{o.surnameGiven, "--surname"},
                 {o.nameGiven, "--name"},
                 {o.patronymicGiven, "--patronymic"},
                 {o.addressGiven, "--address"},
                 {o.genderGiven, "--gender"}};
    for (const auto& n : names) {
        if (n.given) {
            return refuse(QCoreApplication::translate(
                              "Options", "С --clients имена берутся из списка: %1 не нужен.")
                              .arg(QLatin1String(n.option)));
        }
    }
    const struct {
        bool given;
        const char* option;
    } others[] = {{o.json, "--json"},
                  {o.pngGiven, "--png"},
                  {o.cardGiven, "--card"},
                  {o.batch, "--batch"},
                  {o.markYearGiven, "--mark-year"}};
    for (const auto& other : others) {
        if (other.given) {
            return refuse(QCoreApplication::translate("Options", "С --clients нельзя указать %1.")
                              .arg(QLatin1String(other.option)));
        }
    }
    if (!o.positional.isEmpty()) {
        return refuse(QCoreApplication::translate(
            "Options", "С --clients даты берутся из списка: дата в командной строке не нужна."));
    }
    if (!o.pdfGiven) {
        return refuse(QCoreApplication::translate(
            "Options", "С --clients нужен --pdf ФАЙЛ: куда записать отчёты."));
    }
    if (o.clients.isEmpty()) {
        return refuse(QCoreApplication::translate(
            "Options", "Имя файла после --clients не может быть пустым."));
    }
    return std::nullopt;
}

// The greeting's --address and the texts' --gender.
std::optional<Problem> personProblem(Options& o) {
    const auto refuse = [](const QString& text) { return Problem{kExitUsage, text}; };
    if (const QString problem =
            core::nameProblem(o.address, core::kAddressLimit, QStringLiteral("--address"));
        !problem.isEmpty()) {
        return refuse(problem);
    }
    if (!o.genderGiven) {
        return std::nullopt;
    }
    const std::optional<core::Gender> gender = core::parseGender(o.genderText);
    if (!gender || o.genderText.trimmed().isEmpty()) {
        return refuse(QCoreApplication::translate("Options",
                                                  "После --gender нужно f или m (ж или м), а не "
                                                  "«%1».")
                          .arg(o.genderText));
    }
    o.gender = *gender;
    return std::nullopt;
}

// --sections, --outlook, --texts, --address and --gender shape a booklet and
// need --booklet.
std::optional<Problem> bookletProblem(Options& o) {
    const auto refuse = [](const QString& text) { return Problem{kExitUsage, text}; };
    if (!o.booklet) {
        return o.sectionsGiven || o.outlookGiven || o.textsGiven || o.addressGiven || o.genderGiven
                   ? std::optional(refuse(QCoreApplication::translate(
                         "Options",
                         "--sections, --outlook, --texts, --address и --gender нужны только с "
                         "--booklet.")))
                   : std::nullopt;
    }
    if (std::optional<Problem> problem = personProblem(o)) {
        return problem;
    }
    if (o.pngGiven || o.cardGiven || o.batch) {
        return refuse(QCoreApplication::translate("Options", "С --booklet нельзя указать %1.")
                          .arg(o.pngGiven    ? QStringLiteral("--png")
                               : o.cardGiven ? QStringLiteral("--card")
                                             : QStringLiteral("--batch")));
    }
    if (o.sectionsGiven) {
        if (const QString problem = core::chooseSections(o.sections, o.bookletSections);
            !problem.isEmpty()) {
            return refuse(
                QCoreApplication::translate("Options", "После --sections: %1").arg(problem));
        }
    }
    if (o.outlookGiven) {
        QString problem;
        const std::optional<int> years = core::outlookYearsOf(o.outlookText, &problem);
        if (!years) {
            return refuse(
                QCoreApplication::translate("Options", "После --outlook: %1").arg(problem));
        }
        o.outlookYears = *years;
    }
    if (o.textsGiven && o.texts.isEmpty()) {
        return refuse(QCoreApplication::translate("Options",
                                                  "Имя файла после --texts не может быть пустым."));
    }
    return std::nullopt;
}

// --person, --from and the others belong to --compare and --group alone.
std::optional<Problem> groupOptionsAlone(const Options& o) {
    const struct {
        bool given;
        const char* option;
    } rows[] = {{o.personGiven, "--person"},
                {o.firstPersonGiven, "--first-person"},
                {o.secondPersonGiven, "--second-person"},
                {o.fromGiven, "--from"},
                {o.toGiven, "--to"}};
    for (const auto& row : rows) {
        if (row.given) {
            return Problem{kExitUsage, QCoreApplication::translate(
                                           "Options", "%1 нужен только с --compare или --group.")
                                           .arg(QLatin1String(row.option))};
        }
    }
    return std::nullopt;
}

// An output option followed by an empty name.
std::optional<Problem> emptyFileName(const Options& o) {
    const struct {
        bool given;
        const QString& name;
        const char* option;
    } files[] = {{o.pngGiven, o.png, "--png"},
                 {o.pdfGiven, o.pdf, "--pdf"},
                 {o.cardGiven, o.card, "--card"}};
    for (const auto& file : files) {
        if (file.given && file.name.isEmpty()) {
            return Problem{kExitUsage, QCoreApplication::translate(
                                           "Options", "Имя файла после %1 не может быть пустым.")
                                           .arg(QLatin1String(file.option))};
        }
    }
    return std::nullopt;
}

std::optional<Problem> checkValues(Options& o) {
    if (std::optional<Problem> problem = readLanguage(o)) {
        return problem;
    }
    if (std::optional<Problem> problem = bookletProblem(o)) {
        return problem;
    }
    if (o.clientsGiven) {
        if (std::optional<Problem> problem = clientsProblem(o)) {
            return problem;
        }
    }
    if (o.letterhead && !o.pdfGiven && !o.cardGiven) {
        return Problem{kExitUsage,
                       QCoreApplication::translate(
                           "Options", "--practitioner, --contact и --logo нужны только с --pdf.")};
    }
    if (const QString problem = print::letterheadTextProblem(o.practitioner, o.contacts);
        !problem.isEmpty()) {
        return Problem{kExitUsage, problem};
    }
    if (o.markYearGiven) {
        bool ok = false;
        const int year = o.markYearText.toInt(&ok);
        if (!ok || year < 1 || year > kMarkYearMax) {
            return Problem{kExitUsage,
                           QCoreApplication::translate("Options",
                                                       "Год после --mark-year должен быть числом "
                                                       "от 1 до %1.")
                               .arg(kMarkYearMax)};
        }
        o.markYear = year;
    }
    if (std::optional<Problem> problem = emptyFileName(o)) {
        return problem;
    }
    if (const QString problem = core::clientNamesProblem({o.surname, o.name, o.patronymic});
        !problem.isEmpty()) {
        return Problem{kExitUsage, problem};
    }
    if (o.clientsGiven) {
        return std::nullopt;
    }
    if (o.batch) {
        if (o.pngGiven || o.pdfGiven || o.cardGiven || o.positional.size() > 1) {
            return Problem{kExitUsage,
                           QCoreApplication::translate(
                               "Options", "С --batch можно указать только файл с датами.")};
        }
    } else if (o.positional.size() != 3) {
        return Problem{kExitUsage, QCoreApplication::translate(
                                       "Options", "Нужны три значения: день, месяц и год.")};
    }
    return std::nullopt;
}

}  // namespace

std::optional<Problem> readLanguage(Options& o) {
    if (!o.languageGiven) {
        return std::nullopt;
    }
    const std::optional<core::ReportLanguage> language = core::parseReportLanguage(o.languageText);
    if (!language) {
        return Problem{
            kExitUsage,
            QCoreApplication::translate("Options", "Неизвестный язык отчёта: %1. Известны: %2.")
                .arg(o.languageText.trimmed(),
                     core::reportLanguageCodes().join(QStringLiteral(", ")))};
    }
    o.language = *language;
    return std::nullopt;
}

std::optional<Problem> outputOverInput(const Options& o, int argc, char* argv[]) {
    for (const FileOption& input : kInputs) {
        const QString& read = o.*input.name;
        if (read.isEmpty()) {
            continue;
        }
        const std::optional<platform::FileIdentity> source =
            read == QLatin1String("-")
                ? (o.standardInputClosed ? std::nullopt : platform::standardInputIdentity())
                : platform::identityOf(read, platform::argumentBytes(read, argc, argv));
        for (const FileOption& output : kOutputs) {
            const QString& written = o.*output.name;
            if (!source || written.isEmpty() ||
                platform::identityOf(written, platform::argumentBytes(written, argc, argv)) !=
                    source) {
                continue;
            }
            return Problem{
                kExitUsage,
                QCoreApplication::translate("Options",
                                            "Файл «%1» после %2 — тот же, что читается после %3, "
                                            "и запись стёрла бы его. Укажите после %2 другой "
                                            "файл; ничего не записано.")
                    .arg(written, QLatin1String(output.option), QLatin1String(input.option))};
        }
    }
    return std::nullopt;
}

std::variant<Options, Problem> parseOptions(const QStringList& args) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    std::vector<QCommandLineOption> options;
    for (const OptionRow& row : kOptionRows) {
        options.push_back(optionOf(row));
        parser.addOption(options.back());
    }
    const Shielded shielded = shieldNegatives(args);
    if (!parser.parse(shielded.forParser)) {
        return parseFailure(parser, args);
    }
    Options o;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const OptionRow& row = kOptionRows[i];
        if (row.given) {
            o.*row.given = o.*row.given || parser.isSet(options[i]);
        }
        if (row.value) {
            o.*row.value = shielded.restore(parser.value(options[i]));
        }
        if (row.values) {
            for (const QString& v : parser.values(options[i])) {
                (o.*row.values) << shielded.restore(v);
            }
        }
    }
    if (o.help || o.version) {
        return o;
    }
    for (const QString& p : parser.positionalArguments()) {
        o.positional << shielded.restore(p);
    }
    if (o.compare || o.group) {
        if (const std::optional<Problem> problem = groupOptionsProblem(o)) {
            return *problem;
        }
        return o;
    }
    if (const std::optional<Problem> problem = groupOptionsAlone(o)) {
        return *problem;
    }
    if (o.turningGiven || o.icsGiven || o.changeGiven) {
        if (const std::optional<Problem> problem = turningOptionsProblem(o)) {
            return *problem;
        }
        return o;
    }
    if (const std::optional<Problem> problem = checkValues(o)) {
        return *problem;
    }
    return o;
}

}  // namespace companion
