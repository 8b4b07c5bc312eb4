#include "app/group_cli.h"

#include <QCoreApplication>
#include <QDate>

#include "app/booklet_cli.h"
#include "app/date_input.h"
#include "app/drawing_loader.h"
#include "app/options.h"
#include "core/booklet.h"
#include "core/client_names.h"
#include "core/group.h"
#include "print/letterhead_text.h"

namespace companion {

namespace {

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

const char* const kGroupUsage = QT_TRANSLATE_NOOP(
    "CompareCli",
    "Использование: zemtar-forecast --group --person ТЕКСТ ДЕНЬ МЕСЯЦ ГОД\n"
    "                               --person ТЕКСТ ДЕНЬ МЕСЯЦ ГОД [--person ...]\n"
    "                               [--from ГОД] [--to ГОД] [--json] [--pdf ФАЙЛ]\n"
    "                               [--booklet [--texts ФАЙЛ]]\n"
    "                               [--practitioner ИМЯ [--contact СТРОКА]... [--logo ФАЙЛ]]\n"
    "  От двух до шести прогнозов на одном календаре: уровень жизненных сил\n"
    "  каждого в каждый год промежутка, годы, когда все на своём максимуме или все\n"
    "  на своём минимуме, и аспекты, которые есть у всех и только у некоторых.\n"
    "  --person ТЕКСТ ДЕНЬ МЕСЯЦ ГОД\n"
    "                «Фамилия Имя Отчество» (слова через пробел, можно не все,\n"
    "                можно пустой текст) и дата рождения; от 2 до 6 раз, по порядку\n"
    "  --from, --to  первый и последний год (не больше 500 лет); без них — этот\n"
    "                год и ещё 20 лет, как в окне\n"
    "  --json        вывести группу одним объектом JSON: people (объект прогноза\n"
    "                каждого с его name), years (year и levels, null до рождения),\n"
    "                allHighest и allLowest\n"
    "  --lang ЯЗЫК   язык текста, JSON и страницы: ru, uk или en (по умолчанию ru)\n"
    "  --pdf ФАЙЛ    сохранить страницу в файл PDF\n"
    "  --booklet     с толкованием: тексты об общих пиках и спадах и об аспектах\n"
    "                (в тексте после группы, в PDF — страницы после первой,\n"
    "                в JSON — под ключом texts)\n"
    "  --texts ФАЙЛ  свои тексты толкований (только с --booklet)\n"
    "  --practitioner ИМЯ, --contact СТРОКА (до трёх раз), --logo ФАЙЛ\n"
    "                бланк практика на странице вместо строк программы (только с --pdf)\n");

// Which person a message is about: «Первый человек» of two, «Человек 3» of a group.
QString personText(const Options& o, int k) {
    if (o.compare) {
        return k == 0 ? QCoreApplication::translate("CompareCli", "Первый человек")
                      : QCoreApplication::translate("CompareCli", "Второй человек");
    }
    return QCoreApplication::translate("CompareCli", "Человек %1").arg(k + 1);
}

// «Фамилия Имя Отчество» after `option`: the words between blanks, each held
// to the name rules. What is wrong, or empty.
QString readNames(const QString& option, const QString& text, core::ClientNames& names) {
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.size() > 3) {
        return QCoreApplication::translate(
                   "CompareCli",
                   "После %1 нужны фамилия, имя и отчество через пробел: слов %2, "
                   "а их не больше трёх.")
            .arg(option, QString::number(words.size()));
    }
    names = {words.value(0), words.value(1), words.value(2)};
    if (const QString problem = core::clientNamesProblem(names); !problem.isEmpty()) {
        return QCoreApplication::translate("CompareCli", "После %1: %2").arg(option, problem);
    }
    return {};
}

// The options of the single forecast's modes, which these two do not take.
std::optional<QString> foreignOption(const Options& o) {
    const struct {
        bool given;
        const char* option;
    } rows[] = {
        {o.pngGiven, "--png"},
        {o.cardGiven, "--card"},
        {o.batch, "--batch"},
        {o.clientsGiven, "--clients"},
        {o.surnameGiven, "--surname"},
        {o.nameGiven, "--name"},
        {o.patronymicGiven, "--patronymic"},
        {o.markYearGiven, "--mark-year"},
        {o.sectionsGiven, "--sections"},
        {o.outlookGiven, "--outlook"},
        {o.turningGiven, "--turning"},
        {o.icsGiven, "--ics"},
        {o.changeGiven, "--change"},
        {o.compare ? o.personGiven : o.firstPersonGiven, o.compare ? "--person" : "--first-person"},
        {!o.compare && o.secondPersonGiven, "--second-person"}};
    for (const auto& row : rows) {
        if (row.given) {
            return QCoreApplication::translate("CompareCli", "С %1 нельзя указать %2.")
                .arg(o.compare ? QStringLiteral("--compare") : QStringLiteral("--group"),
                     QLatin1String(row.option));
        }
    }
    return std::nullopt;
}

// The year after --from or --to, kept in o.span: what is wrong with it, or empty.
QString readYear(bool given, const QString& text, const char* option, long long& year) {
    if (!given) {
        return {};
    }
    bool ok = false;
    year = text.toLongLong(&ok);
    if (!ok || year < 1 || year > core::kLatestSpanYear) {
        return QCoreApplication::translate("CompareCli",
                                           "Год после %1 должен быть числом от 1 до %2.")
            .arg(QLatin1String(option), QString::number(core::kLatestSpanYear));
    }
    return {};
}

// The span from --from and --to: without --from this year, without --to as
// far as a span goes from its first year.
QString readSpan(Options& o) {
    long long from = QDate::currentDate().year();
    long long to = 0;
    if (QString problem = readYear(o.fromGiven, o.fromText, "--from", from); !problem.isEmpty()) {
        return problem;
    }
    if (QString problem = readYear(o.toGiven, o.toText, "--to", to); !problem.isEmpty()) {
        return problem;
    }
    o.span = {from, o.toGiven ? to : core::YearSpan::startingIn(from).to};
    if (o.span.from > o.span.to) {
        return QCoreApplication::translate("CompareCli",
                                           "Первый год промежутка (%1) позже последнего (%2).")
            .arg(QString::number(o.span.from), QString::number(o.span.to));
    }
    if (o.span.length() > core::kLongestSpan) {
        return QCoreApplication::translate("CompareCli", "Промежуток %1–%2 длиннее %3 лет.")
            .arg(QString::number(o.span.from), QString::number(o.span.to),
                 QString::number(core::kLongestSpan));
    }
    return {};
}

// The people's names and the count of their dates.
QString readPeople(Options& o) {
    o.names.clear();
    if (o.compare) {
        if (o.positional.size() != 6) {
            return QCoreApplication::translate(
                "CompareCli",
                "Для сравнения нужны шесть значений: день, месяц и год первого "
                "человека, затем второго.");
        }
        const std::pair<bool, const QString*> given[] = {{o.firstPersonGiven, &o.firstPerson},
                                                         {o.secondPersonGiven, &o.secondPerson}};
        const char* options[] = {"--first-person", "--second-person"};
        for (int k = 0; k < 2; ++k) {
            core::ClientNames names;
            if (given[k].first) {
                if (QString problem = readNames(QLatin1String(options[k]), *given[k].second, names);
                    !problem.isEmpty()) {
                    return problem;
                }
            }
            o.names.push_back(names);
        }
        return {};
    }
    const auto count = o.personTexts.size();
    if (count < core::kGroupLeast || count > core::kGroupMost) {
        return QCoreApplication::translate(
                   "CompareCli",
                   "Для --group нужно от %1 до %2 человек, каждый после --person: "
                   "«Фамилия Имя» ДЕНЬ МЕСЯЦ ГОД; указано %3.")
            .arg(QString::number(core::kGroupLeast), QString::number(core::kGroupMost),
                 QString::number(count));
    }
    if (o.positional.size() != 3 * count) {
        return QCoreApplication::translate(
                   "CompareCli",
                   "После каждого --person нужны имя в кавычках, день, месяц и год: "
                   "для %1 человек нужно %2 значений даты, а их %3.")
            .arg(QString::number(count), QString::number(3 * count),
                 QString::number(o.positional.size()));
    }
    for (const QString& text : o.personTexts) {
        core::ClientNames names;
        if (QString problem = readNames(QStringLiteral("--person"), text, names);
            !problem.isEmpty()) {
            return problem;
        }
        o.names.push_back(names);
    }
    return {};
}

QString filesProblem(const Options& o) {
    if ((o.pdfGiven && o.pdf.isEmpty()) || (o.textsGiven && o.texts.isEmpty())) {
        return QCoreApplication::translate("CompareCli", "Имя файла после %1 не может быть пустым.")
            .arg(o.pdfGiven && o.pdf.isEmpty() ? QStringLiteral("--pdf")
                                               : QStringLiteral("--texts"));
    }
    if (o.textsGiven && !o.booklet) {
        return QCoreApplication::translate("CompareCli", "--texts нужен только с --booklet.");
    }
    if (o.letterhead && !o.pdfGiven) {
        return QCoreApplication::translate(
            "CompareCli", "--practitioner, --contact и --logo нужны только с --pdf.");
    }
    return print::letterheadTextProblem(o.practitioner, o.contacts);
}

// The group of the people on the command line, or the problem of the first
// date that cannot be calculated.
std::variant<core::Group, Problem> groupOf(const Options& o) {
    std::vector<core::GroupMember> members;
    for (int k = 0; k < int(o.names.size()); ++k) {
        auto read =
            forecastFor(o.positional[3 * k], o.positional[3 * k + 1], o.positional[3 * k + 2]);
        if (auto* problem = std::get_if<Problem>(&read)) {
            problem->text = personText(o, k) + QStringLiteral(": ") + problem->text;
            return *problem;
        }
        core::GroupMember m;
        m.person.names = o.names[std::size_t(k)];
        m.forecast = std::get<core::Forecast>(std::move(read));
        m.person.birthDate = m.forecast.date;
        m.person.language = o.language;
        members.push_back(std::move(m));
    }
    return core::makeGroup(std::move(members), o.span);
}

// The group, with its texts for --booklet, as text, --json or the --pdf
// pages. Texts that could not be read whole are told and the defaults stand
// in for them: exit 2, with everything made all the same.
int deliver(Options& o, const core::Group& g, int argc, char* argv[]) {
    QString textsProblem;
    std::vector<core::BookletBlock> texts;
    if (o.booklet) {
        texts = core::groupBlocks(g, bookletLibrary(o, &textsProblem));
    }
    if (!textsProblem.isEmpty()) {
        printErr(textsProblem + u'\n');
    }
    const int status = textsProblem.isEmpty() ? kExitForecast : kExitRefused;
    // With --pdf the file is the output; the text comes only when asked for.
    if (o.json || !o.pdfGiven) {
        const QByteArray json =
            o.compare ? core::pairJson(g, o.language) : core::groupJson(g, o.language);
        QByteArray text = core::groupText(g, o.language).toUtf8();
        if (o.booklet) {
            text += '\n' + core::blocksText(texts).toUtf8() + '\n';
        }
        if (!writeOut(o.json ? (o.booklet ? core::withTexts(json, texts) : json) + '\n' : text)) {
            return kExitUsage;
        }
    }
    if (!o.pdfGiven) {
        return status;
    }
    if (const std::optional<Problem> over = outputOverInput(o, argc, argv)) {
        printErr(over->text + u'\n');
        return over->exitCode;
    }
    const Problem drawn =
        drawGroupThroughLibrary(GroupDrawRequest{&g, o.pdf, &o, argc, argv, &texts});
    if (!drawn.text.isEmpty()) {
        printErr(drawn.text + u'\n');
    }
    return drawn.exitCode != kExitForecast ? drawn.exitCode : status;
}

}  // namespace

