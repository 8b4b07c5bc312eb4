#pragma once

#include <QFileDevice>
#include <QString>
#include <cerrno>

// Windows' C library has no codes for disk quotas and stale network files:
// the system reports those otherwise. The numbers here are no code it uses,
// so the reasons for them are found by name on both systems and met on Linux alone.
#ifndef EDQUOT
#define EDQUOT 0x100001
#endif
#ifndef ESTALE
#define ESTALE 0x100002
#endif

namespace platform {

// Why something failed: in Russian for the message, and in the words of the
// system or library that reported it (English as a rule) for the message's
// details, where someone helping the user can look them up.
struct Reason {
    QString text;
    QString details;
};

// The system's error code (errno) in Russian: «на диске нет места»,
// «нет прав на запись», … Codes the user is unlikely to meet are named by
// their number; reasonOfSystemError() keeps the system's own words as details.
QString systemReason(int code);
Reason reasonOfSystemError(int code);

// Why a Qt file operation failed. Qt's error text is the system's English one,
// so the system's code is found by comparing texts; `code` is errno right
// after the failed call, for failures Qt reports without the system's text
// (a write cut short by a full disk or by the file size limit).
Reason reasonOfFileError(const QFileDevice& file, int code = 0);
Reason reasonOfFileError(QFileDevice::FileError error, const QString& said, int code = 0);

// Why an SQLite operation failed, from its result code (primary or extended)
// and its own text: «файл занят другой программой», «диск заполнен», … A code
// that is not a number (an error before SQLite was reached) gives a general
// reason. `nativeCode` is what QSqlError::nativeErrorCode() gives.
Reason reasonOfDatabaseError(int code, const QString& said);
Reason reasonOfDatabaseError(const QString& nativeCode, const QString& said);

}  // namespace platform
