// The platform layer's system calls hold the same promises on Linux and on
// Windows (run there under Wine): what a path is, reading without following,
// the replace step, a file's identity, bytes read and written as they are,
// and one running copy per lock.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>

#include "platform/file_names.h"
#include "platform/line_reader.h"
#include "platform/private_files.h"
#include "platform/single_instance.h"

using platform::PathKind;

// Named, not anonymous: the suite's files compile as one.
namespace system_side {

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

struct PathCase {
    const char* what;
    std::function<QString(const QDir&)> make;
    PathKind itself;
    PathKind target;
};

TEST(SystemSide, WhatAPathIsAndWhatItLeadsTo) {
    const PathCase cases[] = {
        {"nothing", [](const QDir& d) { return d.filePath(QStringLiteral("none")); },
         PathKind::Missing, PathKind::Missing},
        {"a file",
         [](const QDir& d) {
             put(d.filePath(QStringLiteral("f")), "x");
             return d.filePath(QStringLiteral("f"));
         },
         PathKind::File, PathKind::File},
        {"a folder",
         [](const QDir& d) {
             d.mkdir(QStringLiteral("sub"));
             return d.filePath(QStringLiteral("sub"));
         },
         PathKind::Folder, PathKind::Folder},
        {"below a file",
         [](const QDir& d) {
             put(d.filePath(QStringLiteral("g")), "x");
             return d.filePath(QStringLiteral("g/inside"));
         },
         PathKind::Unreadable, PathKind::Unreadable},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = c.make(QDir(dir.path()));
        // A name below a file is "not a folder" on Linux and "not found" on
        // Windows: either way it is no file of ours.
        const PathKind itself = platform::inspectPath(path).kind;
        const PathKind target = platform::targetKind(path);
        if (c.itself == PathKind::Unreadable) {
            EXPECT_TRUE(itself == PathKind::Unreadable || itself == PathKind::Missing);
            EXPECT_TRUE(target == PathKind::Unreadable || target == PathKind::Missing);
        } else {
            EXPECT_EQ(itself, c.itself);
            EXPECT_EQ(target, c.target);
        }
    }
    // The system's null device is something to write to, never a file to replace.
    EXPECT_EQ(platform::targetKind(QStringLiteral(ZEMTAR_NULL_DEVICE)), PathKind::Other);
}

TEST(SystemSide, OpensOnlyRegularFilesForReading) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("texts.txt"));
    put(file, "12345");
    struct Case {
        QString path;
        int code;
        bool regular;
        qint64 size;
    };
    const Case cases[] = {
        {file, 0, true, 5},
        {dir.path(), 0, false, 0},
        {dir.filePath(QStringLiteral("none")), ENOENT, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        for (const bool follow : {true, false}) {
            QFile opened;
            const platform::OpenedFile result = platform::openForReading(c.path, opened, follow);
            EXPECT_EQ(result.code, c.code);
            EXPECT_EQ(result.regular, c.regular);
            EXPECT_EQ(result.size, c.size);
            EXPECT_EQ(opened.isOpen(), c.regular);
            if (c.regular) {
                EXPECT_EQ(opened.readAll(), QByteArray("12345"));
            }
        }
    }
}

TEST(SystemSide, ReplaceStepTakesTheNameInOneGo) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("clients.sqlite"));
    const QString staged = dir.filePath(QStringLiteral("clients.sqlite.new"));
    put(book, "old");
    put(staged, "new");
    EXPECT_EQ(platform::replaceFile(staged, book), 0);
    EXPECT_EQ(contents(book), QByteArray("new"));
    EXPECT_FALSE(QFile::exists(staged));
    // Nothing to put in place: the book stays as it was.
    EXPECT_EQ(platform::replaceFile(staged, book), ENOENT);
    EXPECT_EQ(contents(book), QByteArray("new"));

    EXPECT_EQ(platform::removeName(book), 0);
    EXPECT_FALSE(QFile::exists(book));
    EXPECT_EQ(platform::removeName(book), ENOENT);
}

TEST(SystemSide, PrivateFilesAreNewOrRefused) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("zemtar/deeper"));
    EXPECT_EQ(platform::makePrivateFolder(folder), QString());
    EXPECT_EQ(platform::makePrivateFolder(folder), QString()) << "an existing folder is fine";
    const QString file = QDir(folder).filePath(QStringLiteral("clients.sqlite"));
    EXPECT_EQ(platform::createPrivateFile(file), QString());
    EXPECT_FALSE(platform::createPrivateFile(file).isEmpty()) << "never reused";
    const platform::PathState state = platform::inspectPath(file);
    EXPECT_TRUE(state.mine);
    EXPECT_FALSE(state.othersCanUse);
    EXPECT_EQ(platform::restrictToOwner(file), QString());
}

