#pragma once

#include <QWidget>
#include <functional>

#include "book/client_records.h"

class QListWidget;
class QPushButton;

namespace ui {

// The part of a client's card that keeps the journal of sessions (newest
// first) and the life events (in the order they happened): each list with
// «Добавить», «Изменить» and «Удалить», the last asking first. What is
// changed here is stored with the card, when the card is saved.
class ClientJournalView : public QWidget {
    Q_OBJECT
public:
    // `born` tells which events come before the client's birth; it follows
    // the card's date fields (setBirthDate).
    ClientJournalView(QWidget* parent, book::ClientRecords records, core::BirthDate born);

    const book::ClientRecords& records() const { return records_; }
    void setBirthDate(const core::BirthDate& born) { born_ = born; }

    QListWidget* journalList() const { return journal_; }
    QListWidget* eventList() const { return events_; }

    // What asks the user; dialogs of their own by default, recorders in tests.
    // An editor returns false when the user changed their mind.
    std::function<bool(QWidget* over, book::Session& session)> editSession;
    std::function<bool(QWidget* over, book::LifeEvent& event, const core::BirthDate& born)>
        editEvent;
    std::function<bool(QWidget* over, const QString& question)> confirm;

    void addSession();
    void changeSession();
    void removeSession();
    void addEvent();
    void changeEvent();
    void removeEvent();

private:
    void showRecords();

    book::ClientRecords records_;
    core::BirthDate born_;
    QListWidget* journal_ = nullptr;
    QListWidget* events_ = nullptr;
};

// The dialogs of one entry: false when cancelled. A problem with what was
// typed is said in the dialog, which stays open until it is put right.
bool askSession(QWidget* over, book::Session& session);
bool askEvent(QWidget* over, book::LifeEvent& event, const core::BirthDate& born);

}  // namespace ui
