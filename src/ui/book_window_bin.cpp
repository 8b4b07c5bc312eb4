// The book window's way back for deleted clients: the bin, and Ctrl+Z for
// the last deletion.

#include <QTableView>

#include "book/client_book.h"
#include "platform/services.h"
#include "ui/bin_window.h"
#include "ui/book_window.h"

namespace ui {

QString BookWindow::binNote() {
    return tr(
        "Удалённые клиенты вместе с историей отчётов %n дней хранятся в «Удалённых "
        "клиентах» (Картотека → Удалённые клиенты…), откуда их можно вернуть; последнее "
        "удаление отменяет Ctrl+Z.",
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
    // The clients brought back are the ones chosen, as they were before.
    if (!ids.empty()) {
        selectClient(ids.front());
        reselect(ids);
    }
}

}  // namespace ui
