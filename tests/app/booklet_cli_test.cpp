#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct BookletRun {
    int exitCode = -1;
    QString out;
    QString err;
};

BookletRun booklet(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZEMTAR_FORECAST_EXE), QStringList{QStringLiteral("--booklet")} + args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

// Wrong choices are refused before anything is made; texts that cannot be
// read whole are named by file and line, and the booklet is still made from
// what was read and the program's own texts, with exit code 2.
TEST(CompanionBooklet, RefusalsAndDamagedTexts) {
    QTemporaryDir dir;
    const QString texts = dir.filePath(QStringLiteral("мои тексты.txt"));
    QFile f(texts);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("zemtar-texts 1 ru\n[shape.peak]\nМоя вершина.\n[aspect.12.1]\nлишнее\n");
    f.close();
    const struct {
        QStringList args;
        int exitCode;
        const char* err;  // in standard error
        const char* out;  // in standard output; null: nothing there
    } rows[] = {
        {{"--sections", "aspects,stars", "1", "1", "1975"}, 1, "«stars»", nullptr},
        {{"--sections", "", "1", "1", "1975"}, 1, "ни один раздел", nullptr},
        {{"--outlook", "0", "1", "1", "1975"}, 1, "от 1 до 30", nullptr},
        {{"--outlook", "31", "1", "1", "1975"}, 1, "от 1 до 30", nullptr},
        {{"--texts", texts, "--sections", "years", "--outlook", "30", "--mark-year", "2026", "1",
          "1", "1975"},
         2,
         "строка 4",
         "Моя вершина."},
        {{"--texts", dir.filePath("нет.txt"), "1", "1", "1975"}, 2, "нет.txt", "Ваш цикл"},
        {{"--sections", "happiness", "--name", "Ольга", "1", "1", "2010"},
         0,
         "",
         "Здравствуйте, Ольга!"},
        {{"--lang", "xx", "1", "1", "1975"},
         1,
         "Неизвестный язык отчёта: xx. Известны: ru, uk, en.",
         nullptr},
        {{"--lang", "en", "--texts", texts, "1", "1", "1975"}, 2, "на языке ru", "Your cycle"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.args.join(u' ').toStdString());
        const BookletRun run = booklet(r.args);
        EXPECT_EQ(run.exitCode, r.exitCode);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(r.err))) << run.err.toStdString();
        if (r.out) {
            EXPECT_TRUE(run.out.contains(QString::fromUtf8(r.out))) << run.out.toStdString();
        } else {
            EXPECT_TRUE(run.out.isEmpty());
        }
    }
    EXPECT_EQ(booklet({}).exitCode, 1) << "a booklet needs a date";
}

