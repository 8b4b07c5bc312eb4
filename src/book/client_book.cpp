#include "book/client_book.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QVariant>
#include <array>
#include <utility>

#include "book/csv.h"
#include "core/forecast.h"

namespace book {

namespace {

// SQLite's primary result codes that the messages tell apart.
constexpr int kSqlitePerm = 3;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoErr = 10;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteConstraint = 19;
constexpr int kSqliteNotADb = 26;

// The nice value of the thread that checks a newly opened book.
constexpr int kCheckNiceness = 10;

// Version 1: the clients and their order. sort_key is searchKey() of the
// names, kept so that the book comes out of the file already in order.
constexpr const char* kCreateVersion1[] = {
    "CREATE TABLE clients ("
    " id INTEGER PRIMARY KEY,"
    " surname TEXT NOT NULL,"
    " name TEXT NOT NULL,"
    " patronymic TEXT NOT NULL,"
    " day INTEGER NOT NULL CHECK (day BETWEEN 1 AND 31),"
    " month INTEGER NOT NULL CHECK (month BETWEEN 1 AND 12),"
    " year_text TEXT NOT NULL,"
    " note TEXT NOT NULL DEFAULT '',"
    " added TEXT NOT NULL,"
    " last_printed TEXT NOT NULL DEFAULT '',"
    " sort_key TEXT NOT NULL)",
    "CREATE UNIQUE INDEX clients_person"
    " ON clients (surname, name, patronymic, day, month, year_text)",
    "CREATE INDEX clients_order ON clients (sort_key, id)",
};

const char* const kColumns =
    "id, surname, name, patronymic, day, month, year_text, note, added, last_printed";

// The columns of an exported file, in order; an imported file needs the
// first six in any order and may leave out the rest.
constexpr std::array<const char*, 9> kCsvHeader{
    "Фамилия", "Имя", "Отчество", "День", "Месяц", "Год", "Примечание", "Добавлен", "Напечатан"};
constexpr int kCsvRequired = 6;

int primaryCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

// The reason for an SQLite result code, in words for the user.
QString reason(int code, const QString& text) {
    switch (code & 0xff) {
        case kSqliteBusy:
        case kSqliteLocked:
            return QStringLiteral("файл занят другой программой");
        case kSqlitePerm:
        case kSqliteReadOnly:
            return QStringLiteral("файл или его папка доступны только для чтения");
        case kSqliteFull:
            return QStringLiteral("на диске не осталось места");
        case kSqliteCorrupt:
        case kSqliteNotADb:
            return QStringLiteral("файл повреждён или не является базой данных");
        case kSqliteCantOpen:
            return QStringLiteral("файл не удаётся открыть");
        case kSqliteIoErr:
            return QStringLiteral("ошибка чтения или записи на диске");
        case kSqliteConstraint:
            if (code == SQLITE_CONSTRAINT_UNIQUE || text.contains(QStringLiteral("UNIQUE"))) {
                return QStringLiteral(
                    "в картотеке уже есть клиент с такими фамилией, именем, "
                    "отчеством и датой рождения");
            }
            return text;
        default:
            return text;
    }
}

QString reason(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return reason(ok ? code : -1, error.text());
}

QString columnText(sqlite3_stmt* statement, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

QString quoted(const QString& path) {
    return QStringLiteral("«") + QDir::toNativeSeparators(path) + QStringLiteral("»");
}

Client readClient(const QSqlQuery& q) {
    Client c;
    c.id = q.value(0).toLongLong();
    c.surname = q.value(1).toString();
    c.name = q.value(2).toString();
    c.patronymic = q.value(3).toString();
    c.day = q.value(4).toInt();
    c.month = q.value(5).toInt();
    c.yearText = q.value(6).toString();
    c.note = q.value(7).toString();
    c.added = q.value(8).toString();
    c.lastPrinted = q.value(9).toString();
    return c;
}

// Qt SQL binds a null QString as NULL; the book stores an empty name as empty text.
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

void bindPerson(QSqlQuery& q, const Client& c) {
    q.bindValue(QStringLiteral(":surname"), text(c.surname));
    q.bindValue(QStringLiteral(":name"), text(c.name));
    q.bindValue(QStringLiteral(":patronymic"), text(c.patronymic));
    q.bindValue(QStringLiteral(":day"), c.day);
    q.bindValue(QStringLiteral(":month"), c.month);
    q.bindValue(QStringLiteral(":year"), text(c.yearText));
}

const char* const kInsert =
    "INSERT INTO clients (surname, name, patronymic, day, month, year_text, note, added,"
    " last_printed, sort_key) VALUES (:surname, :name, :patronymic, :day, :month, :year,"
    " :note, :added, :printed, :key)";

void bindNew(QSqlQuery& q, const Client& c) {
    bindPerson(q, c);
    q.bindValue(QStringLiteral(":note"), text(c.note));
    q.bindValue(QStringLiteral(":added"), text(c.added));
    q.bindValue(QStringLiteral(":printed"), text(c.lastPrinted));
    q.bindValue(QStringLiteral(":key"), searchKey(c));
}

// BEGIN IMMEDIATE takes the write lock at once, so a change never finds the
// file taken half-way; a transaction not committed is rolled back.
class Transaction {
public:
    explicit Transaction(const QSqlDatabase& db) : query_(db) {
        begun_ = query_.exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~Transaction() {
        if (begun_ && !committed_) {
            query_.exec(QStringLiteral("ROLLBACK"));
        }
    }
    bool begun() const { return begun_; }
    QSqlError error() const { return query_.lastError(); }
    bool commit() {
        committed_ = query_.exec(QStringLiteral("COMMIT"));
        return committed_;
    }

private:
    QSqlQuery query_;
    bool begun_ = false;
    bool committed_ = false;
};

int nextConnectionNumber() {
    static int number = 0;
    return ++number;
}

// The day of an imported row as a number; 0 when it is none.
int dayField(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

}  // namespace

ClientBook::ClientBook(QString path, QObject* parent)
    : QObject(parent), path_(path.isEmpty() ? defaultPath() : std::move(path)) {}

ClientBook::~ClientBook() {
    close();
}

QString ClientBook::defaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("clients.sqlite"));
}

bool ClientBook::fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}

QString ClientBook::now() const {
    const QDateTime moment = clock_ ? clock_() : QDateTime::currentDateTimeUtc();
    return moment.toUTC().toString(Qt::ISODate);
}

void ClientBook::close() {
    open_ = false;
    if (checker_.joinable()) {
        checker_.join();
    }
    verdict_ = {};
    if (connection_.isEmpty()) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    connection_.clear();
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
    if (suspect_) {
        suspect_ = false;  // the full check has just passed
    } else {
        startCheck();
    }
    return true;
}

QString ClientBook::damagedText() const {
    return QStringLiteral(
               "Файл картотеки клиентов %1 повреждён: проверка целостности не "
               "пройдена. Программа этот файл не изменяет. Сохраните копию файла и "
               "восстановите картотеку из резервной копии или перенесите файл, чтобы "
               "начать новую.")
        .arg(quoted(path_));
}

void ClientBook::startCheck() {
    std::promise<bool> promise;
    verdict_ = promise.get_future().share();
    checker_ = std::thread([this, path = path_, name = connection_ + QStringLiteral("-check"),
                            promise = std::move(promise)]() mutable {
        // The check gives way to the window that is reading the book meanwhile
        // (on Linux the nice value of the calling thread alone).
        setpriority(PRIO_PROCESS, 0, kCheckNiceness);
        bool whole = true;  // a check that cannot run finds nothing wrong
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            if (db.open()) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("PRAGMA cache_size = -32768"));
                if (q.exec(QStringLiteral("PRAGMA integrity_check(1)")) && q.next()) {
                    whole = q.value(0).toString() == QStringLiteral("ok");
                }
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        promise.set_value(whole);
        QMetaObject::invokeMethod(
            this, [this] { takeVerdict(nullptr); }, Qt::QueuedConnection);
    });
}

