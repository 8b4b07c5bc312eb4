#include "app/compare_cli.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <optional>

#include "app/booklet_cli.h"
#include "app/companion.h"
#include "app/date_input.h"
#include "app/drawing_loader.h"
#include "app/options.h"
#include "core/booklet.h"
#include "core/client_names.h"
#include "core/comparison.h"
#include "print/letterhead_text.h"

namespace companion {

namespace {

// Years after the first that the span covers when no last year is given, as
// the comparison window's span: this year and twenty on.
constexpr long long kDefaultSpanAfterFirst = 20;
constexpr long long kLatestYear = 99999;

const char* const kCompareUsage = QT_TRANSLATE_NOOP(
    "CompareCli",
    "Использование: zemtar-forecast --compare ДЕНЬ1 МЕСЯЦ1 ГОД1 ДЕНЬ2 МЕСЯЦ2 ГОД2\n"
    "                               [--from ГОД] [--to ГОД] [--json] [--pdf ФАЙЛ]\n"
    "                               [--booklet [--texts ФАЙЛ]]\n"
    "                               [--first-person ТЕКСТ] [--second-person ТЕКСТ]\n"
    "                               [--practitioner ИМЯ [--contact СТРОКА]... [--logo ФАЙЛ]]\n"
    "  Два прогноза рядом: уровень жизненных сил каждого в каждый год промежутка\n"
    "  и годы, когда оба на своём максимуме или оба на своём минимуме.\n"
    "  --from, --to  первый и последний год (не больше 500 лет); без них — этот\n"
    "                год и ещё 20 лет, как в окне сравнения\n"
    "  --first-person ТЕКСТ, --second-person ТЕКСТ\n"
    "                «Фамилия Имя Отчество» первого и второго человека для\n"
    "                страницы и текста (слова через пробел, можно не все)\n"
    "  --json        вывести сравнение одним объектом JSON\n"
    "  --lang ЯЗЫК   язык текста, JSON и страницы: ru, uk или en (по умолчанию ru)\n"
    "  --pdf ФАЙЛ    сохранить страницу сравнения в файл PDF\n"
    "  --booklet     с толкованием: тексты об общих пиках и спадах и об аспектах\n"
    "                (в тексте после сравнения, в PDF — страницы после страницы\n"
    "                сравнения, в JSON — под ключом texts)\n"
    "  --texts ФАЙЛ  свои тексты толкований (файл экспорта из окна «Тексты\n"
    "                толкований»; только с --booklet)\n"
    "  --practitioner ИМЯ, --contact СТРОКА (до трёх раз), --logo ФАЙЛ\n"
    "                бланк практика на странице вместо строк программы (только с --pdf)\n");

// Which of the two a message is about.
QString personText(int k) {
    return k == 0 ? QCoreApplication::translate("CompareCli", "Первый человек")
                  : QCoreApplication::translate("CompareCli", "Второй человек");
}

QString compareUsage() {
    return QCoreApplication::translate("CompareCli", kCompareUsage);
}

struct Request {
    QStringList dates;
    QString names[2];  // «Фамилия Имя Отчество» as checked, or empty
    std::optional<long long> from;
    std::optional<long long> to;
    bool json = false;
    bool booklet = false;
    std::optional<QString> pdf;
    bool help = false;
    Options page;  // the letterhead options, and the files read and written
};

int usage(const QString& problem) {
    printErr(problem + u'\n' + compareUsage());
    return kExitUsage;
}

// The value after an option, as "--from 2000" or "--from=2000"; empty and
// false when there is none.
bool takeValue(const QStringList& args, int& i, const QString& option, QString& value) {
    const QString& a = args[i];
    if (a.startsWith(option + u'=')) {
        value = a.mid(option.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        return false;
    }
    value = args[++i];
    return true;
}

// «Фамилия Имя Отчество» after --first-person or --second-person: the words
// between blanks, each held to the name rules. What is wrong, or empty.
QString readPerson(const QString& option, const QString& text, QString& name) {
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.size() > 3) {
        return QCoreApplication::translate(
                   "CompareCli",
                   "После %1 нужны фамилия, имя и отчество через пробел: слов %2, "
                   "а их не больше трёх.")
            .arg(option, QString::number(words.size()));
    }
    const core::ClientNames names{words.value(0), words.value(1), words.value(2)};
    if (const QString problem = core::clientNamesProblem(names); !problem.isEmpty()) {
        return QCoreApplication::translate("CompareCli", "После %1: %2").arg(option, problem);
    }
    name = words.join(u' ');
    return {};
}

// --practitioner, --contact and --logo, as the report takes them. False when
// `a` is none of them; otherwise *problem says what is wrong, or is empty.
bool takeLetterhead(const QStringList& args, int& i, Options& o, QString* problem) {
    const QString& a = args[i];
    for (const char* option : {"--practitioner", "--contact", "--logo"}) {
        const QString name = QString::fromLatin1(option);
        if (a != name && !a.startsWith(name + u'=')) {
            continue;
        }
        QString value;
        if (!takeValue(args, i, name, value)) {
            *problem =
                QCoreApplication::translate("CompareCli", "После %1 нужно значение.").arg(name);
            return true;
        }
        o.letterhead = true;
        if (name == QLatin1String("--practitioner")) {
            o.practitioner = value;
        } else if (name == QLatin1String("--contact")) {
            o.contacts << value;
        } else {
            o.logo = value;
        }
        problem->clear();
        return true;
    }
    return false;
}

// The year after --from (or --to): what is wrong with it, or empty.
QString takeYear(const QStringList& args, int& i, bool from, Request& r) {
    const QString option = from ? QStringLiteral("--from") : QStringLiteral("--to");
    QString text;
    if (!takeValue(args, i, option, text)) {
        return QCoreApplication::translate("CompareCli", "После %1 нужно значение.").arg(option);
    }
    bool ok = false;
    const long long year = text.toLongLong(&ok);
    if (!ok || year < 1 || year > kLatestYear) {
        return QCoreApplication::translate("CompareCli",
                                           "Год после %1 должен быть числом от 1 до %2.")
            .arg(option, QString::number(kLatestYear));
    }
    (from ? r.from : r.to) = year;
    return {};
}

// The name after --first-person (k 0) or --second-person (k 1): what is
// wrong with it, or empty.
QString takePerson(const QStringList& args, int& i, int k, Request& r) {
    const QString option =
        k == 0 ? QStringLiteral("--first-person") : QStringLiteral("--second-person");
    QString text;
    if (!takeValue(args, i, option, text)) {
        return QCoreApplication::translate("CompareCli", "После %1 нужно значение.").arg(option);
    }
    return readPerson(option, text, r.names[k]);
}

// What the letterhead options lack or break once the command line is read.
QString letterheadProblem(const Request& r) {
    if (r.page.letterhead && !r.pdf) {
        return QCoreApplication::translate(
            "CompareCli", "--practitioner, --contact и --logo нужны только с --pdf.");
    }
    return print::letterheadTextProblem(r.page.practitioner, r.page.contacts);
}

// The language after --lang; an empty string when it is one the program knows.
QString takeLanguage(const QStringList& args, int& i, Request& r) {
    r.page.languageGiven = true;
    if (!takeValue(args, i, QStringLiteral("--lang"), r.page.languageText)) {
        return QCoreApplication::translate("CompareCli", "После %1 нужно значение.")
            .arg(QStringLiteral("--lang"));
    }
    const std::optional<Problem> problem = readLanguage(r.page);
    return problem ? problem->text : QString();
}

// The file after --texts or --pdf; an empty string when there is one.
QString takeFile(const QStringList& args, int& i, bool texts, Request& r) {
    const QString option = texts ? QStringLiteral("--texts") : QStringLiteral("--pdf");
    QString file;
    if (!takeValue(args, i, option, file) || file.isEmpty()) {
        return QCoreApplication::translate("CompareCli", "Имя файла после %1 не может быть пустым.")
            .arg(option);
    }
    if (texts) {
        r.page.texts = file;
        r.page.textsGiven = true;
    } else {
        r.pdf = file;
    }
    return {};
}

// Reads the command line; an empty string on success, else what is wrong.
QString parse(const QStringList& args, Request& r) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto is = [&a](const char* option) {
            return a == QLatin1String(option) || a.startsWith(QLatin1String(option) + u'=');
        };
        if (a == QLatin1String("--compare")) {
            continue;
        }
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            r.help = true;
            return {};
        }
        QString wrong;
        if (takeLetterhead(args, i, r.page, &wrong)) {
            if (!wrong.isEmpty()) {
                return wrong;
            }
        } else if (a == QLatin1String("--json")) {
            r.json = true;
        } else if (a == QLatin1String("--booklet")) {
            r.booklet = true;
        } else if (is("--texts") || is("--pdf")) {
            if (const QString problem = takeFile(args, i, is("--texts"), r); !problem.isEmpty()) {
                return problem;
            }
        } else if (is("--from") || is("--to")) {
            if (const QString problem = takeYear(args, i, is("--from"), r); !problem.isEmpty()) {
                return problem;
            }
        } else if (is("--first-person") || is("--second-person")) {
            if (const QString problem = takePerson(args, i, is("--first-person") ? 0 : 1, r);
                !problem.isEmpty()) {
                return problem;
            }
        } else if (is("--lang")) {
            if (const QString problem = takeLanguage(args, i, r); !problem.isEmpty()) {
                return problem;
            }
        } else if (a.size() > 1 && a.front() == u'-' && !a.at(1).isDigit() && a.at(1) != u'.' &&
                   a.at(1) != u',') {
            return QCoreApplication::translate("CompareCli", "Неизвестный параметр: %1").arg(a);
        } else {
            r.dates << a;
        }
    }
    if (r.dates.size() != 6) {
        return QCoreApplication::translate(
            "CompareCli",
            "Для сравнения нужны шесть значений: день, месяц и год первого "
            "человека, затем второго.");
    }
    if (r.page.textsGiven && !r.booklet) {
        return QCoreApplication::translate("CompareCli", "--texts нужен только с --booklet.");
    }
    return letterheadProblem(r);
}

