#pragma once

#include "core/Singleton.h"

#include <cstdint>
#include <string>
#include <vector>

// The ten best scores with their players' names, the name entry for a new one, and the file
// that keeps them between games, guarded by a checksum line.
class HighScore {
  public:
    struct Entry {
        int score = 0;
        std::string name;

        bool operator==(const Entry&) const = default;
    };

    static constexpr int kEntries = 10;
    static constexpr std::size_t kMaxNameLength = 10;
    static constexpr const char* kFileName = "HighScore.txt";
    // Where the table is drawn on the high-score screen.
    static constexpr int kFirstRowY = 120;
    static constexpr int kRowStep = 35;
    static constexpr int kNameX = 200;
    static constexpr int kScoreRightX = 600;

    // Loads the table, or starts the default one and saves it when the file is not a valid table.
    void init();
    bool load();
    void reset();
    void save();
    // At shutdown: a new entry, with its name as typed so far, is not lost to a closed window.
    void saveIfChanged();
    // True when the score enters the table; its entry then takes the name being typed.
    bool addScore(int score);
    // The next entry starts with an empty name rather than the last one typed: the second
    // player of a game of two.
    void forgetName() { buffer.clear(); }
    void typeChar(char c);
    // The table in the HUD font; the row being typed blinks.
    void draw() const;

    const std::vector<Entry>& entries() const { return table; }
    // The entry whose name is being typed, or -1.
    int editingIndex() const { return editing; }
    const std::string& editBuffer() const { return buffer; }

    static bool isAllowedNameChar(unsigned char c);
    // The checksum line for the text before the separator, less its last character.
    static std::string checksumLine(const std::string& hashedText);
    static std::uint32_t hash(const std::string& text);

  private:
    friend class Singleton<HighScore>;
    HighScore() = default;

    // Returns the new entry's place.
    int insert(int score, const std::string& name);
    std::string tableText() const;
    std::string path() const;
    // A table the game will not accept is kept aside before the default replaces it.
    void keepRejectedFile() const;

    std::vector<Entry> table;
    std::string buffer;
    int editing = -1;
    // An entry was added since the last save.
    bool unsaved = false;
};
