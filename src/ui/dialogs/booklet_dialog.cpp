#include "ui/dialogs/booklet_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/services.h"
#include "platform/text_store.h"
#include "platform/user_settings.h"
#include "print/language_box.h"
#include "print/letterhead.h"
#include "print/person_fields.h"

namespace ui {

namespace {

struct SectionRow {
    const char* caption;
    const char* key;
    bool core::BookletChoice::*flag;
};

constexpr std::array<SectionRow, 4> kSections{{
    {QT_TRANSLATE_NOOP("ui::BookletDialog", "Аспекты"), "booklet/aspects",
     &core::BookletChoice::aspects},
    {QT_TRANSLATE_NOOP("ui::BookletDialog", "Ваш цикл"), "booklet/cycle",
     &core::BookletChoice::cycle},
    {QT_TRANSLATE_NOOP("ui::BookletDialog", "Ближайшие годы"), "booklet/outlook",
     &core::BookletChoice::outlook},
    {QT_TRANSLATE_NOOP("ui::BookletDialog", "Процент счастья"), "booklet/happiness",
     &core::BookletChoice::happiness},
}};

const QString kSpanKey = QStringLiteral("booklet/years");
const QString kLetterheadKey = QStringLiteral("booklet/letterhead");

}  // namespace

core::BookletChoice bookletChoiceOn(const BookletOptions& options, const QDate& day) {
    core::BookletChoice choice = options.choice;
    choice.madeOn = day;
    choice.thisYear = day.year();
    return choice;
}

core::TextLibrary practitionerTexts(core::ReportLanguage language,
                                    const std::function<void(const QString&)>& warn) {
    platform::TextStore::Loaded texts =
        platform::TextStore::inDataFolder().load(core::languageCode(language));
    if (!texts.problem.isEmpty()) {
        warn(texts.problem);
    }
    return std::move(texts.library);
}

BookletOptions rememberedBookletOptions() {
    const platform::UserSettings settings = platform::userSettings();
    BookletOptions o;
    for (const SectionRow& row : kSections) {
        o.choice.*row.flag = settings.value(QString::fromUtf8(row.key), true).toBool();
    }
    o.choice.outlookYears = std::clamp(settings.value(kSpanKey, core::kOutlookDefault).toInt(),
                                       core::kOutlookLeast, core::kOutlookMost);
    o.letterhead = settings.value(kLetterheadKey, print::loadLetterhead(settings).enabled).toBool();
    o.language = print::lastReportLanguage();
    return o;
}

void rememberBookletOptions(const BookletOptions& options) {
    std::vector<std::pair<QString, QVariant>> values;
    for (const SectionRow& row : kSections) {
        values.emplace_back(QString::fromUtf8(row.key), options.choice.*row.flag);
    }
    values.emplace_back(kSpanKey, options.choice.outlookYears);
    values.emplace_back(kLetterheadKey, options.letterhead);
    platform::userSettings().setValues(values);
    print::rememberReportLanguage(options.language);
}

BookletDialog::BookletDialog(platform::Services& services, const core::Person& person,
                             QWidget* parent, std::optional<core::ReportLanguage> language)
    : QDialog(parent), services_(services) {
    setWindowTitle(tr("Подробный отчёт"));
    const BookletOptions remembered = rememberedBookletOptions();
    auto* layout = new QVBoxLayout(this);
    auto* who = new QFormLayout;
    layout->addLayout(who);
    person_ = new print::PersonFields(this, print::PersonFields::Names | print::PersonFields::Card,
                                      person);
    person_->addRows(who);
    language_ = new print::LanguageBox(language, this);
    who->addRow(print::LanguageBox::caption(), language_);
    person_->setLanguage(language_->language());
    connect(language_, &QComboBox::currentIndexChanged, this,
            [this] { person_->setLanguage(language_->language()); });
    auto* sections = new QGroupBox(tr("Разделы"), this);
    auto* sectionLayout = new QVBoxLayout(sections);
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        sections_[i] = new QCheckBox(tr(kSections[i].caption), sections);
        sections_[i]->setChecked(remembered.choice.*kSections[i].flag);
        sectionLayout->addWidget(sections_[i]);
    }
    layout->addWidget(sections);
    auto* spanRow = new QFormLayout;
    span_ = new QSpinBox(this);
    span_->setRange(core::kOutlookLeast, core::kOutlookMost);
    span_->setValue(remembered.choice.outlookYears);
    span_->setSuffix(tr(" после этого"));
    spanRow->addRow(tr("Ближайшие годы: этот и ещё"), span_);
    layout->addLayout(spanRow);
    letterhead_ = new QCheckBox(tr("Печатать мой бланк"), this);
    // The letterhead itself, and whether reports carry it, is set in «Бланк отчёта…».
    const bool kept = print::loadLetterhead(platform::userSettings()).enabled;
    letterhead_->setEnabled(kept);
    letterhead_->setChecked(kept && remembered.letterhead);
    if (!kept) {
        letterhead_->setToolTip(tr("Бланк включается в «Файл → Бланк отчёта…»."));
    }
    layout->addWidget(letterhead_);
    events_ = new QCheckBox(tr("Отметить события жизни на графике"), this);
    events_->setObjectName(QStringLiteral("bookletEvents"));
    offerEvents(false);
    layout->addWidget(events_);
    auto* buttons = new QDialogButtonBox(this);
    const std::pair<const char*, Target> commands[] = {
        {QT_TRANSLATE_NOOP("ui::BookletDialog", "Печать"), Printout},
        {QT_TRANSLATE_NOOP("ui::BookletDialog", "Просмотр"), Preview},
        {QT_TRANSLATE_NOOP("ui::BookletDialog", "Сохранить в PDF…"), PdfFile}};
    for (const auto& [caption, target] : commands) {
        QPushButton* button = buttons->addButton(tr(caption), QDialogButtonBox::AcceptRole);
        connect(button, &QPushButton::clicked, this, [this, t = target] { finish(t); });
    }
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void BookletDialog::offerEvents(bool clientHasEvents) {
    events_->setEnabled(clientHasEvents);
    events_->setChecked(false);
    events_->setToolTip(clientHasEvents
                            ? QString()
                            : tr("События жизни записываются в карточке клиента в картотеке."));
}

core::Person BookletDialog::person() const {
    core::Person p = person_->person();
    p.language = language_->language();
    return p;
}

QLineEdit* BookletDialog::nameBox(int i) const {
    QLineEdit* const boxes[] = {person_->surname(), person_->name(), person_->patronymic()};
    return boxes[std::clamp(i, 0, 2)];
}

BookletOptions BookletDialog::options() const {
    BookletOptions o;
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        o.choice.*kSections[i].flag = sections_[i]->isChecked();
    }
    o.choice.outlookYears = span_->value();
    o.letterhead = letterhead_->isChecked();
    o.language = language_->language();
    o.markEvents = events_->isEnabled() && events_->isChecked();
    return o;
}

// Names that cannot go onto a page are told and keep the dialog open.
void BookletDialog::finish(Target target) {
    const core::Person p = person();
    QString problem = core::clientNamesProblem(p.names);
    if (problem.isEmpty()) {
        problem = core::nameProblem(p.address, core::kAddressLimit, tr("Обращение"));
    }
    if (!problem.isEmpty()) {
        services_.message(this, {problem, windowTitle(), platform::MessageIcon::Warning, 0});
        return;
    }
    rememberBookletOptions(options());
    done(target);
}

}  // namespace ui
