// The book window's copy of the book: its menu, the copy kept apart, the
// book brought back from one, and the quiet reminder when a copy is due.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "book/client_book.h"
#include "platform/services.h"
#include "print/save_place.h"
#include "ui/book/book_model.h"
#include "ui/book/book_window.h"

namespace ui {

namespace {

// The set-aside rows a message lists; all of them are behind «Подробности».
constexpr int kSetAsideShown = 10;

QString copyFilter() {
    return QCoreApplication::translate("ui::BookWindow",
                                       "Копия картотеки (*.sqlite);;Все файлы (*)");
}

QString askCopyFile(QWidget* parent, bool forSaving) {
    const QString folder = print::lastSaveFolder(print::SavedFile::BookCopy);
    if (!forSaving) {
        return QFileDialog::getOpenFileName(
            parent, BookWindow::tr("Восстановить картотеку из копии"), folder, copyFilter());
    }
    const QString name = BookWindow::tr("Копия картотеки %1.sqlite")
                             .arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QString file = QFileDialog::getSaveFileName(parent, BookWindow::tr("Сохранить копию картотеки"),
                                                QDir(folder).filePath(name), copyFilter());
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty()) {
        file += QStringLiteral(".sqlite");
    }
    return file;
}

bool askRestore(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, BookWindow::tr("Восстановить из копии"), question,
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(BookWindow::tr("Восстановить"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(BookWindow::tr("Отмена"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace

void BookWindow::buildMenu() {
    askCopyFile_ = askCopyFile;
    confirmRestore_ = askRestore;
    menuBar_ = new QMenuBar(this);
    QMenu* menu = menuBar_->addMenu(tr("&Картотека"));
    menu->addAction(tr("Сохранить &копию…"), this, &BookWindow::saveCopy);
    menu->addAction(tr("&Восстановить из копии…"), this, &BookWindow::restoreCopy);
    menu->addSeparator();
    menu->addAction(tr("&Удалённые клиенты…"), this, &BookWindow::openBin);
    menu->addSeparator();
    QAction* turning = menu->addAction(tr("&Поворотные годы…"), this, &BookWindow::openTurning);
    turning->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    addAction(turning);
    menu->addAction(tr("Ка&лендарь (.ics)…"), this, &BookWindow::saveCalendar);
    menu->addAction(tr("О&тправить клиенту…"), this, &BookWindow::sendCurrent);
    menu->addAction(tr("Карточка для &мессенджера…"), this, &BookWindow::saveCard);
    // Also the window's own, so that the key works with the menu closed.
    QAction* undo =
        menu->addAction(tr("&Вернуть последних удалённых"), this, &BookWindow::undoDeletion);
    undo->setShortcut(QKeySequence::Undo);
    addAction(undo);
    menu->addSeparator();
    menu->addAction(tr("&Экспорт в CSV…"), this, &BookWindow::exportBook);
    menu->addAction(tr("&Импорт из CSV…"), this, &BookWindow::importBook);
    menu->addAction(tr("Экспорт &журнала и событий в CSV…"), this, &BookWindow::exportJournal);
    menu->addAction(tr("Импорт ж&урнала и событий из CSV…"), this, &BookWindow::importJournal);
    menu->addSeparator();
    menu->addAction(tr("&Закрыть"), this, &BookWindow::reject);
    buildClientMenu();
}

void BookWindow::saveCopy() {
    const QString file = askCopyFile_ ? askCopyFile_(this, true) : QString();
    if (file.isEmpty()) {
        return;
    }
    QString error;
    if (!book_.backup(file, &error)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    print::rememberSaveFolder(print::SavedFile::BookCopy, file);
    updateBackupLine();
    tell(tr("Копия картотеки сохранена в файл «%1»: %n клиентов.", nullptr, model_->clientCount())
             .arg(QDir::toNativeSeparators(file)),
         platform::MessageIcon::Information);
}

void BookWindow::restoreCopy() {
    const QString file = askCopyFile_ ? askCopyFile_(this, false) : QString();
    if (file.isEmpty()) {
        return;
    }
    const QString question =
        tr("Заменить картотеку копией из файла «%1»? Нынешняя картотека будет сохранена рядом "
           "с ней отдельным файлом.")
            .arg(QDir::toNativeSeparators(file));
    if (!confirmRestore_ || !confirmRestore_(this, question)) {
        return;
    }
    const book::ClientBook::RestoreReport report = restoreWithProgress(file);
    if (report.cancelled) {
        tell(tr("Восстановление из копии «%1» отменено: картотека осталась прежней.")
                 .arg(QDir::toNativeSeparators(file)),
             platform::MessageIcon::Information);
        return;
    }
    if (!report.done) {
        tell(report.error, platform::MessageIcon::Critical);
        return;
    }
    QString text =
        tr("Картотека восстановлена из копии «%1»: %n клиентов. Прежняя картотека "
           "сохранена в файле «%2».",
           nullptr, report.clients)
            .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(report.keptAs));
    if (report.setAsideCount == 0) {
        tell(text, platform::MessageIcon::Information);
        return;
    }
    // Rows that break the book's rules are not in it, and not lost either.
    text += QStringLiteral("\n\n") +
            tr("Записи копии, которые нарушают правила картотеки, не вошли в неё и отложены в "
               "«Удалённые клиенты» вместе с причиной (%n):",
               nullptr, report.setAsideCount);
    for (qsizetype k = 0; k < report.setAside.size() && k < kSetAsideShown; ++k) {
        text += QStringLiteral("\n• ") + report.setAside[k];
    }
    if (report.setAsideCount > kSetAsideShown) {
        text += u'\n' + tr("…и ещё %n.", nullptr, report.setAsideCount - kSetAsideShown);
    }
    services_.message(this, {text, tr("Восстановить из копии"), platform::MessageIcon::Warning, 0,
                             report.setAside.join(u'\n')});
}

book::ClientBook::RestoreReport BookWindow::restoreWithProgress(const QString& file) {
    // A large copy shows how far it is and can be stopped while it is read.
    book::ClientBook::RestoreReport report;
    withProgress(tr("Чтение копии «%1»…").arg(QFileInfo(file).fileName()),
                 tr("Восстановить из копии"),
                 [&](const Progress& progress) { report = book_.restore(file, progress); });
    return report;
}

void BookWindow::updateBackupLine() {
    const book::ClientBook::BackupState state = book_.backupState();
    if (!book_.isOpen() || !state.due) {
        backupLine_->hide();
        return;
    }
    backupLine_->setText(
        state.lastCopy.isValid()
            ? tr("Последняя копия картотеки сохранена %n дней назад, а картотека с тех "
                 "пор менялась. Сохраните новую: Картотека → Сохранить копию…",
                 nullptr, int(state.daysSinceCopy))
            : tr("Копия картотеки ещё ни разу не сохранялась. Сохраните её: "
                 "Картотека → Сохранить копию…"));
    backupLine_->show();
}

}  // namespace ui