// A message that quotes a texts file shows its control characters by their
// codes: none of them reaches the terminal, where ESC would colour the
// screen or move the cursor.
TEST(CompanionBooklet, NoControlCharacterOfAFileReachesTheTerminal) {
    QTemporaryDir dir;
    const QString texts = dir.filePath(QStringLiteral("esc.txt"));
    QFile f(texts);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "zemtar-texts 1 ru\n[bad\x1b[31mRED\x07 \xc2\x9b"
        "2J]\nтекст\n");
    f.close();
    QProcess p;
    p.start(QStringLiteral(ZEMTAR_FORECAST_EXE),
            {QStringLiteral("--booklet"), QStringLiteral("--texts"), texts, "1", "1", "1975"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QByteArray err = p.readAllStandardError();
    EXPECT_EQ(p.exitCode(), 2);
    for (const char control : {'\x1b', '\x07', '\r'}) {
        EXPECT_FALSE(err.contains(control)) << int(control);
    }
    EXPECT_FALSE(err.contains("\xc2\x9b"));
    EXPECT_TRUE(err.contains(QByteArrayLiteral("[bad\\x1b[31mRED\\x07 \\x9b2J")))
        << err.toStdString();
}

// Whom the booklet speaks to: the greeting as --address gives it, or as the
// name's language calls the person; the texts of the gender --gender or the
// patronymic tells; a child under fourteen by today's date addressed to the
// parents, from the fourteenth birthday on the client. 13.05.1971 has Любовь
// at level 1, whose text has a woman's and a man's variant.
TEST(CompanionBooklet, SpeaksToThisPerson) {
    const QDate today = QDate::currentDate();
    const auto born = [&today](int daysAfterToday) {
        const QDate d = today.addYears(-14).addDays(daysAfterToday);
        return QStringList{QString::number(d.day()), QString::number(d.month()),
                           QString::number(d.year())};
    };
    const QStringList love{"--sections", "aspects", "13", "5", "1971"};
    const struct {
        QStringList args;
        int exitCode;
        const char* says;  // in standard output, or in standard error when refused
        const char* never;
    } rows[] = {
        {QStringList{"--lang", "uk", "--name", "Андрій", "--patronymic", "Петрович"} + love, 0,
         "Вітаю, Андрію Петровичу!", "Вітаю, Андрій"},
        {QStringList{"--lang", "uk", "--name", "Андрій", "--address", " Андрійку "} + love, 0,
         "Вітаю, Андрійку!", "Андрію"},
        {QStringList{"--name", "Мария", "--patronymic", "Ивановна"} + love, 0, "верной подругой",
         "верным другом"},
        {QStringList{"--name", "Саша", "--gender", "m"} + love, 0, "верным другом",
         "верной подругой"},
        {QStringList{"--gender", "x"} + love, 1, "--gender", "Здравствуйте"},
        {QStringList{"--name", "Аня"} + born(1), 0, "для вас, родителей", "Здравствуйте, Аня"},
        {QStringList{"--name", "Аня"} + born(0), 0, "Здравствуйте, Аня!", "родителей"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.args.join(u' ').toStdString());
        const BookletRun run = booklet(r.args);
        EXPECT_EQ(run.exitCode, r.exitCode) << run.err.toStdString();
        const QString& said = r.exitCode == 0 ? run.out : run.err;
        EXPECT_TRUE(said.contains(QString::fromUtf8(r.says))) << said.toStdString();
        EXPECT_FALSE(run.out.contains(QString::fromUtf8(r.never)));
    }
}

TEST(CompanionBooklet, JsonAddsTheChosenTextsUnderTheirKeys) {
    const BookletRun run = booklet({"--json", "--sections", "happiness", "1", "1", "1975"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject all = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(all.value("lifeNumber").toInt(), 199475);
    const QJsonObject texts = all.value("texts").toObject();
    EXPECT_TRUE(texts.contains("opening") && texts.contains("notice"));
    EXPECT_FALSE(texts.contains("shape.peak")) << "the outlook was left out";
    EXPECT_TRUE(texts.contains("happiness.2") || texts.contains("happiness.1") ||
                texts.contains("happiness.3") || texts.contains("happiness.4"));
}

// Every output follows --lang, in any case, and nothing of it follows the
// machine's locale; without --lang it is Russian.
TEST(CompanionLanguage, OutputsFollowLangWhateverTheLocale) {
    const struct {
        QStringList lang;
        const char* text;     // in the figures as text
        const char* booklet;  // in the booklet's words
        const char* json;     // the fifth aspect's name in JSON
    } cases[] = {
        {{}, "Дата рождения: 5 Май 1990\n", "Дата рождения: 5 мая 1990 г.", "Любовь"},
        {{"--lang", "UK"}, "Дата народження: 5 травня 1990 р.\n", "Найближчі роки", "Любов"},
        {{"--lang", "en"}, "  5 Love: ", "Date of birth: 5 May 1990", "Love"},
    };
    for (const char* locale : {"C", "de_DE.UTF-8", "ru_RU.UTF-8"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(locale) + " " + c.lang.join(u' ').toStdString());
            const auto run = [locale, &c](const QStringList& args) {
                QProcess p;
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
                env.remove(QStringLiteral("LC_ALL"));
                p.setProcessEnvironment(env);
                p.start(QStringLiteral(ZEMTAR_FORECAST_EXE),
                        c.lang + args + QStringList{"5", "5", "1990"});
                EXPECT_TRUE(p.waitForFinished(30000));
                EXPECT_EQ(p.exitCode(), 0);
                return QString::fromUtf8(p.readAllStandardOutput());
            };
            EXPECT_TRUE(run({}).contains(QString::fromUtf8(c.text)));
            EXPECT_TRUE(run({"--booklet"}).contains(QString::fromUtf8(c.booklet)));
            const QJsonObject love = QJsonDocument::fromJson(run({"--json"}).toUtf8())
                                         .object()
                                         .value("aspects")
                                         .toArray()
                                         .at(4)
                                         .toObject();
            EXPECT_EQ(love.value("name").toString(), QString::fromUtf8(c.json));
        }
    }
}
