#include "ui/group/group_window.h"

#include "print/person_fields.h"

#include <QCheckBox>
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
#include "print/group_page.h"
#include "print/language_box.h"
#include "print/person_fields.h"
#include "ui/group/group_memory.h"
#include "ui/group/group_squares.h"
#include "ui/group/group_view.h"
#include "ui/window_language.h"

namespace ui {

namespace {

// The chart's smallest size, logical pixels: below this the years crowd.
constexpr int kChartMinWidth = 420;
constexpr int kChartMinHeight = 180;
constexpr double kChartTextPoints = 8;  // the chart's years and legend, as on the page
// The window's first size, twips, when the screen has room for it.
constexpr int kWindowWidthTw = 20000;
constexpr int kWindowHeightTw = 11000;

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

GroupWindow::GroupWindow(platform::Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      today_([] { return QDate::currentDate(); }),
      delivery_(services, this) {
    setObjectName(QStringLiteral("GroupWindow"));
    setWindowTitle(tr("Сравнение прогнозов — %1").arg(info::programName()));
    setAccessibleName(tr("Сравнение прогнозов"));

    // Everything but the buttons scrolls, so that the window fits a small or
    // strongly scaled screen and its commands stay in reach.
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    buildPeople(layout);
    auto* span = new QWidget(this);
    buildSpan(span);
    layout->addWidget(span);

    chart_ = new GroupView(this);
    chart_->setObjectName(QStringLiteral("GroupChart"));
    chart_->setAccessibleName(tr("Кривые жизненных сил"));
    chart_->setMinimumSize(kChartMinWidth, kChartMinHeight);
    chart_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(chart_, 1);

    problem_ = plainLabel(QString(), this);
    problem_->setObjectName(QStringLiteral("GroupProblem"));
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
        if (group_) {
            drawGroupSquares(target, *group_, labels());
        }
    });
    setToday(today_);
    setPeople(rememberedPeople());
    // Made smaller on a screen without room for it; what does not fit then scrolls.
    resize(platform::px(kWindowWidthTw), platform::px(kWindowHeightTw));
    platform::keepOnScreen(this);
}

// Each member's square, and beside them the years and aspects they share.
void GroupWindow::buildFigures(QVBoxLayout* layout) {
    auto* figures = new QHBoxLayout;
    squares_ = new GroupView(this);
    squares_->setObjectName(QStringLiteral("GroupSquares"));
    squares_->setAccessibleName(tr("Квадраты аспектов"));
    figures->addWidget(squares_, 0, Qt::AlignTop);

    shared_ = plainLabel(QString(), this);
    shared_->setObjectName(QStringLiteral("GroupShared"));
    shared_->setWordWrap(true);
    shared_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    shared_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    shared_->setFocusPolicy(Qt::TabFocus);
    shared_->setAccessibleName(tr("Общие годы и аспекты"));
    figures->addWidget(shared_, 1);
    layout->addLayout(figures);
}

void GroupWindow::buildKeys() {
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        services_.help(this, platform::HelpCommand::Context, platform::kCompareHelpTopic);
    });
}

void GroupWindow::buildSpan(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    from_ = new QSpinBox(row);
    to_ = new QSpinBox(row);
    from_->setObjectName(QStringLiteral("GroupFrom"));
    to_->setObjectName(QStringLiteral("GroupTo"));
    from_->setAccessibleName(tr("Первый год"));
    to_->setAccessibleName(tr("Последний год"));
    from_->setRange(1, static_cast<int>(core::kLatestSpanYear));
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
        to_->setRange(from, static_cast<int>(std::min<long long>(core::kLatestSpanYear,
                                                                 from + core::kLongestSpan - 1)));
        if (before < from) {  // a first year past the last moves both
            to_->setValue(static_cast<int>(core::YearSpan::startingIn(from).to));
        }
        refresh();
    });
    connect(to_, &QSpinBox::valueChanged, this, [this] { refresh(); });
}

