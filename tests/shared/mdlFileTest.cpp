#include "shared/mdlFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "runtime/headless/Harness.h"

using quillo::headless::Harness;
using quillo::runtime::MsgBoxButtons;
using quillo::runtime::MsgBoxResult;
namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kMaxLong = std::numeric_limits<std::int32_t>::max();

// Opens, checks the result and closes again.
std::int16_t openAndClose(const std::string& path, int mode, int kind, std::int32_t length) {
    std::int16_t handle = quillo::OpenFile(path, static_cast<std::uint8_t>(mode),
                                           static_cast<std::uint8_t>(kind), length);
    if (handle > 0) quillo::CloseFile(handle);
    return handle;
}

}  // namespace

TEST(OpenFile, GivesAHandleOrTheCodeOfTheRefusal) {
    constexpr std::int16_t handle = 1;  // any handle
    struct Case {
        int mode;
        int kind;
        std::int32_t recordLength;
        std::optional<std::string> before;  // the file's content, none for a missing file
        std::int16_t result;
        std::optional<std::string> after;
    };
    const Case cases[] = {
        {1, 1, 0, std::nullopt, -11, std::nullopt},
        {2, 1, 0, std::nullopt, handle, ""},
        {2, 1, 0, "keep", handle, "keep"},
        {3, 1, 0, std::nullopt, -11, std::nullopt},
        {3, 1, 0, "keep", handle, "keep"},
        {4, 1, 0, "keep", -12, "keep"},
        {1, 0, 0, std::nullopt, -11, std::nullopt},
        {2, 0, 0, "keep", handle, ""},
        {4, 0, 0, std::nullopt, handle, ""},
        {4, 2, 0, "keep", handle, "keep"},
        {3, 0, 0, "keep", -12, "keep"},
        {0, 0, 0, "keep", -13, "keep"},
        {0, 1, 0, "keep", -13, "keep"},
        {0, 3, 8, "keep", -13, "keep"},
        {0, 3, 0, "keep", -15, "keep"},
        {1, 3, 0, "keep", -15, "keep"},
        {1, 3, 40000, "keep", -15, "keep"},
        {1, 3, 16, "keep", handle, "keep"},
        {1, 3, 16, std::nullopt, -11, std::nullopt},
        {2, 3, 16, std::nullopt, handle, ""},
        {4, 3, 16, "keep", -12, "keep"},
        {7, 1, 0, "keep", -14, "keep"},
        {1, 9, 0, "keep", -14, "keep"},
        {0, 4, 0, "keep", -14, "keep"},
    };
    for (const Case& c : cases) {
        Harness harness;
        if (c.before) harness.writeFile("cache.dat", *c.before);
        std::int16_t result =
            openAndClose(harness.path("cache.dat"), c.mode, c.kind, c.recordLength);
        std::string label = "mode " + std::to_string(c.mode) + " kind " + std::to_string(c.kind) +
                            " length " + std::to_string(c.recordLength);
        if (c.result == handle) {
            EXPECT_GE(result, 1) << label;
        } else {
            EXPECT_EQ(result, c.result) << label;
        }
        EXPECT_EQ(harness.fileExists("cache.dat"), c.after.has_value()) << label;
        if (c.after) {
            EXPECT_EQ(harness.readFile("cache.dat"), *c.after) << label;
        }
    }
}

TEST(OpenFile, RefusesWhatTheSystemRefusesWithAFurtherCode) {
    Harness harness;
    harness.writeFile("folder/a.txt", "a");
    EXPECT_EQ(openAndClose(harness.path("nowhere/a.dat"), 2, 1, 0), quillo::kOpenRefused);
    EXPECT_EQ(openAndClose(harness.path("folder"), 2, 1, 0), quillo::kOpenRefused);
    EXPECT_EQ(openAndClose(harness.path("folder"), 2, 0, 0), quillo::kOpenRefused);
    EXPECT_EQ(openAndClose(harness.path("folder"), 1, 1, 0), quillo::kOpenNeedsExistingFile);
    EXPECT_EQ(openAndClose("", 2, 1, 0), quillo::kOpenRefused);
}

