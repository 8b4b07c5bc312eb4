// The book window's way back for deleted clients: the bin, and Ctrl+Z for
// the last deletion.

#include <QItemSelectionModel>
#include <QTableView>

#include "book/client_book.h"
#include "platform/services.h"
#include "ui/book/bin_window.h"
#include "ui/book/book_model.h"
#include "ui/book/book_window.h"

namespace ui {

QString BookWindow::binNote() {
    return tr(
        "Всё удалённое, с историей отчётов, %n дней хранится в «Картотека → Удалённые "
        "клиенты…», откуда его можно вернуть; последнее удаление отменяет Ctrl+Z.",
        nullptr, book::ClientBook::kBinDays);
}

void BookWindow::openBin() {
    BinWindow bin(book_, services_, this);
    if (runBin_) {
        runBin_(bin);
    } else {
        bin.exec();
    }
}

void BookWindow::undoDeletion() {
    if (!book_.isOpen()) {
        return;
    }
    std::vector<qint64> ids;
    QString error;
    if (!book_.bringBackLast(&ids, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    // The clients brought back are the ones chosen, and only they, whatever
    // keys are held down.
    if (ids.empty()) {
        return;
    }
    QItemSelection back;
    for (const int row : model_->rowsOf(ids)) {
        back.select(model_->index(row, 0), model_->index(row, 0));
    }
    QItemSelectionModel* selection = table_->selectionModel();
    selection->select(back, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (const int row = model_->rowOf(ids.front()); row >= 0) {
        selection->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
        table_->scrollTo(model_->index(row, 0));
    }
}

}  // namespace ui
