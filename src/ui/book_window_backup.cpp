// The book window's copy of the book: its menu, the copy kept apart, the
// book brought back from one, and the quiet reminder when a copy is due.

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "book/client_book.h"
#include "core/counted.h"
#include "platform/services.h"
#include "print/save_place.h"
#include "ui/book_model.h"
#include "ui/book_window.h"

namespace ui {

namespace {

QString copyFilter() {
    return QStringLiteral("Копия картотеки (*.sqlite);;Все файлы (*)");
}

QString askCopyFile(QWidget* parent, bool forSaving) {
    const QString folder = print::lastSaveFolder(print::SavedFile::BookCopy);
    if (!forSaving) {
        return QFileDialog::getOpenFileName(
            parent, QStringLiteral("Восстановить картотеку из копии"), folder, copyFilter());
    }
    const QString name = QStringLiteral("Копия картотеки %1.sqlite")
                             .arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить копию картотеки"),
                                                QDir(folder).filePath(name), copyFilter());
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty()) {
        file += QStringLiteral(".sqlite");
    }
    return file;
}

bool askRestore(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Восстановить из копии"), question,
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("Восстановить"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == yes;
}

QString daysAgo(qint64 days) {
    return core::counted(days, "день", "дня", "дней");
}

}  // namespace

void BookWindow::buildMenu() {
    askCopyFile_ = askCopyFile;
    confirmRestore_ = askRestore;
    menuBar_ = new QMenuBar(this);
    QMenu* menu = menuBar_->addMenu(QStringLiteral("&Картотека"));
    menu->addAction(QStringLiteral("Сохранить &копию…"), this, &BookWindow::saveCopy);
    menu->addAction(QStringLiteral("&Восстановить из копии…"), this, &BookWindow::restoreCopy);
    menu->addSeparator();
    menu->addAction(QStringLiteral("&Экспорт в CSV…"), this, &BookWindow::exportBook);
    menu->addAction(QStringLiteral("&Импорт из CSV…"), this, &BookWindow::importBook);
    menu->addSeparator();
    menu->addAction(QStringLiteral("&Закрыть"), this, &BookWindow::reject);
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
    tell(QStringLiteral("Копия картотеки сохранена в файл «%1»: %2.")
             .arg(QDir::toNativeSeparators(file),
                  core::counted(model_->clientCount(), "клиент", "клиента", "клиентов")),
         platform::MessageIcon::Information);
}

void BookWindow::restoreCopy() {
    const QString file = askCopyFile_ ? askCopyFile_(this, false) : QString();
    if (file.isEmpty()) {
        return;
    }
    const QString question =
        QStringLiteral(
            "Заменить картотеку копией из файла «%1»? Нынешняя картотека будет сохранена рядом "
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
    tell(QStringLiteral("Картотека восстановлена из копии «%1»: %2. Прежняя картотека сохранена "
                        "в файле «%3».")
             .arg(QDir::toNativeSeparators(file),
                  core::counted(report.clients, "клиент", "клиента", "клиентов"),
                  QDir::toNativeSeparators(report.keptAs)),
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
            ? QStringLiteral("Последняя копия картотеки сохранена %1 назад, а картотека с тех "
                             "пор менялась. Сохраните новую: Картотека → Сохранить копию…")
                  .arg(daysAgo(state.daysSinceCopy))
            : QStringLiteral("Копия картотеки ещё ни разу не сохранялась. Сохраните её: "
                             "Картотека → Сохранить копию…"));
    backupLine_->show();
}

}  // namespace ui
