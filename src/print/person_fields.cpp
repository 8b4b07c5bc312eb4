#include "print/person_fields.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

#include "core/address.h"
#include "core/year_reading.h"
#include "platform/character_limit.h"

namespace print {

namespace {

// The gender list's entries, in this order.
constexpr core::Gender kGenders[] = {core::Gender::Unknown, core::Gender::Female,
                                     core::Gender::Male};

int indexOf(core::Gender gender) {
    return static_cast<int>(std::find(std::begin(kGenders), std::end(kGenders), gender) -
                            std::begin(kGenders));
}

// What a screen reader calls each control, and the caption a row of one
// person among others shows inside it.
constexpr const char* kSurname = QT_TRANSLATE_NOOP("print::PersonFields", "Фамилия");
constexpr const char* kName = QT_TRANSLATE_NOOP("print::PersonFields", "Имя");
constexpr const char* kPatronymic = QT_TRANSLATE_NOOP("print::PersonFields", "Отчество");
constexpr const char* kGender = QT_TRANSLATE_NOOP("print::PersonFields", "Пол");
constexpr const char* kAddress = QT_TRANSLATE_NOOP("print::PersonFields", "Обращение");
constexpr const char* kDay = QT_TRANSLATE_NOOP("print::PersonFields", "День рождения");
constexpr const char* kMonth = QT_TRANSLATE_NOOP("print::PersonFields", "Месяц рождения");
constexpr const char* kYear = QT_TRANSLATE_NOOP("print::PersonFields", "Год рождения");

QString translated(const char* text) {
    return QCoreApplication::translate("print::PersonFields", text);
}

// The year box selects its last two digits when it is clicked or entered,
// after the box has placed its cursor, so that two digits typed change the
// decade and the year.
class YearSelection : public QObject {
public:
    explicit YearSelection(QLineEdit* box) : QObject(box), box_(box) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, box_, [box = box_] {
                const int length = static_cast<int>(box->text().size());
                box->setSelection(std::min(2, length), length);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* box_;  // the parent
};

}  // namespace

PersonFields::PersonFields(QWidget* parent, Parts parts, const core::Person& person)
    : QObject(parent), person_(person), parts_(parts) {
    if (parts_ & Names) {
        buildNames(person);
    }
    if (parts_ & Card) {
        buildCard(person);
    }
    if (parts_ & Date) {
        buildDate(person);
    }
    nameControls();
    namesEdited();
}

void PersonFields::buildNames(const core::Person& person) {
    QWidget* parent = qobject_cast<QWidget*>(this->parent());
    const auto entry = [&](const QString& text, int limit) {
        auto* edit = new QLineEdit(text, parent);
        platform::limitCharacters(edit, limit);
        connect(edit, &QLineEdit::textEdited, this, &PersonFields::namesEdited);
        connect(edit, &QLineEdit::textChanged, this, &PersonFields::namesChanged);
        return edit;
    };
    const core::ClientNames& names = person.names;
    surname_ = entry(names.surname, core::kSurnameLimit);
    name_ = entry(names.name, core::kNameLimit);
    patronymic_ = entry(names.patronymic, core::kPatronymicLimit);
}

void PersonFields::buildCard(const core::Person& person) {
    QWidget* parent = qobject_cast<QWidget*>(this->parent());
    gender_ = new QComboBox(parent);
    gender_->addItems({tr("не указан"), tr("женский"), tr("мужской")});
    gender_->setCurrentIndex(indexOf(person.gender));
    genderPicked_ = person.gender != core::Gender::Unknown;
    address_ = new QLineEdit(person.address, parent);
    platform::limitCharacters(address_, core::kAddressLimit);
    address_->setToolTip(
        tr("Как обращается к клиенту приветствие подробного отчёта: «Мария Ивановна», "
           "«Андрію», «Маша». Пусто — как предлагают имя и отчество на языке отчёта."));
    connect(gender_, &QComboBox::activated, this, [this] {
        genderPicked_ = true;
        namesEdited();
    });
    connect(gender_, &QComboBox::currentIndexChanged, this, &PersonFields::namesChanged);
    connect(address_, &QLineEdit::textChanged, this, &PersonFields::namesChanged);
}

void PersonFields::buildDate(const core::Person& person) {
    QWidget* parent = qobject_cast<QWidget*>(this->parent());
    day_ = new QComboBox(parent);
    for (int d = 1; d <= 31; ++d) {
        day_->addItem(QString::number(d));
    }
    month_ = new QComboBox(parent);
    month_->addItems(core::monthNames(core::catalogueLanguage()));
    year_ = new QLineEdit(parent);
    year_->setMaxLength(4);
    year_->installEventFilter(new YearSelection(year_));
    // An out-of-range number is put back to the default year; text that is
    // not a number is left for the calculation to refuse. Connected first, so
    // that whoever follows the box reads the year it ends with.
    connect(year_, &QLineEdit::textChanged, year_, [box = year_] {
        if (core::yearBoxReplaces(box->text())) {
            box->setText(QString::fromLatin1(core::kDefaultYear));
        }
    });
    showDate(person.birthDate);
    connect(day_, &QComboBox::currentIndexChanged, this, &PersonFields::dateChanged);
    connect(month_, &QComboBox::currentIndexChanged, this, &PersonFields::dateChanged);
    connect(year_, &QLineEdit::textChanged, this, &PersonFields::dateChanged);
    // The proposed greeting depends on the age too.
    connect(this, &PersonFields::dateChanged, this, &PersonFields::namesEdited);
}

void PersonFields::showDate(const core::BirthDate& date) {
    // A day or a month out of range (a book written by another program)
    // chooses none, never the nearest valid one: the calculation then asks
    // for a date instead of taking one the user did not pick.
    day_->setCurrentIndex(core::dayInRange(date.day) ? date.day - 1 : -1);
    month_->setCurrentIndex(core::monthInRange(date.monthIndex) ? date.monthIndex : -1);
    year_->setText(date.year);
}

void PersonFields::addRows(QFormLayout* form) {
    for (QLineEdit* edit : {surname_, name_, patronymic_, address_}) {
        if (edit) {
            // Room for a usual name or address whole, the longest scroll.
            edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 24);
        }
    }
    if (parts_ & Names) {
        form->addRow(surnameCaption(), surname_);
        form->addRow(nameCaption(), name_);
        form->addRow(patronymicCaption(), patronymic_);
    }
    if (parts_ & Card) {
        form->addRow(tr("По&л:"), gender_);
        form->addRow(tr("О&бращение:"), address_);
    }
    if (parts_ & Date) {
        auto* row = new QHBoxLayout;
        row->addWidget(day_);
        row->addWidget(month_);
        row->addWidget(year_);
        row->addStretch(1);
        year_->setMaximumWidth(year_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                               year_->fontMetrics().averageCharWidth() * 3);
        form->addRow(tr("Дата &рождения:"), row);
        if (auto* caption = qobject_cast<QLabel*>(form->labelForField(row))) {
            caption->setBuddy(day_);
        }
    }
}

void PersonFields::usePlaceholders() {
    for (QLineEdit* edit : {surname_, name_, patronymic_}) {
        if (edit) {
            edit->setPlaceholderText(edit == surname_ ? translated(kSurname).toLower()
                                     : edit == name_  ? translated(kName).toLower()
                                                      : translated(kPatronymic).toLower());
        }
    }
    if (day_) {
        day_->setPlaceholderText(tr("день"));
        month_->setPlaceholderText(tr("месяц"));
        year_->setPlaceholderText(tr("год"));
    }
}

void PersonFields::setOwner(const QString& who) {
    owner_ = who;
    nameControls();
}

void PersonFields::nameControls() {
    const std::pair<QWidget*, const char*> named[] = {
        {surname_, kSurname}, {name_, kName}, {patronymic_, kPatronymic}, {gender_, kGender},
        {address_, kAddress}, {day_, kDay},   {month_, kMonth},           {year_, kYear}};
    for (const auto& [widget, text] : named) {
        if (widget) {
            widget->setAccessibleName(
                owner_.isEmpty() ? translated(text) : tr("%1: %2").arg(owner_, translated(text)));
        }
    }
}

core::Person PersonFields::person() const {
    core::Person p = person_;
    if (parts_ & Names) {
        p.names = {surname_->text(), name_->text(), patronymic_->text()};
    }
    if (parts_ & Card) {
        p.gender = kGenders[std::clamp(gender_->currentIndex(), 0, 2)];
        p.address = address_->text().simplified();
    }
    if (parts_ & Date) {
        p.birthDate = {day_->currentIndex() + 1, month_->currentIndex(), year_->text()};
    }
    return p;
}

void PersonFields::setPerson(const core::Person& person) {
    person_ = person;
    if (parts_ & Names) {
        surname_->setText(person.names.surname);
        name_->setText(person.names.name);
        patronymic_->setText(person.names.patronymic);
    }
    if (parts_ & Card) {
        gender_->setCurrentIndex(indexOf(person.gender));
        genderPicked_ = person.gender != core::Gender::Unknown;
        address_->setText(person.address);
    }
    if (parts_ & Date) {
        showDate(person.birthDate);
    }
    namesEdited();
}

void PersonFields::setLanguage(core::ReportLanguage language) {
    person_.language = language;
    namesEdited();
}

std::vector<QWidget*> PersonFields::controls() const {
    std::vector<QWidget*> shown;
    for (QWidget* w : std::initializer_list<QWidget*>{surname_, name_, patronymic_, gender_,
                                                      address_, day_, month_, year_}) {
        if (w) {
            shown.push_back(w);
        }
    }
    return shown;
}

QString PersonFields::surnameCaption() {
    return tr("&Фамилия:");
}

QString PersonFields::nameCaption() {
    return tr("&Имя:");
}

QString PersonFields::patronymicCaption() {
    return tr("&Отчество:");
}

// The proposals follow the names as they are typed.
void PersonFields::namesEdited() {
    if (!(parts_ & Card) || !(parts_ & Names)) {
        return;
    }
    if (!genderPicked_) {
        gender_->setCurrentIndex(indexOf(core::genderOfPatronymic(patronymic_->text())));
    }
    core::Person p = person();
    p.address.clear();
    address_->setPlaceholderText(core::addressOf(p));
}

}  // namespace print
