// The line reader's system calls on Windows: the C library's own numbered
// files, opened by their UTF-16 names and read as bytes.

#include <fcntl.h>
#include <io.h>
#include <QCoreApplication>

#include <cerrno>

#include "platform/file_names.h"
#include "platform/line_reader.h"
#include "platform/windows_system.h"

namespace platform {

LineReader::~LineReader() {
    if (ownsFd_) {
        ::_close(fd_);
    }
}

QString LineReader::open(const QString& path, const QByteArray& /*raw*/) {
    if (path == QLatin1String("-")) {
        if (standardInputClosed() || ::_get_osfhandle(0) < 0) {
            return QCoreApplication::translate("LineReader", "стандартный ввод закрыт");
        }
        ::_setmode(0, _O_BINARY);  // a line end is the bytes sent, a Ctrl+Z no end
        fd_ = 0;
        return {};
    }
    const std::wstring name = windows::nativePath(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return QCoreApplication::translate("LineReader", "это папка, а не файл");
    }
    fd_ = ::_wopen(name.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd_ < 0) {
        return readReason(errno);
    }
    ownsFd_ = true;
    return {};
}

qint64 LineReader::readSome(char* into, qint64 size, int* code) {
    const int got = ::_read(fd_, into, unsigned(size));
    *code = got < 0 ? errno : 0;
    return got;
}

}  // namespace platform
