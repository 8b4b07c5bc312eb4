#include "app/client_list_input.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "platform/file_names.h"

namespace companion {

QString openClientList(const Options& o, const QByteArray& raw, QFile& in) {
    const QString& path = o.clients;
    if (path == QLatin1String("-")) {
        // By its number: reading the C library's stdin stream fails on Windows.
        return !o.standardInputClosed && in.open(0, QIODevice::ReadOnly)
                   ? QString()
                   : QCoreApplication::translate("ClientsCli", "стандартный ввод закрыт");
    }
    if (raw.isEmpty() && QFileInfo(path).isDir()) {
        return QCoreApplication::translate("ClientsCli", "это папка, а не файл");
    }
    errno = 0;
    std::FILE* file = platform::openNamedFile(path, raw);
    if (!file) {
        return platform::readReason(errno);
    }
    if (!in.open(file, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        std::fclose(file);
        return in.errorString();
    }
    return {};
}

QString listNameOf(const Options& o) {
    return o.clients == QLatin1String("-")
               ? QCoreApplication::translate("ClientsCli", "стандартного ввода")
               : QCoreApplication::translate("ClientsCli", "файла «%1»").arg(o.clients);
}

}  // namespace companion
