#pragma once

// Object names of the first design, kept because tests and accessibility
// tools find the controls by them: CboDay, CboMonth, TxtYear (the date),
// CmdPusk («Расчёт»), CmdPrint («Печать...»), LblPrc (the percentage), LblNow
// (this year's level), OsY0-9 (digit axis), lblYearK_i (year table), Frame1
// (the date frame), Label1-3 (its captions), Shape1 (the graph's frame),
// LblUrl (the author's site), mFile, mpPrint… (menus and their commands).
// FrmMain, FrmPrn and FrmAbout are the first design's names of the windows.

#include <QDate>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/booklet.h"
#include "core/forecast.h"
#include "core/report_kind.h"
#include "graph/curve.h"
#include "graph/event_marks.h"
#include "graph/year_table.h"
#include "platform/media_player.h"
#include "print/delivery.h"
#include "ui/main_window/current_client.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace platform {
class OutlineShape;
class Services;
class WindowSurface;
}  // namespace platform

namespace aspects {
class AspectSquare;
}

namespace graph {
class YearMarks;
}

namespace print {
class PersonFields;
}

namespace ui {

struct BookletOptions;
class SendToClient;

// The main window: the date inputs, the graph with its year table, the aspect
// square and the happiness percentage. A calculation gives one core::Forecast;
// every view in the window draws from it and nothing is read back from a
// control. This year, from the window's clock, is marked in the table and on
// the curve while «Отмечать текущий год» is on. The controls are private;
// tests find them by object name.
class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmMain(platform::Services& services, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Chooses the date as a user would pick the day and the month from the
    // lists and type the year; a day or month out of range chooses none.
    void enterDate(const core::BirthDate& date);
    // Presses «Расчёт»: the calculation with its messages, as the button runs it.
    void calculate();
    // The forecast the window shows; none before the first calculation and
    // after a refused one.
    const std::optional<core::Forecast>& forecast() const { return forecast_; }

    // The full recalculation on the screen; a refused input is told to
    // the user and then raises core::InputRefused, so that nothing goes on with
    // stale figures.
    void recalculate();

    // Calculation for today's date, from the injectable clock.
    void calculateForToday();
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

    // Turns the marking of this year on or off, as the menu item does, without
    // remembering the choice for the next start.
    void setMarkThisYear(bool on);

    // Asks where to save the window's picture, starting from a suggested path;
    // an empty answer means the user cancelled.
    using AskFileName = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    void setAskImageFileName(AskFileName ask) { askImageFile_ = std::move(ask); }
    // The same for «Карточка для мессенджера…».
    void setAskCardFileName(AskFileName ask) { askCardFile_ = std::move(ask); }

    // Adjusts every print delivery before it runs (where the page goes).
    void setPrintSetup(std::function<void(print::PrintDelivery&)> setup) {
        printSetup_ = std::move(setup);
    }

    // The player of the About window's tune; silent until the program gives it
    // one (the program gives it the Qt player).
    void setMediaPlayer(platform::MediaPlayer* player) { media_ = player; }

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
    };
    void setClientBook(ClientBookHooks hooks);
    // Prints for a client from the book: the date goes into the window, the
    // client becomes the current one, then the client dialog opens with the
    // names filled in.
    void printFor(const core::BirthDate& date, const CurrentClient& client);
    // Shows a client from the book: the date goes into the window, the
    // forecast is calculated and the client becomes the current one.
    void openClient(const core::BirthDate& date, const CurrentClient& client);

    // The client whose forecast the window shows; the title names them. Ends
    // when the user changes the date or asks for today's forecast. A client
    // with id 0 (not in the book) is none.
    const std::optional<CurrentClient>& currentClient() const { return current_; }
    void setCurrentClient(std::optional<CurrentClient> client);
    // The book's word that a client was edited or deleted: the current client
    // takes the new names (the title and the next report show them), or ends
    // when deleted or born on another day than the one shown, as when the
    // user changes the date by hand.
    void clientEdited(const CurrentClient& client, const core::BirthDate& date);
    void clientsDeleted(const std::vector<qint64>& ids);

    // Adjusts every «Отправить клиенту…» before it runs (the mail program, the folder).
    void setSendSetup(std::function<void(SendToClient&)> setup) { sendSetup_ = std::move(setup); }
    // «Файл → Отправить клиенту…»: the current client's document to their
    // mail address, recorded in their history.
    void sendToClient();

