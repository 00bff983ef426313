#include "core/Translation.h"

#include "core/Language.h"
#include "core/PlayerMessage.h"
#include "support/GeneratedData.h"
#include "support/ScratchFolder.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

void PutWord(std::string& bytes, std::size_t at, std::uint32_t word, bool bigEndian) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(word >> (bigEndian ? 24 - 8 * i : 8 * i));
}

// A .mo file as msgfmt lays it out: header, source table, target table, then the strings.
std::string MoFile(const Pairs& pairs, bool bigEndian = false) {
    const std::size_t count = pairs.size();
    std::string bytes(28 + 16 * count, '\0');
    PutWord(bytes, 0, 0x950412DE, bigEndian);
    PutWord(bytes, 8, static_cast<std::uint32_t>(count), bigEndian);
    PutWord(bytes, 12, 28, bigEndian);
    PutWord(bytes, 16, static_cast<std::uint32_t>(28 + 8 * count), bigEndian);
    for (std::size_t table = 0; table < 2; ++table)
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& text = table == 0 ? pairs[i].first : pairs[i].second;
            const std::size_t row = 28 + 8 * (table * count + i);
            PutWord(bytes, row, static_cast<std::uint32_t>(text.size()), bigEndian);
            PutWord(bytes, row + 4, static_cast<std::uint32_t>(bytes.size()), bigEndian);
            bytes += text + '\0';
        }
    return bytes;
}

Translation& Texts() {
    return Singleton<Translation>::Instance();
}

} // namespace

TEST(Translation, ReadsEitherByteOrderAndConvertsToLatin1ForTheFont) {
    const Pairs pairs = {{"", "Content-Type: text/plain; charset=UTF-8\n"},
                         {"Help", "Hilfe"},
                         {"to the menu", "zum Menü"},
                         {"One frog\0%d frogs", std::string("Ein Frosch\0%d Frösche", 22)},
                         {"Untranslated", ""}};
    for (const bool bigEndian : {false, true}) {
        ASSERT_TRUE(Texts().Parse(MoFile(pairs, bigEndian), "test.mo"));
        EXPECT_EQ(Texts().Size(), 3u) << "the header and the empty translation are no texts";
        EXPECT_EQ(Tr("Help"), "Hilfe");
        EXPECT_EQ(Tr("to the menu"), "zum Men\xFC");
        EXPECT_EQ(Texts().System("to the menu"), "zum Men\xC3\xBC");
        EXPECT_EQ(Tr("One frog"), "Ein Frosch") << "a plural entry gives its first form";
        EXPECT_EQ(Tr("Untranslated"), "Untranslated");
        EXPECT_EQ(Tr("Not in the catalogue"), "Not in the catalogue");
    }
}

TEST(Translation, RefusesADamagedCatalogueWholeAndReadsNothingOutsideIt) {
    const std::string good = MoFile({{"Help", "Hilfe"},
                                     {"Back", "Zur\xC3\xBC"
                                              "ck"}});
    // Cut anywhere, the file loses its header, a table row or a string's end.
    for (std::size_t size = 0; size < good.size() - 1; ++size) {
        EXPECT_FALSE(Texts().Parse(good.substr(0, size), "cut.mo")) << size;
        EXPECT_EQ(Texts().Size(), 0u) << size;
        EXPECT_EQ(Tr("Help"), "Help");
    }
    const auto damaged = [&good](std::size_t at, std::uint32_t word) {
        std::string bytes = good;
        PutWord(bytes, at, word, false);
        return bytes;
    };
    EXPECT_FALSE(Texts().Parse(damaged(0, 0x12345678), "magic.mo"));
    EXPECT_FALSE(Texts().Parse(damaged(4, 2u << 16), "revision.mo"));
    EXPECT_FALSE(Texts().Parse(damaged(8, 0xFFFFFFFF), "count.mo"));
    EXPECT_FALSE(Texts().Parse(damaged(12, 0xFFFFFFF0), "sources.mo"));
    EXPECT_FALSE(Texts().Parse(damaged(16, static_cast<std::uint32_t>(good.size())), "targets.mo"));
    EXPECT_FALSE(Texts().Parse(damaged(28, 0xFFFFFFFF), "length.mo"));
    EXPECT_FALSE(Texts().Parse(damaged(32, 0xFFFFFFFE), "offset.mo"));
    EXPECT_EQ(Texts().Size(), 0u);
    EXPECT_TRUE(Texts().Parse(good, "good.mo"));
    EXPECT_EQ(Tr("Back"), "Zur\xFC"
                          "ck");
}

