#pragma once

#include <optional>
#include <string>
#include <vector>

// Which kept replay belongs to which row of the high-score table, in a small text file beside
// the replays (docs/file-formats.md): a game that entered the table stays watchable as long as
// its entry stands, and HighScore.txt keeps its own format.
class ReplayIndex {
  public:
    static constexpr const char* kFileName = "table.txt";

    struct Row {
        int place = 0;
        int score = 0;
        std::string file;
    };

    // The index of the replay folder; lines that are no row are left out with a log line.
    static ReplayIndex Load(const std::string& folder);
    // False, with a log line, when it could not be written.
    bool Save(const std::string& folder) const;

    // A new entry at `place`: the rows from there move down one, the last drops off the table.
    // An entry without a replay (recording off, or lost) is inserted with an empty file.
    void Insert(int place, int score, const std::string& file);
    // The replay of the table's row, when the index names one for that score.
    std::optional<std::string> FileOf(int place, int score) const;
    const std::vector<Row>& Rows() const { return rows; }

  private:
    std::vector<Row> rows;
};
