#include "app/ReplayIndex.h"

#include "app/ReplayRecorder.h"
#include "core/FileUtil.h"
#include "core/Log.h"
#include "score/HighScore.h"

#include <algorithm>
#include <sstream>

namespace {
// Ten short lines; anything far larger is not an index.
constexpr std::size_t kMaxFileBytes = 4096;
constexpr const char* kHeader =
    "# Quagleaper: the replays of the high-score table: place score file\n";

std::string PathIn(const std::string& folder) {
    return folder + "/" + ReplayIndex::kFileName;
}

// A row that could have been written: a place in the table, a score, a replay's own name in
// the folder, never a path out of it.
std::optional<ReplayIndex::Row> ParseRow(const std::string& line) {
    std::istringstream words(line);
    ReplayIndex::Row row;
    std::string extra;
    if (!(words >> row.place >> row.score >> row.file) || (words >> extra) || row.place < 0 ||
        row.place >= HighScore::kEntries || row.score < 0 ||
        !ReplayRecorder::IsReplayName(row.file))
        return std::nullopt;
    return row;
}
} // namespace

ReplayIndex ReplayIndex::Load(const std::string& folder) {
    ReplayIndex index;
    std::FILE* stream = FileUtil::OpenRegularFile(PathIn(folder), kMaxFileBytes);
    if (!stream)
        return index;
    std::istringstream lines(FileUtil::ReadAndClose(stream));
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::optional<Row> row = ParseRow(line);
        const bool taken = row && index.FileOf(row->place, row->score).has_value();
        if (row && !taken)
            index.rows.push_back(*row);
        else
            Log("ReplayIndex: line %d of %s is no row of the table; left out.\n", number,
                PathIn(folder).c_str());
    }
    return index;
}

bool ReplayIndex::Save(const std::string& folder) const {
    std::string text = kHeader;
    for (const Row& row : rows)
        text += std::to_string(row.place) + " " + std::to_string(row.score) + " " + row.file + "\n";
    if (FileUtil::WriteAndReplace(PathIn(folder), text))
        return true;
    Log("ReplayIndex: could not write %s; the table's replays may be pruned.\n",
        PathIn(folder).c_str());
    return false;
}

void ReplayIndex::Insert(int place, int score, const std::string& file) {
    for (Row& row : rows)
        if (row.place >= place)
            ++row.place;
    std::erase_if(rows, [](const Row& row) { return row.place >= HighScore::kEntries; });
    if (!file.empty())
        rows.push_back({place, score, file});
    std::sort(rows.begin(), rows.end(),
              [](const Row& a, const Row& b) { return a.place < b.place; });
}

std::optional<std::string> ReplayIndex::FileOf(int place, int score) const {
    for (const Row& row : rows)
        if (row.place == place && row.score == score)
            return row.file;
    return std::nullopt;
}
