#include "print/letterhead_text.h"

namespace print {

QString letterheadTextProblem(const QString& name, const QStringList& contacts) {
    if (core::visibleLength(name) > kPractitionerNameLimit) {
        return QStringLiteral("Имя на бланке длиннее %1 символов.").arg(kPractitionerNameLimit);
    }
    if (contacts.size() > kContactLines) {
        return QStringLiteral("На бланке помещается не больше трёх строк контактов.");
    }
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        if (core::visibleLength(contacts[i]) > kContactLimit) {
            return QStringLiteral("Строка контактов %1 длиннее %2 символов.")
                .arg(i + 1)
                .arg(kContactLimit);
        }
    }
    return {};
}

}  // namespace print
