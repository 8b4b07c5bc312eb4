#include <gtest/gtest.h>

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
        EXPECT_EQ(o[QStringLiteral("curve")].toArray().size(), o[QStringLiteral("digits")].toInt());
    }
}

TEST(Companion, ExitStatusTellsForecastRefusalAndUsage) {
    const struct {
        QStringList args;
        int exitCode;
        const char* stderrHas;
    } cases[] = {
        {{"23", "8", "1975"}, 0, ""},
        {{"23", "8", "19a0"}, 2, "Год рождения нужно ввести цифрами"},
        {{"23", "8", ""}, 2, "Год рождения нужно ввести цифрами"},
        {{"23", "8", "0"}, 0, ""},  // the year box puts 1990 in its place
        {{"32", "8", "1975"}, 1, "День"},
        {{"23", "13", "1975"}, 1, "Месяц"},
        {{"23", "Августа", "1975"}, 1, "Месяц"},
        {{"23", "8", "19755"}, 1, "4 символов"},
        {{"23", "8"}, 1, "Использование"},
        {{"--bogus", "23", "8", "1975"}, 1, "--bogus"},
        {{"--png"}, 1, "--png"},
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
    QImage image(png);
    EXPECT_EQ(image.width(), 505);
    EXPECT_GT(image.height(), 487);  // the client area and the menu bar
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(4).startsWith("%PDF"));

    const ProcessRun refused =
        forecast({QStringLiteral("--pdf"), dir.filePath(QStringLiteral("x.pdf")),
                  QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("abc")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.pdf"))));

    const ProcessRun unwritable =
        forecast({QStringLiteral("--pdf"), QStringLiteral("/nonexistent/r.pdf"),
                  QStringLiteral("23"), QStringLiteral("8"), QStringLiteral("1975")});
    EXPECT_EQ(unwritable.exitCode, 1);
}
