#include "study/UserProfile.h"

#include <utility>

UserProfile::UserProfile(const KanjiDatabase& database, const JisTable& jis, System& system,
                         Clock& clock, RandomGenerator& random, NotesWindow& notesWindow,
                         std::filesystem::path directory)
    : database_(database),
      jis_(jis),
      system_(system),
      clock_(clock),
      random_(random),
      notesWindow_(notesWindow),
      directory_(std::move(directory)) {}
