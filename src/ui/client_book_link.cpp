#include "ui/client_book_link.h"

#include "book/client_book.h"
#include "ui/book_window.h"
#include "ui/frm_main.h"

namespace ui {

ClientBookLink::ClientBookLink(FrmMain& window, platform::Services& services, QString path)
    : window_(&window), services_(services), path_(std::move(path)) {
    window.setClientBook({[this] { openBookWindow(); },
                          [this](const core::ClientNames& client, const core::BirthDate& date,
                                 QString* error) { return recordPrinted(client, date, error); }});
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

void ClientBookLink::openBookWindow() {
    if (!bookWindow_) {
        bookWindow_ = new BookWindow(book(), services_, window_);
        bookWindow_->onOpen = [this](const book::Client& c) {
            window_->enterDate(c.day, c.month, c.yearText);
            window_->calculate();
        };
        bookWindow_->onPrint = [this](const book::Client& c) {
            window_->printFor(c.day, c.month, c.yearText, {c.surname, c.name, c.patronymic});
        };
    }
    bookWindow_->show();
    bookWindow_->raise();
    bookWindow_->activateWindow();
}

bool ClientBookLink::recordPrinted(const core::ClientNames& client, const core::BirthDate& date,
                                   QString* error) {
    return book().recordPrinted(client.surname, client.name, client.patronymic, date.day.toInt(),
                                date.monthIndex + 1, date.year, error);
}

}  // namespace ui
