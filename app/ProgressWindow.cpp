// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgressWindow.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "app/DateChart.h"
#include "app/KanjiDetailsPane.h"
#include "app/KanjiGridView.h"
#include "app/StudyHeatMap.h"
#include "study/SafeSave.h"
#include "study/UserProfile.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

namespace {

struct StageColour {
  QColor fill;
  QColor ink;
  const char* label;
};

const StageColour kNotIntroduced{{233, 233, 228}, {150, 150, 145}, "Not introduced"};
// Warm while a kanji is being learnt, green to blue once mastered, darker for higher levels.
const StageColour kActive[KanjiStanding::kBands] = {
    {{239, 130, 116}, {70, 20, 15}, "Score under 25"},
    {{246, 178, 107}, {80, 40, 0}, "25 to 49"},
    {{255, 217, 102}, {80, 60, 0}, "50 to 74"},
    {{218, 234, 150}, {50, 70, 10}, "75 and over"},
};
const StageColour kMastered[KanjiStanding::kBands] = {
    {{148, 203, 128}, {20, 60, 20}, "Mastered"},
    {{84, 168, 106}, {255, 255, 255}, "Level 2"},
    {{44, 128, 114}, {255, 255, 255}, "Level 3"},
    {{33, 84, 132}, {255, 255, 255}, "Level 4 and up"},
};

const StageColour& ColourOf(const KanjiStanding& k) {
  switch (k.stage) {
    case KanjiStage::Active: return kActive[k.band];
    case KanjiStage::Mastered: return kMastered[k.band];
    case KanjiStage::NotIntroduced: break;
  }
  return kNotIntroduced;
}

QString Number(std::uint64_t n) {
  return QLocale().toString(static_cast<qulonglong>(n));
}

QString Plural(std::uint64_t n, const char* one, const char* many) {
  return Number(n) + " " + (n == 1 ? one : many);
}

QString DateOfTime(std::int64_t seconds) {
  return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds).date(), "d MMM yyyy");
}

// Stage, score, level, times seen and last seen, in two lines.
QString StandingText(const KanjiStanding& k) {
  QString stage;
  switch (k.stage) {
    case KanjiStage::NotIntroduced: stage = "Not introduced yet"; break;
    case KanjiStage::Active: stage = "Learning"; break;
    case KanjiStage::Mastered: stage = "Mastered"; break;
  }
  QString text = stage;
  if (k.stage != KanjiStage::NotIntroduced) {
    text += QString(" \u00b7 score %1 \u00b7 level %2").arg(QString::number(k.score, 'f', 0)).arg(k.level);
  }
  text += "\n";
  text += k.timesSeen == 0 ? QString("Not seen in the history")
                           : "Seen " + Plural(k.timesSeen, "time", "times") + ", last on " +
                                 DateOfTime(k.lastSeen);
  return text;
}

QLabel* Tile() {
  auto* tile = new QLabel();
  tile->setTextFormat(Qt::RichText);
  tile->setAlignment(Qt::AlignCenter);
  tile->setMinimumWidth(110);
  tile->setStyleSheet(
      "QLabel { background: #fbfaf5; border: 1px solid #e3e1d8; border-radius: 8px; "
      "padding: 6px 10px; }");
  return tile;
}

void SetTile(QLabel* tile, const QString& figure, const QString& caption, const char* colour) {
  tile->setText(QString("<div style='font-size:20pt; font-weight:600; color:%1'>%2</div>"
                        "<div style='color:#6b6b66'>%3</div>")
                    .arg(QString::fromLatin1(colour), figure.toHtmlEscaped(), caption.toHtmlEscaped()));
}

QLabel* Swatch(const StageColour& colour) {
  auto* swatch = new QLabel();
  swatch->setFixedSize(14, 14);
  swatch->setStyleSheet(QString("background: %1; border-radius: 3px;").arg(colour.fill.name()));
  return swatch;
}

QString CodesToText(const CodeString& codes, const JisTable& jis) {
  QString text;
  for (std::uint32_t i = 0; i < codes.length(); ++i) {
    const std::uint16_t unicode = jis.CodeToUnicode(codes[i]);
    text += QChar(unicode != 0 ? unicode : 0x3013);
  }
  return text;
}

QString ReadingsText(const std::vector<ReadingEntry>& readings, const JisTable& jis) {
  QStringList texts;
  for (const ReadingEntry& reading : readings) texts << CodesToText(reading.written, jis);
  return texts.join("\u3001");
}

}  // namespace

