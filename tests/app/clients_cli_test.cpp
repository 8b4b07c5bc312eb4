#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QByteArray kList =
    "Фамилия;Имя;Отчество;Дата рождения\r\n"
    "Иванова;Мария;Петровна;23.08.1975\r\n"
    "Петров;Иван;;45.01.1990\r\n"
    "Сидоров;;;01.01.2005\r\n"
    ";;;01.02.1985\r\n";

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray pdf = file.readAll();
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1)) {
        pages += pdf.mid(at + 11, 1) != "s";
    }
    return pages;
}

}  // namespace

// Each row: the arguments after --pdf FILE, what standard input holds, the
// exit code, the pages written (-1: no file) and what standard error says.
TEST(CompanionClients, OnePagePerRowAndTheFailures) {
    QTemporaryDir dir;
    const QString list = dir.filePath("клиенты.csv");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kList);
    file.close();
    const QString logo = dir.filePath("logo.png");
    QFile::copy(list, logo);  // never read: refused before
    // A note too long for the book is no reason to leave a page out; a row in
    // another encoding after 64 KB of UTF-8, through a pipe, is named.
    const QByteArray noted =
        "Фамилия;Имя;Отчество;Дата рождения;Примечание\n"
        "А;Б;В;01.01.1960;" +
        QByteArray("ж").repeated(40000) + "\nГ;Д;Е;02.02.1970;\n";
    const QByteArray stray = noted + QByteArray("\xc8\xe2\xe0\xed;;;03.03.1980;\n");
    const struct {
        QStringList args;
        QByteArray input;
        int exitCode;
        int pages;
        const char* says;
    } cases[] = {
        {{"--clients", list}, {}, 2, 2, "Строка 3 файла"},
        {{"--clients", "-", "--practitioner", "Анна Сергеевна"},
         kList,
         2,
         2,
         "Строка 5 стандартного ввода"},
        {{"--clients", "-"},
         "Фамилия,Имя,Отчество,День,Месяц,Год\n"
         "А,Б,В,1,Январь,1960\n",
         0,
         1,
         ""},
        {{"--clients", "-"},
         "Фамилия,Имя,Отчество,День,Месяц,Год\n"
         "А,Б,В,1,1,19a0\n",
         2,
         -1,
         "Строка 2"},
        {{"--clients", dir.filePath("нет.csv")}, {}, 1, -1, "не существует"},
        {{"--clients", "-"}, "не список\n", 1, -1, "не список клиентов"},
        {{"--clients", list, "23", "8", "1975"}, {}, 1, -1, "дата в командной строке не нужна"},
        {{"--clients", list, "--surname", "Иванова"}, {}, 1, -1, "--surname не нужен"},
        {{"--clients", list, "--json"}, {}, 1, -1, "нельзя указать --json"},
        {{"--clients", list, "--mark-year", "2000"}, {}, 1, -1, "нельзя указать --mark-year"},
        {{"--clients", dir.path()}, {}, 1, -1, "это папка"},
        {{"--clients", "-"}, noted, 0, 2, ""},
        // The rows a spreadsheet saves after the last one are no rows at all.
        {{"--clients", "-"},
         "Фамилия;Имя;Отчество;Дата рождения\nА;Б;В;01.01.1960\n;;;\n ; ; ; \n,,,\n\t\t\n",
         0,
         1,
         ""},
        {{"--clients", "-"},
         "Фамилия;Имя;Отчество;Дата рождения\nА;Б;В;29.02.2023\nГ;Д;Е;29.02.2000\n",
         2,
         1,
         "Строка 2 стандартного ввода пропущена: такой даты нет: 29 февраля 2023 года"},
        {{"--clients", "-"}, stray, 2, 2, "Строка 4 стандартного ввода пропущена: строка не в"},
        {{"--clients", "-"},
         "Фамилия;Имя;Отчество;Дата рождения\nА;Б;В;23.08.75\n",
         2,
         -1,
         "год из двух цифр: запишите год в четыре цифры"},
        // What is read is never written over, under any of its names.
        {{"--clients", list, "--pdf", list}, {}, 1, -1, "тот же, что читается после --clients"},
        {{"--clients", list, "--pdf",
          dir.filePath("./../") + QFileInfo(dir.path()).fileName() + "/клиенты.csv"},
         {},
         1,
         -1,
         "ничего не записано"},
        {{"--clients", list, "--logo", logo, "--pdf", logo}, {}, 1, -1, "после --logo"},
        {{"23", "8", "1975", "--logo", logo, "--png", logo}, {}, 1, -1, "после --logo"},
        // A later --pdf wins: a folder that is not there is told as such.
        {{"--clients", list, "--pdf", dir.filePath("нет/отчёты.pdf")},
         {},
         1,
         -1,
         "нет не существует"},
    };
    for (const auto& c : cases) {
        const QString pdf = dir.filePath("отчёты.pdf");
        QFile::remove(pdf);
        QProcess p;
        p.start(QStringLiteral(ZEMTAR_FORECAST_EXE), QStringList{"--pdf", pdf} + c.args);
        p.write(c.input);
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(p.exitCode(), c.exitCode) << what << "\n" << err.toStdString();
        EXPECT_EQ(pdfPages(pdf), c.pages) << what;
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.says))) << what << "\n" << err.toStdString();
    }
    QFile kept(list);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), kList);
}

// Standard input closed, as «<&-» leaves it, is told as such.
TEST(CompanionClients, ClosedStandardInputIsToldAsSuch) {
    QTemporaryDir dir;
    QProcess p;
#ifdef Q_OS_WIN
    // Windows has no such shell: the companion is started without a standard
    // input handle, which is how a closed one reaches a Windows program.
    p.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->hStdInput = INVALID_HANDLE_VALUE;
    });
    p.start(QStringLiteral(ZEMTAR_FORECAST_EXE),
            {"--pdf", dir.filePath("r.pdf"), "--clients", "-"});
#else
    p.start("/bin/sh", {"-c", "exec \"$0\" \"$@\" <&-", QStringLiteral(ZEMTAR_FORECAST_EXE),
                        "--pdf", dir.filePath("r.pdf"), "--clients", "-"});
#endif
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("стандартный ввод закрыт"));
}
