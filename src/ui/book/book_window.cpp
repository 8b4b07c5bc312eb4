#include "ui/book/book_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

#include "book/client_book.h"
#include "platform/file_dialogs.h"
#include "platform/services.h"
#include "print/save_place.h"
#include "ui/book/book_model.h"
#include "ui/book/client_editor.h"
#include "ui/book/cut_off_tips.h"
#include "ui/window_memory.h"

namespace ui {

namespace {

constexpr int kColumnWidths[BookModel::kColumnCount] = {125, 90, 120, 120, 115, 115, 120};

struct CommandPlace {
    const char* text;
    const char* accessibleName;
    const char* keys;  // what the tool tip tells
};
// In the order of BookWindow::Command.
constexpr CommandPlace kCommands[] = {
    {QT_TRANSLATE_NOOP("ui::BookWindow", "Нов&ый клиент..."),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Новый клиент"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Insert: добавить клиента в картотеку")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "&Открыть"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Открыть"),
     QT_TRANSLATE_NOOP("ui::BookWindow",
                       "Enter или двойной щелчок: дата клиента в главном окне и расчёт")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "&Печать..."),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Печать"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Ctrl+P: напечатать прогноз для клиента")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "&Изменить..."),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Изменить"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "F2: изменить имя, дату рождения и примечание")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "&Удалить"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Удалить"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Delete: удалить клиента из картотеки")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "Отчёты в P&DF..."),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Отчёты в PDF"),
     QT_TRANSLATE_NOOP("ui::BookWindow",
                       "Ctrl+Shift+S: один файл PDF, по странице на каждого выбранного клиента")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "Нап&ечатать выбранных..."),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Напечатать выбранных"),
     QT_TRANSLATE_NOOP("ui::BookWindow",
                       "Ctrl+Shift+P: напечатать отчёты всех выбранных клиентов")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "Подро&бный отчёт..."),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Подробный отчёт"),
     QT_TRANSLATE_NOOP(
         "ui::BookWindow",
         "Ctrl+B: подробные отчёты выбранных клиентов, один за другим, в PDF или на принтер")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "С&равнить"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Сравнить"),
     QT_TRANSLATE_NOOP("ui::BookWindow",
                       "Ctrl+D: сравнить прогнозы выбранных клиентов, от одного до шести")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "&Экспорт в CSV..."),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Экспорт в CSV"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Ctrl+S: сохранить всю картотеку в файл CSV")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "И&мпорт из CSV..."),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Импорт из CSV"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Ctrl+I: добавить клиентов из файла CSV")},
    {QT_TRANSLATE_NOOP("ui::BookWindow", "&Закрыть"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Закрыть"),
     QT_TRANSLATE_NOOP("ui::BookWindow", "Esc: закрыть картотеку")},
};

QString title() {
    return BookWindow::tr("Картотека клиентов");
}

