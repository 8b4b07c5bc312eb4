#include "platform/reasons.h"

#include <cerrno>
#include <iterator>

namespace platform {

namespace {

struct Known {
    int code;
    const char* reason;
};

// The system's reasons the user is likely to meet.
constexpr Known kSystemReasons[] = {
    {ENOSPC, "на диске нет места"},
    {EDQUOT, "превышена дисковая квота"},
    {EFBIG, "превышен допустимый размер файла"},
    {EACCES, "нет прав доступа"},
    {EPERM, "операция не разрешена"},
    {EROFS, "диск доступен только для чтения"},
    {EIO, "ошибка ввода-вывода на диске"},
    {ENAMETOOLONG, "слишком длинное имя файла"},
    {ENOENT, "файл или папка не существует"},
    {ENOTDIR, "путь к файлу проходит через файл, а не через папку"},
    {EISDIR, "это папка, а не файл"},
    {ELOOP, "путь ведёт через символическую ссылку или по кругу"},
    {EEXIST, "файл уже существует"},
    {ETXTBSY, "файл занят другой программой"},
    {EBUSY, "файл занят другой программой"},
    {EAGAIN, "файл занят, попробуйте ещё раз"},
    {EMFILE, "открыто слишком много файлов"},
    {ENFILE, "в системе открыто слишком много файлов"},
    {ENOMEM, "не хватает памяти"},
    {ENXIO, "устройство или канал недоступны"},
    {ENODEV, "устройство недоступно"},
    {EXDEV, "файл нельзя перенести на другой диск"},
    {ENOTEMPTY, "папка не пуста"},
    {EINVAL, "недопустимое имя или действие"},
    {EINTR, "действие прервано"},
    {ESTALE, "сетевой диск больше недоступен"},
    {ETIMEDOUT, "истекло время ожидания"},
    {EPIPE, "канал закрыт с другой стороны"},
};

// SQLite's primary result codes: they are part of its file format and
// interface and never change.
constexpr Known kDatabaseReasons[] = {
    {1, "ошибка в запросе к базе данных"},                          // SQLITE_ERROR
    {3, "нет прав на доступ к файлу"},                              // SQLITE_PERM
    {4, "действие прервано"},                                       // SQLITE_ABORT
    {5, "файл занят другой программой"},                            // SQLITE_BUSY
    {6, "файл занят другой программой"},                            // SQLITE_LOCKED
    {7, "не хватает памяти"},                                       // SQLITE_NOMEM
    {8, "файл или его папка доступны только для чтения"},           // SQLITE_READONLY
    {9, "действие прервано"},                                       // SQLITE_INTERRUPT
    {10, "ошибка чтения или записи на диске"},                      // SQLITE_IOERR
    {11, "файл повреждён"},                                         // SQLITE_CORRUPT
    {13, "диск заполнен"},                                          // SQLITE_FULL
    {14, "файл не удаётся открыть"},                                // SQLITE_CANTOPEN
    {15, "файл заблокирован не так, как ожидалось"},                // SQLITE_PROTOCOL
    {17, "устройство базы данных изменилось во время работы"},      // SQLITE_SCHEMA
    {18, "запись слишком велика"},                                  // SQLITE_TOOBIG
    {19, "запись нарушает правила базы данных"},                    // SQLITE_CONSTRAINT
    {20, "значение неподходящего типа"},                            // SQLITE_MISMATCH
    {21, "внутренняя ошибка программы при работе с базой данных"},  // SQLITE_MISUSE
    {22, "файл слишком велик для этой системы"},                    // SQLITE_NOLFS
    {23, "нет прав на доступ к базе данных"},                       // SQLITE_AUTH
    {26, "файл повреждён или не является базой данных"},            // SQLITE_NOTADB
};

// Qt's kinds of file failure, for failures the system gave no code for.
struct KnownFileError {
    QFileDevice::FileError error;
    const char* reason;
};

constexpr KnownFileError kFileReasons[] = {
    {QFileDevice::ReadError, "ошибка чтения"},
    {QFileDevice::WriteError, "ошибка записи"},
    {QFileDevice::FatalError, "ошибка диска"},
    {QFileDevice::ResourceError, "не хватает места или памяти"},
    {QFileDevice::OpenError, "файл не удаётся открыть"},
    {QFileDevice::AbortError, "действие прервано"},
    {QFileDevice::TimeOutError, "истекло время ожидания"},
    {QFileDevice::RemoveError, "файл не удаётся удалить"},
    {QFileDevice::RenameError, "файл не удаётся переименовать"},
    {QFileDevice::PositionError, "ошибка перемещения по файлу"},
    {QFileDevice::ResizeError, "не удаётся изменить размер файла"},
    {QFileDevice::PermissionsError, "не удаётся изменить права доступа к файлу"},
    {QFileDevice::CopyError, "файл не удаётся скопировать"},
};

const char* find(const Known* begin, const Known* end, int code) {
    for (const Known* known = begin; known != end; ++known) {
        if (known->code == code) {
            return known->reason;
        }
    }
    return nullptr;
}

}  // namespace

Reason reasonOfSystemError(int code) {
    const QString said = qt_error_string(code);
    if (const char* known = find(std::begin(kSystemReasons), std::end(kSystemReasons), code)) {
        return {QString::fromUtf8(known), said};
    }
    return {QStringLiteral("системная ошибка %1").arg(code), said};
}

QString systemReason(int code) {
    return reasonOfSystemError(code).text;
}

Reason reasonOfFileError(QFileDevice::FileError error, const QString& said, int code) {
    for (const Known& known : kSystemReasons) {
        const QString system = qt_error_string(known.code);
        if (!system.isEmpty() && said.contains(system)) {
            return {QString::fromUtf8(known.reason), said};
        }
    }
    if (const char* known = find(std::begin(kSystemReasons), std::end(kSystemReasons), code)) {
        return {QString::fromUtf8(known), said};
    }
    for (const KnownFileError& known : kFileReasons) {
        if (known.error == error) {
            return {QString::fromUtf8(known.reason), said};
        }
    }
    return {QStringLiteral("ошибка при работе с файлом"), said};
}

Reason reasonOfFileError(const QFileDevice& file, int code) {
    return reasonOfFileError(file.error(), file.errorString(), code);
}

Reason reasonOfDatabaseError(int code, const QString& said) {
    if (const char* known =
            find(std::begin(kDatabaseReasons), std::end(kDatabaseReasons), code & 0xff)) {
        return {QString::fromUtf8(known), said};
    }
    return {code < 0 ? QStringLiteral("ошибка базы данных")
                     : QStringLiteral("ошибка базы данных (код %1)").arg(code),
            said};
}

Reason reasonOfDatabaseError(const QString& nativeCode, const QString& said) {
    bool ok = false;
    const int code = nativeCode.toInt(&ok);
    return reasonOfDatabaseError(ok && code >= 0 ? code : -1, said);
}

}  // namespace platform
