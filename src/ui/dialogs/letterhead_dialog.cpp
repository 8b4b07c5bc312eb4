#include "ui/dialogs/letterhead_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/program_info.h"
#include "platform/character_limit.h"
#include "platform/file_dialogs.h"
#include "platform/screen_place.h"
#include "platform/services.h"
#include "platform/user_settings.h"
#include "print/letterhead.h"
#include "print/logo_picture.h"

namespace ui {

namespace {

constexpr int kPreviewSide = 64;    // pixels of the logo's picture in the dialog
constexpr int kBoxCharacters = 48;  // a text box shows this many average characters

// A box for one line of the letterhead, showing its beginning.
QLineEdit* lineBox(const QString& text, int limit, const QString& hint, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    platform::limitCharacters(box, limit);
    box->setPlaceholderText(hint);
    box->setText(text);
    box->setCursorPosition(0);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * kBoxCharacters);
    return box;
}

const std::array<const char*, 3> kContactHints{
    QT_TRANSLATE_NOOP("ui::LetterheadDialog", "Телефон"),
    QT_TRANSLATE_NOOP("ui::LetterheadDialog", "Электронная почта"),
    QT_TRANSLATE_NOOP("ui::LetterheadDialog", "Сайт")};

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

QString askLogoFileName(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, LetterheadDialog::tr("Логотип для бланка"), platform::documentsFolder(),
        print::svgLogosReadable()
            ? QCoreApplication::translate(
                  "ui::LetterheadDialog",
                  "Рисунки PNG, JPEG и SVG (*.png *.jpg *.jpeg *.svg *.svgz)")
            : QCoreApplication::translate("ui::LetterheadDialog",
                                          "Рисунки PNG и JPEG (*.png *.jpg *.jpeg)"));
}

