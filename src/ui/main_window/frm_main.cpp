#include "ui/main_window/frm_main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

#include "aspects/aspect_square.h"
#include "core/forecast_text.h"
#include "core/program_info.h"
#include "graph/event_marks.h"
#include "graph/grid.h"
#include "graph/year_table.h"
#include "platform/screen_place.h"
#include "platform/services.h"
#include "platform/window_surface.h"
#include "print/delivery.h"
#include "print/person_fields.h"
#include "ui/window_language.h"

// The main window's behaviour: the calculation and what it shows, the year
// mark, the date inputs, the current client and the window's own events.

namespace ui {

void FrmMain::setMarkThisYear(bool on) {
    commands_->setMarkThisYear(on);
    showYearMark();
}

void FrmMain::setToday(std::function<QDate()> today) {
    today_ = std::move(today);
}

QDate FrmMain::today() const {
    return today_();
}

// This year in the table and on the curve, with its level under the
// percentage; nothing at all when the marking is off or the table does not
// show this year.
void FrmMain::showYearMark() {
    eventMarks_->clear();
    yearMarks_->clear();
    thisYearLabel_->hide();
    shownMark_.reset();
    if (forecast_ && commands_->markingThisYear()) {
        if (const core::YearMark mark = core::markYear(*forecast_, today_().year());
            mark.inTable()) {
            yearMarks_->show(*forecast_, mark, core::kScreenGridOrigin);
            thisYearLabel_->setText(core::yearMarkText(mark, windowLanguage()));
            thisYearLabel_->show();
            shownMark_ = mark;
        }
    }
    showEventMarks();
}

void FrmMain::showEventMarks() {
    eventMarks_->clear();
    if (!forecast_ || !current_ || current_->events.empty()) {
        return;
    }
    eventMarks_->show(*forecast_, eventNotes(current_->events), core::kScreenGridOrigin);
}

// The picture and the text are of the forecast on the screen, so they wait
// for a calculation.
void FrmMain::enableForecastCommands() {
    commands_->forecastShown(forecast_.has_value());
}

void FrmMain::enterDate(const core::BirthDate& date) {
    core::Person p;
    p.birthDate = date;
    dateFields_->setPerson(p);
}

core::BirthDate FrmMain::enteredDate() const {
    return dateFields_->person().birthDate;
}

void FrmMain::calculate() {
    calculateButton_->click();
}

void FrmMain::enablePrinting() {
    const bool complete = !dayList_->currentText().isEmpty() &&
                          !monthList_->currentText().isEmpty() && !yearBox_->text().isEmpty();
    printButton_->setEnabled(complete);
    commands_->dateComplete(complete);
}

void FrmMain::calculateForToday() {
    const QDate today = today_();
    enterDate({today.day(), today.month() - 1, QString::number(today.year())});
    recalculate();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == siteLink_) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
            setLinkHovered(true);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // A left click let go over the link opens it; another button, or
            // a press dragged off the link, does nothing.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                siteLink_->rect().contains(mouse->position().toPoint())) {
                services_.openAddress(info::authorSite());
            }
        }
    } else if (watched == surface_ && event->type() == QEvent::MouseMove) {
        setLinkHovered(false);
    } else if (watched == printButton_ &&
               (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const bool printFocused = event->type() == QEvent::FocusIn;
        printButton_->setDefault(printFocused);
        calculateButton_->setDefault(!printFocused);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // A help window opened from the program closes with it.
    services_.help(this, platform::HelpCommand::Quit);
    QMainWindow::closeEvent(event);
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        placeOnScreen();
    }
}

// Centred on the screen in its fixed classic size. On a screen too small for
// that, the window opens inside the screen's free area with its menu bar at
// the top and the client area scrolling under it, as large as the screen
// allows, and can be resized up to the size that shows everything.
void FrmMain::placeOnScreen() {
    const QSize whole = sizeHint();
    const QRect area = platform::availableArea(this);
    if (platform::fitsOnScreen(this, whole)) {
        platform::placeOnScreen(this, platform::centredOn(this, whole, area));
        return;
    }
    // Room for the scroll bar that one side's cut adds to the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, clientArea_);
    const QSize roomy = whole + QSize(bar, bar);
    clientArea_->setMinimumSize(0, 0);
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    layout()->activate();
    setMaximumSize(roomy);
    platform::placeOnScreen(this, platform::centredOn(this, roomy, area));
}

void FrmMain::pressDefaultButton() {
    if (focusWidget() == printButton_) {
        if (printButton_->isEnabled()) {
            printButton_->click();
        }
        return;
    }
    calculateButton_->click();
}

void FrmMain::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const core::InputRefused&) {
        // Already told.
    } catch (const core::RuntimeError& e) {
        services_.message(
            this, {e.stoppedMessage(), info::programName(), platform::MessageIcon::Critical, 0});
    } catch (const std::exception& e) {
        services_.message(this, {tr("Расчёт остановлен из-за внутренней ошибки: %1.")
                                     .arg(QString::fromLocal8Bit(e.what())),
                                 info::programName(), platform::MessageIcon::Critical, 0});
    }
}

