#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "book/client.h"
#include "book/client_book.h"

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace book {
class ClientBook;
}

namespace platform {
class Services;
enum class MessageIcon;
}  // namespace platform

namespace ui {

class BatchReport;
class BinWindow;
class BookModel;
class SendToClient;
class TurningWindow;

// The client book window: every client in a table ordered by surname, a search
// field that narrows it as one types, and the commands open, print, edit,
// delete, export and import, each on a button and a key. It knows nothing of
// the main window; whoever opens it says what opening and printing a client do.
class BookWindow : public QDialog {
    Q_OBJECT

public:
    enum class Command {
        New,  // «Новый клиент…»: an empty card, stored when saved
        Open,
        Print,
        Edit,
        Delete,
        ManyPdf,
        ManyPrint,
        Booklets,  // a menu: the booklets of the selected clients to a PDF or a printer
        Compare,
        Export,
        Import,
        Close
    };

    BookWindow(book::ClientBook& book, platform::Services& services, QWidget* parent = nullptr);
    ~BookWindow() override;

    // Enter or a double click: put the client's date into the main window and calculate.
    std::function<void(const book::Client&)> onOpen;
    // The print command: the client dialog, already filled with the client's names.
    std::function<void(const book::Client&)> onPrint;

    // Asks before deleting; true means go ahead.
    using Confirm = std::function<bool(QWidget* parent, const QString& question)>;
    // Asks for a file to export to (forSaving) or to import from; empty means cancelled.
    using AskFile = std::function<QString(QWidget* parent, bool forSaving)>;
    // Lets the user change a client, their journal and life events; false
    // means cancelled.
    using Editor =
        std::function<bool(QWidget* parent, book::Client& client, book::ClientRecords& records)>;
    void setConfirm(Confirm confirm) { confirm_ = std::move(confirm); }
    void setAskFile(AskFile ask) { askFile_ = std::move(ask); }
    void setEditor(Editor editor) { editor_ = std::move(editor); }
    // Asks for the file a copy of the book goes to (forSaving) or comes back from.
    void setAskCopyFile(AskFile ask) { askCopyFile_ = std::move(ask); }
    // Asks before the book is replaced by a copy.
    void setConfirmRestore(Confirm confirm) { confirmRestore_ = std::move(confirm); }
    // Adjusts every run of several reports before it starts (where the pages
    // go, the clock); the desktop's own choices otherwise.
    void setBatchSetup(std::function<void(BatchReport&)> setup) { batchSetup_ = std::move(setup); }

    // Reads the book again, keeping the current client when it is still there.
    void reload();

    // The client of the current row; nullptr when there is none.
    const book::Client* currentClient() const;
    // Makes the client with this id current, when the search shows it.
    bool selectClient(qint64 id);
    // The selected clients, in the table's order.
    std::vector<book::Client> selectedClients() const;

    QLineEdit* searchField() const { return search_; }
    QTableView* table() const { return table_; }
    QLabel* problemLabel() const { return problem_; }
    QLabel* countLabel() const { return count_; }
    // The quiet reminder to keep a copy of the book; hidden when none is due.
    QLabel* backupLabel() const { return backupLine_; }
    QMenuBar* menuBar() const { return menuBar_; }
    QPushButton* button(Command command) const { return buttons_[size_t(command)]; }

    void openCurrent();
    void printCurrent();
    void editCurrent();
    // «Новый клиент…» (Insert): the card of a client not yet in the book.
    void addClient();
    void deleteCurrent();
    void exportBook();
    void importBook();
    // The journal of sessions and the life events, in a file of their own.
    void exportJournal();
    void importJournal();
    void reportsToPdf();
    void printSelected();
    // «Подробный отчёт…»: the selected clients' booklets, one after another.
    void bookletsToPdf();
    void printBooklets();
    void compareSelected();
    void saveCopy();
    void restoreCopy();
    // «Удалённые клиенты…»: the bin, where deleted clients are brought back.
    void openBin();
    // Ctrl+Z: the clients of the last deletion back in the book.
    void undoDeletion();
    // Shows the bin; by default as a modal window.
    void setBinRunner(std::function<void(BinWindow&)> run) { runBin_ = std::move(run); }
    // «Поворотные годы…»: whom to call about their coming year.
    void openTurning();
    // Shows the turning list; by default as a modal window.
    void setTurningRunner(std::function<void(TurningWindow&)> run) { runTurning_ = std::move(run); }
    // «Календарь (.ics)…»: the current client's turning years in a calendar file.
    void saveCalendar();
    // «Карточка для мессенджера…»: the current client's card, saved and copied.
    void saveCard();
    // Asks for the calendar's file; the desktop's file chooser by default.
    void setAskCalendarFile(std::function<QString(QWidget*, const QString&)> ask) {
        askCalendar_ = std::move(ask);
    }

    // «Отправить клиенту…»: the current client's report or booklet, as PDF,
    // handed to the mail program for their address; it joins their history.
    void sendCurrent();
    // Adjusts every sending before it runs (the mail program, the folder).
    void setSendSetup(std::function<void(SendToClient&)> setup) { sendSetup_ = std::move(setup); }

signals:
    // A client changed or left the book by this window's hand, for whoever
    // holds one of them elsewhere; the book's own changed() does not say who.
    void clientEdited(const book::Client& client);
    void clientsDeleted(const std::vector<qint64>& ids);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* buildSearch();  // returns the field's caption
    void buildTable();
    QVBoxLayout* buildCommands();
    void connectCommands();
    void buildMenu();
    // The table's context menu: what can be done with the client under it.
    void buildClientMenu();
    void updateBackupLine();
    void applySearch();
    void updateState();
    std::vector<qint64> selectedIds() const;
    // A run of several reports of the selected clients, when `command` is available.
    void runBatch(Command command, const std::function<void(BatchReport&)>& run);
    // Ctrl+B: the «Подробный отчёт…» button's menu.
    void chooseBookletTarget();
    // Chooses these clients again after the book was read anew.
    void reselect(const std::vector<qint64>& ids);
    // A long read with a progress window that shows how far it is and can
    // stop it: `read` hands the window's progress to the book.
    using Progress = std::function<bool(qint64 done, qint64 total)>;
    void withProgress(const QString& text, const QString& title,
                      const std::function<void(const Progress&)>& read);
    // The import with a progress window that can stop it.
    book::ImportReport importWithProgress(const QString& file);
    // The restore, the same way.
    book::ClientBook::RestoreReport restoreWithProgress(const QString& file);
    void tell(const QString& text, platform::MessageIcon icon);
    // What a deletion's question adds: where the deleted go, and how they come back.
    static QString binNote();

    book::ClientBook& book_;
    platform::Services& services_;
    BookModel* model_;
    QLineEdit* search_;
    QLabel* problem_;
    QTableView* table_;
    QLabel* count_;
    QLabel* backupLine_;
    QMenuBar* menuBar_;
    std::array<QPushButton*, 12> buttons_{};
    Confirm confirm_;
    AskFile askFile_;
    Editor editor_;
    AskFile askCopyFile_;
    Confirm confirmRestore_;
    book::CsvFormat exportFormat_ = book::CsvFormat::Plain;  // as last chosen in the dialog
    std::function<void(BatchReport&)> batchSetup_;
    std::function<void(BinWindow&)> runBin_;
    std::function<void(TurningWindow&)> runTurning_;
    std::function<QString(QWidget*, const QString&)> askCalendar_;
    std::function<void(SendToClient&)> sendSetup_;
};

}  // namespace ui
