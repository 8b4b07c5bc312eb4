#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ProcessRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ProcessRun forecast(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZEMTAR_FORECAST_EXE), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

TEST(Companion, JsonForWorkedExamples) {
    const struct {
        QStringList args;
        double lifeNumber;
        const char* happiness;
        int max, min;
    } cases[] = {
        {{"5", "5", "1990"}, 1004950, "15%", 9, 0},
        {{"23", "Август", "1975"}, 4558300, "72%", 8, 0},
        {{"1", "январь", "100"}, 10100, "17%", 1, 0},
        {{"31", "12", "9999"}, 31116888, "49%", 8, 1},
        {{"1", "1", "1"}, 101, "1%", 1, 0},
        // Month names in any case and in the genitive, as the book's files have them.
        {{"23", "августа", "1975"}, 4558300, "72%", 8, 0},
        {{"5", "МАЯ", "1990"}, 1004950, "15%", 9, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ProcessRun r = forecast(QStringList{QStringLiteral("--json")} << c.args);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        EXPECT_EQ(o[QStringLiteral("lifeNumber")].toDouble(), c.lifeNumber);
        EXPECT_EQ(o[QStringLiteral("happiness")].toString(), QString::fromLatin1(c.happiness));
        EXPECT_EQ(o[QStringLiteral("max")].toInt(), c.max);
        EXPECT_EQ(o[QStringLiteral("min")].toInt(), c.min);
        EXPECT_EQ(o[QStringLiteral("axisColors")].toArray().size(), 10);
        EXPECT_EQ(o[QStringLiteral("years")].toArray().size(), 10);
        EXPECT_EQ(o[QStringLiteral("aspects")].toArray().size(), 9);
        EXPECT_EQ(o[QStringLiteral("segments")].toArray().size(), 16);
        EXPECT_EQ(o[QStringLiteral("curve")].toArray().size(),
                  o[QStringLiteral("digitCount")].toInt());
        EXPECT_EQ(o[QStringLiteral("digits")].toString(), QString::number(c.lifeNumber, 'f', 0));
    }
}

TEST(Companion, ExitStatusTellsForecastRefusalAndUsage) {
    // 25 letters «й», each typed as «и» and a breve: 50 code units, 25 seen.
    const QString decomposed = QString::fromUtf8("\u0438\u0306").repeated(25);
    const struct {
        QStringList args;
        int exitCode;
        const char* stderrHas;
    } cases[] = {
        {{"23", "8", "1975"}, 0, ""},
        {{"23", "8", "19a0"}, 2, "Год рождения нужно ввести цифрами"},
        {{"23", "8", ""}, 2, "Год рождения нужно ввести цифрами"},
        // The year box would put 1990 in their place: never a forecast for another year.
        {{"23", "8", "0"}, 2, "вне диапазона"},
        {{"23", "8", "-5"}, 2, "вне диапазона"},
        {{"23", "8", "1e9"}, 2, "вне диапазона"},
        {{"23", "8", ".5"}, 2, "вне диапазона"},
        // Qt's own options are not taken from our arguments.
        {{"-platform", "bogus", "5", "5", "1990"}, 1, "-platform"},
        {{"-reverse", "5", "5", "1990"}, 1, "-reverse"},
        {{"--png", "", "5", "5", "1990"}, 1, "--png"},
        {{"--pdf", "", "5", "5", "1990"}, 1, "--pdf"},
        {{"--surname", "Ааааааааааааааааааааааааааа", "5", "5", "1990"}, 1, "Фамилия"},
        {{"--name", "Ааааааааааааааааааааа", "5", "5", "1990"}, 1, "Имя"},
        {{"--surname", decomposed, "5", "5", "1990"}, 0, ""},
        {{"--patronymic", "Петро\nвна", "5", "5", "1990"}, 1, "управляющий"},
        // Every field of the date is refused alike: exit 2 and one line.
        {{"32", "8", "1975"}, 2, "День рождения — число от 1 до 31, а не 32."},
        {{"0", "8", "1975"}, 2, "День «0»"},
        {{"x", "8", "1975"}, 2, "День «x»"},
        {{"23", "13", "1975"}, 2, "Месяц «13»"},
        {{"23", "0", "1975"}, 2, "Месяц «0»"},
        {{"23", "Авгус", "1975"}, 2, "Месяц «Авгус»"},
        {{"23", "8", "19755"}, 2, "4 символов"},
        {{"23", "Августа", "1975"}, 0, ""},
        {{"29", "2", "2023"}, 2, "Такой даты нет: 29 февраля 2023 года."},
        {{"29", "февраля", "1996"}, 0, ""},
        {{"23", "8"}, 1, "Использование"},
        {{"--bogus", "23", "8", "1975"}, 1, "--bogus"},
        {{"--png"}, 1, "--png"},
        {{"--practitioner", "Анна", "5", "5", "1990"}, 1, "только с --pdf"},
        {{"--pdf", "never.pdf", "--contact", "1", "--contact", "2", "--contact", "3", "--contact",
          "4", "5", "5", "1990"},
         1,
         "не больше трёх строк"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ProcessRun r = forecast(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.stderrHas))) << r.err.toStdString();
        if (c.exitCode == 0) {
            EXPECT_TRUE(QString::fromUtf8(r.out).contains(QStringLiteral("Процент счастья")));
        } else {
            EXPECT_TRUE(r.out.isEmpty());
        }
        if (c.exitCode == 2) {
            EXPECT_EQ(r.err.count(u'\n'), 1);
            EXPECT_FALSE(r.err.contains(QStringLiteral("Использование")));
        }
    }
}

