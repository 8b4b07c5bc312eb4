// The copy a restore brings, written into the book under SQLite's exclusive
// lock, after the book as it was is kept beside it under a name no file has.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryFile>
#include <limits>

#include "book/restore_job.h"
#include "platform/private_files.h"
#include "platform/reasons.h"
#include "platform/safe_file.h"

namespace book::detail {

namespace {

// Takes SQLite's exclusive lock on the book for as long as `live` is open.
// Out of WAL mode first: SQLite leaves it only when no other connection has
// the book open, and waits the busy time for one to close.
bool lockBook(Connection& live, QSqlError* error) {
    if (!live.isOpen()) {
        *error = live.db().lastError();
        return false;
    }
    QSqlQuery q(live.db());
    const bool locked = q.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")) &&
                        q.exec(QStringLiteral("PRAGMA journal_mode = DELETE")) && q.next() &&
                        q.value(0).toString() == QStringLiteral("delete") &&
                        q.exec(QStringLiteral("BEGIN EXCLUSIVE")) &&
                        q.exec(QStringLiteral("COMMIT"));
    *error = q.lastError();
    return locked;
}

// A name for the book as it is that no file has: the moment, and a number
// after it when two restores come within one second (or the clocks go back).
QString keptName(const QString& book, const QString& moment) {
    const QFileInfo file(book);
    const QString base = QCoreApplication::translate("BookBackup", "%1 до восстановления %2")
                             .arg(file.completeBaseName(), moment);
    for (int n = 1;; ++n) {
        const QString name =
            file.absoluteDir().filePath(n == 1 ? base + QStringLiteral(".sqlite")
                                               : QStringLiteral("%1 (%2).sqlite").arg(base).arg(n));
        if (platform::inspectPath(name).kind == platform::PathKind::Missing) {
            return name;
        }
    }
}

}  // namespace

// Under SQLite's exclusive lock on the book: the book as it is kept beside
// it, then the staged copy written into it in one transaction. SQLite gives
// the lock only when no other connection has the book open; leaving WAL
// mode is what asks it, and it waits the book's busy time for one to close.
QString RestoreJob::putInPlace(Connection& staging) {
    QFile current(book_);  // goes after `live`
    Connection live(book_, QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs_));
    QSqlError error;
    if (!lockBook(live, &error)) {
        live.close();
        if (detail::isNotADatabase(error)) {
            return replaceUnreadable(staging);
        }
        return detail::isBusy(error) || error.type() == QSqlError::NoError
                   ? heldText()
                   : QCoreApplication::translate("BookBackup",
                                                 "Не удалось открыть картотеку клиентов %1: %2.")
                         .arg(quoted(book_), reason(error));
    }
    current.open(QIODevice::ReadOnly);
    if (QString why = keepCurrent(current); !why.isEmpty()) {
        return why;
    }
    const detail::CopyResult result =
        detail::copyDatabase(staging.db(), live.db(), std::numeric_limits<qint64>::max());
    if (result.fault != CopyFault::None) {
        QFile::remove(report_.keptAs);
        report_.keptAs.clear();
        return QCoreApplication::translate("BookBackup",
                                           "Не удалось записать копию в картотеку %1: %2.")
            .arg(quoted(book_), result.why);
    }
    return {};
}

// The book's file as it lies, byte for byte through the program's one
// writer, under a name no file has: taken under the lock (or when SQLite
// cannot read it at all), it is the whole book as it was, a damaged one too.
// It is written whole under a staging name first and only then given its
// name, never over a file that has it: a restore killed on the way leaves a
// staging file the next opening removes, never an empty or partial file
// that looks like the book as it was.
// `current` is open on the book: closing another handle of a file would let
// go of the locks SQLite holds on it, so the caller closes this one only
// after SQLite has let go itself.
QString RestoreJob::keepCurrent(QFile& current) {
    const QString moment = QDateTime::fromString(moment_, Qt::ISODateWithMs)
                               .toLocalTime()
                               .toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    QString staged;
    QString problem;
    {
        // Private from the start; it goes before it is written, as Windows
        // replaces no file that is open.
        QTemporaryFile file(book_ + kStagingMark + QStringLiteral("XXXXXX"));
        file.setAutoRemove(false);
        if (file.open()) {
            staged = file.fileName();
        } else {
            problem = file.errorString();
        }
    }
    if (problem.isEmpty() && !current.isOpen()) {
        problem = platform::reasonOfFileError(current).text;
    }
    if (problem.isEmpty()) {
        problem = platform::writeFileAtomically(staged, [&](QIODevice& out) {
            while (!current.atEnd()) {
                const QByteArray piece = current.read(1 << 20);
                if ((piece.isEmpty() && current.error() != QFileDevice::NoError) ||
                    out.write(piece) != piece.size()) {
                    return false;
                }
            }
            return true;
        });
    } else {
        problem = platform::writeFailedMessage(keptName(book_, moment), problem);
    }
    // QFile::rename never replaces a file: when another name like it appears
    // in between, the next number is taken.
    for (int tries = 0; problem.isEmpty(); ++tries) {
        report_.keptAs = keptName(book_, moment);
        QFile kept(staged);
        if (kept.rename(report_.keptAs)) {
            return {};
        }
        if (tries == 99 ||
            platform::inspectPath(report_.keptAs).kind == platform::PathKind::Missing) {
            problem = platform::writeFailedMessage(report_.keptAs, kept.errorString());
        }
    }
    if (!staged.isEmpty()) {
        QFile::remove(staged);
    }
    report_.keptAs.clear();
    return QCoreApplication::translate("BookBackup",
                                       "Не удалось сохранить картотеку, какой она была: %1.")
        .arg(problem);
}

// A book SQLite cannot read at all (no database, or damaged from its first
// page) can be neither locked nor written into: it is kept byte for byte and
// the copy written whole in its place, unless a journal beside it says that
// another program has it open.
QString RestoreJob::replaceUnreadable(Connection& staging) {
    if (QFileInfo(book_ + QStringLiteral("-wal")).size() > 0) {
        return heldText();
    }
    QFile current(book_);
    current.open(QIODevice::ReadOnly);
    if (QString why = keepCurrent(current); !why.isEmpty()) {
        return why;
    }
    current.close();
    if (const QString why = detail::writeDatabase(staging.db(), book_); !why.isEmpty()) {
        QFile::remove(report_.keptAs);
        report_.keptAs.clear();
        return QCoreApplication::translate("BookBackup",
                                           "Не удалось заменить картотеку %1 копией: %2.")
            .arg(quoted(book_), why);
    }
    // An empty journal and its index of the unreadable file are nobody's.
    QFile::remove(book_ + QStringLiteral("-wal"));
    QFile::remove(book_ + QStringLiteral("-shm"));
    return {};
}

}  // namespace book::detail
