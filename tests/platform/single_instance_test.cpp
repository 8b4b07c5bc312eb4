#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/single_instance.h"
#include "recording_services.h"

using platform::SingleInstance;

namespace {

// A copy of the program, played by a small helper process that holds the lock.
class Holder {
public:
    explicit Holder(const QString& lockFile) {
        process_.setProgram(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/zemtar_lock_holder"));
        process_.setArguments({lockFile});
        process_.start();
    }
    ~Holder() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    bool waitLocked() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(10000)) {
                return false;
            }
        }
        return process_.readLine().trimmed() == "locked";
    }
    void kill() {
        process_.kill();  // SIGKILL: no destructor runs, the lock file stays
        process_.waitForFinished();
    }
    void finish() {
        process_.closeWriteChannel();
        process_.waitForFinished();
    }
    bool running() const { return process_.state() == QProcess::Running; }
    qint64 pid() const { return process_.processId(); }

private:
    QProcess process_;
};

enum class Before {
    Nothing,
    LiveHolder,
    LiveHolderOldLock,
    SameProcessHolder,
    KilledHolder,
    FinishedHolder,
    GarbageFile,
    EmptyFile,
};

struct Case {
    const char* name;
    Before before;
    bool anotherRunning;
};

class SingleInstanceCase : public testing::TestWithParam<Case> {};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_P(SingleInstanceCase, RefusesOnlyALivingHolder) {
    const Case& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zemtar.lock"));

    std::unique_ptr<Holder> holder;
    std::unique_ptr<SingleInstance> first;
    switch (c.before) {
        case Before::Nothing:
            break;
        case Before::LiveHolder:
        case Before::LiveHolderOldLock:
        case Before::KilledHolder:
        case Before::FinishedHolder:
            holder = std::make_unique<Holder>(path);
            ASSERT_TRUE(holder->waitLocked());
            break;
        case Before::SameProcessHolder:
            first = std::make_unique<SingleInstance>(path);
            ASSERT_FALSE(first->anotherIsRunning());
            break;
        case Before::GarbageFile:
            writeFile(path, QByteArray("\x01\xff not a lock \n\n\n", 16));
            break;
        case Before::EmptyFile:
            writeFile(path, QByteArray());
            break;
    }
    if (c.before == Before::LiveHolderOldLock) {
        // A copy that has run for a day must not look abandoned.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                     QFileDevice::FileModificationTime));
    }
    if (c.before == Before::KilledHolder) {
        holder->kill();
        ASSERT_TRUE(QFile::exists(path)) << "a killed holder leaves its lock file behind";
    }
    if (c.before == Before::FinishedHolder) {
        holder->finish();
    }

    SingleInstance second(path);
    EXPECT_EQ(second.anotherIsRunning(), c.anotherRunning);
    EXPECT_EQ(second.holdsLock(), !c.anotherRunning);
    EXPECT_EQ(second.anotherIsRunning(), c.anotherRunning) << "the answer is kept";

    if (c.anotherRunning && holder) {
        // The running copy is untouched: still alive and still the owner.
        EXPECT_TRUE(holder->running());
        qint64 pid = 0;
        QString host, app;
        ASSERT_TRUE(QLockFile(path).getLockInfo(&pid, &host, &app));
        EXPECT_EQ(pid, holder->pid());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Starts, SingleInstanceCase,
    testing::Values(Case{"FirstCopy", Before::Nothing, false},
                    Case{"SecondCopy", Before::LiveHolder, true},
                    Case{"SecondCopyOfALongRunningOne", Before::LiveHolderOldLock, true},
                    Case{"SecondHolderInOneProcess", Before::SameProcessHolder, true},
                    Case{"AfterACopyWasKilled", Before::KilledHolder, false},
                    Case{"AfterACopyEnded", Before::FinishedHolder, false},
                    Case{"OverAGarbledLockFile", Before::GarbageFile, false},
                    Case{"OverAnEmptyLockFile", Before::EmptyFile, false}),
    [](const testing::TestParamInfo<Case>& p) { return p.param.name; });

// Something other than a lock file of ours where the lock goes: never opened,
// never changed, and the program runs without a lock.
class LockPlace : public testing::TestWithParam<const char*> {};

TEST_P(LockPlace, IsNeverFollowed) {
    const QString kind = QString::fromLatin1(GetParam());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zemtar.lock"));
    const QString target = dir.filePath(QStringLiteral("target"));
    if (kind.contains(u"Fifo")) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    } else {
        writeFile(target, "precious");
    }
    ASSERT_TRUE(kind.startsWith(u"Link") ? QFile::link(target, path) : QFile::rename(target, path));