// The comparison, with the pair's texts for --booklet, as text, --json or
// the --pdf pages. Texts that could not be read whole are told and the
// defaults stand in for them: exit 2, with everything made all the same.
int deliver(Request& r, const core::ComparedPerson& first, const core::ComparedPerson& second,
            const core::Comparison& c, int argc, char* argv[]) {
    QString textsProblem;
    std::vector<core::BookletBlock> texts;
    if (r.booklet) {
        texts = core::pairBlocks(first, second, c, bookletLibrary(r.page, &textsProblem));
    }
    if (!textsProblem.isEmpty()) {
        printErr(textsProblem + u'\n');
    }
    const int status = textsProblem.isEmpty() ? kExitForecast : kExitRefused;
    // With --pdf the file is the output; the text comes only when asked for.
    if (r.json || !r.pdf) {
        const core::ReportLanguage lang = r.page.language;
        const QByteArray json = core::toJson(first.forecast, second.forecast, c, lang);
        QByteArray text = core::toText(first, second, c, lang).toUtf8();
        if (r.booklet) {
            text += '\n' + core::blocksText(texts).toUtf8() + '\n';
        }
        if (!writeOut(r.json ? (r.booklet ? core::withTexts(json, texts) : json) + '\n' : text)) {
            return kExitUsage;
        }
    }
    if (!r.pdf) {
        return status;
    }
    r.page.pdf = *r.pdf;
    r.page.pdfGiven = true;
    if (const std::optional<Problem> over = outputOverInput(r.page, argc, argv)) {
        printErr(over->text + u'\n');
        return over->exitCode;
    }
    const Problem drawn = drawComparisonThroughLibrary(
        CompareDrawRequest{&first, &second, &c, *r.pdf, &r.page, argc, argv, &texts});
    if (!drawn.text.isEmpty()) {
        printErr(drawn.text + u'\n');
    }
    return drawn.exitCode != kExitForecast ? drawn.exitCode : status;
}

}  // namespace

