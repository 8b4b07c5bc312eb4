#include "platform/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, const QString& suggestedPath) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString askPdfFileName(QWidget* parent, const QString& title, const QString& suggestedPath) {
    return askSaveFileName(parent, title,
                           QCoreApplication::translate("FileDialogs", "Документ PDF (*.pdf)"),
                           QStringLiteral("pdf"), suggestedPath);
}

QString documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

}  // namespace platform
