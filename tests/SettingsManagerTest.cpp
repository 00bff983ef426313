#include "core/SettingsManager.h"

#include "core/FileLoader.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "support/ScratchFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class SettingsManagerTest : public ::testing::Test {
  protected:
    SettingsManagerTest() { fs::create_directory("data"); }

    static std::string ConfigPath() {
        return Singleton<FileLoader>::Instance().GetBasePath() + "config.txt";
    }

    static void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(fs::path("data") / name, std::ios::binary) << bytes;
    }

    static SettingsManager& Load(const std::string& config) {
        WriteFile("config.txt", config);
        SettingsManager& manager = Singleton<SettingsManager>::Instance();
        EXPECT_TRUE(manager.LoadSettings(ConfigPath()));
        return manager;
    }

    static std::vector<std::string> LinesOf(const std::string& config) {
        WriteFile("config.txt", config);
        Settings settings;
        EXPECT_TRUE(settings.Load(ConfigPath()));
        return settings.lines;
    }

    static std::string LogText() {
        std::ifstream log("debug.txt", std::ios::binary);
        return {std::istreambuf_iterator<char>(log), {}};
    }

    static int LogCount(const std::string& line) {
        const std::string log = LogText();
        int count = 0;
        for (auto at = log.find(line); at != std::string::npos;
             at = log.find(line, at + line.size()))
            ++count;
        return count;
    }

  private:
    ScratchFolder folder;
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(SettingsManagerTest, FirstOccurrenceWinsWhateverTheCase) {
    SettingsManager& settings = Load("Speed 5\nSPEED 7\n");
    EXPECT_EQ(settings.GetInt("speed"), 5);
    EXPECT_EQ(settings.GetInt("SPEED"), 5);
    EXPECT_EQ(settings.FindSetting("sPeEd"), "Speed 5");
}

TEST_F(SettingsManagerTest, HashStartsACommentOnlyInTheFirstColumn) {
    SettingsManager& settings = Load("#lives 9\n  # lives 8\n\t#lives 7\nlives 3\n");
    EXPECT_EQ(settings.GetInt("lives"), 3);
    EXPECT_EQ(settings.GetInt("#lives"), 7);
}

TEST_F(SettingsManagerTest, TokensAfterTheValueAreIgnored) {
    SettingsManager& settings = Load("numWorlds 3 # worlds\nratio\t0.5\t\ttrailing words\n");
    EXPECT_EQ(settings.GetInt("numWorlds"), 3);
    EXPECT_FLOAT_EQ(settings.GetFloat("ratio"), 0.5f);
    EXPECT_EQ(settings.FindSetting("numWorlds"), "numWorlds 3 # worlds");
}

TEST_F(SettingsManagerTest, ValuesConvertLikeScanfButSafely) {
    struct Case {
        const char* key;
        const char* value;
        std::int32_t asInt;
        float asFloat;
        bool asBool;
    };
    constexpr std::int32_t intMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t intMin = std::numeric_limits<std::int32_t>::min();
    constexpr float floatMax = std::numeric_limits<float>::max();
    const Case cases[] = {
        {"ratio", "1.25", 1, 1.25f, true},
        {"suffix", "12abc", 12, 12.0f, true},
        {"plus", "+7", 7, 7.0f, true},
        {"neg", "-3", -3, -3.0f, true},
        {"exp", "2e3", 2, 2000.0f, true},
        {"half", "0.9", 0, 0.9f, false},
        {"word", "true", 0, 0.0f, false},
        {"hex", "0x10", 0, 16.0f, false},
        {"bare", "", 0, 0.0f, false},
        {"big", "99999999999", intMax, 99999999999.0f, true},
        {"small", "-99999999999", intMin, -99999999999.0f, true},
        {"wrap", "4294967296", intMax, 4294967296.0f, true},
        {"huge", "999999999999999999999999", intMax, 999999999999999999999999.0f, true},
        {"far", "-1e99", -1, -floatMax, true},
        {"inf", "inf", 0, floatMax, false},
        {"nan", "nan", 0, 0.0f, false},
    };
    std::string config;
    for (const Case& c : cases)
        config += std::string(c.key) + " " + c.value + "\n";
    SettingsManager& settings = Load(config);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(settings.GetInt(c.key), c.asInt);
        EXPECT_EQ(settings.GetFloat(c.key), c.asFloat);
        EXPECT_EQ(settings.GetBool(c.key), c.asBool);
    }
    EXPECT_EQ(LogText(), "");
}

