// The Linux side of the mail hand-over: xdg-email, which opens the letter in
// whatever mail program the desktop is set to use.

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "platform/mail_program.h"

namespace platform {

namespace {

// How long xdg-email may take before the letter counts as handed over: a
// mail program that was not running yet is started by it and keeps it
// waiting until the mail program closes.
constexpr int kWaitMs = 8000;

// The reasons a user reads, in the window's language.
class Words {
    Q_DECLARE_TR_FUNCTIONS(platform::MailProgram)
};

// What xdg-email's exit code says (its manual: 1 a syntax error, 2 a file
// missing, 3 a tool it needs is missing, 4 the action failed, 5 no right to
// read the file).
MailResult resultOf(int code) {
    switch (code) {
        case 0:
            return {MailOutcome::HandedOver, {}};
        case 1:
            return {MailOutcome::AddressRefused, Words::tr("xdg-email не принял письмо: адрес или "
                                                           "текст записаны не так, как он ждёт")};
        case 3:
            return {
                MailOutcome::NoMailProgram,
                Words::tr("на компьютере не найдена почтовая программа, которую xdg-email мог бы "
                          "открыть")};
        case 4:
            return {
                MailOutcome::NoMailProgram,
                Words::tr("почтовая программа рабочего стола не открылась (xdg-email: действие не "
                          "удалось)")};
        case 2:
        case 5:
            return {MailOutcome::Failed, Words::tr("xdg-email не смог прочитать приложенный файл")};
        default:
            break;
    }
    return {MailOutcome::Failed, Words::tr("xdg-email завершился с кодом %1").arg(code)};
}

}  // namespace

MailResult handToMailProgram(const MailDraft& draft) {
    for (const QString& address : draft.to) {
        if (!isMailAddress(address)) {
            return {MailOutcome::AddressRefused, Words::tr("это не адрес электронной почты")};
        }
    }
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) {
        return {MailOutcome::NoMailProgram,
                Words::tr("на компьютере нет программы xdg-email (пакет xdg-utils)")};
    }
    // Never deleted while it runs: a mail program started by xdg-email may
    // outlive this program, and a QProcess ends its process when destroyed.
    // Nothing flows through pipes that nobody would read then.
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QEventLoop loop;
    bool finished = false;
    bool failedToStart = false;
    int code = 0;
    QObject::connect(process, &QProcess::finished, &loop,
                     [&](int exitCode, QProcess::ExitStatus status) {
                         finished = true;
                         code = status == QProcess::NormalExit ? exitCode : -1;
                         loop.quit();
                     });
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
    // An argument list, never a command line: nothing in the letter reaches a shell.
    process->start(program, xdgEmailArguments(draft));
    // The windows repaint meanwhile; what the user types waits. (A start
    // that failed at once has said so already.)
    if (!failedToStart) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (finished || failedToStart) {
        delete process;
    } else {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    }
    if (failedToStart) {
        return {MailOutcome::NoMailProgram, Words::tr("программа xdg-email не запускается")};
    }
    if (!finished) {
        return {MailOutcome::HandedOver, {}};  // the mail program it started is open
    }
    return resultOf(code);
}

}  // namespace platform
