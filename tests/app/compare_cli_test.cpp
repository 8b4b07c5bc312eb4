#include <gtest/gtest.h>

#include "pdf_text.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CompareRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

CompareRun companion(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZEMTAR_FORECAST_EXE), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

QStringList compareArgs(const QStringList& extra) {
    return QStringList{QStringLiteral("--compare"), QStringLiteral("23"), QStringLiteral("8"),
                       QStringLiteral("1975"),      QStringLiteral("5"),  QStringLiteral("5"),
                       QStringLiteral("1990")} +
           extra;
}

}  // namespace

TEST(CompanionCompare, JsonHoldsTheSingleRunsObjectsAndTheDefaultSpan) {
    const CompareRun r = companion(compareArgs({QStringLiteral("--json")}));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    const CompareRun single = companion({QStringLiteral("--json"), QStringLiteral("23"),
                                         QStringLiteral("8"), QStringLiteral("1975")});
    EXPECT_EQ(o[QStringLiteral("first")].toObject(), QJsonDocument::fromJson(single.out).object());
    // This year and the twenty after it, as the comparison window spans.
    const int thisYear = QDate::currentDate().year();
    const QJsonArray years = o[QStringLiteral("years")].toArray();
    ASSERT_EQ(years.size(), 21);
    EXPECT_EQ(years.first().toObject()[QStringLiteral("year")].toInt(), thisYear);
    EXPECT_EQ(years.last().toObject()[QStringLiteral("year")].toInt(), thisYear + 20);
    EXPECT_TRUE(o[QStringLiteral("bothHighest")].isArray());
}

TEST(CompanionCompare, RefusalsAndUsageErrors) {
    const struct {
        QStringList args;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"--compare", "23", "8", "1975", "5", "5", "0"}, 2, "Второй человек"},
        {{"--compare", "32", "8", "1975", "5", "5", "1990"}, 2, "Первый человек"},
        {{"--compare", "23", "8", "1975", "31", "4", "1990"},
         2,
         "Второй человек: Такой даты нет: 31 апреля 1990 года."},
        {compareArgs({"--from", "2000", "--to", "1999"}), 1, "позже"},
        {compareArgs({"--from", "2000", "--to", "2500"}), 1, "500"},
        {compareArgs({"--from", "2000", "--to", "2499"}), 0, ""},
        {{"--compare", "23", "8", "1975"}, 1, "шесть значений"},
        {compareArgs({"--first-person", "Волков Игорь Петрович Второй"}), 1, "не больше трёх"},
        {compareArgs({"--second-person", "Волкова\u202EМария"}), 1,
         "После --second-person: В поле «Фамилия» есть знак смены направления"},
        {compareArgs({"--second-person=Ааааааааааааааааааааааааааа"}), 1, "длиннее 25"},
        {compareArgs({"--first-person"}), 1, "нужно значение"},
        {compareArgs({"--practitioner", "Анна"}), 1, "только с --pdf"},
        {compareArgs({"--pdf", "/tmp/x.pdf", "--practitioner"}), 1, "нужно значение"},
        {compareArgs({"--pdf", "/tmp/x.pdf", "--practitioner", "Анна\u202E"}), 1, "направления"},
        {compareArgs({"--texts", "/tmp/t.txt"}), 1, "только с --booklet"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CompareRun r = companion(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_EQ(r.out.isEmpty(), c.exitCode != 0);
    }
}

TEST(CompanionCompare, TextNamesBothPeopleAndEveryYear) {
    const CompareRun r = companion(compareArgs(
        {"--from", "1989", "--to", "1991", "--first-person", "  Волков  Игорь Петрович "}));
    ASSERT_EQ(r.exitCode, 0);
    const QString text = QString::fromUtf8(r.out);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Первый: Волков Игорь Петрович, 23 Август 1975,")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nВторой: 5 Май 1990,")));
    EXPECT_TRUE(text.contains(QStringLiteral("  1989      4      —")));
    EXPECT_TRUE(text.contains(QStringLiteral("  1991      5      0")));
    // Without --to the span ends no later than --to may.
    const QString last = QString::fromUtf8(companion(compareArgs({"--from", "99990"})).out);
    EXPECT_TRUE(last.contains(QStringLiteral("\n 99999 "))) << last.toStdString();
    EXPECT_FALSE(last.contains(QStringLiteral("100000")));
}