ProgressWindow::ProgressWindow(const UserProfile& profile, const KanjiDatabase& database,
                               const JisTable& jis, ProgressSources sources, const QFont& mincho,
                               const QFont& gothic, std::filesystem::path directory, QWidget* parent)
    : QWidget(parent, Qt::Window),
      profile_(profile),
      database_(database),
      jis_(jis),
      sources_(std::move(sources)),
      mincho_(mincho),
      gothic_(gothic),
      directory_(std::move(directory)),
      model_(profile_, zone_),
      recordIndex_(0x10000, -1) {
  for (std::size_t i = 0; i < database_.kanji.size(); ++i) {
    std::int32_t& index = recordIndex_[database_.kanji[i].code];
    if (index < 0) index = static_cast<std::int32_t>(i);
  }
  setWindowTitle("Progress");
  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(BuildGrid());
  auto* right = new QSplitter(Qt::Vertical);
  details_ = new KanjiDetailsPane(mincho_);
  details_->setMinimumHeight(300);
  right->addWidget(details_);
  right->addWidget(BuildTabs());
  right->setStretchFactor(1, 1);
  right->setChildrenCollapsible(false);
  split->addWidget(right);
  split->setChildrenCollapsible(false);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildSummary());
  layout->addWidget(BuildCalendar());
  layout->addWidget(split, 1);

  new QShortcut(QKeySequence(Qt::Key_F5), this, [this] { Refresh(); });
  new QShortcut(QKeySequence::Close, this, [this] { close(); });
  new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { close(); });

  resize(1180, 820);
  std::ifstream file(directory_ / kGeometryFileName, std::ios::binary);
  const std::string saved{std::istreambuf_iterator<char>(file), {}};
  if (!saved.empty()) restoreGeometry(QByteArray::fromStdString(saved));
}

ProgressWindow::~ProgressWindow() {
  if (isVisible()) SaveGeometry();
}

QWidget* ProgressWindow::BuildSummary() {
  auto* row = new QWidget();
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 7; ++i) {
    tiles_.push_back(Tile());
    layout->addWidget(tiles_.back());
  }
  return row;
}

QWidget* ProgressWindow::BuildCalendar() {
  auto* row = new QWidget();
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 4, 0, 4);
  heatMap_ = new StudyHeatMap();
  layout->addWidget(heatMap_, 0, Qt::AlignTop);
  streakLine_ = new QLabel();
  streakLine_->setWordWrap(true);
  streakLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  layout->addWidget(streakLine_, 1);
  return row;
}

QWidget* ProgressWindow::BuildGrid() {
  auto* box = new QWidget();
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel("&Kanji of the study list, in its order");
  grid_ = new KanjiGridView();
  QFont cellFont = gothic_;
  cellFont.setPixelSize(18);
  grid_->SetKanjiFont(cellFont);
  grid_->tooltipFor = [this](int index) { return TooltipOf(index); };
  connect(grid_, &KanjiGridView::CurrentChanged, this, [this](int index) {
    if (index >= 0) ShowKanji(model_.Kanji()[static_cast<std::size_t>(index)].code);
  });
  label->setBuddy(grid_);
  layout->addWidget(label);
  layout->addWidget(grid_, 1);

  // The legend: what each colour means and how many kanji have it.
  auto* legend = new QGridLayout();
  legend->setHorizontalSpacing(6);
  auto add = [&](const StageColour& colour, int row, int column) {
    legend->addWidget(Swatch(colour), row, column * 2);
    auto* text = new QLabel();
    legend->addWidget(text, row, column * 2 + 1);
    legendCounts_.push_back(text);
  };
  add(kNotIntroduced, 0, 0);
  for (int band = 0; band < KanjiStanding::kBands; ++band) add(kActive[band], 0, band + 1);
  for (int band = 0; band < KanjiStanding::kBands; ++band) add(kMastered[band], 1, band + 1);
  legend->setColumnStretch(11, 1);
  layout->addLayout(legend);
  return box;
}

