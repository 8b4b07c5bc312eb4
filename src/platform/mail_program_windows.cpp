// The Windows side of the mail hand-over: Simple MAPI, which every mail
// program of Windows offers (Outlook, Thunderbird and others). MAPI32.dll is
// loaded when a letter is handed over, so that the program starts without it.

#include "platform/windows_system.h"  // windows.h, before what builds on it

#include <mapi.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/mail_program.h"

namespace platform {

namespace {

// The wide forms of Simple MAPI's structures (Windows 8 and later); the
// MinGW headers have only the narrow ones. The layouts are the narrow ones
// with wide texts.
struct FileDescW {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    PWSTR lpszPathName;
    PWSTR lpszFileName;
    PVOID lpFileType;
};
struct RecipDescW {
    ULONG ulReserved;
    ULONG ulRecipClass;
    PWSTR lpszName;
    PWSTR lpszAddress;
    ULONG ulEIDSize;
    PVOID lpEntryID;
};
struct MessageW {
    ULONG ulReserved;
    PWSTR lpszSubject;
    PWSTR lpszNoteText;
    PWSTR lpszMessageType;
    PWSTR lpszDateReceived;
    PWSTR lpszConversationID;
    FLAGS flFlags;
    RecipDescW* lpOriginator;
    ULONG nRecipCount;
    RecipDescW* lpRecips;
    ULONG nFileCount;
    FileDescW* lpFiles;
};
using SendMailW = ULONG(WINAPI*)(LHANDLE, ULONG_PTR, MessageW*, FLAGS, ULONG);

// The letter is shown before it goes, and the mail program may ask the user
// to log on.
constexpr FLAGS kShowLetter = MAPI_DIALOG | MAPI_LOGON_UI;

// The reasons a user reads, in the window's language.
class Words {
    Q_DECLARE_TR_FUNCTIONS(platform::MailProgram)
};

MailResult resultOf(ULONG code) {
    switch (code) {
        case SUCCESS_SUCCESS:
            return {MailOutcome::HandedOver, {}};
        case MAPI_E_USER_ABORT:
            return {MailOutcome::Cancelled, {}};
        case MAPI_E_FAILURE:
        case MAPI_E_LOGIN_FAILURE:
        case MAPI_E_NOT_SUPPORTED:
            return {MailOutcome::NoMailProgram,
                    Words::tr("в Windows не выбрана почтовая программа по умолчанию")};
        case MAPI_E_BAD_RECIPTYPE:
        case MAPI_E_UNKNOWN_RECIPIENT:
        case MAPI_E_AMBIGUOUS_RECIPIENT:
            return {MailOutcome::AddressRefused, Words::tr("почтовая программа не приняла адрес")};
        case MAPI_E_ATTACHMENT_NOT_FOUND:
        case MAPI_E_ATTACHMENT_OPEN_FAILURE:
            return {MailOutcome::Failed, Words::tr("почтовая программа не смогла открыть файл")};
        default:
            break;
    }
    return {MailOutcome::Failed, Words::tr("почтовая программа ответила кодом MAPI %1").arg(code)};
}

// A text as the narrow entry takes it, in the system's code page.
std::string narrow(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// The file's path for the narrow entry: its short form when the long one has
// letters the code page lacks.
std::string narrowPath(const QString& path) {
    const std::wstring wide = windows::nativePath(path);
    if (QString::fromLocal8Bit(QByteArray::fromStdString(narrow(path))) == path) {
        return narrow(QDir::toNativeSeparators(path));
    }
    std::wstring shortPath(MAX_PATH, L'\0');
    const DWORD length = GetShortPathNameW(wide.c_str(), shortPath.data(), DWORD(shortPath.size()));
    shortPath.resize(length < shortPath.size() ? length : 0);
    return QString::fromStdWString(shortPath).toLocal8Bit().toStdString();
}

// The letter in the structures of one of MAPI's two forms, wide or in the
// system's code page: `text` and `filePath` give a text in that form, and
// what they give lives until the mail program has answered.
template <typename Chars, typename Recipient, typename FileDesc, typename Message, typename Send>
ULONG sendLetter(Send send, const MailDraft& draft,
                 const std::function<Chars(const QString&)>& text,
                 const std::function<Chars(const QString&)>& filePath) {
    Chars subject = text(draft.subject);
    Chars body = text(draft.body);
    Chars path = filePath(draft.attachment);
    Chars fileName = text(QFileInfo(draft.attachment).fileName());
    std::vector<Chars> names;
    std::vector<Chars> addresses;
    for (const QString& a : draft.to) {
        names.push_back(text(a));
        addresses.push_back(text(QStringLiteral("SMTP:") + a));
    }
    std::vector<Recipient> recipients(addresses.size());
    for (std::size_t k = 0; k < addresses.size(); ++k) {
        recipients[k] = {0, MAPI_TO, names[k].data(), addresses[k].data(), 0, nullptr};
    }
    FileDesc file{0, 0, ULONG(-1), path.data(), fileName.data(), nullptr};
    Message message{};
    message.lpszSubject = subject.data();
    message.lpszNoteText = body.data();
    message.nRecipCount = ULONG(recipients.size());
    message.lpRecips = recipients.data();
    message.nFileCount = draft.attachment.isEmpty() ? 0 : 1;
    message.lpFiles = &file;
    return send(0, 0, &message, kShowLetter, 0);
}

ULONG sendWide(SendMailW send, const MailDraft& draft) {
    return sendLetter<std::wstring, RecipDescW, FileDescW, MessageW>(
        send, draft, [](const QString& t) { return t.toStdWString(); },
        [](const QString& p) { return windows::nativePath(p); });
}

ULONG sendNarrow(LPMAPISENDMAIL send, const MailDraft& draft) {
    return sendLetter<std::string, MapiRecipDesc, MapiFileDesc, MapiMessage>(send, draft, narrow,
                                                                             narrowPath);
}

}  // namespace

MailResult handToMailProgram(const MailDraft& draft) {
    for (const QString& address : draft.to) {
        if (!isMailAddress(address)) {
            return {MailOutcome::AddressRefused, Words::tr("это не адрес электронной почты")};
        }
    }
    HMODULE mapi = LoadLibraryW(L"MAPI32.DLL");
    if (mapi == nullptr) {
        return {MailOutcome::NoMailProgram, Words::tr("в Windows нет библиотеки почты MAPI32.DLL")};
    }
    MailResult result{
        MailOutcome::NoMailProgram,
        Words::tr("почтовая программа Windows не умеет принимать письма от программ")};
    if (auto wide = reinterpret_cast<SendMailW>(
            reinterpret_cast<void*>(GetProcAddress(mapi, "MAPISendMailW")))) {
        result = resultOf(sendWide(wide, draft));
    } else if (auto narrowSend = reinterpret_cast<LPMAPISENDMAIL>(
                   reinterpret_cast<void*>(GetProcAddress(mapi, "MAPISendMail")))) {
        result = resultOf(sendNarrow(narrowSend, draft));
    }
    FreeLibrary(mapi);
    return result;
}

}  // namespace platform
