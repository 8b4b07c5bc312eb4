#include "platform/safe_file.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace platform {

namespace {

// The system's reasons the user is likely to meet, in Russian. Qt reports a
// failed write with the system's own (English) text; the code is found by
// comparing that text with the system's text of each code.
struct KnownReason {
    int code;
    const char* reason;
};

constexpr KnownReason kKnownReasons[] = {
    {ENOSPC, "на диске нет места"},
    {EDQUOT, "превышена дисковая квота"},
    {EFBIG, "превышен допустимый размер файла"},
    {EACCES, "нет прав на запись"},
    {EPERM, "нет прав на запись"},
    {EROFS, "диск доступен только для чтения"},
    {EIO, "ошибка ввода-вывода"},
    {ENAMETOOLONG, "слишком длинное имя файла"},
    {ENOENT, "папка не существует"},
    {ENOTDIR, "путь к файлу проходит через файл, а не через папку"},
    {EISDIR, "это папка, а не файл"},
};

// `code`: the system's error code right after the failed call, for failures
// that Qt reports without the system's text (a write cut short by a full disk
// or by the file size limit).
QString reasonOf(const QFileDevice& file, int code = 0) {
    const QString said = file.errorString();
    for (const KnownReason& known : kKnownReasons) {
        const QString system = qt_error_string(known.code);
        if (!system.isEmpty() && said.contains(system)) {
            return QString::fromUtf8(known.reason);
        }
    }
    for (const KnownReason& known : kKnownReasons) {
        if (known.code == code) {
            return QString::fromUtf8(known.reason);
        }
    }
    // Anything else keeps the system's own words, unless there are none.
    return said.isEmpty() || said == QLatin1String("Unknown error")
               ? QStringLiteral("ошибка записи")
               : said;
}

}  // namespace

QString systemReason(int code) {
    for (const KnownReason& known : kKnownReasons) {
        if (known.code == code) {
            return QString::fromUtf8(known.reason);
        }
    }
    return qt_error_string(code);
}

namespace {

// What is wrong with the place before anything is written there; empty when
// nothing is. QSaveFile would replace a device or a FIFO by a regular file
// (for root, who may rename over anything), so those are refused here.
QString placeProblem(const QString& path) {
    if (path.isEmpty()) {
        return QStringLiteral("имя файла не задано");
    }
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) == 0) {
        if (S_ISDIR(target.st_mode)) {
            return QStringLiteral("это папка, а не файл");
        }
        if (!S_ISREG(target.st_mode)) {
            return QStringLiteral("это не обычный файл, а устройство, канал или сокет");
        }
        return {};
    }
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists()) {
        return QStringLiteral("папка %1 не существует")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    }
    if (!folder.isDir()) {
        return QStringLiteral("%1 — не папка").arg(QDir::toNativeSeparators(folder.filePath()));
    }
    return {};
}

}  // namespace

QString writeFailedMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось записать файл %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    if (const QString problem = placeProblem(path); !problem.isEmpty()) {
        return writeFailedMessage(path, problem);
    }
    const bool replacing = QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return writeFailedMessage(path, reasonOf(file));
    }
    if (!replacing && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return writeFailedMessage(path, reason);
    }
    errno = 0;
    const bool written = write(file);
    // QSaveFile notices a failed write only while its buffer fills; the last
    // bytes leave the buffer in commit(), which would put the incomplete file
    // in place before it reports. Flush first, so that nothing incomplete is
    // ever committed.
    const bool flushed = written && file.flush();
    const int code = errno;
    if (!written || !flushed || file.error() != QFileDevice::NoError) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? reasonOf(file, code)
                                   : QStringLiteral("содержимое файла не удалось подготовить");
        file.cancelWriting();
        return writeFailedMessage(path, reason);
    }
    if (!file.commit()) {
        return writeFailedMessage(path, reasonOf(file));
    }
    return {};
}

}  // namespace platform