QWidget* ProgressWindow::BuildTabs() {
  tabs_ = new QTabWidget();

  auto* cards = new QWidget();
  auto* cardsLayout = new QVBoxLayout(cards);
  auto* chooser = new QHBoxLayout();
  auto* rangeLabel = new QLabel("&Show:");
  range_ = new QComboBox();
  range_->addItem("Last 30 days", 30);
  range_->addItem("Last 90 days", 90);
  range_->addItem("Last 365 days", 365);
  rangeLabel->setBuddy(range_);
  chooser->addWidget(rangeLabel);
  chooser->addWidget(range_);
  chooser->addStretch();
  cardsChart_ = new DateChart({{"Cards", QColor(48, 150, 78), true}});
  connect(range_, &QComboBox::currentIndexChanged, this,
          [this] { ShowCardsPerDay(range_->currentData().toInt()); });
  cardsLayout->addLayout(chooser);
  cardsLayout->addWidget(cardsChart_, 1);
  tabs_->addTab(cards, "&Cards per day");

  kanjiChart_ = new DateChart(
      {{"Active", QColor(246, 160, 80), true}, {"Mastered", QColor(44, 128, 114), true}});
  kanjiChart_->ShowLegend(true);
  tabs_->addTab(kanjiChart_, "Kanji &over time");

  firstTryChart_ = new DateChart({{"Right at the first try", QColor(33, 84, 132), false}});
  firstTryChart_->SetValueRange(0, 100);
  firstTryChart_->SetValueFormat("%d%%");
  tabs_->addTab(firstTryChart_, "Right at first &try");

  auto* failing = new QWidget();
  auto* failingLayout = new QVBoxLayout(failing);
  auto* failingTitle = new QLabel(
      "<b>Kanji that keep failing</b>: the most misses among your last 200 cards, or a score "
      "that fell. A few extra minutes with their notes and examples go a long way.");
  failingTitle->setWordWrap(true);
  leeches_ = new QTreeWidget();
  leeches_->setRootIsDecorated(false);
  leeches_->setHeaderLabels({"Kanji", "Meaning", "Misses", "Cards", "Score fell by", "Score now"});
  leeches_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  leeches_->header()->setStretchLastSection(false);
  connect(leeches_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr) ShowKanji(static_cast<KanjiCode>(item->data(0, Qt::UserRole).toUInt()));
  });
  failingLayout->addWidget(failingTitle);
  failingLayout->addWidget(leeches_, 1);
  tabs_->addTab(failing, "Keep &failing");
  return tabs_;
}

void ProgressWindow::Refresh() {
  std::vector<ReviewRecord> reviews = sources_.readHistory();
  const std::int64_t now = sources_.now();
  const std::int64_t from = reviews.empty() ? now : std::min(reviews.front().time, now);
  zone_ = sources_.timeZone(from - 86400, now + 86400);
  model_.Compute(std::move(reviews), now);
  FillSummary();
  FillGrid();
  FillCharts();
  FillLeeches();
  const KanjiCode shown = shown_;
  shown_ = 0;
  if (shown != 0) {
    ShowKanji(shown);
  } else {
    details_->ShowHint("Choose a kanji in the grid (click it, or use the arrow keys) to see it "
                       "here with its readings, your note and its score over time.");
  }
}

void ProgressWindow::FillSummary() {
  const Streaks streaks = model_.StudyStreaks();
  const std::uint32_t today = model_.LastDays(1).front().cards;
  const std::size_t listed = model_.Kanji().size();
  SetTile(tiles_[0], Number(today), today == 1 ? "card today" : "cards today", "#30964e");
  SetTile(tiles_[1], Number(static_cast<std::uint64_t>(streaks.current)),
          streaks.current == 1 ? "day in a row" : "days in a row", "#d9822b");
  SetTile(tiles_[2], Number(static_cast<std::uint64_t>(streaks.longest)), "longest streak", "#8a6d3b");
  SetTile(tiles_[3], Number(model_.CountIn(KanjiStage::Mastered)), "mastered", "#215484");
  SetTile(tiles_[4], Number(model_.CountIn(KanjiStage::Active)), "learning", "#c0603a");
  SetTile(tiles_[5], Number(model_.CountIn(KanjiStage::NotIntroduced)), "not yet introduced",
          "#8c8c86");
  SetTile(tiles_[6], Number(model_.TotalCards()), "cards in all", "#555550");

  const std::int32_t first = StudyHeatMap::FirstDayFor(model_.Today());
  std::vector<DayTotals> days = model_.LastDays(model_.Today() - first + 1);
  const auto studied = std::count_if(days.begin(), days.end(), [](const DayTotals& d) { return d.cards > 0; });
  heatMap_->SetDays(std::move(days));
  QString text = "<p style='font-size:11pt'>";
  if (streaks.current > 0) {
    text += QString("<b>%1</b> in a row").arg(Plural(static_cast<std::uint64_t>(streaks.current), "day", "days"));
    if (today == 0) text += " \u2014 study today to keep it going";
    text += ".<br>";
  } else {
    text += "No streak running: a few cards today start one.<br>";
  }
  text += QString("Longest streak: <b>%1</b>.<br>").arg(Plural(static_cast<std::uint64_t>(streaks.longest), "day", "days"));
  text += QString("Studied on %1 of the last 12 months.<br>").arg(Plural(static_cast<std::uint64_t>(studied), "day", "days"));
  if (listed > 0) {
    text += QString("%1% of the study list mastered.")
                .arg(QString::number(100.0 * static_cast<double>(model_.CountIn(KanjiStage::Mastered)) /
                                         static_cast<double>(listed), 'f', 1));
  }
  if (sources_.isRecording && !sources_.isRecording()) {
    text += "<br><i>Your history could not be opened this time, so today's cards are not "
            "counted here.</i>";
  }
  streakLine_->setText(text + "</p>");
}

