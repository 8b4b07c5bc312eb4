#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <functional>
#include <memory>

#include "file_size_limit.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/safe_file.h"
#include "platform/user_settings.h"

namespace {

const QByteArray kOldBytes("the good file that was there before\n");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void makeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

enum class Place {
    MissingFolder,
    FolderIsAFile,
    Directory,
    Fifo,
    DeviceNode,
    ReadOnlyFolder,
    FileSizeLimit,
    ShortWrite,
    WriterGivesUp,
};

struct Failure {
    const char* name;
    Place place;
    const char* reason;
};

class WriteFailure : public testing::TestWithParam<Failure> {};

TEST_P(WriteFailure, LeavesEverythingAsItWasAndSaysWhy) {
    const Failure& f = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString path = dir.filePath(QStringLiteral("report.pdf"));
    bool oldFile = false;
    switch (f.place) {
        case Place::MissingFolder:
            path = dir.filePath(QStringLiteral("no/such/report.pdf"));
            break;
        case Place::FolderIsAFile:
            makeFile(dir.filePath(QStringLiteral("plain")), kOldBytes);
            path = dir.filePath(QStringLiteral("plain/report.pdf"));
            break;
        case Place::Directory:
            ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("report.pdf")));
            break;
        case Place::Fifo:
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Place::DeviceNode:
            // A node of the same kind as /dev/full, made here: the system's own is never touched.
            if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0) {
                GTEST_SKIP() << "this machine does not let us make a device node";
            }
            break;
        case Place::ReadOnlyFolder:
            if (::geteuid() == 0) {
                GTEST_SKIP() << "permissions do not stop root";
            }
            makeFile(path, kOldBytes);
            oldFile = true;
            ASSERT_TRUE(
                QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            break;
        case Place::FileSizeLimit:
        case Place::ShortWrite:
        case Place::WriterGivesUp:
            makeFile(path, kOldBytes);
            oldFile = true;
            break;
    }
    const QStringList before =
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);

    // The writer through a device, then the one for what writes by name
    // (SQLite's backup); a write cut short in one call is the device's alone.
    for (const bool byName : {false, true}) {
        if (byName && f.place == Place::ShortWrite) {
            continue;
        }
        SCOPED_TRACE(byName ? "by name" : "through a device");
        QString message;
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (f.place == Place::FileSizeLimit || f.place == Place::ShortWrite) {
                limit = std::make_unique<FileSizeLimit>(4096);
            }
            const auto fill = [&](QIODevice& device) {
                if (f.place == Place::ShortWrite) {
                    // More than QSaveFile buffers, in one call whose count nobody checks.
                    device.write(QByteArray(1 << 16, 'x'));
                    return true;
                }
                const QByteArray chunk(1000, 'x');
                // Less than QSaveFile buffers: the failure shows only when the buffer empties.
                for (int i = 0; i < 10; ++i) {
                    device.write(chunk);
                }
                return f.place != Place::WriterGivesUp;
            };
            // Written by name as SQLite writes: the reason is the writing's own.
            const auto fillByName = [&](const QString& temporary) {
                QFile file(temporary);
                errno = 0;
                const bool filled = file.open(QIODevice::WriteOnly) && fill(file) && file.flush();
                const int code = errno;
                return filled ? QString()
                       : file.error() == QFileDevice::NoError
                           ? QStringLiteral("не удалось подготовить")
                           : platform::reasonOfFileError(file, code).text;
            };
            message = byName ? platform::writeFileByName(path, fillByName)
                             : platform::writeFileAtomically(path, fill);
        }

        EXPECT_TRUE(message.startsWith(QStringLiteral("Не удалось записать файл ") +
                                       QDir::toNativeSeparators(path) + QStringLiteral(": ")))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(f.reason))) << message.toStdString();
        if (oldFile) {
            EXPECT_EQ(readAll(path), kOldBytes) << "the existing file is kept byte for byte";
        }
        EXPECT_EQ(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            before)
            << "nothing new is left in the folder";
        struct stat after {};
        if (f.place == Place::Fifo || f.place == Place::DeviceNode) {
            ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &after), 0);
            EXPECT_FALSE(S_ISREG(after.st_mode)) << "the special file is still what it was";
        }
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Places, WriteFailure,
    testing::Values(Failure{"MissingFolder", Place::MissingFolder, "не существует"},
                    Failure{"FolderIsAFile", Place::FolderIsAFile, "не папка"},
                    Failure{"Directory", Place::Directory, "это папка"},
                    Failure{"Fifo", Place::Fifo, "не обычный файл"},
                    Failure{"DeviceNode", Place::DeviceNode, "не обычный файл"},
                    Failure{"ReadOnlyFolder", Place::ReadOnlyFolder, "доступна только для чтения"},
                    Failure{"FileSizeLimit", Place::FileSizeLimit, "допустимый размер"},
                    Failure{"ShortWrite", Place::ShortWrite, "допустимый размер"},
                    Failure{"WriterGivesUp", Place::WriterGivesUp, "не удалось подготовить"}),
    [](const testing::TestParamInfo<Failure>& p) { return p.param.name; });

