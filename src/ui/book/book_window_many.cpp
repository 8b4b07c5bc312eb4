// The book window's commands for several clients at once: their reports or
// their booklets into one PDF or one print job, and the comparison of two.

#include <QCoreApplication>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "book/client_book.h"
#include "ui/book/batch_report.h"
#include "ui/book/book_model.h"
#include "ui/book/book_window.h"
#include "ui/group/group_window.h"

namespace ui {

std::vector<book::Client> BookWindow::selectedClients() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<book::Client> out;
    out.reserve(size_t(rows.size()));
    for (const QModelIndex& index : rows) {
        out.push_back(model_->client(index.row()));
    }
    return out;
}

std::vector<qint64> BookWindow::selectedIds() const {
    std::vector<qint64> ids;
    for (const book::Client& c : selectedClients()) {
        ids.push_back(c.id);
    }
    return ids;
}

void BookWindow::reselect(const std::vector<qint64>& ids) {
    if (ids.size() < 2) {
        return;  // one client: the current row already says who
    }
    QItemSelection again;
    for (const int row : model_->rowsOf(ids)) {
        again.select(model_->index(row, 0), model_->index(row, 0));
    }
    table_->selectionModel()->select(again,
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void BookWindow::runBatch(Command command, const std::function<void(BatchReport&)>& run) {
    if (!button(command)->isEnabled()) {
        return;
    }
    BatchReport batch(book_, services_, this);
    if (batchSetup_) {
        batchSetup_(batch);
    }
    run(batch);
}

void BookWindow::reportsToPdf() {
    runBatch(Command::ManyPdf, [this](BatchReport& batch) { batch.toPdf(selectedClients()); });
}

void BookWindow::printSelected() {
    runBatch(Command::ManyPrint,
             [this](BatchReport& batch) { batch.toPrinter(selectedClients()); });
}

void BookWindow::bookletsToPdf() {
    runBatch(Command::Booklets,
             [this](BatchReport& batch) { batch.bookletsToPdf(selectedClients()); });
}

void BookWindow::printBooklets() {
    runBatch(Command::Booklets,
             [this](BatchReport& batch) { batch.bookletsToPrinter(selectedClients()); });
}

void BookWindow::chooseBookletTarget() {
    if (button(Command::Booklets)->isEnabled()) {
        button(Command::Booklets)->showMenu();
    }
}

void BookWindow::compareSelected() {
    const std::vector<book::Client> chosen = selectedClients();
    if (chosen.empty() || chosen.size() > std::size_t(core::kGroupMost)) {
        return;
    }
    std::vector<core::Person> people;
    for (const book::Client& c : chosen) {
        people.push_back(c.person());
    }
    // Beside the main window, as «Прогноз → Сравнить…» opens it: two to six
    // make the group, one joins the people already there.
    QWidget* owner = parentWidget() ? parentWidget() : this;
    if (people.size() == 1) {
        addToGroup(owner, services_, people.front());
    } else {
        openGroup(owner, services_, people);
    }
}

}  // namespace ui
