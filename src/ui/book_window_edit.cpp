// The client book window's changes to its clients: a new one, an edited
// one, deleted ones.

#include "book/client_book.h"
#include "core/report_language.h"
#include "platform/services.h"
#include "print/language_box.h"
#include "ui/book_model.h"
#include "ui/book_window.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

namespace ui {

void BookWindow::editCurrent() {
    const book::Client* c = currentClient();
    if (!c || !editor_) {
        return;
    }
    book::Client client = *c;
    if (!editor_(this, client)) {
        return;
    }
    QString error;
    if (!book_.update(client, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    selectClient(client.id);
    emit clientEdited(client);
}

void BookWindow::addClient() {
    if (!editor_ || !book_.isOpen()) {
        return;
    }
    book::Client client;
    client.languageCode = core::languageCode(print::lastReportLanguage());
    if (!editor_(this, client)) {
        return;
    }
    QString error;
    if (!book_.add(client, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    search_->clear();
    reload();
    selectClient(client.id);
}

void BookWindow::deleteCurrent() {
    const book::Client* c = currentClient();
    if (!c) {
        return;
    }
    std::vector<qint64> ids;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        ids.push_back(model_->client(index.row()).id);
    }
    if (ids.size() < 2) {
        ids = {c->id};
    }
    const book::Client client = *c;
    const QString question =
        ids.size() == 1
            ? tr("Удалить из картотеки клиента %1, %2?")
                  .arg(core::fullName(client.names), book::birthDateText(client))
            : tr("Удалить из картотеки выбранных клиентов: %n?", nullptr, int(ids.size()));
    if (!confirm_ || !confirm_(this, question + QStringLiteral("\n\n") + binNote())) {
        return;
    }
    QString error;
    if (!book_.remove(ids, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    emit clientsDeleted(ids);
}

}  // namespace ui
