#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "book_fixture.h"
#include "platform/services.h"
#include "ui/book_window.h"
#include "ui/client_editor.h"
#include "ui/cut_off_tips.h"
#include "ui/window_memory.h"

using ui::BookWindow;

namespace {

// Whatever an earlier window remembered is forgotten.
void forgetBookWindow() {
    platform::UserSettings settings = platform::userSettings();
    settings.setValue(QStringLiteral("book/geometry"), QString());
    settings.setValue(QStringLiteral("book/columns"), QString());
}

// Four clients whose names and dates sort differently as text and as people read them.
struct ListedBook : TempBook {
    platform::RecordingServices services;
    std::unique_ptr<BookWindow> window;

    ListedBook() {
        forgetBookWindow();
        for (book::Client c :
             {person(QStringLiteral("Ёлкина"), QStringLiteral("Анна"), {}, 1, 1,
                     QStringLiteral("1990"), QStringLiteral("первая строка\nвторая")),
              person(QStringLiteral("Елисеева"), QStringLiteral("Вера"), {}, 5, 5),
              person(QStringLiteral("Жукова"), QStringLiteral("Галина"), {}, 23, 8),
              person(QStringLiteral("Абрамова"), QStringLiteral("Дина"), {}, 2, 2,
                     QStringLiteral("2000"))}) {
            EXPECT_TRUE(book->add(c));
        }
        open();
    }
    ~ListedBook() { forgetBookWindow(); }

    void open() {
        window = std::make_unique<BookWindow>(*book, services);
        window->show();
    }
    QStringList shown() const {
        QStringList out;
        const QAbstractItemModel* m = window->table()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            out << m->index(r, 0).data().toString();
        }
        return out;
    }
    void clickHeader(int column) {
        QHeaderView* header = window->table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, 5));
    }
};

}  // namespace

// A click on a header sorts by it, a second one reverses; «Ё» sorts with «Е»,
// dates as dates; the next window opens sorted the same way.
TEST(BookList, HeaderClickSortsAsPeopleReadAndIsRemembered) {
    ListedBook b;
    // One click after another, each with the order it leaves.
    const struct {
        int column;
        QStringList order;
    } clicks[] = {
        {0, {"Абрамова", "Елисеева", "Ёлкина", "Жукова"}},
        {0, {"Жукова", "Ёлкина", "Елисеева", "Абрамова"}},
        {3, {"Елисеева", "Жукова", "Ёлкина", "Абрамова"}},
        {3, {"Абрамова", "Ёлкина", "Жукова", "Елисеева"}},
        {6, {"Абрамова", "Елисеева", "Жукова", "Ёлкина"}},  // empty notes in the book's order
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.order.join(u' ').toStdString());
        b.clickHeader(c.column);
        EXPECT_EQ(b.shown(), c.order);
        b.open();  // a new window, as at the next start
        EXPECT_EQ(b.shown(), c.order);
    }
    // A change to the book keeps the order chosen.
    book::Client added = person(QStringLiteral("Ёжикова"), QStringLiteral("Ия"));
    ASSERT_TRUE(b.book->add(added));
    EXPECT_EQ(b.shown(), (QStringList{"Абрамова", "Ёжикова", "Елисеева", "Жукова", "Ёлкина"}));
}

