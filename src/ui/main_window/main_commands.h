#pragma once

#include <QObject>
#include <QtGlobal>
#include <functional>
#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QString;
class QWidget;

namespace core {
struct Booklet;
struct ClientNames;
struct Forecast;
struct Person;
enum class ReportKind;
}  // namespace core

namespace platform {
class MediaPlayer;
class Services;
}  // namespace platform

namespace print {
class PrintDelivery;
enum class ReportTarget;
}  // namespace print

namespace ui {

class FrmMain;
class SendToClient;
struct BookletOptions;
enum class NameChange;

// The client book, when the program keeps one: «Файл → Картотека клиентов…»
// (Ctrl+K) runs `open`, and a report that went out is handed to `record`
// with the person it was made for (the date it was made for their date of
// birth): for the client with `id`, whose card takes the names, report
// language, gender and address the dialog gave, or, with id 0, for
// whoever has these names and date, added when not in the book yet.
// `record` gives the client's id, 0 when it failed (`error` says why).
struct ClientBookHooks {
    std::function<void()> open;
    std::function<qint64(qint64 id, const core::Person& person, core::ReportKind kind,
                         const QString& file, QString* error)>
        record;
    // After a comparison: its people who are in the book take its language and
    // find it in their history. False, saying why, when the book could not.
    std::function<bool(const std::vector<core::Person>& people, core::ReportKind kind,
                       const QString& file, QString* error)>
        recordComparison;
};

// The main window's menus and the commands behind them that the window's own
// buttons do not run: the reports, the booklet, the picture, the clipboard,
// the texts, the client book. They work on the window through what it offers
// everyone (the forecast shown, the current client, the calculation), so the
// window knows of them only which to enable when.
class MainCommands : public QObject {
public:
    // The menus go into `window`'s menu bar, with the object names tests and
    // accessibility tools find them by (mFile, mpPrint…).
    MainCommands(FrmMain& window, platform::Services& services);

    // The keys of the commands win over the year box's own (Ctrl+C, Ctrl+K)
    // while the commands are available.
    void keepKeysFrom(QLineEdit* box);

    // What the window tells, so that each command is offered when it can run.
    void dateComplete(bool complete);
    void forecastShown(bool shown);
    void clientChosen(bool chosen);
    bool markingThisYear() const;
    void setMarkThisYear(bool on);

    void setClientBook(ClientBookHooks hooks);
    using AskFileName = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    void setAskImageFileName(AskFileName ask);
    // The same for «Карточка для мессенджера…».
    void setAskCardFileName(AskFileName ask);
    // Adjusts every «Отправить клиенту…» before it runs (the mail program, the folder).
    void setSendSetup(std::function<void(SendToClient&)> setup);
    void setPrintSetup(std::function<void(print::PrintDelivery&)> setup);
    void setMediaPlayer(platform::MediaPlayer* player) { media_ = player; }
    using AskNameChange = std::function<NameChange(QWidget* parent, const core::ClientNames& was,
                                                   const core::ClientNames& typed)>;
    void setAskNameChange(AskNameChange ask);

    // The report's dialog and the report to `target`, for `client` or the
    // current client; «Печать...» and the menu's reports.
    void print(bool recalculateFirst, print::ReportTarget target, const core::ClientNames& client);
    // The booklet of the forecast shown for `person`, as `options` choose, to
    // `target`: what the booklet dialog's commands do.
    void deliverBooklet(const core::Person& person, const BookletOptions& options,
                        print::ReportTarget target);
    // A comparison of `people`, each with the page's language, went out as
    // `kind`: the book notes it for those it holds and the current client
    // keeps the language; a book that cannot says why.
    void recordComparison(const std::vector<core::Person>& people, core::ReportKind kind,
                          const QString& file);

private:
    void buildMenus();
    void buildFileMenu(QMenuBar* bar);
    void nameMenus();
    void connectMenus();
    core::Forecast forecastForReport();
    void rememberReport(const core::Person& person, core::ReportKind kind, bool remember,
                        const QString& file);
    core::Person currentPerson() const;
    void copyForecast();
    void saveImage();
    void saveCard();
    // «Файл → Отправить клиенту…»: the current client's document to their
    // mail address, recorded in their history.
    void sendToClient();
    void editTexts();
    void askBooklet();
    void tellDelivered(const print::PrintDelivery& delivery, bool saved);
    void copyBooklet();
    core::Booklet bookletOf(core::Person person, const BookletOptions& options);

    FrmMain& window_;
    platform::Services& services_;
    ClientBookHooks book_;
    AskNameChange askNameChange_;
    AskFileName askImageFile_;
    AskFileName askCardFile_;
    std::function<void(SendToClient&)> sendSetup_;
    std::function<void(print::PrintDelivery&)> printSetup_;
    platform::MediaPlayer* media_ = nullptr;  // none: the About window is silent

    QMenu* fileMenu_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* previewAction_ = nullptr;
    QAction* savePdfAction_ = nullptr;
    QAction* saveImageAction_ = nullptr;
    QAction* cardAction_ = nullptr;         // «Карточка для мессенджера…»
    QAction* letterheadAction_ = nullptr;   // «Бланк отчёта…»
    QAction* textsAction_ = nullptr;        // «Тексты толкований…»
    QAction* bookletAction_ = nullptr;      // «Подробный отчёт…»
    QAction* copyBookletAction_ = nullptr;  // «Копировать толкование»
    QAction* bookAction_ = nullptr;
    QAction* calendarAction_ = nullptr;  // «Календарь (.ics)…» of the book's current client
    QAction* sendAction_ = nullptr;  // «Отправить клиенту…» the book's current client
    QAction* exitAction_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* copyAction_ = nullptr;
    QMenu* forecastMenu_ = nullptr;
    QAction* calculateAction_ = nullptr;
    QAction* todayAction_ = nullptr;
    QAction* markYearAction_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* contentsAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
};

}  // namespace ui