bool askConfirm(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, title(), question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(BookWindow::tr("Удалить"), QMessageBox::AcceptRole);
    // Enter must not delete: the safe answer is the default.
    box.setDefaultButton(box.addButton(BookWindow::tr("Отмена"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == yes;
}

// The file to import from, or to export to: then the file-type list also
// chooses the kind of file, plain UTF-8 CSV or the one spreadsheets open.
QString askCsvFile(QWidget* parent, bool forSaving, book::CsvFormat* format) {
    const QString plain = BookWindow::tr("Таблица CSV (*.csv)");
    const QString excel = BookWindow::tr("CSV для Excel (;) (*.csv)");
    const QString any = BookWindow::tr("Все файлы (*)");
    if (!forSaving) {
        return QFileDialog::getOpenFileName(parent, BookWindow::tr("Импорт клиентов из CSV"),
                                            platform::documentsFolder(),
                                            plain + QStringLiteral(";;") + any);
    }
    QString chosen;
    QString file =
        QFileDialog::getSaveFileName(parent, BookWindow::tr("Экспорт картотеки в CSV"),
                                     QDir(print::lastSaveFolder(print::SavedFile::BookCsv))
                                         .filePath(BookWindow::tr("Картотека клиентов.csv")),
                                     QStringList{plain, excel}.join(QStringLiteral(";;")), &chosen);
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty()) {
        file += QStringLiteral(".csv");
    }
    if (format) {
        *format = chosen == excel ? book::CsvFormat::Excel : book::CsvFormat::Plain;
    }
    return file;
}

// The window's place and size, the widths of the columns and the column the
// table is sorted by, kept between runs.
void rememberLayout(QWidget* window, QTableView* table) {
    auto* memory = new WindowMemory(window, QStringLiteral("book"));
    QHeaderView* header = table->horizontalHeader();
    memory->keep(
        QStringLiteral("columns"), [header] { return header->saveState(); },
        [table, header](const QByteArray& kept) {
            if (header->restoreState(kept)) {
                table->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
            }
        });
    // The sort is the user's choice the moment it is made.
    QObject::connect(header, &QHeaderView::sortIndicatorChanged, memory,
                     [memory] { memory->save(); });
}

}  // namespace

BookWindow::BookWindow(book::ClientBook& book, platform::Services& services, QWidget* parent)
    : QDialog(parent, Qt::Window),
      book_(book),
      services_(services),
      confirm_(askConfirm),
      askFile_([this](QWidget* over, bool forSaving) {
          return askCsvFile(over, forSaving, &exportFormat_);
      }),
      editor_([this](QWidget* over, book::Client& client, book::ClientRecords& records) {
          std::vector<book::ReportRecord> history;
          book_.reports(client.id, history);  // a history that cannot be read shows empty
          return editClient(over, client, history, &records);
      }) {
    setObjectName(QStringLiteral("BookWindow"));
    setWindowTitle(title());
    setAccessibleName(title());

    QLabel* searchLabel = buildSearch();
    buildTable();
    QVBoxLayout* commands = buildCommands();

    auto* top = new QHBoxLayout;
    top->addWidget(searchLabel);
    top->addWidget(search_, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(problem_);
    left->addWidget(table_, 1);
    left->addWidget(count_);
    left->addWidget(backupLine_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(commands);
    buildMenu();
    layout->setMenuBar(menuBar_);
    resize(960, 520);
    rememberLayout(this, table_);

    connectCommands();
    setTabOrder(search_, table_);
    QWidget* previous = table_;
    for (QPushButton* b : buttons_) {
        setTabOrder(previous, b);
        previous = b;
    }
    reload();
    search_->setFocus();
}

QLabel* BookWindow::buildSearch() {
    auto* searchLabel = new QLabel(tr("&Найти:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("BookSearch"));
    search_->setPlaceholderText(tr("имя, дата (23.08, 1975, август), телефон или почта"));
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(tr("Поиск клиента"));
    search_->setAccessibleDescription(
        tr("Показывает клиентов, у которых набранное есть в фамилии, имени, "
           "отчестве, дате рождения, телефоне или электронной почте"));
    searchLabel->setBuddy(search_);
    search_->installEventFilter(this);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("BookProblem"));
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    problem_->setAccessibleName(tr("Состояние картотеки"));
    problem_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    problem_->hide();
    return searchLabel;
}

void BookWindow::buildTable() {
    model_ = new BookModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("BookTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Shift and Ctrl with a click, and Ctrl+A, choose several clients for
    // the reports and the comparison.
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->setItemDelegate(new CutOffTips(table_));
    // No column chosen: the book's own order, until a header is clicked.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    for (int column = 0; column < BookModel::kColumnCount; ++column) {
        table_->setColumnWidth(column, kColumnWidths[column]);
    }
    table_->setAccessibleName(tr("Клиенты"));
    table_->installEventFilter(this);

    count_ = new QLabel(this);
    count_->setTextFormat(Qt::PlainText);
    count_->setAccessibleName(tr("Число клиентов"));
    backupLine_ = new QLabel(this);
    backupLine_->setObjectName(QStringLiteral("BookBackupLine"));
    backupLine_->setTextFormat(Qt::PlainText);
    backupLine_->setWordWrap(true);
    backupLine_->setAccessibleName(tr("Напоминание о копии картотеки"));
    backupLine_->hide();
}

QVBoxLayout* BookWindow::buildCommands() {
    auto* commands = new QVBoxLayout;
    for (size_t k = 0; k < buttons_.size(); ++k) {
        auto* b = new QPushButton(tr(kCommands[k].text), this);
        b->setAccessibleName(tr(kCommands[k].accessibleName));
        b->setToolTip(tr(kCommands[k].keys));
        b->setAccessibleDescription(b->toolTip());
        // Enter belongs to the table and the search field: it opens a client.
        b->setAutoDefault(false);
        buttons_[k] = b;
        if (Command(k) == Command::Booklets) {
            auto* where = new QMenu(b);
            where->addAction(tr("Сохранить в &PDF…"), this, &BookWindow::bookletsToPdf);
            where->addAction(tr("&Напечатать…"), this, &BookWindow::printBooklets);
            b->setMenu(where);
        }
        if (Command(k) == Command::ManyPdf || Command(k) == Command::Export ||
            Command(k) == Command::Close) {
            commands->addStretch();
        }
        commands->addWidget(b);
    }
    return commands;
}

void BookWindow::connectCommands() {
    const std::pair<Command, void (BookWindow::*)()> handlers[] = {
        {Command::New, &BookWindow::addClient},
        {Command::Open, &BookWindow::openCurrent},
        {Command::Print, &BookWindow::printCurrent},
        {Command::Edit, &BookWindow::editCurrent},
        {Command::Delete, &BookWindow::deleteCurrent},
        {Command::Export, &BookWindow::exportBook},
        {Command::Import, &BookWindow::importBook},
        {Command::ManyPdf, &BookWindow::reportsToPdf},
        {Command::ManyPrint, &BookWindow::printSelected},
        {Command::Compare, &BookWindow::compareSelected},
        {Command::Close, &BookWindow::reject},
    };
    for (const auto& [command, handler] : handlers) {
        connect(button(command), &QPushButton::clicked, this, handler);
    }
    const std::pair<QKeySequence, void (BookWindow::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_P), &BookWindow::printCurrent},
        {QKeySequence(Qt::Key_Insert), &BookWindow::addClient},
        {QKeySequence(Qt::Key_F2), &BookWindow::editCurrent},
        // Not Ctrl+E: on X11 the search field takes it (end of line).
        {QKeySequence(Qt::CTRL | Qt::Key_S), &BookWindow::exportBook},
        {QKeySequence(Qt::CTRL | Qt::Key_I), &BookWindow::importBook},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &BookWindow::reportsToPdf},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &BookWindow::printSelected},
        {QKeySequence(Qt::CTRL | Qt::Key_D), &BookWindow::compareSelected},
        {QKeySequence(Qt::CTRL | Qt::Key_B), &BookWindow::chooseBookletTarget},
    };
    for (const auto& [sequence, handler] : keys) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, handler);
    }
    // Delete in the search field deletes a letter, in the table a client.
    auto* deleteKey = new QShortcut(QKeySequence::Delete, table_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &BookWindow::deleteCurrent);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        search_->setFocus();
        search_->selectAll();
    });

    connect(search_, &QLineEdit::textChanged, this, &BookWindow::applySearch);
    connect(table_, &QTableView::doubleClicked, this, &BookWindow::openCurrent);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &BookWindow::updateState);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BookWindow::updateState);
    connect(&book_, &book::ClientBook::changed, this, &BookWindow::reload);
}

