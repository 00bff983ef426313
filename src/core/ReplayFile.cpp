#include "core/ReplayFile.h"

#include "core/FileUtil.h"
#include "core/Varint.h"

#include <bit>
#include <cstdio>
#include <memory>

namespace {

constexpr char kMagic[] = "QLREPLAY";
constexpr std::size_t kMagicSize = 8;
constexpr std::size_t kVersionField = 16;
constexpr std::size_t kCheckpointBytes = 20;
// A game of a day at a thousand turns a second is far beyond any real one.
constexpr std::uint64_t kMaxTurns = 86'400'000;
constexpr std::uint32_t kMaxValue = 0xFFFF;

void Put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

void PutFloat(std::string& out, float value) {
    Put(out, std::bit_cast<std::uint32_t>(value), 4);
}

// Reads fixed little-endian fields; once a read runs past the end every later one fails too.
class Cursor {
  public:
    explicit Cursor(std::string_view bytes) : bytes(bytes) {}

    bool Has(std::size_t count) const { return ok && bytes.size() - pos >= count; }
    std::uint64_t Take(int count) {
        if (!Has(static_cast<std::size_t>(count))) {
            ok = false;
            return 0;
        }
        std::uint64_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= std::uint64_t{static_cast<unsigned char>(bytes[pos++])} << (8 * i);
        return value;
    }
    float TakeFloat() { return std::bit_cast<float>(static_cast<std::uint32_t>(Take(4))); }
    std::string_view TakeBytes(std::size_t count) {
        if (!Has(count)) {
            ok = false;
            return {};
        }
        pos += count;
        return bytes.substr(pos - count, count);
    }
    bool Ok() const { return ok; }
    bool AtEnd() const { return pos == bytes.size(); }

  private:
    std::string_view bytes;
    std::size_t pos = 0;
    bool ok = true;
};

// `count` turns like `lower`, each a millisecond longer where its bit is set; the bits must be
// there before a turn is made of them.
bool ReadTwoSteps(std::string_view in, std::size_t& pos, const Replay::Turn& lower,
                  std::uint64_t count, std::vector<Replay::Turn>& turns) {
    const std::uint64_t bitBytes = (count + 7) / 8;
    if (bitBytes > in.size() - pos || lower.elapsedMs == UINT32_MAX)
        return false;
    for (std::uint64_t i = 0; i < count; ++i) {
        Replay::Turn turn = lower;
        turn.elapsedMs += (static_cast<unsigned char>(in[pos + i / 8]) >> (i % 8)) & 1;
        turns.push_back(turn);
    }
    pos += bitBytes;
    return true;
}

bool ReadMessage(std::string_view in, std::size_t& pos, platform::Message& message) {
    if (pos >= in.size())
        return false;
    const int code = static_cast<unsigned char>(in[pos++]);
    if (code < 1 || code > Replay::kMessageCodes)
        return false;
    constexpr platform::Message::Type kTypes[] = {
        platform::Message::Type::KeyDown,   platform::Message::Type::Char,
        platform::Message::Type::MouseMove, platform::Message::Type::LeftDown,
        platform::Message::Type::LeftUp,    platform::Message::Type::FocusGained,
        platform::Message::Type::FocusLost};
    message = {kTypes[code - 1]};
    if (Replay::HasValue(code)) {
        const std::optional<std::uint64_t> value = Varint::Get(in, pos);
        if (!value || *value > kMaxValue)
            return false;
        message.value = static_cast<int>(*value);
    }
    if (Replay::HasPoint(code)) {
        const std::optional<std::uint64_t> x = Varint::Get(in, pos);
        const std::optional<std::uint64_t> y = Varint::Get(in, pos);
        if (!x || !y || *x > 2 * kMaxValue || *y > 2 * kMaxValue)
            return false;
        message.x = static_cast<int>(Varint::Unzigzag(*x));
        message.y = static_cast<int>(Varint::Unzigzag(*y));
    }
    return true;
}

// One entry of the packed turns, which may stand for many: its tag, then a run's length, the
// bits of a run of two steps, or the messages.
bool ReadEntry(std::string_view in, std::size_t& pos, std::int64_t& elapsed,
               std::vector<Replay::Turn>& turns) {
    const std::optional<std::uint64_t> tag = Varint::Get(in, pos);
    if (!tag)
        return false;
    elapsed += Varint::Unzigzag(*tag >> 3);
    if (elapsed < 0 || elapsed > std::int64_t{UINT32_MAX})
        return false;
    Replay::Turn turn;
    turn.elapsedMs = static_cast<std::uint32_t>(elapsed);
    turn.focus = (*tag & 4) != 0;
    const unsigned kind = *tag & 3;
    const std::optional<std::uint64_t> extra = kind == 0 ? 0 : Varint::Get(in, pos);
    if (!extra || *extra > kMaxTurns)
        return false;
    if (kind == 1)
        turn.repeat = static_cast<std::uint32_t>(*extra + 2);
    if (kind == 3)
        return ReadTwoSteps(in, pos, turn, *extra + 2, turns);
    // Every message takes a byte at least, so the count cannot outgrow the file.
    if (kind == 2 && *extra >= in.size() - pos)
        return false;
    turn.messages.resize(kind == 2 ? *extra + 1 : 0);
    for (platform::Message& message : turn.messages)
        if (!ReadMessage(in, pos, message))
            return false;
    turns.push_back(std::move(turn));
    return true;
}

bool UnpackTurns(Replay& replay, std::string& why) {
    std::string_view in = replay.turnData;
    std::size_t pos = 0;
    std::int64_t elapsed = 0;
    std::uint64_t total = 0;
    while (pos < in.size()) {
        const std::size_t before = replay.turns.size();
        if (!ReadEntry(in, pos, elapsed, replay.turns)) {
            why = "damaged turn data at byte " + std::to_string(pos);
            return false;
        }
        for (std::size_t i = before; i < replay.turns.size(); ++i)
            total += replay.turns[i].repeat;
    }
    if (total != replay.turnCount) {
        why = "the turn data holds " + std::to_string(total) + " turns, the header says " +
              std::to_string(replay.turnCount);
        return false;
    }
    return true;
}

bool ReadHeader(Cursor& in, Replay& replay, std::string& why) {
    if (in.TakeBytes(kMagicSize) != std::string_view(kMagic, kMagicSize)) {
        why = "not a replay file";
        return false;
    }
    if (const std::uint64_t version = in.Take(2); in.Ok() && version != Replay::kFormatVersion) {
        why = "replay format " + std::to_string(version) + ", this game reads " +
              std::to_string(Replay::kFormatVersion);
        return false;
    }
    const std::string_view gameVersion = in.TakeBytes(kVersionField);
    replay.gameVersion = std::string(gameVersion.substr(0, gameVersion.find('\0')));
    replay.randomState = static_cast<std::uint32_t>(in.Take(4));
    replay.configHash = in.Take(8);
    replay.dataHash = in.Take(8);
    for (int& key : replay.keys)
        key = static_cast<int>(in.Take(2));
    const std::uint64_t flags = in.Take(1);
    replay.smoothMotion = flags & 1;
    replay.pauseOnFocusLoss = flags & 2;
    replay.startFocus = flags & 4;
    replay.twoPlayers = flags & 8;
    replay.lifeLostTimer = in.TakeFloat();
    replay.gameOverTimer = in.TakeFloat();
    replay.turnCount = static_cast<std::uint32_t>(in.Take(4));
    replay.turnData = std::string(in.TakeBytes(in.Take(4)));
    if (!in.Ok() || replay.turnCount > kMaxTurns) {
        why = in.Ok() ? "too many turns" : "truncated in its header or turns";
        return false;
    }
    return true;
}

bool ReadCheckpoints(Cursor& in, Replay& replay, std::string& why) {
    const std::uint64_t count = in.Take(4);
    if (!in.Has(count * kCheckpointBytes)) {
        why = "truncated in its checkpoints";
        return false;
    }
    std::uint32_t last = 0;
    for (std::uint64_t i = 0; i < count; ++i) {
        Replay::Checkpoint point;
        point.turn = static_cast<std::uint32_t>(in.Take(4));
        point.state = static_cast<int>(in.Take(4));
        point.score = static_cast<int>(in.Take(4));
        point.frogX = in.TakeFloat();
        point.frogY = in.TakeFloat();
        if (point.turn <= last || point.turn > replay.turnCount) {
            why = "damaged checkpoint " + std::to_string(i);
            return false;
        }
        last = point.turn;
        replay.checkpoints.push_back(point);
    }
    return true;
}

} // namespace

