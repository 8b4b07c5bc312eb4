// The texts window: what a practitioner waits for after a keystroke in the
// editor of a long entry (the text taken, its length counted, its unknown
// fields marked and named, the tree's marks, the preview filled), then the
// window repainted. It must stay under a frame, 16 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "core/text_set.h"
#include "platform/services.h"
#include "recording_services.h"
#include "ui/texts/texts_window.h"

#include "widget_benchmark_main.h"

namespace {

// A text near the limit, with fields known and unknown on every line.
QString longText() {
    const QString line = QStringLiteral(
        "{Имя}, в {год} году уровень {уровень}: время для дел, которые давно ждут, {дата}.\n");
    QString text;
    while (text.size() + line.size() < core::kTextLimit - 10) {
        text += line;
    }
    return text;
}

void press(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

// Each iteration is one keystroke: a letter typed at the end of the text, or
// taken back, by turns, so that the text stays just under the limit.
void BM_KeystrokeInTheEditor(benchmark::State& state) {
    QTemporaryDir dir;
    platform::RecordingServices services;
    ui::PreviewSubject subject{
        std::get<core::Forecast>(core::calculate({23, 7, QStringLiteral("1975")})),
        core::Person{{QStringLiteral("Петрова"), QStringLiteral("Мария"), QString()},
                     {23, 7, QStringLiteral("1975")},
                     core::ReportLanguage::Russian,
                     core::Gender::Female,
                     QString()},
        2026};
    ui::TextsWindow window(services, platform::TextStore(dir.filePath(QStringLiteral("data"))),
                           subject);
    window.resize(990, 660);
    window.selectEntry(u"level.5");
    window.editor()->setPlainText(longText());
    window.editor()->moveCursor(QTextCursor::End);
    window.show();
    window.editor()->setFocus();
    QApplication::processEvents();
    const qsizetype before = window.editor()->toPlainText().size();
    press(window.editor(), Qt::Key_A, QStringLiteral("а"));
    if (window.editor()->toPlainText().size() != before + 1) {
        state.SkipWithError("the keystrokes do not reach the editor");
        return;
    }
    bool typed = true;
    for (auto _ : state) {
        if (typed) {
            press(window.editor(), Qt::Key_Backspace, QString());
        } else {
            press(window.editor(), Qt::Key_A, QStringLiteral("а"));
        }
        typed = !typed;
        window.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeystrokeInTheEditor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::runWidgetBenchmarks(argc, argv);
}
