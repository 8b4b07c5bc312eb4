#include "ui/book/turning_window.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "book/turning_list.h"
#include "platform/services.h"
#include "print/save_place.h"
#include "ui/book/cut_off_tips.h"
#include "ui/book/turning_model.h"
#include "ui/window_memory.h"

namespace ui {

namespace {

constexpr int kColumnWidths[TurningModel::kColumnCount] = {110, 80, 110, 115, 75, 85, 120, 170, 90};

QString title() {
    return TurningWindow::tr("Поворотные годы");
}

}  // namespace

TurningWindow::TurningWindow(book::ClientBook& book, platform::Services& services, QWidget* parent)
    : QDialog(parent, Qt::Window),
      book_(book),
      services_(services),
      today_([] { return QDate::currentDate(); }) {
    setObjectName(QStringLiteral("TurningWindow"));
    setWindowTitle(title());
    setAccessibleName(title());
    calendar_.askFile = askCalendarFile;
    askCsv_ = [this](QWidget* over, const QString& suggested) {
        const QString plain = tr("Таблица CSV (*.csv)");
        const QString excel = tr("CSV для Excel (;) (*.csv)");
        QString chosen;
        QString file = QFileDialog::getSaveFileName(over, tr("Поворотные годы в CSV"), suggested,
                                                    plain + QStringLiteral(";;") + excel, &chosen);
        if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty()) {
            file += QStringLiteral(".csv");
        }
        format_ = chosen == excel ? book::CsvFormat::Excel : book::CsvFormat::Plain;
        return file;
    };

    model_ = new TurningModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("TurningTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->setItemDelegate(new CutOffTips(table_));
    for (int column = 0; column < TurningModel::kColumnCount; ++column) {
        table_->setColumnWidth(column, kColumnWidths[column]);
    }
    table_->setAccessibleName(tr("Клиенты с поворотным годом"));

    problem_ = new QLabel(this);
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    problem_->hide();
    count_ = new QLabel(this);
    count_->setTextFormat(Qt::PlainText);

    auto* left = new QVBoxLayout;
    left->addLayout(buildTop());
    left->addWidget(problem_);
    left->addWidget(table_, 1);
    left->addWidget(count_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buildCommands());
    resize(1140, 560);
    new WindowMemory(this, QStringLiteral("turning"));

    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TurningWindow::updateState);
    connect(&book_, &book::ClientBook::changed, this, &TurningWindow::reload);
    showYear(year_->text());
}

TurningWindow::~TurningWindow() = default;

QLayout* TurningWindow::buildTop() {
    auto* yearLabel = new QLabel(tr("&Год:"), this);
    year_ = new QLineEdit(QString::number(QDate::currentDate().year() + 1), this);
    year_->setObjectName(QStringLiteral("TurningYear"));
    year_->setMaxLength(6);
    year_->setFixedWidth(70);
    year_->setAccessibleName(tr("Год"));
    yearLabel->setBuddy(year_);
    connect(year_, &QLineEdit::returnPressed, this, [this] { showYear(year_->text()); });

    auto* changeLabel = new QLabel(tr("&Перемена от:"), this);
    change_ = new QSpinBox(this);
    change_->setRange(core::kTurnChangeLeast, core::kTurnChangeMost);
    change_->setValue(core::kTurnChangeDefault);
    change_->setSuffix(tr(" ур."));
    change_->setToolTip(
        tr("На сколько уровней год должен отличаться от прошлого, чтобы "
           "считаться переменой"));
    change_->setAccessibleName(tr("Перемена от, уровней"));
    changeLabel->setBuddy(change_);
    connect(change_, &QSpinBox::valueChanged, this, [this] { showYear(year_->text()); });

    auto* show = new QPushButton(tr("Показат&ь"), this);
    show->setAutoDefault(false);
    connect(show, &QPushButton::clicked, this, [this] { showYear(year_->text()); });

    auto* searchLabel = new QLabel(tr("&Найти:"), this);
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(tr("имя, дата (23.08, 1975, август), телефон или почта"));
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(tr("Поиск клиента"));
    searchLabel->setBuddy(search_);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& typed) {
        model_->setSearch(typed);
        updateState();
    });

    auto* top = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{yearLabel, year_, changeLabel, change_, show,
                                                      searchLabel}) {
        top->addWidget(w);
    }
    top->addWidget(search_, 1);
    return top;
}

