#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "book_fixture.h"
#include "platform/services.h"
#include "platform/translations.h"
#include "print/language_box.h"
#include "print/person_fields.h"
#include "recording_services.h"
#include "ui/book/bin_window.h"
#include "ui/book/book_window.h"
#include "ui/book/client_book_link.h"
#include "ui/book/client_editor.h"
#include "ui/main_window/frm_main.h"

using ui::BookWindow;
using Command = BookWindow::Command;

namespace {

// Types text the way a keyboard does, one key press per character.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// The window over a book of four clients, on screen, recording what it asks for.
struct OpenBook : TempBook {
    platform::RecordingServices services;
    std::vector<book::Client> opened, printed;
    std::vector<QString> questions;
    bool answer = true;
    QString file = dir.filePath(QStringLiteral("book.csv"));
    std::unique_ptr<BookWindow> window;

    explicit OpenBook(bool fill = true) {
        if (fill) {
            for (book::Client c :
                 {person(QStringLiteral("Семёнова"), QStringLiteral("Алла")),
                  person(QStringLiteral("Петров"), QStringLiteral("Иван"), {}, 1, 2),
                  person(QStringLiteral("семенов"), QStringLiteral("Пётр")),
                  person(QStringLiteral("<b>Иванова</b>"), QStringLiteral("Мария"),
                         QStringLiteral("Петровна"))}) {
                EXPECT_TRUE(book->add(c));
            }
        }
        window = std::make_unique<BookWindow>(*book, services);
        window->onOpen = [this](const book::Client& c) { opened.push_back(c); };
        window->onPrint = [this](const book::Client& c) { printed.push_back(c); };
        window->setConfirm([this](QWidget*, const QString& q) {
            questions.push_back(q);
            return answer;
        });
        window->setAskFile([this](QWidget*, bool) { return file; });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QStringList shownSurnames() const {
        QStringList out;
        const QAbstractItemModel* m = window->table()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            out << m->index(r, 0).data().toString();
        }
        return out;
    }
    void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key(k), mods);
    }
};

}  // namespace

