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

#include "book/client_book.h"
#include "platform/services.h"
#include "print/save_place.h"
#include "ui/book_model.h"
#include "ui/book_window.h"

namespace ui {

namespace {

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
    menu->addAction(tr("&Экспорт в CSV…"), this, &BookWindow::exportBook);
    menu->addAction(tr("&Импорт из CSV…"), this, &BookWindow::importBook);
    menu->addAction(tr("Экспорт &журнала и событий в CSV…"), this, &BookWindow::exportJournal);
    menu->addAction(tr("Импорт ж&урнала и событий из CSV…"), this, &BookWindow::importJournal);
    menu->addSeparator();
    menu->addAction(tr("&Закрыть"), this, &BookWindow::reject);
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
    const book::ClientBook::RestoreReport report = book_.restore(file);
    if (!report.done) {
        tell(report.error, platform::MessageIcon::Critical);
        return;
    }
    tell(tr("Картотека восстановлена из копии «%1»: %n клиентов. Прежняя картотека сохранена "
            "в файле «%2».",
            nullptr, report.clients)
             .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(report.keptAs)),
         platform::MessageIcon::Information);
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