    // Asks, after a report for the current client under other names, whether
    // to correct their record or add a new client; a message box by default.
    using AskNameChange = std::function<NameChange(QWidget* parent, const core::ClientNames& was,
                                                   const core::ClientNames& typed)>;
    void setAskNameChange(AskNameChange ask) { askNameChange_ = std::move(ask); }

    // The booklet of the forecast shown for `person`, as `options` choose, to
    // `target`: what the booklet dialog's commands do.
    void deliverBooklet(const core::Person& person, const BookletOptions& options,
                        print::ReportTarget target);

    // Runs a handler so that a failed calculation becomes a message and the
    // window stays usable.
    void guarded(const std::function<void()>& handler);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGraphArea();
    void buildAspectArea();
    void buildDateArea();
    void buildCommands();
    void buildMenus();
    void nameMenus();
    void connectMenus();
    void resetAxisAndPen();
    void showForecast(const core::Forecast& f);
    void showRefusal(const core::Refusal& refusal);
    core::Forecast forecastForReport();
    void print(bool recalculateFirst, print::ReportTarget target = print::ReportTarget::Printout,
               const core::ClientNames& client = {});
    // After a report: `person` joins the book or its history (see rememberReport in
    // frm_main_menus.cpp).
    void rememberReport(const core::Person& person, core::ReportKind kind, bool remember,
                        const QString& file);
    // The person a dialog starts from: the current client, or nobody yet.
    core::Person currentPerson() const;
    void showYearMark();
    // The current client's life events on the curve and the year table.
    void showEventMarks();
    void enableForecastCommands();
    QImage clientAreaPicture() const;
    void copyForecast();
    void editTexts();
    // «Подробный отчёт…»: the dialog, then the booklet to its target.
    void askBooklet();
    // After a booklet went out: says where, as the client book does.
    void tellDelivered(const print::PrintDelivery& delivery, bool saved);
    // «Копировать толкование»: the booklet's words as the dialog last chose them.
    void copyBooklet();
    // The booklet of the forecast shown, in the practitioner's texts.
    core::Booklet bookletOf(core::Person person, const BookletOptions& options);
    void saveImage();
    void pressDefaultButton();
    void enablePrinting();
    // The date as the lists and the year box hold it now.
    core::BirthDate enteredDate() const;
    void setLinkHovered(bool hovered);
    void placeOnScreen();

    platform::Services& services_;
    std::optional<core::Forecast> forecast_;
    ClientBookHooks book_;
    std::optional<CurrentClient> current_;
    AskNameChange askNameChange_ = askNameChange;
    QScrollArea* clientArea_ = nullptr;  // holds the surface
    platform::WindowSurface* surface_ = nullptr;
    bool placed_ = false;
    std::function<QDate()> today_;
    std::function<void(print::PrintDelivery&)> printSetup_;
    std::function<void(SendToClient&)> sendSetup_;
    AskFileName askImageFile_;
    AskFileName askCardFile_;
    std::unique_ptr<graph::YearMarks> yearMarks_;
    std::unique_ptr<graph::EventMarks> eventMarks_;
    std::optional<core::YearMark> shownMark_;  // the year the window marks now
    platform::SilentMediaPlayer ownMedia_;
    platform::MediaPlayer* media_ = &ownMedia_;

    // The controls. Their object names, which tests look up, are those of the
    // program's first design (the glossary in core/forecast.h).
    platform::OutlineShape* graphFrame_ = nullptr;
    graph::AxisLabels axisLabels_{};
    graph::YearTable yearTable_{};  // [K - 1][i] is the label named lblYearK_i
    aspects::AspectSquare* aspectSquare_ = nullptr;
    QLabel* happinessLabel_ = nullptr;
    QLabel* thisYearLabel_ = nullptr;  // «Сейчас 2026 год: …» under the percentage
    QLabel* happinessCaption_ = nullptr;
    QGroupBox* dateFrame_ = nullptr;
    QLabel* dayCaption_ = nullptr;
    QLabel* monthCaption_ = nullptr;
    QLabel* yearCaption_ = nullptr;
    print::PersonFields* dateFields_ = nullptr;  // the date: dayList_, monthList_, yearBox_
    QComboBox* dayList_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QLineEdit* yearBox_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QLabel* siteLink_ = nullptr;

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
