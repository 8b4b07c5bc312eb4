#include "book/client_list_reader.h"

#include <QDateTime>
#include <QIODevice>
#include <QStringDecoder>

#include "book/csv.h"
#include "core/forecast.h"

namespace book {

namespace {

constexpr const char* kTitles[ClientListReader::kColumnCount] = {
    "Фамилия", "Имя",        "Отчество", "День",      "Месяц",
    "Год",     "Примечание", "Добавлен", "Напечатан", "Дата рождения"};

// Bytes looked at to tell UTF-8 from Windows-1251 in an input that cannot be
// read twice (a pipe).
constexpr qint64 kSniff = 64 * 1024;

// The day of a row as a number; 0 when it is none.
int dayField(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// A moment as a spreadsheet shows it (local time, as CsvFormat::Excel
// writes it) in the form the book stores; other text is left for normalise().
QString storedMoment(const QString& text) {
    for (const QString& format :
         {QStringLiteral("dd.MM.yyyy HH:mm:ss"), QStringLiteral("dd.MM.yyyy HH:mm")}) {
        const QDateTime local = QDateTime::fromString(text, format);
        if (local.isValid()) {
            return local.toUTC().toString(Qt::ISODate);
        }
    }
    return text;
}

bool isUtf8(QIODevice& device) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    if (device.isSequential()) {
        const QString text = decoder(device.peek(kSniff));
        return !decoder.hasError();
    }
    const qint64 start = device.pos();
    while (!device.atEnd() && !decoder.hasError()) {
        const QByteArray piece = device.read(kSniff);
        if (piece.isEmpty()) {
            break;
        }
        const QString text = decoder(piece);
    }
    device.seek(start);
    return !decoder.hasError();
}

// The separator the header row uses most: «;», «,» or tab.
QChar separatorOf(const QString& header) {
    const QChar candidates[] = {u';', u',', u'\t'};
    QChar best = u',';
    qsizetype most = 0;
    for (const QChar c : candidates) {
        if (const qsizetype n = header.count(c); n > most) {
            most = n;
            best = c;
        }
    }
    return best;
}

}  // namespace

QString ClientListReader::title(Column column) {
    return QString::fromUtf8(kTitles[column]);
}

ClientListReader::ClientListReader(QIODevice& device) : device_(device) {
    at_.fill(-1);
}

ClientListReader::~ClientListReader() = default;

qint64 ClientListReader::bytesRead() const {
    return reader_ ? reader_->bytesRead() : 0;
}

QString ClientListReader::error() const {
    if (!error_.isEmpty() || !reader_ || reader_->error().isEmpty()) {
        return error_;
    }
    return QStringLiteral("ошибка чтения: %1").arg(reader_->error());
}

QString ClientListReader::chooseEncoding() {
    if (isUtf8(device_)) {
        reader_ = std::make_unique<csv::Reader>(device_, QStringDecoder(QStringDecoder::Utf8));
        return {};
    }
    QStringDecoder cp1251("windows-1251");
    if (!cp1251.isValid()) {
        return QStringLiteral(
            "текст не в кодировке UTF-8, а кодировка Windows-1251 в системе недоступна");
    }
    reader_ = std::make_unique<csv::Reader>(device_, std::move(cp1251));
    return {};
}

bool ClientListReader::start() {
    error_ = chooseEncoding();
    return error_.isEmpty() && readHeader();
}

bool ClientListReader::readHeader() {
    reader_->setSeparator(separatorOf(reader_->firstLine()));
    csv::Record header;
    if (!reader_->next(header) || !header.problem.isEmpty()) {
        error_ = QStringLiteral("нет строки заголовков");
        return false;
    }
    headerSize_ = header.fields.size();
    for (qsizetype k = 0; k < header.fields.size(); ++k) {
        const QString name = fold(header.fields[k].trimmed());
        for (int c = 0; c < kColumnCount; ++c) {
            if (name == fold(title(Column(c)))) {
                at_[size_t(c)] = k;
            }
        }
    }
    QStringList missing;
    for (const Column c : {Surname, Name, Patronymic}) {
        if (at_[c] < 0) {
            missing << title(c);
        }
    }
    const bool dateGiven =
        at_[BirthDate] >= 0 || (at_[Day] >= 0 && at_[Month] >= 0 && at_[Year] >= 0);
    if (!dateGiven) {
        for (const Column c : {Day, Month, Year}) {
            if (at_[c] < 0) {
                missing << title(c);
            }
        }
    }
    if (!missing.isEmpty()) {
        error_ = QStringLiteral("в первой строке нет столбцов: %1")
                     .arg(missing.join(QStringLiteral(", ")));
        if (!dateGiven) {
            error_ += QStringLiteral(" (дату можно дать и одним столбцом «Дата рождения»)");
        }
        return false;
    }
    return true;
}

QString ClientListReader::fill(ListRow& row, const QStringList& fields) const {
    auto field = [&](Column c) { return at_[c] < 0 ? QString() : csv::unguard(fields[at_[c]]); };
    Client& client = row.client;
    client.surname = field(Surname);
    client.name = field(Name);
    client.patronymic = field(Patronymic);
    if (at_[BirthDate] >= 0) {
        const QStringList parts = field(BirthDate).trimmed().split(u'.');
        if (parts.size() != 3) {
            return QStringLiteral("дата рождения не в виде ДД.ММ.ГГГГ");
        }
        client.day = dayField(parts[0]);
        client.month = core::parseMonth(parts[1]) + 1;  // 0 when it is no month
        client.yearText = parts[2].trimmed();
    } else {
        client.day = dayField(field(Day));
        client.month = core::parseMonth(field(Month)) + 1;
        client.yearText = field(Year).trimmed();
    }
    client.note = field(Note);
    client.added = storedMoment(field(Added).trimmed());
    client.lastPrinted = storedMoment(field(Printed).trimmed());
    return normalise(client);
}

bool ClientListReader::next(ListRow& row) {
    row = ListRow();
    if (!reader_ || !error_.isEmpty()) {
        return false;
    }
    csv::Record record;
    if (!reader_->next(record)) {
        return false;
    }
    row.line = record.line;
    if (!record.problem.isEmpty()) {
        row.problem = record.problem;
    } else if (record.fields.size() != headerSize_) {
        row.problem =
            QStringLiteral("полей %1, а в заголовке %2").arg(record.fields.size()).arg(headerSize_);
    } else {
        row.problem = fill(row, record.fields);
    }
    return true;
}

}  // namespace book
