#include "platform/file_names.h"

#include <QCoreApplication>

#include <QFile>
#include <cerrno>

#include "platform/safe_file.h"

namespace platform {

namespace {

struct KnownReason {
    int code;
    const char* reason;
};

// What a user may meet when a file is read: the system's own words are English.
constexpr KnownReason kReadReasons[] = {
    {ENOENT, QT_TRANSLATE_NOOP("FileNames", "файл не существует")},
    {EACCES, QT_TRANSLATE_NOOP("FileNames", "нет прав на чтение")},
    {EPERM, QT_TRANSLATE_NOOP("FileNames", "нет прав на чтение")},
    {EISDIR, QT_TRANSLATE_NOOP("FileNames", "это папка, а не файл")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileNames", "путь к файлу проходит через файл, а не через папку")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileNames", "слишком длинное имя файла")},
    {ELOOP, QT_TRANSLATE_NOOP("FileNames", "слишком много символических ссылок подряд")},
    {EIO, QT_TRANSLATE_NOOP("FileNames", "ошибка ввода-вывода")},
    {EBADF, QT_TRANSLATE_NOOP("FileNames", "поток закрыт")},
    {EMFILE, QT_TRANSLATE_NOOP("FileNames", "открыто слишком много файлов")},
    {ENFILE, QT_TRANSLATE_NOOP("FileNames", "открыто слишком много файлов")},
    {ENOMEM, QT_TRANSLATE_NOOP("FileNames", "не хватает памяти")},
    {ENXIO, QT_TRANSLATE_NOOP("FileNames", "устройство недоступно")},
    {ENODEV, QT_TRANSLATE_NOOP("FileNames", "устройство недоступно")},
    {EOVERFLOW, QT_TRANSLATE_NOOP("FileNames", "файл слишком велик")},
};

QString unknownReason(int code) {
    return QCoreApplication::translate("FileNames", "системная ошибка %1").arg(code);
}

}  // namespace

QString writeReason(int code) {
    if (code == EPIPE) {
        return QCoreApplication::translate("FileNames", "читающая программа закрыла канал");
    }
    return systemReason(code);
}

QByteArray argumentBytes(const QString& text, int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QFile::decodeName(raw) == text && QFile::encodeName(text) != raw) {
            return raw;
        }
    }
    return {};
}

QString readReason(int code) {
    for (const KnownReason& known : kReadReasons) {
        if (known.code == code) {
            return QCoreApplication::translate("FileNames", known.reason);
        }
    }
    return unknownReason(code);
}

}  // namespace platform