TEST(BookWindow, SearchKeepsClientsWithAnyPartOfTheNamesEAndYoAlike) {
    OpenBook b;
    // The book's order: by surname, case and «ё» ignored; markup stays text.
    EXPECT_EQ(b.shownSurnames(), (QStringList{"<b>Иванова</b>", "Петров", "семенов", "Семёнова"}));
    book::Client petrov = b.all()[1];
    petrov.phone = QStringLiteral("+7 (916) 123-45-67");
    petrov.email = QStringLiteral("Petrov@Mail.ru");
    ASSERT_TRUE(b.book->update(petrov));
    const struct {
        const char* typed;
        QStringList shown;
    } cases[] = {
        {"семе", {"семенов", "Семёнова"}},
        {"СЕМЁ", {"семенов", "Семёнова"}},
        {"пет", {"<b>Иванова</b>", "Петров", "семенов"}},  // Петровна, Петров, Пётр
        {"мар ива", {"<b>Иванова</b>"}},
        {"<b>", {"<b>Иванова</b>"}},
        {"щ", {}},
        {"9161234567", {"Петров"}},  // the digits, whatever stands between them
        {"(916) 123-45", {"Петров"}},
        {"petrov@mail", {"Петров"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        b.window->searchField()->clear();
        type(b.window->searchField(), QString::fromUtf8(c.typed));
        EXPECT_EQ(b.shownSurnames(), c.shown);
        EXPECT_EQ(b.window->button(Command::Open)->isEnabled(), !c.shown.isEmpty());
    }
}

TEST(BookWindow, EnterAndDoubleClickOpenTheClientFound) {
    OpenBook b;
    type(b.window->searchField(), QStringLiteral("пет"));
    b.key(b.window->searchField(),
          Qt::Key_Down);  // the second one found, without leaving the field
    b.key(b.window->searchField(), Qt::Key_Return);
    ASSERT_EQ(b.opened.size(), 1u);
    EXPECT_EQ(b.opened[0].names.surname, QStringLiteral("Петров"));
    EXPECT_EQ(b.opened[0].birthDate.monthIndex, 1);

    QTableView* table = b.window->table();
    const QRect row = table->visualRect(table->model()->index(2, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_EQ(b.opened.size(), 2u);
    EXPECT_EQ(b.opened[1].names.surname, QStringLiteral("семенов"));
}

// Each command by its key and by its button does what it says.
TEST(BookWindow, CommandsByKeyAndByButton) {
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey);
        OpenBook b;
        // Keys go where the focus usually is, the search field; Delete only
        // works in the table (in the field it deletes a letter).
        auto run = [&](Command c, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            if (byKey) {
                b.key(k == Qt::Key_Delete ? static_cast<QWidget*>(b.window->table())
                                          : b.window->searchField(),
                      k, mods);
            } else {
                QTest::mouseClick(b.window->button(c), Qt::LeftButton);
            }
        };
        b.window->selectClient(b.all()[1].id);  // Петров
        run(Command::Print, Qt::Key_P, Qt::ControlModifier);
        ASSERT_EQ(b.printed.size(), 1u);
        EXPECT_EQ(b.printed[0].names.surname, QStringLiteral("Петров"));

        b.window->setEditor([](QWidget*, book::Client& c, book::ClientRecords&) {
            c.note = QStringLiteral("Повторить в мае");
            c.birthDate.year = QStringLiteral("1976");
            return true;
        });
        run(Command::Edit, Qt::Key_F2);
        EXPECT_EQ(b.all()[1].note, QStringLiteral("Повторить в мае"));
        ASSERT_NE(b.window->currentClient(), nullptr);
        EXPECT_EQ(b.window->currentClient()->birthDate.year, QStringLiteral("1976"));

        run(Command::Export, Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(QFile::exists(b.file));

        b.answer = false;
        run(Command::Delete, Qt::Key_Delete);
        EXPECT_EQ(b.all().size(), 4u);
        b.answer = true;
        run(Command::Delete, Qt::Key_Delete);
        ASSERT_EQ(b.questions.size(), 2u);
        EXPECT_TRUE(b.questions[0].contains(QStringLiteral("Петров Иван, 01.02.1976")));
        EXPECT_EQ(b.all().size(), 3u);
        EXPECT_EQ(b.window->currentClient()->names.surname,
                  QStringLiteral("семенов"));  // the next one

        run(Command::Import, Qt::Key_I, Qt::ControlModifier);
        EXPECT_EQ(b.all().size(), 4u);
        EXPECT_EQ(b.shownSurnames().size(), 4);
        ASSERT_FALSE(b.services.messages.empty());
        EXPECT_TRUE(
            b.services.messages.back().text.contains(QStringLiteral("добавлено клиентов: 1")));

        run(Command::Close, Qt::Key_Escape);
        EXPECT_TRUE(b.window->isHidden());
    }
}

// Tab reaches every control, and each tells assistive technology its name.
TEST(BookWindow, KeyboardReachesEveryControlAndEachHasAName) {
    OpenBook b;
    QList<QWidget*> focusable;
    for (QWidget* w : b.window->findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(b.window.get()) && w->isEnabled() &&
            w->parentWidget() == b.window.get()) {
            focusable << w;
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        }
    }
    b.window->searchField()->setFocus();
    QSet<QWidget*> reached;
    for (int k = 0; k < focusable.size() + 1; ++k) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget* w : focusable) {
        EXPECT_TRUE(reached.contains(w)) << w->accessibleName().toStdString();
    }
}

TEST(BookWindow, UnusableBookSaysWhereTheFileIsAndOffersOnlyClose) {
    TempBook t;
    QDir().mkpath(t.path);  // a folder where the file should be
    platform::RecordingServices services;
    BookWindow window(*t.book, services);
    window.show();
    QLabel* problem = window.problemLabel();
    EXPECT_FALSE(problem->isHidden());
    EXPECT_EQ(problem->textFormat(), Qt::PlainText);
    EXPECT_TRUE(problem->text().contains(QDir::toNativeSeparators(t.path)));
    for (Command c : {Command::Open, Command::Print, Command::Edit, Command::Delete,
                      Command::Export, Command::Import}) {
        EXPECT_FALSE(window.button(c)->isEnabled());
    }
    EXPECT_TRUE(window.button(Command::Close)->isEnabled());
}

// A printout recorded with the book window open reads the book once, and the
// book window is gone before the book, whichever of link and window ends first.
TEST(ClientBookLink, RecordReadsTheBookOnceAndTheWindowGoesBeforeTheBook) {
    for (bool linkEndsFirst : {true, false}) {
        QTemporaryDir dir;
        platform::RecordingServices services;
        auto window = std::make_unique<ui::FrmMain>(services);
        auto link = std::make_unique<ui::ClientBookLink>(
            *window, services, dir.filePath(QStringLiteral("clients.sqlite")));
        link->openBookWindow();
        ASSERT_NE(link->bookWindow(), nullptr);
        QSignalSpy reads(link->bookWindow()->table()->model(), &QAbstractItemModel::modelReset);
        ASSERT_TRUE(link->recordPrinted({QStringLiteral("Иванова"), {}, {}},
                                        {23, 7, QStringLiteral("1975")}, nullptr));
        EXPECT_EQ(reads.count(), 1);
        EXPECT_EQ(link->bookWindow()->table()->model()->rowCount(), 1);
        if (linkEndsFirst) {
            link.reset();
            EXPECT_EQ(window->findChild<BookWindow*>(), nullptr);
        } else {
            window.reset();
            EXPECT_EQ(link->bookWindow(), nullptr);
        }
    }
}

// A day or month no date has, or a day its month lacks that year (a book
// written by another program, or before such days were refused), is shown as
// invalid, and the editor neither moves it to a valid one nor saves it as is.
TEST(BookWindow, DateOutOfRangeIsShownAsInvalidAndNeverChangedByTheEditor) {
    const struct {
        int day, month;
        bool dayShown, monthShown;
    } cases[] = {
        {45, 8, false, true}, {23, 13, true, false}, {0, 0, false, false}, {31, 2, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day * 100 + c.month);
        OpenBook b;
        // As another program would write it, past the book's own checks.
        QSqlQuery q(QSqlDatabase::database(b.book->connectionName()));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA ignore_check_constraints = ON")));
        ASSERT_TRUE(q.exec(
            QStringLiteral("UPDATE clients SET day = %1, month = %2").arg(c.day).arg(c.month)));
        b.window->reload();
        const QModelIndex date = b.window->table()->model()->index(0, 3);
        EXPECT_TRUE(date.data().toString().endsWith(QStringLiteral("(неверная)")));
        EXPECT_TRUE(date.data(Qt::ForegroundRole).isValid());

        const book::Client stored = *b.window->currentClient();
        ui::ClientEditor editor(nullptr, stored);
        EXPECT_EQ(editor.personFields()->day()->currentIndex(), c.dayShown ? c.day - 1 : -1);
        EXPECT_EQ(editor.personFields()->month()->currentIndex(), c.monthShown ? c.month - 1 : -1);
        const QList<QLabel*> labels = editor.findChildren<QLabel*>();
        const auto problem = std::find_if(labels.begin(), labels.end(), [](const QLabel* l) {
            return l->accessibleName() == QStringLiteral("Ошибка");
        });
        ASSERT_NE(problem, labels.end());
        EXPECT_FALSE((*problem)->isHidden());
        EXPECT_EQ((*problem)->text().startsWith(QStringLiteral("Такой даты нет: 31 февраля 1975")),
                  c.day == 31);
        for (QPushButton* button : editor.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Сохранить")) {
                button->click();
            }
        }
        EXPECT_NE(editor.result(), QDialog::Accepted);
        EXPECT_EQ(editor.client().birthDate.day, c.day);
        EXPECT_EQ(book::storedMonth(editor.client().birthDate.monthIndex), c.month);
    }
}