TEST(CompanionCompare, PageGoesToTheFileOrTheReasonIsTold) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("c.pdf"));
    const CompareRun written =
        companion(compareArgs({"--pdf", pdf, "--second-person=Волкова Мария"}));
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_TRUE(written.out.isEmpty()) << "the file is the output";
    if (kPdfTextReadable) {
        const QString page = pdfText(pdf);
        EXPECT_TRUE(
            page.contains(QStringLiteral("Второй: Волкова Мария, дата рождения 5 Май 1990г.")))
            << page.toStdString();
        EXPECT_TRUE(page.contains(QStringLiteral("Аспекты у обоих: Биополе, Связь с землёй")))
            << page.toStdString();
    }

    const CompareRun unwritable =
        companion(compareArgs({QStringLiteral("--pdf"), QStringLiteral("/nonexistent/c.pdf")}));
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains(QDir::toNativeSeparators("/nonexistent/c.pdf")))
        << unwritable.err.toStdString();
}

// With the letterhead options the page carries the practitioner's head in
// place of the program's, as the report does; a logo that cannot be read
// leaves the rest of it and is told.
TEST(CompanionCompare, PageCarriesTheLetterhead) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("c.pdf"));
    const QString notPicture = dir.filePath(QStringLiteral("logo.png"));
    QFile bad(notPicture);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    const struct {
        QStringList extra;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"--practitioner", "Анна Сергеевна", "--contact", "+7 900 000-00-00"}, 0, ""},
        {{"--practitioner=Анна Сергеевна", "--logo", notPicture}, 2, "без логотипа"},
    };
    for (const auto& c : cases) {
        const CompareRun r = companion(compareArgs(QStringList{"--pdf", pdf} + c.extra));
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_TRUE(QFileInfo::exists(pdf));
        if (kPdfTextReadable) {
            const QString page = pdfText(pdf);
            EXPECT_TRUE(page.contains(QStringLiteral("Анна Сергеевна"))) << page.toStdString();
            EXPECT_FALSE(page.contains(QStringLiteral("E-Mail"))) << page.toStdString();
            EXPECT_TRUE(page.contains(QStringLiteral("Сравнение двух прогнозов")));
        }
        QFile::remove(pdf);
    }
}

// --booklet adds the pair's texts: after the comparison in the text, under
// "texts" in the JSON, on pages after the comparison's in the PDF; texts
// that cannot be read are told and the program's own stand in (exit 2), while
// an earlier version's entries the program no longer has pass without a word.
TEST(CompanionCompare, BookletAddsThePairsTexts) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("пара.pdf"));
    const QString damaged = dir.filePath(QStringLiteral("тексты.txt"));
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "zemtar-texts 1 ru\n[pair.aspect-both]\nстарое\n[pair.nothing]\nx\n"
        "[pair.aspect.1.both]\nУ вас обоих: {аспект}.\n");
    f.close();
    const struct {
        QStringList args;
        int exitCode;
        const char* out;  // in standard output, or in the PDF's text
    } rows[] = {
        {{"--booklet", "--first-person", "Волков Игорь"},
         0,
         "Вы вдвоём: Волков Игорь и 5 мая 1990 г."},
        {{"--booklet", "--texts", damaged}, 2, "У вас обоих: Биополе."},
        {{"--booklet", "--json"}, 0, "\"pair.aspect.1.both\":"},
        {{"--booklet", "--pdf", pdf}, 0, "Страница 2 из"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.args.join(u' ').toStdString());
        const CompareRun run = companion(compareArgs(r.args));
        EXPECT_EQ(run.exitCode, r.exitCode) << run.err.toStdString();
        const bool onPage = r.args.contains("--pdf");
        const QString out = onPage ? pdfText(pdf) : QString::fromUtf8(run.out);
        if (!onPage || kPdfTextReadable) {
            EXPECT_TRUE(out.contains(QString::fromUtf8(r.out))) << out.toStdString();
        } else {
            EXPECT_TRUE(QFileInfo::exists(pdf));
        }
        EXPECT_EQ(run.err.contains(QStringLiteral("строка 4")), r.exitCode == 2)
            << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QStringLiteral("строка 2"))) << run.err.toStdString();
    }
}