TEST(Companion, WritesTheWindowPictureAndTheReport) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("w.png"));
    const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
    const ProcessRun r =
        forecast({QStringLiteral("--png"), png, QStringLiteral("--pdf"), pdf,
                  QStringLiteral("--surname"), QStringLiteral("Иванова"), QStringLiteral("23"),
                  QStringLiteral("8"), QStringLiteral("1975")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());  // the files are the output
    QImage image(png);
    EXPECT_EQ(image.width(), 505);
    EXPECT_GT(image.height(), 487);  // the client area and the menu bar
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(4).startsWith("%PDF"));
    const ProcessRun withJson =
        forecast({QStringLiteral("--json"), QStringLiteral("--png"), png, QStringLiteral("23"),
                  QStringLiteral("8"), QStringLiteral("1975")});
    EXPECT_TRUE(withJson.out.contains("\"lifeNumber\":4558300"));

    const ProcessRun refused =
        forecast({QStringLiteral("--pdf"), dir.filePath(QStringLiteral("x.pdf")),
                  QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("abc")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.pdf"))));

    const ProcessRun unwritable =
        forecast({QStringLiteral("--pdf"), QStringLiteral("/nonexistent/r.pdf"),
                  QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("1975")});
    EXPECT_EQ(unwritable.exitCode, 1);

    // A logo that cannot be read is told; the page goes out without it.
    const ProcessRun noLogo =
        forecast({QStringLiteral("--pdf"), pdf, QStringLiteral("--practitioner"),
                  QStringLiteral("Анна"), QStringLiteral("--logo"), dir.filePath("gone.svg"),
                  QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("1975")});
    EXPECT_EQ(noLogo.exitCode, 2);
    EXPECT_TRUE(noLogo.err.contains("gone.svg")) << noLogo.err.toStdString();
    EXPECT_TRUE(noLogo.err.contains("без логотипа"));
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    // A JPEG logo needs Qt's image plugins, which the drawing turns off once
    // it has started: the logo must be read before that.
    const QString jpeg = dir.filePath(QStringLiteral("logo.jpg"));
    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    ASSERT_TRUE(logo.save(jpeg, "JPEG"));
    const ProcessRun withLogo =
        forecast({QStringLiteral("--pdf"), pdf, QStringLiteral("--logo"), jpeg,
                  QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("1975")});
    EXPECT_EQ(withLogo.exitCode, 0) << withLogo.err.toStdString();
    EXPECT_TRUE(withLogo.err.isEmpty());
}

// An SVG logo whose picture names the drawing itself crashed the companion,
// and one naming a FIFO held it for ever: such a logo is refused at once and
// the page goes out without it.
TEST(Companion, LogoReachingOutIsRefused) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& reference : {QStringLiteral("self.svg"), fifo}) {
        SCOPED_TRACE(reference.toStdString());
        const QString logo = dir.filePath(QStringLiteral("self.svg"));
        QFile file(logo);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "<svg xmlns=\"http://www.w3.org/2000/svg\" "
            "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"9\" height=\"9\">"
            "<image width=\"9\" height=\"9\" xlink:href=\"" +
            reference.toUtf8() + "\"/></svg>");
        file.close();
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        QFile::remove(pdf);
        const ProcessRun r =
            forecast({QStringLiteral("--pdf"), pdf, QStringLiteral("--logo"), logo,
                      QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("1975")});
        EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("из другого файла"))) << r.err.toStdString();
        EXPECT_GT(QFileInfo(pdf).size(), 0);
    }
}

