#include "platform/services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <memory>

#include "platform/help_viewer.h"
#include "platform/translations.h"

namespace platform {

namespace {

// The details behind a button of the box's own, named in Russian whether or
// not Qt's translation is installed; Qt's button renames itself on each click.
void showDetailsOnRequest(QMessageBox& box, const QString& details) {
    box.setDetailedText(details);
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) != QMessageBox::ActionRole) {
            continue;
        }
        const auto shown = std::make_shared<bool>(false);
        button->setText(QCoreApplication::translate("Services", "Подробности…"));
        // Queued: Qt renames its button after the click's other slots.
        QObject::connect(
            button, &QAbstractButton::clicked, button,
            [button, shown] {
                *shown = !*shown;
                button->setText(*shown
                                    ? QCoreApplication::translate("Services", "Скрыть подробности")
                                    : QCoreApplication::translate("Services", "Подробности…"));
            },
            Qt::QueuedConnection);
    }
}

}  // namespace

DesktopServices::DesktopServices(QString helpFile) : helpFile_(std::move(helpFile)) {}

void DesktopServices::message(QWidget* parent, const Message& m) {
    QMessageBox box(parent);
    box.setWindowTitle(m.title);
    // Texts carry file names and reasons from outside the program: never markup.
    box.setTextFormat(Qt::PlainText);
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
    // The button's own text, not Qt's translation of it, so that the
    // program's boxes look the same with or without Qt's Russian.
    box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    if (!m.details.isEmpty()) {
        showDetailsOnRequest(box, m.details);
    }
    if (m.helpContext > 0) {
        QPushButton* helpButton = box.addButton(QCoreApplication::translate("Services", "Справка"),
                                                QMessageBox::HelpRole);
        // Help opens the topic and leaves the box open: take the button's click
        // away from the box, which would close on it.
        QObject::disconnect(helpButton, &QAbstractButton::clicked, nullptr, nullptr);
        const int context = m.helpContext;
        QObject::connect(helpButton, &QPushButton::clicked, &box,
                         [this, parent, context] { help(parent, HelpCommand::Context, context); });
        // The help window has to take clicks while the box waits for its OK, so
        // the box holds back only its own window, not the whole program.
        if (parent) {
            box.setWindowModality(Qt::WindowModal);
        }
    }
    box.exec();
}

void DesktopServices::help(QWidget* parent, HelpCommand command, int context) {
    const QString file = helpFile_.isEmpty() ? helpFileIn(interfaceLanguage()) : helpFile_;
    if (!runHelp(file, command, context, parent)) {
        message(parent, missingHelpMessage(file));
    }
}

void DesktopServices::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace platform
