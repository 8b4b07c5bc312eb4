// File names, identities and the program's own place on Linux and other
// POSIX systems.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>

#include "platform/file_names.h"
#include "platform/safe_file.h"

namespace platform {

std::FILE* openNamedFile(const QString& path, const QByteArray& raw) {
    return std::fopen(raw.isEmpty() ? QFile::encodeName(path).constData() : raw.constData(), "rb");
}

QStringList commandLineArguments(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << QFile::decodeName(argv[i]);
    }
    return args;
}

// A name that is not valid UTF-8 cannot pass through a QString: the file is
// written under a plain name in a fresh folder beside it (reached through
// /proc/self/fd, since the folder's own name may not be valid UTF-8 either)
// and then renamed to the bytes given, which replaces an old file in one step.
QString writeUnderName(const QString& path, const QByteArray& raw,
                       const std::function<QString(const QString&)>& write) {
    if (raw.isEmpty()) {
        return write(path);
    }
    const qsizetype slash = raw.lastIndexOf('/');
    const QByteArray folder = slash >= 0 ? raw.left(slash + 1) : QByteArray("./");
    const QByteArray name = raw.mid(slash + 1);
    struct stat st {};
    if (::lstat(raw.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return writeFailedMessage(path,
                                  QCoreApplication::translate("FileNames", "это не обычный файл"));
    }
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        return writeFailedMessage(path, writeReason(errno));
    }
    QString error;
    {
        QTemporaryDir beside(QStringLiteral("/proc/self/fd/%1/.zemtar-XXXXXX").arg(dir));
        const QString inside = beside.filePath(QStringLiteral("out"));
        const QByteArray inner = QFile::encodeName(QFileInfo(beside.path()).fileName()) + "/out";
        if (!beside.isValid()) {
            error = writeFailedMessage(
                path,
                QCoreApplication::translate("FileNames", "не удалось создать временную папку"));
        } else if (!(error = write(inside)).isEmpty()) {
            error.replace(inside, path);
        } else if (::renameat(dir, inner.constData(), dir, name.constData()) != 0) {
            error = writeFailedMessage(path, writeReason(errno));
        }
    }
    ::close(dir);
    return error;
}

QString readUnderName(const QString& path, const QByteArray& raw,
                      const std::function<QString(const QString&)>& read) {
    if (raw.isEmpty()) {
        return read(path);
    }
    // Without waiting: a FIFO under the name would never answer.
    const int fd = ::open(raw.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return QCoreApplication::translate("FileNames", "Не удалось прочитать файл «%1»: %2.")
            .arg(QDir::toNativeSeparators(path), readReason(errno));
    }
    const QString opened = QStringLiteral("/proc/self/fd/%1").arg(fd);
    QString message = read(opened);
    ::close(fd);
    return message.replace(opened, QDir::toNativeSeparators(path));
}

namespace {

FileIdentity identityFrom(const struct stat& st) {
    return {quint64(st.st_dev), quint64(st.st_ino)};
}

}  // namespace

std::optional<FileIdentity> identityOf(const QString& path, const QByteArray& raw) {
    struct stat st {};
    if (::stat(raw.isEmpty() ? QFile::encodeName(path).constData() : raw.constData(), &st) != 0) {
        return std::nullopt;
    }
    return identityFrom(st);
}

std::optional<FileIdentity> standardInputIdentity() {
    struct stat st {};
    if (::fstat(STDIN_FILENO, &st) != 0) {
        return std::nullopt;
    }
    return identityFrom(st);
}

bool standardInputClosed() {
    // Once the program has opened a file or made its application object,
    // number 0 may be taken by it: the first answer stands.
    static const bool closed = ::fcntl(STDIN_FILENO, F_GETFD) == -1 && errno == EBADF;
    return closed;
}

QString executableFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString libraryFile(const QString& name) {
    return executableFolder() + u'/' + name + QStringLiteral(".so");
}

void prepareStandardStreams() {
    // Bytes go out as they are written already.
}

}  // namespace platform
