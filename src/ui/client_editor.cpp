#include "ui/client_editor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include "core/forecast.h"
#include "platform/character_limit.h"
#include "platform/screen_place.h"
#include "print/language_box.h"
#include "ui/client_journal_view.h"
#include "ui/person_rows.h"
#include "ui/window_language.h"

namespace ui {

namespace {

bool validDay(const core::BirthDate& d) {
    return d.day >= 1 && d.day <= 31;
}

bool validMonth(const core::BirthDate& d) {
    return d.monthIndex >= 0 && d.monthIndex <= 11;
}

// What is wrong with the date as the book holds it, told when the card
// opens; empty when nothing is, and for a new client's date not given yet.
QString storedDateProblem(const core::BirthDate& d) {
    if (d.isBlank()) {
        return {};
    }
    if (!validDay(d) || !validMonth(d)) {
        return QCoreApplication::translate("ui::ClientEditor",
                                           "В картотеке неверная дата рождения: день %1, месяц %2. "
                                           "Выберите верную.")
            .arg(QString::number(d.day), QString::number(book::storedMonth(d.monthIndex)));
    }
    const QString missing = core::noSuchDate(d.day, d.monthIndex, d.year);
    return missing.isEmpty() ? QString() : ClientEditor::tr("%1 Выберите верную.").arg(missing);
}

}  // namespace

ClientEditor::ClientEditor(QWidget* parent, const book::Client& client,
                           const std::vector<book::ReportRecord>& history,
                           const book::ClientRecords* records)
    : QDialog(parent), client_(client) {
    setWindowTitle(client.id == 0 ? tr("Новый клиент") : tr("Клиент"));
    // The fields on the left, the note and the history on the right, so that
    // the card is low enough for a laptop's screen at a large scale; the
    // problem line and the buttons below.
    auto* layout = new QVBoxLayout(this);
    columns_ = new QHBoxLayout;
    layout->addLayout(columns_);
    buildFields();
    buildHistory(history);
    if (records) {
        journal_ = new ClientJournalView(this, *records, client_.birthDate);
        layout->addWidget(journal_, 1);
        // An event is judged against the date of birth as it stands on the card.
        const auto follow = [this] {
            journal_->setBirthDate(
                {day_->value(), month_->currentIndex(), year_->text().trimmed()});
        };
        connect(day_, &QSpinBox::valueChanged, this, follow);
        connect(month_, &QComboBox::currentIndexChanged, this, follow);
        connect(year_, &QLineEdit::textChanged, this, follow);
    }
    buildButtons();
    resize(720, sizeHint().height());
    platform::keepOnScreen(this);
}

void ClientEditor::buildHistory(const std::vector<book::ReportRecord>& history) {
    auto* caption = new QLabel(tr("История &отчётов:"), this);
    history_ = new QListWidget(this);
    history_->setAccessibleName(tr("История отчётов"));
    history_->setMaximumHeight(history_->fontMetrics().lineSpacing() * 6);
    // A long file name goes onto a second line rather than out of sight.
    history_->setWordWrap(true);
    history_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    caption->setBuddy(history_);
    auto* open = new QPushButton(tr("Откр&ыть"), this);
    open->setObjectName(QStringLiteral("HistoryOpen"));
    open->setAccessibleName(tr("Открыть"));
    open->setToolTip(tr("Открыть файл PDF выбранного отчёта"));
    open->setAutoDefault(false);
    open->setEnabled(false);
    for (const book::ReportRecord& r : history) {
        QString line = book::momentText(r.made) + QStringLiteral(" — ") + book::reportText(r);
        if (!r.file.isEmpty()) {
            line += QStringLiteral(", «%1»").arg(QFileInfo(r.file).fileName());
        }
        auto* item = new QListWidgetItem(line, history_);
        item->setToolTip(QDir::toNativeSeparators(r.file));
        // Only a file that is still there can be opened.
        if (!r.file.isEmpty() && QFileInfo(r.file).isFile()) {
            item->setData(Qt::UserRole, r.file);
        } else if (!r.file.isEmpty()) {
            item->setText(tr("%1 (файла больше нет)").arg(line));
        }
    }
    openFile_ = [](const QString& file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };
    const auto chosenFile = [this] {
        const QListWidgetItem* item = history_->currentItem();
        return item ? item->data(Qt::UserRole).toString() : QString();
    };
    connect(history_, &QListWidget::currentItemChanged, open,
            [open, chosenFile] { open->setEnabled(!chosenFile().isEmpty()); });
    const auto openChosen = [this, chosenFile] {
        if (const QString file = chosenFile(); !file.isEmpty() && openFile_) {
            openFile_(file);
        }
    };
    connect(open, &QPushButton::clicked, this, openChosen);
    connect(history_, &QListWidget::itemActivated, this, openChosen);
    if (history.empty()) {
        history_->addItem(tr("Отчётов для этого клиента ещё не было"));
    }
    auto* row = new QHBoxLayout;
    row->addWidget(history_, 1);
    row->addWidget(open, 0, Qt::AlignTop);
    right_->addWidget(caption);
    right_->addLayout(row);
}

void ClientEditor::buildFields() {
    auto entry = [this](const QString& text, int limit, const QString& label) {
        auto* edit = new QLineEdit(text, this);
        platform::limitCharacters(edit, limit);
        // Room for a usual name or address whole, the longest scroll.
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 24);
        edit->setAccessibleName(label);
        return edit;
    };
    const core::BirthDate& born = client_.birthDate;
    // A day or month out of range (a book written by another program) is shown
    // as none chosen, never moved to the nearest valid one: saving then asks
    // for a date instead of storing one the user did not pick.
    day_ = new QSpinBox(this);
    day_->setRange(0, 31);
    day_->setSpecialValueText(QStringLiteral("—"));
    day_->setValue(validDay(born) ? born.day : 0);
    day_->setAccessibleName(tr("День рождения"));
    month_ = new QComboBox(this);
    month_->addItems(monthNames());
    month_->setCurrentIndex(validMonth(born) ? born.monthIndex : -1);
    month_->setAccessibleName(tr("Месяц рождения"));
    year_ = new QLineEdit(born.year, this);
    year_->setMaxLength(4);
    year_->setAccessibleName(tr("Год рождения"));
    phone_ = entry(client_.phone, book::kPhoneLimit, tr("Телефон"));
    email_ = entry(client_.email, book::kEmailLimit, tr("Эл. почта"));
    note_ = new QPlainTextEdit(this);
    note_->setPlainText(client_.note);
    note_->setTabChangesFocus(true);  // Tab must leave the note, not write into it
    note_->setAccessibleName(tr("Примечание"));
    note_->setMinimumHeight(note_->fontMetrics().lineSpacing() * 3);