TEST(SystemSide, IdentityBelongsToTheFileNotTheName) {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("list.csv"));
    const QString other = dir.filePath(QStringLiteral("other.csv"));
    put(list, "a");
    put(other, "a");
    const auto identity = platform::identityOf(list);
    ASSERT_TRUE(identity.has_value());
    EXPECT_EQ(platform::identityOf(dir.path() + QStringLiteral("/./list.csv")), identity);
    EXPECT_NE(platform::identityOf(other), identity);
    EXPECT_FALSE(platform::identityOf(dir.filePath(QStringLiteral("none"))).has_value());
}

TEST(SystemSide, LinesAreTheBytesAsWritten) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dates.txt"));
    // A carriage return stays in its line and a Ctrl+Z ends nothing: the
    // batch reads the same lines on both systems.
    put(file,
        "23 8 1975\r\n5\x1a"
        "5 1990\nlast");
    platform::LineReader reader;
    ASSERT_EQ(reader.open(file), QString());
    QByteArray line;
    std::vector<QByteArray> lines;
    while (reader.next(line) == platform::LineReader::Result::Line) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<QByteArray>{"23 8 1975\r",
                                              "5\x1a"
                                              "5 1990",
                                              "last"}));

    platform::LineReader folder;
    EXPECT_FALSE(folder.open(dir.path()).isEmpty());
    platform::LineReader missing;
    EXPECT_FALSE(missing.open(dir.filePath(QStringLiteral("none"))).isEmpty());
}

TEST(SystemSide, LibrariesLieBesideTheProgram) {
    EXPECT_EQ(platform::executableFolder(),
              QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    const QString library = platform::libraryFile(QStringLiteral("zemtar-media"));
    EXPECT_TRUE(
        library.startsWith(platform::executableFolder() + QStringLiteral("/zemtar-media.")));
    EXPECT_TRUE(library.endsWith(QStringLiteral(ZEMTAR_LIBRARY_SUFFIX)));
}

// The companion writes its answers as bytes: no carriage return appears
// before a line end on any system.
TEST(SystemSide, CompanionWritesTheSameBytesEverywhere) {
    QProcess companion;
    companion.start(QStringLiteral(ZEMTAR_FORECAST_EXE),
                    {QStringLiteral("--batch"), QStringLiteral("-")});
    ASSERT_TRUE(companion.waitForStarted(30000));
    companion.write("23 8 1975\n5 5 1990\n");
    companion.closeWriteChannel();
    ASSERT_TRUE(companion.waitForFinished(60000));
    const QByteArray out = companion.readAllStandardOutput();
    EXPECT_EQ(companion.exitCode(), 0);
    EXPECT_EQ(out.count('\n'), 2) << out.toStdString();
    EXPECT_FALSE(out.contains('\r'));
    EXPECT_TRUE(out.startsWith("{\"date\":\"23 8 1975\""));
}

// A running copy, played by a helper process that holds the lock.
class LockHolder {
public:
    explicit LockHolder(const QString& lock) {
        process_.start(
            QCoreApplication::applicationDirPath() + QStringLiteral("/zemtar_lock_holder"), {lock});
    }
    ~LockHolder() { kill(); }
    bool locked() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(30000)) {
                return false;
            }
        }
        return process_.readLine().trimmed() == "locked";
    }
    void kill() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();  // no destructor runs in the helper
            process_.waitForFinished();
        }
    }

private:
    QProcess process_;
};

TEST(SystemSide, OneRunningCopyPerLockUntilItEnds) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("zemtar.lock"));
    LockHolder holder(lock);
    ASSERT_TRUE(holder.locked());

    platform::SingleInstance second(lock);
    EXPECT_TRUE(second.anotherIsRunning());
    EXPECT_FALSE(second.holdsLock());
    platform::SingleInstance elsewhere(dir.filePath(QStringLiteral("other.lock")));
    EXPECT_FALSE(elsewhere.anotherIsRunning()) << "another lock is another program";

    // A copy that was killed holds nothing.
    holder.kill();
    platform::SingleInstance next(lock);
    EXPECT_FALSE(next.anotherIsRunning());
    EXPECT_TRUE(next.holdsLock());
}

}  // namespace system_side
