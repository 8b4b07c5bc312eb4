#include "ui/booklet_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/services.h"
#include "print/language_box.h"
#include "print/letterhead.h"

namespace ui {

namespace {

struct SectionRow {
    const char* caption;
    const char* key;
    bool core::BookletChoice::*flag;
};

constexpr std::array<SectionRow, 4> kSections{{
    {"Аспекты", "booklet/aspects", &core::BookletChoice::aspects},
    {"Ваш цикл", "booklet/cycle", &core::BookletChoice::cycle},
    {"Ближайшие годы", "booklet/outlook", &core::BookletChoice::outlook},
    {"Процент счастья", "booklet/happiness", &core::BookletChoice::happiness},
}};

const QString kSpanKey = QStringLiteral("booklet/years");
const QString kLetterheadKey = QStringLiteral("booklet/letterhead");

struct NameRow {
    const char* caption;
    int limit;
};
constexpr std::array<NameRow, 3> kNames{{{"Фамилия:", core::kSurnameLimit},
                                         {"Имя:", core::kNameLimit},
                                         {"Отчество:", core::kPatronymicLimit}}};

}  // namespace

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

BookletDialog::BookletDialog(platform::Services& services, const core::ClientNames& names,
                             QWidget* parent, std::optional<core::ReportLanguage> language)
    : QDialog(parent), services_(services) {
    setWindowTitle(QStringLiteral("Подробный отчёт"));
    const BookletOptions remembered = rememberedBookletOptions();
    auto* layout = new QVBoxLayout(this);
    auto* who = new QFormLayout;
    const QString typed[] = {names.surname, names.name, names.patronymic};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        names_[i] = new QLineEdit(typed[i], this);
        names_[i]->setMaxLength(kNames[i].limit * 2);
        who->addRow(QString::fromUtf8(kNames[i].caption), names_[i]);
    }
    language_ = new print::LanguageBox(language, this);
    who->addRow(print::LanguageBox::caption(), language_);
    layout->addLayout(who);
    auto* sections = new QGroupBox(QStringLiteral("Разделы"), this);
    auto* sectionLayout = new QVBoxLayout(sections);
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        sections_[i] = new QCheckBox(QString::fromUtf8(kSections[i].caption), sections);
        sections_[i]->setChecked(remembered.choice.*kSections[i].flag);
        sectionLayout->addWidget(sections_[i]);
    }
    layout->addWidget(sections);
    auto* spanRow = new QFormLayout;
    span_ = new QSpinBox(this);
    span_->setRange(core::kOutlookLeast, core::kOutlookMost);
    span_->setValue(remembered.choice.outlookYears);
    span_->setSuffix(QStringLiteral(" после этого"));
    spanRow->addRow(QStringLiteral("Ближайшие годы: этот и ещё"), span_);
    layout->addLayout(spanRow);
    letterhead_ = new QCheckBox(QStringLiteral("Печатать мой бланк"), this);
    // The letterhead itself, and whether reports carry it, is set in «Бланк отчёта…».
    const bool kept = print::loadLetterhead(platform::userSettings()).enabled;
    letterhead_->setEnabled(kept);
    letterhead_->setChecked(kept && remembered.letterhead);
    if (!kept) {
        letterhead_->setToolTip(QStringLiteral("Бланк включается в «Файл → Бланк отчёта…»."));
    }
    layout->addWidget(letterhead_);
    auto* buttons = new QDialogButtonBox(this);
    const std::pair<const char*, Target> commands[] = {
        {"Печать", Printout}, {"Просмотр", Preview}, {"Сохранить в PDF…", PdfFile}};
    for (const auto& [caption, target] : commands) {
        QPushButton* button =
            buttons->addButton(QString::fromUtf8(caption), QDialogButtonBox::AcceptRole);
        connect(button, &QPushButton::clicked, this, [this, t = target] { finish(t); });
    }
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

core::ClientNames BookletDialog::names() const {
    return {names_[0]->text(), names_[1]->text(), names_[2]->text()};
}

BookletOptions BookletDialog::options() const {
    BookletOptions o;
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        o.choice.*kSections[i].flag = sections_[i]->isChecked();
    }
    o.choice.outlookYears = span_->value();
    o.letterhead = letterhead_->isChecked();
    o.language = language_->language();
    return o;
}

// Names that cannot go onto a page are told and keep the dialog open.
void BookletDialog::finish(Target target) {
    if (const QString problem = core::clientNamesProblem(names()); !problem.isEmpty()) {
        services_.message(this, {problem, windowTitle(), platform::MessageIcon::Warning, 0});
        return;
    }
    rememberBookletOptions(options());
    done(target);
}

}  // namespace ui
