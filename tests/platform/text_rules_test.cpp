#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QString>
#include <cerrno>

#include "core/client_names.h"
#include "platform/character_limit.h"
#include "platform/reasons.h"

namespace {

struct NameCase {
    const char* name;
    QString text;
    int limit;
    const char* says;  // null: the name is fine
};

class ClientName : public testing::TestWithParam<NameCase> {};

// Counted as a reader counts, refused with the field's name and the reason.
TEST_P(ClientName, IsCountedAsSeenAndHoldsNoControlCharacters) {
    const NameCase& c = GetParam();
    const QString problem = core::nameProblem(c.text, c.limit, QStringLiteral("Фамилия"));
    if (!c.says) {
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        return;
    }
    EXPECT_TRUE(problem.contains(QStringLiteral("«Фамилия»"))) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QString::fromUtf8(c.says))) << problem.toStdString();
}

const QString kAccented = QStringLiteral("и\u0306");        // «й» typed as two code points
const QString kFamily = QStringLiteral("👨\u200D👩\u200D👧");  // one picture, eight units

INSTANTIATE_TEST_SUITE_P(
    Names, ClientName,
    testing::Values(
        NameCase{"AccentedLettersCountOnce", kAccented.repeated(25), 25, nullptr},
        NameCase{"EmojiFamilyCountsOnce", QStringLiteral("Иванов") + kFamily, 7, nullptr},
        NameCase{"FlagCountsOnce", QStringLiteral("🇷🇺Ан"), 3, nullptr},
        NameCase{"OneTooMany", kAccented.repeated(26), 25, "длиннее 25 знаков: в нём 26 знаков"},
        NameCase{"LimitOfTwentyOne", QStringLiteral("я").repeated(22), 21, "длиннее 21 знака"},
        NameCase{"Nul", QStringLiteral("Ива") + QChar(0) + QStringLiteral("нов"), 25, "U+0000"},
        NameCase{"Tab", QStringLiteral("Ива\tнов"), 25, "U+0009"},
        NameCase{"LineBreak", QStringLiteral("Ива\r\nнов"), 25, "U+000D"},
        NameCase{"LineSeparator", QStringLiteral("Ива\u2028нов"), 25, "U+2028"},
        NameCase{"HalfACharacter", QStringLiteral("Ива") + QChar(0xD835), 25, "U+D835"},
        NameCase{"Hyphenated", QStringLiteral("Римский-Корсаков"), 25, nullptr},
        NameCase{"VietnameseTwoMarks", QStringLiteral("Nguye\u0302\u0303n"), 25, nullptr},
        NameCase{"RightToLeftMark", QStringLiteral("\u200Fשלום"), 25, nullptr},
        NameCase{"FiveMarksOnALetter", "И" + QString(5, QChar(0x0301)), 25,
                 "больше 4 диакритических"},
        NameCase{"SixtyThousandMarks", "И" + QString(60000, QChar(0x0301)), 25, "больше чем из 16"},
        NameCase{"RightToLeftOverride", QStringLiteral("Ива\u202Eвон"), 25,
                 "направления письма (U+202E)"},
        NameCase{"Embedding", QStringLiteral("\u202AИванов"), 25, "U+202A"},
        NameCase{"Isolate", QStringLiteral("Ив\u2069"), 25, "U+2069"}),
    [](const testing::TestParamInfo<NameCase>& p) { return p.param.name; });

// A name box counts the same and never keeps half of a character: what would
// go over is cut from the end of what came in, keys with no room are refused,
// and undo still takes back what was typed.
TEST(CharacterLimit, KeepsWholeCharactersUpToTheLimit) {
    const QString flag = QStringLiteral("🇷🇺");
    const struct {
        int limit;
        QString before;  // the cursor at its end
        QString in;
        bool byKey;  // one code unit at a time, else pasted at once
        QString after;
        int cursor;
    } cases[] = {
        {5, "Ан", "дреевич", true, "Андре", 5},
        {3, "Ан", kAccented, true, "Ан" + kAccented, 4},
        {5, "Ив", "анова", false, "Ивано", 5},
        {2, "", "а" + kAccented + "б", false, "а" + kAccented, 3},
        {3, "Ив", flag + flag, false, "Ив" + flag, 6},
        {5, "Ивановская", "", false, "Ивано", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after.toStdString());
        QLineEdit box;
        platform::limitCharacters(&box, c.limit);
        box.setText(c.before);
        for (const QString& part : c.byKey ? c.in.split(QString()) : QStringList{c.in}) {
            box.insert(part);
        }
        EXPECT_EQ(box.text(), c.after);
        EXPECT_EQ(box.cursorPosition(), c.cursor);
        if (c.byKey) {
            box.undo();
            EXPECT_EQ(box.text(), c.before);
        }
    }
}

// Failures as the system, Qt and SQLite report them, and what the user reads.
struct ReasonCase {
    const char* name;
    platform::Reason reason;
    const char* says;
    QString details;  // the original, kept for the details
};