QString groupUsage(bool compare) {
    return QCoreApplication::translate("CompareCli", compare ? kCompareUsage : kGroupUsage);
}

std::optional<Problem> groupOptionsProblem(Options& o) {
    const auto refuse = [](const QString& text) { return Problem{kExitUsage, text}; };
    if (o.compare && o.group) {
        return refuse(QCoreApplication::translate("CompareCli",
                                                  "--compare и --group нельзя указать вместе."));
    }
    if (const std::optional<QString> foreign = foreignOption(o)) {
        return refuse(*foreign);
    }
    if (std::optional<Problem> problem = readLanguage(o)) {
        return problem;
    }
    for (QString (*read)(Options&) : {&readPeople, &readSpan}) {
        if (const QString problem = read(o); !problem.isEmpty()) {
            return refuse(problem);
        }
    }
    if (const QString problem = filesProblem(o); !problem.isEmpty()) {
        return refuse(problem);
    }
    return std::nullopt;
}

int runGroup(Options& o, int argc, char* argv[]) {
    auto group = groupOf(o);
    if (const auto* problem = std::get_if<Problem>(&group)) {
        if (problem->exitCode == kExitUsage) {
            printErr(problem->text + u'\n' + groupUsage(o.compare));
        } else {
            printErr(problem->text + u'\n');
        }
        return problem->exitCode;
    }
    return deliver(o, std::get<core::Group>(group), argc, argv);
}

}  // namespace companion
