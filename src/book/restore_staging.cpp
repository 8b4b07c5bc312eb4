// The copy a restore brings, read into a staging file beside the book
// through SQLite's own backup, page by page, with a bound on its size; and
// what a restore killed half-way left there, removed at the next opening.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "book/restore_job.h"
#include "platform/private_files.h"
#include "platform/reasons.h"

namespace book::detail {

namespace {

std::atomic<int> connectionNumber{0};

}  // namespace

Connection::Connection(const QString& file, const QString& options)
    : name_(QStringLiteral("zemtar-book-restore-%1").arg(++connectionNumber)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(file);
    db.setConnectOptions(options);
    db.open();
}

void Connection::close() {
    if (name_.isEmpty()) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
    name_.clear();
}

QString unchangedText() {
    return QCoreApplication::translate("BookBackup", " Картотека осталась прежней.");
}

QString readFailed(const QString& where, const QString& why) {
    return QCoreApplication::translate("BookBackup", "Не удалось прочитать копию %1: %2.")
        .arg(where, why);
}

QString heldText() {
    return QCoreApplication::translate(
        "BookBackup",
        "Картотеку сейчас держит другая программа (или другое окно этой программы). "
        "Закройте её и восстановите копию снова.");
}

namespace {

// What may lie beside a staging file: SQLite's own files, and the copy and
// its -wal taken as they are when the copy was left in WAL mode.
const QStringList kStagingSuffixes{QString(),
                                   QStringLiteral("-journal"),
                                   QStringLiteral("-wal"),
                                   QStringLiteral("-shm"),
                                   QStringLiteral("-source"),
                                   QStringLiteral("-source-wal"),
                                   QStringLiteral("-source-shm"),
                                   QStringLiteral("-source-journal")};

QString tooLarge(const QString& where, qint64 limit) {
    return QCoreApplication::translate(
               "BookBackup", "Файл %1 больше %2 МБ: копия картотеки не бывает такой большой.")
        .arg(where)
        .arg(limit >> 20);
}

QString stagingFailed(const QString& book, const QString& why) {
    return QCoreApplication::translate("BookBackup",
                                       "Не удалось подготовить восстановление в папке %1: %2.")
        .arg(quoted(QFileInfo(book).absolutePath()), why);
}

}  // namespace

// A file SQLite cannot read through: cut short or damaged when it begins as a
// database does, else no database at all.
QString damaged(const QString& copy, const QString& where) {
    QFile file(copy);
    if (file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3", 16)) {
        return QCoreApplication::translate(
                   "BookBackup",
                   "Копия %1 повреждена или записана не до конца: проверка целостности не "
                   "пройдена.")
            .arg(where);
    }
    return QCoreApplication::translate("BookBackup",
                                       "Файл %1 — не копия картотеки клиентов: это не база данных.")
        .arg(where);
}

void removeStaging(const QString& staging) {
    for (const QString& suffix : kStagingSuffixes) {
        QFile::remove(staging + suffix);
    }
}

// The copy read page by page into the staging file. A copy left in WAL mode
// with its -wal beside it is first taken as it lies, both files, so that
// SQLite reads it whole without writing a byte beside the user's file.
QString RestoreJob::stage(Connection& staging, const QString& name) {
    QFile header(copy_);
    const QByteArray head = header.open(QIODevice::ReadOnly) ? header.read(20) : QByteArray();
    const bool walMode = head.size() == 20 && head[18] == 2;
    header.close();
    const bool withWal = walMode && QFileInfo(copy_ + QStringLiteral("-wal")).size() > 0;
    QString source =
        QString::fromLatin1(QUrl::fromLocalFile(QFileInfo(copy_).absoluteFilePath()).toEncoded()) +
        (walMode ? QStringLiteral("?immutable=1") : QStringLiteral("?mode=ro"));
    if (withWal) {
        if (const QString why = takeAsItLies(name, &source); !why.isEmpty()) {
            return why;
        }
    }
    Connection from(source,
                    withWal ? QString() : QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
    if (!from.isOpen()) {
        return readFailed(where_, reason(from.db().lastError()));
    }
    return copied(
        detail::copyDatabase(from.db(), staging.db(), limit_,
                             [this](qint64 done, qint64 total) { return step(done, total); }));
}

QString RestoreJob::takeAsItLies(const QString& name, QString* source) {
    const QString wal = copy_ + QStringLiteral("-wal");
    const qint64 size = QFileInfo(copy_).size() + QFileInfo(wal).size();
    if (size > limit_) {
        return tooLarge(where_, limit_);
    }
    *source = name + QStringLiteral("-source");
    const qint64 first = QFileInfo(copy_).size();
    if (QString why = copyPiecewise(copy_, *source, 0, size); !why.isEmpty()) {
        return why;
    }
    return copyPiecewise(wal, *source + QStringLiteral("-wal"), first, size);
}

QString RestoreJob::copyPiecewise(const QString& from, const QString& to, qint64 start,
                                  qint64 total) {
    QFile in(from);
    if (!QFileInfo(from).isFile() || !in.open(QIODevice::ReadOnly)) {
        return readFailed(where_, platform::reasonOfFileError(in).text);
    }
    QFile out(to);
    const auto diskFailed = [&](const QString& why) { return stagingFailed(book_, why); };
    if (const QString why = platform::createPrivateFile(to); !why.isEmpty()) {
        return diskFailed(why);
    }
    if (!out.open(QIODevice::WriteOnly)) {
        return diskFailed(platform::reasonOfFileError(out).text);
    }
    for (qint64 done = start; !in.atEnd();) {
        const QByteArray piece = in.read(1 << 20);
        if (piece.isEmpty() && in.error() != QFileDevice::NoError) {
            return readFailed(where_, platform::reasonOfFileError(in).text);
        }
        if (out.write(piece) != piece.size() || !out.flush()) {
            return diskFailed(platform::reasonOfFileError(out).text);
        }
        done += piece.size();
        if (done > limit_) {
            return tooLarge(where_, limit_);
        }
        if (!step(done, total)) {
            return QCoreApplication::translate("BookBackup", "Восстановление отменено.");
        }
    }
    return {};
}

QString RestoreJob::copied(const detail::CopyResult& result) {
    switch (result.fault) {
        case CopyFault::None:
            return {};
        case CopyFault::TooLarge:
            return tooLarge(where_, limit_);
        case CopyFault::Stopped:
            return QCoreApplication::translate("BookBackup", "Восстановление отменено.");
        case CopyFault::Source:
            return result.damaged ? damaged(copy_, where_) : readFailed(where_, result.why);
        case CopyFault::Destination:
            break;
    }
    return stagingFailed(book_, result.why);
}

// Leftovers of a restore that did not end (the program killed while it
// read the copy) go at the next opening; a staging file still locked is
// another restore's, in another window, and stays.
void removeLeftStaging(const QString& book) {
    const QFileInfo bookFile(book);
    const QString prefix = bookFile.fileName() + kStagingMark;
    const QDir folder = bookFile.absoluteDir();
    for (const QString& name : folder.entryList({prefix + QStringLiteral("??????")}, QDir::Files)) {
        const QString staging = folder.filePath(name);
        if (platform::inspectPath(staging).kind != platform::PathKind::File) {
            continue;
        }
        bool inUse = false;
        {
            Connection probe(staging, QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
            QSqlQuery q(probe.db());
            inUse = !q.exec(QStringLiteral("BEGIN EXCLUSIVE")) && isBusy(q.lastError());
            q.exec(QStringLiteral("ROLLBACK"));
        }
        if (!inUse) {
            removeStaging(staging);
        }
    }
}

}  // namespace book::detail