// What --compare wrote before the comparison became a group, kept byte for
// byte: scripts read these outputs. Each row's file under compare_outputs/
// holds the standard output of the row's command line as it was then.
TEST(CompanionCompare, OutputsStayByteForByte) {
    const struct {
        const char* file;
        QStringList args;
    } rows[] = {
        {"family-parents",
         {"--compare", "23", "8", "1975", "5", "4", "1978", "--from", "2020", "--to", "2045"}},
        {"family-parents-json",
         {"--compare", "23", "8", "1975", "5", "4", "1978", "--from", "2020", "--to", "2045",
          "--json"}},
        {"family-children",
         {"--compare", "12", "12", "2005", "1", "6", "2010", "--from", "2000", "--to", "2030"}},
        {"family-children-json",
         {"--compare", "12", "12", "2005", "1", "6", "2010", "--from", "2000", "--to", "2030",
          "--json"}},
        {"far-years",
         {"--compare", "1", "1", "1", "31", "12", "9999", "--from", "9990", "--to", "10040"}},
        {"far-years-json",
         {"--compare", "1", "1", "1", "31", "12", "9999", "--from", "9990", "--to", "10040",
          "--json"}},
        {"leap-and-old",
         {"--compare", "29", "2", "2000", "1", "1", "1900", "--from", "1890", "--to", "1920",
          "--json"}},
        {"named",
         {"--compare", "23", "8", "1975", "5", "5", "1990", "--from", "1989", "--to", "1999",
          "--first-person", "Волков Игорь Петрович", "--second-person", "Волкова Мария"}},
        {"named-json",
         {"--compare", "23", "8", "1975", "5", "5", "1990", "--from", "1989", "--to", "1999",
          "--first-person=Волков Игорь Петрович", "--json"}},
        {"month-names",
         {"--compare", "23", "Август", "1975", "5", "мая", "1990", "--from", "2026", "--to",
          "2030"}},
        {"short-year",
         {"--compare", "5", "4", "078", "1", "6", "2010", "--to", "2040", "--from", "2019"}},
        {"ukrainian",
         {"--compare", "23", "8", "1975", "5", "4", "1978", "--from", "2020", "--to", "2045",
          "--lang", "uk"}},
        {"english-json",
         {"--compare", "23", "8", "1975", "5", "4", "1978", "--from", "2020", "--to", "2045",
          "--lang", "en", "--json"}},
        {"booklet",
         {"--compare", "23", "8", "1975", "5", "4", "1978", "--from", "2020", "--to", "2045",
          "--booklet"}},
        {"booklet-json",
         {"--compare", "23", "8", "1975", "5", "4", "1978", "--from", "2020", "--to", "2045",
          "--booklet", "--json"}},
        {"booklet-en",
         {"--compare", "12", "12", "2005", "1", "6", "2010", "--from", "2020", "--to", "2040",
          "--booklet", "--lang", "en", "--first-person", "Smith Anna"}},
        {"booklet-uk-json",
         {"--compare", "12", "12", "2005", "1", "6", "2010", "--from", "2020", "--to", "2040",
          "--booklet", "--lang", "uk", "--json"}},
        {"one-year", {"--compare", "1", "1", "1", "1", "1", "2", "--from", "1", "--to", "1"}},
        {"option-first",
         {"--from", "2030", "--to", "2032", "--compare", "7", "7", "1977", "8", "8", "1988"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        QFile expected(QStringLiteral(ZEMTAR_COMPARE_OUTPUTS "/%1.out").arg(row.file));
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
        const CompareRun r = companion(row.args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, expected.readAll());
    }
}

namespace {

// A family of four for --group, then `extra`.
QStringList familyArgs(const QStringList& extra) {
    return QStringList{"--group",
                       "--person",
                       "Волков Игорь",
                       "23",
                       "8",
                       "1975",
                       "--person",
                       "Волкова Мария",
                       "5",
                       "4",
                       "1978",
                       "--person",
                       "",
                       "12",
                       "12",
                       "2005",
                       "--person",
                       "Волкова Оля",
                       "1",
                       "6",
                       "2010"} +
           extra;
}

}  // namespace

// --group: the JSON is one object, people (each the single run's object with
// its name), years with one level a person (null before a birth), allHighest
// and allLowest; the text names everyone and who has the aspects only some
// have; two people read as --compare does.
TEST(CompanionGroup, JsonTextAndPageOfAFamily) {
    const CompareRun json = companion(familyArgs({"--from", "2004", "--to", "2030", "--json"}));
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(o.keys(), (QStringList{"allHighest", "allLowest", "people", "years"}));
    const QJsonArray people = o[QStringLiteral("people")].toArray();
    ASSERT_EQ(people.size(), 4);
    QJsonObject first = people[0].toObject();
    EXPECT_EQ(first.take(QStringLiteral("name")).toString(), QStringLiteral("Волков Игорь"));
    EXPECT_EQ(first,
              QJsonDocument::fromJson(companion({"--json", "23", "8", "1975"}).out).object());
    EXPECT_EQ(people[2].toObject()[QStringLiteral("name")].toString(), QString());
    const QJsonArray years = o[QStringLiteral("years")].toArray();
    ASSERT_EQ(years.size(), 27);
    const QJsonArray levels = years[0].toObject()[QStringLiteral("levels")].toArray();
    ASSERT_EQ(levels.size(), 4);
    EXPECT_TRUE(levels[2].isNull() && levels[3].isNull());
    EXPECT_FALSE(levels[0].isNull());

    const QString text =
        QString::fromUtf8(companion(familyArgs({"--from", "2026", "--to", "2028"})).out);
    EXPECT_TRUE(text.startsWith(QStringLiteral("1: Волков Игорь, 23 Август 1975,")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n3: 12 Декабрь 2005,")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  Работа — Волкова Мария, 12 Декабрь 2005\n")));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("семья.pdf"));
    const CompareRun page = companion(familyArgs({"--pdf", pdf, "--booklet", "--lang", "en"}));
    ASSERT_EQ(page.exitCode, 0) << page.err.toStdString();
    EXPECT_TRUE(page.out.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(pdf));
    if (kPdfTextReadable) {
        const QString pages = pdfText(pdf);
        EXPECT_TRUE(pages.contains(QStringLiteral("Forecasts together"))) << pages.toStdString();
        EXPECT_TRUE(
            pages.contains(QStringLiteral("All of you together: Волков Игорь, Волкова Мария")));
    }

    // Two people: the comparison's text, the group's JSON.
    const QStringList two{"--group", "--person", "",     "23",     "8",    "1975", "--person", "",
                          "5",       "5",        "1990", "--from", "1989", "--to", "1999"};
    EXPECT_EQ(companion(two).out, companion(compareArgs({"--from", "1989", "--to", "1999"})).out);
    EXPECT_TRUE(companion(two + QStringList{"--json"}).out.startsWith("{\"allHighest\":"));
}

