#include "ui/texts/texts_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "core/client_names.h"
#include "core/text_keys.h"
#include "platform/help_viewer.h"
#include "ui/texts/field_marks.h"
#include "ui/window_memory.h"

// The texts window's controls and the editing of one entry; saving, export
// and import are in texts_window_files.cpp.

namespace ui {

namespace {

constexpr int kKeyRole = Qt::UserRole;  // an entry's key on its tree item; none on a branch
constexpr int kTreeWidth = 330;         // pixels, before the user moves the splitter
constexpr int kEditorWidth = 620;
const QColor kProblemColour(0xb0, 0x10, 0x10);
const QColor kOffColour(0x70, 0x70, 0x70);

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

void colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// «Аспекты → Биополе → уровень 0».
QString entryTitle(const core::TextKey& entry) {
    QStringList parts = entry.place;
    parts << entry.caption;
    return parts.join(QStringLiteral(" → "));
}

}  // namespace

TextsWindow::TextsWindow(platform::Services& services, platform::TextStore store,
                         const PreviewSubject& subject, QWidget* parent)
    : QDialog(parent, Qt::Window),
      services_(services),
      store_(std::move(store)),
      subject_(subject) {
    setObjectName(QStringLiteral("TextsWindow"));
    setWindowTitle(tr("Тексты толкований[*]"));
    platform::TextStore::Loaded loaded = store_.load(core::textLanguages().front());
    library_ = std::move(loaded.library);
    stored_ = library_.own();
    subject_.setLanguage(core::reportLanguageOr(language()));
    loadProblem_ = std::move(loaded.problem);
    said_ = loadProblem_;
    saidProblem_ = !loadProblem_.isEmpty();
    canUndo_ = store_.canUndoImport(language());
    useDesktopDialogs();

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->addWidget(buildTreeSide());
    splitter_->addWidget(buildEditorSide());
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    splitter_->setSizes({kTreeWidth, kEditorWidth});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildLanguageRow());
    layout->addWidget(splitter_, 1);
    status_ = plainLabel(QString(), this);
    status_->setObjectName(QStringLiteral("TextsStatus"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    layout->addLayout(buildButtons());
    resize(kTreeWidth + kEditorWidth + 40, 660);

    auto* memory = new WindowMemory(this, QStringLiteral("texts"));
    // The dialog hides itself once more while it is being destroyed, after this
    // class has gone: the memory holds the splitter itself, which lives until then.
    memory->keep(
        QStringLiteral("splitter"), [splitter = splitter_] { return splitter->saveState(); },
        [splitter = splitter_](const QByteArray& kept) { splitter->restoreState(kept); });

    fillTree();
    connectControls();
    const QList<QWidget*> order{language_, search_, tree_,   switch_,     editor_, reset_,
                                preview_,  export_, import_, undoImport_, save_,   close_};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    selectEntry(core::textKeys().front().key);
}

TextsWindow::~TextsWindow() = default;

QWidget* TextsWindow::buildTreeSide() {
    auto* side = new QWidget(this);
    search_ = new QLineEdit(side);
    search_->setObjectName(QStringLiteral("TextsSearch"));
    search_->setPlaceholderText(tr("ключ или слова из текста"));
    search_->setClearButtonEnabled(true);
    tree_ = new QTreeWidget(side);
    tree_->setObjectName(QStringLiteral("TextsTree"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setAccessibleName(tr("Записи"));
    auto* find = new QHBoxLayout;
    find->addWidget(buddyLabel(tr("&Найти:"), search_));
    find->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(find);
    layout->addWidget(buddyLabel(tr("&Записи:"), tree_));
    layout->addWidget(tree_, 1);
    return side;
}

QWidget* TextsWindow::buildEditorSide() {
    auto* side = new QWidget(this);
    title_ = plainLabel(QString(), side);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    state_ = plainLabel(QString(), side);
    switch_ = new QCheckBox(tr("&Включать в отчёт"), side);
    editor_ = new QPlainTextEdit(side);
    editor_->setObjectName(QStringLiteral("TextsEditor"));
    editor_->setTabChangesFocus(true);
    new UnknownFieldMarks(editor_->document());
    count_ = plainLabel(QString(), side);
    reset_ = new QPushButton(tr("Вернуть текст по &умолчанию"), side);
    problem_ = plainLabel(QString(), side);
    problem_->setWordWrap(true);
    colour(problem_, kProblemColour);
    preview_ = new QPlainTextEdit(side);
    preview_->setObjectName(QStringLiteral("TextsPreview"));
    preview_->setReadOnly(true);
    preview_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    preview_->setFocusPolicy(Qt::StrongFocus);
    preview_->setTabChangesFocus(true);
    preview_->setAccessibleName(tr("Просмотр"));
    previewNote_ = plainLabel(subject_.note(), side);
    previewNote_->setWordWrap(true);
    colour(previewNote_, kOffColour);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(count_, 1);
    countRow->addWidget(reset_);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(state_);
    layout->addWidget(switch_);
    layout->addWidget(buddyLabel(tr("&Текст:"), editor_));
    layout->addWidget(editor_, 3);
    layout->addLayout(countRow);
    layout->addWidget(problem_);
    layout->addWidget(buddyLabel(tr("&Просмотр:"), preview_));
    layout->addWidget(previewNote_);
    layout->addWidget(preview_, 2);
    return side;
}

QLayout* TextsWindow::buildButtons() {
    export_ = new QPushButton(tr("&Экспорт…"), this);
    export_->setToolTip(tr("Записать свои тексты в файл, чтобы перенести их"));
    import_ = new QPushButton(tr("&Импорт…"), this);
    import_->setToolTip(tr("Взять тексты из файла; прежние можно будет вернуть"));
    undoImport_ = new QPushButton(tr("&Отменить импорт"), this);
    undoImport_->setToolTip(tr("Вернуть тексты, какими они были до импорта"));
    save_ = new QPushButton(tr("&Сохранить"), this);
    save_->setToolTip(tr("Ctrl+S: сохранить тексты"));
    close_ = new QPushButton(tr("Закр&ыть"), this);
    for (QPushButton* button : {export_, import_, undoImport_, save_, close_}) {
        button->setAutoDefault(false);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(export_);
    row->addWidget(import_);
    row->addWidget(undoImport_);
    row->addStretch(1);
    row->addWidget(save_);
    row->addWidget(close_);
    return row;
}

void TextsWindow::connectControls() {
    connect(search_, &QLineEdit::textChanged, this, &TextsWindow::applySearch);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { showEntry(item); });
    connect(editor_, &QPlainTextEdit::textChanged, this, &TextsWindow::textEdited);
    connect(switch_, &QCheckBox::toggled, this, &TextsWindow::switchToggled);
    connect(reset_, &QPushButton::clicked, this, &TextsWindow::resetEntry);
    connect(export_, &QPushButton::clicked, this, &TextsWindow::exportTexts);
    connect(import_, &QPushButton::clicked, this, &TextsWindow::importTexts);
    connect(undoImport_, &QPushButton::clicked, this, &TextsWindow::undoImport);
    connect(save_, &QPushButton::clicked, this, &TextsWindow::save);
    connect(close_, &QPushButton::clicked, this, &TextsWindow::reject);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &TextsWindow::save);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        search_->setFocus();
        search_->selectAll();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, [this] {
        services_.help(this, platform::HelpCommand::Context, platform::kTextsHelpTopic);
    });
}

void TextsWindow::fillTree() {
    QHash<QString, QTreeWidgetItem*> branches;  // by their place, "Аспекты/Биополе"
    QHash<QString, QTreeWidgetItem*> leaves;    // by their key
    for (const core::TextKey& entry : core::textKeys()) {
        // A women's or men's variant stands under the entry it varies.
        if (QTreeWidgetItem* varied = leaves.value(entry.variantOf)) {
            auto* leaf = new QTreeWidgetItem(varied, {entry.caption});
            leaf->setData(0, kKeyRole, entry.key);
            markEntry(leaf);
            continue;
        }
        QTreeWidgetItem* parent = nullptr;
        QString path;
        for (const QString& branch : entry.place) {
            path += branch + u'/';
            QTreeWidgetItem*& item = branches[path];
            if (item == nullptr) {
                item = parent ? new QTreeWidgetItem(parent, {branch})
                              : new QTreeWidgetItem(tree_, {branch});
            }
            parent = item;
        }
        auto* leaf = parent ? new QTreeWidgetItem(parent, {entry.caption})
                            : new QTreeWidgetItem(tree_, {entry.caption});
        leaf->setData(0, kKeyRole, entry.key);
        leaves.insert(entry.key, leaf);
        markEntry(leaf);
    }
    markBranches();
}

bool TextsWindow::selectEntry(QStringView key) {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if ((*it)->data(0, kKeyRole).toString() == key) {
            if ((*it)->isHidden()) {
                search_->clear();
            }
            tree_->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

void TextsWindow::showEntry(QTreeWidgetItem* item) {
    key_ = item ? item->data(0, kKeyRole).toString() : QString();
    const core::TextKey* entry = core::findTextKey(key_);
    const QScopedValueRollback<bool> filling(loading_, true);
    title_->setText(entry ? entryTitle(*entry) : tr("Выберите запись в дереве слева."));
    switch_->setVisible(entry && entry->switchable);
    switch_->setChecked(entry && library_.isOn(key_));
    editor_->setEnabled(entry != nullptr);
    editor_->setPlainText(entry ? drafts_.value(key_, library_.text(key_)) : QString());
    values_ = entry ? subject_.values(key_) : core::FieldValues();
    updatePreview();
    updateState();
}

void TextsWindow::textEdited() {
    if (loading_ || key_.isEmpty()) {
        return;
    }
    const QString text = editor_->toPlainText();
    const bool wasChanged = library_.isChanged(key_) || drafts_.contains(key_);
    if (library_.setText(key_, text).isEmpty()) {
        drafts_.remove(key_);
    } else {
        drafts_.insert(key_, text);  // kept as typed, never cut, and not saved
    }
    // The tree's marks change only when the entry's own does; a keystroke
    // must leave the rest of its frame to the preview.
    if (wasChanged != (library_.isChanged(key_) || drafts_.contains(key_))) {
        markEntry(tree_->currentItem());
        markBranches();
    }
    updatePreview();
    updateState();
}

void TextsWindow::switchToggled(bool on) {
    if (loading_ || key_.isEmpty()) {
        return;
    }
    library_.setOn(key_, on);
    markEntry(tree_->currentItem());
    updatePreview();
    updateState();
}

void TextsWindow::resetEntry() {
    if (key_.isEmpty()) {
        return;
    }
    library_.resetToDefault(key_);
    drafts_.remove(key_);
    markEntry(tree_->currentItem());
    markBranches();
    showEntry(tree_->currentItem());
}

void TextsWindow::applySearch() {
    const QString wanted = search_->text().trimmed();
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        const QString key = (*it)->data(0, kKeyRole).toString();
        if (key.isEmpty()) {
            continue;  // a branch shows while any of its entries does (markBranches)
        }
        const core::TextKey& entry = *core::findTextKey(key);
        const bool found =
            wanted.isEmpty() || key.contains(wanted, Qt::CaseInsensitive) ||
            entryTitle(entry).contains(wanted, Qt::CaseInsensitive) ||
            drafts_.value(key, library_.text(key)).contains(wanted, Qt::CaseInsensitive);
        (*it)->setHidden(!found);
    }
    markBranches();
    if (wanted.isEmpty()) {
        tree_->collapseAll();
        if (QTreeWidgetItem* current = tree_->currentItem()) {
            tree_->scrollToItem(current);
        }
    } else {
        tree_->expandAll();
    }
}

void TextsWindow::markEntry(QTreeWidgetItem* item) {
    const QString key = item ? item->data(0, kKeyRole).toString() : QString();
    if (key.isEmpty()) {
        return;
    }
    const bool changed = library_.isChanged(key) || drafts_.contains(key);
    QFont font = tree_->font();
    font.setBold(changed);
    item->setFont(0, font);
    const core::TextKey& entry = *core::findTextKey(key);
    item->setText(0, changed ? entry.caption + QStringLiteral(" ✎") : entry.caption);
    QString tip = changed ? tr("Текст изменён вами") : tr("Текст программы");
    if (!library_.isOn(key)) {
        tip = tr("%1; в отчёт не включается").arg(tip);
    }
    item->setToolTip(0, QStringLiteral("%1 [%2]").arg(tip, key));
    item->setForeground(0, library_.isOn(key) ? tree_->palette().text().color() : kOffColour);
}

// A branch is bold while it holds a changed entry, so that a folded tree
// still shows where the changes are, and hidden while the search hides all of
// its entries.
void TextsWindow::markBranches() {
    std::function<std::pair<int, int>(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
        const QString key = item->data(0, kKeyRole).toString();
        int changed = 0;
        int shown = 0;
        for (int i = 0; i < item->childCount(); ++i) {
            const auto [c, s] = walk(item->child(i));
            changed += c;
            shown += s;
        }
        // An entry with variants under it shows while it or one of them does.
        if (!key.isEmpty()) {
            const bool own = library_.isChanged(key) || drafts_.contains(key);
            if (shown > 0) {
                item->setHidden(false);
            }
            return std::pair{changed + (own ? 1 : 0), item->isHidden() ? 0 : 1};
        }
        QFont font = tree_->font();
        font.setBold(changed > 0);
        item->setFont(0, font);
        item->setToolTip(0, changed > 0 ? tr("Изменено записей: %n", nullptr, changed) : QString());
        item->setHidden(shown == 0);
        return std::pair{changed, shown};
    };
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        walk(tree_->topLevelItem(i));
    }
}

void TextsWindow::updatePreview() {
    if (key_.isEmpty()) {
        preview_->clear();
        previewNote_->setText(subject_.note());
        return;
    }
    // An empty women's or men's variant is the entry itself: the preview shows what is read.
    const core::TextKey* entry = core::findTextKey(key_);
    const QString varied = entry ? entry->variantOf : QString();
    QString text = core::normalizedText(editor_->toPlainText());
    QString note = subject_.note();
    if (text.isEmpty() && !varied.isEmpty()) {
        text = library_.text(varied);
        note = tr("%1 Вариант пуст: читается сама запись.").arg(note);
    }
    preview_->setPlainText(core::fillFields(text, values_));
    previewNote_->setText(library_.isOn(varied.isEmpty() ? key_ : varied)
                              ? note
                              : tr("%1 Эта запись сейчас не включается в отчёт.").arg(note));
}

void TextsWindow::updateState() {
    const core::TextKey* entry = core::findTextKey(key_);
    const bool draft = drafts_.contains(key_);
    const bool changed = entry && (library_.isChanged(key_) || draft);
    state_->setText(!entry    ? QString()
                    : changed ? tr("[%1] — текст изменён вами").arg(key_)
                              : tr("[%1] — текст программы").arg(key_));
    reset_->setEnabled(changed);
    const QString text = core::normalizedText(editor_->toPlainText());
    const int length = entry ? core::visibleLength(text) : 0;
    count_->setText(
        entry
            ? tr("%1 из %2 знаков").arg(QString::number(length), QString::number(core::kTextLimit))
            : QString());
    colour(count_, length > core::kTextLimit ? kProblemColour : palette().windowText().color());
    QStringList problems;
    if (draft) {
        problems << core::textProblem(text);
    }
    if (entry) {
        problems << unknownFieldsNote(text);
    }
    problems.removeAll(QString());
    problem_->setText(problems.join(u'\n'));
    problem_->setHidden(problems.isEmpty());

    const QString blocked = blockingProblem();
    save_->setEnabled(hasUnsavedChanges() && blocked.isEmpty());
    save_->setToolTip(blocked.isEmpty() ? tr("Ctrl+S: сохранить тексты") : blocked);
    undoImport_->setEnabled(canUndo_);
    status_->setText(blocked.isEmpty() ? said_ : blocked);
    status_->setHidden(status_->text().isEmpty());
    colour(status_,
           blocked.isEmpty() && !saidProblem_ ? palette().windowText().color() : kProblemColour);
    setWindowModified(hasUnsavedChanges());
}

bool TextsWindow::hasUnsavedChanges() const {
    return !drafts_.isEmpty() || library_.own() != stored_;
}

QString TextsWindow::blockingProblem() const {
    for (const core::TextKey& entry : core::textKeys()) {
        if (const auto draft = drafts_.constFind(entry.key); draft != drafts_.constEnd()) {
            return tr("Сохранить нельзя: запись «%1». %2")
                .arg(entryTitle(entry), core::textProblem(core::normalizedText(*draft)));
        }
    }
    return {};
}

void TextsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A file that could not be read whole is told once, when the window first opens.
    if (!loadProblem_.isEmpty() && !toldLoadProblem_) {
        toldLoadProblem_ = true;
        tell(loadProblem_, platform::MessageIcon::Warning);
    }
}

}  // namespace ui
