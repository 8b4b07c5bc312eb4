#include "ui/main_window/main_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <vector>

#include "core/forecast_text.h"
#include "core/program_info.h"
#include "core/report_kind.h"
#include "platform/file_dialogs.h"
#include "platform/media_player.h"
#include "platform/page_output.h"
#include "platform/services.h"
#include "platform/text_store.h"
#include "platform/user_settings.h"
#include "print/delivery.h"
#include "print/language_box.h"
#include "print/print_job.h"
#include "print/save_place.h"
#include "ui/book/turning_calendar_file.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/letterhead_dialog.h"
#include "ui/dialogs/messenger_card_file.h"
#include "ui/dialogs/send_to_client.h"
#include "ui/group/group_window.h"
#include "ui/main_window/current_client.h"
#include "ui/main_window/frm_main.h"
#include "ui/main_window/language_menu.h"
#include "ui/texts/texts_window.h"

// The main window's menus and the commands behind them. Their words are the
// main window's (FrmMain::tr), as the window's catalogue has always held them.

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

MainCommands::MainCommands(FrmMain& window, platform::Services& services)
    : QObject(&window),
      window_(window),
      services_(services),
      askNameChange_(askNameChange),
      askImageFile_(askImageFileName),
      askCardFile_(askCardFile) {
    buildMenus();
    connectMenus();
}