void ProgressWindow::FillGrid() {
  std::vector<KanjiGridCell> cells;
  cells.reserve(model_.Kanji().size());
  std::size_t counts[1 + 2 * KanjiStanding::kBands] = {};
  for (const KanjiStanding& k : model_.Kanji()) {
    const StageColour& colour = ColourOf(k);
    cells.push_back({TextOf(k.code), colour.fill, colour.ink});
    const std::size_t slot = k.stage == KanjiStage::NotIntroduced ? 0
                             : k.stage == KanjiStage::Active      ? 1 + k.band
                                                                  : 1 + KanjiStanding::kBands + k.band;
    ++counts[slot];
  }
  grid_->SetCells(std::move(cells));
  const StageColour* labels[] = {&kNotIntroduced, &kActive[0],   &kActive[1],
                                 &kActive[2],     &kActive[3],   &kMastered[0],
                                 &kMastered[1],   &kMastered[2], &kMastered[3]};
  for (std::size_t i = 0; i < legendCounts_.size(); ++i) {
    legendCounts_[i]->setText(QString("%1 (%2)").arg(QString::fromLatin1(labels[i]->label), Number(counts[i])));
  }
}

void ProgressWindow::FillCharts() {
  ShowCardsPerDay(range_->currentData().toInt());

  const std::vector<KanjiCounts>& counts = model_.KanjiOverTime();
  QList<QPointF> active;
  QList<QPointF> mastered;
  for (const KanjiCounts& c : counts) {
    active.append({DateChart::DayPoint(c.day), static_cast<qreal>(c.active)});
    mastered.append({DateChart::DayPoint(c.day), static_cast<qreal>(c.mastered)});
  }
  const std::int32_t today = model_.Today();
  const std::int32_t firstDay = std::min(counts.front().day, today - 30);
  kanjiChart_->SetDates(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(DateChart::DayPoint(firstDay))),
                        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(DateChart::DayPoint(today))),
                        today - firstDay > 120 ? "MMM yy" : "d MMM");
  kanjiChart_->SetPoints(0, active);
  kanjiChart_->SetPoints(1, mastered);

  // The last year of weeks, each at its middle.
  const std::int32_t firstWeek = WeekStartOf(today) - 51 * 7;
  QList<QPointF> shares;
  for (const WeekTotals& week : model_.Weeks()) {
    if (week.firstDay < firstWeek) continue;
    shares.append({DateChart::DayPoint(week.firstDay + 3),
                   100.0 * week.firstTryRight / std::max<std::uint32_t>(week.cards, 1)});
  }
  firstTryChart_->SetDates(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(DateChart::DayPoint(firstWeek))),
                           QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(DateChart::DayPoint(today + 1))),
                           "MMM yy");
  firstTryChart_->SetPoints(0, shares);
}

void ProgressWindow::ShowCardsPerDay(int days) {
  QList<QPointF> points;
  for (const DayTotals& d : model_.LastDays(days)) {
    points.append({DateChart::DayPoint(d.day), static_cast<qreal>(d.cards)});
  }
  const std::int32_t today = model_.Today();
  cardsChart_->SetDates(
      QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(DateChart::DayPoint(today - days + 1))),
      QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(DateChart::DayPoint(today))),
      days > 90 ? "MMM yy" : "d MMM");
  cardsChart_->SetPoints(0, points);
}