QImage FrmMain::picture() const {
    return surface_->grab().toImage();
}

void FrmMain::setAskImageFileName(AskFileName ask) {
    commands_->setAskImageFileName(std::move(ask));
}

void FrmMain::setAskCardFileName(AskFileName ask) {
    commands_->setAskCardFileName(std::move(ask));
}

void FrmMain::setSendSetup(std::function<void(SendToClient&)> setup) {
    commands_->setSendSetup(std::move(setup));
}

void FrmMain::setPrintSetup(std::function<void(print::PrintDelivery&)> setup) {
    commands_->setPrintSetup(std::move(setup));
}

void FrmMain::setMediaPlayer(platform::MediaPlayer* player) {
    commands_->setMediaPlayer(player);
}

void FrmMain::setAskNameChange(AskNameChange ask) {
    commands_->setAskNameChange(std::move(ask));
}

void FrmMain::setClientBook(ClientBookHooks hooks) {
    commands_->setClientBook(std::move(hooks));
}

void FrmMain::deliverBooklet(const core::Person& person, const BookletOptions& options,
                             print::ReportTarget target) {
    commands_->deliverBooklet(person, options, target);
}

void FrmMain::printFor(const core::BirthDate& date, const CurrentClient& client) {
    enterDate(date);
    setCurrentClient(client);
    if (printButton_->isEnabled()) {
        commands_->print(true, print::ReportTarget::Printout, client.person.names);
    }
}

void FrmMain::openClient(const core::BirthDate& date, const CurrentClient& client) {
    enterDate(date);
    setCurrentClient(client);
    calculate();
}

void FrmMain::setCurrentClient(std::optional<CurrentClient> client) {
    // Only a client the book holds can be the current one.
    current_ = client && client->id != 0 ? std::move(client) : std::nullopt;
    setWindowTitle(mainWindowTitle(current_));
    commands_->clientChosen(current_.has_value());
    showEventMarks();
}

void FrmMain::clientEdited(const CurrentClient& client, const core::BirthDate& date) {
    if (!current_ || current_->id != client.id) {
        return;
    }
    setCurrentClient(enteredDate() == date ? std::optional(client) : std::nullopt);
}

void FrmMain::clientsDeleted(const std::vector<qint64>& ids) {
    if (current_ && std::find(ids.begin(), ids.end(), current_->id) != ids.end()) {
        setCurrentClient(std::nullopt);
    }
}

void FrmMain::recordComparison(const std::vector<core::Person>& people, core::ReportKind kind,
                               const QString& file) {
    commands_->recordComparison(people, kind, file);
}

void FrmMain::recalculate() {
    surface_->clear();
    resetAxisAndPen();
    aspectSquare_->clear();
    graph::Maket(*surface_, core::kScreenGridOrigin, graph::gridColor());
    forecast_.reset();
    showYearMark();
    enableForecastCommands();
    const core::Calculation result = core::calculate(enteredDate());
    if (const auto* refusal = std::get_if<core::Refusal>(&result)) {
        showRefusal(*refusal);
        return;
    }
    forecast_ = std::get<core::Forecast>(result);
    showForecast(*forecast_);
}

// The axis back to its plain colour and the screen pen to its width.
void FrmMain::resetAxisAndPen() {
    graph::colourAxis(axisLabels_, nullptr);
    surface_->setDrawWidth(3);
}

void FrmMain::showForecast(const core::Forecast& f) {
    graph::FormirYear(yearTable_, f);
    graph::P1(*surface_, f, core::kScreenGridOrigin, graph::curveColor());
    graph::colourAxis(axisLabels_, &f);
    const QString happiness = core::percentText(f.happinessPercent);
    happinessLabel_->setText(happiness);
    happinessLabel_->setAccessibleName(tr("Процент счастья: %1").arg(happiness));
    surface_->setAccessibleDescription(
        tr("Цифры кривой: %1").arg(f.digits.split(QString()).join(u' ').trimmed()));
    aspectSquare_->showAspects(f);
    showYearMark();
    enableForecastCommands();
}

// The year table and the percentage keep what the last forecast showed; the
// grid is drawn afresh and the square is empty.
void FrmMain::showRefusal(const core::Refusal& refusal) {
    using Kind = core::Refusal::Kind;
    if (refusal.kind == Kind::Stopped) {
        throw core::RuntimeError(refusal.stopped);
    }
    services_.message(
        this, {refusal.text, refusal.title, platform::MessageIcon::Warning, refusal.helpTopic});
    if (refusal.kind == Kind::YearNotDigits) {
        throw core::InputRefused();
    }
}

}  // namespace ui
