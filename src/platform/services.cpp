#include "platform/services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace platform {

void DesktopServices::message(QWidget* parent, const Message& m) {
    QMessageBox box(parent);
    box.setWindowTitle(m.title);
    box.setText(m.text);
    switch (m.icon) {
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
    box.addButton(QMessageBox::Ok);
    if (m.helpContext > 0) {
        QPushButton* helpButton = box.addButton(QStringLiteral("Справка"), QMessageBox::HelpRole);
        // Help opens the topic and leaves the box open: take the button away
        // from the box's own closing connection.
        helpButton->disconnect();
        const int context = m.helpContext;
        QObject::connect(helpButton, &QPushButton::clicked, &box,
                         [this, parent, context] { help(parent, HelpCommand::Context, context); });
    }
    box.exec();
}

void DesktopServices::help(QWidget* /*parent*/, HelpCommand /*command*/, int /*context*/) {}

void DesktopServices::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace platform
