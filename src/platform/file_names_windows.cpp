// File names, identities and the program's own place on Windows, where a
// name is UTF-16 and always passes through a QString unchanged.

#include <fcntl.h>
#include <io.h>

#include <QFileInfo>
#include <cstdio>
#include <vector>

#include "platform/file_names.h"
#include "platform/windows_system.h"

#include <shellapi.h>

namespace platform {

using windows::nativePath;

std::FILE* openNamedFile(const QString& path, const QByteArray& /*raw*/) {
    // By the UTF-16 name: fopen() would take it in the ANSI code page.
    return ::_wfopen(nativePath(path).c_str(), L"rb");
}

QStringList commandLineArguments(int argc, char* argv[]) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    QStringList args;
    if (wide != nullptr) {
        for (int i = 0; i < count; ++i) {
            args << QString::fromWCharArray(wide[i]);
        }
        ::LocalFree(wide);
    }
    // Should the system not split its command line as the C library split
    // argv, argv is the better of the two.
    if (args.size() != argc) {
        args.clear();
        for (int i = 0; i < argc; ++i) {
            args << QString::fromLocal8Bit(argv[i]);
        }
    }
    return args;
}

QString writeUnderName(const QString& path, const QByteArray& /*raw*/,
                       const std::function<QString(const QString&)>& write) {
    return write(path);
}

QString readUnderName(const QString& path, const QByteArray& /*raw*/,
                      const std::function<QString(const QString&)>& read) {
    return read(path);
}

namespace {

// The volume and the file's number on it name one file under any of its
// names, as the device and inode do elsewhere. Pipes and consoles have none.
std::optional<FileIdentity> identityOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info)) {
        return std::nullopt;
    }
    return FileIdentity{info.dwVolumeSerialNumber,
                        (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace

std::optional<FileIdentity> identityOf(const QString& path, const QByteArray& /*raw*/) {
    const HANDLE handle =
        ::CreateFileW(nativePath(path).c_str(), FILE_READ_ATTRIBUTES,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<FileIdentity> identity = identityOfHandle(handle);
    ::CloseHandle(handle);
    return identity;
}

std::optional<FileIdentity> standardInputIdentity() {
    const HANDLE handle = ::GetStdHandle(STD_INPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return identityOfHandle(handle);
}

bool standardInputClosed() {
    static const bool closed = [] {
        const HANDLE handle = ::GetStdHandle(STD_INPUT_HANDLE);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    }();
    return closed;
}

QString executableFolder() {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            return QFileInfo(QString::fromWCharArray(name.data(), int(length))).canonicalPath();
        }
        name.resize(name.size() * 2);
    }
}

QString libraryFile(const QString& name) {
    return executableFolder() + u'/' + name + QStringLiteral(".dll");
}

void prepareStandardStreams() {
    for (FILE* stream : {stdin, stdout, stderr}) {
        if (const int fd = ::_fileno(stream); fd >= 0) {
            ::_setmode(fd, _O_BINARY);
        }
    }
    // A console shows the UTF-8 the program writes, answers and messages
    // alike; a file or a pipe gets it as it is.
    DWORD mode = 0;
    if (::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) ||
        ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode)) {
        ::SetConsoleOutputCP(CP_UTF8);
    }
}

}  // namespace platform
