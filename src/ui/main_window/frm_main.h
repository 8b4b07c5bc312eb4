#pragma once

// Object names of the first design, kept because tests and accessibility
// tools find the controls by them: CboDay, CboMonth, TxtYear (the date),
// CmdPusk («Расчёт»), CmdPrint («Печать...»), LblPrc (the percentage), LblNow
// (this year's level), OsY0-9 (digit axis), lblYearK_i (year table), Frame1
// (the date frame), Label1-3 (its captions), Shape1 (the graph's frame),
// LblUrl (the author's site), mFile, mpPrint… (menus and their commands).
// FrmMain, FrmPrn and FrmAbout are the first design's names of the windows.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/forecast.h"
#include "graph/curve.h"
#include "graph/year_table.h"
#include "ui/main_window/current_client.h"
#include "ui/main_window/main_commands.h"

class QComboBox;
class QDate;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace platform {
class MediaPlayer;
class OutlineShape;
class Services;
class WindowSurface;
}  // namespace platform

namespace aspects {
class AspectSquare;
}

namespace graph {
class EventMarks;
class YearMarks;
}  // namespace graph

namespace print {
class PersonFields;
class PrintDelivery;
enum class ReportTarget;
}  // namespace print

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
    void setToday(std::function<QDate()> today);
    // Today as the window's clock tells it.
    QDate today() const;

    // Turns the marking of this year on or off, as the menu item does, without
    // remembering the choice for the next start.
    void setMarkThisYear(bool on);

    // Asks where to save the window's picture, starting from a suggested path;
    // an empty answer means the user cancelled.
    using AskFileName = MainCommands::AskFileName;
    void setAskImageFileName(AskFileName ask);
    // The same for «Карточка для мессенджера…».
    void setAskCardFileName(AskFileName ask);
    // Adjusts every «Отправить клиенту…» before it runs (the mail program, the folder).
    void setSendSetup(std::function<void(SendToClient&)> setup);

    // Adjusts every print delivery before it runs (where the page goes).
    void setPrintSetup(std::function<void(print::PrintDelivery&)> setup);

    // The player of the About window's tune; silent until the program gives it
    // one (the program gives it the Qt player).
    void setMediaPlayer(platform::MediaPlayer* player);

    // The client book, when the program keeps one (see ClientBookHooks).
    using ClientBookHooks = ui::ClientBookHooks;
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
    // A comparison went out for these people (MainCommands::recordComparison).
    void recordComparison(const std::vector<core::Person>& people, core::ReportKind kind,
                          const QString& file);

    // Asks, after a report for the current client under other names, whether
    // to correct their record or add a new client; a message box by default.
    using AskNameChange = MainCommands::AskNameChange;
    void setAskNameChange(AskNameChange ask);

    // The booklet of the forecast shown for `person`, as `options` choose, to
    // `target`: what the booklet dialog's commands do.
    void deliverBooklet(const core::Person& person, const BookletOptions& options,
                        print::ReportTarget target);

    // Runs a handler so that a failed calculation becomes a message and the
    // window stays usable.
    void guarded(const std::function<void()>& handler);

    // The forecast's area as it is on the screen, for «Копировать» and
    // «Сохранить изображение».
    QImage picture() const;
    // This year as the window marks it now; none while it marks nothing.
    const std::optional<core::YearMark>& shownYearMark() const { return shownMark_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGraphArea();
    void buildAspectArea();
    void buildDateArea();
    void buildCommands();
    void resetAxisAndPen();
    void showForecast(const core::Forecast& f);
    void showRefusal(const core::Refusal& refusal);
    void showYearMark();
    // The current client's life events on the curve and the year table.
    void showEventMarks();
    void enableForecastCommands();
    void pressDefaultButton();
    void enablePrinting();
    // The date as the lists and the year box hold it now.
    core::BirthDate enteredDate() const;
    void setLinkHovered(bool hovered);
    void placeOnScreen();

    platform::Services& services_;
    std::optional<core::Forecast> forecast_;
    std::optional<CurrentClient> current_;
    QScrollArea* clientArea_ = nullptr;  // holds the surface
    platform::WindowSurface* surface_ = nullptr;
    bool placed_ = false;
    std::function<QDate()> today_;
    std::unique_ptr<graph::YearMarks> yearMarks_;
    std::unique_ptr<graph::EventMarks> eventMarks_;
    std::optional<core::YearMark> shownMark_;  // the year the window marks now
    MainCommands* commands_ = nullptr;         // the menus; a child of the window

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
};

}  // namespace ui
