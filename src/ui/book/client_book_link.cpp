#include "ui/book/client_book_link.h"

#include "book/client_book.h"
#include "ui/book/book_window.h"
#include "ui/main_window/frm_main.h"

namespace ui {

ClientBookLink::ClientBookLink(FrmMain& window, platform::Services& services, QString path)
    : window_(&window), services_(services), path_(std::move(path)) {
    window.setClientBook(
        {[this] { openBookWindow(); },
         [this](qint64 id, const core::Person& person, core::ReportKind kind, const QString& file,
                QString* error) { return recordReport(id, person, kind, file, error); },
         [this](const std::vector<core::Person>& people, core::ReportKind kind, const QString& file,
                QString* error) { return book().recordComparison(people, kind, error, file); }});
}

ClientBookLink::~ClientBookLink() {
    if (window_) {
        window_->setClientBook({});
    }
    delete bookWindow_.data();
    book_.reset();
}

book::ClientBook& ClientBookLink::book() {
    if (!book_) {
        book_ = std::make_unique<book::ClientBook>(path_);
    }
    return *book_;
}

BookWindow* ClientBookLink::bookWindow() const {
    return bookWindow_;
}

CurrentClient ClientBookLink::currentOf(const book::Client& c) {
    book::ClientRecords records;
    book().records(c.id, records);  // events that cannot be read are not drawn
    return {c.id, c.person(), std::move(records.events), c.email};
}

void ClientBookLink::openBookWindow() {
    if (!bookWindow_) {
        bookWindow_ = new BookWindow(book(), services_, window_);
        bookWindow_->onOpen = [this](const book::Client& c) {
            window_->openClient(c.birthDate, currentOf(c));
        };
        bookWindow_->onPrint = [this](const book::Client& c) {
            window_->printFor(c.birthDate, currentOf(c));
        };
        // The main window's current client follows an edit or a deletion in the book.
        FrmMain* window = window_;
        QObject::connect(bookWindow_, &BookWindow::clientEdited, window,
                         [this, window](const book::Client& c) {
                             window->clientEdited(currentOf(c), c.birthDate);
                         });
        QObject::connect(bookWindow_, &BookWindow::clientsDeleted, window,
                         &FrmMain::clientsDeleted);
    }
    bookWindow_->show();
    bookWindow_->raise();
    bookWindow_->activateWindow();
}

bool ClientBookLink::recordPrinted(const core::ClientNames& client, const core::BirthDate& date,
                                   QString* error) {
    return book().recordPrinted(client, date, error);
}

}  // namespace ui

namespace ui {

qint64 ClientBookLink::recordReport(qint64 id, const core::Person& person, core::ReportKind kind,
                                    const QString& file, QString* error) {
    if (id == 0) {
        qint64 stored = 0;
        book().recordPrinted(person, error, &stored, kind, file);
        return stored;
    }
    if (!book().rename(id, person, error) || !book().recordReport(id, kind, error, file)) {
        return 0;
    }
    return id;
}

}  // namespace ui
