// The book window's «Изменить»: the client's card, with their journal and
// life events, stored whole; and the journal's own comma-separated file.

#include <QDir>

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

void BookWindow::exportJournal() {
    const QString file = book_.isOpen() && askFile_ ? askFile_(this, true) : QString();
    if (file.isEmpty()) {
        return;
    }
    QString error;
    if (!book_.exportJournalCsv(file, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    tell(tr("Журнал сеансов и события жизни сохранены в файл «%1».")
             .arg(QDir::toNativeSeparators(file)),
         platform::MessageIcon::Information);
}

void BookWindow::importJournal() {
    const QString file = book_.isOpen() && askFile_ ? askFile_(this, false) : QString();
    if (file.isEmpty()) {
        return;
    }
    const book::ImportReport report = book_.importJournalCsv(file);
    if (!report.done) {
        tell(report.error, platform::MessageIcon::Critical);
        return;
    }
    QString text =
        tr("Из файла «%1» добавлено записей журнала и событий: %n.", nullptr, report.added)
            .arg(QDir::toNativeSeparators(file));
    if (report.alreadyThere > 0) {
        text += u'\n' + tr("Уже были в картотеке: %n.", nullptr, report.alreadyThere);
    }
    constexpr int kShown = 10;
    for (size_t k = 0; k < report.badRows.size() && k < kShown; ++k) {
        text +=
            u'\n' + tr("строка %1: %2")
                        .arg(QString::number(report.badRows[k].first), report.badRows[k].second);
    }
    if (report.badRows.size() > kShown) {
        text += u'\n' + tr("…и ещё %n.", nullptr, int(report.badRows.size() - kShown));
    }
    tell(text, report.badRows.empty() ? platform::MessageIcon::Information
                                      : platform::MessageIcon::Warning);
}

}  // namespace ui
