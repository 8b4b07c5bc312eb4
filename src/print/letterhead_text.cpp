#include "print/letterhead_text.h"

#include <QCoreApplication>

namespace print {

QString letterheadTextProblem(const QString& name, const QStringList& contacts) {
    if (core::visibleLength(name) > kPractitionerNameLimit) {
        return QCoreApplication::translate("print::LetterheadText",
                                           "Имя на бланке длиннее %1 символов.")
            .arg(kPractitionerNameLimit);
    }
    if (const QString problem = core::printedTextProblem(name); !problem.isEmpty()) {
        return QCoreApplication::translate("print::LetterheadText", "В имени на бланке %1.")
            .arg(problem);
    }
    if (contacts.size() > kContactLines) {
        return QCoreApplication::translate("print::LetterheadText",
                                           "На бланке помещается не больше трёх строк контактов.");
    }
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        const QString line = QString::number(i + 1);
        if (core::visibleLength(contacts[i]) > kContactLimit) {
            return QCoreApplication::translate("print::LetterheadText",
                                               "Строка контактов %1 длиннее %2 символов.")
                .arg(line, QString::number(kContactLimit));
        }
        if (const QString problem = core::printedTextProblem(contacts[i]); !problem.isEmpty()) {
            return QCoreApplication::translate("print::LetterheadText", "В строке контактов %1 %2.")
                .arg(line, problem);
        }
    }
    return {};
}

}  // namespace print
