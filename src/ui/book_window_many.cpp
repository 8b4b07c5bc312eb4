// The book window's commands for several clients at once: their reports into
// one PDF or one print job, the comparison of two, and the import's progress.

#include <QCoreApplication>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "book/client_book.h"
#include "ui/batch_report.h"
#include "ui/book_filter.h"
#include "ui/book_model.h"
#include "ui/book_window.h"
#include "ui/compare_window.h"

namespace ui {

namespace {

constexpr int kProgressSteps = 1000;

QString fullName(const book::Client& c) {
    QStringList names{c.surname, c.name, c.patronymic};
    names.removeAll(QString());
    return names.join(u' ');
}

}  // namespace

std::vector<book::Client> BookWindow::selectedClients() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<book::Client> out;
    out.reserve(size_t(rows.size()));
    for (const QModelIndex& index : rows) {
        out.push_back(model_->client(filter_->mapToSource(index).row()));
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
    for (const qint64 id : ids) {
        const int row = model_->rowOf(id);
        const QModelIndex index =
            row < 0 ? QModelIndex() : filter_->mapFromSource(model_->index(row, 0));
        if (index.isValid()) {
            again.select(index, index);
        }
    }
    table_->selectionModel()->select(again,
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

book::ImportReport BookWindow::importWithProgress(const QString& file) {
    // A long list shows how far it is and can be stopped; a short one is
    // done before the window would appear.
    QProgressDialog progress(QStringLiteral("Чтение файла «%1»…").arg(QFileInfo(file).fileName()),
                             QStringLiteral("Отмена"), 0, kProgressSteps, this);
    progress.setWindowTitle(QStringLiteral("Импорт из CSV"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    return book_.importCsv(file, [&](qint64 done, qint64 total) {
        progress.setValue(
            total > 0 ? int(std::clamp<qint64>(done * kProgressSteps / total, 0, kProgressSteps))
                      : 0);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
}

void BookWindow::reportsToPdf() {
    if (!button(Command::ManyPdf)->isEnabled()) {
        return;
    }
    BatchReport batch(book_, services_, this);
    if (batchSetup_) {
        batchSetup_(batch);
    }
    batch.toPdf(selectedClients());
}

void BookWindow::printSelected() {
    if (!button(Command::ManyPrint)->isEnabled()) {
        return;
    }
    BatchReport batch(book_, services_, this);
    if (batchSetup_) {
        batchSetup_(batch);
    }
    batch.toPrinter(selectedClients());
}

void BookWindow::compareSelected() {
    const std::vector<book::Client> two = selectedClients();
    if (two.size() != 2) {
        return;
    }
    const auto entry = [](const book::Client& c) {
        return PersonEntry{core::BirthDate{QString::number(c.day), c.month - 1, c.yearText},
                           fullName(c)};
    };
    // Beside the main window, as «Прогноз → Сравнить…» opens it.
    openComparison(parentWidget() ? parentWidget() : this, services_, entry(two[0]), entry(two[1]));
}

}  // namespace ui
