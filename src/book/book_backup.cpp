// A copy of the book kept apart, and when the last one was made, for the
// reminder. The book brought back from a copy is book_restore.cpp.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QVariant>
#include <algorithm>
#include <limits>

#include "book/book_private.h"
#include "book/client_book.h"
#include "book/restore_job.h"
#include "platform/private_files.h"
#include "platform/safe_file.h"
#include "platform/user_settings.h"

namespace book {

using detail::quoted;
using detail::reason;

namespace {

const QString kBackupBook = QStringLiteral("book/backup/file");
const QString kLastCopy = QStringLiteral("book/backup/lastCopy");
constexpr qint64 kRemindAfterDays = 30;

}  // namespace

namespace detail {

bool sameFile(const QString& a, const QString& b) {
    const QString one = QFileInfo(a).canonicalFilePath();
    return !one.isEmpty() && one == QFileInfo(b).canonicalFilePath();
}

// The book's pages go through SQLite's own backup, a few hundred at a time,
// into the file the one writer then puts in place: the copy is the book as it
// was at one moment (the backup starts again if it changes meanwhile), and
// what it takes in memory does not grow with the book.
QString writeDatabase(const QSqlDatabase& db, const QString& file) {
    return platform::writeFileByName(file, [&](const QString& temporary) {
        {
            Connection to(temporary);
            if (!to.isOpen()) {
                return reason(to.db().lastError());
            }
            const CopyResult copied = copyDatabase(db, to.db(), std::numeric_limits<qint64>::max());
            if (copied.fault != CopyFault::None) {
                return copied.why;
            }
        }
        // The book's first page says WAL mode, which would have SQLite look
        // for a -wal file beside the copy: the copy is one file.
        Connection copy(temporary);
        QSqlQuery q(copy.db());
        if (!q.exec(QStringLiteral("PRAGMA journal_mode = DELETE")) || !q.next() ||
            q.value(0).toString() != QStringLiteral("delete")) {
            return reason(q.lastError());
        }
        return QString();
    });
}

}  // namespace detail

bool ClientBook::backup(const QString& file, QString* error) {
    if (!writeCopy(file, error)) {
        return false;
    }
    platform::userSettings().setValues(
        {{kBackupBook, path_}, {kLastCopy, moment().toUTC().toString(Qt::ISODateWithMs)}});
    return true;
}

bool ClientBook::writeCopy(const QString& file, QString* error) {
    const auto failed = [&](const QString& why) {
        return fail(error,
                    QCoreApplication::translate("BookBackup", "Копия картотеки не сохранена. %1")
                        .arg(platform::writeFailedMessage(file, why) + u'.'));
    };
    if (!waitForCheck(error)) {
        return false;
    }
    if (platform::inspectPath(file).kind == platform::PathKind::SymbolicLink) {
        return failed(QCoreApplication::translate(
            "BookBackup", "это символическая ссылка, а программа не пишет копию через ссылки"));
    }
    // Over the book or its journal the copy would take the book itself away.
    for (const QString& own :
         {path_, path_ + QStringLiteral("-wal"), path_ + QStringLiteral("-shm")}) {
        if (detail::sameFile(file, own) ||
            QFileInfo(file).absoluteFilePath() == QFileInfo(own).absoluteFilePath()) {
            return failed(QCoreApplication::translate("BookBackup", "это файл самой картотеки"));
        }
    }
    // What the journal holds goes into the file now, not when the book closes.
    QSqlQuery(QSqlDatabase::database(connection_))
        .exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    // A file replaced keeps its rights: an older copy is made private first.
    if (platform::inspectPath(file).kind == platform::PathKind::File) {
        if (const QString why = platform::restrictToOwner(file); !why.isEmpty()) {
            return failed(why);
        }
    }
    if (const QString problem = detail::writeDatabase(QSqlDatabase::database(connection_), file);
        !problem.isEmpty()) {
        return fail(error,
                    QCoreApplication::translate("BookBackup", "Копия картотеки не сохранена. %1.")
                        .arg(problem));
    }
    return true;
}

// The book's last change, read from its files' times: a commit writes the
// journal, and folding the journal in writes the file. The copy folds it
// in first, so that closing the book afterwards writes nothing more.
QDateTime ClientBook::lastChange() const {
    QDateTime last = QFileInfo(path_).lastModified();
    if (const QFileInfo wal(path_ + QStringLiteral("-wal")); wal.size() > 0) {
        last = std::max(last, wal.lastModified());
    }
    return last;
}

ClientBook::BackupState ClientBook::backupState() {
    BackupState state;
    if (!open()) {
        return state;
    }
    const platform::UserSettings settings = platform::userSettings();
    if (settings.value(kBackupBook).toString() == path_) {
        state.lastCopy =
            QDateTime::fromString(settings.value(kLastCopy).toString(), Qt::ISODateWithMs);
    }
    const QDateTime now = moment();
    if (state.lastCopy.isValid()) {
        state.daysSinceCopy = state.lastCopy.daysTo(now);
        state.due = state.daysSinceCopy > kRemindAfterDays && lastChange() > state.lastCopy;
        return state;
    }
    // No copy yet: due once the first client has been in the book that long.
    QSqlQuery q(QSqlDatabase::database(connection_));
    if (q.exec(QStringLiteral("SELECT min(added) FROM clients WHERE deleted = ''")) && q.next()) {
        const QDateTime first = QDateTime::fromString(q.value(0).toString(), Qt::ISODate);
        state.due = first.isValid() && first.daysTo(now) > kRemindAfterDays;
    }
    return state;
}

}  // namespace book