TEST(Companion, HelpAndVersion) {
    for (const char* option : {"--help", "-h"}) {
        const ProcessRun r = forecast({QString::fromLatin1(option)});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(QString::fromUtf8(r.out).startsWith(QStringLiteral("Использование")));
    }
    const ProcessRun v = forecast({QStringLiteral("--version")});
    EXPECT_EQ(v.exitCode, 0);
    EXPECT_EQ(v.out, QByteArray("zemtar-forecast 1.4\n"));
}

// Each answer is, byte for byte, the single run's object with the input's line
// number and date in front, or the single run's message as "error"; over
// enough lines to cross several writes of the output.
TEST(Companion, BatchGivesTheSingleRunsBytesLineByLine) {
    const struct {
        QByteArray input;
        const char* error;  // the batch's own message; null: the single run's answer
    } lines[] = {
        {"23 8 1975", nullptr},
        {"5\tМай  1990\r", nullptr},
        {"23 8 19a0", nullptr},
        {"", nullptr},  // blank and comment lines are only counted
        {"# 1 1 1", nullptr},
        {"32 1 1990", nullptr},
        {"  31 12 9999", nullptr},
        {"30 2 1996", nullptr},    // a day that never was
        {"1 Маяк 1990", nullptr},  // non-ASCII in the message
        // A control character in the date: JSON escapes it itself, while the
        // single run's message on the terminal shows it as «\x08».
        {"1\b 1 1990", "День «1\b» не принят: нужно число от 1 до 31."},
        {"1 1", "Нужны три значения: день, месяц и год."},
        {QByteArray("1\0 1 1990", 9), "В строке нулевой байт: строка не принята."},
    };
    for (const QStringList& options : {QStringList(), QStringList{"--mark-year", "2026"}}) {
        SCOPED_TRACE(options.join(u' ').toStdString());
        QList<QByteArray> answers;  // each line's object after its head; empty: no line
        for (const auto& l : lines) {
            const QString date = QString::fromUtf8(l.input).simplified();
            QString error = QString::fromUtf8(l.error);
            if (!l.error && !date.isEmpty() && !date.startsWith(u'#')) {
                const ProcessRun single =
                    forecast(options + QStringList{"--json"} + date.split(u' '));
                if (single.exitCode == 0) {
                    answers << single.out.mid(1);
                    continue;
                }
                error = single.err.trimmed();
            }
            answers << (error.isEmpty() ? QByteArray()
                                        : QJsonDocument(QJsonObject{{"error", error}})
                                                  .toJson(QJsonDocument::Compact)
                                                  .mid(1) +
                                              '\n');
        }
        QByteArray input;
        QByteArray expected;
        for (int n = 1; n <= 300; ++n) {
            const auto k = static_cast<std::size_t>(n - 1) % std::size(lines);
            input += lines[k].input + '\n';
            if (answers[k].isEmpty()) {
                continue;
            }
            QJsonObject head{{"line", n}};
            if (!lines[k].input.contains('\0')) {
                head.insert("date", QString::fromUtf8(lines[k].input).simplified());
            }
            expected +=
                QJsonDocument(head).toJson(QJsonDocument::Compact).chopped(1) + ',' + answers[k];
        }
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("dates.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(input);
        file.close();
        const ProcessRun r = forecast(options + QStringList{"--batch", file.fileName()});
        EXPECT_EQ(r.exitCode, 2);  // some lines were refused, after the last one
        EXPECT_GT(r.out.size(), 4 << 16);
        EXPECT_EQ(r.out, expected);
    }
}

// Wherever the dates come from, they are read to the end or refused with the
// reason at once; a bad line costs that line only. Each row: a shell command
// (the program is $0), the exit code, how many forecasts come out, and the
// line refused or the reason told.
TEST(Companion, BatchReadsEverySourceToItsEnd) {
    const struct {
        const char* command;
        int exitCode;
        int forecasts;
        int refusedLine;
        const char* stderrHas;
    } cases[] = {
        {"mkfifo f; printf '23 8 1975\\n5 5 1990\\n' >f & exec \"$0\" --batch f", 0, 2, 0, ""},
        {"printf '23 8 1975\\n' | \"$0\" --batch /dev/stdin", 0, 1, 0, ""},
        {"exec \"$0\" --batch <(printf '23 8 1975\\n5 5 1990')", 0, 2, 0, ""},
        {"exec \"$0\" --batch <&-", 1, 0, 0,
         "Не удалось прочитать стандартный ввод: стандартный ввод закрыт"},
        {"exec \"$0\" --batch <.", 1, 0, 0, "это папка"},
        {"exec \"$0\" --batch .", 1, 0, 0, "Не удалось прочитать файл .: это папка"},
        {"exec \"$0\" --batch none.txt", 1, 0, 0, "файл не существует"},
        {"yes '23 8 1975' | head -100 | exec \"$0\" --batch >/dev/full", 1, 0, 0,
         "Не удалось записать в стандартный вывод: на диске нет места"},
        {"printf '23 8 1975\\n1\\0 1 1990\\n5 5 1990\\n' | exec \"$0\" --batch", 2, 2, 2, ""},
        {"{ head -c 5000 /dev/zero | tr '\\0' 1; printf '\\n23 8 1975\\n'; } | exec \"$0\" --batch",
         2, 1, 1, ""},
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizers reserve far more address space
        // A 150 MB line in 200 MB of address space: skipped, not held.
        {"ulimit -v 200000; { head -c 150000000 /dev/zero | tr '\\0' 1; echo; echo 5 5 1990; } "
         "| exec \"$0\" --batch",
         2, 1, 1, ""},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        QTemporaryDir dir;
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromUtf8(c.command),
                                         QStringLiteral(ZEMTAR_FORECAST_EXE)});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), c.exitCode);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.stderrHas))) << err.toStdString();
        const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
        EXPECT_EQ(lines.count() - 1, c.forecasts + (c.refusedLine ? 1 : 0));
        for (const QByteArray& line : lines) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (o.contains(QStringLiteral("error"))) {
                EXPECT_EQ(o[QStringLiteral("line")].toInt(), c.refusedLine);
            }
        }
    }
}