void MainCommands::buildFileMenu(QMenuBar* bar) {
    fileMenu_ = bar->addMenu(FrmMain::tr("&Файл"));
    printAction_ = fileMenu_->addAction(FrmMain::tr("&Печать"));
    printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printAction_->setEnabled(false);
    previewAction_ = fileMenu_->addAction(FrmMain::tr("Предварительный про&смотр…"));
    previewAction_->setEnabled(false);
    savePdfAction_ = fileMenu_->addAction(FrmMain::tr("Сохранить &отчёт в PDF…"));
    savePdfAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    savePdfAction_->setEnabled(false);
    saveImageAction_ = fileMenu_->addAction(FrmMain::tr("Сохранить &изображение…"));
    saveImageAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveImageAction_->setEnabled(false);
    cardAction_ = fileMenu_->addAction(FrmMain::tr("Карточка для &мессенджера…"));
    cardAction_->setEnabled(false);
    bookletAction_ = fileMenu_->addAction(FrmMain::tr("Подро&бный отчёт…"));
    letterheadAction_ = fileMenu_->addAction(FrmMain::tr("&Бланк отчёта…"));
    textsAction_ = fileMenu_->addAction(FrmMain::tr("&Тексты толкований…"));
    fileMenu_->addSeparator();
    // Shown when the program keeps a client book (setClientBook).
    bookAction_ = fileMenu_->addAction(FrmMain::tr("&Картотека клиентов…"));
    bookAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    bookAction_->setVisible(false);
    calendarAction_ = fileMenu_->addAction(FrmMain::tr("Ка&лендарь поворотных лет (.ics)…"));
    calendarAction_->setVisible(false);
    calendarAction_->setEnabled(false);
    sendAction_ = fileMenu_->addAction(FrmMain::tr("Отпра&вить клиенту…"));
    sendAction_->setVisible(false);
    sendAction_->setEnabled(false);
    // A disabled command says in its tip why it is.
    fileMenu_->setToolTipsVisible(true);
    fileMenu_->addSeparator();
    exitAction_ = fileMenu_->addAction(FrmMain::tr("В&ыход"));
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainCommands::buildMenus() {
    QMenuBar* bar = window_.menuBar();
    buildFileMenu(bar);
    editMenu_ = bar->addMenu(FrmMain::tr("&Правка"));
    copyAction_ = editMenu_->addAction(FrmMain::tr("&Копировать"));
    copyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copyAction_->setEnabled(false);
    copyBookletAction_ = editMenu_->addAction(FrmMain::tr("Копировать &толкование"));
    copyBookletAction_->setEnabled(false);

    forecastMenu_ = bar->addMenu(FrmMain::tr("Пр&огноз"));
    calculateAction_ = forecastMenu_->addAction(FrmMain::tr("Р&асчёт"));
    calculateAction_->setShortcut(QKeySequence(Qt::Key_F9));
    todayAction_ = forecastMenu_->addAction(FrmMain::tr("На сегодн&яшний день"));
    forecastMenu_->addSeparator();
    markYearAction_ = forecastMenu_->addAction(FrmMain::tr("Отмечать &текущий год"));
    markYearAction_->setCheckable(true);
    markYearAction_->setChecked(platform::userSettings().value(kMarkYearKey, true).toBool());
    addGroupAction(forecastMenu_, &window_, services_);

    helpMenu_ = bar->addMenu(FrmMain::tr("&Справка"));
    contentsAction_ = helpMenu_->addAction(FrmMain::tr("Сод&ержание"));
    contentsAction_->setShortcut(QKeySequence(Qt::Key_F1));
    addLanguageMenu(helpMenu_, &window_, services_);
    helpMenu_->addSeparator();
    aboutAction_ = helpMenu_->addAction(FrmMain::tr("&О программе"));
    nameMenus();
}

// Names by which tests and accessibility tools find the commands.
void MainCommands::nameMenus() {
    fileMenu_->setObjectName(QStringLiteral("mFile"));
    editMenu_->setObjectName(QStringLiteral("mEdit"));
    forecastMenu_->setObjectName(QStringLiteral("mProg"));
    helpMenu_->setObjectName(QStringLiteral("mHelp"));
    for (auto [action, name] :
         {std::pair{printAction_, "mpPrint"}, std::pair{previewAction_, "mpPreview"},
          std::pair{savePdfAction_, "mpSavePdf"}, std::pair{saveImageAction_, "mpSaveImage"},
          std::pair{cardAction_, "mpCard"}, std::pair{sendAction_, "mpSend"},
          std::pair{letterheadAction_, "mpLetterhead"}, std::pair{textsAction_, "mpTexts"},
          std::pair{bookletAction_, "mpBooklet"}, std::pair{copyBookletAction_, "mpCopyBooklet"},
          std::pair{bookAction_, "mpBook"}, std::pair{calendarAction_, "mpCalendar"},
          std::pair{exitAction_, "mpExit"}, std::pair{copyAction_, "mpCopy"},
          std::pair{calculateAction_, "mpRash"}, std::pair{todayAction_, "mpDay"},
          std::pair{markYearAction_, "mpMarkYear"}, std::pair{contentsAction_, "mpCont"},
          std::pair{aboutAction_, "mpAbout"}}) {
        action->setObjectName(QLatin1String(name));
    }
}

void MainCommands::connectMenus() {
    using print::ReportTarget;
    connect(printAction_, &QAction::triggered, this,
            [this] { print(false, ReportTarget::Printout, {}); });
    connect(previewAction_, &QAction::triggered, this,
            [this] { print(false, ReportTarget::Preview, {}); });
    connect(savePdfAction_, &QAction::triggered, this,
            [this] { print(false, ReportTarget::PdfFile, {}); });
    connect(saveImageAction_, &QAction::triggered, this, &MainCommands::saveImage);
    connect(cardAction_, &QAction::triggered, this, &MainCommands::saveCard);
    connect(sendAction_, &QAction::triggered, this, &MainCommands::sendToClient);
    connect(letterheadAction_, &QAction::triggered, this,
            [this] { LetterheadDialog(services_, &window_).exec(); });
    connect(textsAction_, &QAction::triggered, this, &MainCommands::editTexts);
    connect(bookletAction_, &QAction::triggered, this, &MainCommands::askBooklet);
    connect(copyBookletAction_, &QAction::triggered, this, &MainCommands::copyBooklet);
    connect(calendarAction_, &QAction::triggered, this, [this] {
        if (const auto& current = window_.currentClient()) {
            saveTurningCalendar(&window_, services_, current->person, {askCalendarFile, 0});
        }
    });
    connect(bookAction_, &QAction::triggered, this, [this] {
        if (book_.open) {
            book_.open();
        }
    });
    connect(copyAction_, &QAction::triggered, this, &MainCommands::copyForecast);
    // Only the user's own choice is remembered, never one made by a program
    // that drives the window (setMarkThisYear).
    connect(markYearAction_, &QAction::triggered, this, [this](bool on) {
        platform::userSettings().setValue(kMarkYearKey, on);
        window_.setMarkThisYear(on);
    });
    connect(calculateAction_, &QAction::triggered, this,
            [this] { window_.guarded([this] { window_.recalculate(); }); });
    connect(todayAction_, &QAction::triggered, this, [this] {
        window_.setCurrentClient(std::nullopt);
        window_.guarded([this] { window_.calculateForToday(); });
    });
    connect(aboutAction_, &QAction::triggered, this, [this] {
        platform::SilentMediaPlayer silent;
        FrmAbout(services_, media_ ? *media_ : silent, &window_).exec();
    });
    connect(contentsAction_, &QAction::triggered, this,
            [this] { services_.help(&window_, platform::HelpCommand::Contents); });
    // Exit ends the program at once, without the closing handler.
    connect(exitAction_, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
}

void MainCommands::keepKeysFrom(QLineEdit* box) {
    box->installEventFilter(new KeysGoToTheWindow(this, {copyAction_, bookAction_}));
}

void MainCommands::dateComplete(bool complete) {
    printAction_->setEnabled(complete);
    previewAction_->setEnabled(complete);
    savePdfAction_->setEnabled(complete);
}

// The picture and the text are of the forecast on the screen, so they wait
// for a calculation.
void MainCommands::forecastShown(bool shown) {
    copyAction_->setEnabled(shown);
    copyBookletAction_->setEnabled(shown);
    saveImageAction_->setEnabled(shown);
    cardAction_->setEnabled(shown);
}

void MainCommands::clientChosen(bool chosen) {
    calendarAction_->setEnabled(chosen);
    sendAction_->setEnabled(chosen);
    sendAction_->setToolTip(
        chosen
            ? FrmMain::tr("Документ в PDF для клиента — письмом на адрес из его карточки")
            : FrmMain::tr("Откройте клиента из картотеки (Ctrl+K): письмо уходит на адрес из его "
                          "карточки"));
}

bool MainCommands::markingThisYear() const {
    return markYearAction_->isChecked();
}

void MainCommands::setMarkThisYear(bool on) {
    markYearAction_->setChecked(on);
}

void MainCommands::setClientBook(ClientBookHooks hooks) {
    book_ = std::move(hooks);
    bookAction_->setVisible(static_cast<bool>(book_.open));
    calendarAction_->setVisible(static_cast<bool>(book_.open));
    sendAction_->setVisible(static_cast<bool>(book_.open));
}

void MainCommands::setAskImageFileName(AskFileName ask) {
    askImageFile_ = std::move(ask);
}

void MainCommands::setAskCardFileName(AskFileName ask) {
    askCardFile_ = std::move(ask);
}

void MainCommands::setSendSetup(std::function<void(SendToClient&)> setup) {
    sendSetup_ = std::move(setup);
}

void MainCommands::setPrintSetup(std::function<void(print::PrintDelivery&)> setup) {
    printSetup_ = std::move(setup);
}

void MainCommands::setAskNameChange(AskNameChange ask) {
    askNameChange_ = std::move(ask);
}

void MainCommands::print(bool recalculateFirst, print::ReportTarget target,
                         const core::ClientNames& client) {
    window_.guarded([this, recalculateFirst, target, &client] {
        if (recalculateFirst) {
            window_.recalculate();
        }
        // The delivery gives every report the letterhead as the user keeps it then.
        const auto setup = [this](print::PrintDelivery& delivery) {
            if (printSetup_) {
                printSetup_(delivery);
            }
        };
        const auto& current = window_.currentClient();
        const core::ClientNames names =
            current && core::fullName(client).isEmpty() ? current->person.names : client;
        print::showPrintDialog(
            &window_, [this] { return forecastForReport(); }, services_, setup, target, names,
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
            current ? std::optional(current->person.language) : std::nullopt);
    });
}

// The report is made from what is entered when "Печать" is pressed in the
// client dialog, so the window calculates once more and shows what it prints.
core::Forecast MainCommands::forecastForReport() {
    window_.recalculate();
    if (!window_.forecast()) {
        throw core::InputRefused();
    }
    return *window_.forecast();
}

// A report for the current client joins their history, under the names it
// was made for (the user chooses whether these correct the record or are a
// new client). Without one, a report with «Запомнить в картотеке» checked
// goes into the book for the date it was made for. A book that cannot take
// it says why, and the report stands.
// The client's card takes what the dialog gave: the names, and the report
// language, gender and form of address chosen there.
void MainCommands::rememberReport(const core::Person& person, core::ReportKind kind, bool remember,
                                  const QString& file) {
    const auto& current = window_.currentClient();
    if (!book_.record || !window_.forecast() || (!current && !remember)) {
        return;
    }
    qint64 id = 0;
    if (current &&
        (sameNames(current->person.names, person.names) ||
         askNameChange_(&window_, current->person.names, person.names) == NameChange::Correct)) {
        id = current->id;
    }
    core::Person stored = person;
    stored.birthDate = window_.forecast()->date;
    QString error;
    const qint64 storedId = book_.record(id, stored, kind, file, &error);
    if (!error.isEmpty()) {
        services_.message(&window_, {error, FrmMain::tr("Картотека клиентов"),
                                     platform::MessageIcon::Warning, 0});
        return;
    }
    if (storedId != 0) {
        CurrentClient next{storedId, stored};
        if (current && current->id == storedId) {
            next.events = current->events;  // the card's, which a report does not change
            next.email = current->email;
        }
        window_.setCurrentClient(std::move(next));
    }
}

void MainCommands::recordComparison(const std::vector<core::Person>& people, core::ReportKind kind,
                                    const QString& file) {
    if (!book_.recordComparison) {
        return;
    }
    QString error;
    if (!book_.recordComparison(people, kind, file, &error)) {
        services_.message(&window_, {error, FrmMain::tr("Картотека клиентов"),
                                     platform::MessageIcon::Warning, 0});
        return;
    }
    const auto& current = window_.currentClient();
    for (const core::Person& p : people) {
        if (current && sameNames(current->person.names, p.names) &&
            current->person.birthDate == p.birthDate && current->person.language != p.language) {
            CurrentClient next = *current;
            next.person.language = p.language;
            window_.setCurrentClient(std::move(next));
            break;
        }
    }
}

// The person a dialog starts from: the current client, or nobody yet.
core::Person MainCommands::currentPerson() const {
    if (const auto& current = window_.currentClient()) {
        return current->person;
    }
    core::Person nobody;
    if (window_.forecast()) {
        nobody.birthDate = window_.forecast()->date;
    }
    return nobody;
}

// The texts window previews its entries for what the window shows now.
void MainCommands::editTexts() {
    PreviewSubject subject{window_.forecast(), std::nullopt, window_.today().year()};
    if (const auto& current = window_.currentClient()) {
        subject.client = current->person;
    }
    TextsWindow texts(services_, platform::TextStore::inDataFolder(), subject, &window_);
    // Modal to the main window alone, so that the help it opens can be read and scrolled.
    texts.setWindowModality(Qt::WindowModal);
    texts.exec();
}

// The picture of the window and the forecast as the companion writes it, in
// one clipboard entry: an editor takes the text, a picture program the image.
void MainCommands::copyForecast() {
    if (!window_.forecast()) {
        return;
    }
    auto* mime = new QMimeData;
    mime->setImageData(window_.picture());
    const auto& mark = window_.shownYearMark();
    mime->setText(core::toText(*window_.forecast(), mark ? &*mark : nullptr));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void MainCommands::saveImage() {
    const auto& forecast = window_.forecast();
    if (!forecast) {
        return;
    }
    const auto& current = window_.currentClient();
    const QString suggested = QDir(print::lastSaveFolder(print::SavedFile::Picture))
                                  .filePath(print::suggestedFileName(
                                      current ? current->person.names : core::ClientNames{},
                                      forecast->date, QStringLiteral("png")));
    const QString path = askImageFile_ ? askImageFile_(&window_, suggested) : QString();
    if (path.isEmpty()) {
        return;
    }
    const QString error = platform::writeImage(window_.picture(), path);
    if (!error.isEmpty()) {
        services_.message(&window_,
                          {error, info::programName(), platform::MessageIcon::Critical, 0});
        return;
    }
    print::rememberSaveFolder(print::SavedFile::Picture, path);
}

void MainCommands::saveCard() {
    const auto& forecast = window_.forecast();
    if (!forecast) {
        return;
    }
    // The client's language, or the one the last report was made in.
    core::Person person = currentPerson();
    const auto& current = window_.currentClient();
    person.language = current ? current->person.language : print::lastReportLanguage();
    saveMessengerCard(&window_, services_, *forecast, person,
                      {askCardFile_, window_.today().year()});
}

void MainCommands::sendToClient() {
    window_.guarded([this] {
        if (!window_.currentClient()) {
            return;
        }
        window_.recalculate();
        if (!window_.forecast() || !window_.currentClient()) {
            return;
        }
        SendToClient sending(services_, &window_);
        if (sendSetup_) {
            sendSetup_(sending);
        }
        const CurrentClient client = *window_.currentClient();
        if (const auto made = sending.send({client.person, client.email}, *window_.forecast())) {
            rememberReport(client.person, made->kind, false, made->file);
        }
    });
}

}  // namespace ui
