#include "ui/book/client_journal_view.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/character_limit.h"
#include "platform/plain_tip.h"
#include "ui/window_language.h"

namespace ui {

namespace {

// The first line of an entry, short enough for one row of the list.
QString firstLine(const QString& text) {
    constexpr int kShown = 80;
    const QString line = text.trimmed().section(u'\n', 0, 0);
    return line.size() > kShown ? line.left(kShown) + QStringLiteral("…") : line;
}

QPushButton* button(QWidget* parent, const QString& text, const QString& name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setAccessibleName(QString(text).remove(u'&'));
    return b;
}

// A box that says what is wrong in the dialog itself.
QLabel* problemLine(QWidget* parent) {
    auto* problem = new QLabel(parent);
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    problem->hide();
    return problem;
}

bool yes(QWidget* over, const QString& question) {
    return QMessageBox::question(over, ClientJournalView::tr("Клиент"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

ClientJournalView::ClientJournalView(QWidget* parent, book::ClientRecords records,
                                     core::BirthDate born)
    : QWidget(parent),
      editSession(askSession),
      editEvent(askEvent),
      confirm(yes),
      records_(std::move(records)),
      born_(std::move(born)) {
    book::putInOrder(records_);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto column = [&](int at, const QString& caption, const QString& name, QListWidget*& list,
                            auto add, auto change, auto remove) {
        auto* label = new QLabel(caption, this);
        list = new QListWidget(this);
        list->setObjectName(name);
        list->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
        list->setMinimumHeight(list->fontMetrics().lineSpacing() * 5);
        // A long entry ends in «…» on its row; the whole of it is in the tooltip.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideRight);
        label->setBuddy(list);
        auto* buttons = new QHBoxLayout;
        QPushButton* adding = button(this, tr("Добавить…"), name + QStringLiteral("Add"));
        QPushButton* changing = button(this, tr("Изменить…"), name + QStringLiteral("Change"));
        QPushButton* removing = button(this, tr("Удалить"), name + QStringLiteral("Remove"));
        buttons->addWidget(adding);
        buttons->addWidget(changing);
        buttons->addWidget(removing);
        buttons->addStretch();
        connect(adding, &QPushButton::clicked, this, add);
        connect(changing, &QPushButton::clicked, this, change);
        connect(removing, &QPushButton::clicked, this, remove);
        connect(list, &QListWidget::itemActivated, this, change);
        grid->addWidget(label, 0, at);
        grid->addWidget(list, 1, at);
        grid->addLayout(buttons, 2, at);
    };
    column(0, tr("&Журнал сеансов:"), QStringLiteral("Journal"), journal_,
           &ClientJournalView::addSession, &ClientJournalView::changeSession,
           &ClientJournalView::removeSession);
    column(1, tr("События &жизни:"), QStringLiteral("Events"), events_,
           &ClientJournalView::addEvent, &ClientJournalView::changeEvent,
           &ClientJournalView::removeEvent);
    showRecords();
}

void ClientJournalView::showRecords() {
    const int journalRow = journal_->currentRow();
    const int eventRow = events_->currentRow();
    journal_->clear();
    for (const book::Session& s : records_.journal) {
        auto* item = new QListWidgetItem(s.date.toString(QStringLiteral("dd.MM.yyyy")) +
                                             QStringLiteral(" — ") + firstLine(s.text),
                                         journal_);
        item->setToolTip(platform::plainTip(s.text));
    }
    events_->clear();
    for (const book::LifeEvent& e : records_.events) {
        auto* item =
            new QListWidgetItem(book::eventDateText(e) + QStringLiteral(" — ") + e.text, events_);
        item->setToolTip(platform::plainTip(e.text));
    }
    journal_->setCurrentRow(std::min(journalRow, journal_->count() - 1));
    events_->setCurrentRow(std::min(eventRow, events_->count() - 1));
}

void ClientJournalView::addSession() {
    book::Session s{0, QDate::currentDate(), {}};
    if (editSession && editSession(this, s)) {
        records_.journal.push_back(s);
        book::putInOrder(records_);
        showRecords();
    }
}

void ClientJournalView::changeSession() {
    const int row = journal_->currentRow();
    if (row < 0 || row >= int(records_.journal.size())) {
        return;
    }
    book::Session s = records_.journal[size_t(row)];
    if (editSession && editSession(this, s)) {
        records_.journal[size_t(row)] = s;
        book::putInOrder(records_);
        showRecords();
    }
}

void ClientJournalView::removeSession() {
    const int row = journal_->currentRow();
    if (row < 0 || row >= int(records_.journal.size())) {
        return;
    }
    const book::Session& s = records_.journal[size_t(row)];
    if (confirm &&
        confirm(
            this,
            tr("Удалить запись о сеансе %1?").arg(s.date.toString(QStringLiteral("dd.MM.yyyy"))))) {
        records_.journal.erase(records_.journal.begin() + row);
        showRecords();
    }
}

void ClientJournalView::addEvent() {
    book::LifeEvent e{0, QDate::currentDate().year(), 0, {}};
    if (editEvent && editEvent(this, e, born_)) {
        records_.events.push_back(e);
        book::putInOrder(records_);
        showRecords();
    }
}

void ClientJournalView::changeEvent() {
    const int row = events_->currentRow();
    if (row < 0 || row >= int(records_.events.size())) {
        return;
    }
    book::LifeEvent e = records_.events[size_t(row)];
    if (editEvent && editEvent(this, e, born_)) {
        records_.events[size_t(row)] = e;
        book::putInOrder(records_);
        showRecords();
    }
}

void ClientJournalView::removeEvent() {
    const int row = events_->currentRow();
    if (row < 0 || row >= int(records_.events.size())) {
        return;
    }
    const book::LifeEvent& e = records_.events[size_t(row)];
    if (confirm &&
        confirm(this, tr("Удалить событие «%1» (%2)?").arg(e.text, book::eventDateText(e)))) {
        records_.events.erase(records_.events.begin() + row);
        showRecords();
    }
}

bool askSession(QWidget* over, book::Session& session) {
    QDialog dialog(over);
    dialog.setWindowTitle(ClientJournalView::tr("Сеанс"));
    auto* date = new QDateEdit(session.date, &dialog);
    date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    date->setCalendarPopup(true);
    date->setAccessibleName(ClientJournalView::tr("Дата сеанса"));
    auto* text = new QPlainTextEdit(session.text, &dialog);
    text->setTabChangesFocus(true);
    text->setAccessibleName(ClientJournalView::tr("Запись"));
    QLabel* problem = problemLine(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* form = new QFormLayout(&dialog);
    form->addRow(ClientJournalView::tr("&Дата:"), date);
    form->addRow(ClientJournalView::tr("&Запись:"), text);
    form->addRow(problem);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const book::Session typed{session.id, date->date(), text->toPlainText()};
        if (const QString why = book::sessionProblem(typed); !why.isEmpty()) {
            problem->setText(ClientJournalView::tr("Не сохранено: %1.").arg(why));
            problem->show();
            return;
        }
        session = typed;
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.resize(520, 360);
    return dialog.exec() == QDialog::Accepted;
}

bool askEvent(QWidget* over, book::LifeEvent& event, const core::BirthDate& born) {
    QDialog dialog(over);
    dialog.setWindowTitle(ClientJournalView::tr("Событие жизни"));
    auto* year = new QSpinBox(&dialog);
    year->setRange(book::kFirstRecordYear, book::kLastRecordYear);
    year->setValue(event.year);
    year->setAccessibleName(ClientJournalView::tr("Год события"));
    auto* month = new QComboBox(&dialog);
    month->addItem(QStringLiteral("—"));
    month->addItems(monthNames());
    month->setCurrentIndex(event.month);
    month->setAccessibleName(ClientJournalView::tr("Месяц события"));
    auto* text = new QLineEdit(event.text, &dialog);
    platform::limitCharacters(text, book::kEventLimit);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 40);
    text->setAccessibleName(ClientJournalView::tr("Что случилось"));
    QLabel* problem = problemLine(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* form = new QFormLayout(&dialog);
    form->addRow(ClientJournalView::tr("&Год:"), year);
    form->addRow(ClientJournalView::tr("&Месяц (если известен):"), month);
    form->addRow(ClientJournalView::tr("&Что случилось:"), text);
    form->addRow(problem);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const book::LifeEvent typed{event.id, year->value(), month->currentIndex(),
                                    text->text().trimmed()};
        if (const QString why = book::eventProblem(typed, born); !why.isEmpty()) {
            problem->setText(ClientJournalView::tr("Не сохранено: %1.").arg(why));
            problem->show();
            return;
        }
        event = typed;
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace ui
