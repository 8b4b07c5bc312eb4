#include "print/frm_prn.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <array>

#include "core/client_names.h"
#include "platform/character_limit.h"
#include "platform/face_button.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/units.h"
#include "print/language_box.h"

namespace print {

namespace {

using platform::Face;
using platform::RectTw;

// The check box lies under the three boxes, aligned with them; the dialog
// grows by the box's height and everything else keeps its place.
constexpr RectTw kRememberBox{1545, 1733, 2805, 300};
// «Язык отчёта» under it, its caption ending where the other captions do.
constexpr RectTw kLanguageBox{1545, 2093, 2100, 345};
constexpr RectTw kLanguageCaption{195, 2153, 1290, 225};
constexpr int kLanguageRowHeight = 420;

constexpr int kClientWidth = 6765;
constexpr int kClientHeight = 2070 + kRememberBox.height + kLanguageRowHeight;

const QColor kBackground(224, 224, 224);
const QColor kEntryText(0, 128, 0);

struct FontChoice {
    Face face;
    double points;
};
constexpr FontChoice kLabelFont{Face::Arial, 9};
constexpr FontChoice kEntryFont{Face::MsSansSerif, 9.75};
constexpr FontChoice kButtonFont{Face::Arial, 9.75};

struct LabelPlace {
    const char* text;
    RectTw geometry;
};
constexpr std::array<LabelPlace, 3> kLabels{{
    {"Фамилия:", {495, 443, 870, 225}},
    {"Имя:", {900, 923, 390, 225}},
    {"Отчество:", {525, 1343, 855, 225}},
}};

struct EntryPlace {
    const char* objectName;
    RectTw geometry;
    int limit;  // characters, as a reader counts them
};
constexpr EntryPlace kSurnameBox{"TxtFam", {1545, 383, 2805, 360}, core::kSurnameLimit};
constexpr EntryPlace kNameBox{"TxtName", {1545, 833, 2805, 360}, core::kNameLimit};
constexpr EntryPlace kPatronymicBox{"TxtOth", {1545, 1283, 2805, 360}, core::kPatronymicLimit};

struct ButtonPlace {
    const char* objectName;
    const char* text;
    RectTw geometry;
};
constexpr ButtonPlace kPrintButton{"CmdPrintReal", "Печать", {4950, 503, 1455, 465}};
constexpr ButtonPlace kCancelButton{"CmdCancel", "Отмена", {4950, 1133, 1455, 435}};

const QString kRememberKey = QStringLiteral("print/rememberClient");

QFont boldFont(FontChoice choice) {
    return platform::uiFont(choice.face, choice.points, true);
}

QLineEdit* makeEntry(QWidget* parent, const EntryPlace& place) {
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(QString::fromLatin1(place.objectName));
    entry->setGeometry(place.geometry.toPx());
    entry->setFont(boldFont(kEntryFont));
    platform::limitCharacters(entry, place.limit);
    QPalette colours = entry->palette();
    colours.setColor(QPalette::Text, kEntryText);
    entry->setPalette(colours);
    return entry;
}

// No icon in the title bar: an empty picture rather than the program's icon.
QIcon noIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

}  // namespace

FrmPrn::FrmPrn(QWidget* owner, PrintCallback onPrint)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      onPrint_(std::move(onPrint)) {
    setObjectName(QStringLiteral("FrmPrn"));
    setWindowTitle(QStringLiteral("Сведения о клиенте, которому выполняется прогноз"));
    setWindowIcon(noIcon());
    setFixedSize(platform::px(kClientWidth), platform::px(kClientHeight));
    setSizeGripEnabled(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(QString::fromUtf8(place.text), this);
        label->setGeometry(place.geometry.toPx());
        label->setFont(boldFont(kLabelFont));
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The substitute face runs a little wider than the designed one; a
        // caption may reach into the gap before its text box rather than lose
        // its colon.
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    }

    surnameBox_ = makeEntry(this, kSurnameBox);
    nameBox_ = makeEntry(this, kNameBox);
    patronymicBox_ = makeEntry(this, kPatronymicBox);
    rememberBox_ = new QCheckBox(QStringLiteral("Запомнить в картотеке"), this);
    rememberBox_->setObjectName(QStringLiteral("ChkRemember"));
    rememberBox_->setGeometry(kRememberBox.toPx());
    rememberBox_->setFont(boldFont(kLabelFont));
    rememberBox_->setAutoFillBackground(true);
    rememberBox_->resize(std::max(rememberBox_->width(), rememberBox_->sizeHint().width()),
                         rememberBox_->height());
    rememberBox_->setChecked(platform::userSettings().value(kRememberKey, false).toBool());
    connect(rememberBox_, &QCheckBox::toggled, this,
            [](bool checked) { platform::userSettings().setValue(kRememberKey, checked); });
    buildLanguageRow();
    for (auto [button, place] :
         {std::pair{&printButton_, kPrintButton}, std::pair{&cancelButton_, kCancelButton}}) {
        *button = new platform::FaceButton(this, QString::fromUtf8(place.text), place.geometry,
                                           boldFont(kButtonFont));
        (*button)->setObjectName(QString::fromLatin1(place.objectName));
    }
    printButton_->setDefault(true);

    setTabOrder(surnameBox_, nameBox_);
    setTabOrder(nameBox_, patronymicBox_);
    setTabOrder(patronymicBox_, rememberBox_);
    setTabOrder(rememberBox_, languageBox_);
    setTabOrder(languageBox_, printButton_);
    setTabOrder(printButton_, cancelButton_);
    surnameBox_->setFocus();

    connect(printButton_, &QPushButton::clicked, this, &FrmPrn::printClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPrn::setClientNames(const core::ClientNames& client) {
    surnameBox_->setText(client.surname);
    nameBox_->setText(client.name);
    patronymicBox_->setText(client.patronymic);
}

void FrmPrn::setCommandText(const QString& text) {
    printButton_->setText(text);
    printButton_->setAccessibleName(text);
}

bool FrmPrn::rememberClient() const {
    return rememberBox_->isChecked();
}

void FrmPrn::buildLanguageRow() {
    languageBox_ = new LanguageBox(std::nullopt, this);
    languageBox_->setGeometry(kLanguageBox.toPx());
    languageBox_->setFont(boldFont(kLabelFont));
    auto* caption = new QLabel(LanguageBox::caption(), this);
    caption->setGeometry(kLanguageCaption.toPx());
    caption->setFont(boldFont(kLabelFont));
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    caption->setBuddy(languageBox_);
}

core::ReportLanguage FrmPrn::language() const {
    return languageBox_->language();
}

void FrmPrn::setLanguage(core::ReportLanguage language) {
    languageBox_->setLanguage(language);
}

void FrmPrn::printClicked() {
    // A second press while the report is still on its way must not print twice.
    if (printing_) {
        return;
    }
    printing_ = true;
    const core::ClientNames typed{surnameBox_->text(), nameBox_->text(), patronymicBox_->text()};
    const bool done = !onPrint_ || onPrint_(typed);
    printing_ = false;
    if (done) {
        accept();
    }
}

}  // namespace print
