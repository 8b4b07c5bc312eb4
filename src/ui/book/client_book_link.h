#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "book/client.h"
#include "core/client_names.h"
#include "core/forecast.h"
#include "core/report_kind.h"
#include "ui/main_window/current_client.h"

namespace book {
class ClientBook;
}

namespace platform {
class Services;
}

namespace ui {

class BookWindow;
class FrmMain;

// Ties the main window to the client book: «Картотека клиентов…» opens the
// book window, whose clients go into the main window, and a printout the user
// asked to remember is recorded. The book is opened the first time it is
// needed, so that a book that cannot be used troubles no one who does not use
// it. The book window refers to the book, so the link closes that window
// before it lets the book go, whichever of the link and the main window ends
// first.
class ClientBookLink {
public:
    // path: the book's file; empty means the one in the user's data folder.
    ClientBookLink(FrmMain& window, platform::Services& services, QString path = {});
    ~ClientBookLink();
    ClientBookLink(const ClientBookLink&) = delete;
    ClientBookLink& operator=(const ClientBookLink&) = delete;

    // The book, opened on the first call.
    book::ClientBook& book();
    // Shows the book window over the main window, making it the first time.
    void openBookWindow();
    // The book window while it exists.
    BookWindow* bookWindow() const;
    // Records a printout for these names and date; the book window, when open,
    // follows by itself (the book says it changed).
    bool recordPrinted(const core::ClientNames& client, const core::BirthDate& date,
                       QString* error);
    // Records a report (see FrmMain::ClientBookHooks); the client's id, or 0.
    qint64 recordReport(qint64 id, const core::Person& person, core::ReportKind kind,
                        const QString& file, QString* error);

private:
    // The client as the main window holds them, their life events included.
    CurrentClient currentOf(const book::Client& c);

    QPointer<FrmMain> window_;  // the link may outlive it
    platform::Services& services_;
    QString path_;
    std::unique_ptr<book::ClientBook> book_;
    QPointer<BookWindow> bookWindow_;
};

}  // namespace ui