bool ClientBook::takeVerdict(QString* error) {
    if (!verdict_.valid()) {
        return open_ || fail(error, openError_);
    }
    const bool whole = verdict_.get();  // waits for the check
    if (checker_.joinable()) {
        checker_.join();
    }
    verdict_ = {};
    if (whole) {
        if (open_) {
            QSqlQuery q(QSqlDatabase::database(connection_));
            q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        }
        return true;
    }
    // Nothing more is written to it; whoever shows the book learns why.
    suspect_ = true;
    close();
    openError_ = damagedText();
    emit changed();
    return fail(error, openError_);
}

bool ClientBook::waitForCheck(QString* error) {
    return open(error) && takeVerdict(error);
}

QString ClientBook::openFile() {
    auto refuse = [](const QString& text) { return text; };
    const QString where = quoted(path_);
    const QString untouched = QStringLiteral(" Программа этот файл не изменяет.");
    if (path_.isEmpty()) {
        return refuse(
            QStringLiteral("Картотека клиентов недоступна: в системе не найдена папка "
                           "для данных пользователя."));
    }

    const QFileInfo info(path_);
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder)) {
            return refuse(QStringLiteral("Не удалось создать папку картотеки клиентов %1. "
                                         "Проверьте, что в папку данных разрешена запись и на "
                                         "диске есть место.")
                              .arg(quoted(folder)));
        }
        // Names and dates of birth are nobody else's business.
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    if (info.exists() || info.isSymLink()) {
        // A folder or a pipe under the book's name: SQLite would fail or wait forever.
        if (!info.isFile()) {
            return refuse(QStringLiteral("Картотека клиентов недоступна: %1 — не файл картотеки, "
                                         "а папка или другой объект.")
                              .arg(where) +
                          untouched);
        }
    } else {
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                       QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            return refuse(QStringLiteral("Не удалось создать файл картотеки клиентов %1. "
                                         "Проверьте, что в папку разрешена запись и на диске "
                                         "есть место.")
                              .arg(where));
        }
    }

    connection_ = QStringLiteral("zemtar-book-%1").arg(nextConnectionNumber());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        if (!db.isValid()) {
            return refuse(
                QStringLiteral("Картотека клиентов недоступна: не установлен драйвер "
                               "SQLite для Qt (пакет libqt6sql6-sqlite)."));
        }
        db.setDatabaseName(path_);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
        if (!db.open()) {
            return refuse(QStringLiteral("Не удалось открыть картотеку клиентов %1: %2.")
                              .arg(where, reason(db.lastError())) +
                          untouched);
        }

        // Only reads until the file is known to be ours, whole and not newer.
        QSqlQuery q(db);
        auto readFailed = [&](const QSqlError& e) {
            const int code = primaryCode(e);
            if (code == kSqliteBusy || code == kSqliteLocked) {
                return refuse(QStringLiteral("Файл картотеки клиентов %1 занят другой "
                                             "программой. Закройте её и откройте картотеку снова.")
                                  .arg(where));
            }
            if (code == kSqliteNotADb || code == kSqliteCorrupt) {
                return refuse(QStringLiteral("Файл %1 не является картотекой клиентов или "
                                             "повреждён.")
                                  .arg(where) +
                              untouched +
                              QStringLiteral(" Чтобы начать новую картотеку, переименуйте или "
                                             "перенесите этот файл."));
            }
            return refuse(QStringLiteral("Не удалось прочитать картотеку клиентов %1: %2.")
                              .arg(where, reason(e)) +
                          untouched);
        };
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
            return readFailed(q.lastError());
        }
        const int version = q.value(0).toInt();
        if (version > kSchemaVersion) {
            return refuse(QStringLiteral("Файл картотеки клиентов %1 записан более новой версией "
                                         "программы (версия картотеки %2, эта программа знает "
                                         "версии до %3).")
                              .arg(where)
                              .arg(version)
                              .arg(kSchemaVersion) +
                          untouched + QStringLiteral(" Обновите программу."));
        }
        if (!q.exec(QStringLiteral("SELECT count(*), count(CASE WHEN name = 'clients' THEN 1 "
                                   "END) FROM sqlite_schema WHERE type = 'table'")) ||
            !q.next()) {
            return readFailed(q.lastError());
        }
        const int tables = q.value(0).toInt();
        const bool hasClients = q.value(1).toInt() > 0;
        // Another program's database, or ours without its table: not ours to change.
        if ((version == 0 && tables > 0) || (version > 0 && !hasClients)) {
            return refuse(QStringLiteral("Файл %1 — база данных другой программы, а не "
                                         "картотека клиентов.")
                              .arg(where) +
                          untouched +
                          QStringLiteral(" Чтобы начать новую картотеку, переименуйте или "
                                         "перенесите этот файл."));
        }
        // Enough memory for the pages of a large book, so that reading it in
        // order does not read the same pages from the file again and again.
        q.exec(QStringLiteral("PRAGMA cache_size = -32768"));
        // The full check reads every page and compares each index with its
        // table, which takes longer than reading the book on a large one; it
        // runs apart (see startCheck), unless an earlier one failed. Nothing
        // is written before its verdict.
        if (suspect_) {
            if (!q.exec(QStringLiteral("PRAGMA integrity_check(1)")) || !q.next()) {
                return readFailed(q.lastError());
            }
            if (q.value(0).toString() != QStringLiteral("ok")) {
                return damagedText();
            }
        }
        q.finish();

        q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
        // A new book is written to at once. A book of ours is in WAL mode from
        // its creation; one that is not is switched only once it has passed
        // the full check (takeVerdict), so that a damaged file keeps every byte.
        if (version < kSchemaVersion) {
            if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !q.next()) {
                return readFailed(q.lastError());
            }
            q.finish();
            Transaction transaction(db);
            if (!transaction.begun()) {
                return readFailed(transaction.error());
            }
            // Another copy may have created the tables meanwhile.
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                return readFailed(q.lastError());
            }
            const int current = q.value(0).toInt();
            q.finish();
            if (current == 0) {
                for (const char* statement : kCreateVersion1) {
                    if (!q.exec(QString::fromLatin1(statement))) {
                        return readFailed(q.lastError());
                    }
                }
                if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion))) {
                    return readFailed(q.lastError());
                }
            }
            if (!transaction.commit()) {
                return readFailed(transaction.error());
            }
        }
    }
    return {};
}

