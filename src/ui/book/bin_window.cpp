#include "ui/book/bin_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/services.h"

namespace ui {

namespace {

enum Column { Who, Born, Deleted, Why, kColumnCount };

QString title() {
    return BinWindow::tr("Удалённые клиенты");
}

bool askConfirm(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, title(), question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(BinWindow::tr("Удалить навсегда"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(BinWindow::tr("Отмена"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == yes;
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setToolTip(text);
    return item;
}

}  // namespace

BinWindow::BinWindow(book::ClientBook& book, platform::Services& services, QWidget* parent)
    : QDialog(parent), book_(book), services_(services), confirm_(askConfirm) {
    setObjectName(QStringLiteral("BinWindow"));
    setWindowTitle(title());
    auto* about = new QLabel(tr("Удалённые клиенты хранятся здесь %n дней вместе с историей "
                                "отчётов и всем, что было в карточке, а потом удаляются сами. "
                                "Записи, отложенные при восстановлении из копии, потому что они "
                                "нарушают правила картотеки, хранятся, пока вы их не удалите.",
                                nullptr, book::ClientBook::kBinDays),
                             this);
    about->setWordWrap(true);
    table_ = new QTableWidget(0, kColumnCount, this);
    table_->setObjectName(QStringLiteral("BinTable"));
    table_->setHorizontalHeaderLabels(
        {tr("Клиент"), tr("Дата рождения"), tr("Удалён"), tr("Почему отложен")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(Who, 220);
    table_->setColumnWidth(Born, 120);
    table_->setColumnWidth(Deleted, 130);
    table_->setAccessibleName(title());
    empty_ = new QLabel(tr("Удалённых клиентов нет."), this);

    bringBack_ = new QPushButton(tr("&Вернуть"), this);
    bringBack_->setToolTip(tr("Enter: вернуть выбранных клиентов в картотеку"));
    remove_ = new QPushButton(tr("Удалить &навсегда…"), this);
    remove_->setToolTip(tr("Delete: удалить выбранных навсегда, вместе с историей"));
    auto* close = new QPushButton(tr("&Закрыть"), this);
    bringBack_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bringBack_);
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(table_, 1);
    layout->addWidget(empty_);
    layout->addLayout(buttons);
    resize(900, 440);

    connect(bringBack_, &QPushButton::clicked, this, &BinWindow::bringBackChosen);
    connect(remove_, &QPushButton::clicked, this, &BinWindow::removeChosen);
    connect(close, &QPushButton::clicked, this, &BinWindow::reject);
    connect(table_, &QTableWidget::itemDoubleClicked, this, &BinWindow::bringBackChosen);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &BinWindow::updateState);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, table_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &BinWindow::removeChosen);
    connect(&book_, &book::ClientBook::changed, this, &BinWindow::reload);
    reload();
}

void BinWindow::reload() {
    QString error;
    if (!book_.binEntries(entries_, &error)) {
        services_.message(this, {error, title(), platform::MessageIcon::Critical});
    }
    table_->setRowCount(int(entries_.size()));
    for (int row = 0; row < int(entries_.size()); ++row) {
        const book::ClientBook::BinEntry& e = entries_[size_t(row)];
        book::Client client;
        client.names = e.names;
        client.birthDate = e.birthDate;
        const QString who = book::shownText(core::fullName(e.names), 80);
        table_->setItem(row, Who, cell(who.isEmpty() ? tr("(без имени)") : who));
        table_->setItem(row, Born, cell(book::shownText(book::birthDateText(client), 20)));
        table_->setItem(row, Deleted, cell(book::momentText(e.deleted)));
        table_->setItem(row, Why, cell(e.setAside));
    }
    if (table_->rowCount() > 0 && table_->selectionModel()->selectedRows().isEmpty()) {
        table_->setCurrentCell(0, 0,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    empty_->setVisible(entries_.empty());
    updateState();
}

std::vector<qint64> BinWindow::chosenIds() const {
    std::vector<qint64> ids;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        ids.push_back(entries_[size_t(index.row())].id);
    }
    return ids;
}

void BinWindow::updateState() {
    const bool chosen = !table_->selectionModel()->selectedRows().isEmpty();
    bringBack_->setEnabled(chosen);
    remove_->setEnabled(chosen);
}

void BinWindow::bringBackChosen() {
    const std::vector<qint64> ids = chosenIds();
    QString error;
    if (!ids.empty() && !book_.bringBack(ids, &error)) {
        services_.message(this, {error, title(), platform::MessageIcon::Critical});
    }
}

void BinWindow::removeChosen() {
    const std::vector<qint64> ids = chosenIds();
    if (ids.empty()) {
        return;
    }
    const QString question =
        tr("Удалить навсегда выбранных: %n? Их уже нельзя будет вернуть, и их история отчётов "
           "тоже будет удалена.",
           nullptr, int(ids.size()));
    if (!confirm_ || !confirm_(this, question)) {
        return;
    }
    QString error;
    if (!book_.removeForGood(ids, &error)) {
        services_.message(this, {error, title(), platform::MessageIcon::Critical});
    }
}

}  // namespace ui
