// Where the book lives and who may read it: the user's data folder, private
// to the user, and never reached through a symbolic link.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "book/book_private.h"
#include "book/client_book.h"
#include "platform/private_files.h"

namespace book {

QString ClientBook::defaultPath() {
    const QString folder = platform::dataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("clients.sqlite"));
}

namespace detail {

namespace {

QString linkText(const QString& book, const QString& what, const QString& link) {
    return QCoreApplication::translate(
               "BookPlace",
               "Картотека клиентов %1 недоступна: %2 %3 — символическая ссылка. Программа не "
               "открывает свои файлы через ссылки, чтобы не изменить чужой файл. Замените ссылку "
               "настоящим файлом или папкой.")
        .arg(quoted(book), what, quoted(link));
}

QString preparedFolder(const QString& book, const QString& folder) {
    using platform::PathKind;
    const platform::PathState state = platform::inspectPath(folder);
    switch (state.kind) {
        case PathKind::SymbolicLink:
            return linkText(book, QCoreApplication::translate("BookPlace", "папка"), folder);
        case PathKind::Missing:
            if (const QString why = platform::makePrivateFolder(folder); !why.isEmpty()) {
                return QCoreApplication::translate(
                           "BookPlace",
                           "Не удалось создать папку картотеки клиентов %1: %2. Проверьте, что в "
                           "папку данных разрешена запись и на диске есть место.")
                    .arg(quoted(folder), why);
            }
            return {};
        case PathKind::Folder:
            break;
        default:
            return QCoreApplication::translate(
                       "BookPlace",
                       "Не удалось создать папку картотеки клиентов %1: на её месте файл или "
                       "другой объект.")
                .arg(quoted(folder));
    }
    if (!state.mine) {
        return QCoreApplication::translate(
                   "BookPlace",
                   "Картотека клиентов %1 недоступна: папка %2 принадлежит другому пользователю.")
            .arg(quoted(book), quoted(folder));
    }
    // Names and dates of birth are nobody else's business.
    if (state.othersCanUse) {
        if (const QString why = platform::restrictToOwner(folder); !why.isEmpty()) {
            return QCoreApplication::translate(
                       "BookPlace",
                       "Картотека клиентов %1 недоступна: папку %2 могут читать другие "
                       "пользователи, а закрыть её от них не удалось: %3.")
                .arg(quoted(book), quoted(folder), why);
        }
    }
    return {};
}

}  // namespace

QString preparePlace(const QString& path) {
    using platform::PathKind;
    if (path.isEmpty()) {
        return QCoreApplication::translate(
            "BookPlace",
            "Картотека клиентов недоступна: в системе не найдена папка для данных пользователя.");
    }
    if (const QString problem = preparedFolder(path, QFileInfo(path).absolutePath());
        !problem.isEmpty()) {
        return problem;
    }
    switch (platform::inspectPath(path).kind) {
        case PathKind::File:
            return {};
        case PathKind::SymbolicLink:
            return linkText(path, QCoreApplication::translate("BookPlace", "файл"), path) +
                   untouchedText();
        case PathKind::Missing:
            if (const QString why = platform::createPrivateFile(path); !why.isEmpty()) {
                return QCoreApplication::translate(
                           "BookPlace",
                           "Не удалось создать файл картотеки клиентов %1: %2. Проверьте, что в "
                           "папку разрешена запись и на диске есть место.")
                    .arg(quoted(path), why);
            }
            return {};
        default:
            // A folder or a pipe under the book's name: SQLite would fail or wait forever.
            return QCoreApplication::translate(
                       "BookPlace",
                       "Картотека клиентов недоступна: %1 — не файл картотеки, а папка или "
                       "другой объект.")
                       .arg(quoted(path)) +
                   untouchedText();
    }
}

QString tightenFile(const QString& path) {
    const platform::PathState state = platform::inspectPath(path);
    if (!state.othersCanUse) {
        return {};
    }
    if (const QString why = platform::restrictToOwner(path); !why.isEmpty()) {
        return QCoreApplication::translate(
                   "BookPlace",
                   "Картотека клиентов недоступна: файл %1 могут читать другие пользователи, а "
                   "закрыть его от них не удалось: %2.")
            .arg(quoted(path), why);
    }
    return {};
}

}  // namespace detail

}  // namespace book
