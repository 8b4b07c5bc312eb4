#include <gtest/gtest.h>

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <random>

#include "book/client_list_reader.h"
#include "book/turning_list.h"
#include "book_fixture.h"
#include "calendar_reader.h"
#include "recording_services.h"
#include "ui/book/book_window.h"
#include "ui/book/turning_model.h"
#include "ui/book/turning_window.h"

namespace {

// A book of `count` made-up clients with random dates, some born after 2027.
void fillRandomly(book::ClientBook& b, int count, unsigned seed) {
    std::mt19937 random(seed);
    for (int k = 0; k < count; ++k) {
        book::Client c = person(QStringLiteral("Фамилия%1").arg(k), QStringLiteral("Имя"), {},
                                int(random() % 28 + 1), int(random() % 12 + 1),
                                QString::number(1920 + random() % 120));
        c.phone = QStringLiteral("+7 900 %1").arg(k);
        c.email = QStringLiteral("c%1@example.org").arg(k);
        ASSERT_TRUE(b.add(c));
    }
}

std::vector<qint64> idsOf(const book::TurningList& list) {
    std::vector<qint64> ids;
    for (const book::TurningEntry& e : list.entries) {
        ids.push_back(e.client.id);
    }
    return ids;
}

}  // namespace

// Over random books, years and spans: the list is exactly the book's clients
// whose own forecast turns that year, in the book's order, with their keys.
TEST(TurningList, IsEveryClientWhoseForecastTurns) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        TempBook t;
        fillRandomly(*t.book, 60, seed);
        const std::vector<book::Client> all = t.all();
        for (const auto& [year, least] : {std::pair{2027LL, 3}, {1950LL, 1}, {2040LL, 6}}) {
            book::TurningList list;
            ASSERT_TRUE(book::turningList(*t.book, year, least, list));
            std::vector<qint64> expected;
            for (const book::Client& c : all) {
                const core::Forecast f = std::get<core::Forecast>(core::calculate(c.birthDate));
                if (core::turningYear(f, year, least)) {
                    expected.push_back(c.id);
                }
            }
            EXPECT_EQ(idsOf(list), expected) << seed << " " << year;
            ASSERT_EQ(list.keys.size(), list.entries.size());
            for (size_t k = 0; k < list.entries.size(); ++k) {
                EXPECT_EQ(list.keys[k], book::searchKey(list.entries[k].client));
                EXPECT_LE(list.entries[k].client.birthDate.year.toLongLong(), year);
            }
        }
    }
}

// A mark is stored per client and year, shown, replaced, taken away, kept by
// a backup and its restore, and refused for a year out of range or a client gone.
TEST(TurningList, ContactedMarksRoundTrip) {
    TempBook t;
    fillRandomly(*t.book, 30, 7);
    book::TurningList list;
    ASSERT_TRUE(book::turningList(*t.book, 2027, 3, list));
    ASSERT_GE(list.entries.size(), 3u);
    const qint64 a = list.entries[0].client.id, b = list.entries[1].client.id,
                 c = list.entries[2].client.id;
    const QDate day(2026, 12, 8);
    // A mark is told as such; the book's other views have nothing to reload.
    int changes = 0, marksTold = 0;
    QObject::connect(t.book.get(), &book::ClientBook::changed, [&] { ++changes; });
    QObject::connect(t.book.get(), &book::ClientBook::contactedChanged, [&] { ++marksTold; });
    EXPECT_TRUE(t.book->setContacted(a, 2027, day));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(marksTold, 1);
    EXPECT_TRUE(t.book->setContacted(b, 2027, day.addDays(1)));
    EXPECT_TRUE(t.book->setContacted(c, 2027, day));
    EXPECT_TRUE(t.book->setContacted(c, 2028, day));      // another year, another mark
    EXPECT_TRUE(t.book->setContacted(c, 2027, QDate()));  // taken away
    QHash<qint64, QDate> marks;
    ASSERT_TRUE(t.book->contacted(2027, marks));
    EXPECT_EQ(marks, (QHash<qint64, QDate>{{a, day}, {b, day.addDays(1)}}));
    ASSERT_TRUE(book::turningList(*t.book, 2027, 3, list));
    EXPECT_EQ(list.entries[0].contacted, day);
    EXPECT_TRUE(list.entries[2].contacted.isNull());

    const QString copy = t.dir.filePath(QStringLiteral("copy.sqlite"));
    ASSERT_TRUE(t.book->backup(copy));
    EXPECT_TRUE(t.book->setContacted(a, 2027, QDate()));
    ASSERT_TRUE(t.book->restore(copy).done);
    ASSERT_TRUE(t.book->contacted(2027, marks));
    EXPECT_EQ(marks.value(a), day);

    QString error;
    for (const int year : {0, 10000}) {
        EXPECT_FALSE(t.book->setContacted(a, year, day, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("«Связался»"))) << error.toStdString();
    }
    ASSERT_TRUE(t.book->remove(b));
    EXPECT_FALSE(t.book->setContacted(b, 2027, day, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("уже нет"))) << error.toStdString();
    // Deleted, the client's mark waits in the bin and comes back with them.
    ASSERT_TRUE(t.book->bringBack({b}));
    ASSERT_TRUE(t.book->contacted(2027, marks));
    EXPECT_EQ(marks.value(b), day.addDays(1));
}

