// The texts window's saving, export, import and its undo, and the questions
// they ask before anything changes.

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "core/report_language.h"
#include "core/text_keys.h"
#include "platform/file_dialogs.h"
#include "platform/services.h"
#include "ui/texts/texts_window.h"

namespace ui {

namespace {

QString title() {
    return TextsWindow::tr("Тексты толкований");
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

TextsWindow::Unsaved askUnsavedBox(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, title(), TextsWindow::tr("Сохранить изменения?"),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(QCoreApplication::translate(
        "ui::TextsWindow", "Тексты толкований изменены, но ещё не сохранены."));
    QPushButton* save = box.addButton(TextsWindow::tr("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(TextsWindow::tr("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* stay = box.addButton(TextsWindow::tr("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(stay);
    box.exec();
    if (box.clickedButton() == save) {
        return TextsWindow::Unsaved::Save;
    }
    return box.clickedButton() == discard ? TextsWindow::Unsaved::Discard
                                          : TextsWindow::Unsaved::Stay;
}

bool confirmBox(QWidget* parent, const QString& question, const QString& yes) {
    QMessageBox box(QMessageBox::Question, title(), question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);  // the question names a file
    QPushButton* go = box.addButton(yes, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(TextsWindow::tr("Отмена"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == go;
}

QString askTextsFile(QWidget* parent, bool forSaving) {
    const QString filter = TextsWindow::tr("Тексты толкований (*.txt)");
    if (forSaving) {
        return platform::askSaveFileName(
            parent, TextsWindow::tr("Экспорт текстов толкований"), filter, QStringLiteral("txt"),
            QDir(platform::documentsFolder()).filePath(TextsWindow::tr("Тексты толкований.txt")));
    }
    return QFileDialog::getOpenFileName(parent, TextsWindow::tr("Импорт текстов толкований"),
                                        platform::documentsFolder(),
                                        filter + TextsWindow::tr(";;Все файлы (*)"));
}

}  // namespace

void TextsWindow::useDesktopDialogs() {
    askUnsaved_ = askUnsavedBox;
    confirm_ = confirmBox;
    askFile_ = askTextsFile;
}

void TextsWindow::tell(const QString& text, platform::MessageIcon icon) {
    services_.message(this, {text, title(), icon, 0});
}

void TextsWindow::say(const QString& text, bool problem) {
    said_ = text;
    saidProblem_ = problem;
    updateState();
}

bool TextsWindow::save() {
    if (const QString blocked = blockingProblem(); !blocked.isEmpty()) {
        tell(blocked, platform::MessageIcon::Warning);
        return false;
    }
    if (const QString failed = store_.save(library_.own()); !failed.isEmpty()) {
        tell(failed, platform::MessageIcon::Critical);
        say(failed, true);
        return false;
    }
    // Texts changed after an import are the practitioner's own now: undoing
    // the import would take them away too.
    if (canUndo_ && library_.own() != stored_) {
        store_.forgetUndo(language());
        canUndo_ = false;
    }
    stored_ = library_.own();
    say(tr("Тексты сохранены. Изменённых вами записей: %n.", nullptr, int(stored_.size())), false);
    return true;
}

void TextsWindow::exportTexts() {
    if (const QString blocked = blockingProblem(); !blocked.isEmpty()) {
        tell(blocked, platform::MessageIcon::Warning);
        return;
    }
    const QString path = askFile_ ? askFile_(this, true) : QString();
    if (path.isEmpty()) {
        return;
    }
    if (const QString failed = platform::writeTextFile(path, library_.own()); !failed.isEmpty()) {
        tell(failed, platform::MessageIcon::Critical);
        return;
    }
    say(tr("Тексты записаны в файл «%1». Изменённых вами записей в нём: %n.", nullptr,
           int(library_.own().size()))
            .arg(shown(path)),
        false);
}

// An import replaces the practitioner's whole set by the file's. It says how
// many entries will read differently and asks first; a file read only in
// part is offered for what could be read, with its problems named.
void TextsWindow::importTexts() {
    if (!settleUnsaved()) {
        return;
    }
    const QString path = askFile_ ? askFile_(this, false) : QString();
    if (path.isEmpty()) {
        return;
    }
    const platform::TextStore::ImportPreview preview = store_.previewImport(path, library_);
    if (!preview.importable) {
        tell(tr("Тексты из файла «%1» не импортированы, ваши тексты не изменились.\n\n%2")
                 .arg(shown(path), preview.problem),
             platform::MessageIcon::Critical);
        return;
    }
    if (preview.changes == 0) {
        tell(
            tr("В файле «%1» те же тексты, что у вас сейчас: ничего не изменено.").arg(shown(path)),
            platform::MessageIcon::Information);
        return;
    }
    const QString question =
        preview.problem.isEmpty()
            ? tr("Импорт из файла «%1» изменит записей: %n. Прежние тексты "
                 "сохранятся, и импорт можно будет отменить. Импортировать?",
                 nullptr, int(preview.changes))
                  .arg(shown(path))
            : tr("Файл «%1» прочитан не целиком:\n%2\n\nЗаписи, которые не удалось "
                 "прочитать, станут текстами программы. Импорт изменит записей: %n. "
                 "Прежние тексты сохранятся, и импорт можно будет отменить. "
                 "Импортировать прочитанное?",
                 nullptr, int(preview.changes))
                  .arg(shown(path), preview.problem);
    if (!confirm_ || !confirm_(this, question, tr("Импортировать"))) {
        return;
    }
    if (const QString failed = store_.applyImport(library_, preview.incoming); !failed.isEmpty()) {
        tell(failed, platform::MessageIcon::Critical);
        return;
    }
    canUndo_ = true;
    replaceLibrary(core::TextLibrary(preview.incoming));
    say(tr("Импортировано из файла «%1»: изменено записей %n. Прежние тексты "
           "вернёт «Отменить импорт».",
           nullptr, int(preview.changes))
            .arg(shown(path)),
        false);
}

void TextsWindow::undoImport() {
    if (!canUndo_) {
        return;
    }
    const QString question = hasUnsavedChanges()
                                 ? tr("Вернуть тексты, какими они были до импорта? Несохранённые "
                                      "изменения пропадут.")
                                 : tr("Вернуть тексты, какими они были до импорта?");
    if (!confirm_ || !confirm_(this, question, tr("Вернуть"))) {
        return;
    }
    platform::TextStore::Loaded back = store_.undoImport(language());
    canUndo_ = store_.canUndoImport(language());
    replaceLibrary(std::move(back.library));
    if (!back.problem.isEmpty()) {
        tell(back.problem, platform::MessageIcon::Critical);
        say(back.problem, true);
        return;
    }
    say(tr("Импорт отменён: тексты такие, какими были до него."), false);
}

// What the practitioner's file holds is what the window shows from now on.
void TextsWindow::replaceLibrary(core::TextLibrary library) {
    library_ = std::move(library);
    stored_ = library_.own();
    subject_.setLanguage(core::reportLanguageOr(language()));
    drafts_.clear();
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        markEntry(*it);
    }
    markBranches();
    applySearch();
    showEntry(tree_->currentItem());
}

QLayout* TextsWindow::buildLanguageRow() {
    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("TextsLanguage"));
    for (const QString& code : core::reportLanguageCodes()) {
        language_->addItem(core::languageName(core::reportLanguageOr(code)), code);
    }
    language_->setCurrentIndex(std::max(0, language_->findData(language())));
    connect(language_, &QComboBox::currentIndexChanged, this, &TextsWindow::switchLanguage);
    auto* caption = new QLabel(tr("Я&зык текстов:"), this);
    caption->setBuddy(language_);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(language_);
    row->addStretch(1);
    return row;
}

// Another language's texts, once changes not saved are settled as closing
// would settle them; staying puts the choice back.
void TextsWindow::switchLanguage() {
    const QString code = language_->currentData().toString();
    if (code == language()) {
        return;
    }
    if (!settleUnsaved()) {
        const QSignalBlocker still(language_);
        language_->setCurrentIndex(language_->findData(language()));
        return;
    }
    platform::TextStore::Loaded loaded = store_.load(code);
    canUndo_ = store_.canUndoImport(code);
    replaceLibrary(std::move(loaded.library));
    loadProblem_ = loaded.problem;
    if (loadProblem_.isEmpty()) {
        say(tr("Тексты на языке: %1.").arg(language_->currentText()), false);
    } else {
        tell(loadProblem_, platform::MessageIcon::Warning);
        say(loadProblem_, true);
    }
}

bool TextsWindow::settleUnsaved() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    switch (askUnsaved_ ? askUnsaved_(this) : Unsaved::Stay) {
        case Unsaved::Save:
            return save();
        case Unsaved::Discard:
            replaceLibrary(core::TextLibrary(stored_));
            return true;
        case Unsaved::Stay:
            break;
    }
    return false;
}

void TextsWindow::reject() {
    if (settleUnsaved()) {
        QDialog::reject();
    }
}

}  // namespace ui
