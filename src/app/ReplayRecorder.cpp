#include "app/ReplayRecorder.h"

#include "core/DataHash.h"
#include "core/FileLoader.h"
#include "core/FileUtil.h"
#include "core/Log.h"
#include "core/ReplayFile.h"
#include "score/HighScore.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {
constexpr const char* kExtension = ".qlr";
// File names are eight-digit serial numbers, so name order is age order.
constexpr const char* kNameFormat = "%08lu";

std::vector<std::string> ReplayNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        if (ReplayRecorder::IsReplayName(it->path().filename().string()))
            names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

bool ReplayRecorder::IsReplayName(const std::string& name) {
    const std::filesystem::path path(name);
    const std::string stem = path.stem().string();
    return path.extension() == kExtension && stem.size() == 8 && path.filename() == name &&
           std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void ReplayRecorder::Heard(const platform::Message& message) {
    if (message.type == platform::Message::Type::FocusGained ||
        message.type == platform::Message::Type::FocusLost)
        focus = message.type == platform::Message::Type::FocusGained;
    if (recording && Replay::MessageCode(message.type) != 0)
        turnMessages.push_back(message);
}

void ReplayRecorder::Begin(Replay header) {
    lastWritten.clear();
    if (!enabled)
        return;
    replay = std::move(header);
    replay.startFocus = focus;
    turns.Clear();
    turnMessages.clear();
    recording = true;
    lastNow = 0;
}

void ReplayRecorder::TurnStarted(std::uint32_t now, std::optional<std::uint32_t> lastFrame,
                                 bool tickFocus) {
    if (!recording)
        return;
    // The first turn counts from the last frame, which a replay's start reproduces.
    const std::uint32_t elapsed =
        turns.Count() == 0 ? now - lastFrame.value_or(now) : now - lastNow;
    lastNow = now;
    turns.Add(elapsed, tickFocus, turnMessages);
    turnMessages.clear();
}

void ReplayRecorder::TurnEnded(const Snapshot& snapshot) {
    if (!recording)
        return;
    if (turns.Count() % Replay::kCheckpointEvery == 0)
        replay.checkpoints.push_back({turns.Count(), static_cast<int>(snapshot.state),
                                      snapshot.score, snapshot.frogX, snapshot.frogY});
    const GameState state = snapshot.state;
    if (state == GameState::TitleMenu || state == GameState::SubmitScore ||
        state == GameState::HighScores)
        Finish(Replay::Ending::Finished, snapshot);
}

void ReplayRecorder::Quit(const Snapshot& snapshot) {
    if (recording)
        Finish(Replay::Ending::Quit, snapshot);
}

void ReplayRecorder::Finish(Replay::Ending ending, const Snapshot& snapshot) {
    recording = false;
    replay.turnCount = turns.Count();
    replay.turnData = turns.Finish();
    replay.ending = ending;
    replay.finalScore = snapshot.score;
    replay.finalLevel = snapshot.level;
    // Hashed at the end, so a game never waits on the data at its start.
    replay.configHash = DataHash::Config();
    replay.dataHash = DataHash::Data();
    const std::string folder = FolderOnDisk();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string name = NextName(folder);
    if (!FileUtil::WriteAndReplace(folder + "/" + name, ReplayFile::Write(replay))) {
        Log("ReplayRecorder: could not write %s/%s; the game's replay is lost.\n", folder.c_str(),
            name.c_str());
        return;
    }
    lastWritten = name;
    Prune(folder);
}

void ReplayRecorder::EnteredTable(int place, int score) {
    const std::string folder = FolderOnDisk();
    ReplayIndex& rows = Index();
    rows.Insert(place, score, lastWritten);
    rows.Save(folder);
}

std::optional<std::string> ReplayRecorder::TableReplay(int place) {
    const std::vector<HighScore::Entry>& table = Singleton<HighScore>::Instance().entries();
    if (place < 0 || place >= static_cast<int>(table.size()))
        return std::nullopt;
    const std::optional<std::string> file =
        Index().FileOf(place, table[static_cast<std::size_t>(place)].score);
    if (!file)
        return std::nullopt;
    const std::string path = FolderOnDisk() + "/" + *file;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) ? std::optional(path) : std::nullopt;
}

ReplayIndex& ReplayRecorder::Index() {
    if (!index)
        index = ReplayIndex::Load(FolderOnDisk());
    return *index;
}

std::vector<std::string> ReplayRecorder::KeptReplays() {
    const std::string folder = FolderOnDisk();
    std::vector<std::string> paths = ReplayNames(folder);
    for (std::string& name : paths)
        name = folder + "/" + name;
    return paths;
}

// Beside the high scores, in the working folder's data\ whatever folder the data comes from.
std::string ReplayRecorder::FolderOnDisk() {
    return FileUtil::NativePath(Singleton<FileLoader>::Instance().GetBasePath() + "replays");
}

std::string ReplayRecorder::NextName(const std::string& folder) {
    const std::vector<std::string> names = ReplayNames(folder);
    const unsigned long next = names.empty() ? 1 : std::stoul(names.back()) + 1;
    char name[32];
    std::snprintf(name, sizeof name, kNameFormat, next % 100'000'000);
    return name + std::string(kExtension);
}

// The games of the table stay beside the newest ones as long as their entries stand.
void ReplayRecorder::Prune(const std::string& folder) {
    const std::vector<std::string> names = ReplayNames(folder);
    const std::vector<ReplayIndex::Row>& rows = Index().Rows();
    for (std::size_t i = 0; i + kKept < names.size(); ++i) {
        const bool inTable =
            std::any_of(rows.begin(), rows.end(),
                        [&](const ReplayIndex::Row& row) { return row.file == names[i]; });
        std::error_code error;
        if (!inTable)
            std::filesystem::remove(folder + "/" + names[i], error);
    }
}
