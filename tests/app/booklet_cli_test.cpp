#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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
