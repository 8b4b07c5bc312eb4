// The group window's people: their rows, what is told about them, and the
// memory of them between openings.

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "core/client_names.h"
#include "graph/group_chart.h"
#include "platform/units.h"
#include "print/person_fields.h"
#include "ui/group/group_memory.h"
#include "ui/group/group_view.h"
#include "ui/group/group_window.h"

namespace ui {

namespace {

// A row's columns.
enum Column { Sample, Surname, Name, Patronymic, Day, Month, Year, Figures, Remove };

// The sample of a member's line beside its row, logical pixels.
constexpr int kSampleWidth = 44;
constexpr int kSampleHeight = 18;

}  // namespace

QString GroupWindow::who(int which) {
    static const char* const kWho[] = {QT_TRANSLATE_NOOP("ui::GroupWindow", "Первый"),
                                       QT_TRANSLATE_NOOP("ui::GroupWindow", "Второй"),
                                       QT_TRANSLATE_NOOP("ui::GroupWindow", "Третий"),
                                       QT_TRANSLATE_NOOP("ui::GroupWindow", "Четвёртый"),
                                       QT_TRANSLATE_NOOP("ui::GroupWindow", "Пятый"),
                                       QT_TRANSLATE_NOOP("ui::GroupWindow", "Шестой")};
    return tr(kWho[std::clamp(which, 0, core::kGroupMost - 1)]);
}

GroupWindow::~GroupWindow() {
    // The program may end with the window open: it is remembered then too.
    rememberPeople(people());
}

void GroupWindow::closeEvent(QCloseEvent* event) {
    rememberPeople(people());
    QWidget::closeEvent(event);
}

void GroupWindow::buildPeople(QVBoxLayout* layout) {
    auto* box = new QGroupBox(tr("Кого сравниваем"), this);
    auto* boxLayout = new QVBoxLayout(box);
    rowGrid_ = new QGridLayout;
    rowGrid_->setColumnStretch(Surname, 2);
    rowGrid_->setColumnStretch(Name, 2);
    rowGrid_->setColumnStretch(Patronymic, 2);
    rowGrid_->setColumnStretch(Figures, 3);
    boxLayout->addLayout(rowGrid_);
    auto* commands = new QHBoxLayout;
    add_ = new QPushButton(tr("&Добавить человека"), box);
    add_->setObjectName(QStringLiteral("GroupAdd"));
    connect(add_, &QPushButton::clicked, this, [this] {
        if (addPerson()) {
            rows_.back().person->surname()->setFocus(Qt::OtherFocusReason);
        }
    });
    fromBook_ = new QPushButton(tr("Из &картотеки…"), box);
    fromBook_->setObjectName(QStringLiteral("GroupFromBook"));
    fromBook_->setToolTip(
        tr("Выберите в картотеке одного клиента или от двух до шести и "
           "нажмите в ней «Сравнить»"));
    fromBook_->hide();  // until the program says how the book opens
    connect(fromBook_, &QPushButton::clicked, this, [this] {
        if (openBook_) {
            openBook_();
        }
    });
    commands->addWidget(add_);
    commands->addWidget(fromBook_);
    commands->addStretch(1);
    boxLayout->addLayout(commands);
    layout->addWidget(box);
}

void GroupWindow::setOpenBook(std::function<void()> open) {
    openBook_ = std::move(open);
    fromBook_->setVisible(static_cast<bool>(openBook_));
}

void GroupWindow::buildRow(Row& row) {
    QWidget* box = rowGrid_->parentWidget();
    row.sample = new GroupView(box);
    row.sample->setFixedSize(kSampleWidth, kSampleHeight);
    row.person =
        new print::PersonFields(box, print::PersonFields::Names | print::PersonFields::Date);
    row.person->usePlaceholders();
    row.person->year()->setMaximumWidth(platform::px(900));
    row.figures = new QLabel(box);
    row.figures->setTextFormat(Qt::PlainText);
    row.remove = new QPushButton(tr("Убрать"), box);
    connect(row.person, &print::PersonFields::namesChanged, this, [this] { refresh(); });
    connect(row.person, &print::PersonFields::dateChanged, this,
            [this, fields = row.person] { dateEdited(fields); });
    connect(row.remove, &QPushButton::clicked, this, [this, button = row.remove] {
        for (int k = 0; k < rowCount(); ++k) {
            if (rows_[std::size_t(k)].remove == button) {
                removePerson(k);
                return;
            }
        }
    });
}

// Names the row's controls for tests and screen readers by its place, which
// changes when a row above goes.
void GroupWindow::nameRow(int which) {
    Row& row = rows_[std::size_t(which)];
    const QString n = QString::number(which + 1);
    const QString name = who(which);
    const print::PersonFields& p = *row.person;
    const std::pair<QWidget*, const char*> named[] = {
        {p.surname(), "GroupSurname"},       {p.name(), "GroupName"},
        {p.patronymic(), "GroupPatronymic"}, {p.day(), "GroupDay"},
        {p.month(), "GroupMonth"},           {p.year(), "GroupYear"},
        {row.figures, "GroupFigures"},       {row.remove, "GroupRemove"},
        {row.sample, "GroupSample"}};
    for (const auto& [widget, objectName] : named) {
        widget->setObjectName(QLatin1String(objectName) + n);
    }
    row.person->setOwner(name);
    row.remove->setAccessibleName(tr("Убрать: %1").arg(name));
}

// The rows in the grid in their order, and Tab through them in that order.
void GroupWindow::placeRows() {
    while (QLayoutItem* item = rowGrid_->takeAt(0)) {
        delete item;
    }
    QWidget* previous = nullptr;
    for (int k = 0; k < rowCount(); ++k) {
        Row& row = rows_[std::size_t(k)];
        const print::PersonFields& p = *row.person;
        const std::pair<QWidget*, Column> cells[] = {
            {row.sample, Sample}, {p.surname(), Surname},
            {p.name(), Name},     {p.patronymic(), Patronymic},
            {p.day(), Day},       {p.month(), Month},
            {p.year(), Year},     {row.figures, Figures},
            {row.remove, Remove}};
        for (const auto& [widget, column] : cells) {
            rowGrid_->addWidget(widget, k, column);
            if (widget->focusPolicy() != Qt::NoFocus) {
                if (previous != nullptr) {
                    setTabOrder(previous, widget);
                }
                previous = widget;
            }
        }
        nameRow(k);
        row.remove->setEnabled(rowCount() > core::kGroupLeast);
    }
    add_->setEnabled(rowCount() < core::kGroupMost);
}

void GroupWindow::setPeople(std::vector<core::Person> people) {
    people.resize(std::clamp<std::size_t>(people.size(), core::kGroupLeast, core::kGroupMost));
    {
        const QScopedValueRollback<bool> filling(filling_, true);
        while (rowCount() > int(people.size())) {
            removePerson(rowCount() - 1);
        }
        while (rowCount() < int(people.size())) {
            addPerson();
        }
    }
    for (int k = 0; k < rowCount(); ++k) {
        setPerson(k, people[std::size_t(k)]);
    }
}

bool GroupWindow::addPerson(const core::Person& person) {
    if (rowCount() >= core::kGroupMost) {
        return false;
    }
    rows_.emplace_back();
    buildRow(rows_.back());
    placeRows();
    for (QWidget* w : rowWidgets(rows_.back())) {
        w->show();  // made after the window was shown, they would stay hidden
    }
    setPerson(rowCount() - 1, person);
    return true;
}

void GroupWindow::removePerson(int which) {
    if (rowCount() <= core::kGroupLeast || which < 0 || which >= rowCount()) {
        return;
    }
    Row& row = rows_[std::size_t(which)];
    for (QWidget* w : rowWidgets(row)) {
        w->hide();
        w->setObjectName(QString());  // the rows below take the names
        w->deleteLater();
    }
    row.person->deleteLater();
    rows_.erase(rows_.begin() + which);
    placeRows();
    refresh();
}

std::vector<QWidget*> GroupWindow::rowWidgets(const Row& row) {
    std::vector<QWidget*> all = row.person->controls();
    all.insert(all.end(), {row.sample, row.figures, row.remove});
    return all;
}

void GroupWindow::dateEdited(const print::PersonFields* fields) {
    for (Row& row : rows_) {
        if (!filling_ && fields == row.person) {
            row.touched = true;
        }
    }
    refresh();
}

void GroupWindow::setPerson(int which, const core::Person& person) {
    Row& row = rows_.at(std::size_t(which));
    // A date given is told about at once if it cannot be calculated; an empty
    // one waits for the user.
    row.touched = !person.birthDate.isBlank();
    {
        const QScopedValueRollback<bool> filling(filling_, true);
        core::Person shown;  // what the window keeps of a person: names and date
        shown.names = person.names;
        shown.birthDate = person.birthDate;
        row.person->setPerson(shown);
    }
    refresh();
}

core::Person GroupWindow::person(int which) const {
    return rows_.at(std::size_t(which)).person->person();
}

std::vector<core::Person> GroupWindow::people() const {
    std::vector<core::Person> all;
    for (int k = 0; k < rowCount(); ++k) {
        all.push_back(person(k));
    }
    return all;
}

QString GroupWindow::rowProblem(const Row& row, const core::Calculation& calculation) const {
    // What the page would print mirrored or broken is told at once.
    if (QString problem = core::clientNamesProblem(row.person->person().names);
        !problem.isEmpty()) {
        return problem;
    }
    const auto* refusal = std::get_if<core::Refusal>(&calculation);
    return refusal && row.touched ? refusal->text : QString();
}

// Each row's figures and the sample of its line: the member's, in the
// group's order; a row outside the group has none.
void GroupWindow::showFigures() {
    for (int k = 0; k < rowCount(); ++k) {
        Row& row = rows_[std::size_t(k)];
        const auto at = std::find(memberRows_.begin(), memberRows_.end(), k);
        const int member = at == memberRows_.end() ? -1 : int(at - memberRows_.begin());
        if (member >= 0) {
            const core::Forecast& f = group_->members[std::size_t(member)].forecast;
            row.figures->setText(tr("счастье %1, уровни от %2 до %3")
                                     .arg(core::percentText(f.happinessPercent),
                                          QString::number(f.smallest), QString::number(f.largest)));
        } else {
            row.figures->setText(tr("нет прогноза"));
        }
        row.figures->setAccessibleName(who(k) + QStringLiteral(": ") + row.figures->text());
        row.sample->setCompose(
            [member](graph::RecordingCanvas& target, const graph::ChartArea& area) {
                if (member >= 0) {
                    target.setPenWidth(platform::kTwipsPerPixel * 1.5);
                    graph::drawMemberSample(target, member, area.left + 60,
                                            area.top + area.height / 2, area.width - 120);
                }
            });
    }
}

}  // namespace ui
