#include "platform/mail_program.h"

namespace platform {

namespace {

constexpr qsizetype kAddressMost = 254;
constexpr qsizetype kLocalPartMost = 64;

// The characters of a mail address's parts besides letters and digits. '?',
// '&', '%' and '=' would be read as the start of a mail link's fields, so
// they are left out though the mail standard allows some of them.
bool localCharacter(QChar c) {
    return c.isLetterOrNumber() || QStringView(u"!#$'*+/^_`{|}~.-").contains(c);
}

bool domainLabel(QStringView label) {
    if (label.isEmpty() || label.size() > 63 || label.front() == u'-' || label.back() == u'-') {
        return false;
    }
    for (const QChar c : label) {
        if (!c.isLetterOrNumber() && c != u'-') {
            return false;
        }
    }
    return true;
}

}  // namespace

bool isMailAddress(QStringView address) {
    if (address.size() > kAddressMost || address.count(u'@') != 1) {
        return false;
    }
    const qsizetype at = address.indexOf(u'@');
    const QStringView local = address.first(at);
    const QStringView domain = address.sliced(at + 1);
    if (local.isEmpty() || local.size() > kLocalPartMost || local.front() == u'-' ||
        local.front() == u'.' || local.back() == u'.' || local.contains(u"..")) {
        return false;
    }
    for (const QChar c : local) {
        if (!localCharacter(c)) {
            return false;
        }
    }
    const QList<QStringView> labels = domain.split(u'.');
    if (labels.size() < 2) {
        return false;  // a client's address always has a domain with a dot
    }
    for (const QStringView label : labels) {
        if (!domainLabel(label)) {
            return false;
        }
    }
    return true;
}

QStringList xdgEmailArguments(const MailDraft& draft) {
    // --utf8: the texts come as UTF-8 whatever the desktop's locale.
    QStringList arguments{QStringLiteral("--utf8")};
    // xdg-email refuses an empty text after an option (exit 1).
    if (!draft.subject.isEmpty()) {
        arguments << QStringLiteral("--subject") << draft.subject;
    }
    if (!draft.body.isEmpty()) {
        arguments << QStringLiteral("--body") << draft.body;
    }
    if (!draft.attachment.isEmpty()) {
        arguments << QStringLiteral("--attach") << draft.attachment;
    }
    arguments << draft.to;
    return arguments;
}

}  // namespace platform
