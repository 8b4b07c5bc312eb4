// The question «Отправить клиенту…» asks: which document goes with the letter.

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/user_settings.h"
#include "ui/dialogs/send_to_client.h"

namespace ui {

namespace {

const QString kDocumentKey = QStringLiteral("send/document");

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

std::optional<core::MailDocument> askMailDocument(QWidget* parent, const MailRecipient& to) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SendDialog"));
    dialog.setWindowTitle(SendToClient::tr("Отправить клиенту"));
    auto* layout = new QVBoxLayout(&dialog);
    const QString names = core::fullName(to.person.names);
    layout->addWidget(plainLabel(
        SendToClient::tr("Письмо для «%1» <%2> подготовит ваша почтовая программа: вы увидите "
                         "его и отправите сами.")
            .arg(names.isEmpty() ? core::numericDate(to.person.birthDate) : names,
                 to.email.trimmed()),
        &dialog));
    layout->addWidget(plainLabel(SendToClient::tr("Что приложить к письму:"), &dialog));
    auto* report = new QRadioButton(SendToClient::tr("&Отчёт на одной странице"), &dialog);
    auto* booklet = new QRadioButton(
        SendToClient::tr("&Подробный отчёт (разделы — как в последнем подробном отчёте)"), &dialog);
    report->setObjectName(QStringLiteral("SendReport"));
    booklet->setObjectName(QStringLiteral("SendBooklet"));
    auto* choice = new QButtonGroup(&dialog);
    choice->addButton(report, int(core::MailDocument::Report));
    choice->addButton(booklet, int(core::MailDocument::Booklet));
    const int last = platform::userSettings().value(kDocumentKey, 0).toInt();
    (last == int(core::MailDocument::Booklet) ? booklet : report)->setChecked(true);
    layout->addWidget(report);
    layout->addWidget(booklet);
    layout->addWidget(plainLabel(
        SendToClient::tr("Язык документа и письма: %1 (как в карточке). Файл PDF сохраняется в "
                         "папке «%2» и остаётся там.")
            .arg(core::languageName(to.person.language),
                 QDir::toNativeSeparators(SendToClient::defaultFolder())),
        &dialog));
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* go =
        buttons->addButton(SendToClient::tr("Подготовить &письмо"), QDialogButtonBox::AcceptRole);
    go->setDefault(true);
    buttons->addButton(SendToClient::tr("Отмена"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(480);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    platform::userSettings().setValue(kDocumentKey, choice->checkedId());
    return core::MailDocument(choice->checkedId());
}

}  // namespace ui
