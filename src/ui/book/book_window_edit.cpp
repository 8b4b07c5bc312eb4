// The client book window's changes to its clients: a new one, an edited one
// with their journal and life events stored whole, deleted ones; and the
// journal's own comma-separated file.

#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

#include "book/client_book.h"
#include "core/report_language.h"
#include "platform/services.h"
#include "print/language_box.h"
#include "ui/book/book_model.h"
#include "ui/book/book_window.h"

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

void BookWindow::addClient() {
    if (!editor_ || !book_.isOpen()) {
        return;
    }
    book::Client client;
    client.languageCode = core::languageCode(print::lastReportLanguage());
    book::ClientRecords records;
    if (!editor_(this, client, records)) {
        return;
    }
    QString error;
    if (!book_.add(client, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    // The card's journal and events need the client's id: stored right after.
    if ((!records.journal.empty() || !records.events.empty()) &&
        !book_.update(client, records, &error)) {
        tell(error, platform::MessageIcon::Critical);
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
