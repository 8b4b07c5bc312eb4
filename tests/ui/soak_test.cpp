#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <iostream>

#include "platform/services.h"
#include "recording_services.h"
#include "ui/main_window/frm_main.h"

namespace {

// The resident memory of this process in KB.
long residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (::sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Many calculations in one window, each painted as the user would see it,
// leave the memory where it was once the first ones have filled the caches.
TEST(Soak, FiveThousandCalculationsInOneWindowKeepTheMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer holds freed memory back, so the figure means nothing";
#endif
    platform::RecordingServices services;
    ui::FrmMain window(services);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* pusk = window.findChild<QPushButton*>(QStringLiteral("CmdPusk"));
    auto* day = window.findChild<QComboBox*>(QStringLiteral("CboDay"));
    auto* month = window.findChild<QComboBox*>(QStringLiteral("CboMonth"));
    auto* year = window.findChild<QLineEdit*>(QStringLiteral("TxtYear"));
    ASSERT_TRUE(pusk && day && month && year);
    day->setCurrentIndex(22);
    month->setCurrentIndex(7);
    year->setText(QStringLiteral("1975"));

    const auto calculate = [&](int n) {
        for (int i = 0; i < n; ++i) {
            pusk->click();
            window.repaint();
            QApplication::processEvents();
        }
    };
    calculate(100);
    const long before = residentKb();
    ASSERT_GT(before, 0);
    calculate(4900);
    const long growth = residentKb() - before;
    std::cout << "resident memory grew by " << growth << " KB over 4900 calculations\n";
    EXPECT_LT(growth, 1024);
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
