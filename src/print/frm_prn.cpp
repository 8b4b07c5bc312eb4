#include "print/frm_prn.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <array>

#include "core/client_names.h"
#include "platform/face_button.h"
#include "platform/fonts.h"
#include "platform/units.h"
#include "platform/user_settings.h"
#include "print/language_box.h"
#include "print/person_fields.h"

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

// The captions stand left of their boxes; the boxes are the person's fields
// (PersonFields) at their places.
struct NamePlace {
    QString (*caption)();
    RectTw captionGeometry;
    const char* objectName;
    RectTw geometry;
};
// The least room between a caption and its box.
constexpr int kCaptionGap = 60;
constexpr std::array<NamePlace, 3> kNames{{
    {&PersonFields::surnameCaption, {495, 443, 870, 225}, "TxtFam", {1545, 383, 2805, 360}},
    {&PersonFields::nameCaption, {900, 923, 390, 225}, "TxtName", {1545, 833, 2805, 360}},
    {&PersonFields::patronymicCaption, {525, 1343, 855, 225}, "TxtOth", {1545, 1283, 2805, 360}},
}};

struct ButtonPlace {
    const char* objectName;
    const char* text;
    RectTw geometry;
};
constexpr ButtonPlace kPrintButton{
    "CmdPrintReal", QT_TRANSLATE_NOOP("print::FrmPrn", "Печать"), {4950, 503, 1455, 465}};
constexpr ButtonPlace kCancelButton{
    "CmdCancel", QT_TRANSLATE_NOOP("print::FrmPrn", "Отмена"), {4950, 1133, 1455, 435}};

const QString kRememberKey = QStringLiteral("print/rememberClient");

QFont boldFont(FontChoice choice) {
    return platform::uiFont(choice.face, choice.points, true);
}

// The box at its place, in the dialog's face and colour.
void placeEntry(QLineEdit* entry, const NamePlace& place) {
    entry->setObjectName(QString::fromLatin1(place.objectName));
    entry->setGeometry(place.geometry.toPx());
    entry->setFont(boldFont(kEntryFont));
    QPalette colours = entry->palette();
    colours.setColor(QPalette::Text, kEntryText);
    entry->setPalette(colours);
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
    setWindowTitle(tr("Сведения о клиенте, которому выполняется прогноз"));
    setWindowIcon(noIcon());
    setFixedSize(platform::px(kClientWidth), platform::px(kClientHeight));
    setSizeGripEnabled(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    person_ = new PersonFields(this, PersonFields::Names);
    QLineEdit* const boxes[] = {person_->surname(), person_->name(), person_->patronymic()};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const NamePlace& place = kNames[i];
        placeEntry(boxes[i], place);
        auto* label = new QLabel(place.caption(), this);
        label->setBuddy(boxes[i]);
        label->setGeometry(place.captionGeometry.toPx());
        label->setFont(boldFont(kLabelFont));
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The substitute face runs a little wider than the designed one; a
        // caption may reach into the gap before its text box rather than lose
        // its colon, and one longer still (another language's) moves left.
        const int width = std::max(label->width(), label->sizeHint().width());
        const int end = boxes[i]->x() - platform::px(kCaptionGap);
        label->setGeometry(std::max(0, std::min(label->x(), end - width)), label->y(), width,
                           label->height());
    }
    rememberBox_ = new QCheckBox(tr("Запомнить в картотеке"), this);
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
        *button =
            new platform::FaceButton(this, tr(place.text), place.geometry, boldFont(kButtonFont));
        (*button)->setObjectName(QString::fromLatin1(place.objectName));
    }
    printButton_->setDefault(true);

    setTabOrder(person_->surname(), person_->name());
    setTabOrder(person_->name(), person_->patronymic());
    setTabOrder(person_->patronymic(), rememberBox_);
    setTabOrder(rememberBox_, languageBox_);
    setTabOrder(languageBox_, printButton_);
    setTabOrder(printButton_, cancelButton_);
    person_->surname()->setFocus();

    connect(printButton_, &QPushButton::clicked, this, &FrmPrn::printClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPrn::setClientNames(const core::ClientNames& client) {
    core::Person p;
    p.names = client;
    person_->setPerson(p);
}

QLineEdit* FrmPrn::surnameBox() const {
    return person_->surname();
}

QLineEdit* FrmPrn::nameBox() const {
    return person_->name();
}

QLineEdit* FrmPrn::patronymicBox() const {
    return person_->patronymic();
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
    // A caption longer than its designed room («Report language:») moves the
    // box right, which has room beside it, rather than losing its first letters.
    const int gap = platform::px(kCaptionGap);
    const int boxLeft =
        std::max(languageBox_->x(), caption->x() + caption->sizeHint().width() + gap);
    languageBox_->move(boxLeft, languageBox_->y());
    caption->resize(boxLeft - gap - caption->x(), caption->height());
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
    const core::ClientNames typed = person_->person().names;
    const bool done = !onPrint_ || onPrint_(typed);
    printing_ = false;
    if (done) {
        accept();
    }
}

}  // namespace print