// A value that begins with «-» belongs to its option exactly as typed.
TEST(Companion, OptionValuesAreKeptAsGiven) {
    const struct {
        QStringList args;
        int exitCode;
        QStringList files;  // what the run leaves in its folder
        const char* stderrHas;
    } cases[] = {
        {{"--png", "-1.png", "--pdf", "-2.pdf", "23", "8", "1975"}, 0, {"-1.png", "-2.pdf"}, ""},
        {{"--png=-1.png", "23", "8", "-5"}, 2, {}, "Год «-5»"},
        // Read as given, the surname is too long; a placeholder would have passed.
        {{"--surname", "-5555555555555555555555555", "23", "8", "1975"}, 1, {}, "Фамилия"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        QTemporaryDir dir;
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(ZEMTAR_FORECAST_EXE), c.args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), c.exitCode);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.stderrHas))) << err.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), c.files);
    }
}

// Text and JSON come from the calculation alone: with a display system that
// cannot be loaded, any window or application object would abort the run.
TEST(Companion, TextAndJsonNeedNoWindowSystem) {
    const QStringList runs[] = {{QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("1975")},
                                {QStringLiteral("--json"), QStringLiteral("23"),
                                 QStringLiteral("8"), QStringLiteral("1975")},
                                {QStringLiteral("--batch")}};
    for (const QStringList& args : runs) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nonexistent"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZEMTAR_FORECAST_EXE), args);
        p.write("23 8 1975\n");
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0);
        EXPECT_TRUE(p.readAllStandardOutput().contains("4558300"));
    }
}

