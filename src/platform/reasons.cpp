#include "platform/reasons.h"

#include <QCoreApplication>
#include <cerrno>
#include <iterator>

#include "platform/system_words.h"

namespace platform {

namespace {

struct Known {
    int code;
    const char* reason;
};

// The system's reasons the user is likely to meet.
constexpr Known kSystemReasons[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("Reasons", "на диске нет места")},
    {EDQUOT, QT_TRANSLATE_NOOP("Reasons", "превышена дисковая квота")},
    {EFBIG, QT_TRANSLATE_NOOP("Reasons", "превышен допустимый размер файла")},
    {EACCES, QT_TRANSLATE_NOOP("Reasons", "нет прав доступа")},
    {EPERM, QT_TRANSLATE_NOOP("Reasons", "операция не разрешена")},
    {EROFS, QT_TRANSLATE_NOOP("Reasons", "диск доступен только для чтения")},
    {EIO, QT_TRANSLATE_NOOP("Reasons", "ошибка ввода-вывода на диске")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("Reasons", "слишком длинное имя файла")},
    {ENOENT, QT_TRANSLATE_NOOP("Reasons", "файл или папка не существует")},
    {ENOTDIR, QT_TRANSLATE_NOOP("Reasons", "путь к файлу проходит через файл, а не через папку")},
    {EISDIR, QT_TRANSLATE_NOOP("Reasons", "это папка, а не файл")},
    {ELOOP, QT_TRANSLATE_NOOP("Reasons", "путь ведёт через символическую ссылку или по кругу")},
    {EEXIST, QT_TRANSLATE_NOOP("Reasons", "файл уже существует")},
    {ETXTBSY, QT_TRANSLATE_NOOP("Reasons", "файл занят другой программой")},
    {EBUSY, QT_TRANSLATE_NOOP("Reasons", "файл занят другой программой")},
    {EAGAIN, QT_TRANSLATE_NOOP("Reasons", "файл занят, попробуйте ещё раз")},
    {EMFILE, QT_TRANSLATE_NOOP("Reasons", "открыто слишком много файлов")},
    {ENFILE, QT_TRANSLATE_NOOP("Reasons", "в системе открыто слишком много файлов")},
    {ENOMEM, QT_TRANSLATE_NOOP("Reasons", "не хватает памяти")},
    {ENXIO, QT_TRANSLATE_NOOP("Reasons", "устройство или канал недоступны")},
    {ENODEV, QT_TRANSLATE_NOOP("Reasons", "устройство недоступно")},
    {EXDEV, QT_TRANSLATE_NOOP("Reasons", "файл нельзя перенести на другой диск")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("Reasons", "папка не пуста")},
    {EINVAL, QT_TRANSLATE_NOOP("Reasons", "недопустимое имя или действие")},
    {EINTR, QT_TRANSLATE_NOOP("Reasons", "действие прервано")},
    {ESTALE, QT_TRANSLATE_NOOP("Reasons", "сетевой диск больше недоступен")},
    {ETIMEDOUT, QT_TRANSLATE_NOOP("Reasons", "истекло время ожидания")},
    {EPIPE, QT_TRANSLATE_NOOP("Reasons", "канал закрыт с другой стороны")},
};

// SQLite's primary result codes: they are part of its file format and
// interface and never change.
constexpr Known kDatabaseReasons[] = {
    {1, QT_TRANSLATE_NOOP("Reasons", "ошибка в запросе к базе данных")},  // SQLITE_ERROR
    {3, QT_TRANSLATE_NOOP("Reasons", "нет прав на доступ к файлу")},      // SQLITE_PERM
    {4, QT_TRANSLATE_NOOP("Reasons", "действие прервано")},               // SQLITE_ABORT
    {5, QT_TRANSLATE_NOOP("Reasons", "файл занят другой программой")},    // SQLITE_BUSY
    {6, QT_TRANSLATE_NOOP("Reasons", "файл занят другой программой")},    // SQLITE_LOCKED
    {7, QT_TRANSLATE_NOOP("Reasons", "не хватает памяти")},               // SQLITE_NOMEM
    {8, QT_TRANSLATE_NOOP("Reasons",
                          "файл или его папка доступны только для чтения")},  // SQLITE_READONLY
    {9, QT_TRANSLATE_NOOP("Reasons", "действие прервано")},                   // SQLITE_INTERRUPT
    {10, QT_TRANSLATE_NOOP("Reasons", "ошибка чтения или записи на диске")},  // SQLITE_IOERR
    {11, QT_TRANSLATE_NOOP("Reasons", "файл повреждён")},                     // SQLITE_CORRUPT
    {13, QT_TRANSLATE_NOOP("Reasons", "диск заполнен")},                      // SQLITE_FULL
    {14, QT_TRANSLATE_NOOP("Reasons", "файл не удаётся открыть")},            // SQLITE_CANTOPEN
    {15,
     QT_TRANSLATE_NOOP("Reasons", "файл заблокирован не так, как ожидалось")},  // SQLITE_PROTOCOL
    {17, QT_TRANSLATE_NOOP("Reasons",
                           "устройство базы данных изменилось во время работы")},  // SQLITE_SCHEMA
    {18, QT_TRANSLATE_NOOP("Reasons", "запись слишком велика")},                   // SQLITE_TOOBIG
    {19, QT_TRANSLATE_NOOP("Reasons", "запись нарушает правила базы данных")},  // SQLITE_CONSTRAINT
    {20, QT_TRANSLATE_NOOP("Reasons", "значение неподходящего типа")},          // SQLITE_MISMATCH
    {21, QT_TRANSLATE_NOOP(
             "Reasons", "внутренняя ошибка программы при работе с базой данных")},  // SQLITE_MISUSE
    {22, QT_TRANSLATE_NOOP("Reasons", "файл слишком велик для этой системы")},      // SQLITE_NOLFS
    {23, QT_TRANSLATE_NOOP("Reasons", "нет прав на доступ к базе данных")},         // SQLITE_AUTH
    {26,
     QT_TRANSLATE_NOOP("Reasons", "файл повреждён или не является базой данных")},  // SQLITE_NOTADB
};

// Qt's kinds of file failure, for failures the system gave no code for.
struct KnownFileError {
    QFileDevice::FileError error;
    const char* reason;
};

constexpr KnownFileError kFileReasons[] = {
    {QFileDevice::ReadError, QT_TRANSLATE_NOOP("Reasons", "ошибка чтения")},
    {QFileDevice::WriteError, QT_TRANSLATE_NOOP("Reasons", "ошибка записи")},
    {QFileDevice::FatalError, QT_TRANSLATE_NOOP("Reasons", "ошибка диска")},
    {QFileDevice::ResourceError, QT_TRANSLATE_NOOP("Reasons", "не хватает места или памяти")},
    {QFileDevice::OpenError, QT_TRANSLATE_NOOP("Reasons", "файл не удаётся открыть")},
    {QFileDevice::AbortError, QT_TRANSLATE_NOOP("Reasons", "действие прервано")},
    {QFileDevice::TimeOutError, QT_TRANSLATE_NOOP("Reasons", "истекло время ожидания")},
    {QFileDevice::RemoveError, QT_TRANSLATE_NOOP("Reasons", "файл не удаётся удалить")},
    {QFileDevice::RenameError, QT_TRANSLATE_NOOP("Reasons", "файл не удаётся переименовать")},
    {QFileDevice::PositionError, QT_TRANSLATE_NOOP("Reasons", "ошибка перемещения по файлу")},
    {QFileDevice::ResizeError, QT_TRANSLATE_NOOP("Reasons", "не удаётся изменить размер файла")},
    {QFileDevice::PermissionsError,
     QT_TRANSLATE_NOOP("Reasons", "не удаётся изменить права доступа к файлу")},
    {QFileDevice::CopyError, QT_TRANSLATE_NOOP("Reasons", "файл не удаётся скопировать")},
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
    const QString said = libraryWords(code);
    if (const char* known = find(std::begin(kSystemReasons), std::end(kSystemReasons), code)) {
        return {QCoreApplication::translate("Reasons", known), said};
    }
    return {QCoreApplication::translate("Reasons", "системная ошибка %1").arg(code), said};
}

QString systemReason(int code) {
    return reasonOfSystemError(code).text;
}

Reason reasonOfFileError(QFileDevice::FileError error, const QString& said, int code) {
    for (const Known& known : kSystemReasons) {
        for (const QString& system : systemWordsFor(known.code)) {
            if (!system.isEmpty() && said.contains(system)) {
                return {QCoreApplication::translate("Reasons", known.reason), said};
            }
        }
    }
    if (const char* known = find(std::begin(kSystemReasons), std::end(kSystemReasons), code)) {
        return {QCoreApplication::translate("Reasons", known), said};
    }
    for (const KnownFileError& known : kFileReasons) {
        if (known.error == error) {
            return {QCoreApplication::translate("Reasons", known.reason), said};
        }
    }
    return {QCoreApplication::translate("Reasons", "ошибка при работе с файлом"), said};
}

Reason reasonOfFileError(const QFileDevice& file, int code) {
    return reasonOfFileError(file.error(), file.errorString(), code);
}

Reason reasonOfDatabaseError(int code, const QString& said) {
    if (const char* known =
            find(std::begin(kDatabaseReasons), std::end(kDatabaseReasons), code & 0xff)) {
        return {QCoreApplication::translate("Reasons", known), said};
    }
    return {code < 0
                ? QCoreApplication::translate("Reasons", "ошибка базы данных")
                : QCoreApplication::translate("Reasons", "ошибка базы данных (код %1)").arg(code),
            said};
}

Reason reasonOfDatabaseError(const QString& nativeCode, const QString& said) {
    bool ok = false;
    const int code = nativeCode.toInt(&ok);
    return reasonOfDatabaseError(ok && code >= 0 ? code : -1, said);
}

}  // namespace platform
