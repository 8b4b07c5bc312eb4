#include "platform/safe_file.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>

#include "platform/private_files.h"
#include "platform/reasons.h"

namespace platform {

namespace {

// The reason a Qt file operation failed, in Russian (reasons.h).
QString reasonOf(const QFileDevice& file, int code = 0) {
    return reasonOfFileError(file, code).text;
}

// Why the file could not be opened for writing. A folder or a file the user
// may not change is named as such: Qt says only that access was denied, or
// that writing failed, which reads like a fault of the disk.
QString openReason(const QFileDevice& file, const QString& path) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (folder.isDir() && !folder.isWritable()) {
        return QCoreApplication::translate("SafeFile", "папка %1 доступна только для чтения")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    }
    if (const QFileInfo target(path); target.exists() && !target.isWritable()) {
        return QCoreApplication::translate("SafeFile", "файл доступен только для чтения");
    }
    return reasonOf(file);
}

}  // namespace

namespace {

// What is wrong with the place before anything is written there; empty when
// nothing is. QSaveFile would replace a device or a FIFO by a regular file
// (for root, who may rename over anything), so those are refused here.
QString placeProblem(const QString& path) {
    if (path.isEmpty()) {
        return QCoreApplication::translate("SafeFile", "имя файла не задано");
    }
    switch (targetKind(path)) {
        case PathKind::Folder:
            return QCoreApplication::translate("SafeFile", "это папка, а не файл");
        case PathKind::Other:
            return QCoreApplication::translate(
                "SafeFile", "это не обычный файл, а устройство, канал или сокет");
        case PathKind::File:
            return {};
        default:
            break;
    }
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists()) {
        return QCoreApplication::translate("SafeFile", "папка %1 не существует")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    }
    if (!folder.isDir()) {
        return QCoreApplication::translate("SafeFile", "%1 — не папка")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    }
    return {};
}

}  // namespace

namespace {

// Hands every write on to the file until all of it is there. A write cut
// short (a file size limit, a full disk) returns fewer bytes without an error,
// and a writer that does not count them would have the cut file saved; here
// the rest is tried again, which brings out the failure and its reason.
class WholeWrites : public QIODevice {
public:
    explicit WholeWrites(QFileDevice& file) : file_(file) { open(QIODevice::WriteOnly); }

    bool cut() const { return cut_; }
    int code() const { return code_; }
    bool seek(qint64 position) override {
        return QIODevice::seek(position) && file_.seek(position);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        qint64 done = 0;
        while (done < size) {
            errno = 0;
            const qint64 written = file_.write(data + done, size - done);
            if (written <= 0) {
                cut_ = true;
                code_ = errno;
                return -1;
            }
            done += written;
        }
        return size;
    }

private:
    QFileDevice& file_;
    bool cut_ = false;
    int code_ = 0;
};

}  // namespace

QString writeFailedMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("SafeFile", "Не удалось записать файл %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    if (const QString problem = placeProblem(path); !problem.isEmpty()) {
        return writeFailedMessage(path, problem);
    }
    const bool replacing = QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return writeFailedMessage(path, openReason(file, path));
    }
    if (!replacing && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return writeFailedMessage(path, reason);
    }
    errno = 0;
    WholeWrites device(file);
    const bool written = write(device) && !device.cut();
    // QSaveFile notices a failed write only while its buffer fills; the last
    // bytes leave the buffer in commit(), which would put the incomplete file
    // in place before it reports. Flush first, so that nothing incomplete is
    // ever committed.
    const bool flushed = written && file.flush();
    const int code = device.cut() ? device.code() : errno;
    if (!written || !flushed || file.error() != QFileDevice::NoError) {
        const QString reason =
            device.cut()
                ? (code != 0 ? systemReason(code)
                             : QCoreApplication::translate("SafeFile", "файл записан не полностью"))
            : file.error() != QFileDevice::NoError
                ? reasonOf(file, code)
                : QCoreApplication::translate("SafeFile",
                                              "содержимое файла не удалось подготовить");
        file.cancelWriting();
        return writeFailedMessage(path, reason);
    }
    if (!file.commit()) {
        return writeFailedMessage(path, reasonOf(file));
    }
    return {};
}

QString writeFileByName(const QString& path,
                        const std::function<QString(const QString& temporary)>& write) {
    if (const QString problem = placeProblem(path); !problem.isEmpty()) {
        return writeFailedMessage(path, problem);
    }
    const QFileInfo info(path);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    // Made private from the start; it stays only if it takes the target's place.
    // QTemporaryFile keeps its file open until it goes, close() or not, and
    // Windows moves no file that is open: it goes before anything is written.
    QString name;
    {
        QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
        temporary.setAutoRemove(false);
        if (!temporary.open()) {
            return writeFailedMessage(path, openReason(temporary, target));
        }
        name = temporary.fileName();
    }
    const auto failed = [&](const QString& why) {
        QFile::remove(name);
        return writeFailedMessage(path, why);
    };
    // A replaced file keeps its rights.
    if (QFile made(name);
        QFileInfo::exists(target) && !made.setPermissions(QFile::permissions(target))) {
        return failed(reasonOf(made));
    }
    if (const QString why = write(name); !why.isEmpty()) {
        return failed(why);
    }
    if (const int code = replaceFile(name, target); code != 0) {
        return failed(systemReason(code));
    }
    return {};
}

}  // namespace platform