LetterheadDialog::LetterheadDialog(platform::Services& services, QWidget* parent)
    : QDialog(parent),
      services_(services),
      ask_(askLogoFileName),
      chkUse_(new QCheckBox(tr("Печатать мой бланк"), this)),
      txtName_(nullptr),
      picLogo_(new QLabel(this)),
      lblLogo_(plainLabel(QString(), this)),
      cmdChoose_(new QPushButton(tr("Выбрать…"), this)),
      cmdRemove_(new QPushButton(tr("Убрать"), this)) {
    setWindowTitle(tr("Бланк отчёта"));
    setObjectName(QStringLiteral("LetterheadDialog"));
    platform::keepOnScreen(this);

    const print::LetterheadSettings kept = print::loadLetterhead(platform::userSettings());

    auto* form = new QFormLayout;
    form->addRow(chkUse_);
    chkUse_->setChecked(kept.enabled);
    buildLines(form, kept);

    picLogo_->setFixedSize(kPreviewSide, kPreviewSide);
    picLogo_->setAlignment(Qt::AlignCenter);
    picLogo_->setFrameShape(QFrame::StyledPanel);
    lblLogo_->setWordWrap(true);
    auto* logoButtons = new QHBoxLayout;
    logoButtons->addWidget(cmdChoose_);
    logoButtons->addWidget(cmdRemove_);
    logoButtons->addStretch();
    auto* logoText = new QVBoxLayout;
    logoText->addWidget(lblLogo_);
    logoText->addLayout(logoButtons);
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(picLogo_);
    logoRow->addLayout(logoText, 1);
    form->addRow(plainLabel(tr("Логотип:"), this), logoRow);
    // The thousands apart by a space that never breaks the line.
    QLabel* hint = plainLabel(
        (print::svgLogosReadable() ? tr("Рисунок PNG, JPEG или SVG не больше 20 МБ и "
                                        "%1 точек по стороне; программа хранит его копию.")
                                   : tr("Рисунок PNG или JPEG не больше 20 МБ и %1 точек по "
                                        "стороне; программа хранит его копию. Рисунки SVG эта "
                                        "сборка программы не читает."))
            .arg(QStringLiteral("10\u00A0000")),
        this);
    hint->setWordWrap(true);
    form->addRow(hint);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(tr("Сохранить"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LetterheadDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LetterheadDialog::reject);
    connect(cmdChoose_, &QPushButton::clicked, this, &LetterheadDialog::chooseLogo);
    connect(cmdRemove_, &QPushButton::clicked, this, &LetterheadDialog::removeLogo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    storedLogo_ = kept.logoFile;
    showKeptLogo();
}

// «Для страниц», the name and the contact lines of the entry it chooses.
void LetterheadDialog::buildLines(QFormLayout* form, const print::LetterheadSettings& kept) {
    lines_[0] = {kept.name, kept.contacts};
    for (std::size_t k = 0; k < kept.byLanguage.size(); ++k) {
        lines_[k + 1] = kept.byLanguage[k];
    }
    cboLanguage_ = new QComboBox(this);
    cboLanguage_->addItem(tr("на любом языке"));
    for (int k = 0; k < core::kReportLanguageCount; ++k) {
        cboLanguage_->addItem(
            tr("на языке: %1").arg(core::languageName(static_cast<core::ReportLanguage>(k))));
    }
    cboLanguage_->setToolTip(
        tr("Имя и контакты для страниц на одном языке — например, латиницей "
           "для английских. Пусто — как для страниц на любом языке."));
    auto* languageCaption = new QLabel(tr("Для &страниц:"), this);
    languageCaption->setBuddy(cboLanguage_);
    form->addRow(languageCaption, cboLanguage_);
    txtName_ = lineBox(QString(), print::kPractitionerNameLimit,
                       tr("Фамилия, имя и отчество или название"), this);
    form->addRow(plainLabel(tr("Имя на бланке:"), this), txtName_);
    for (std::size_t i = 0; i < txtContacts_.size(); ++i) {
        txtContacts_[i] = lineBox(QString(), print::kContactLimit, tr(kContactHints[i]), this);
        form->addRow(plainLabel(i == 0 ? tr("Контакты:") : QString(), this), txtContacts_[i]);
        connect(txtContacts_[i], &QLineEdit::textChanged, this, [this] { showContactHints(); });
    }
    showLines(0);
    connect(cboLanguage_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        keepShownLines();
        showLines(entry);
    });
}

void LetterheadDialog::showKeptLogo() {
    if (storedLogo_.isEmpty()) {
        showLogo({}, {});
        return;
    }
    // A kept copy that fails the check is set aside here, so that the dialog
    // always opens and the user can choose another.
    const print::Logo logo = print::readKeptLogo(&storedLogo_, kPreviewSide);
    showLogo(logo.image, logo.problem.isEmpty()
                             ? tr("Сохранён в программе.")
                             : tr("%1 Бланк печатается без логотипа.").arg(logo.problem));
}

void LetterheadDialog::showLogo(const QImage& picture, const QString& caption) {
    picLogo_->clear();
    if (!picture.isNull()) {
        picLogo_->setPixmap(QPixmap::fromImage(picture));
    }
    cmdRemove_->setEnabled(!storedLogo_.isEmpty() || !chosenLogo_.isEmpty());
    lblLogo_->setText(caption.isEmpty() ? tr("Нет: место логотипа на бланке останется пустым.")
                                        : caption);
}

void LetterheadDialog::chooseLogo() {
    const QString path = ask_ ? ask_(this) : QString();
    if (path.isEmpty()) {
        return;
    }
    print::Logo logo = print::readLogo(path, kPreviewSide);
    if (!logo.problem.isEmpty()) {
        warn(tr("%1 Выберите другой рисунок.").arg(logo.problem));
        return;
    }
    // What was checked now is what «Сохранить» keeps, whatever becomes of
    // the file in between.
    chosenLogo_ = std::move(logo.kept);
    showLogo(logo.image, QDir::toNativeSeparators(path));
}

void LetterheadDialog::removeLogo() {
    chosenLogo_.clear();
    storedLogo_.clear();
    showLogo({}, {});
}

void LetterheadDialog::keepShownLines() {
    print::LetterheadLines& lines = lines_[std::size_t(shownEntry_)];
    lines.name = txtName_->text();
    lines.contacts.clear();
    for (const QLineEdit* box : txtContacts_) {
        lines.contacts << box->text();
    }
}

// A language's boxes show the main lines, greyed, where it has none of its own.
void LetterheadDialog::showLines(int entry) {
    shownEntry_ = std::clamp(entry, 0, int(lines_.size()) - 1);
    const print::LetterheadLines& lines = lines_[std::size_t(shownEntry_)];
    const print::LetterheadLines& main = lines_[0];
    const bool own = shownEntry_ == 0;
    txtName_->setText(lines.name);
    txtName_->setPlaceholderText(
        own || main.name.isEmpty() ? tr("Фамилия, имя и отчество или название") : main.name);
    for (std::size_t i = 0; i < txtContacts_.size(); ++i) {
        txtContacts_[i]->setText(lines.contacts.value(static_cast<qsizetype>(i)));
    }
    showContactHints();
}

// The main contacts show greyed while the language has none of its own, as
// its pages then print them; once it has one, its pages print only its own.
void LetterheadDialog::showContactHints() {
    const print::LetterheadLines& main = lines_[0];
    bool ownContacts = shownEntry_ == 0;
    for (const QLineEdit* box : txtContacts_) {
        ownContacts = ownContacts || !box->text().trimmed().isEmpty();
    }
    for (std::size_t i = 0; i < txtContacts_.size(); ++i) {
        const QString kept = main.contacts.value(static_cast<qsizetype>(i));
        txtContacts_[i]->setPlaceholderText(ownContacts || kept.isEmpty() ? tr(kContactHints[i])
                                                                          : kept);
    }
}

void LetterheadDialog::accept() {
    keepShownLines();
    print::LetterheadSettings letterhead;
    letterhead.enabled = chkUse_->isChecked();
    letterhead.name = lines_[0].name;
    letterhead.contacts = lines_[0].contacts;
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        const QString textProblem =
            print::letterheadTextProblem(lines_[k].name, lines_[k].contacts);
        if (!textProblem.isEmpty()) {
            cboLanguage_->setCurrentIndex(int(k));
            warn(textProblem);
            return;
        }
        if (k > 0) {
            letterhead.byLanguage[k - 1] = lines_[k];
        }
    }
    letterhead.logoFile = storedLogo_;
    platform::UserSettings settings = platform::userSettings();
    // One step: on a failure the dialog stays open with everything as chosen,
    // and the kept letterhead and logo stay as they were.
    if (const QString problem = print::storeLetterhead(settings, letterhead, chosenLogo_);
        !problem.isEmpty()) {
        // The reasons of a failed write end without a full stop; the box ends the sentence.
        warn(tr("Бланк не сохранён. %1").arg(problem.endsWith(u'.') ? problem : problem + u'.'));
        return;
    }
    storedLogo_ = letterhead.logoFile;
    chosenLogo_.clear();
    QDialog::accept();
}

void LetterheadDialog::warn(const QString& text) {
    services_.message(this, {text, info::programName(), platform::MessageIcon::Warning, 0});
}

}  // namespace ui
