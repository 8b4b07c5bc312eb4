// The book window's «Изменить»: the client's card, with their journal and
// life events, stored whole.

#include "book/client_book.h"
#include "platform/services.h"
#include "ui/book_window.h"

namespace ui {

void BookWindow::editCurrent() {
    const book::Client* c = currentClient();
    if (!c || !editor_) {
        return;
    }
    book::Client client = *c;
    book::ClientRecords records;
    QString error;
    // A journal that cannot be read is not offered: saving would store it empty.
    const bool read = book_.records(client.id, records, &error);
    if (read && !editor_(this, client, records)) {
        return;
    }
    if (!read || !book_.update(client, records, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    selectClient(client.id);
    emit clientEdited(client);
}

}  // namespace ui