// «Картотека → Сохранить копию…», three clients deleted, «Восстановить из
// копии…»: the window shows them again and says how many came back; the
// reminder stays quiet right after a copy.
TEST(BookWindow, CopyAndRestoreFromTheMenu) {
    OpenBook b;
    const QString copy = b.dir.filePath(QStringLiteral("copy.sqlite"));
    b.window->setAskCopyFile([&](QWidget*, bool) { return copy; });
    b.window->setConfirmRestore([](QWidget*, const QString&) { return true; });
    const QList<QAction*> items = b.window->menuBar()->actions()[0]->menu()->actions();
    items[0]->trigger();
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_TRUE(b.window->backupLabel()->isHidden());
    b.window->table()->selectAll();
    b.window->deleteCurrent();
    ASSERT_EQ(b.shownSurnames().size(), 0);
    items[1]->trigger();
    EXPECT_EQ(b.shownSurnames().size(), 4);
    ASSERT_EQ(b.services.messages.size(), 2u);
    EXPECT_TRUE(b.services.messages[1].text.contains(QStringLiteral(": 4 клиента.")))
        << b.services.messages[1].text.toStdString();
}

// Delete says where the client goes; Ctrl+Z in the table brings them back,
// current again; the bin window brings back the chosen or removes them for
// good after asking.
TEST(BookWindow, DeletedClientsComeBackByCtrlZAndFromTheBin) {
    OpenBook b;
    b.window->selectClient(b.all()[1].id);  // Петров
    b.key(b.window->table(), Qt::Key_Delete);
    ASSERT_EQ(b.questions.size(), 1u);
    EXPECT_TRUE(b.questions[0].contains(QStringLiteral("Ctrl+Z"))) << b.questions[0].toStdString();
    ASSERT_EQ(b.shownSurnames().size(), 3);
    b.key(b.window->table(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(b.shownSurnames().size(), 4);
    ASSERT_NE(b.window->currentClient(), nullptr);
    EXPECT_EQ(b.window->currentClient()->names.surname, QStringLiteral("Петров"));
    EXPECT_EQ(b.window->selectedClients().size(), 1u) << "only the one brought back";

    b.window->table()->selectAll();
    b.window->deleteCurrent();
    ASSERT_EQ(b.shownSurnames().size(), 0);
    int shown = 0;
    b.window->setBinRunner([&](ui::BinWindow& bin) {
        ++shown;
        ASSERT_EQ(bin.table()->rowCount(), 4);
        bin.table()->setCurrentCell(
            0, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        bin.bringBackButton()->click();
        EXPECT_EQ(bin.table()->rowCount(), 3);
        bin.setConfirm([](QWidget*, const QString&) { return true; });
        bin.table()->selectAll();
        bin.removeButton()->click();
        EXPECT_EQ(bin.table()->rowCount(), 0);
    });
    b.window->openBin();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(b.shownSurnames().size(), 1);
    b.key(b.window->table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(b.shownSurnames().size(), 1) << "the rest are gone for good";
}

// The card shows the client's report language; one this program does not
// know is shown as Russian, with a line that says so, and is kept until the
// user picks another.
TEST(ClientCard, ReportLanguageKnownOrNot) {
    for (const char* code : {"uk", "de"}) {
        SCOPED_TRACE(code);
        book::Client c;
        c.names.surname = QStringLiteral("Ёлкина");
        c.birthDate = {23, 7, QStringLiteral("1975")};
        c.languageCode = QString::fromLatin1(code);
        ui::ClientEditor card(nullptr, c);
        const bool known = code[0] == 'u';
        EXPECT_EQ(card.languageBox()->currentText(),
                  known ? QStringLiteral("Українська") : QStringLiteral("Русский"));
        EXPECT_EQ(card.findChild<QLabel*>(QStringLiteral("UnknownLanguage")) != nullptr, !known);
        card.languageBox()->setCurrentIndex(known ? 0 : 2);
        for (QPushButton* button : card.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Сохранить")) {
                button->click();
            }
        }
        EXPECT_EQ(card.client().languageCode, known ? QStringLiteral("ru") : QStringLiteral("en"));
    }
}

// «Новый клиент…» and Insert open an empty card; what it saves joins the book
// and is chosen, and cancelling adds nobody.
TEST(BookWindow, NewClientByButtonAndByInsert) {
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey);
        OpenBook b;
        bool saved = false;
        b.window->setEditor([&saved](QWidget*, book::Client& c, book::ClientRecords&) {
            EXPECT_EQ(c.id, 0);
            EXPECT_TRUE(c.birthDate.isBlank());
            c.names = {QStringLiteral("Новикова"), QStringLiteral("Ольга"), {}};
            c.birthDate = {9, 8, QStringLiteral("1984")};
            c.gender = core::Gender::Female;
            return saved;
        });
        const auto press = [&] {
            if (byKey) {
                b.key(b.window->searchField(), Qt::Key_Insert);
            } else {
                QTest::mouseClick(b.window->button(Command::New), Qt::LeftButton);
            }
        };
        press();
        EXPECT_EQ(b.all().size(), 4u);
        saved = true;
        press();
        ASSERT_EQ(b.all().size(), 5u);
        ASSERT_NE(b.window->currentClient(), nullptr);
        EXPECT_EQ(b.window->currentClient()->names.surname, QStringLiteral("Новикова"));
        EXPECT_EQ(b.window->currentClient()->gender, core::Gender::Female);
    }
}

// The search takes a month by its name in the window's language as well as
// in Russian.
TEST(BookWindow, SearchFindsMonthsInTheWindowsLanguage) {
    for (const char* code : {"uk", "en"}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(platform::installCatalogues(QString::fromLatin1(code)));
        OpenBook b;  // Петров was born in February, the others in January
        for (const char* typed : {"лютий", "лютого", "February", "февраль"}) {
            b.window->searchField()->clear();
            type(b.window->searchField(), QString::fromUtf8(typed));
            const bool known = std::string(typed) == "февраль" ||
                               (code[0] == 'u') == (std::string(typed) != "February");
            EXPECT_EQ(b.shownSurnames(), known ? QStringList{"Петров"} : QStringList{}) << typed;
        }
    }
    platform::installCatalogues(QStringLiteral("ru"));
}

// Tab goes down the card's fields in order, then to the note, the history,
// the journal and the life events, and last to the buttons that close the
// card. (What the fields propose is in person_fields_test.cpp, for every
// form alike.)
TEST(ClientCard, TabOrder) {
    book::Client c;
    const book::ClientRecords records;
    ui::ClientEditor card(nullptr, c, {}, &records);
    card.show();
    card.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&card));
    print::PersonFields* rows = card.personFields();
    rows->surname()->setFocus();
    QStringList order;
    for (int k = 0; k < 40 && (k == 0 || !rows->surname()->hasFocus()); ++k) {
        QWidget* named = QApplication::focusWidget();  // an inner editor has no name of its own
        while (named && named->accessibleName().isEmpty()) {
            named = named->parentWidget();
        }
        order << (named ? named->accessibleName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(
        order.mid(0, 13),
        (QStringList{"Фамилия", "Имя", "Отчество", "Пол", "Обращение", "День рождения",
                     "Месяц рождения", "Год рождения", "Телефон", "Эл. почта",
                     print::LanguageBox::caption().chopped(1), "Примечание", "История отчётов"}));
    const auto at = [&order](const char* name) { return order.indexOf(QString::fromUtf8(name)); };
    EXPECT_GT(at("Журнал сеансов"), at("История отчётов"));
    EXPECT_GT(at("События жизни"), at("Журнал сеансов"));
    EXPECT_GT(at("Сохранить"), at("События жизни"));
    EXPECT_EQ(order.back(), QStringLiteral("Отмена")) << order.join(u',').toStdString();
}
