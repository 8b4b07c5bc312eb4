#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "book/client.h"
#include "book/client_records.h"

class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace print {
class LanguageBox;
class PersonFields;
}  // namespace print

namespace ui {

// The client's card: the form that changes one client's names, gender, form
// of address, date of birth, phone, e-mail, report language and note
// (several lines, plain text), and the reports
// made for them, newest first, each PDF with the file it went to and
// «Открыть» while that file is there. Refuses to close on «Сохранить» while something cannot be
// stored, and says why.
class ClientJournalView;

// With records, the card also keeps the client's journal of sessions and
// life events (ClientJournalView).
class ClientEditor : public QDialog {
    Q_OBJECT
public:
    ClientEditor(QWidget* parent, const book::Client& client,
                 const std::vector<book::ReportRecord>& history = {},
                 const book::ClientRecords* records = nullptr);

    // The journal and events; null when the card was opened without them.
    ClientJournalView* journalView() const { return journal_; }

    QListWidget* historyList() const { return history_; }
    print::LanguageBox* languageBox() const { return language_; }
    print::PersonFields* personFields() const { return person_; }
    // Opens a file of the history; the desktop's own viewer by default.
    void setOpenFile(std::function<void(const QString& file)> open) { openFile_ = std::move(open); }

    // The client as saved; the one given while the dialog has not been accepted.
    const book::Client& client() const { return client_; }

private:
    void buildFields();
    void buildHistory(const std::vector<book::ReportRecord>& history);
    void buildButtons();
    void buildLanguageRow(QFormLayout* form);
    // Tab goes down the fields on the left, then into the note and the history.
    void orderTabs(QWidget* buttonsFirst, QWidget* buttonsSecond);
    void check();

    book::Client client_;
    QHBoxLayout* columns_ = nullptr;  // the fields, then right_
    QVBoxLayout* right_ = nullptr;    // the note and the history
    print::PersonFields* person_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLineEdit* email_ = nullptr;
    print::LanguageBox* language_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QListWidget* history_ = nullptr;
    QLabel* problem_ = nullptr;
    ClientJournalView* journal_ = nullptr;
    std::function<void(const QString&)> openFile_;
};

// Shows the editor over parent; true, with client changed, when it was saved.
// With records, they are shown and changed with the card.
bool editClient(QWidget* parent, book::Client& client,
                const std::vector<book::ReportRecord>& history = {},
                book::ClientRecords* records = nullptr);

}  // namespace ui