TEST(WriteFile, NewFilesArePrivateAndReplacedFilesKeepTheirPermissions) {
    const auto throughDevice = [](const QString& path) {
        return platform::writeFileAtomically(
            path, [](QIODevice& device) { return device.write("new") == 3; });
    };
    const auto byName = [](const QString& path) {
        return platform::writeFileByName(path, [](const QString& temporary) {
            QFile file(temporary);
            return file.open(QIODevice::WriteOnly) && file.write("new") == 3
                       ? QString()
                       : QStringLiteral("not written");
        });
    };
    for (const auto& write : {std::function<QString(const QString&)>(throughDevice),
                              std::function<QString(const QString&)>(byName)}) {
        QTemporaryDir dir;
        const QString fresh = dir.filePath(QStringLiteral("new.pdf"));
        const QString old = dir.filePath(QStringLiteral("old.pdf"));
        makeFile(old, kOldBytes);
        ASSERT_TRUE(QFile::setPermissions(old, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ReadGroup |
                                                   QFileDevice::ReadOther));
        // A link to the old file: the file it points to is replaced, the link stays.
        const QString link = dir.filePath(QStringLiteral("link.pdf"));
        ASSERT_TRUE(QFile::link(old, link));
        ASSERT_EQ(write(fresh), QString());
        ASSERT_EQ(write(link), QString());

        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(fresh).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0600u);
        ASSERT_EQ(::stat(QFile::encodeName(old).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0644u);
        EXPECT_EQ(readAll(old), QByteArray("new"));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
    }
}

TEST(WriteFile, PdfAndPictureReplaceAnOldFileWhole) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const QString png = dir.filePath(QStringLiteral("page.png"));
    makeFile(pdf, kOldBytes);
    makeFile(png, kOldBytes);
    platform::PrinterPage page;
    page.setFontSize(10);
    page.print(QStringLiteral("Проверка"));

    EXPECT_EQ(platform::writePdf(page, pdf, QStringLiteral("Отчёт")), QString());
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));
    EXPECT_TRUE(readAll(pdf).trimmed().endsWith("%%EOF"));

    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    EXPECT_EQ(platform::writeImage(image, png), QString());
    EXPECT_EQ(QImage(png).pixelColor(5, 5), QColor(0, 255, 0));

    // A picture that cannot be made keeps the old one.
    EXPECT_FALSE(platform::writeImage(QImage(), png).isEmpty());
    EXPECT_EQ(QImage(png).size(), QSize(20, 10));
}

// The settings file as the user may find it. Whatever is wrong is told once,
// the file (or what a link points to) stays as it was, and the choices still
// hold for the rest of the run.
enum class Settings { Written, Link, FolderIsALink, TooLarge, Fifo, CannotBeWritten };

struct SettingsCase {
    const char* name;
    Settings kind;
    const char* says;  // null: nothing to tell
};

class SettingsFile : public testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsFile, IsUsedOnlyWhenItIsOursAndToldOnceWhenNot) {
    const SettingsCase& c = GetParam();
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("zemtar"));
    const QString path = dir.filePath(QStringLiteral("zemtar/zemtar.conf"));
    const QString other = dir.filePath(QStringLiteral("other.conf"));
    QByteArray before("[General]\nmarkThisYear=false\n\n[print]\nrememberClient=true\n");
    std::unique_ptr<FileSizeLimit> limit;
    switch (c.kind) {
        case Settings::Written:
            makeFile(path, before);
            break;
        case Settings::Link:
            makeFile(other, before);
            ASSERT_TRUE(QFile::link(other, path));
            break;
        case Settings::FolderIsALink:
            ASSERT_TRUE(QDir(dir.path()).rename(QStringLiteral("zemtar"), QStringLiteral("real")));
            makeFile(dir.filePath(QStringLiteral("real/zemtar.conf")), before);
            ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("real")), QFileInfo(path).path()));
            break;
        case Settings::TooLarge:
            before += QByteArray(platform::kMaxSettingsBytes, '#');
            makeFile(path, before);
            break;
        case Settings::Fifo:  // would never answer a read
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Settings::CannotBeWritten:
            makeFile(path, before);
            limit = std::make_unique<FileSizeLimit>(10);
            break;
    }
    const bool ours = c.kind == Settings::Written || c.kind == Settings::CannotBeWritten;
    std::vector<QString> told;
    platform::setSettingsReporter([&told](const QString& m) { told.push_back(m); });
    for (const bool on : {true, false}) {
        platform::UserSettings settings(path);
        EXPECT_EQ(settings.value(QStringLiteral("print/rememberClient"), false).toBool(), ours);
        settings.setValue(QStringLiteral("markThisYear"), on);
        EXPECT_EQ(platform::UserSettings(path).value(QStringLiteral("markThisYear")).toBool(),
                  c.kind == Settings::CannotBeWritten ? false : on);
    }
    platform::setSettingsReporter({});
    limit.reset();

    ASSERT_EQ(told.size(), c.says ? 1u : 0u);
    if (c.says) {
        EXPECT_TRUE(told[0].contains(QStringLiteral("zemtar.conf"))) << told[0].toStdString();
        EXPECT_TRUE(told[0].contains(QString::fromUtf8(c.says))) << told[0].toStdString();
        if (c.kind != Settings::Fifo) {
            EXPECT_EQ(readAll(c.kind == Settings::Link ? other : path), before);
        }
        EXPECT_EQ(QFileInfo(path).isSymLink(), c.kind == Settings::Link);
    } else {
        EXPECT_EQ(readAll(path), QByteArray("[General]\nmarkThisYear=false\n\n[print]\n"
                                            "rememberClient=true\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFile,
    testing::Values(SettingsCase{"LinkToAnotherFile", Settings::Link, "символическая ссылка"},
                    SettingsCase{"FolderIsALink", Settings::FolderIsALink, "символическая ссылка"},
                    SettingsCase{"LargerThanAMegabyte", Settings::TooLarge, "больше 1 МБ"},
                    SettingsCase{"Fifo", Settings::Fifo, "не обычный файл"},
                    SettingsCase{"CannotBeWritten", Settings::CannotBeWritten, "размер файла"},
                    SettingsCase{"WrittenByAnEarlierVersion", Settings::Written, nullptr}),
    [](const testing::TestParamInfo<SettingsCase>& p) { return p.param.name; });

}  // namespace