// What the page is to say sits beside the years rather than among the
// buttons: on a small screen the button row would not fit its width.
void GroupWindow::buildPageOptions(QWidget* row, QHBoxLayout* layout) {
    language_ = new print::LanguageBox(std::nullopt, row);
    auto* languageCaption = new QLabel(print::LanguageBox::caption(), row);
    languageCaption->setBuddy(language_);
    layout->addWidget(languageCaption);
    layout->addWidget(language_);
    withTexts_ = new QCheckBox(tr("С &толкованием"), row);
    withTexts_->setObjectName(QStringLiteral("GroupWithTexts"));
    withTexts_->setToolTip(
        tr("После страницы сравнения — страницы с толкованием общих пиков и спадов и аспектов"));
    withTexts_->setChecked(rememberedWithTexts());
    connect(withTexts_, &QCheckBox::toggled, this, [](bool on) { rememberWithTexts(on); });
    layout->addWidget(withTexts_);
}

void GroupWindow::buildButtons(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* caption;
        const char* name;
        void (GroupWindow::*run)();
    } commands[] = {
        {QT_TRANSLATE_NOOP("ui::GroupWindow", "&Печать"), "GroupPrint", &GroupWindow::printPage},
        {QT_TRANSLATE_NOOP("ui::GroupWindow", "Пр&осмотр…"), "GroupPreview",
         &GroupWindow::previewPage},
        {QT_TRANSLATE_NOOP("ui::GroupWindow", "&Сохранить в PDF…"), "GroupSavePdf",
         &GroupWindow::savePdf},
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
    close->setObjectName(QStringLiteral("GroupClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
}

void GroupWindow::setSpan(core::YearSpan span) {
    from_->setValue(static_cast<int>(span.from));
    to_->setValue(static_cast<int>(span.to));
}

void GroupWindow::setToday(std::function<QDate()> today) {
    today_ = std::move(today);
    setSpan(core::YearSpan::startingIn(today_().year()));
}

std::optional<long long> GroupWindow::thisYear() const {
    return today_().year();
}

const std::vector<platform::DrawOp>& GroupWindow::chartOps() const {
    return chart_->ops();
}

const std::vector<platform::DrawOp>& GroupWindow::squareOps() const {
    return squares_->ops();
}

void GroupWindow::composeChart(graph::RecordingCanvas& target, const graph::ChartArea& area) const {
    const core::Group empty = core::makeGroup({}, {from_->value(), to_->value()});
    const graph::ChartArea inner{area.left + 60, area.top + 60, area.width - 120,
                                 area.height - 120};
    // One pixel, as the main window draws its curve; wider antialiased lines
    // would cost three times as long over a span of hundreds of years.
    target.setPenWidth(platform::kTwipsPerPixel);
    graph::drawGroupChart(target, group_ ? *group_ : empty, inner, labels(), thisYear(),
                          kChartTextPoints, windowLanguage());
}

QStringList GroupWindow::labels() const {
    QStringList labels;
    if (group_) {
        for (const core::GroupMember& m : group_->members) {
            labels << core::personLabel(m.person, windowLanguage());
        }
    }
    return labels;
}

void GroupWindow::refresh() {
    if (to_ == nullptr || rows_.empty()) {
        return;  // still being built
    }
    QStringList problems;
    std::vector<core::GroupMember> members;
    memberRows_.clear();
    for (int k = 0; k < rowCount(); ++k) {
        const core::Person p = person(k);
        const core::Calculation c = core::calculate(p.birthDate);
        const QString problem = rowProblem(rows_[std::size_t(k)], c);
        if (const auto* f = std::get_if<core::Forecast>(&c); f && problem.isEmpty()) {
            members.push_back({p, *f});
            memberRows_.push_back(k);
        }
        if (!problem.isEmpty()) {
            problems << who(k) + QStringLiteral(": ") + problem;
        }
    }
    group_.reset();
    if (members.size() >= std::size_t(core::kGroupLeast)) {
        group_ = core::makeGroup(std::move(members), {from_->value(), to_->value()});
    } else {
        memberRows_.clear();
    }
    problem_->setText(problems.join(u'\n'));
    problem_->setHidden(problems.isEmpty());
    for (QPushButton* b : pageButtons_) {
        if (b != nullptr) {
            b->setEnabled(group_.has_value());
        }
    }
    showFigures();
    showShared();
    chart_->recompose();
    const QSize size = groupSquaresSizeTw(group_ ? group_->size() : 0);
    squares_->setFixedSize(platform::px(size.width()), platform::px(size.height()));
    squares_->setHidden(!group_);
    squares_->recompose();
}

void GroupWindow::showShared() {
    describeSquares();
    if (!group_) {
        shared_->clear();
        chart_->setAccessibleDescription(QString());
        return;
    }
    const core::ReportLanguage shown = windowLanguage();
    const QStringList all = core::sharedAspectNames(*group_, shown);
    const QString allText = all.isEmpty() ? tr("нет") : all.join(QStringLiteral(", "));
    const QString highs = core::yearListText(group_->allHighest, shown);
    const QString lows = core::yearListText(group_->allLowest, shown);
    if (group_->size() == 2) {
        shared_->setText(tr("Оба на своём максимуме: %1\nОба на своём минимуме: %2\n"
                            "Аспекты у обоих (отмечены зелёным): %3")
                             .arg(highs, lows, allText));
    } else {
        // First names where they are known: the full ones stand in the legend.
        const QStringList some = core::partlySharedAspects(*group_, shown, true);
        shared_->setText(tr("Все на своём максимуме: %1\nВсе на своём минимуме: %2\n"
                            "Аспекты у всех (отмечены зелёным): %3\nТолько у некоторых: %4")
                             .arg(highs, lows, allText,
                                  some.isEmpty() ? tr("нет") : some.join(QStringLiteral("; "))));
    }
    // The text's lines after the people's: the years, one a line.
    chart_->setAccessibleDescription(
        core::groupText(*group_, shown).section(u'\n', group_->size()));
}

// The squares' levels for a screen reader, and the whole names in the tip
// when one is cut short over its square.
void GroupWindow::describeSquares() {
    const core::ReportLanguage shown = windowLanguage();
    QStringList squares;
    QStringList names;
    bool cut = false;
    const QStringList all = labels();
    for (int k = 0; group_ && k < group_->size(); ++k) {
        const core::Forecast& f = group_->members[std::size_t(k)].forecast;
        QStringList levels;
        for (std::size_t d = 0; d < f.aspects.size(); ++d) {
            levels << QStringLiteral("%1 %2").arg(core::aspectName(shown, int(d) + 1),
                                                  QString::number(f.aspects[d].level));
        }
        squares << all[k] + QStringLiteral(": ") + levels.join(QStringLiteral(", "));
        names << who(memberRows_[std::size_t(k)]) + QStringLiteral(": ") + all[k];
        cut = cut || squareTitle(all[k]) != all[k];
    }
    squares_->setAccessibleDescription(squares.join(QStringLiteral("; ")));
    squares_->setToolTip(cut ? names.join(u'\n') : QString());
}

void GroupWindow::deliverPage(print::ReportTarget target) {
    if (!group_) {
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
        texts = core::groupBlocks(*group_, loaded.library);
    }
    print::GroupPages pages(*group_, thisYear(), texts, language);
    const print::PrintDelivery::Outcome outcome = delivery_.deliver(pages, target);
    if (outcome == print::PrintDelivery::Outcome::Printed ||
        outcome == print::PrintDelivery::Outcome::Saved) {
        print::rememberReportLanguage(language);
        if (onDelivered_) {
            std::vector<core::Person> people;
            for (const int row : memberRows_) {
                people.push_back(person(row));
                people.back().language = language;
            }
            const bool saved = outcome == print::PrintDelivery::Outcome::Saved;
            onDelivered_(
                people,
                saved ? core::ReportKind::ComparisonPdf : core::ReportKind::ComparisonPrintout,
                saved ? delivery_.savedPath() : QString());
        }
    }
}

void GroupWindow::printPage() {
    deliverPage(print::ReportTarget::Printout);
}

void GroupWindow::previewPage() {
    deliverPage(print::ReportTarget::Preview);
}

void GroupWindow::savePdf() {
    deliverPage(print::ReportTarget::PdfFile);
}

void GroupWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // What is typed first goes into the first person's surname.
    rows_.front().person->surname()->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui
