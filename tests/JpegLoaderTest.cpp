#include "gfx/JpegLoader.h"

#include "DataFolderFixture.h"
#include "support/JpegWriter.h"
#include "support/Pictures.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class JpegLoaderTest : public DataFolderTest {
  protected:
    static std::unique_ptr<Image> Load(const std::string& path) {
        return Singleton<JpegLoader>::Instance().Load(path);
    }
};

constexpr int kTolerance = 6;

// Smooth gradients, each channel its own way, so that a swapped channel or a flipped row shows.
std::uint32_t Colour(int x, int y, int width, int height) {
    const auto red = static_cast<std::uint32_t>(x * 255 / std::max(width - 1, 1));
    const auto green = static_cast<std::uint32_t>(y * 255 / std::max(height - 1, 1));
    const auto blue = static_cast<std::uint32_t>(64 + (x + y) * 64 / (width + height));
    return red << 16 | green << 8 | blue;
}

std::vector<std::uint32_t> Picture(int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(Colour(x, y, width, height));
    return pixels;
}

using pictures::BgrAt;

bool Close(std::uint32_t actual, std::uint32_t expected) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int difference =
            static_cast<int>(actual >> shift & 0xFF) - static_cast<int>(expected >> shift & 0xFF);
        if (std::abs(difference) > kTolerance)
            return false;
    }
    return true;
}

void ExpectPicture(const Image& image, int width, int height) {
    ASSERT_EQ(image.GetWidth(), width);
    ASSERT_EQ(image.GetHeight(), height);
    ASSERT_EQ(image.GetDepth(), 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_TRUE(Close(BgrAt(image, x, y), Colour(x, y, width, height)))
                << x << "," << y << ": " << std::hex << BgrAt(image, x, y) << " for "
                << Colour(x, y, width, height);
}

// The frame header of a baseline picture: height and width follow the marker, length and precision.
void PatchSize(std::string& jpeg, int width, int height) {
    const std::size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
}

// Halfway through the compressed rows, past every table the decoder needs to start.
std::size_t MiddleOfTheRows(const std::string& jpeg) {
    const std::size_t rows = jpeg.find("\xFF\xDA");
    EXPECT_NE(rows, std::string::npos);
    return rows + (jpeg.size() - rows) / 2;
}

TEST_F(JpegLoaderTest, ReadsColourPicturesAsBlueGreenRedFromTheTopRow) {
    for (const auto& [width, height] :
         std::vector<std::pair<int, int>>{{13, 7}, {32, 16}, {1, 2}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        WriteFile("data/colour.jpg", JpegWriter::Colour(width, height, Picture(width, height)));
        const auto image = Load("data\\colour.jpg");
        ASSERT_NE(image, nullptr);
        ExpectPicture(*image, width, height);
    }
}

TEST_F(JpegLoaderTest, ReadsGreyPicturesAsColourPictures) {
    std::vector<std::uint8_t> levels;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 11; ++x)
            levels.push_back(static_cast<std::uint8_t>(x * 20 + y * 5));
    WriteFile("data/grey.jpg", JpegWriter::Grey(11, 6, levels));
    const auto image = Load("data\\grey.jpg");
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->GetDepth(), 24);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 11; ++x) {
            const std::uint32_t level = levels[static_cast<std::size_t>(y * 11 + x)];
            EXPECT_TRUE(Close(BgrAt(*image, x, y), level << 16 | level << 8 | level))
                << x << "," << y;
        }
    }
}

TEST_F(JpegLoaderTest, AMissingPictureGivesNone) {
    EXPECT_EQ(Load("data\\missing.jpg"), nullptr);
    EXPECT_NE(LogText().find("can't open data\\missing.jpg\n"), std::string::npos);
}

TEST_F(JpegLoaderTest, UndecodablePicturesGiveNone) {
    const std::string picture = JpegWriter::Colour(16, 8, Picture(16, 8));
    for (const std::string& bytes :
         {std::string(), std::string("not a picture at all"), picture.substr(0, 20)}) {
        WriteFile("data/bad.jpg", bytes);
        EXPECT_EQ(Load("data\\bad.jpg"), nullptr);
    }
    EXPECT_NE(LogText().find("error while decoding\n"), std::string::npos);
}

TEST_F(JpegLoaderTest, PicturesThatEndEarlyOrLieAboutTheirSizeNeverReachOutside) {
    const std::string picture = JpegWriter::Colour(32, 16, Picture(32, 16));
    // Cut inside the compressed rows: the library fills in what is missing.
    WriteFile("data/cut.jpg", picture.substr(0, MiddleOfTheRows(picture)));
    const auto cut = Load("data\\cut.jpg");
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->GetWidth(), 32);
    EXPECT_EQ(cut->GetHeight(), 16);

    std::string larger = picture;
    PatchSize(larger, 300, 200);
    WriteFile("data/larger.jpg", larger);
    const auto lied = Load("data\\larger.jpg");
    ASSERT_NE(lied, nullptr);
    EXPECT_EQ(lied->GetWidth(), 300);
    EXPECT_EQ(lied->GetHeight(), 200);

    std::string huge = picture;
    PatchSize(huge, 20000, 16);
    WriteFile("data/huge.jpg", huge);
    EXPECT_EQ(Load("data\\huge.jpg"), nullptr);
    EXPECT_NE(LogText().find("JpegLoader: a picture of 20000 x 16 pixels is too large\n"),
              std::string::npos);
}

TEST_F(JpegLoaderTest, ReadsAContainerEntryAndNothingAfterIt) {
    const std::string picture = JpegWriter::Colour(32, 16, Picture(32, 16));
    const std::size_t half = MiddleOfTheRows(picture);
    // Were the reader to run on past the first half, it would find the rest of the picture.
    SaveContainer(RawContainer()
                      .Header()
                      .Put(1, "data\\whole.jpg", picture)
                      .Put(2, "data\\half.jpg", picture.substr(0, half))
                      .Put(3, "data\\rest.jpg", picture.substr(half)));
    ASSERT_TRUE(Loader().ReadDirectory());
    const auto whole = Load("data\\whole.jpg");
    ASSERT_NE(whole, nullptr);
    ExpectPicture(*whole, 32, 16);

    const auto firstHalf = Load("data\\half.jpg");
    ASSERT_NE(firstHalf, nullptr);
    const std::vector<std::uint8_t> wholeBytes(whole->GetData(),
                                               whole->GetData() + whole->GetDataSize());
    const std::vector<std::uint8_t> halfBytes(firstHalf->GetData(),
                                              firstHalf->GetData() + firstHalf->GetDataSize());
    EXPECT_NE(halfBytes, wholeBytes);
}

} // namespace
