#include "score/HighScore.h"

#include "core/FileLoader.h"
#include "gfx/DirectDraw.h"
#include "pack/ContainerWriter.h"
#include "platform/DisplaySurface.h"
#include "support/GlyphFont.h"
#include "support/HeadlessScreen.h"
#include "support/ScratchFolder.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr const char* kFile = "data/HighScore.txt";

class HighScoreTest : public ::testing::Test {
  protected:
    HighScoreTest() { std::filesystem::create_directories(folder.Path() / "data"); }

    HighScore& Table() { return Singleton<HighScore>::Instance(); }
    std::string Log() const { return folder.Read("debug.txt"); }
    bool Cheated() const {
        return Log().find("You cheated you high scores! - lets reset.\n") != std::string::npos;
    }

    // A table file as the game writes it, for ten entries of the given lines.
    static std::string FileWith(const std::string& entryLines) {
        const std::string text = "Quagleaper - Highscores\n\n" + entryLines;
        return text + "---------------------------------\n" +
               HighScore::checksumLine(text.substr(0, text.size() - 1));
    }

    static std::string Entries(int first, const std::string& name = "Pat") {
        std::string lines;
        for (int i = 0; i < 10; ++i)
            lines += "*" + std::to_string(first - i) + ":" + name + "\n";
        return lines;
    }

    ScratchFolder folder;
};

} // namespace

TEST_F(HighScoreTest, TheHashRotatesAndAddsSignedBytes) {
    EXPECT_EQ(HighScore::hash("abc"), 0x616263u);
    // Latin-1 letters count as negative bytes.
    EXPECT_EQ(HighScore::hash("\xC4"), 0xFFFFFFC4u);
    EXPECT_EQ(HighScore::checksumLine("abc"), "616263ff9e9d9b---5dec5571");
}

TEST_F(HighScoreTest, AMissingFileGivesTheDefaultTableWrittenAtOnce) {
    Table().init();
    ASSERT_EQ(Table().entries().size(), 10u);
    EXPECT_EQ(Table().entries()[0].name, "Alvara");
    EXPECT_EQ(Table().entries()[9].score, 100);
    const std::string saved = folder.Read(kFile);
    EXPECT_EQ(saved.rfind("Quagleaper - Highscores\n\n*1000:Alvara\n*900:Bronik\n", 0), 0u);
    EXPECT_NE(saved.find("*100:Jorrel\n---------------------------------\n"), std::string::npos);
    EXPECT_NE(saved.back(), '\n') << "no newline after the checksum";
    EXPECT_TRUE(Table().load());
    EXPECT_FALSE(Cheated());
}

TEST_F(HighScoreTest, AnAlteredFileIsReplacedAndKeptAside) {
    folder.Write(kFile, FileWith(Entries(5000)));
    Table().init();
    EXPECT_EQ(Table().entries()[0].score, 5000);
    EXPECT_FALSE(Cheated());

    std::string altered = FileWith(Entries(5000));
    altered.replace(altered.find("*5000"), 5, "*9000");
    folder.Write(kFile, altered);
    Table().init();
    EXPECT_TRUE(Cheated());
    EXPECT_EQ(Table().entries()[0].score, 1000);
    EXPECT_EQ(folder.Read("data/HighScore.txt.rejected"), altered)
        << "nothing the player had is lost";

    folder.Write(kFile, FileWith(Entries(5000)) + "\n");
    EXPECT_FALSE(Table().load()) << "a newline after the checksum";
}

TEST_F(HighScoreTest, ShortOrTruncatedFilesFallBackSilently) {
    for (const std::string& content :
         {std::string("Quagleaper - Highscores\n\n*5:A\n"), FileWith(Entries(50)).substr(0, 100),
          std::string("\xff\xfe binary \0 junk", 16)}) {
        folder.Write(kFile, content);
        Table().init();
        EXPECT_EQ(Table().entries().size(), 10u);
        EXPECT_EQ(Table().entries()[0].name, "Alvara");
    }
    EXPECT_FALSE(Cheated());
}

TEST_F(HighScoreTest, NamesKeepTheirColonsAndLoseForbiddenCharacters) {
    folder.Write(kFile, FileWith("*90:a:b%c\xC4\n" + Entries(80).substr(0, 9 * 8)));
    ASSERT_TRUE(Table().load());
    EXPECT_EQ(Table().entries()[0].name, "a:bc\xC4");
    Table().save();
    ASSERT_TRUE(Table().load());
    EXPECT_EQ(Table().entries()[0].name, "a:bc\xC4");
}

TEST_F(HighScoreTest, AHugeScoreIsHeldAtTheIntRange) {
    folder.Write(kFile, FileWith("*99999999999999:Big\n" + Entries(80).substr(0, 9 * 8)));
    ASSERT_TRUE(Table().load());
    EXPECT_EQ(Table().entries()[0].score, INT_MAX);
}

TEST_F(HighScoreTest, OnlyABetterScoreEntersAndEqualScoresKeepTheirOrder) {
    Table().init();
    EXPECT_FALSE(Table().addScore(100)) << "equal to the lowest";
    EXPECT_EQ(Table().editingIndex(), -1);
    ASSERT_TRUE(Table().addScore(500));
    EXPECT_EQ(Table().editingIndex(), 6) << "below the older 500";
    EXPECT_EQ(Table().entries()[5].name, "Fennick");
    EXPECT_EQ(Table().entries()[9].name, "Ilvora");
}

