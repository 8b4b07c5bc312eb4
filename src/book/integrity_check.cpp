#include <QVariant>
#include <future>
#include <thread>

#include "book/book_private.h"
#include "platform/private_files.h"

namespace book::detail {

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