TEST(BookList, SearchFindsByDateAsWellAsByName) {
    ListedBook b;
    const struct {
        const char* typed;
        QStringList shown;
    } cases[] = {
        {"1975", {"Елисеева", "Жукова"}},
        {"23.08", {"Жукова"}},
        {"23.08.1975", {"Жукова"}},
        {"август", {"Жукова"}},
        {"МАЯ", {"Елисеева"}},
        {"ёлк 1990", {"Ёлкина"}},
        {"ёлк 1975", {}},
        {"31.12", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        b.window->searchField()->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(b.shown(), c.shown);
    }
}

// The real question: Enter answers «Отмена»; several selected are asked
// about once, by number, and go together.
TEST(BookList, DeleteAsksSafelyAndOnceForSeveral) {
    ListedBook b;
    QString defaultButton;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            defaultButton = box->defaultButton()->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    b.window->deleteCurrent();
    EXPECT_EQ(defaultButton, QStringLiteral("Отмена"));
    EXPECT_EQ(b.all().size(), 4u);

    std::vector<QString> questions;
    b.window->setConfirm([&](QWidget*, const QString& q) {
        questions.push_back(q);
        return true;
    });
    b.window->table()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    b.window->table()->selectAll();
    b.window->deleteCurrent();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("выбранных клиентов: 4")));
    EXPECT_TRUE(b.all().empty());
}

// The card lists the client's reports, newest first.
TEST(BookList, CardShowsTheHistory) {
    ListedBook b;
    const qint64 id = b.all().front().id;
    int minute = 0;
    b.book->setClock([&] { return QDateTime(QDate(2026, 12, 7), QTime(9, minute++), Qt::UTC); });
    ASSERT_TRUE(b.book->recordReport(id, book::ReportKind::Printout));
    ASSERT_TRUE(b.book->recordReport(id, book::ReportKind::ManyPdf));
    ASSERT_TRUE(b.window->selectClient(id));
    QStringList history;
    QTimer::singleShot(0, [&] {
        if (auto* card = dynamic_cast<ui::ClientEditor*>(QApplication::activeModalWidget())) {
            for (int i = 0; i < card->historyList()->count(); ++i) {
                history << card->historyList()->item(i)->text();
            }
            card->reject();
        }
    });
    b.window->editCurrent();
    ASSERT_EQ(history.size(), 2);
    EXPECT_TRUE(history[0].endsWith(QStringLiteral("PDF на нескольких клиентов")));
    EXPECT_TRUE(history[1].endsWith(QStringLiteral("Распечатка")));
}

TEST(BookList, CutOffCellsAndOnlyThoseHaveTheWholeTextAsTip) {
    ListedBook b;
    const QAbstractItemModel* m = b.window->table()->model();
    const int elkina = int(b.shown().indexOf(QStringLiteral("Ёлкина")));
    const struct {
        int row, column, width;
        bool cut;
    } cases[] = {
        {elkina, 0, 400, false},
        {elkina, 0, 12, true},
        {elkina, 6, 800, true},               // the first of two lines
        {elkina == 0 ? 1 : 0, 6, 10, false},  // no note
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column * 1000 + c.width);
        QStyleOptionViewItem option;
        option.initFrom(b.window->table());
        option.rect = QRect(0, 0, c.width, 20);
        EXPECT_EQ(ui::CutOffTips::cutOff(option, m->index(c.row, c.column)), c.cut);
    }
    EXPECT_EQ(m->index(elkina, 6).data(Qt::ToolTipRole).toString(),
              QStringLiteral("первая строка\nвторая"));
}

// At a display scale of 2 a 1280 × 1024 screen is 640 × 512: the window and
// its buttons stay on it, wherever it was last.
TEST(BookList, WindowFitsTheFreeAreaOfTheScreen) {
    const QMargins frame(4, 30, 4, 4);
    const struct {
        QRect wanted, available;
    } cases[] = {
        {{0, 0, 960, 520}, {0, 0, 640, 480}},
        {{1500, 900, 300, 200}, {0, 0, 1280, 1000}},
        {{-200, -50, 400, 300}, {0, 24, 1280, 1000}},
        {{100, 100, 400, 300}, {0, 0, 1280, 1000}},
    };
    for (const auto& c : cases) {
        const QRect placed = ui::fitWithin(c.wanted, c.available, frame);
        EXPECT_TRUE(c.available.contains(placed.marginsAdded(frame))) << placed.x() << placed.y();
        EXPECT_EQ(placed.size(), c.wanted.size().boundedTo(c.available.size().shrunkBy(frame)));
    }
}
