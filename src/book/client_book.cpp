// Opening the book and its reads and writes.

#include "book/client_book.h"

#include <QCoreApplication>
#include <QDir>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include "book/book_private.h"

namespace book {

namespace detail {

QString quoted(const QString& path) {
    return QStringLiteral("«") + QDir::toNativeSeparators(path) + QStringLiteral("»");
}

QString untouchedText() {
    return QCoreApplication::translate("ClientBook", " Программа этот файл не изменяет.");
}

QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

namespace {

int nextConnectionNumber() {
    static std::atomic<int> number = 0;
    return ++number;
}

}  // namespace

void bindPerson(QSqlQuery& q, const Client& c) {
    q.bindValue(QStringLiteral(":surname"), text(c.names.surname));
    q.bindValue(QStringLiteral(":name"), text(c.names.name));
    q.bindValue(QStringLiteral(":patronymic"), text(c.names.patronymic));
    q.bindValue(QStringLiteral(":day"), c.birthDate.day);
    q.bindValue(QStringLiteral(":month"), storedMonth(c.birthDate.monthIndex));
    q.bindValue(QStringLiteral(":year"), text(c.birthDate.year));
}

bool insertReport(QSqlQuery& q, qint64 id, core::ReportKind kind, const QString& moment,
                  const QString& file) {
    q.prepare(
        QStringLiteral("INSERT INTO reports (client_id, made, kind, file, document) VALUES"
                       " (:id, :made, :kind, :file, :document)"));
    q.bindValue(QStringLiteral(":file"), text(file));
    q.bindValue(QStringLiteral(":id"), id);
    q.bindValue(QStringLiteral(":made"), moment);
    q.bindValue(QStringLiteral(":kind"), static_cast<int>(core::placeOf(kind)));
    q.bindValue(QStringLiteral(":document"), static_cast<int>(core::documentOf(kind)));
    return q.exec();
}

Transaction::Transaction(const QSqlDatabase& db) : query_(db) {
    begun_ = query_.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    if (begun_ && !committed_) {
        query_.exec(QStringLiteral("ROLLBACK"));
    }
}

bool Transaction::commit() {
    committed_ = query_.exec(QStringLiteral("COMMIT"));
    return committed_;
}

}  // namespace detail

using detail::quoted;
using detail::reason;

ClientBook::ClientBook(QString path, QObject* parent)
    : QObject(parent), path_(path.isEmpty() ? defaultPath() : std::move(path)) {}

ClientBook::~ClientBook() {
    close();
}

bool ClientBook::fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}

QDateTime ClientBook::moment() const {
    return clock_ ? clock_() : QDateTime::currentDateTimeUtc();
}

QString ClientBook::now() const {
    return moment().toUTC().toString(Qt::ISODate);
}

QString ClientBook::binMoment() const {
    return moment().toUTC().toString(Qt::ISODateWithMs);
}

void ClientBook::trustFile() {
    // Switched only for a file known whole, so that a damaged one keeps every byte.
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    detail::stampApplicationId(db);
    emptyBin();
}

void ClientBook::close() {
    const bool wasOpen = open_;
    open_ = false;
    check_.reset();  // waits for its thread
    if (connection_.isEmpty()) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    connection_.clear();
    // What the program itself wrote needs no check of its own at the next opening.
    if (wasOpen) {
        detail::followOwnChanges(identity_, detail::fileIdentity(path_));
    }
}

bool ClientBook::open(QString* error) {
    if (open_) {
        return true;
    }
    const QString problem = openFile();
    if (!problem.isEmpty()) {
        close();
        openError_ = problem;
        return fail(error, problem);
    }
    open_ = true;
    openError_.clear();
    identity_ = detail::fileIdentity(path_);
    if (suspect_) {
        suspect_ = false;  // the full check has just passed
        detail::rememberFullCheck(identity_, moment());
        trustFile();
    } else if (detail::fullCheckDue(identity_, moment())) {
        startCheck();
    } else {
        trustFile();  // checked in full less than a week ago, and only this program wrote since
    }
    return true;
}

void ClientBook::checkInFull() {
    detail::forgetFullCheck();
    if (open_ && !check_) {
        startCheck();
    }
}

QString ClientBook::damagedText() const {
    return QCoreApplication::translate(
               "ClientBook",
               "Файл картотеки клиентов %1 повреждён: проверка целостности не "
               "пройдена. Программа этот файл не изменяет. Сохраните копию файла и "
               "восстановите картотеку из резервной копии или перенесите файл, чтобы "
               "начать новую.")
        .arg(quoted(path_));
}

void ClientBook::startCheck() {
    check_ = std::make_unique<detail::IntegrityCheck>(
        path_, connection_ + QStringLiteral("-check"), [this] {
            QMetaObject::invokeMethod(
                this, [this] { takeVerdict(nullptr); }, Qt::QueuedConnection);
        });
}

