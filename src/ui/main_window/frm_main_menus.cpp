#include "ui/main_window/frm_main.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <algorithm>

#include "core/forecast_text.h"
#include "core/program_info.h"
#include "platform/file_dialogs.h"
#include "platform/page_output.h"
#include "platform/services.h"
#include "platform/user_settings.h"
#include "platform/window_surface.h"
#include "print/language_box.h"
#include "print/letterhead.h"
#include "print/print_job.h"
#include "print/save_place.h"
#include "ui/book/turning_calendar_file.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/letterhead_dialog.h"
#include "ui/dialogs/messenger_card_file.h"
#include "ui/dialogs/send_to_client.h"
#include "ui/group/group_window.h"
#include "ui/main_window/language_menu.h"
#include "ui/texts/texts_window.h"

// The main window's menus and the commands behind them that the window's own
// buttons do not run: printing, the picture, the clipboard and the client book.

namespace ui {

namespace {

const QString kMarkYearKey = QStringLiteral("markThisYear");

// Ctrl+C in the year box would copy the two digits it selects on every visit;
// once there is a forecast, the window's «Копировать» has the key instead.
// The year box would take some of the window's keys for itself (Ctrl+C to copy
// its selection, Ctrl+K to delete to the end of the line); while the window's
// command for the key is available, the key goes to the command.
class KeysGoToTheWindow : public QObject {
public:
    KeysGoToTheWindow(QObject* parent, std::vector<const QAction*> actions)
        : QObject(parent), actions_(std::move(actions)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            for (const QAction* action : actions_) {
                if (action->isEnabled() && action->isVisible() && action->shortcut() == pressed) {
                    return true;  // not taken by the box, so the shortcut runs
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<const QAction*> actions_;
};

QString askImageFileName(QWidget* parent, const QString& suggestedPath) {
    return platform::askSaveFileName(parent, FrmMain::tr("Сохранить изображение окна"),
                                     FrmMain::tr("Изображение PNG (*.png)"), QStringLiteral("png"),
                                     suggestedPath);
}

}  // namespace

void FrmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    fileMenu_ = bar->addMenu(tr("&Файл"));
    printAction_ = fileMenu_->addAction(tr("&Печать"));
    printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printAction_->setEnabled(false);
    previewAction_ = fileMenu_->addAction(tr("Предварительный про&смотр…"));
    previewAction_->setEnabled(false);
    savePdfAction_ = fileMenu_->addAction(tr("Сохранить &отчёт в PDF…"));
    savePdfAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    savePdfAction_->setEnabled(false);
    saveImageAction_ = fileMenu_->addAction(tr("Сохранить &изображение…"));
    saveImageAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveImageAction_->setEnabled(false);
    cardAction_ = fileMenu_->addAction(tr("Карточка для &мессенджера…"));
    cardAction_->setEnabled(false);
    bookletAction_ = fileMenu_->addAction(tr("Подро&бный отчёт…"));
    letterheadAction_ = fileMenu_->addAction(tr("&Бланк отчёта…"));
    textsAction_ = fileMenu_->addAction(tr("&Тексты толкований…"));
    fileMenu_->addSeparator();
    // Shown when the program keeps a client book (setClientBook).
    bookAction_ = fileMenu_->addAction(tr("&Картотека клиентов…"));
    bookAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    bookAction_->setVisible(false);
    calendarAction_ = fileMenu_->addAction(tr("Ка&лендарь поворотных лет (.ics)…"));
    calendarAction_->setVisible(false);
    calendarAction_->setEnabled(false);
    sendAction_ = fileMenu_->addAction(tr("Отпра&вить клиенту…"));
    sendAction_->setVisible(false);
    sendAction_->setEnabled(false);
    // A disabled command says in its tip why it is.
    fileMenu_->setToolTipsVisible(true);
    fileMenu_->addSeparator();
    exitAction_ = fileMenu_->addAction(tr("В&ыход"));
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    editMenu_ = bar->addMenu(tr("&Правка"));
    copyAction_ = editMenu_->addAction(tr("&Копировать"));
    copyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copyAction_->setEnabled(false);
    copyBookletAction_ = editMenu_->addAction(tr("Копировать &толкование"));
    copyBookletAction_->setEnabled(false);

    forecastMenu_ = bar->addMenu(tr("Пр&огноз"));
    calculateAction_ = forecastMenu_->addAction(tr("Р&асчёт"));
    calculateAction_->setShortcut(QKeySequence(Qt::Key_F9));
    todayAction_ = forecastMenu_->addAction(tr("На сегодн&яшний день"));
    forecastMenu_->addSeparator();
    markYearAction_ = forecastMenu_->addAction(tr("Отмечать &текущий год"));
    markYearAction_->setCheckable(true);
    markYearAction_->setChecked(platform::userSettings().value(kMarkYearKey, true).toBool());
    addGroupAction(forecastMenu_, this, services_);

    helpMenu_ = bar->addMenu(tr("&Справка"));
    contentsAction_ = helpMenu_->addAction(tr("Сод&ержание"));
    contentsAction_->setShortcut(QKeySequence(Qt::Key_F1));
    addLanguageMenu(helpMenu_, this, services_);
    helpMenu_->addSeparator();
    aboutAction_ = helpMenu_->addAction(tr("&О программе"));
    nameMenus();
}

// Names by which tests and accessibility tools find the commands.
void FrmMain::nameMenus() {
    fileMenu_->setObjectName(QStringLiteral("mFile"));
    editMenu_->setObjectName(QStringLiteral("mEdit"));
    forecastMenu_->setObjectName(QStringLiteral("mProg"));
    helpMenu_->setObjectName(QStringLiteral("mHelp"));
    for (auto [action, name] :
         {std::pair{printAction_, "mpPrint"}, std::pair{previewAction_, "mpPreview"},
          std::pair{savePdfAction_, "mpSavePdf"}, std::pair{saveImageAction_, "mpSaveImage"},
          std::pair{cardAction_, "mpCard"}, std::pair{letterheadAction_, "mpLetterhead"},
          std::pair{textsAction_, "mpTexts"}, std::pair{bookletAction_, "mpBooklet"},
          std::pair{copyBookletAction_, "mpCopyBooklet"}, std::pair{bookAction_, "mpBook"},
          std::pair{calendarAction_, "mpCalendar"}, std::pair{sendAction_, "mpSend"},
          std::pair{exitAction_, "mpExit"}, std::pair{copyAction_, "mpCopy"},
          std::pair{calculateAction_, "mpRash"}, std::pair{todayAction_, "mpDay"},
          std::pair{markYearAction_, "mpMarkYear"}, std::pair{contentsAction_, "mpCont"},
          std::pair{aboutAction_, "mpAbout"}}) {
        action->setObjectName(QLatin1String(name));
    }
}

void FrmMain::connectMenus() {
    askImageFile_ = askImageFileName;
    askCardFile_ = askCardFile;

    connect(printAction_, &QAction::triggered, this, [this] { print(false); });
    connect(previewAction_, &QAction::triggered, this,
            [this] { print(false, print::ReportTarget::Preview); });
    connect(savePdfAction_, &QAction::triggered, this,
            [this] { print(false, print::ReportTarget::PdfFile); });
    connect(saveImageAction_, &QAction::triggered, this, &FrmMain::saveImage);
    connect(cardAction_, &QAction::triggered, this, [this] {
        if (!forecast_) {
            return;
        }
        // The client's language, or the one the last report was made in.
        core::Person person = currentPerson();
        person.language = current_ ? current_->person.language : print::lastReportLanguage();
        saveMessengerCard(this, services_, *forecast_, person, {askCardFile_, today_().year()});
    });
    connect(letterheadAction_, &QAction::triggered, this,
            [this] { LetterheadDialog(services_, this).exec(); });
    connect(textsAction_, &QAction::triggered, this, &FrmMain::editTexts);
    connect(bookletAction_, &QAction::triggered, this, &FrmMain::askBooklet);
    connect(copyBookletAction_, &QAction::triggered, this, &FrmMain::copyBooklet);
    connect(calendarAction_, &QAction::triggered, this, [this] {
        if (current_) {
            saveTurningCalendar(this, services_, current_->person, {askCalendarFile, 0});
        }
    });
    connect(sendAction_, &QAction::triggered, this, &FrmMain::sendToClient);
    connect(bookAction_, &QAction::triggered, this, [this] {
        if (book_.open) {
            book_.open();
        }
    });
    connect(copyAction_, &QAction::triggered, this, &FrmMain::copyForecast);
    yearBox_->installEventFilter(new KeysGoToTheWindow(this, {copyAction_, bookAction_}));
    // Only the user's own choice is remembered, never one made by a program
    // that drives the window (setMarkThisYear).
    connect(markYearAction_, &QAction::triggered, this, [this](bool on) {
        platform::userSettings().setValue(kMarkYearKey, on);
        showYearMark();
    });
    connect(calculateAction_, &QAction::triggered, this,
            [this] { guarded([this] { recalculate(); }); });
    connect(todayAction_, &QAction::triggered, this, [this] {
        setCurrentClient(std::nullopt);
        guarded([this] { calculateForToday(); });
    });
    connect(aboutAction_, &QAction::triggered, this,
            [this] { FrmAbout(services_, *media_, this).exec(); });
    connect(contentsAction_, &QAction::triggered, this,
            [this] { services_.help(this, platform::HelpCommand::Contents); });
    // Exit ends the program at once, without the closing handler.
    connect(exitAction_, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
}

void FrmMain::print(bool recalculateFirst, print::ReportTarget target,
                    const core::ClientNames& client) {
    guarded([this, recalculateFirst, target, &client] {
        if (recalculateFirst) {
            recalculate();
        }
        // The delivery gives every report the letterhead as the user keeps it then.
        const auto setup = [this](print::PrintDelivery& delivery) {
            if (printSetup_) {
                printSetup_(delivery);
            }
        };
        const core::ClientNames names =
            current_ && core::fullName(client).isEmpty() ? current_->person.names : client;
        print::showPrintDialog(
            this, [this] { return forecastForReport(); }, services_, setup, target, names,
            [this](const core::ClientNames& typed, core::ReportLanguage language,
                   print::PrintDelivery::Outcome outcome, bool remember, const QString& file) {
                core::Person person = currentPerson();
                person.names = typed;
                person.language = language;
                rememberReport(person,
                               outcome == print::PrintDelivery::Outcome::Saved
                                   ? core::ReportKind::Pdf
                                   : core::ReportKind::Printout,
                               remember, file);
            },
            current_ ? std::optional(current_->person.language) : std::nullopt);
    });
}

// The texts window previews its entries for what this window shows now.
void FrmMain::editTexts() {
    PreviewSubject subject{forecast_, std::nullopt, today_().year()};
    if (current_) {
        subject.client = current_->person;
    }
    TextsWindow window(services_, platform::TextStore::inDataFolder(), subject, this);
    // Modal to this window alone, so that the help it opens can be read and scrolled.
    window.setWindowModality(Qt::WindowModal);
    window.exec();
}

void FrmMain::setClientBook(ClientBookHooks hooks) {
    book_ = std::move(hooks);
    bookAction_->setVisible(static_cast<bool>(book_.open));
    calendarAction_->setVisible(static_cast<bool>(book_.open));
    sendAction_->setVisible(static_cast<bool>(book_.open));
}

void FrmMain::printFor(const core::BirthDate& date, const CurrentClient& client) {
    enterDate(date);
    setCurrentClient(client);
    if (printButton_->isEnabled()) {
        print(true, print::ReportTarget::Printout, client.person.names);
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
    calendarAction_->setEnabled(current_.has_value());
    sendAction_->setEnabled(current_.has_value());
    sendAction_->setToolTip(
        current_ ? tr("Документ в PDF для клиента — письмом на адрес из его карточки")
                 : tr("Откройте клиента из картотеки (Ctrl+K): письмо уходит на адрес из его "
                      "карточки"));
    showEventMarks();
}

void FrmMain::sendToClient() {
    guarded([this] {
        if (!current_) {
            return;
        }
        recalculate();
        if (!forecast_ || !current_) {
            return;
        }
        SendToClient sending(services_, this);
        if (sendSetup_) {
            sendSetup_(sending);
        }
        const CurrentClient client = *current_;
        if (const auto made = sending.send({client.person, client.email}, *forecast_)) {
            rememberReport(client.person, made->kind, false, made->file);
        }
    });
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

// A report for the current client joins their history, under the names it
// was made for (the user chooses whether these correct the record or are a
// new client). Without one, a report with «Запомнить в картотеке» checked
// goes into the book for the date it was made for. A book that cannot take
// it says why, and the report stands.
// The client's card takes what the dialog gave: the names, and the report
// language, gender and form of address chosen there.
void FrmMain::rememberReport(const core::Person& person, core::ReportKind kind, bool remember,
                             const QString& file) {
    if (!book_.record || !forecast_ || (!current_ && !remember)) {
        return;
    }
    qint64 id = 0;
    if (current_ &&
        (sameNames(current_->person.names, person.names) ||
         askNameChange_(this, current_->person.names, person.names) == NameChange::Correct)) {
        id = current_->id;
    }
    core::Person stored = person;
    stored.birthDate = forecast_->date;
    QString error;
    const qint64 storedId = book_.record(id, stored, kind, file, &error);
    if (!error.isEmpty()) {
        services_.message(this,
                          {error, tr("Картотека клиентов"), platform::MessageIcon::Warning, 0});
        return;
    }
    if (storedId != 0) {
        CurrentClient next{storedId, stored};
        if (current_ && current_->id == storedId) {
            next.events = current_->events;  // the card's, which a report does not change
            next.email = current_->email;
        }
        setCurrentClient(std::move(next));
    }
}

core::Person FrmMain::currentPerson() const {
    if (current_) {
        return current_->person;
    }
    core::Person nobody;
    if (forecast_) {
        nobody.birthDate = forecast_->date;
    }
    return nobody;
}

QImage FrmMain::clientAreaPicture() const {
    return surface_->grab().toImage();
}

// The picture of the window and the forecast as the companion writes it, in
// one clipboard entry: an editor takes the text, a picture program the image.
void FrmMain::copyForecast() {
    if (!forecast_) {
        return;
    }
    auto* mime = new QMimeData;
    mime->setImageData(clientAreaPicture());
    mime->setText(core::toText(*forecast_, shownMark_ ? &*shownMark_ : nullptr));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void FrmMain::saveImage() {
    if (!forecast_) {
        return;
    }
    const QString suggested = QDir(print::lastSaveFolder(print::SavedFile::Picture))
                                  .filePath(print::suggestedFileName(
                                      current_ ? current_->person.names : core::ClientNames{},
                                      forecast_->date, QStringLiteral("png")));
    const QString path = askImageFile_ ? askImageFile_(this, suggested) : QString();
    if (path.isEmpty()) {
        return;
    }
    const QString error = platform::writeImage(clientAreaPicture(), path);
    if (!error.isEmpty()) {
        services_.message(this, {error, info::programName(), platform::MessageIcon::Critical, 0});
        return;
    }
    print::rememberSaveFolder(print::SavedFile::Picture, path);
}

// The report is made from what is entered when "Печать" is pressed in the
// client dialog, so the window calculates once more and shows what it prints.
core::Forecast FrmMain::forecastForReport() {
    recalculate();
    if (!forecast_) {
        throw core::InputRefused();
    }
    return *forecast_;
}

}  // namespace ui