TEST_F(SettingsManagerTest, SectionsNarrowOnlyQueriesThatNameThem) {
    SettingsManager& settings = Load("before 1\nSECTION Level\ninside 2\nendsection\nafter 3\n"
                                     "section audio\nSECTION other\nvolume 4\nENDSECTION\n");
    EXPECT_EQ(settings.GetInt("before"), 1);
    EXPECT_EQ(settings.GetInt("inside"), 2);
    EXPECT_EQ(settings.GetInt("after"), 3);
    EXPECT_EQ(settings.GetInt("inside", "LEVEL"), 2);
    EXPECT_EQ(settings.GetInt("before", "level"), 0);
    EXPECT_EQ(settings.GetInt("after", "level"), 0);
    EXPECT_EQ(settings.GetInt("volume", "Audio"), 4);
    EXPECT_EQ(settings.GetInt("inside", "audio"), 0);
}

TEST_F(SettingsManagerTest, EachKeySectionAndTypeScansOnce) {
    const std::string scanned = "Section defined without name\n";
    SettingsManager& settings = Load("SECTION\nspeed 5\n");
    EXPECT_EQ(settings.GetInt("speed"), 5);
    EXPECT_EQ(settings.GetInt("speed"), 5);
    EXPECT_EQ(LogCount(scanned), 1);
    EXPECT_FLOAT_EQ(settings.GetFloat("speed"), 5.0f);
    EXPECT_TRUE(settings.GetBool("speed"));
    EXPECT_EQ(LogCount(scanned), 3);
    EXPECT_EQ(settings.GetInt("speed", "none"), 0);
    EXPECT_EQ(settings.GetInt("speed", "none"), 0);
    EXPECT_EQ(LogCount(scanned), 4);
}

TEST_F(SettingsManagerTest, MissingKeyIsLoggedOncePerSectionAndType) {
    SettingsManager& settings = Load("other 1\n");
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(settings.GetInt("nope"), 0);
        EXPECT_EQ(settings.GetFloat("nope"), 0.0f);
        EXPECT_FALSE(settings.GetBool("nope"));
        EXPECT_EQ(settings.GetInt("nope", "level"), 0);
    }
    const std::string missing =
        "SettingsManager: Could not find setting <nope> in section <(null)>\n";
    EXPECT_EQ(LogText(), missing + missing + missing +
                             "SettingsManager: Could not find setting <nope> in section <level>\n");
}

TEST_F(SettingsManagerTest, MissingFileIsLoggedAndLeavesAnEmptyManager) {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    EXPECT_FALSE(settings.LoadSettings(ConfigPath()));
    EXPECT_EQ(settings.GetInt("speed"), 0);
    const std::string path = ConfigPath();
    EXPECT_EQ(LogText(),
              "Settings::Load could not open file <" + path + ">\n" +
                  "SettingsManager::LoadSettings: could not load settings <" + path + ">\n" +
                  "SettingsManager: Could not find setting <speed> in section <(null)>\n");
}

TEST_F(SettingsManagerTest, LaterFilesAnswerOnlyWhatEarlierOnesLack) {
    WriteFile("extra.txt", "speed 9\nlives 4\n");
    SettingsManager& settings = Load("speed 5\n");
    EXPECT_TRUE(
        settings.LoadSettings(Singleton<FileLoader>::Instance().GetBasePath() + "extra.txt"));
    EXPECT_EQ(settings.GetInt("speed"), 5);
    EXPECT_EQ(settings.GetInt("lives"), 4);
}

TEST_F(SettingsManagerTest, LinesLoseTheirLineEndsIncludingCarriageReturns) {
    EXPECT_EQ(LinesOf("a 1\n\nb 2"), (Lines{"a 1", "", "b 2"}));
    EXPECT_EQ(LinesOf("a 1\r\nmid\rdle 2\r\n\r\n"), (Lines{"a 1", "mid\rdle 2", ""}));
    EXPECT_TRUE(LinesOf("").empty());

    SettingsManager& settings = Load("SECTION a\r\nspeed 5\r\nENDSECTION\r\nafter 6\r\n");
    EXPECT_EQ(settings.GetInt("speed", "a"), 5);
    EXPECT_EQ(settings.GetInt("after", "a"), 0);
}