bool ClientBook::takeVerdict(QString* error) {
    if (!check_) {
        return open_ || fail(error, openError_);
    }
    const bool whole = check_->verdict();
    check_.reset();
    if (whole) {
        if (open_) {
            detail::rememberFullCheck(identity_, moment());
            trustFile();
        }
        return true;
    }
    // Nothing more is written to it; whoever shows the book learns why.
    suspect_ = true;
    detail::forgetFullCheck();
    close();
    openError_ = damagedText();
    emit changed();
    return fail(error, openError_);
}

bool ClientBook::waitForCheck(QString* error) {
    return open(error) && takeVerdict(error);
}

QString ClientBook::openFile() {
    if (restoring_) {
        return QCoreApplication::translate(
            "ClientBook", "Картотека клиентов сейчас восстанавливается из копии. Подождите.");
    }
    if (QString problem = detail::preparePlace(path_); !problem.isEmpty()) {
        return problem;
    }
    detail::removeLeftStaging(path_);
    // Nothing is written, WAL files included, until the file is known to be ours.
    if (QString problem = detail::checkOwnership(path_, busyTimeoutMs_); !problem.isEmpty()) {
        return problem;
    }
    if (QString problem = detail::tightenFile(path_); !problem.isEmpty()) {
        return problem;
    }
    connection_ = QStringLiteral("zemtar-book-%1").arg(detail::nextConnectionNumber());
    return openConnection();
}

QString ClientBook::openConnection() {
    const QString where = quoted(path_);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
    if (!db.open()) {
        return QCoreApplication::translate("ClientBook",
                                           "Не удалось открыть картотеку клиентов %1: %2.")
                   .arg(where, reason(db.lastError())) +
               detail::untouchedText();
    }
    QSqlQuery q(db);
    // Enough memory for the pages of a large book, so that reading it in
    // order does not read the same pages from the file again and again.
    q.exec(QStringLiteral("PRAGMA cache_size = -32768"));
    // The full check reads every page and compares each index with its
    // table, which takes longer than reading the book on a large one; it
    // runs apart (see startCheck), unless an earlier one failed.
    if (suspect_) {
        QSqlError error;
        if (!detail::integrityOk(db, &error)) {
            return error.isValid()
                       ? QCoreApplication::translate("ClientBook",
                                                     "Не удалось прочитать картотеку клиентов %1: "
                                                     "%2.")
                                 .arg(where, reason(error)) +
                             detail::untouchedText()
                       : damagedText();
        }
    }
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        return QCoreApplication::translate("ClientBook",
                                           "Не удалось прочитать картотеку клиентов %1: %2.")
            .arg(where, reason(q.lastError()));
    }
    const int version = q.value(0).toInt();
    q.finish();
    // A new book is written to at once, in WAL mode from its creation.
    if (version == 0) {
        q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        q.finish();
    }
    if (version < kSchemaVersion) {
        // One transaction: a book that cannot be brought up to date stays as it was.
        if (const QString why = detail::createOrUpgrade(db, binMoment()); !why.isEmpty()) {
            return version == 0
                       ? QCoreApplication::translate(
                             "ClientBook", "Не удалось подготовить картотеку клиентов %1: %2.")
                             .arg(where, why)
                       : QCoreApplication::translate("ClientBook",
                                                     "Не удалось обновить картотеку клиентов %1 до "
                                                     "новой версии: %2.")
                                 .arg(where, why) +
                             QCoreApplication::translate("ClientBook",
                                                         " Картотека осталась прежней.");
        }
    }
    return {};
}

bool ClientBook::clients(std::vector<Client>& out, QString* error, SearchKeys* keys) {
    out.clear();
    if (keys) {
        keys->clear();
    }
    if (!open(error)) {
        return false;
    }
    const QString why = detail::readClients(QSqlDatabase::database(connection_), out, keys);
    if (!why.isEmpty()) {
        out.clear();
        if (keys) {
            keys->clear();
        }
        return fail(error, QCoreApplication::translate(
                               "ClientBook", "Не удалось прочитать картотеку клиентов %1: %2.")
                               .arg(quoted(path_), why));
    }
    return true;
}

bool ClientBook::add(Client& client, QString* error) {
    Client stored = client;
    const QString problem = normalise(stored);
    if (!problem.isEmpty()) {
        return fail(
            error,
            QCoreApplication::translate("ClientBook", "Клиент не сохранён: %1.").arg(problem));
    }
    if (!waitForCheck(error)) {
        return false;
    }
    if (stored.added.isEmpty()) {
        stored.added = now();
    }
    // One statement is one transaction of its own.
    detail::ClientInsert insert(QSqlDatabase::database(connection_));
    if (!insert.insert(stored)) {
        return fail(error, QCoreApplication::translate("ClientBook",
                                                       "Клиент не сохранён в картотеке %1: %2.")
                               .arg(quoted(path_), insert.error()));
    }
    stored.id = insert.lastId();
    client = stored;
    emit changed();
    return true;
}

bool ClientBook::update(const Client& client, QString* error) {
    return update(client, ClientRecords{}, error, false);
}

bool ClientBook::update(const Client& client, const ClientRecords& records, QString* error) {
    return update(client, records, error, true);
}

