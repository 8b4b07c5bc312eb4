#include "ui/client_editor.h"
#include "core/months.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/forecast.h"
#include "platform/character_limit.h"

namespace ui {

namespace {

bool validDay(const book::Client& c) {
    return c.day >= 1 && c.day <= 31;
}

bool validMonth(const book::Client& c) {
    return c.month >= 1 && c.month <= 12;
}

// What is wrong with the date as the book holds it, told when the card
// opens; empty when nothing is.
QString storedDateProblem(const book::Client& c) {
    if (!validDay(c) || !validMonth(c)) {
        return QStringLiteral(
                   "В картотеке неверная дата рождения: день %1, месяц %2. "
                   "Выберите верную.")
            .arg(QString::number(c.day), QString::number(c.month));
    }
    const QString missing = core::noSuchDate(c.day, c.month - 1, c.yearText);
    return missing.isEmpty() ? QString() : missing + QStringLiteral(" Выберите верную.");
}

}  // namespace

ClientEditor::ClientEditor(QWidget* parent, const book::Client& client,
                           const std::vector<book::ReportRecord>& history)
    : QDialog(parent), client_(client) {
    setWindowTitle(QStringLiteral("Клиент"));
    // The fields, the history, the problem line and the buttons, top to bottom.
    new QVBoxLayout(this);
    buildFields();
    buildHistory(history);
    buildButtons();
    resize(460, sizeHint().height());
}

void ClientEditor::buildHistory(const std::vector<book::ReportRecord>& history) {
    auto* caption = new QLabel(QStringLiteral("История &отчётов:"), this);
    history_ = new QListWidget(this);
    history_->setAccessibleName(QStringLiteral("История отчётов"));
    history_->setSelectionMode(QAbstractItemView::NoSelection);
    history_->setMaximumHeight(history_->fontMetrics().lineSpacing() * 6);
    caption->setBuddy(history_);
    for (const book::ReportRecord& r : history) {
        history_->addItem(book::momentText(r.made) + QStringLiteral(" — ") +
                          book::reportKindText(r.kind));
    }
    if (history.empty()) {
        history_->addItem(QStringLiteral("Отчётов для этого клиента ещё не было"));
    }
    layout()->addWidget(caption);
    layout()->addWidget(history_);
}

void ClientEditor::buildFields() {
    auto entry = [this](const QString& text, int limit, const QString& label) {
        auto* edit = new QLineEdit(text, this);
        platform::limitCharacters(edit, limit);
        edit->setAccessibleName(label);
        return edit;
    };
    surname_ = entry(client_.surname, book::kSurnameLimit, QStringLiteral("Фамилия"));
    name_ = entry(client_.name, book::kNameLimit, QStringLiteral("Имя"));
    patronymic_ = entry(client_.patronymic, book::kPatronymicLimit, QStringLiteral("Отчество"));
    // A day or month out of range (a book written by another program) is shown
    // as none chosen, never moved to the nearest valid one: saving then asks
    // for a date instead of storing one the user did not pick.
    day_ = new QSpinBox(this);
    day_->setRange(0, 31);
    day_->setSpecialValueText(QStringLiteral("—"));
    day_->setValue(validDay(client_) ? client_.day : 0);
    day_->setAccessibleName(QStringLiteral("День рождения"));
    month_ = new QComboBox(this);
    for (int m = 0; m < 12; ++m) {
        month_->addItem(core::monthName(m));
    }
    month_->setCurrentIndex(validMonth(client_) ? client_.month - 1 : -1);
    month_->setAccessibleName(QStringLiteral("Месяц рождения"));
    year_ = new QLineEdit(client_.yearText, this);
    year_->setMaxLength(4);
    year_->setAccessibleName(QStringLiteral("Год рождения"));
    note_ = new QPlainTextEdit(this);
    note_->setPlainText(client_.note);
    note_->setTabChangesFocus(true);  // Tab must leave the note, not write into it
    note_->setAccessibleName(QStringLiteral("Примечание"));
    note_->setMinimumHeight(note_->fontMetrics().lineSpacing() * 5);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Фамилия:"), surname_);
    form->addRow(QStringLiteral("&Имя:"), name_);
    form->addRow(QStringLiteral("&Отчество:"), patronymic_);
    form->addRow(QStringLiteral("&День:"), day_);
    form->addRow(QStringLiteral("&Месяц:"), month_);
    form->addRow(QStringLiteral("&Год:"), year_);
    form->addRow(QStringLiteral("&Примечание:"), note_);
    static_cast<QVBoxLayout*>(layout())->addLayout(form);
}

void ClientEditor::buildButtons() {
    problem_ = new QLabel(this);
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    problem_->setAccessibleName(QStringLiteral("Ошибка"));
    problem_->setText(storedDateProblem(client_));
    problem_->setVisible(!problem_->text().isEmpty());
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save =
        buttons->addButton(QStringLiteral("Сохранить"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    save->setAccessibleName(save->text());
    cancel->setAccessibleName(cancel->text());
    save->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClientEditor::check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(problem_);
    layout()->addWidget(buttons);
}

void ClientEditor::check() {
    book::Client edited = client_;
    edited.surname = surname_->text();
    edited.name = name_->text();
    edited.patronymic = patronymic_->text();
    edited.day = day_->value();
    edited.month = month_->currentIndex() + 1;
    edited.yearText = year_->text().trimmed();
    edited.note = note_->toPlainText();
    const QString problem = book::normalise(edited);
    if (!problem.isEmpty()) {
        problem_->setText(QStringLiteral("Не сохранено: ") + problem + u'.');
        problem_->show();
        return;
    }
    client_ = edited;
    accept();
}

bool editClient(QWidget* parent, book::Client& client,
                const std::vector<book::ReportRecord>& history) {
    ClientEditor editor(parent, client, history);
    if (editor.exec() != QDialog::Accepted) {
        return false;
    }
    client = editor.client();
    return true;
}

}  // namespace ui
