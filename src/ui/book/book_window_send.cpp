// The book window's way to send a client their document, and the table's
// context menu, which offers it beside the client's other commands.

#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>

#include "book/client_book.h"
#include "platform/services.h"
#include "print/many_reports.h"
#include "ui/book/book_window.h"
#include "ui/dialogs/send_to_client.h"

namespace ui {

void BookWindow::sendCurrent() {
    const book::Client* current = currentClient();
    if (current == nullptr) {
        return;
    }
    const book::Client client = *current;  // sending may change the book
    QString reason;
    const std::optional<core::Forecast> forecast = print::forecastFor(client.birthDate, &reason);
    if (!forecast) {
        tell(tr("Для клиента «%1» нет прогноза: %2").arg(book::shownClient(client), reason),
             platform::MessageIcon::Warning);
        return;
    }
    SendToClient sending(services_, this);
    if (sendSetup_) {
        sendSetup_(sending);
    }
    if (const auto made = sending.send({client.person(), client.email}, *forecast)) {
        QString error;
        if (!book_.recordReport(client.id, made->kind, &error, made->file)) {
            tell(error, platform::MessageIcon::Warning);
        }
    }
}

void BookWindow::buildClientMenu() {
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex under = table_->indexAt(at);
        if (!under.isValid()) {
            return;
        }
        // The menu is for the row clicked, which becomes the current one; a
        // choice of several it belongs to stays chosen.
        if (table_->selectionModel()->isRowSelected(under.row(), QModelIndex())) {
            table_->selectionModel()->setCurrentIndex(under, QItemSelectionModel::NoUpdate);
        } else {
            table_->setCurrentIndex(under);
        }
        QMenu menu(this);
        menu.addAction(tr("&Открыть"), this, &BookWindow::openCurrent);
        menu.addAction(tr("&Печать..."), this, &BookWindow::printCurrent);
        menu.addAction(tr("&Изменить..."), this, &BookWindow::editCurrent);
        menu.addAction(tr("О&тправить клиенту…"), this, &BookWindow::sendCurrent);
        menu.addAction(tr("Ка&лендарь (.ics)…"), this, &BookWindow::saveCalendar);
        menu.addSeparator();
        menu.addAction(tr("&Удалить"), this, &BookWindow::deleteCurrent);
        menu.exec(table_->viewport()->mapToGlobal(at));
    });
}

}  // namespace ui
