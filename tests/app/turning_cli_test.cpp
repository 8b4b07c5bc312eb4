#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "calendar_reader.h"
#include "core/turning.h"

namespace {

struct TurningRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

TurningRun runTurning(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral(ZEMTAR_FORECAST_EXE), args);
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

// A list of random clients, two rows of it unreadable: one JSON object per
// client whose own forecast turns in the year, in the list's order, each
// named by its line; the rows left out are told and give exit 2.
TEST(CompanionTurning, ListsTheClientsWhoseForecastTurns) {
    std::mt19937 random(1975);
    QByteArray list = "Фамилия;Имя;Отчество;День;Месяц;Год\r\n";
    std::vector<std::pair<core::BirthDate, QString>> rows;  // by line - 2
    for (int k = 0; k < 300; ++k) {
        const core::BirthDate born{int(random() % 28 + 1), int(random() % 12),
                                   QString::number(1930 + random() % 110)};
        const QString surname = k % 50 == 0 ? QString() : QStringLiteral("Ф\"%1;").arg(k);
        rows.emplace_back(born, surname);
        // Quoted as spreadsheets quote a field with «"» and «;».
        const QString field =
            surname.isEmpty() ? QString() : u'"' + QString(surname).replace("\"", "\"\"") + u'"';
        list += (field + QStringLiteral(";Анна;;%1;%2;%3\r\n")
                             .arg(born.day)
                             .arg(born.monthIndex + 1)
                             .arg(born.year))
                    .toUtf8();
    }
    list += "Сидоров;;;31;2;1980\r\n";
    for (const int least : {3, 1}) {
        const TurningRun run = runTurning(
            {"--turning", "2027", "--clients", "-", "--json", "--change", QString::number(least)},
            list);
        EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Строка 302 стандартного ввода пропущена")));
        QByteArray expected;
        for (size_t k = 0; k < rows.size(); ++k) {
            const auto f = std::get<core::Forecast>(core::calculate(rows[k].first));
            if (const auto t = core::turningYear(f, 2027, least)) {
                QJsonObject o{{"line", int(k) + 2},
                              {"name", rows[k].second.isEmpty() ? QStringLiteral("Анна")
                                                                : rows[k].second + " Анна"},
                              {"level", t->level},
                              {"turn", core::turnCode(t->turn)}};
                expected += QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
            }
        }
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(run.out, expected) << least;
    }
}

TEST(CompanionTurning, TextInTheListsLanguage) {
    const QByteArray list =
        "Фамилия;Имя;Отчество;Дата рождения\nПетрова;Мария;;23.08.1975\n"
        "Внук;;;01.01.2030\n";  // born after the year: not listed
    TurningRun run = runTurning({"--turning", "2027", "--clients", "-"}, list);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("2: Петрова Мария, 23.08.1975 — уровень 8, пик\n").toUtf8());
    run = runTurning({"--turning", "2027", "--clients", "-", "--lang", "en"}, list);
    EXPECT_EQ(run.out, QByteArray("2: Петрова Мария, 23.08.1975 — level 8, peak\n"));
}

// One person's calendar: the events of the turning years of the ten after
// --mark-year, read back as a calendar program reads them.
TEST(CompanionTurning, CalendarOfOnePerson) {
    QTemporaryDir dir;
    const QString ics = dir.filePath("годы.ics");
    const TurningRun run = runTurning({"--ics", ics, "--surname", "Петрова", "--name", "Мария",
                                       "--mark-year", "2026", "--lang", "uk", "23", "8", "1975"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    QFile file(ics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const CalendarReading r = readCalendar(file.readAll());
    ASSERT_TRUE(r.fault.isEmpty()) << r.fault.toStdString();
    const core::Forecast f = std::get<core::Forecast>(core::calculate({23, 7, "1975"}));
    const std::vector<core::TurningYear> years = core::turningYears(f, 2027, 2036);
    ASSERT_EQ(r.all("DTSTART").size(), years.size());
    EXPECT_EQ(r.all("DTSTART").front()->value,
              QString::number(years.front().year) + QStringLiteral("0101"));
    EXPECT_TRUE(r.all("SUMMARY").front()->value.startsWith(QStringLiteral("Поворотний рік")));
    EXPECT_TRUE(r.all("X-WR-CALNAME").front()->value.contains(QStringLiteral("Петрова")));
}

// Each row: the arguments, the exit code and what standard error says; no
// calendar file is left behind by a refusal.
TEST(CompanionTurning, Refusals) {
    QTemporaryDir dir;
    const QString ics = dir.filePath("c.ics");
    const QString list = dir.filePath("list.csv");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Фамилия;Имя;Отчество;Дата рождения\nА;Б;В;01.01.1960\n");
    file.close();
    const struct {
        QStringList args;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"--turning", "0", "--clients", list}, 1, "с 1 по 9999"},
        {{"--turning", "10000", "--clients", list}, 1, "с 1 по 9999"},
        {{"--turning", "год", "--clients", list}, 1, "«год»"},
        {{"--turning", "2027"}, 1, "нужен --clients"},
        {{"--turning", "2027", "--clients", list, "--pdf", "x.pdf"}, 1, "нельзя указать --pdf"},
        {{"--turning", "2027", "--clients", list, "23", "8", "1975"}, 1, "не нужна"},
        {{"--turning", "2027", "--clients", list, "--change", "0"}, 1, "от 1 до 9"},
        {{"--turning", "2027", "--clients", dir.filePath("нет.csv")}, 1, "не существует"},
        {{"--turning", "2027", "--ics", ics, "--clients", list}, 1, "нельзя указать --ics"},
        {{"--change", "3", "23", "8", "1975"}, 1, "только с --turning или --ics"},
        {{"--ics", ics, "23", "8"}, 1, "три значения"},
        {{"--ics", "", "23", "8", "1975"}, 1, "не может быть пустым"},
        {{"--ics", ics, "--json", "23", "8", "1975"}, 1, "нельзя указать --json"},
        {{"--ics", ics, "--mark-year", "12000", "23", "8", "1975"}, 1, "--mark-year"},
        {{"--ics", ics, "31", "2", "1980"}, 2, "Такой даты нет"},
        {{"--ics", ics, "--mark-year", "2026", "1", "1", "2100"}, 2, "нет событий"},
        {{"--ics", list, "--texts", list, "23", "8", "1975"}, 1, "тот же, что читается"},
        {{"--compare", "1", "1", "1990", "2", "2", "1991", "--turning", "2027"},
         1,
         "нельзя указать --turning"},
    };
    for (const auto& c : cases) {
        const TurningRun run = runTurning(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << what << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.says))) << what << "\n"
                                                                 << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(ics)) << what;
    }
}