std::string ReplayFile::Write(const Replay& replay) {
    std::string out(kMagic, kMagicSize);
    Put(out, Replay::kFormatVersion, 2);
    std::string version = replay.gameVersion.substr(0, kVersionField);
    version.resize(kVersionField, '\0');
    out += version;
    Put(out, replay.randomState, 4);
    Put(out, replay.configHash, 8);
    Put(out, replay.dataHash, 8);
    for (const int key : replay.keys)
        Put(out, static_cast<std::uint32_t>(key), 2);
    Put(out,
        (replay.smoothMotion ? 1u : 0u) | (replay.pauseOnFocusLoss ? 2u : 0u) |
            (replay.startFocus ? 4u : 0u) | (replay.twoPlayers ? 8u : 0u),
        1);
    PutFloat(out, replay.lifeLostTimer);
    PutFloat(out, replay.gameOverTimer);
    Put(out, replay.turnCount, 4);
    Put(out, replay.turnData.size(), 4);
    out += replay.turnData;
    Put(out, replay.checkpoints.size(), 4);
    for (const Replay::Checkpoint& point : replay.checkpoints) {
        Put(out, point.turn, 4);
        Put(out, static_cast<std::uint32_t>(point.state), 4);
        Put(out, static_cast<std::uint32_t>(point.score), 4);
        PutFloat(out, point.frogX);
        PutFloat(out, point.frogY);
    }
    Put(out, static_cast<std::uint8_t>(replay.ending), 1);
    Put(out, static_cast<std::uint32_t>(replay.finalScore), 4);
    Put(out, static_cast<std::uint32_t>(replay.finalLevel), 4);
    return out;
}

std::optional<Replay> ReplayFile::Read(std::string_view bytes, std::string& why) {
    Replay replay;
    Cursor in(bytes);
    if (!ReadHeader(in, replay, why) || !UnpackTurns(replay, why) ||
        !ReadCheckpoints(in, replay, why))
        return std::nullopt;
    const std::uint64_t ending = in.Take(1);
    replay.finalScore = static_cast<int>(in.Take(4));
    replay.finalLevel = static_cast<int>(in.Take(4));
    if (!in.Ok() || ending > 1) {
        why = in.Ok() ? "damaged end record" : "truncated in its end record";
        return std::nullopt;
    }
    if (!in.AtEnd()) {
        why = "bytes after the end record";
        return std::nullopt;
    }
    replay.ending = static_cast<Replay::Ending>(ending);
    return replay;
}

std::optional<Replay> ReplayFile::ReadFile(const std::string& nativePath, std::string& why) {
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    const std::unique_ptr<std::FILE, Closer> file(FileUtil::OpenRegularFile(nativePath, kMaxBytes));
    if (!file) {
        why = "cannot be read (missing, not a regular file or larger than 16 MiB)";
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get()))
        bytes.append(buffer, got);
    return Read(bytes, why);
}
