#include "ui/book/client_editor.h"

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
#include <QUrl>
#include <QVBoxLayout>

#include "core/forecast.h"
#include "platform/character_limit.h"
#include "platform/screen_place.h"
#include "print/language_box.h"
#include "print/person_fields.h"
#include "ui/book/client_journal_view.h"

namespace ui {

namespace {

// What is wrong with the date as the book holds it, told when the card
// opens; empty when nothing is, and for a new client's date not given yet.
// A year that is no number is left to the save, which says so.
QString storedDateProblem(const core::BirthDate& d) {
    const std::optional<core::Refusal> refusal = core::dateRefusal(d);
    if (d.isBlank() || !refusal || refusal->kind == core::Refusal::Kind::YearNotDigits) {
        return {};
    }
    if (refusal->kind == core::Refusal::Kind::NoSuchDate) {
        return ClientEditor::tr("%1 Выберите верную.").arg(refusal->text);
    }
    return QCoreApplication::translate("ui::ClientEditor",
                                       "В картотеке неверная дата рождения: день %1, месяц %2. "
                                       "Выберите верную.")
        .arg(QString::number(d.day), QString::number(book::storedMonth(d.monthIndex)));
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
        connect(person_, &print::PersonFields::dateChanged, this,
                [this] { journal_->setBirthDate(person_->person().birthDate); });
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
    phone_ = entry(client_.phone, book::kPhoneLimit, tr("Телефон"));
    email_ = entry(client_.email, book::kEmailLimit, tr("Эл. почта"));
    note_ = new QPlainTextEdit(this);
    note_->setPlainText(client_.note);
    note_->setTabChangesFocus(true);  // Tab must leave the note, not write into it
    note_->setAccessibleName(tr("Примечание"));
    note_->setMinimumHeight(note_->fontMetrics().lineSpacing() * 3);

    auto* form = new QFormLayout;
    columns_->addLayout(form, 1);
    person_ = new print::PersonFields(
        this, print::PersonFields::Names | print::PersonFields::Card | print::PersonFields::Date,
        client_.person());
    person_->addRows(form);
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
    std::vector<QWidget*> order = person_->controls();
    order.insert(order.end(), {phone_, email_, language_, note_, history_,
                               findChild<QPushButton*>(QStringLiteral("HistoryOpen"))});
    // The journal and the life events, in the order they stand, before the
    // buttons that close the card.
    if (journal_) {
        for (QWidget* w : journal_->findChildren<QWidget*>()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                order.push_back(w);
            }
        }
    }
    order.insert(order.end(), {buttonsFirst, buttonsSecond});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void ClientEditor::check() {
    book::Client edited = client_;
    const core::Person entered = person_->person();
    edited.names = entered.names;
    edited.gender = entered.gender;
    edited.address = entered.address;
    edited.birthDate = entered.birthDate;
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
