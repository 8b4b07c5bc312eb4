#include <QCryptographicHash>
#include <QFileInfo>
#include <QVariant>
#include <future>
#include <thread>

#include "book/book_private.h"
#include "platform/private_files.h"
#include "platform/user_settings.h"

namespace book::detail {

namespace {

const QString kCheckedKey = QStringLiteral("book/fullCheck");
constexpr qint64 kCheckEverySeconds = 7 * 24 * 3600;

// The moment of the last full check that passed, for the file of this
// identity; null when there is none.
QDateTime checkedAt(const QString& identity) {
    const QStringList record =
        platform::userSettings().value(kCheckedKey).toString().split(u' ', Qt::SkipEmptyParts);
    if (record.size() != 2 || identity.isEmpty() || record[1] != identity) {
        return {};
    }
    return QDateTime::fromString(record[0], Qt::ISODate);
}

void writeRecord(const QDateTime& checked, const QString& identity) {
    platform::UserSettings settings = platform::userSettings();
    settings.setValue(kCheckedKey, checked.isValid() && !identity.isEmpty()
                                       ? checked.toUTC().toString(Qt::ISODate) + u' ' + identity
                                       : QString());
}

}  // namespace

QString fileIdentity(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return {};
    }
    const QDateTime born = file.birthTime();
    const QByteArray identity = QStringLiteral("%1|%2|%3|%4")
                                    .arg(file.absoluteFilePath())
                                    .arg(born.isValid() ? born.toMSecsSinceEpoch() : 0)
                                    .arg(file.size())
                                    .arg(file.lastModified().toMSecsSinceEpoch())
                                    .toUtf8();
    return QString::fromLatin1(
        QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex());
}

bool fullCheckDue(const QString& identity, const QDateTime& now) {
    const QDateTime checked = checkedAt(identity);
    // A clock put back makes a check look younger than it is: one "from the
    // future" is due as well.
    return !checked.isValid() || checked > now || checked.secsTo(now) >= kCheckEverySeconds;
}

void rememberFullCheck(const QString& identity, const QDateTime& now) {
    writeRecord(now, identity);
}

void followOwnChanges(const QString& before, const QString& after) {
    if (after == before) {
        return;
    }
    if (const QDateTime checked = checkedAt(before); checked.isValid()) {
        writeRecord(checked, after);
    }
}

void forgetFullCheck() {
    if (!platform::userSettings().value(kCheckedKey).toString().isEmpty()) {
        writeRecord({}, {});
    }
}

struct IntegrityCheck::State {
    std::thread thread;
    std::shared_future<bool> verdict;
};

bool integrityOk(const QSqlDatabase& db, QSqlError* error) {
    QSqlQuery q(db);
    // Enough memory for the pages of a large book, so that comparing each
    // index with its table does not read the same pages again and again.
    q.exec(QStringLiteral("PRAGMA cache_size = -32768"));
    if (!q.exec(QStringLiteral("PRAGMA integrity_check(1)")) || !q.next()) {
        if (error) {
            *error = q.lastError();
        }
        return false;
    }
    return q.value(0).toString() == QStringLiteral("ok");
}

IntegrityCheck::IntegrityCheck(const QString& path, const QString& connection,
                               std::function<void()> done)
    : state_(std::make_unique<State>()) {
    std::promise<bool> promise;
    state_->verdict = promise.get_future().share();
    state_->thread = std::thread(
        [path, connection, done = std::move(done), promise = std::move(promise)]() mutable {
            // The check gives way to the window that is reading the book meanwhile.
            platform::lowerCurrentThreadPriority();
            bool whole = true;  // a check that cannot run finds nothing wrong
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
                db.setDatabaseName(path);
                db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
                if (db.open()) {
                    QSqlError error;
                    whole = integrityOk(db, &error) || error.isValid();
                }
                db.close();
            }
            QSqlDatabase::removeDatabase(connection);
            promise.set_value(whole);
            done();
        });
}

IntegrityCheck::~IntegrityCheck() {
    if (state_->thread.joinable()) {
        state_->thread.join();
    }
}

bool IntegrityCheck::verdict() {
    const bool whole = state_->verdict.get();
    if (state_->thread.joinable()) {
        state_->thread.join();
    }
    return whole;
}

}  // namespace book::detail