TEST(CompanionGroup, RefusalsAndUsageErrors) {
    const QStringList one{"--group", "--person", "Волков", "23", "8", "1975"};
    const struct {
        QStringList args;
        int exitCode;
        const char* says;
    } cases[] = {
        {one, 1, "от 2 до 6 человек"},
        {familyArgs({"--person", "А", "1", "1", "2000", "--person", "Б", "2", "2", "2000",
                     "--person", "В", "3", "3", "2000"}),
         1, "указано 7"},
        {familyArgs({"7"}), 1, "для 4 человек нужно 12 значений даты, а их 13"},
        {familyArgs({"--person", "А Б В Г", "1", "1", "2000"}), 1, "не больше трёх"},
        {familyArgs({"--first-person", "А"}), 1, "С --group нельзя указать --first-person."},
        {familyArgs({"--compare"}), 1, "нельзя указать вместе"},
        {familyArgs({"--png", "x.png"}), 1, "С --group нельзя указать --png."},
        {familyArgs({"--from", "2030", "--to", "2020"}), 1, "позже"},
        {QStringList{"--group", "--person", "А", "23", "8", "1975", "--person", "Б", "31", "4",
                     "1990"},
         2, "Человек 2: Такой даты нет: 31 апреля 1990 года."},
        {{"--person", "А", "23", "8", "1975"}, 1, "--person нужен только с --compare или --group."},
        {compareArgs({"--person", "А"}), 1, "С --compare нельзя указать --person."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CompareRun r = companion(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const CompareRun help = companion({"--group", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--person"));
}
