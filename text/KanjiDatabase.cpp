#include "text/KanjiDatabase.h"

#include <utility>

#include "platform/System.h"
#include "text/JisTable.h"

KanjiDatabase::KanjiDatabase(const JisTable& jis, System& system, std::filesystem::path directory)
    : jis_(jis), system_(system), directory_(std::move(directory)) {}