    auto* form = new QFormLayout;
    columns_->addLayout(form, 1);
    person_ = new PersonRows(form, client_.person());
    form->addRow(tr("&День:"), day_);
    form->addRow(tr("&Месяц:"), month_);
    form->addRow(tr("&Год:"), year_);
    form->addRow(tr("&Телефон:"), phone_);
    form->addRow(tr("&Эл. почта:"), email_);
    buildLanguageRow(form);
    right_ = new QVBoxLayout;
    auto* noteCaption = new QLabel(tr("&Примечание:"), this);
    noteCaption->setBuddy(note_);
    right_->addWidget(noteCaption);
    right_->addWidget(note_, 1);
    columns_->addLayout(right_, 1);
}

// «Язык отчёта»: the client's pages. A code this program does not know is
// shown as Russian, which the pages then are, with a line that says so.
void ClientEditor::buildLanguageRow(QFormLayout* form) {
    language_ = new print::LanguageBox(client_.language(), this);
    form->addRow(QCoreApplication::translate("ui::ClientEditor", "Я&зык отчёта:"), language_);
    // The greeting's proposal follows the language the pages are written in.
    connect(language_, &QComboBox::currentIndexChanged, this,
            [this] { person_->setLanguage(language_->language()); });
    if (!client_.languageKnown()) {
        auto* unknown =
            new QLabel(QCoreApplication::translate("ui::ClientEditor",
                                                   "Язык «%1» этой программе не известен: отчёты "
                                                   "пишутся по-русски.")
                           .arg(client_.languageCode),
                       this);
        unknown->setTextFormat(Qt::PlainText);
        unknown->setWordWrap(true);
        unknown->setObjectName(QStringLiteral("UnknownLanguage"));
        form->addRow(QString(), unknown);
    }
}

void ClientEditor::buildButtons() {
    problem_ = new QLabel(this);
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    problem_->setAccessibleName(tr("Ошибка"));
    problem_->setText(storedDateProblem(client_.birthDate));
    problem_->setVisible(!problem_->text().isEmpty());
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(tr("Сохранить"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    save->setAccessibleName(save->text());
    cancel->setAccessibleName(cancel->text());
    save->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClientEditor::check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(problem_);
    layout()->addWidget(buttons);
    orderTabs(save, cancel);
}

void ClientEditor::orderTabs(QWidget* buttonsFirst, QWidget* buttonsSecond) {
    QWidget* const order[] = {person_->surname(),
                              person_->name(),
                              person_->patronymic(),
                              person_->gender(),
                              person_->address(),
                              day_,
                              month_,
                              year_,
                              phone_,
                              email_,
                              language_,
                              note_,
                              history_,
                              findChild<QPushButton*>(QStringLiteral("HistoryOpen")),
                              buttonsFirst,
                              buttonsSecond};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void ClientEditor::check() {
    book::Client edited = client_;
    const core::Person entered = person_->person();
    edited.names = entered.names;
    edited.gender = entered.gender;
    edited.address = entered.address;
    edited.birthDate = {day_->value(), month_->currentIndex(), year_->text().trimmed()};
    edited.note = note_->toPlainText();
    edited.phone = phone_->text();
    edited.email = email_->text();
    // Left as it was, a code a later version may know again is kept.
    if (language_->language() != client_.language()) {
        edited.languageCode = core::languageCode(language_->language());
    }
    QString problem = book::normalise(edited);
    // A date of birth changed after the events were written may put one before it.
    for (size_t k = 0; journal_ && problem.isEmpty() && k < journal_->records().events.size();
         ++k) {
        problem = book::eventProblem(journal_->records().events[k], edited.birthDate);
    }
    if (!problem.isEmpty()) {
        problem_->setText(tr("Не сохранено: %1.").arg(problem));
        problem_->show();
        return;
    }
    client_ = edited;
    accept();
}

bool editClient(QWidget* parent, book::Client& client,
                const std::vector<book::ReportRecord>& history, book::ClientRecords* records) {
    ClientEditor editor(parent, client, history, records);
    if (editor.exec() != QDialog::Accepted) {
        return false;
    }
    client = editor.client();
    if (records) {
        *records = editor.journalView()->records();
    }
    return true;
}

}  // namespace ui
