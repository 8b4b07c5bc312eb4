#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

namespace {

QRect rectAt(const QStringList& words, qsizetype at) {
    return {words[at].toInt(), words[at + 1].toInt(), words[at + 2].toInt(), words[at + 3].toInt()};
}

}  // namespace

// Every window opened on a laptop's screen and on an older square one, at
// scale 1 and 2 (a screen of Qt's own with frames drawn round its windows,
// in a process of its own: Qt takes the screen and the scale at start): its
// frame and its menu bar lie in the free area; the book and the comparison
// need no scrolling at scale 1 on 1366 × 768.
TEST(WindowFit, EveryWindowLiesOnTheScreen) {
    const struct {
        int width, height, scale;
    } screens[] = {{1366, 768, 1}, {1366, 768, 2}, {1280, 1024, 1}, {1280, 1024, 2}};
    QTemporaryDir dir;
    for (const auto& s : screens) {
        SCOPED_TRACE(
            QStringLiteral("%1x%2 at %3").arg(s.width).arg(s.height).arg(s.scale).toStdString());
        const QString config = dir.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("{\"windowFrameMargins\": true, \"screens\": [{\"name\": \"s\", "
                                  "\"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2, "
                                  "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                       .arg(s.width)
                       .arg(s.height)
                       .toUtf8());
        file.close();
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Named from the probe's own folder: Qt splits the platform's options
        // at ':', which a Windows path has after its drive.
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=screen.json"));
        probe.setWorkingDirectory(dir.path());
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(s.scale));
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(ZEMTAR_WINDOW_FIT_PROBE), {});
        ASSERT_TRUE(probe.waitForFinished(60000));
        const QStringList lines =
            QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_GE(lines.size(), 10) << probe.readAllStandardError().toStdString();
        const QStringList area = lines[0].split(u' ');
        ASSERT_EQ(area[0], QStringLiteral("area"));
        const QRect free = rectAt(area, 1);
        for (qsizetype k = 1; k < lines.size(); ++k) {
            const QStringList w = lines[k].split(u' ');
            ASSERT_GE(w.size(), 19) << lines[k].toStdString();
            SCOPED_TRACE(lines[k].toStdString());
            EXPECT_TRUE(free.contains(rectAt(w, 2)));
            if (const QRect menu = rectAt(w, 7); !menu.isEmpty()) {
                EXPECT_TRUE(free.contains(menu));
            }
            if (s.scale == 1 && s.height == 768 && (w[0] == "book" || w[0] == "group")) {
                EXPECT_EQ(w[12], QStringLiteral("0"));
            }
        }
    }
}