BookWindow::~BookWindow() = default;

void BookWindow::showEvent(QShowEvent* event) {
    // A book that could not be opened may be usable now (another program let go of it).
    if (!book_.isOpen()) {
        reload();
    }
    QDialog::showEvent(event);
}

void BookWindow::reload() {
    const book::Client* current = currentClient();
    const qint64 keep = current ? current->id : 0;
    const int keepRow = table_->currentIndex().row();
    const std::vector<qint64> chosen = selectedIds();  // a run of reports keeps its choice
    std::vector<book::Client> clients;
    book::SearchKeys keys;
    std::vector<std::pair<qint64, QString>> records;
    QString error;
    if (!book_.clients(clients, &error, &keys) || !book_.recordTexts(records, &error)) {
        problem_->setText(error);
        problem_->show();
    } else {
        problem_->hide();
        problem_->clear();
    }
    model_->reset(std::move(clients), std::move(keys), records);
    if (!(keep && selectClient(keep)) && model_->rowCount() > 0) {
        // The neighbour of a deleted client, or the first one.
        table_->setCurrentIndex(model_->index(qBound(0, keepRow, model_->rowCount() - 1), 0));
    }
    reselect(chosen);
    updateState();
    updateBackupLine();
}

const book::Client* BookWindow::currentClient() const {
    const QModelIndex index = table_->currentIndex();
    if (!index.isValid()) {
        return nullptr;
    }
    return &model_->client(index.row());
}

