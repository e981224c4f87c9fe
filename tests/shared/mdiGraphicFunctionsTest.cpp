#include "shared/mdiGraphicFunctions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

class Board : public Form {
  public:
    Board() : Form("Board") {}
    PictureBox& Picture1 = add<PictureBox>("Picture1");
    Label& Label1 = add<Label>("Label1");
    Image& Image1 = add<Image>("Image1");
};

// A GIF header is all a picture's size needs.
std::string gif(int width, int height) {
    std::string bytes = "GIF89a";
    for (int value : {width, height}) {
        bytes += static_cast<char>(value & 0xFF);
        bytes += static_cast<char>(value >> 8);
    }
    return bytes + std::string(16, '\0');
}

struct Drawn {
    double x, y, width, height;
    bool operator==(const Drawn&) const = default;
};

std::vector<Drawn> drawn(const DrawList& list) {
    std::vector<Drawn> ops;
    for (const DrawOp& op : list.ops())
        ops.push_back({op.x, op.y, op.width, op.height});
    return ops;
}

std::vector<std::string> messageTexts(Harness& harness) {
    std::vector<std::string> texts;
    for (const auto& shown : harness.backend().dialogServices.messages)
        texts.push_back(shown.text);
    return texts;
}

}  // namespace

TEST(DrawingTargets, AreFormsAndPictureBoxesOnly) {
    Harness harness;
    Board& board = app().form<Board>();
    struct Case {
        Control* object;
        bool form;
        bool pictureBox;
        bool scale;
    };
    const Case cases[] = {{&board, true, false, true},
                          {&board.Picture1, false, true, true},
                          {&board.Label1, false, false, false},
                          {&board.Image1, false, false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(quillo::IsForm(*c.object), c.form) << c.object->Name();
        EXPECT_EQ(quillo::IsPictureBox(*c.object), c.pictureBox) << c.object->Name();
        EXPECT_EQ(quillo::HasScaleProperties(*c.object), c.scale) << c.object->Name();
    }
}

TEST(CanLoadPicture, AcceptsOnlyFilesThatHoldAPicture) {
    Harness harness;
    harness.writeFile("skins/Sea/PictureBack", gif(4, 4));
    harness.writeFile("notes.gif", "GIF? no, just text");
    EXPECT_TRUE(quillo::CanLoadPicture(harness.path("skins/Sea/PictureBack")));
    EXPECT_TRUE(quillo::CanLoadPicture(harness.path("Skins/sea/pictureback")));
    EXPECT_FALSE(quillo::CanLoadPicture(harness.path("notes.gif")));
    EXPECT_FALSE(quillo::CanLoadPicture(harness.path("x.gif")));
    EXPECT_FALSE(quillo::CanLoadPicture(""));
}

TEST(DrawPicture, RefusesOtherTargetsAndUnloadableFilesWithItsMessagesOnlyWhenAsked) {
    Harness harness;
    Board& board = app().form<Board>();
    harness.writeFile("a.gif", gif(10, 10));
    harness.writeFile("text.gif", "hello");
    struct Case {
        Control* target;
        std::string file;
        const char* message;
    };
    const Case cases[] = {
        {&board.Label1, harness.path("a.gif"), "Target must be either a Form or a PictureBox."},
        {&board.Image1, harness.path("a.gif"), "Target must be either a Form or a PictureBox."},
        {&board.Picture1, "x.gif", "Cannot load picture from file [x.gif]"},
        {&board, harness.path("text.gif"), nullptr},
    };
    for (const Case& c : cases) {
        for (bool showErrors : {false, true}) {
            harness.backend().dialogServices.messages.clear();
            EXPECT_FALSE(quillo::DrawPicture(*c.target, c.file, 1, true, showErrors)) << c.file;
            std::string expected =
                c.message ? c.message : "Cannot load picture from file [" + c.file + "]";
            EXPECT_EQ(messageTexts(harness),
                      showErrors ? std::vector<std::string>{expected} : std::vector<std::string>{});
        }
    }
    EXPECT_TRUE(board.Picture1.drawList().ops().empty());
    EXPECT_TRUE(board.drawList().ops().empty());
}

TEST(DrawPicture, PaintsStretchedCentredOrTiledWithOneFactorOfTwipsPerPixel) {
    struct Case {
        int mode;
        bool useScale;
        int border;  // two pixels on every side when set
        double width, height;
        int pictureWidth, pictureHeight;  // pixels
        std::vector<Drawn> drawn;
    };
    const Case cases[] = {
        {1, true, 1, 3000, 2000, 10, 20, {{0, 0, 2940, 1940}}},
        {1, false, 1, 3000, 2000, 10, 20, {{0, 0, 3000, 2000}}},
        {1, true, 0, 3000.5, 2001.5, 10, 20, {{0, 0, 3000, 2002}}},
        {2, true, 0, 4001, 3000, 100, 50, {{1250.5, 1125, 1500, 750}}},
        {2, true, 0, 1000, 600, 100, 50, {{-250, -75, 1500, 750}}},
        {3,
         true,
         0,
         4000,
         1000,
         100,
         60,
         {{0, 0, 1500, 900},
          {0, 885, 1500, 900},
          {1485, 0, 1500, 900},
          {1485, 885, 1500, 900},
          {2970, 0, 1500, 900},
          {2970, 885, 1500, 900}}},
        {3,
         true,
         0,
         45,
         30,
         1,
         1,
         {{0, 0, 15, 15},
          {0, 15, 15, 15},
          {15, 0, 15, 15},
          {15, 15, 15, 15},
          {30, 0, 15, 15},
          {30, 15, 15, 15}}},
        {3, true, 0, 0, 1000, 10, 10, {}},
        {0, true, 0, 3000, 2000, 10, 10, {}},
        {4, true, 0, 3000, 2000, 10, 10, {}},
        {-1, true, 0, 3000, 2000, 10, 10, {}},
    };
    for (const Case& c : cases) {
        Harness harness;
        Board& board = app().form<Board>();
        harness.writeFile("a.gif", gif(c.pictureWidth, c.pictureHeight));
        board.Picture1.setBorderStyle(c.border);
        board.Picture1.Move(0, 0, c.width, c.height);
        EXPECT_TRUE(
            quillo::DrawPicture(board.Picture1, harness.path("a.gif"), c.mode, c.useScale, true))
            << "mode " << c.mode << " width " << c.width;
        EXPECT_EQ(drawn(board.Picture1.drawList()), c.drawn)
            << "mode " << c.mode << " width " << c.width;
        EXPECT_FALSE(board.Picture1.AutoRedraw());
        EXPECT_TRUE(harness.backend().dialogServices.messages.empty());
    }
}

TEST(DrawPicture, StretchesOverAFormsWholeSize) {
    Harness harness;
    Board& board = app().form<Board>();
    harness.writeFile("a.gif", gif(10, 20));
    board.Move(0, 0, 4500, 3300);
    EXPECT_TRUE(quillo::DrawPicture(board, harness.path("a.gif"), 1, true, true));
    EXPECT_EQ(drawn(board.drawList()), (std::vector<Drawn>{{0, 0, 4500, 3300}}));
    EXPECT_FALSE(board.AutoRedraw());
}

TEST(DrawPicture, ReportsAFailureWhileDrawingWithTheCriticalMessage) {
    Harness harness;
    Board& board = app().form<Board>();
    harness.writeFile("a.gif", gif(10, 10));
    board.Picture1.Move(0, 0, 3e9, 2000);  // wider than 32 bits of twips
    EXPECT_FALSE(quillo::DrawPicture(board.Picture1, harness.path("a.gif"), 1, false, false));
    EXPECT_TRUE(harness.backend().dialogServices.messages.empty());
    EXPECT_FALSE(quillo::DrawPicture(board.Picture1, harness.path("a.gif"), 1, false, true));
    const auto& messages = harness.backend().dialogServices.messages;
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "An unexpected error has occured in Function DrawPicture");
    EXPECT_EQ(messages[0].icon, MsgBoxIcon::Critical);
    EXPECT_TRUE(board.Picture1.drawList().ops().empty());
}