    SingleInstance instance(path);
    EXPECT_FALSE(instance.anotherIsRunning());
    EXPECT_FALSE(instance.holdsLock());
    EXPECT_EQ(QFileInfo(path).isSymLink(), kind.startsWith(u"Link"));
    if (!kind.contains(u"Fifo")) {
        QFile file(kind.startsWith(u"Link") ? target : path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("precious"));
    }
}

INSTANTIATE_TEST_SUITE_P(Places, LockPlace, testing::Values("LinkToAFile", "LinkToAFifo", "Fifo"));

TEST(SingleInstance, ReleasesTheLockWhenItEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zemtar.lock"));
    {
        SingleInstance first(path);
        ASSERT_FALSE(first.anotherIsRunning());
        EXPECT_TRUE(QFile::exists(path));
    }
    EXPECT_FALSE(QFile::exists(path));
    SingleInstance next(path);
    EXPECT_FALSE(next.anotherIsRunning());
}

TEST(SingleInstance, MakesAMissingDirectoryAndNeverBlocksOnAnUnusableOne) {
    QTemporaryDir dir;
    SingleInstance nested(dir.filePath(QStringLiteral("runtime/sub/zemtar.lock")));
    EXPECT_FALSE(nested.anotherIsRunning());
    EXPECT_TRUE(nested.holdsLock());

    // A path under a plain file can hold no lock at all: the program still starts.
    writeFile(dir.filePath(QStringLiteral("plain")), "x");
    SingleInstance impossible(dir.filePath(QStringLiteral("plain/zemtar.lock")));
    EXPECT_FALSE(impossible.anotherIsRunning());
    EXPECT_FALSE(impossible.holdsLock());
}

TEST(SingleInstance, SecondStartShowsTheMessageAndEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zemtar.lock"));

    SingleInstance first(path);
    platform::RecordingServices firstServices;
    EXPECT_FALSE(platform::refuseSecondInstance(first, firstServices));
    EXPECT_TRUE(firstServices.messages.empty());

    SingleInstance second(path);
    platform::RecordingServices secondServices;
    EXPECT_TRUE(platform::refuseSecondInstance(second, secondServices));
    ASSERT_EQ(secondServices.messages.size(), 1u);
    const platform::Message& m = secondServices.messages.front();
    EXPECT_EQ(m.text, QStringLiteral("Программа уже запущена!"));
    EXPECT_EQ(m.title, QStringLiteral("Zemtar-прогноз"));
    EXPECT_EQ(m.icon, platform::MessageIcon::Critical);
    EXPECT_EQ(m.helpContext, 0) << "a single OK button, no Help";
    EXPECT_TRUE(first.holdsLock());
}

enum class Runtime { Private, Unset, Missing, OpenToOthers, SymbolicLink, SomeoneElses };
enum class Own { Absent, Private, OpenToUs, SymbolicLink, SomeoneElses };

struct Folder {
    const char* name;
    Runtime runtime;
    Own own;
    const char* chosen;  // "runtime", "own" or "" for none
};

class LockFolder : public testing::TestWithParam<Folder> {};

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