int runCompare(const QStringList& args, int argc, char* argv[]) {
    Request r;
    if (const QString problem = parse(args, r); !problem.isEmpty()) {
        return usage(problem);
    }
    if (r.help) {
        return writeOut(compareUsage().toUtf8()) ? kExitForecast : kExitUsage;
    }
    std::optional<core::Forecast> people[2];
    for (int k = 0; k < 2; ++k) {
        auto read = forecastFor(r.dates[3 * k], r.dates[3 * k + 1], r.dates[3 * k + 2]);
        if (const auto* problem = std::get_if<Problem>(&read)) {
            const QString text = personText(k) + QStringLiteral(": ") + problem->text;
            if (problem->exitCode == kExitUsage) {
                return usage(text);
            }
            printErr(text + u'\n');
            return problem->exitCode;
        }
        people[k] = std::get<core::Forecast>(std::move(read));
    }
    const core::ComparedPerson first{*people[0], r.names[0]};
    const core::ComparedPerson second{*people[1], r.names[1]};
    const long long from = r.from.value_or(QDate::currentDate().year());
    // Without --to the span ends where --to may end at the latest.
    const long long to = r.to.value_or(std::min(from + kDefaultSpanAfterFirst, kLatestYear));
    if (from > to) {
        return usage(QCoreApplication::translate(
                         "CompareCli", "Первый год промежутка (%1) позже последнего (%2).")
                         .arg(QString::number(from), QString::number(to)));
    }
    if (to - from + 1 > core::kLongestSpan) {
        return usage(QCoreApplication::translate("CompareCli", "Промежуток %1–%2 длиннее %3 лет.")
                         .arg(QString::number(from), QString::number(to),
                              QString::number(core::kLongestSpan)));
    }
    const core::Comparison c = core::compare(first.forecast, second.forecast, from, to);
    return deliver(r, first, second, c, argc, argv);
}

}  // namespace companion