// A file that cannot be written whole is not written at all: an existing file
// stays as it was, nothing else is left behind, and the reason is told.
TEST(Companion, FailedWritesLeaveOldFilesAndSayWhy) {
    for (const char* option : {"--pdf", "--png"}) {
        const struct {
            const char* what;
            const char* limit;  // a file-size limit for the run, in KB
            bool fifo;
            bool folder;
            const char* reason;
        } cases[] = {{"size limit", "4", false, false, "превышен допустимый размер файла"},
                     {"fifo", nullptr, true, false, "это не обычный файл"},
                     {"folder", nullptr, false, true, "это папка"}};
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << option << " " << c.what);
            QTemporaryDir dir;
            const QString target = dir.filePath(QStringLiteral("out"));
            const QByteArray old(16, 'x');
            if (c.fifo) {
                ASSERT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
            } else if (c.folder) {
                ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out")));
            } else {
                QFile f(target);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(old);
            }
            QProcess p;
            const QString command =
                QStringLiteral("%1exec \"$0\" %2 \"$1\" 23 8 1975")
                    .arg(c.limit ? QStringLiteral("ulimit -f %1; trap '' XFSZ; ")
                                       .arg(QLatin1String(c.limit))
                                 : QString(),
                         QLatin1String(option));
            p.start(QStringLiteral("bash"),
                    {QStringLiteral("-c"), command, QStringLiteral(ZEMTAR_FORECAST_EXE), target});
            ASSERT_TRUE(p.waitForFinished(30000));
            EXPECT_EQ(p.exitCode(), 1);
            const QString err = QString::fromUtf8(p.readAllStandardError());
            EXPECT_TRUE(err.startsWith(QStringLiteral("Не удалось записать файл ") + target +
                                       QStringLiteral(": ") + QString::fromUtf8(c.reason)))
                << err.toStdString();
            if (!c.fifo && !c.folder) {
                QFile f(target);
                ASSERT_TRUE(f.open(QIODevice::ReadOnly));
                EXPECT_EQ(f.readAll(), old);
            }
            EXPECT_EQ(
                QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
                QStringList{QStringLiteral("out")});
        }
    }
}

// A file name that is not UTF-8 names the file exactly as given.
TEST(Companion, FileNamesAreUsedByteForByte) {
    QTemporaryDir dir;
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral("bash"),
            {QStringLiteral("-c"), QStringLiteral("exec \"$0\" --png $'a\\xff.png' 5 5 1990"),
             QStringLiteral(ZEMTAR_FORECAST_EXE)});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    std::vector<std::string> names;
    DIR* d = ::opendir(QFile::encodeName(dir.path()).constData());
    ASSERT_NE(d, nullptr);
    while (const dirent* e = ::readdir(d)) {
        if (e->d_name[0] != '.') {
            names.emplace_back(e->d_name);
        }
    }
    ::closedir(d);
    EXPECT_EQ(names, std::vector<std::string>{"a\xff.png"});

    // The picture just written serves as a logo under the same name.
    p.start(QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("exec \"$0\" --pdf r.pdf --logo $'a\\xff.png' 5 5 1990"),
             QStringLiteral(ZEMTAR_FORECAST_EXE)});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardError(), QByteArray());
    ::unlink((QFile::encodeName(dir.path()) + "/a\xff.png").constData());  // Qt cannot name it
}