TEST_P(LockFolder, IsOnlyAFolderOfTheUsersOwn) {
    const Folder& f = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    ASSERT_EQ(::mkdir(native(elsewhere).constData(), 0700), 0);
    const QString runtime = dir.filePath(QStringLiteral("runtime"));
    const QString base = dir.filePath(QStringLiteral("cache"));
    const QString own = base + QStringLiteral("/zemtar-prognoz");
    const uid_t stranger = ::getuid() + 4711;

    switch (f.runtime) {
        case Runtime::Private:
        case Runtime::OpenToOthers:
        case Runtime::SomeoneElses:
            ASSERT_EQ(::mkdir(native(runtime).constData(), 0700), 0);
            break;
        case Runtime::SymbolicLink:
            ASSERT_EQ(::symlink(native(elsewhere).constData(), native(runtime).constData()), 0);
            break;
        case Runtime::Unset:
        case Runtime::Missing:
            break;
    }
    if (f.runtime == Runtime::OpenToOthers) {
        ASSERT_EQ(::chmod(native(runtime).constData(), 01777), 0);
    }
    if (f.runtime == Runtime::SomeoneElses && ::chown(native(runtime).constData(), stranger, 0)) {
        GTEST_SKIP() << "only root can give a folder away";
    }
    if (f.own != Own::Absent) {
        ASSERT_TRUE(QDir().mkpath(base));
    }
    switch (f.own) {
        case Own::Absent:
            break;
        case Own::Private:
        case Own::SomeoneElses:
            ASSERT_EQ(::mkdir(native(own).constData(), 0700), 0);
            break;
        case Own::OpenToUs:
            ASSERT_EQ(::mkdir(native(own).constData(), 0700), 0);
            ASSERT_EQ(::chmod(native(own).constData(), 0777), 0);
            break;
        case Own::SymbolicLink:
            ASSERT_EQ(::symlink(native(elsewhere).constData(), native(own).constData()), 0);
            break;
    }
    if (f.own == Own::SomeoneElses && ::chown(native(own).constData(), stranger, 0)) {
        GTEST_SKIP() << "only root can give a folder away";
    }

    const QString chosen =
        SingleInstance::privateFolder(f.runtime == Runtime::Unset ? QString() : runtime, base);
    const QString expected = QString::fromLatin1(f.chosen) == QStringLiteral("runtime") ? runtime
                             : QString::fromLatin1(f.chosen) == QStringLiteral("own")   ? own
                                                                                        : QString();
    EXPECT_EQ(chosen, expected);
    if (!chosen.isEmpty()) {
        struct stat st {};
        ASSERT_EQ(::lstat(native(chosen).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        EXPECT_EQ(st.st_uid, ::getuid());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, LockFolder,
    testing::Values(Folder{"RuntimeFolder", Runtime::Private, Own::Absent, "runtime"},
                    Folder{"NoRuntimeFolderMakesOurOwn", Runtime::Unset, Own::Absent, "own"},
                    Folder{"MissingRuntimeFolder", Runtime::Missing, Own::Private, "own"},
                    Folder{"RuntimeFolderOpenToOthers", Runtime::OpenToOthers, Own::Absent, "own"},
                    Folder{"RuntimeFolderIsALink", Runtime::SymbolicLink, Own::Absent, "own"},
                    Folder{"RuntimeFolderOfAnotherUser", Runtime::SomeoneElses, Own::Absent, "own"},
                    Folder{"OurFolderIsClosedAgain", Runtime::Unset, Own::OpenToUs, "own"},
                    Folder{"OurFolderReplacedByALink", Runtime::Unset, Own::SymbolicLink, ""},
                    Folder{"OurFolderTakenByAnotherUser", Runtime::Unset, Own::SomeoneElses, ""}),
    [](const testing::TestParamInfo<Folder>& p) { return p.param.name; });

// Sets an environment variable for as long as it lives (unset for a null value).
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        set(value);
    }
    ~ScopedEnv() { set(had_ ? old_ : QByteArray()); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    void set(const QByteArray& value) {
        if (value.isNull()) {
            qunsetenv(name_);
        } else {
            qputenv(name_, value);
        }
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(SingleInstance, LockIsKeyedOnTheUserIdNotOnTheUserVariable) {
    QTemporaryDir runtime;
    ASSERT_EQ(::chmod(native(runtime.path()).constData(), 0700), 0);
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", native(runtime.path()));
    ScopedEnv user("USER", "x");
    const QString asX = SingleInstance::defaultLockFile();
    user.set("someone-else");
    EXPECT_EQ(SingleInstance::defaultLockFile(), asX);
    EXPECT_EQ(QFileInfo(asX).path(), runtime.path());
    EXPECT_TRUE(QFileInfo(asX).fileName().contains(QString::number(::getuid())));
}

TEST(SingleInstance, WithoutAPrivateFolderRunsWithoutALock) {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("plain")), "x");
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", QByteArray());
    ScopedEnv cache("XDG_CACHE_HOME", native(dir.filePath(QStringLiteral("plain/cache"))));
    // Qt's test locations would ignore the cache folder set above.
    QStandardPaths::setTestModeEnabled(false);
    SingleInstance instance;
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(instance.lockFile(), QString());
    EXPECT_FALSE(instance.anotherIsRunning());
    EXPECT_FALSE(instance.holdsLock());
}

}  // namespace
