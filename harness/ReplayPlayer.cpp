#include "ReplayPlayer.h"

#include "app/Game.h"
#include "core/DataHash.h"
#include "core/StringUtil.h"
#include "platform/headless/HeadlessPlatform.h"

using platform::Message;

void ReplayPlayer::AwaitTurn() {
    fedThisTurn = false;
    if (verdict != Verdict::Unfinished) {
        platform.clock().advance(kBootStepMs);
        return;
    }
    if (bootTurn < kBootTurns)
        return Boot();
    if (bootTurn++ == kBootTurns) {
        Game& game = Singleton<Game>::Instance();
        game.ApplyReplayStart(replay);
        game.StartGame(replay.twoPlayers ? PlayerTurns::kMaxPlayers : 1);
    }
    FeedTurn();
}

void ReplayPlayer::Boot() {
    platform::HeadlessWindow& window = platform.window();
    if (bootTurn == 0) {
        // A verification leaves no replay of its own behind.
        Singleton<Game>::Instance().recorder.Enable(false);
        if (!SameData())
            return;
        window.push({Message::Type::FocusGained});
    } else if (!replay.startFocus) {
        window.push({Message::Type::FocusLost});
    }
    ++bootTurn;
    platform.clock().advance(kBootStepMs);
}

bool ReplayPlayer::SameData() {
    if (std::string why = DataHash::Mismatch(replay.configHash, replay.dataHash); !why.empty())
        End(Verdict::OtherData, std::move(why));
    return verdict == Verdict::Unfinished;
}

void ReplayPlayer::FeedTurn() {
    if (cursor.AtEnd())
        return End(Verdict::Diverged, "the replay holds no turns");
    const Replay::Turn& current = cursor.Next();
    platform.clock().advance(current.elapsedMs);
    for (const Message& message : current.messages)
        platform.window().push(message);
    fedThisTurn = true;
}

void ReplayPlayer::TurnDone() {
    if (fedThisTurn)
        Check();
}

void ReplayPlayer::Check() {
    const ReplayRecorder::Snapshot now = Singleton<Game>::Instance().ReplayMoment();
    const std::uint32_t turn = cursor.Played();
    if (nextCheckpoint < replay.checkpoints.size() &&
        replay.checkpoints[nextCheckpoint].turn == turn) {
        const Replay::Checkpoint& was = replay.checkpoints[nextCheckpoint++];
        if (was.state != static_cast<int>(now.state) || was.score != now.score ||
            was.frogX != now.frogX || was.frogY != now.frogY)
            return End(Verdict::Diverged,
                       StringUtil::Format("diverges by turn %u (agreed at turn %u): recorded "
                                          "state %d, score %d, frog %g, %g; replayed state %d, "
                                          "score %d, frog %g, %g",
                                          turn, lastAgreed, was.state, was.score, was.frogX,
                                          was.frogY, static_cast<int>(now.state), now.score,
                                          now.frogX, now.frogY));
        lastAgreed = turn;
    }
    if (turn < replay.turnCount)
        return;
    if (now.score != replay.finalScore || now.level != replay.finalLevel)
        return End(Verdict::Diverged,
                   StringUtil::Format("diverges by its end at turn %u (agreed at turn %u): "
                                      "recorded score %d, level %d; replayed score %d, level %d",
                                      turn, lastAgreed, replay.finalScore, replay.finalLevel,
                                      now.score, now.level));
    End(Verdict::Verified,
        StringUtil::Format("verified: score %d, level %d", now.score, now.level));
}

void ReplayPlayer::End(Verdict result, std::string why) {
    verdict = result;
    report = std::move(why);
    platform.window().postQuit(0);
}
