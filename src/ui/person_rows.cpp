#include "ui/person_rows.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <algorithm>

#include "core/address.h"
#include "platform/character_limit.h"

namespace ui {

namespace {

// The gender list's entries, in this order.
constexpr core::Gender kGenders[] = {core::Gender::Unknown, core::Gender::Female,
                                     core::Gender::Male};

int indexOf(core::Gender gender) {
    return static_cast<int>(std::find(std::begin(kGenders), std::end(kGenders), gender) -
                            std::begin(kGenders));
}

}  // namespace

PersonRows::PersonRows(QFormLayout* form, const core::Person& person, bool limitNames)
    : QObject(form), person_(person) {
    QWidget* parent = form->parentWidget();
    const auto entry = [&](const QString& text, int limit, const QString& label) {
        auto* edit = new QLineEdit(text, parent);
        if (limitNames) {
            platform::limitCharacters(edit, limit);
        } else {
            edit->setMaxLength(limit * 2);
        }
        // Room for a usual name or address whole, the longest scroll.
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 24);
        edit->setAccessibleName(label);
        return edit;
    };
    const core::ClientNames& names = person.names;
    surname_ = entry(names.surname, core::kSurnameLimit, tr("Фамилия"));
    name_ = entry(names.name, core::kNameLimit, tr("Имя"));
    patronymic_ = entry(names.patronymic, core::kPatronymicLimit, tr("Отчество"));
    gender_ = new QComboBox(parent);
    gender_->addItems({tr("не указан"), tr("женский"), tr("мужской")});
    gender_->setAccessibleName(tr("Пол"));
    gender_->setCurrentIndex(indexOf(person.gender));
    genderPicked_ = person.gender != core::Gender::Unknown;
    address_ = entry(person.address, core::kAddressLimit, tr("Обращение"));
    address_->setToolTip(
        tr("Как обращается к клиенту приветствие подробного отчёта: «Мария Ивановна», "
           "«Андрію», «Маша». Пусто — как предлагают имя и отчество на языке отчёта."));
    form->addRow(tr("&Фамилия:"), surname_);
    form->addRow(tr("&Имя:"), name_);
    form->addRow(tr("&Отчество:"), patronymic_);
    form->addRow(tr("По&л:"), gender_);
    form->addRow(tr("О&бращение:"), address_);
    for (QLineEdit* edit : {surname_, name_, patronymic_}) {
        connect(edit, &QLineEdit::textEdited, this, &PersonRows::namesEdited);
    }
    connect(gender_, &QComboBox::activated, this, [this] {
        genderPicked_ = true;
        namesEdited();
    });
    namesEdited();
}

core::Person PersonRows::person() const {
    core::Person p = person_;
    p.names = {surname_->text(), name_->text(), patronymic_->text()};
    p.gender = kGenders[std::clamp(gender_->currentIndex(), 0, 2)];
    p.address = address_->text().simplified();
    return p;
}

void PersonRows::setLanguage(core::ReportLanguage language) {
    person_.language = language;
    namesEdited();
}

// The proposals follow the names as they are typed.
void PersonRows::namesEdited() {
    if (!genderPicked_) {
        gender_->setCurrentIndex(indexOf(core::genderOfPatronymic(patronymic_->text())));
    }
    const core::Person p = person();
    address_->setPlaceholderText(core::proposedAddress(p.names, p.language, p.gender));
}

}  // namespace ui
