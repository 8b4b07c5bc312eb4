#include "ui/compare_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/booklet.h"
#include "core/program_info.h"
#include "platform/help_viewer.h"
#include "platform/screen_place.h"
#include "platform/services.h"
#include "platform/text_store.h"
#include "platform/units.h"
#include "print/compare_page.h"
#include "print/language_box.h"
#include "ui/aspect_pair.h"
#include "ui/compare_memory.h"
#include "ui/comparison_view.h"
#include "ui/window_language.h"

namespace ui {

namespace {

constexpr int kYearsAfterThisYear = 20;  // the default span: this year and twenty on
constexpr int kLatestYear = 99999;

// The chart's smallest size, logical pixels: below this the years crowd.
constexpr int kChartMinWidth = 420;
constexpr int kChartMinHeight = 220;
constexpr double kChartTextPoints = 8;  // the chart's years and legend, as on the page
// The window's first size, twips, when the screen has room for it.
constexpr int kWindowWidthTw = 14000;
constexpr int kWindowHeightTw = 11000;

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

CompareWindow::CompareWindow(platform::Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      today_([] { return QDate::currentDate(); }),
      delivery_(services, this) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(tr("Сравнение двух прогнозов — %1").arg(info::programName()));
    setAccessibleName(tr("Сравнение двух прогнозов"));

    // Everything but the buttons scrolls, so that the window fits a small or
    // strongly scaled screen and its commands stay in reach.
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* people = new QGroupBox(tr("Кого сравниваем"), this);
    buildPeople(people);
    layout->addWidget(people);
    auto* span = new QWidget(this);
    buildSpan(span);
    layout->addWidget(span);

    chart_ = new ComparisonView(this);
    chart_->setObjectName(QStringLiteral("CompareChart"));
    chart_->setAccessibleName(tr("Кривые жизненных сил двух людей"));
    chart_->setMinimumSize(kChartMinWidth, kChartMinHeight);
    chart_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(chart_, 1);

    problem_ = plainLabel(QString(), this);
    problem_->setObjectName(QStringLiteral("CompareProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #c00000"));
    layout->addWidget(problem_);

    buildFigures(layout);

    scroll->setWidget(content);
    outer->addWidget(scroll, 1);
    auto* buttons = new QWidget(this);
    buildButtons(buttons);
    outer->addWidget(buttons);

    buildKeys();

    chart_->setCompose([this](graph::RecordingCanvas& target, const graph::ChartArea& area) {
        composeChart(target, area);
    });
    squares_->setCompose([this](graph::RecordingCanvas& target, const graph::ChartArea&) {
        composeSquares(target);
    });
    setToday(today_);
    const std::array<PersonEntry, 2> remembered = rememberedPeople();
    setPerson(0, remembered[0]);
    setPerson(1, remembered[1]);
    // Made smaller on a screen without room for it; what does not fit then scrolls.
    resize(platform::px(kWindowWidthTw), platform::px(kWindowHeightTw));
    platform::keepOnScreen(this);
}

// The two people's figures beside the pair of squares, and the shared years under them.
void CompareWindow::buildFigures(QVBoxLayout* layout) {
    auto* figures = new QHBoxLayout;
    for (int k = 0; k < 2; ++k) {
        inputs_[static_cast<std::size_t>(k)].figures = plainLabel(QString(), this);
        inputs_[static_cast<std::size_t>(k)].figures->setObjectName(
            QStringLiteral("CompareFigures%1").arg(k + 1));
        inputs_[static_cast<std::size_t>(k)].figures->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    squares_ = new ComparisonView(this);
    squares_->setObjectName(QStringLiteral("CompareSquares"));
    squares_->setAccessibleName(tr("Квадраты аспектов"));
    squares_->setFixedSize(platform::px(aspectPairSizeTw().width()),
                           platform::px(aspectPairSizeTw().height()));
    figures->addWidget(inputs_[0].figures, 1);
    figures->addWidget(squares_);
    figures->addWidget(inputs_[1].figures, 1);
    layout->addLayout(figures);

    shared_ = plainLabel(QString(), this);
    shared_->setObjectName(QStringLiteral("CompareShared"));
    shared_->setWordWrap(true);
    shared_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    shared_->setFocusPolicy(Qt::TabFocus);
    shared_->setAccessibleName(tr("Общие годы и аспекты"));
    layout->addWidget(shared_);
}

void CompareWindow::buildKeys() {
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        services_.help(this, platform::HelpCommand::Context, platform::kCompareHelpTopic);
    });
}

void CompareWindow::buildSpan(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    from_ = new QSpinBox(row);
    to_ = new QSpinBox(row);
    from_->setObjectName(QStringLiteral("CompareFrom"));
    to_->setObjectName(QStringLiteral("CompareTo"));
    from_->setAccessibleName(tr("Первый год"));
    to_->setAccessibleName(tr("Последний год"));
    from_->setRange(1, kLatestYear);
    // A year is taken when it is complete (Enter, Tab or the arrows), not at
    // every digit: "2" on the way to "2040" would cut the span short.
    from_->setKeyboardTracking(false);
    to_->setKeyboardTracking(false);
    auto* fromLabel = new QLabel(tr("&Годы: с"), row);
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(tr("п&о"), row);
    toLabel->setBuddy(to_);
    layout->addWidget(fromLabel);
    layout->addWidget(from_);
    layout->addWidget(toLabel);
    layout->addWidget(to_);
    layout->addStretch(1);
    buildPageOptions(row, layout);
    // The last year follows the first, so that the span is never reversed nor
    // longer than the views allow.
    connect(from_, &QSpinBox::valueChanged, this, [this](int from) {
        const QSignalBlocker block(to_);
        const int before = to_->value();
        to_->setRange(from, static_cast<int>(
                                std::min<long long>(kLatestYear, from + core::kLongestSpan - 1)));
        if (before < from) {
            to_->setValue(from + kYearsAfterThisYear);  // a first year past the last moves both
        }
        refresh();
    });
    connect(to_, &QSpinBox::valueChanged, this, [this] { refresh(); });
}

// What the page is to say sits beside the years rather than among the
// buttons: on a small screen the button row would not fit its width.
void CompareWindow::buildPageOptions(QWidget* row, QHBoxLayout* layout) {
    language_ = new print::LanguageBox(std::nullopt, row);
    auto* languageCaption = new QLabel(print::LanguageBox::caption(), row);
    languageCaption->setBuddy(language_);
    layout->addWidget(languageCaption);
    layout->addWidget(language_);
    withTexts_ = new QCheckBox(tr("С &толкованием"), row);
    withTexts_->setObjectName(QStringLiteral("CompareWithTexts"));
    withTexts_->setToolTip(
        tr("После страницы сравнения — страницы с толкованием общих пиков и спадов и аспектов"));
    withTexts_->setChecked(rememberedWithTexts());
    connect(withTexts_, &QCheckBox::toggled, this, [](bool on) { rememberWithTexts(on); });
    layout->addWidget(withTexts_);
}

void CompareWindow::buildButtons(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* caption;
        const char* name;
        void (CompareWindow::*run)();
    } commands[] = {
        {QT_TRANSLATE_NOOP("ui::CompareWindow", "&Печать"), "ComparePrint",
         &CompareWindow::printPage},
        {QT_TRANSLATE_NOOP("ui::CompareWindow", "Пр&осмотр…"), "ComparePreview",
         &CompareWindow::previewPage},
        {QT_TRANSLATE_NOOP("ui::CompareWindow", "&Сохранить в PDF…"), "CompareSavePdf",
         &CompareWindow::savePdf},
    };
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        auto* button = new QPushButton(tr(commands[i].caption), row);
        button->setObjectName(QString::fromLatin1(commands[i].name));
        connect(button, &QPushButton::clicked, this, commands[i].run);
        layout->addWidget(button);
        pageButtons_[i] = button;
    }
    layout->addStretch(1);
    auto* close = new QPushButton(tr("&Закрыть"), row);
    close->setObjectName(QStringLiteral("CompareClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
}

void CompareWindow::setSpan(long long fromYear, long long toYear) {
    from_->setValue(static_cast<int>(fromYear));
    to_->setValue(static_cast<int>(toYear));
}

void CompareWindow::setToday(std::function<QDate()> today) {
    today_ = std::move(today);
    const int year = today_().year();
    setSpan(year, year + kYearsAfterThisYear);
}

std::optional<long long> CompareWindow::thisYear() const {
    return today_().year();
}

const std::vector<platform::DrawOp>& CompareWindow::chartOps() const {
    return chart_->ops();
}

const std::vector<platform::DrawOp>& CompareWindow::squareOps() const {
    return squares_->ops();
}

core::ComparedPerson CompareWindow::person(int which) const {
    const auto k = static_cast<std::size_t>(which);
    return {forecasts_[k].value_or(core::Forecast{}), inputs_[k].name->text()};
}

QString CompareWindow::legendName(int which) const {
    const auto k = static_cast<std::size_t>(which);
    return forecasts_[k] || !inputs_[k].name->text().trimmed().isEmpty()
               ? person(which).label(windowLanguage())
               : who(k);
}

void CompareWindow::refresh() {
    QStringList problems;
    for (std::size_t k = 0; k < 2; ++k) {
        const core::Calculation c = core::calculate(personEntry(int(k)).date);
        const QString problem = personProblem(int(k), c);
        const auto* f = std::get_if<core::Forecast>(&c);
        if (f && problem.isEmpty()) {
            forecasts_[k] = *f;
        } else {
            forecasts_[k].reset();
        }
        if (!problem.isEmpty()) {
            problems << who(k) + QStringLiteral(": ") + problem;
        }
    }
    comparison_.reset();
    if (forecasts_[0] && forecasts_[1] && to_ != nullptr) {
        comparison_ = core::compare(*forecasts_[0], *forecasts_[1], from_->value(), to_->value());
    }
    problem_->setText(problems.join(u'\n'));
    problem_->setHidden(problems.isEmpty());
    for (QPushButton* b : pageButtons_) {
        if (b != nullptr) {
            b->setEnabled(comparison_.has_value());
        }
    }
    showFigures();
    chart_->recompose();
    squares_->recompose();
}

void CompareWindow::showFigures() {
    const core::ReportLanguage shown = windowLanguage();
    for (int k = 0; k < 2; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const core::ComparedPerson p = person(k);
        inputs_[i].figures->setText(forecasts_[i]
                                        ? tr("%1\nПроцентов счастья: %2\nУровень жизненных сил: "
                                             "от %3 до %4")
                                              .arg(p.label(shown), p.forecast.happiness,
                                                   QString::number(p.forecast.smallest),
                                                   QString::number(p.forecast.largest))
                                        : tr("%1: нет прогноза").arg(who(k)));
        inputs_[i].figures->setAccessibleName(inputs_[i].figures->text());
    }
    describeSquares();
    if (!comparison_) {
        shared_->clear();
        chart_->setAccessibleDescription(QString());
        return;
    }
    const QStringList common = core::commonAspectNames(*comparison_, shown);
    shared_->setText(tr("Оба на своём максимуме: %1\nОба на своём минимуме: %2\n"
                        "Аспекты у обоих (отмечены зелёным): %3")
                         .arg(core::yearListText(comparison_->bothHighest, shown),
                              core::yearListText(comparison_->bothLowest, shown),
                              common.isEmpty() ? tr("нет") : common.join(QStringLiteral(", "))));
    chart_->setAccessibleDescription(
        core::toText(person(0), person(1), *comparison_, shown).section(u'\n', 2));
}

// The squares' levels for a screen reader, and the whole names in the tip
// when one is cut short over its square.
void CompareWindow::describeSquares() {
    const core::ReportLanguage shown = windowLanguage();
    QStringList squares;
    QStringList names;
    bool cut = false;
    for (int k = 0; k < 2; ++k) {
        const auto& f = forecasts_[static_cast<std::size_t>(k)];
        if (!f) {
            continue;
        }
        QStringList levels;
        for (std::size_t d = 0; d < f->aspects.size(); ++d) {
            levels << QStringLiteral("%1 %2").arg(core::aspectName(shown, int(d) + 1),
                                                  QString::number(f->aspects[d].level));
        }
        const core::ComparedPerson p = person(k);
        squares << p.label(shown) + QStringLiteral(": ") + levels.join(QStringLiteral(", "));
        names << who(std::size_t(k)) + QStringLiteral(": ") + p.label(shown);
        cut = cut || aspectPairTitle(p) != p.label(shown);
    }
    squares_->setAccessibleDescription(squares.join(QStringLiteral("; ")));
    squares_->setToolTip(cut ? names.join(u'\n') : QString());
}

void CompareWindow::composeChart(graph::RecordingCanvas& target,
                                 const graph::ChartArea& area) const {
    const core::Comparison empty{from_->value(), to_->value(), {}, {}, {}, {}};
    const graph::ChartArea inner{area.left + 60, area.top + 60, area.width - 120,
                                 area.height - 120};
    // One pixel, as the main window draws its curve; wider antialiased lines
    // would cost three times as long over a span of hundreds of years.
    target.setPenWidth(platform::kTwipsPerPixel);
    graph::drawComparisonChart(target, comparison_ ? *comparison_ : empty, inner, legendName(0),
                               legendName(1), thisYear(), kChartTextPoints, windowLanguage());
}

void CompareWindow::composeSquares(graph::RecordingCanvas& target) const {
    std::array<bool, core::kAspectCount> common{};
    if (comparison_) {
        common = comparison_->commonAspects;
    }
    const core::ComparedPerson first = person(0);
    const core::ComparedPerson second = person(1);
    drawAspectPair(target, forecasts_[0] ? &first : nullptr, forecasts_[1] ? &second : nullptr,
                   common);
}

void CompareWindow::deliverPage(print::ReportTarget target) {
    if (!comparison_) {
        return;
    }
    const core::ReportLanguage language = language_->language();
    std::vector<core::BookletBlock> texts;
    if (withTexts_->isChecked()) {
        const platform::TextStore::Loaded loaded =
            platform::TextStore::inDataFolder().load(core::languageCode(language));
        if (!loaded.problem.isEmpty()) {  // the defaults stand in for what could not be read
            services_.message(
                this, {loaded.problem, info::programName(), platform::MessageIcon::Warning, 0});
        }
        texts = core::pairBlocks(person(0), person(1), *comparison_, loaded.library);
    }
    print::ComparisonPages pages(person(0), person(1), *comparison_, thisYear(), texts, language);
    const print::PrintDelivery::Outcome outcome = delivery_.deliver(pages, target);
    if (outcome == print::PrintDelivery::Outcome::Printed ||
        outcome == print::PrintDelivery::Outcome::Saved) {
        print::rememberReportLanguage(language);
    }
}

void CompareWindow::printPage() {
    deliverPage(print::ReportTarget::Printout);
}

void CompareWindow::previewPage() {
    deliverPage(print::ReportTarget::Preview);
}

void CompareWindow::savePdf() {
    deliverPage(print::ReportTarget::PdfFile);
}

void CompareWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // What is typed first goes into the first person's name.
    inputs_[0].name->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui
