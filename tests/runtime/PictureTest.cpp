#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Picture.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

std::string le16(int v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}
std::string le32(int v) {
    return le16(v & 0xFFFF) + le16((v >> 16) & 0xFFFF);
}
std::string be16(int v) {
    return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}
std::string be32(int v) {
    return be16((v >> 16) & 0xFFFF) + be16(v & 0xFFFF);
}

std::string bmp(int width, int height) {
    return "BM" + le32(70) + le32(0) + le32(54) + le32(40) + le32(width) + le32(height) + le16(1) +
           le16(24) + std::string(24, '\0');
}
std::string gif(int width, int height) {
    return "GIF89a" + le16(width) + le16(height) + "\x80\0\0";
}
std::string png(int width, int height) {
    return std::string("\x89PNG\r\n\x1a\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height) +
           std::string("\x08\x02\0\0\0", 5);
}
// A JPEG with an APP0 segment before its start-of-frame.
std::string jpeg(int width, int height) {
    return std::string("\xFF\xD8\xFF\xE0", 4) + be16(16) +
           std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14) + std::string("\xFF\xC0", 2) +
           be16(17) + "\x08" + be16(height) + be16(width) + "\x03";
}
// An icon with a 16 by 16 image and a 256 by 256 one (written as 0 by 0).
std::string ico() {
    std::string entry16 = std::string("\x10\x10\0\0", 4) + le16(1) + le16(32) + le32(40) + le32(38);
    std::string entry256 = std::string("\0\0\0\0", 4) + le16(1) + le16(32) + le32(40) + le32(78);
    return std::string("\0\0\x01\0", 4) + le16(2) + entry16 + entry256;
}

struct Sample {
    std::string file;
    std::string bytes;
    PictureFormat format;
    int width;
    int height;
};

}  // namespace

TEST(LoadPicture, RecognisesEachFormatByItsContentWhateverTheFileIsCalled) {
    Harness harness;
    const std::vector<Sample> samples = {
        {"skins/Sea/PictureBack", bmp(40, 30), PictureFormat::Bmp, 40, 30},
        {"skins/Sea/upside.bmp", bmp(12, -7), PictureFormat::Bmp, 12, 7},
        {"cache/a1b2", gif(320, 200), PictureFormat::Gif, 320, 200},
        {"photo.gif", jpeg(640, 480), PictureFormat::Jpeg, 640, 480},
        {"shot", png(800, 600), PictureFormat::Png, 800, 600},
        {"icon.dat", ico(), PictureFormat::Ico, 256, 256},
    };
    for (const Sample& sample : samples) {
        harness.writeFile(sample.file, sample.bytes);
        auto picture = LoadPicture(harness.path(sample.file));
        ASSERT_TRUE(picture.has_value()) << sample.file;
        EXPECT_EQ(picture->format, sample.format) << sample.file;
        EXPECT_EQ(picture->widthPx, sample.width) << sample.file;
        EXPECT_EQ(picture->heightPx, sample.height) << sample.file;
    }
}

TEST(LoadPicture, RefusesFilesThatAreNoPictureOrCannotBeRead) {
    Harness harness;
    harness.writeFile("notes.bmp", "This is a text file, not a bitmap.");
    harness.writeFile("short.png", std::string("\x89PNG", 4));
    harness.writeFile("empty.gif", "");
    harness.writeFile("zero.bmp", bmp(0, 10));
    for (std::string file : {"notes.bmp", "short.png", "empty.gif", "zero.bmp", "missing.jpg"})
        EXPECT_FALSE(LoadPicture(harness.path(file)).has_value()) << file;
    EXPECT_FALSE(LoadPicture(harness.programFolder()).has_value());
}

TEST(LoadPicture, GivesTheEmptyPictureForTheEmptyPath) {
    Harness harness;
    auto picture = LoadPicture("");
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(picture->empty());
}

TEST(LoadPicture, FindsTheFileWithoutRegardToLetterCase) {
    Harness harness;
    harness.writeFile("Skins/Sea/Back.GIF", gif(5, 6));
    auto picture = LoadPicture(harness.programFolder() + "/skins/SEA/back.gif");
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->path, harness.path("Skins/Sea/Back.GIF"));
}

TEST(Pictures, GiveTheirSizeInHimetricRounded) {
    struct Case {
        int pixels;
        long himetric;
    };
    for (Case c : {Case{32, 847}, Case{96, 2540}, Case{1, 26}, Case{15, 397}}) {
        Picture picture{"p", PictureFormat::Bmp, c.pixels, c.pixels};
        EXPECT_EQ(picture.widthHimetric(), c.himetric) << c.pixels;
        EXPECT_EQ(picture.heightHimetric(), c.himetric) << c.pixels;
    }
}