bool ClientBook::clients(std::vector<Client>& out, QString* error, std::vector<QString>* keys) {
    out.clear();
    if (keys) {
        keys->clear();
    }
    if (!open(error)) {
        return false;
    }
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    const QString sql = QStringLiteral("SELECT %1, sort_key FROM clients ORDER BY sort_key, id")
                            .arg(QLatin1String(kColumns));
    auto failed = [&](const QString& why) {
        out.clear();
        return fail(error, QStringLiteral("Не удалось прочитать картотеку клиентов %1: %2.")
                               .arg(quoted(path_), why));
    };
    // The whole book is read whenever its window opens. Qt SQL turns every
    // value into a QVariant of UTF-16 text through a second copy, which
    // doubles the time for a large book; this one reading goes to SQLite
    // through the connection's own handle, as QSqlDriver::handle() allows.
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
        sqlite3_stmt* statement = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &statement,
                               nullptr) != SQLITE_OK) {
            return failed(reason(sqlite3_extended_errcode(connection),
                                 QString::fromUtf8(sqlite3_errmsg(connection))));
        }
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            Client c;
            c.id = sqlite3_column_int64(statement, 0);
            c.surname = columnText(statement, 1);
            c.name = columnText(statement, 2);
            c.patronymic = columnText(statement, 3);
            c.day = sqlite3_column_int(statement, 4);
            c.month = sqlite3_column_int(statement, 5);
            c.yearText = columnText(statement, 6);
            c.note = columnText(statement, 7);
            c.added = columnText(statement, 8);
            c.lastPrinted = columnText(statement, 9);
            out.push_back(std::move(c));
            if (keys) {
                keys->push_back(columnText(statement, 10));
            }
        }
        sqlite3_finalize(statement);
        if (step != SQLITE_DONE) {
            return failed(reason(sqlite3_extended_errcode(connection),
                                 QString::fromUtf8(sqlite3_errmsg(connection))));
        }
        return true;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        return failed(reason(q.lastError()));
    }
    while (q.next()) {
        out.push_back(readClient(q));
        if (keys) {
            keys->push_back(q.value(10).toString());
        }
    }
    return true;
}