// This year is marked only when asked, and then as the window would mark it;
// nothing the companion writes depends on the day it runs.
TEST(Companion, MarksTheYearItIsGivenAndNoOther) {
    const QStringList date{QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("1975")};
    const QString plain = QString::fromUtf8(forecast(date).out);
    EXPECT_FALSE(plain.contains(QStringLiteral("Сейчас")));
    EXPECT_EQ(QString::fromUtf8(forecast(QStringList{"--mark-year", "2026"} + date).out),
              plain + QStringLiteral("Сейчас 2026 год: уровень жизненных сил 5\n"));

    const auto json = [&](const QStringList& args) {
        return QJsonDocument::fromJson(forecast(QStringList{"--json"} + args + date).out).object();
    };
    EXPECT_FALSE(json({}).contains(QStringLiteral("markedYear")));
    const QJsonObject marked = json({"--mark-year", "2026"});
    EXPECT_EQ(marked[QStringLiteral("markedYear")].toInt(), 2026);
    EXPECT_EQ(marked[QStringLiteral("markedLevel")].toInt(), 5);
    EXPECT_TRUE(json({"--mark-year", "2090"})[QStringLiteral("markedLevel")].isNull());
    EXPECT_EQ(forecast(QStringList{"--mark-year", "2026x"} + date).exitCode, 1);

    QTemporaryDir dir;
    const auto png = [&](const QStringList& args) {
        const QString path = dir.filePath(QString::number(args.size()) + args.join('-') + ".png");
        EXPECT_EQ(forecast(args + QStringList{"--png", path} + date).exitCode, 0);
        return QImage(path);
    };
    const QImage unmarked = png({});
    EXPECT_EQ(png({"--mark-year", "1900"}), unmarked);  // a year the table does not show
    EXPECT_NE(png({"--mark-year", "2026"}), unmarked);
}

// --card writes the messenger card: a PNG of the phone's portrait size, the
// same for the same person and year, another in another language; what it
// cannot go with is refused before anything is written.
TEST(Companion, WritesTheMessengerCard) {
    QTemporaryDir dir;
    const auto card = [&](const QString& name, const QStringList& more) {
        const QString path = dir.filePath(name);
        const ProcessRun r =
            forecast(QStringList{QStringLiteral("--card"), path, QStringLiteral("--mark-year"),
                                 QStringLiteral("2026")}
                     << more << QStringList{"23", "8", "1975"});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(8), QByteArray("\x89PNG\r\n\x1a\n"));
        return QImage(path);
    };
    const QImage ru =
        card(QStringLiteral("ru.png"), {"--surname", "Иванова", "--name", "Мария", "--practitioner",
                                        "Анна", "--contact", "+7 900 123-45-67"});
    EXPECT_EQ(ru.size(), QSize(1080, 1350));
    EXPECT_EQ(card(QStringLiteral("again.png"),
                   {"--surname", "Иванова", "--name", "Мария", "--practitioner", "Анна",
                    "--contact", "+7 900 123-45-67"}),
              ru);
    EXPECT_NE(
        card(QStringLiteral("en.png"), {"--surname", "Иванова", "--name", "Мария", "--practitioner",
                                        "Анна", "--contact", "+7 900 123-45-67", "--lang", "en"}),
        ru);

    const struct {
        QStringList args;
        const char* stderrHas;
    } refusals[] = {
        {{"--card", "", "23", "8", "1975"}, "--card"},
        {{"--card", "c.png", "--booklet", "23", "8", "1975"}, "--card"},
        {{"--card", "c.png", "--batch"}, "--batch"},
        {{"--card", "c.png", "--pdf", "c.pdf", "--clients", "list.csv"}, "--card"},
        {{"--card", "c.png", "--turning", "2027", "--clients", "list.csv"}, "--card"},
        {{"--card", "c.png", "--compare", "1", "1", "1990", "2", "2", "1990"}, "--card"},
        {{"--card", "c.png", "23", "8"}, "Использование"},
    };
    for (const auto& c : refusals) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ProcessRun r = forecast(c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.stderrHas))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(QStringLiteral("c.png")));
    }
    const ProcessRun unwritable = forecast({"--card", "/nonexistent/c.png", "23", "8", "1975"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("/nonexistent/c.png")));
}