bool ClientBook::update(const Client& client, const ClientRecords& records, QString* error,
                        bool withRecords) {
    Client stored = client;
    QString problem = normalise(stored);
    for (size_t k = 0; withRecords && problem.isEmpty() && k < records.journal.size(); ++k) {
        problem = sessionProblem(records.journal[k]);
    }
    for (size_t k = 0; withRecords && problem.isEmpty() && k < records.events.size(); ++k) {
        problem = eventProblem(records.events[k], stored.birthDate);
    }
    if (!problem.isEmpty()) {
        return fail(
            error,
            QCoreApplication::translate("ClientBook", "Изменения не сохранены: %1.").arg(problem));
    }
    if (!waitForCheck(error)) {
        return false;
    }
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    detail::Transaction transaction(db);
    bool gone = false;
    QString why = transaction.begun() ? storeCard(stored, withRecords ? &records : nullptr, &gone)
                                      : reason(transaction.error());
    if (why.isEmpty() && !gone && !transaction.commit()) {
        why = reason(transaction.error());
    }
    if (!why.isEmpty()) {
        return fail(error, QCoreApplication::translate("ClientBook",
                                                       "Изменения не сохранены в картотеке %1: %2.")
                               .arg(quoted(path_), why));
    }
    if (gone) {
        return fail(error,
                    QCoreApplication::translate("ClientBook",
                                                "Изменения не сохранены: этого клиента уже нет в "
                                                "картотеке."));
    }
    emit changed();
    return true;
}

bool ClientBook::remove(qint64 id, QString* error) {
    return remove(std::vector<qint64>{id}, error);
}

bool ClientBook::remove(const std::vector<qint64>& ids, QString* error) {
    if (!waitForCheck(error)) {
        return false;
    }
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    auto failed = [&](const QSqlError& e) {
        return fail(error, (ids.size() == 1
                                ? QCoreApplication::translate(
                                      "ClientBook", "Клиент не удалён из картотеки %1: %2.")
                                : QCoreApplication::translate("ClientBook",
                                                              "Клиенты не удалены из картотеки %1: "
                                                              "%2."))
                               .arg(quoted(path_), reason(e)));
    };
    // All of them or none, into the bin with their history and everything on
    // their card; one moment marks them as one deletion, which Ctrl+Z takes back.
    detail::Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(transaction.error());
    }
    const QString deleted = binMoment();
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("UPDATE clients SET deleted = :moment WHERE id = :id AND deleted = ''"));
    for (const qint64 id : ids) {
        q.bindValue(QStringLiteral(":moment"), deleted);
        q.bindValue(QStringLiteral(":id"), id);
        if (!q.exec()) {
            return failed(q.lastError());
        }
    }
    q.finish();
    if (!transaction.commit()) {
        return failed(transaction.error());
    }
    emit changed();
    return true;
}

bool ClientBook::rename(qint64 id, const core::Person& person, QString* error) {
    Client client;
    client.names = person.names;
    client.birthDate = {1, 0, QStringLiteral("1")};
    client.languageCode = core::languageCode(person.language);
    client.gender = person.gender;
    client.address = person.address;
    if (const QString problem = normalise(client); !problem.isEmpty()) {
        return fail(error,
                    QCoreApplication::translate("ClientBook", "Имя клиента не исправлено: %1.")
                        .arg(problem));
    }
    if (!waitForCheck(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral(
        "UPDATE clients SET surname = :surname, name = :name, patronymic = :patronymic,"
        " sort_key = :key, language = :language, gender = :gender, address = :address"
        " WHERE id = :id AND deleted = '' AND NOT (surname = :surname AND name = :name AND"
        " patronymic = :patronymic AND language = :language AND gender = :gender AND"
        " address = :address)"));
    q.bindValue(QStringLiteral(":surname"), detail::text(client.names.surname));
    q.bindValue(QStringLiteral(":name"), detail::text(client.names.name));
    q.bindValue(QStringLiteral(":patronymic"), detail::text(client.names.patronymic));
    q.bindValue(QStringLiteral(":key"), searchKey(client));
    q.bindValue(QStringLiteral(":language"), detail::text(client.languageCode));
    q.bindValue(QStringLiteral(":gender"), detail::text(genderCode(client.gender)));
    q.bindValue(QStringLiteral(":address"), detail::text(client.address));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec()) {
        return fail(error, QCoreApplication::translate(
                               "ClientBook", "Имя клиента не исправлено в картотеке %1: %2.")
                               .arg(quoted(path_), reason(q.lastError())));
    }
    if (q.numRowsAffected() == 0) {
        q.prepare(QStringLiteral("SELECT 1 FROM clients WHERE id = :id AND deleted = ''"));
        q.bindValue(QStringLiteral(":id"), id);
        if (q.exec() && q.next()) {
            return true;  // all of it was theirs already
        }
        return fail(
            error, QCoreApplication::translate("ClientBook",
                                               "Имя клиента не исправлено: этого клиента уже нет в "
                                               "картотеке."));
    }
    emit changed();
    return true;
}

}  // namespace book