// The window: a year out of range is refused in words; Space marks the
// current client today and takes the mark away, Ctrl+Z undoes; the search
// narrows the list; the export writes the rows shown.
TEST(TurningList, WindowMarksUndoesSearchesAndExports) {
    TempBook t;
    fillRandomly(*t.book, 40, 11);
    platform::RecordingServices services;
    ui::TurningWindow w(*t.book, services);
    w.setToday([] { return QDate(2026, 12, 8); });
    EXPECT_EQ(w.yearField()->text(), QString::number(QDate::currentDate().year() + 1));

    for (const char* bad : {"0", "10000", "год"}) {
        EXPECT_FALSE(w.showYear(QString::fromUtf8(bad)));
        EXPECT_FALSE(w.problemLabel()->isHidden());
        EXPECT_TRUE(w.problemLabel()->text().contains(QStringLiteral("9999")));
        EXPECT_EQ(w.model()->rowCount(), 0);
    }
    ASSERT_TRUE(w.showYear(QStringLiteral("2027")));
    EXPECT_TRUE(w.problemLabel()->isHidden());
    ASSERT_GE(w.model()->rowCount(), 3);

    std::vector<qint64> marked;
    for (int row = 0; row < 3; ++row) {
        w.table()->setCurrentIndex(w.model()->index(row, 0));
        marked.push_back(w.model()->entry(row).client.id);
        w.toggleContacted();
        EXPECT_EQ(
            w.model()->data(w.model()->index(row, ui::TurningModel::Contacted), Qt::DisplayRole),
            QStringLiteral("08.12.2026"));
    }
    QHash<qint64, QDate> marks;
    ASSERT_TRUE(t.book->contacted(2027, marks));
    EXPECT_EQ(marks.size(), 3);
    w.toggleContacted();  // the third taken away again
    w.undo();             // and put back
    w.undo();             // the third's first mark undone: none
    ASSERT_TRUE(t.book->contacted(2027, marks));
    EXPECT_EQ(marks.keys().size(), 2);
    EXPECT_FALSE(marks.contains(marked[2]));
    EXPECT_TRUE(services.messages.empty());

    // Sorted by «Связался» downwards: the marked first.
    w.table()->sortByColumn(ui::TurningModel::Contacted, Qt::DescendingOrder);
    EXPECT_FALSE(w.model()->entry(0).contacted.isNull());
    EXPECT_FALSE(w.model()->entry(1).contacted.isNull());
    EXPECT_TRUE(w.model()->entry(2).contacted.isNull());

    const book::Client first = w.model()->entry(0).client;
    w.searchField()->setText(first.email);
    EXPECT_EQ(w.model()->rowCount(), 1);
    const QString csv = t.dir.filePath(QStringLiteral("turning.csv"));
    w.setAskCsvFile([&](QWidget*, const QString& suggested) {
        EXPECT_TRUE(suggested.endsWith(QStringLiteral("2027.csv")));
        return csv;
    });
    w.exportList();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].icon, platform::MessageIcon::Information);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    book::ClientListReader reader(file);
    ASSERT_TRUE(reader.start()) << reader.error().toStdString();
    book::ListRow row;
    ASSERT_TRUE(reader.next(row));
    EXPECT_TRUE(row.client.samePerson(first));
    EXPECT_EQ(row.client.phone, first.phone);
    EXPECT_FALSE(reader.next(row));
    file.seek(0);
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_TRUE(lines[0].startsWith("Фамилия,Имя,Отчество,День,Месяц,Год,Уровень,Поворот,"));
    EXPECT_TRUE(lines[1].contains(",2026-12-0")) << lines[1].toStdString();
}

// From the book window: «Поворотные годы…» opens the list of next year, and
// «Календарь (.ics)…» writes the current client's calendar, which reads back.
TEST(TurningList, BookWindowOpensTheListAndWritesACalendar) {
    TempBook t;
    book::Client maria = person(QStringLiteral("Петрова"), QStringLiteral("Мария"));
    maria.languageCode = QStringLiteral("uk");
    ASSERT_TRUE(t.book->add(maria));
    platform::RecordingServices services;
    ui::BookWindow window(*t.book, services);
    long long shownYear = 0;
    window.setTurningRunner([&](ui::TurningWindow& w) { shownYear = w.model()->year(); });
    window.openTurning();
    EXPECT_EQ(shownYear, QDate::currentDate().year() + 1);

    const QString ics = t.dir.filePath(QStringLiteral("maria.ics"));
    window.setAskCalendarFile([&](QWidget*, const QString& suggested) {
        EXPECT_TRUE(suggested.endsWith(QStringLiteral(".ics")));
        return ics;
    });
    window.saveCalendar();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].icon, platform::MessageIcon::Information);
    QFile file(ics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const CalendarReading r = readCalendar(file.readAll());
    ASSERT_TRUE(r.fault.isEmpty()) << r.fault.toStdString();
    const core::Forecast f = std::get<core::Forecast>(core::calculate(maria.birthDate));
    const long long now = QDate::currentDate().year();
    EXPECT_EQ(r.all("DTSTART").size(), core::turningYears(f, now + 1, now + 10).size());
    EXPECT_TRUE(r.all("SUMMARY").front()->value.startsWith(QStringLiteral("Поворотний рік")));
}