TEST(Translation, TheBuiltGermanCatalogueHoldsTheGameTextsAsTheyWere) {
    ScratchFolder folder;
    GeneratedData data(folder);
    ASSERT_TRUE(Texts().Load(Language::German));
    EXPECT_EQ(Tr("Your time is up!"), "Deine Zeit ist abgelaufen!");
    EXPECT_EQ(Tr("Level complete!"), "Level geschafft!");
    EXPECT_EQ(Tr("Truck to truck travel!"), "Truck To Truck Travel!");
    EXPECT_NE(PlayerMessage::NoDisplay().find("keinen Bildschirm"), std::string::npos);
    EXPECT_NE(PlayerMessage::DataMissing("nowhere/").find("Datenordner nowhere/ nicht"),
              std::string::npos);
    ASSERT_TRUE(Texts().Load(Language::English));
    EXPECT_EQ(Tr("Your time is up!"), "Your time is up!");
    EXPECT_EQ(Texts().Active(), Language::English);
}

TEST(Translation, AMissingCatalogueOrAStrayConversionLeavesTheSourceTextsSafe) {
    ScratchFolder folder;
    folder.Write("data/config.txt", "");
    EXPECT_FALSE(Texts().Load(Language::German));
    EXPECT_EQ(Texts().Active(), Language::German) << "the pictures still follow the player";
    EXPECT_EQ(Tr("Pause"), "Pause");
    // A translation's own conversions are never handed to printf.
    const std::string english = "Quagleaper cannot write its log %s in the folder it runs in. "
                                "Start it from a folder you may write to.";
    ASSERT_TRUE(Texts().Parse(MoFile({{english, "%n%s%s%x kaputt"}}), "stray.mo"));
    EXPECT_EQ(PlayerMessage::LogNotWritable("debug.txt"), "%ndebug.txt%s%x kaputt");
}

TEST(Language, TheFirstLocaleVariableSetDecidesGermanOrEnglish) {
    const auto decide = [](const char* language, const char* all, const char* messages,
                           const char* lang) {
        const std::pair<const char*, const char*> variables[] = {
            {"LANGUAGE", language}, {"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}};
        for (const auto& [name, value] : variables)
            value ? setenv(name, value, 1) : unsetenv(name);
        return LanguageFromEnvironment();
    };
    EXPECT_EQ(decide(nullptr, nullptr, nullptr, nullptr), Language::English);
    EXPECT_EQ(decide(nullptr, nullptr, nullptr, "de_DE.UTF-8"), Language::German);
    EXPECT_EQ(decide(nullptr, nullptr, nullptr, "C.UTF-8"), Language::English);
    EXPECT_EQ(decide("", "", "de_AT", "en_GB"), Language::German) << "empty ones do not count";
    EXPECT_EQ(decide(nullptr, "en_US", "de_DE", "de_DE"), Language::English);
    EXPECT_EQ(decide("de:en", "C", nullptr, "en_US"), Language::German);
    EXPECT_EQ(decide("en_GB:de", nullptr, nullptr, "de_DE"), Language::English);
    EXPECT_EQ(decide("fr", nullptr, nullptr, "de_DE"), Language::English);
}

TEST(Language, CodesAndWordedFileNamesGoBothWays) {
    for (const Language language : {Language::German, Language::English})
        EXPECT_EQ(LanguageFromCode(LanguageCode(language)), language);
    EXPECT_EQ(LanguageCode(Language::German), std::string("de"));
    EXPECT_EQ(LanguageFromCode("fr"), std::nullopt);
    EXPECT_EQ(LanguageFromCode("DE"), std::nullopt);
    EXPECT_EQ(LanguageVariant("help", Language::German), "help");
    EXPECT_EQ(LanguageVariant("help", Language::English), "help_en");
}