TEST_F(SettingsManagerTest, LongLinesAreStoredInPieces) {
    const std::size_t limit = Settings::MaxLineLength;
    EXPECT_EQ(LinesOf(std::string(limit, 'x') + "\r\nnext\n"),
              (Lines{std::string(limit, 'x'), "next"}));
    EXPECT_EQ(LinesOf(std::string(2 * limit + 4, 'y') + "\n"),
              (Lines{std::string(limit, 'y'), std::string(limit, 'y'), "yyyy"}));

    std::string first = "first 1";
    first.resize(limit, ' ');
    SettingsManager& settings = Load(first + "second 2\n");
    EXPECT_EQ(settings.GetInt("first"), 1);
    EXPECT_EQ(settings.GetInt("second"), 2);
}

TEST_F(SettingsManagerTest, BinaryJunkNeitherCrashesNorHidesLaterKeys) {
    EXPECT_EQ(LinesOf("ab\0cd\nspeed 5\n"s), (Lines{"ab\0cd"s, "speed 5"}));

    std::string junk;
    for (unsigned seed = 12345; junk.size() < 5000;) {
        seed = seed * 1103515245u + 12345u;
        junk += static_cast<char>(seed >> 16);
    }
    SettingsManager& settings = Load(junk + "\nspeed 5\n" + junk);
    EXPECT_EQ(settings.GetInt("speed"), 5);
}

TEST_F(SettingsManagerTest, EveryNumberOfTheGamesConfigurationHasARangeThatHoldsIt) {
    std::ifstream config(QUAGLEAPER_GENERATED_DATA "/config.txt");
    std::string line;
    int keys = 0;
    while (std::getline(config, line)) {
        std::istringstream tokens(line);
        std::string key;
        double value = 0;
        if (line.empty() || line[0] == '#' || !(tokens >> key >> value))
            continue;
        const std::optional<SettingLimits::Range> range = SettingLimits::Of(key);
        ASSERT_TRUE(range) << key;
        EXPECT_TRUE(value >= range->low && value <= range->high) << line;
        ++keys;
    }
    EXPECT_GT(keys, 400);
}

TEST_F(SettingsManagerTest, StatedNumbersOutsideTheirRangeAreHeldAtItsNearerEnd) {
    SettingsManager& settings =
        Load("numFrogLifes 2147483648\nnumFrogsToGoal -1\nlevelTimeSeconds inf\n"
             "messageInterval nan\ninitInterval 1e30\nfrogidleInterval 0.25\n"
             "madeUpKey 7\n");
    EXPECT_EQ(settings.GetInt("numFrogLifes"), 20);
    EXPECT_EQ(settings.GetInt("numFrogsToGoal"), 1);
    EXPECT_EQ(settings.GetFloat("levelTimeSeconds"), 3600.0f);
    EXPECT_EQ(settings.GetFloat("messageInterval"), 0.0f);
    EXPECT_EQ(settings.GetFloat("initInterval"), 600.0f);
    EXPECT_EQ(settings.GetFloat("frogIdleInterval"), 0.25f);
    EXPECT_EQ(settings.GetInt("madeUpKey"), 7);
    EXPECT_EQ(settings.GetInt("missingKey"), 0);
    EXPECT_EQ(LogCount("SettingsManager: numFrogLifes 2147483648 is outside [1, 20], using 20\n"),
              1);
    EXPECT_EQ(LogCount("SettingsManager: levelTimeSeconds inf is outside [1, 3600], using 3600\n"),
              1);
    EXPECT_EQ(LogCount("SettingsManager: messageInterval nan is outside [0, 60], using 0\n"), 1);
    EXPECT_EQ(LogCount(" is outside "), 5);
}

TEST_F(SettingsManagerTest, AHugeLineHidesNoKeyAndKeepsTheSectionReports) {
    std::string config = "SECTION\n" + std::string(10 << 20, 'x') + "\n";
    for (int i = 0; i < 2000; ++i)
        config += "key" + std::to_string(i) + " " + std::to_string(i) + "\n";
    SettingsManager& settings = Load(config);
    for (int i = 0; i < 2000; i += 7)
        ASSERT_EQ(settings.GetInt("key" + std::to_string(i)), i);
    EXPECT_EQ(settings.GetInt("absent"), 0);
    // Each lookup still reports the nameless section it passes, as a scan did.
    EXPECT_EQ(LogCount("Section defined without name\n"), 2000 / 7 + 2);
}