TEST(OpenFile, TakesTheLowestFreeHandleAndRefusesWhenNoneIsLeft) {
    Harness harness;
    harness.writeFile("a.dat", "a");
    std::string path = harness.path("a.dat");
    std::vector<std::int16_t> handles;
    for (std::int16_t handle; (handle = quillo::OpenFile(path, 1, 1)) > 0;)
        handles.push_back(handle);
    EXPECT_EQ(quillo::OpenFile(path, 1, 1), quillo::kOpenRefused);
    ASSERT_EQ(handles.size(), 511u);
    EXPECT_EQ(handles.front(), 1);
    EXPECT_EQ(handles.back(), 511);
    ASSERT_TRUE(quillo::CloseFile(7));
    EXPECT_EQ(quillo::OpenFile(path, 1, 1), 7);
    for (std::int16_t handle : handles)
        EXPECT_TRUE(quillo::CloseFile(handle));
    EXPECT_FALSE(quillo::CloseFile(7));
    EXPECT_FALSE(quillo::CloseFile(0));
    EXPECT_EQ(quillo::OpenFile(path, 1, 1), 1);
    EXPECT_TRUE(quillo::CloseFile(1));
}

TEST(WriteAt, WritesBareBytesAtTheirPositionWithoutEverLeavingAGap) {
    Harness harness;
    harness.writeFile("image.dat", "");
    std::int16_t handle = quillo::OpenFile(harness.path("image.dat"), 2, 1);
    ASSERT_GE(handle, 1);
    struct Step {
        std::string data;
        std::int32_t position;
        std::int32_t length;
        std::string content;
    };
    const Step steps[] = {
        {"abc", 0, 3, "abc"},
        {"de", 0, 5, "abcde"},
        {"X", 2, 5, "aXcde"},
        {"Y", 99, 6, "aXcdeY"},
        {"Z", 6, 6, "aXcdeZ"},
        {"!", 7, 7, "aXcdeZ!"},
        {"", 0, 7, "aXcdeZ!"},
        {"12", 1, 7, "12cdeZ!"},
        {"-", -1, -1, "12cdeZ!"},
        {"q", kMaxLong, 8, "12cdeZ!q"},
        {std::string("\0\xff", 2), 0, 10, std::string("12cdeZ!q\0\xff", 10)},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(quillo::WriteAt(handle, step.data, step.position), step.length)
            << step.data << " at " << step.position;
        EXPECT_EQ(harness.readFile("image.dat"), step.content)
            << step.data << " at " << step.position;
    }
    EXPECT_TRUE(quillo::CloseFile(handle));
    EXPECT_EQ(quillo::WriteAt(handle, "a", 0), -1);
}

TEST(WriteAt, RefusesHandlesThatAreNotOpenForBinaryWriting) {
    Harness harness;
    harness.writeFile("a.dat", "abc");
    std::string path = harness.path("a.dat");
    struct Case {
        int mode;
        int kind;
        std::int32_t length;
    };
    const Case cases[] = {{1, 1, -1}, {1, 3, -1}, {2, 0, -1}, {4, 0, -1}, {3, 1, 4}, {3, 3, 4}};
    for (const Case& c : cases) {
        harness.writeFile("a.dat", "abc");
        std::int16_t handle = quillo::OpenFile(path, static_cast<std::uint8_t>(c.mode),
                                               static_cast<std::uint8_t>(c.kind), 4);
        ASSERT_GE(handle, 1);
        EXPECT_EQ(quillo::WriteAt(handle, "d", 0), c.length) << c.mode << " " << c.kind;
        quillo::CloseFile(handle);
    }
    EXPECT_EQ(quillo::WriteAt(0, "d", 0), -1);
    EXPECT_EQ(quillo::WriteAt(600, "d", 0), -1);
}

TEST(WriteAt, RefusesALengthBeyondThirtyTwoBits) {
    Harness harness;
    harness.writeFile("big.dat", "");
    fs::resize_file(harness.path("big.dat"), kMaxLong - 1);  // sparse
    std::int16_t handle = quillo::OpenFile(harness.path("big.dat"), 2, 1);
    ASSERT_GE(handle, 1);
    EXPECT_EQ(quillo::WriteAt(handle, "ab", 0), -1);
    EXPECT_EQ(fs::file_size(harness.path("big.dat")), static_cast<std::uintmax_t>(kMaxLong - 1));
    EXPECT_EQ(quillo::WriteAt(handle, "a", 0), kMaxLong);
    EXPECT_EQ(quillo::GetFileSize(harness.path("big.dat")), kMaxLong);
    EXPECT_EQ(quillo::WriteAt(handle, "b", 0), -1);
    quillo::CloseFile(handle);
}