QLayout* TurningWindow::buildCommands() {
    auto* commands = new QVBoxLayout;
    contacted_ = new QPushButton(tr("&Связался"), this);
    contacted_->setToolTip(
        tr("Пробел: отметить, что с клиентом связались сегодня, или снять "
           "отметку; Ctrl+Z отменяет"));
    connect(contacted_, &QPushButton::clicked, this, &TurningWindow::toggleContacted);
    auto* undoButton = new QPushButton(tr("О&тменить"), this);
    undoButton->setToolTip(tr("Ctrl+Z: вернуть отметку, как была"));
    connect(undoButton, &QPushButton::clicked, this, &TurningWindow::undo);
    calendarButton_ = new QPushButton(tr("&Календарь (.ics)..."), this);
    calendarButton_->setToolTip(
        tr("Поворотные годы клиента на десять лет вперёд — файл для календаря"));
    connect(calendarButton_, &QPushButton::clicked, this, &TurningWindow::saveCalendar);
    export_ = new QPushButton(tr("&Экспорт в CSV..."), this);
    export_->setToolTip(tr("Ctrl+S: сохранить показанный список в файл CSV"));
    connect(export_, &QPushButton::clicked, this, &TurningWindow::exportList);
    auto* close = new QPushButton(tr("&Закрыть"), this);
    connect(close, &QPushButton::clicked, this, &TurningWindow::reject);
    for (QPushButton* b : {contacted_, undoButton, calendarButton_, export_}) {
        b->setAutoDefault(false);
        commands->addWidget(b);
    }
    commands->addStretch();
    close->setAutoDefault(false);
    commands->addWidget(close);

    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), table_);
    space->setContext(Qt::WidgetShortcut);
    connect(space, &QShortcut::activated, this, &TurningWindow::toggleContacted);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            &TurningWindow::undo);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
            &TurningWindow::exportList);
    return commands;
}

bool TurningWindow::showYear(const QString& yearText) {
    QString problem;
    const std::optional<long long> year = core::turningYearOf(yearText, &problem);
    if (!year) {
        model_->reset({});
        problem_->setText(problem);
        problem_->show();
        updateState();
        return false;
    }
    if (year_->text() != yearText) {
        year_->setText(yearText);
    }
    book::TurningList list;
    QString error;
    if (!book::turningList(book_, *year, change_->value(), list, &error)) {
        problem_->setText(error);
        problem_->show();
    } else {
        problem_->hide();
    }
    model_->reset(std::move(list));
    if (model_->rowCount() > 0) {
        table_->setCurrentIndex(model_->index(0, 0));
    }
    updateState();
    return problem_->isHidden();
}

void TurningWindow::reload() {
    const book::TurningEntry* current = currentEntry();
    const qint64 keep = current ? current->client.id : 0;
    showYear(year_->text());
    if (const int row = model_->rowOf(keep); keep && row >= 0) {
        table_->setCurrentIndex(model_->index(row, 0));
    }
}

const book::TurningEntry* TurningWindow::currentEntry() const {
    const QModelIndex index = table_->currentIndex();
    return index.isValid() ? &model_->entry(index.row()) : nullptr;
}

bool TurningWindow::setMark(qint64 id, int year, const QDate& day) {
    QString error;
    if (!book_.setContacted(id, year, day, &error)) {
        tell(error, platform::MessageIcon::Critical);
        reload();  // the client may have left the book meanwhile
        return false;
    }
    if (model_->year() == year) {
        model_->setContacted(id, day);
    }
    updateState();
    return true;
}

void TurningWindow::toggleContacted() {
    const book::TurningEntry* e = currentEntry();
    if (!e) {
        return;
    }
    const Mark mark{e->client.id, int(model_->year()), e->contacted};
    if (setMark(mark.id, mark.year, mark.before.isNull() ? today_() : QDate())) {
        undo_.push_back(mark);
    }
}

void TurningWindow::undo() {
    if (undo_.empty()) {
        return;
    }
    const Mark mark = undo_.back();
    undo_.pop_back();
    setMark(mark.id, mark.year, mark.before);
    if (const int row = model_->rowOf(mark.id); row >= 0) {
        table_->setCurrentIndex(model_->index(row, 0));
    }
}

void TurningWindow::exportList() {
    if (model_->rowCount() == 0 || !askCsv_) {
        return;
    }
    const QString suggested =
        QDir(print::lastSaveFolder(print::SavedFile::BookCsv))
            .filePath(tr("Поворотные годы %1.csv").arg(QString::number(model_->year())));
    const QString file = askCsv_(this, suggested);
    if (file.isEmpty()) {
        return;
    }
    const std::vector<const book::TurningEntry*> rows = model_->shownEntries();
    QString error;
    if (!book::exportTurningCsv(file, rows, format_, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    print::rememberSaveFolder(print::SavedFile::BookCsv, file);
    tell(tr("Поворотные годы сохранены в файл «%1»: клиентов %n.", nullptr, int(rows.size()))
             .arg(QDir::toNativeSeparators(file)),
         platform::MessageIcon::Information);
}

void TurningWindow::saveCalendar() {
    if (const book::TurningEntry* e = currentEntry()) {
        const book::Client client = e->client;
        saveTurningCalendar(this, services_, client.person(), calendar_);
    }
}

void TurningWindow::updateState() {
    const book::TurningEntry* e = currentEntry();
    contacted_->setEnabled(e != nullptr);
    contacted_->setText(e && !e->contacted.isNull() ? tr("Снять отмет&ку") : tr("&Связался"));
    calendarButton_->setEnabled(e != nullptr);
    export_->setEnabled(model_->rowCount() > 0);
    const int all = model_->entryCount();
    const int shown = model_->rowCount();
    if (!problem_->isHidden() && all == 0) {
        count_->clear();
    } else if (shown == all) {
        count_->setText(tr("Клиентов с поворотным годом в %1: %2")
                            .arg(QString::number(model_->year()), QString::number(all)));
    } else {
        count_->setText(tr("Найдено: %1 из %2").arg(shown).arg(all));
    }
}

void TurningWindow::tell(const QString& text, platform::MessageIcon icon) {
    services_.message(this, {text, title(), icon, 0});
}

}  // namespace ui
