// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "study/LocalTimeZone.h"
#include "study/ProgressModel.h"
#include "study/ReviewRecord.h"

class DateChart;
class JisTable;
class KanjiDatabase;
class KanjiDetailsPane;
class KanjiGridView;
class QComboBox;
class QLabel;
class QTabWidget;
class QTreeWidget;
class StudyHeatMap;
class UserProfile;
struct KanjiDetails;
struct KanjiRecord;

// Where the window takes its figures from each time it is refreshed; tests give fixed ones.
struct ProgressSources {
  // The learner's history, in time order.
  std::function<std::vector<ReviewRecord>()> readHistory;
  // Seconds since 1970.
  std::function<std::int64_t()> now;
  // The learner's time zone between two times.
  std::function<LocalTimeZone(std::int64_t from, std::int64_t to)> timeZone;
  // Whether the history is being recorded this run; unset counts as yes.
  std::function<bool()> isRecording;
};

// Kanji > Progress...: the study list as a grid coloured by how well each kanji is known, a
// calendar of study days with the streaks, charts of the cards and the kanji over time, the
// kanji that keep failing, and one kanji in detail. Modeless; its size and place are kept in
// "progress_window.geometry" beside the profile. The window only draws: ProgressModel computes.
class ProgressWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kGeometryFileName = "progress_window.geometry";

  // Everything passed in must outlive the window. mincho and gothic are the program's kanji
  // fonts (any size); directory is the working directory.
  ProgressWindow(const UserProfile& profile, const KanjiDatabase& database, const JisTable& jis,
                 ProgressSources sources, const QFont& mincho, const QFont& gothic,
                 std::filesystem::path directory, QWidget* parent = nullptr);
  ~ProgressWindow() override;

  // Reads the history again and redraws every part; the kanji shown stays shown.
  void Refresh();
  // Shows code in the details pane and makes it the grid's current cell when it is on the study
  // list; a kanji of the data set that is not on the list is shown all the same.
  void ShowKanji(KanjiCode code);
  KanjiCode ShownKanji() const { return shown_; }
  // Puts row above the grid: the kanji search, which the shell adds because it changes the
  // profile this window only reads.
  void AddAboveGrid(QWidget* row);

  const ProgressModel& Model() const { return model_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* BuildSummary();
  QWidget* BuildCalendar();
  QWidget* BuildGrid();
  QWidget* BuildTabs();

  void FillSummary();
  void FillGrid();
  void FillCharts();
  void FillLeeches();
  void ShowCardsPerDay(int days);
  void SaveGeometry() const;

  const KanjiRecord* RecordOf(KanjiCode code) const;
  QString TextOf(KanjiCode code) const;
  QString MeaningOf(KanjiCode code) const;
  KanjiDetails DetailsOf(KanjiCode code) const;
  QString TooltipOf(int index) const;

  const UserProfile& profile_;
  const KanjiDatabase& database_;
  const JisTable& jis_;
  ProgressSources sources_;
  QFont mincho_;
  QFont gothic_;
  std::filesystem::path directory_;
  LocalTimeZone zone_;
  ProgressModel model_;
  std::vector<std::int32_t> recordIndex_;  // per code, into database_.kanji; -1 for none
  KanjiCode shown_ = 0;

  std::vector<QLabel*> tiles_;
  QLabel* streakLine_ = nullptr;
  StudyHeatMap* heatMap_ = nullptr;
  KanjiGridView* grid_ = nullptr;
  std::vector<QLabel*> legendCounts_;
  KanjiDetailsPane* details_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QComboBox* range_ = nullptr;
  DateChart* cardsChart_ = nullptr;
  DateChart* kanjiChart_ = nullptr;
  DateChart* firstTryChart_ = nullptr;
  QTreeWidget* leeches_ = nullptr;
};