TEST(GetFileSize, GivesTheSizeOrMinusOne) {
    Harness harness;
    harness.writeFile("empty.dat", "");
    harness.writeFile("ten.dat", "0123456789");
    harness.writeFile("huge.dat", "");
    fs::resize_file(harness.path("huge.dat"), std::uintmax_t{1} << 31);
    struct Case {
        const char* file;
        std::int32_t size;
    };
    const Case cases[] = {{"missing.dat", -1}, {"empty.dat", 0}, {"ten.dat", 10},
                          {"TEN.DAT", 10},     {"", -1},         {"huge.dat", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(quillo::GetFileSize(harness.path(c.file)), c.size) << c.file;
}

TEST(ReadFileText, ReadsTheWholeFileOfAnySizeAndClosesIt) {
    Harness harness;
    std::string ten("0123\0\r\n89\xff", 10);
    std::string large(100000, 'x');
    large[99999] = 'y';
    harness.writeFile("ten.dat", ten);
    harness.writeFile("large.dat", large);
    harness.writeFile("folder/a", "a");
    std::int16_t before = quillo::OpenFile(harness.path("ten.dat"), 1, 1);
    quillo::CloseFile(before);
    EXPECT_EQ(quillo::ReadFileText(harness.path("ten.dat")), ten);
    EXPECT_EQ(quillo::ReadFileText(harness.path("Large.DAT")), large);
    EXPECT_EQ(quillo::ReadFileText(harness.path("missing.dat")), "");
    EXPECT_EQ(quillo::ReadFileText(harness.path("folder")), "");
    EXPECT_EQ(quillo::OpenFile(harness.path("ten.dat"), 1, 1), before);
    quillo::CloseFile(before);
}

TEST(FileAndFolderExists, TellFilesFromFolders) {
    Harness harness;
    harness.writeFile("Cache/site/page.dat", "x");
    struct Case {
        std::string path;
        bool file;
        bool folder;
    };
    const Case cases[] = {{harness.path("Cache/site/page.dat"), true, false},
                          {harness.path("cache/SITE/Page.dat"), true, false},
                          {harness.path("Cache/site"), false, true},
                          {harness.path("cache/Site"), false, true},
                          {harness.path("Cache/other"), false, false},
                          {"", false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(quillo::FileExists(c.path), c.file) << c.path;
        EXPECT_EQ(quillo::FolderExists(c.path), c.folder) << c.path;
    }
}

TEST(DeleteFile, AsksWhenToldAndDeletesOnlyOnYes) {
    struct Case {
        bool exists;
        bool ask;
        std::optional<MsgBoxResult> answer;
        bool result;
        bool asked;
        bool gone;
    };
    const Case cases[] = {
        {false, true, std::nullopt, true, false, true},
        {true, false, std::nullopt, true, false, true},
        {true, true, MsgBoxResult::No, false, true, false},
        {true, true, MsgBoxResult::Cancel, false, true, false},
        {true, true, MsgBoxResult::Yes, true, true, true},
    };
    for (const Case& c : cases) {
        Harness harness;
        auto& dialogs = harness.backend().dialogServices;
        if (c.exists) harness.writeFile("DesignData.inf", "a~http://b\r\n");
        if (c.answer) dialogs.messageAnswers.push_back(*c.answer);
        EXPECT_EQ(quillo::DeleteFile(harness.path("designdata.INF"), c.ask), c.result);
        EXPECT_EQ(harness.fileExists("DesignData.inf"), !c.gone);
        ASSERT_EQ(dialogs.messages.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(dialogs.messages[0].text, "Are you sure you want to delete this File?");
            EXPECT_EQ(dialogs.messages[0].buttons, MsgBoxButtons::YesNo);
        }
    }
}

TEST(DeleteFile, ReportsFalseWhenTheFileIsReadOnly) {
    Harness harness;
    harness.writeFile("locked.dat", "x");
    fs::permissions(harness.path("locked.dat"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(quillo::DeleteFile(harness.path("locked.dat")));
    EXPECT_TRUE(harness.fileExists("locked.dat"));
    harness.writeFile("folder/a", "a");
    EXPECT_TRUE(quillo::DeleteFile(harness.path("folder")));
    EXPECT_TRUE(harness.fileExists("folder/a"));
}