TEST_F(HighScoreTest, OfTwoEqualLowestOnlyTheLastLeaves) {
    std::string lines = Entries(900).substr(0, 8 * 9); // *900:Pat ... *893:Pat
    lines += "*10:First\n*10:Second\n";
    folder.Write(kFile, FileWith(lines));
    ASSERT_TRUE(Table().load());
    ASSERT_TRUE(Table().addScore(50));
    EXPECT_EQ(Table().entries()[9].name, "First") << Table().entries()[9].score;
    EXPECT_EQ(Table().entries()[8].score, 50);
}

TEST_F(HighScoreTest, TypingANameAndReturnSavesItAndTheNameStaysForNextTime) {
    Table().init();
    ASSERT_TRUE(Table().addScore(2000));
    for (char c : std::string("Quagleaperx%"))
        Table().typeChar(c);
    EXPECT_EQ(Table().editBuffer(), "Quagleaper") << "ten characters, no percent sign";
    Table().typeChar(8);
    EXPECT_EQ(Table().entries()[0].name, "Quagleape") << "backspace writes the name";
    Table().typeChar('r');
    Table().typeChar(13);
    EXPECT_EQ(Table().editingIndex(), -1);
    EXPECT_NE(folder.Read(kFile).find("*2000:Quagleaper\n"), std::string::npos);

    ASSERT_TRUE(Table().addScore(3000));
    Table().typeChar(13);
    EXPECT_EQ(Table().entries()[0].name, "Quagleaper");
    Table().typeChar('z');
    EXPECT_EQ(Table().editBuffer(), "Quagleaper") << "no entry is being edited";
}

TEST_F(HighScoreTest, TheTableLivesOnDiskBesideTheDataContainer) {
    folder.Write("data/config.txt", "numFrogLifes 3\n");
    ContainerWriter writer;
    ASSERT_TRUE(writer.AddFolder("data", "data/Quagleaper.dat") &&
                writer.WriteTo("data/Quagleaper.dat"));
    ASSERT_TRUE(Singleton<FileLoader>::Instance().ReadDirectory());
    Table().init();
    ASSERT_TRUE(Table().addScore(5000));
    Table().typeChar(13);
    ASSERT_TRUE(Table().load());
    EXPECT_EQ(Table().entries()[0].score, 5000);
}

TEST_F(HighScoreTest, AnUnwritableFileKeepsTheTableInMemoryAndSaysSo) {
    std::filesystem::create_directories(folder.Path() / kFile);
    Table().reset();
    ASSERT_TRUE(Table().addScore(4000));
    Table().save();
    EXPECT_EQ(Table().entries()[0].score, 4000);
    EXPECT_NE(Log().find("HighScore: could not write"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "data/HighScore.txt.new"));
}

TEST_F(HighScoreTest, ASaveCutShortBeforeItsRenameLeavesTheOldTable) {
    folder.Write(kFile, FileWith(Entries(5000)));
    // What a crash in the middle of the last save left behind.
    folder.Write("data/HighScore.txt.new", "Quagleaper - Highscores\n\n*90");
    Table().init();
    EXPECT_EQ(Table().entries()[0].score, 5000);
    EXPECT_FALSE(Cheated());

    ASSERT_TRUE(Table().addScore(6000));
    Table().typeChar(13);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "data/HighScore.txt.new"));
    ASSERT_TRUE(Table().load());
    EXPECT_EQ(Table().entries()[0].score, 6000);
    EXPECT_EQ(Table().entries()[1].score, 5000);
}

namespace {

// The table drawn with a font whose only glyph is "1": scores of ones show where each row is.
class HighScoreDrawTest : public HighScoreTest {
  protected:
    HighScoreDrawTest() {
        GlyphFont::LoadGameFonts(folder);
        std::string lines;
        for (int i = 0; i < 10; ++i)
            lines += "*11:1\n";
        folder.Write(kFile, FileWith(lines));
        EXPECT_TRUE(Table().load());
    }

    static bool RedAt(int x, int y) {
        return Singleton<DirectDraw>::Instance().GetBackBuffer()->pixelAt(x, y) == GlyphFont::kRed;
    }
    void ClearScreen() { Singleton<DirectDraw>::Instance().GetBackBuffer()->fill(nullptr, 0); }
    void DrawAt(std::uint32_t milliseconds) {
        screen.Clock().advance(milliseconds - screen.Clock().milliseconds());
        ClearScreen();
        Table().draw();
    }

    HeadlessScreen screen{32};
};

} // namespace

TEST_F(HighScoreDrawTest, NamesStartAtTwoHundredAndScoresEndAtSixHundredEveryThirtyFiveRows) {
    DrawAt(400);
    for (int row = 0; row < 10; ++row) {
        const int y = 120 + 35 * row;
        EXPECT_TRUE(RedAt(200, y)) << row;
        EXPECT_FALSE(RedAt(199, y)) << row;
        // "11" right-aligned: two glyphs of ten with a pixel of spacing end just left of 600.
        EXPECT_TRUE(RedAt(599 - 1, y)) << row;
        EXPECT_FALSE(RedAt(600, y)) << row;
    }
}

TEST_F(HighScoreDrawTest, TheRowBeingTypedShowsTheBufferAndBlinks) {
    ASSERT_TRUE(Table().addScore(111));
    ASSERT_EQ(Table().editingIndex(), 0);
    DrawAt(400);
    EXPECT_TRUE(RedAt(598, 120)) << "the score of the new row";
    EXPECT_FALSE(RedAt(200, 120)) << "an empty name is typed so far";
    Table().typeChar('1');
    DrawAt(400);
    EXPECT_TRUE(RedAt(200, 120));
    DrawAt(1000);
    EXPECT_FALSE(RedAt(200, 120)) << "hidden in one of three periods of 333 ms";
    EXPECT_FALSE(RedAt(598, 120));
    EXPECT_TRUE(RedAt(200, 155)) << "the other rows stay";
}