class FailureReason : public testing::TestWithParam<ReasonCase> {};

TEST_P(FailureReason, IsRussianWithTheOriginalInTheDetails) {
    const ReasonCase& c = GetParam();
    EXPECT_EQ(c.reason.text, QString::fromUtf8(c.says));
    EXPECT_TRUE(c.reason.details.contains(c.details, Qt::CaseInsensitive))
        << c.reason.details.toStdString();
}

platform::Reason database(int code, const char* said) {
    return platform::reasonOfDatabaseError(QString::number(code), QString::fromUtf8(said));
}

platform::Reason file(QFileDevice::FileError error, const QString& said, int code = 0) {
    return platform::reasonOfFileError(error, said, code);
}

// The system's words differ between the systems. Qt's message for a full disk
// carries the system's own: Linux's strerror(), Windows' text for its
// ERROR_DISK_FULL (112). Errno's codes are told in the C library's words, and
// Windows' C library has none for a disk quota or a loop of links (codes only
// Linux reports) and calls EDOM a "domain error" (Wine's, as Linux's, an
// "argument out of domain").
#ifdef Q_OS_WIN
const QString kDiskFull = qt_error_string(112);
#define LINUX_OR_WINDOWS(onLinux, onWindows) onWindows
#else
const QString kDiskFull = QStringLiteral("No space left on device");
#define LINUX_OR_WINDOWS(onLinux, onWindows) onLinux
#endif

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureReason,
    testing::Values(
        ReasonCase{"Busy", database(5, "database is locked"), "файл занят другой программой",
                   "locked"},
        ReasonCase{"BusyExtended", database(5 | (2 << 8), "database is locked"),
                   "файл занят другой программой", "locked"},
        ReasonCase{"Full", database(13, "database or disk is full"), "диск заполнен", "full"},
        ReasonCase{"NotADatabase", database(26, "file is not a database"),
                   "файл повреждён или не является базой данных", "not a database"},
        ReasonCase{"ReadOnly", database(8, "attempt to write a readonly database"),
                   "файл или его папка доступны только для чтения", "readonly"},
        ReasonCase{"Corrupt", database(11, "database disk image is malformed"), "файл повреждён",
                   "malformed"},
        ReasonCase{"CantOpen", database(14, "unable to open database file"),
                   "файл не удаётся открыть", "unable"},
        ReasonCase{"Perm", database(3, "access permission denied"), "нет прав на доступ к файлу",
                   "denied"},
        ReasonCase{"UnknownDatabaseCode", database(2, "something new"),
                   "ошибка базы данных (код 2)", "something new"},
        ReasonCase{"DriverWithoutCode",
                   platform::reasonOfDatabaseError(QString(), QStringLiteral("Driver not loaded")),
                   "ошибка базы данных", "Driver not loaded"},
        ReasonCase{"QtsEnglishDiskFull", file(QFileDevice::WriteError, kDiskFull),
                   "на диске нет места", kDiskFull},
        ReasonCase{"ShortWriteAtTheSizeLimit", file(QFileDevice::WriteError, "", EFBIG),
                   "превышен допустимый размер файла", ""},
        ReasonCase{"QtsOwnWords", file(QFileDevice::RenameError, "Cannot rename"),
                   "файл не удаётся переименовать", "Cannot rename"},
        ReasonCase{"Quota", platform::reasonOfSystemError(EDQUOT), "превышена дисковая квота",
                   LINUX_OR_WINDOWS("quota", "Unknown error")},
        ReasonCase{"ReadOnlyDisk", platform::reasonOfSystemError(EROFS),
                   "диск доступен только для чтения", "Read-only"},
        ReasonCase{"ThroughALink", platform::reasonOfSystemError(ELOOP),
                   "путь ведёт через символическую ссылку или по кругу",
                   LINUX_OR_WINDOWS("symbolic links", "Unknown error")},
        ReasonCase{"Folder", platform::reasonOfSystemError(EISDIR), "это папка, а не файл",
                   "directory"},
        ReasonCase{"RareSystemCode", platform::reasonOfSystemError(EDOM), "системная ошибка 33",
                   LINUX_OR_WINDOWS("argument", "domain")}),
    [](const testing::TestParamInfo<ReasonCase>& p) { return p.param.name; });

}  // namespace

// One way to write a person's whole name: each name trimmed, the empty and
// the blank ones left out, nothing at all when there is no name.
TEST(FullName, TrimsAndLeavesOutTheEmptyOnes) {
    const struct {
        core::ClientNames names;
        const char* full;
    } cases[] = {
        {{"Иванова", "Мария", "Петровна"}, "Иванова Мария Петровна"},
        {{" Иванова ", "  ", "Петровна"}, "Иванова Петровна"},
        {{"", "Мария", ""}, "Мария"},
        {{" ", "", "\t"}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::fullName(c.names), QString::fromUtf8(c.full));
    }
}
