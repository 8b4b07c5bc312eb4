#include "book/client_list_reader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

#include "book/csv.h"
#include "core/forecast.h"
#include "core/months.h"
#include "core/text_set.h"

namespace book {

namespace {

constexpr const char* kTitles[ClientListReader::kColumnCount] = {
    "Фамилия",   "Имя",           "Отчество",    "День",      "Месяц",
    "Год",       "Примечание",    "Добавлен",    "Напечатан", "Телефон",
    "Эл. почта", "Дата рождения", "Язык отчёта", "Пол",       "Обращение"};

// Bytes read at a time from a pipe.
constexpr qint64 kPiece = 64 * 1024;

// The day of a row as a number; 0 when it is none.
int dayField(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// A moment as a spreadsheet shows it (local time, as CsvFormat::Excel
// writes it) in the form the book stores; other text is left for normalise().
QString storedMomentSlowly(const QString& text) {
    for (const QString& format :
         {QStringLiteral("dd.MM.yyyy HH:mm:ss"), QStringLiteral("dd.MM.yyyy HH:mm")}) {
        const QDateTime local = QDateTime::fromString(text, format);
        if (local.isValid()) {
            return local.toUTC().toString(Qt::ISODate);
        }
    }
    return text;
}

// A moment in UTC as Qt::ISODate writes it, «2024-03-05T13:30:00Z», written
// digit by digit for the years of four digits, the long way for the rest.
QString isoText(const QDateTime& utc) {
    const QDate date = utc.date();
    if (date.year() < 1000 || date.year() > 9999) {
        return utc.toString(Qt::ISODate);
    }
    const QTime time = utc.time();
    char16_t out[] = u"0000-00-00T00:00:00Z";
    const struct {
        int value;
        int at;
        int digits;
    } parts[] = {{date.year(), 0, 4},  {date.month(), 5, 2},   {date.day(), 8, 2},
                 {time.hour(), 11, 2}, {time.minute(), 14, 2}, {time.second(), 17, 2}};
    for (const auto& part : parts) {
        for (int k = part.digits - 1, value = part.value; k >= 0; --k, value /= 10) {
            out[part.at + k] = char16_t(u'0' + value % 10);
        }
    }
    return QString(reinterpret_cast<const QChar*>(out), 20);
}

}  // namespace

namespace {

// The date and time of «ДД.ММ.ГГГГ ЧЧ:ММ» or «ДД.ММ.ГГГГ ЧЧ:ММ:СС», the
// first `size` characters of `text`, read by position as a clock on the
// wall shows them (held as UTC); invalid when they are no such moment.
QDateTime wallClock(const QString& text, qsizetype size) {
    const bool seconds = size == 19;
    if ((size != 16 && !seconds) || text[2] != u'.' || text[5] != u'.' || text[10] != u' ' ||
        text[13] != u':' || (seconds && text[16] != u':')) {
        return {};
    }
    const QDate date(digitsAt(text, 6, 4), digitsAt(text, 3, 2), digitsAt(text, 0, 2));
    const QTime time(digitsAt(text, 11, 2), digitsAt(text, 14, 2),
                     seconds ? digitsAt(text, 17, 2) : 0);
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

// The distance from UTC written «+03:00» or «-05:30» at `at` of `text`, in
// seconds; none when it is something else.
std::optional<int> offsetAt(const QString& text, qsizetype at) {
    if (text.size() != at + 6 || (text[at] != u'+' && text[at] != u'-') || text[at + 3] != u':') {
        return std::nullopt;
    }
    const int hours = digitsAt(text, at + 1, 2);
    const int minutes = digitsAt(text, at + 4, 2);
    if (hours < 0 || hours > 18 || minutes < 0 || minutes > 59) {
        return std::nullopt;
    }
    return (text[at] == u'-' ? -1 : 1) * (hours * 3600 + minutes * 60);
}

}  // namespace

QString LocalMoments::stored(const QString& text) {
    if (text.isEmpty()) {
        return text;
    }
    // «ДД.ММ.ГГГГ ЧЧ:ММ:СС +ЧЧ:ММ», as the book's file for spreadsheets writes
    // a moment: its own distance from UTC tells the hour that comes twice
    // when the clocks go back.
    if (text.size() == 26 && text[19] == u' ') {
        const QDateTime wall = wallClock(text, 19);
        const std::optional<int> offset = offsetAt(text, 20);
        return wall.isValid() && offset ? isoText(wall.addSecs(-*offset)) : text;
    }
    // «ДД.ММ.ГГГГ ЧЧ:ММ» or «ДД.ММ.ГГГГ ЧЧ:ММ:СС», as a spreadsheet writes them;
    // anything else goes the long way.
    const QDateTime wall = wallClock(text, text.size());
    if (!wall.isValid()) {
        return storedMomentSlowly(text);
    }
    const int offset = offsetOf(wall.date());
    if (offset == kChanging) {
        return storedMomentSlowly(text);
    }
    return isoText(wall.addSecs(-offset));
}

// The local time's distance from UTC all through `date`, asked of the time
// zone once a day: each question reads the zone's rules again, which with TZ
// unset took most of an import. A day on which the clocks change is kChanging.
int LocalMoments::offsetOf(QDate date) {
    const qint64 day = date.toJulianDay();
    if (const auto known = offsets_.constFind(day); known != offsets_.cend()) {
        return *known;
    }
    const int morning = QDateTime(date, QTime(0, 0), Qt::LocalTime).offsetFromUtc();
    const int night = QDateTime(date, QTime(23, 59, 59), Qt::LocalTime).offsetFromUtc();
    const int offset = morning == night ? morning : kChanging;
    offsets_.insert(day, offset);
    return offset;
}

namespace {

QString tooLarge() {
    return QCoreApplication::translate("ClientListReader",
                                       "список больше %1 МБ; разделите его на части")
        .arg(ClientListReader::kLargestList / (1024 * 1024));
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

// A row of nothing but separators and blanks («;;;», « ; ; ; », «,,,», tabs),
// as spreadsheets save the rows after the last one filled in: no client, and
// nothing the user need be told about.
bool isEmptyRow(const csv::Record& record) {
    if (!record.problem.isEmpty()) {
        return false;
    }
    return std::all_of(record.fields.begin(), record.fields.end(), [](const QString& field) {
        return std::all_of(field.begin(), field.end(),
                           [](QChar c) { return c.isSpace() || c == u';' || c == u','; });
    });
}

}  // namespace

QString ClientListReader::title(Column column) {
    return QString::fromUtf8(kTitles[column]);
}

ClientListReader::ClientListReader(QIODevice& device, Fields fields)
    : device_(&device), fields_(fields) {
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
    return QCoreApplication::translate("ClientListReader", "ошибка чтения: %1")
        .arg(reader_->error());
}

// A pipe cannot be read twice: it is taken whole, so that its encoding is
// judged over all of it as a file's is.
QString ClientListReader::takeInput() {
    if (!device_->isSequential()) {
        return device_->size() - device_->pos() > kLargestList ? tooLarge() : QString();
    }
    QByteArray bytes;
    QByteArray piece(kPiece, Qt::Uninitialized);
    for (qint64 size = 0; (size = device_->read(piece.data(), kPiece)) != 0;) {
        if (size < 0) {
            return QCoreApplication::translate("ClientListReader", "ошибка чтения: %1")
                .arg(device_->errorString());
        }
        if (bytes.size() + size > kLargestList) {
            return tooLarge();
        }
        bytes.append(piece.constData(), size);
    }
    piped_ = std::make_unique<QBuffer>();
    piped_->setData(bytes);
    piped_->open(QIODevice::ReadOnly);
    device_ = piped_.get();
    return {};
}

QString ClientListReader::chooseEncoding() {
    if (const QString why = judgeEncoding(*device_, encoding_); !why.isEmpty()) {
        return why;
    }
    if (encoding_.kind == ListEncoding::Utf8) {
        reader_ = std::make_unique<csv::Reader>(*device_, QStringDecoder(QStringDecoder::Utf8));
        return {};
    }
    QStringDecoder cp1251("windows-1251");
    if (!cp1251.isValid()) {
        return QCoreApplication::translate(
            "ClientListReader",
            "текст не в кодировке UTF-8, а кодировка Windows-1251 в системе недоступна");
    }
    reader_ = std::make_unique<csv::Reader>(*device_, std::move(cp1251));
    return {};
}

bool ClientListReader::start() {
    error_ = takeInput();
    if (error_.isEmpty()) {
        error_ = chooseEncoding();
    }
    return error_.isEmpty() && readHeader();
}

bool ClientListReader::readHeader() {
    reader_->setSeparator(separatorOf(reader_->firstLine()));
    csv::Record header;
    if (!reader_->next(header)) {
        error_ = reader_->error().isEmpty()
                     ? QCoreApplication::translate("ClientListReader",
                                                   "список пуст, в нём нет даже строки заголовков")
                     : error();
        return false;
    }
    if (const QString problem = recordProblem(header); !problem.isEmpty()) {
        error_ = QCoreApplication::translate("ClientListReader", "первая строка не прочитана: %1")
                     .arg(problem);
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
    if (fields_ == Fields::Printed) {
        for (const Column c : {Note, Added, Printed, Phone, Email}) {
            at_[c] = -1;
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
        error_ = QCoreApplication::translate("ClientListReader", "в первой строке нет столбцов: %1")
                     .arg(missing.join(QStringLiteral(", ")));
        if (!dateGiven) {
            error_ += QCoreApplication::translate(
                "ClientListReader", " (дату можно дать и одним столбцом «Дата рождения»)");
        }
        return false;
    }
    return true;
}

// Why a record cannot be a row, before its fields are looked at; empty when it can.
QString ClientListReader::recordProblem(const csv::Record& record) const {
    if (encoding_.straysWithin(record.line, record.lastLine)) {
        return encoding_.strayLineProblem();
    }
    if (!record.problem.isEmpty()) {
        return record.problem;
    }
    if (headerSize_ > 0 && record.fields.size() != headerSize_) {
        return QCoreApplication::translate("ClientListReader", "полей %1, а в заголовке %2")
            .arg(QString::number(record.fields.size()), QString::number(headerSize_));
    }
    // A field cut short matters only in a column that is read.
    for (qsizetype k = 0; k < record.fields.size(); ++k) {
        if (((record.cut >> k) & 1) == 0) {
            continue;
        }
        const auto column = std::find(at_.begin(), at_.end(), k);
        if (column != at_.end()) {
            return QCoreApplication::translate("ClientListReader", "поле «%1» слишком длинное")
                .arg(title(Column(column - at_.begin())));
        }
        if (headerSize_ == 0) {
            return QCoreApplication::translate("ClientListReader", "поле %1 слишком длинное")
                .arg(k + 1);
        }
    }
    return {};
}

QString ClientListReader::fill(ListRow& row, const QStringList& fields) const {
    auto field = [&](Column c) { return at_[c] < 0 ? QString() : csv::unguard(fields[at_[c]]); };
    Client& client = row.client;
    client.names = {field(Surname), field(Name), field(Patronymic)};
    core::BirthDate& born = client.birthDate;
    if (at_[BirthDate] >= 0) {
        const QString date = field(BirthDate).trimmed();
        const bool asTyped = date.startsWith(u'\'');
        const QStringList parts = (asTyped ? date.mid(1) : date).split(u'.');
        if (parts.size() != 3) {
            return QCoreApplication::translate("ClientListReader",
                                               "дата рождения не в виде ДД.ММ.ГГГГ");
        }
        born = {dayField(parts[0]), core::parseMonth(parts[1]), parts[2].trimmed()};
        if (!asTyped && isShortYear(born.year)) {
            return QCoreApplication::translate(
                       "ClientListReader",
                       "в дате рождения «%1» год из %2: запишите год в четыре цифры")
                .arg(date, born.year.size() == 1
                               ? QCoreApplication::translate("ClientListReader", "одной цифры")
                               : QCoreApplication::translate("ClientListReader", "двух цифр"));
        }
    } else {
        born = {dayField(field(Day)), core::parseMonth(field(Month)), field(Year).trimmed()};
    }
    client.note = field(Note);
    client.phone = field(Phone);
    client.email = field(Email);
    // A page is made in Russian for a code that is none, as before the book
    // held to its rules; the book itself takes no such row.
    if (const QString code = field(Language).trimmed().toLower();
        !code.isEmpty() && (fields_ == Fields::All || core::isLanguageCode(code))) {
        client.languageCode = code;
    }
    // A page is printed for a gender it cannot read, in words for anyone.
    const QString gender = field(Gender);
    if (const QString problem = genderProblem(gender);
        !problem.isEmpty() && fields_ == Fields::All) {
        return problem;
    }
    client.gender = genderOfCode(gender);
    client.address = field(Address);
    client.added = moments_.stored(field(Added).trimmed());
    client.lastPrinted = moments_.stored(field(Printed).trimmed());
    return normalise(client);
}

bool ClientListReader::next(ListRow& row) {
    row = ListRow();
    if (!reader_ || !error_.isEmpty()) {
        return false;
    }
    csv::Record record;
    do {
        if (!reader_->next(record)) {
            return false;
        }
    } while (isEmptyRow(record));
    row.line = record.line;
    row.problem = recordProblem(record);
    if (row.problem.isEmpty()) {
        row.problem = fill(row, record.fields);
    }
    return true;
}

}  // namespace book
