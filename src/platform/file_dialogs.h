#pragma once

#include <QString>

class QWidget;

namespace platform {

// The file chooser of the desktop for saving a file of one type: a title, a
// filter such as "Документ PDF (*.pdf)" and the suffix added to a bare name.
// An empty answer means the user cancelled.
QString askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, const QString& suggestedPath);

// The same for a PDF file.
QString askPdfFileName(QWidget* parent, const QString& title, const QString& suggestedPath);

// The user's documents folder, or the home folder when there is none.
QString documentsFolder();

}  // namespace platform