void ProgressWindow::FillLeeches() {
  const QSignalBlocker quiet(leeches_);
  leeches_->clear();
  QFont kanjiFont = gothic_;
  kanjiFont.setPixelSize(20);
  for (const Leech& leech : model_.Leeches()) {
    auto* item = new QTreeWidgetItem(leeches_);
    item->setData(0, Qt::UserRole, leech.code);
    item->setText(0, TextOf(leech.code));
    item->setFont(0, kanjiFont);
    item->setText(1, MeaningOf(leech.code));
    item->setText(2, Number(leech.misses));
    item->setText(3, Number(leech.cards));
    item->setText(4, QString::number(leech.scoreFall, 'f', 0));
    item->setText(5, QString::number(leech.score, 'f', 0));
    for (int column = 2; column < 6; ++column) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  }
  if (model_.Leeches().empty()) {
    auto* item = new QTreeWidgetItem(leeches_);
    item->setText(1, "None among your last 200 cards. Well done!");
    item->setFlags(Qt::NoItemFlags);
  }
  for (int column : {0, 2, 3, 4, 5}) leeches_->resizeColumnToContents(column);
}

void ProgressWindow::AddAboveGrid(QWidget* row) {
  if (auto* column = qobject_cast<QBoxLayout*>(grid_->parentWidget()->layout())) {
    column->insertWidget(0, row);
  }
}

void ProgressWindow::ShowKanji(KanjiCode code) {
  if (RecordOf(code) == nullptr || code == shown_) return;
  shown_ = code;
  const KanjiStanding* standing = model_.Find(code);
  grid_->SetCurrentIndex(standing != nullptr ? static_cast<int>(standing - model_.Kanji().data()) : -1);
  details_->Show(DetailsOf(code));
}

KanjiDetails ProgressWindow::DetailsOf(KanjiCode code) const {
  KanjiDetails details;
  const KanjiRecord* record = RecordOf(code);
  details.kanji = TextOf(code);
  details.meaning = MeaningOf(code);
  details.onReadings = ReadingsText(record->onReadings, jis_);
  details.kunReadings = ReadingsText(record->kunReadings, jis_);
  const KanjiStanding* standing = model_.Find(code);
  if (standing != nullptr) {
    details.standing = StandingText(*standing);
    details.colour = ColourOf(*standing).fill;
  } else {
    details.standing = "Not on the study list";
    details.colour = kNotIntroduced.fill;
  }
  for (const KanjiNote& note : profile_.notes) {
    if (note.code != code || note.IsEmpty()) continue;
    QString text = QString::fromUtf16(note.text.data());
    details.note = text.replace(QChar('\r'), QChar('\n'));
    break;
  }
  details.scores = model_.ScoreHistory(code);
  details.masteryThreshold = profile_.settings.masteryThreshold;
  return details;
}

QString ProgressWindow::TooltipOf(int index) const {
  const KanjiStanding& k = model_.Kanji()[static_cast<std::size_t>(index)];
  return QString("<p style='white-space:pre'><span style=\"font-family:'%1'; font-size:22pt\">%2</span>"
                 "&nbsp;&nbsp;<b>%3</b><br>%4</p>")
      .arg(gothic_.family(), TextOf(k.code), MeaningOf(k.code).toHtmlEscaped(),
           StandingText(k).toHtmlEscaped().replace("\n", "<br>"));
}

const KanjiRecord* ProgressWindow::RecordOf(KanjiCode code) const {
  const std::int32_t index = recordIndex_[code];
  return index < 0 ? nullptr : &database_.kanji[static_cast<std::size_t>(index)];
}

QString ProgressWindow::TextOf(KanjiCode code) const {
  const std::uint16_t unicode = jis_.CodeToUnicode(code);
  return QString(QChar(unicode != 0 ? unicode : 0x3013));
}

QString ProgressWindow::MeaningOf(KanjiCode code) const {
  const KanjiRecord* record = RecordOf(code);
  return record == nullptr ? QString() : QString::fromLatin1(record->meaning);
}

void ProgressWindow::hideEvent(QHideEvent* event) {
  SaveGeometry();
  QWidget::hideEvent(event);
}

void ProgressWindow::SaveGeometry() const {
  // Only the window's place: a failure to keep it is not worth troubling the learner with.
  const QByteArray geometry = saveGeometry();
  std::string error;
  SaveFileSafely(directory_ / kGeometryFileName,
                 std::string_view(geometry.constData(), static_cast<std::size_t>(geometry.size())),
                 nullptr, error);
}