bool ClientBook::add(Client& client, QString* error) {
    Client stored = client;
    const QString problem = normalise(stored);
    if (!problem.isEmpty()) {
        return fail(error, QStringLiteral("Клиент не сохранён: %1.").arg(problem));
    }
    if (!waitForCheck(error)) {
        return false;
    }
    if (stored.added.isEmpty()) {
        stored.added = now();
    }
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    QSqlQuery q(db);
    q.prepare(QString::fromLatin1(kInsert));
    bindNew(q, stored);
    // One statement is one transaction of its own.
    if (!q.exec()) {
        return fail(error, QStringLiteral("Клиент не сохранён в картотеке %1: %2.")
                               .arg(quoted(path_), reason(q.lastError())));
    }
    stored.id = q.lastInsertId().toLongLong();
    client = stored;
    emit changed();
    return true;
}

bool ClientBook::update(const Client& client, QString* error) {
    Client stored = client;
    const QString problem = normalise(stored);
    if (!problem.isEmpty()) {
        return fail(error, QStringLiteral("Изменения не сохранены: %1.").arg(problem));
    }
    if (!waitForCheck(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral(
        "UPDATE clients SET surname = :surname, name = :name, patronymic = :patronymic,"
        " day = :day, month = :month, year_text = :year, note = :note, sort_key = :key"
        " WHERE id = :id"));
    bindPerson(q, stored);
    q.bindValue(QStringLiteral(":note"), text(stored.note));
    q.bindValue(QStringLiteral(":key"), searchKey(stored));
    q.bindValue(QStringLiteral(":id"), stored.id);
    if (!q.exec()) {
        return fail(error, QStringLiteral("Изменения не сохранены в картотеке %1: %2.")
                               .arg(quoted(path_), reason(q.lastError())));
    }
    if (q.numRowsAffected() == 0) {
        return fail(error, QStringLiteral("Изменения не сохранены: этого клиента уже нет в "
                                          "картотеке."));
    }
    emit changed();
    return true;
}

bool ClientBook::remove(qint64 id, QString* error) {
    if (!waitForCheck(error)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("DELETE FROM clients WHERE id = :id"));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec()) {
        return fail(error, QStringLiteral("Клиент не удалён из картотеки %1: %2.")
                               .arg(quoted(path_), reason(q.lastError())));
    }
    emit changed();
    return true;
}