bool BookWindow::selectClient(qint64 id) {
    const int row = model_->rowOf(id);
    if (row < 0) {
        return false;
    }
    const QModelIndex index = model_->index(row, 0);
    table_->setCurrentIndex(index);
    table_->scrollTo(index);
    return true;
}

void BookWindow::applySearch() {
    model_->setSearch(search_->text());
    if (!table_->currentIndex().isValid() && model_->rowCount() > 0) {
        table_->setCurrentIndex(model_->index(0, 0));
    }
    updateState();
}

void BookWindow::updateState() {
    const bool usable = book_.isOpen();
    const bool chosen = usable && currentClient() != nullptr;
    for (Command c : {Command::Open, Command::Print, Command::Edit, Command::Delete}) {
        button(c)->setEnabled(chosen);
    }
    const qsizetype selected = usable ? table_->selectionModel()->selectedRows().size() : 0;
    button(Command::ManyPdf)->setEnabled(selected > 0);
    button(Command::ManyPrint)->setEnabled(selected > 0);
    button(Command::Booklets)->setEnabled(selected > 0);
    button(Command::Compare)->setEnabled(selected >= 1 && selected <= core::kGroupMost);
    button(Command::New)->setEnabled(usable);
    button(Command::Export)->setEnabled(usable);
    button(Command::Import)->setEnabled(usable);
    search_->setEnabled(usable);
    const int all = model_->clientCount();
    const int shown = model_->rowCount();
    if (!usable) {
        count_->clear();
    } else if (shown == all) {
        count_->setText(tr("Клиентов в картотеке: %1").arg(all));
    } else {
        count_->setText(tr("Найдено: %1 из %2").arg(shown).arg(all));
    }
}

void BookWindow::tell(const QString& text, platform::MessageIcon icon) {
    services_.message(this, {text, title(), icon, 0});
}

void BookWindow::openCurrent() {
    if (const book::Client* c = currentClient(); c && onOpen) {
        const book::Client client = *c;  // the callback may change the book
        onOpen(client);
    }
}

void BookWindow::printCurrent() {
    if (const book::Client* c = currentClient(); c && onPrint) {
        const book::Client client = *c;
        onPrint(client);
    }
}

bool BookWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == table_ || watched == search_)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            openCurrent();
            return true;
        }
        // From the search field the arrows walk the list without leaving the field.
        if (watched == search_ &&
            (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up ||
             key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp)) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers());
            QCoreApplication::sendEvent(table_, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ui