bool ClientBook::recordPrinted(const QString& surname, const QString& name,
                               const QString& patronymic, int day, int month,
                               const QString& yearText, QString* error) {
    Client client;
    client.surname = surname;
    client.name = name;
    client.patronymic = patronymic;
    client.day = day;
    client.month = month;
    client.yearText = yearText;
    if (surname.trimmed().isEmpty() && name.trimmed().isEmpty() && patronymic.trimmed().isEmpty()) {
        return true;
    }
    const QString problem = normalise(client);
    if (!problem.isEmpty()) {
        return fail(error, QStringLiteral("Клиент не записан в картотеку: %1.").arg(problem));
    }
    if (!waitForCheck(error)) {
        return false;
    }
    const QString moment = now();
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    auto failed = [&](const QSqlError& e) {
        return fail(
            error,
            QStringLiteral("Клиент не записан в картотеку %1: %2.").arg(quoted(path_), reason(e)));
    };
    Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(transaction.error());
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "UPDATE clients SET last_printed = :printed WHERE surname = :surname AND name = :name"
        " AND patronymic = :patronymic AND day = :day AND month = :month AND year_text = :year"));
    bindPerson(q, client);
    q.bindValue(QStringLiteral(":printed"), moment);
    if (!q.exec()) {
        return failed(q.lastError());
    }
    if (q.numRowsAffected() == 0) {
        client.added = moment;
        client.lastPrinted = moment;
        q.prepare(QString::fromLatin1(kInsert));
        bindNew(q, client);
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

bool ClientBook::exportCsv(const QString& file, QString* error) {
    std::vector<Client> all;
    if (!clients(all, error)) {
        return false;
    }
    QStringList header;
    for (const char* column : kCsvHeader) {
        header << QString::fromUtf8(column);
    }
    QString text = csv::row(header);
    for (const Client& c : all) {
        text += csv::row({c.surname, c.name, c.patronymic, QString::number(c.day),
                          QString::number(c.month), c.yearText, c.note, c.added, c.lastPrinted});
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit()) {
        return fail(error, QStringLiteral("Не удалось записать файл %1. Проверьте, что папка "
                                          "существует, в неё разрешена запись и на диске есть "
                                          "место.")
                               .arg(quoted(file)));
    }
    return true;
}

ImportReport ClientBook::importCsv(const QString& file) {
    ImportReport report;
    QFile in(file);
    if (!QFileInfo(file).isFile() || !in.open(QIODevice::ReadOnly)) {
        report.error = QStringLiteral("Не удалось прочитать файл %1.").arg(quoted(file));
        return report;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(in.readAll());
    if (decoder.hasError()) {
        report.error = QStringLiteral(
                           "Файл %1 не в кодировке UTF-8; клиенты из него не "
                           "загружены.")
                           .arg(quoted(file));
        return report;
    }
    const std::vector<csv::Record> records = csv::parse(text);
    if (records.empty() || !records.front().problem.isEmpty()) {
        report.error = QStringLiteral(
                           "В файле %1 нет строки заголовков; клиенты из него не "
                           "загружены.")
                           .arg(quoted(file));
        return report;
    }

    // Where each column of the book stands in the file; -1 when it is absent.
    std::array<int, kCsvHeader.size()> at;
    at.fill(-1);
    const QStringList& header = records.front().fields;
    for (qsizetype k = 0; k < header.size(); ++k) {
        for (size_t c = 0; c < kCsvHeader.size(); ++c) {
            if (fold(header[k].trimmed()) == fold(QString::fromUtf8(kCsvHeader[c]))) {
                at[c] = int(k);
            }
        }
    }
    QStringList missing;
    for (int c = 0; c < kCsvRequired; ++c) {
        if (at[c] < 0) {
            missing << QString::fromUtf8(kCsvHeader[c]);
        }
    }
    if (!missing.isEmpty()) {
        report.error = QStringLiteral(
                           "В первой строке файла %1 нет столбцов: %2. Клиенты из "
                           "него не загружены.")
                           .arg(quoted(file), missing.join(QStringLiteral(", ")));
        return report;
    }

    std::vector<Client> good;
    good.reserve(records.size());
    for (size_t r = 1; r < records.size(); ++r) {
        const csv::Record& record = records[r];
        if (!record.problem.isEmpty()) {
            report.badRows.emplace_back(record.line, record.problem);
            continue;
        }
        if (record.fields.size() != header.size()) {
            report.badRows.emplace_back(record.line, QStringLiteral("полей %1, а в заголовке %2")
                                                         .arg(record.fields.size())
                                                         .arg(header.size()));
            continue;
        }
        auto field = [&](int c) { return at[c] < 0 ? QString() : record.fields[at[c]]; };
        Client client;
        client.surname = field(0);
        client.name = field(1);
        client.patronymic = field(2);
        client.day = dayField(field(3));
        client.month = core::parseMonth(field(4)) + 1;  // 0 when it is no month
        client.yearText = field(5).trimmed();
        client.note = field(6);
        client.added = field(7).trimmed();
        client.lastPrinted = field(8).trimmed();
        const QString problem = normalise(client);
        if (!problem.isEmpty()) {
            report.badRows.emplace_back(record.line, problem);
            continue;
        }
        if (client.added.isEmpty()) {
            client.added = now();
        }
        good.push_back(std::move(client));
    }

    if (!waitForCheck(&report.error)) {
        return report;
    }
    const QSqlDatabase db = QSqlDatabase::database(connection_);
    auto failed = [&](const QSqlError& e) {
        report.error = QStringLiteral(
                           "Клиенты не загружены в картотеку %1: %2. Картотека "
                           "осталась прежней.")
                           .arg(quoted(path_), reason(e));
        report.added = 0;
        report.alreadyThere = 0;
        return report;
    };
    Transaction transaction(db);
    if (!transaction.begun()) {
        return failed(transaction.error());
    }
    QSqlQuery q(db);
    q.prepare(QString::fromLatin1(kInsert) +
              QStringLiteral(" ON CONFLICT (surname, name, patronymic, day, month, year_text)"
                             " DO NOTHING"));
    for (const Client& client : good) {
        bindNew(q, client);
        if (!q.exec()) {
            return failed(q.lastError());
        }
        if (q.numRowsAffected() > 0) {
            ++report.added;
        } else {
            ++report.alreadyThere;
        }
    }
    q.finish();
    if (!transaction.commit()) {
        return failed(transaction.error());
    }
    report.done = true;
    if (report.added > 0) {
        emit changed();
    }
    return report;
}

}  // namespace book
