#include "shared/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Timer.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"

using namespace quillo::runtime;
using quillo::FormMessageBox;
using quillo::MessageBox;
using quillo::headless::Harness;
using quillo::headless::User;

namespace {

// The window that carries the message box, with a timer of its own that keeps ticking.
class Host : public Form {
  public:
    Host() : Form("Host") {
        Ticker.setInterval(50);
        Ticker.Tick = [this] { ++ticks; };
    }
    MessageBox& MessageBox1 = add<MessageBox>("MessageBox1");
    Timer& Ticker = add<Timer>("Ticker");
    int ticks = 0;
};

FormMessageBox& box(Form& shown) {
    return static_cast<FormMessageBox&>(shown);
}

// Lets the sizing timer fit the box, then clicks a button by its word.
void fitAndClick(Harness& harness, const std::string& word) {
    harness.backend().answerModal("FormMessageBox", [&harness, word](Form& shown) {
        harness.advance(100);
        User::click(*shown.findControl("Label" + word));
    });
}

struct Slots {
    bool yes, ok, no;
    bool operator==(const Slots&) const = default;
};

Slots visibleButtons(FormMessageBox& shown) {
    return {shown.LabelYES.Visible() && shown.ShapeYES.Visible(),
            shown.LabelOK.Visible() && shown.ShapeOK.Visible(),
            shown.LabelNO.Visible() && shown.ShapeNO.Visible()};
}

}  // namespace

TEST(MessageBox, AMessageAloneShowsOneOkButtonInTheMiddleSlotAndAnswersOk) {
    Harness harness;
    Host& host = app().form<Host>();
    Slots seen{};
    double yesLeft = -1, okLeft = -1;
    harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
        harness.advance(100);
        seen = visibleButtons(box(shown));
        yesLeft = box(shown).LabelYES.Left();
        okLeft = box(shown).LabelOK.Left();
        User::click(box(shown).LabelOK);
    });
    EXPECT_EQ(host.MessageBox1.show("Hello"), "OK");
    EXPECT_EQ(seen, (Slots{false, true, false}));
    EXPECT_EQ(okLeft, yesLeft + 735);
}

TEST(MessageBox, TheBoxTypeIsComparedInUpperCaseAndAnyOtherTypeKeepsAllThreeButtons) {
    struct Case {
        std::string type;
        Slots expected;
    };
    const Case cases[] = {{"YESNO", {true, false, true}}, {"yesno", {true, false, true}},
                          {"YesNo", {true, false, true}}, {"OK", {false, true, false}},
                          {"ok", {false, true, false}},   {"", {true, true, true}},
                          {"YES NO", {true, true, true}}};
    for (const Case& c : cases) {
        Harness harness;
        Host& host = app().form<Host>();
        Slots seen{};
        std::string clicked;
        harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
            seen = visibleButtons(box(shown));
            // The first button the box shows.
            for (Label* button : {&box(shown).LabelYES, &box(shown).LabelOK, &box(shown).LabelNO})
                if (clicked.empty() && button->Visible()) {
                    clicked = button->Caption();
                    User::click(*button);
                }
        });
        EXPECT_EQ(host.MessageBox1.show("Sure?", c.type), clicked) << '"' << c.type << '"';
        EXPECT_FALSE(clicked.empty()) << '"' << c.type << '"';
        EXPECT_EQ(seen, c.expected) << '"' << c.type << '"';
    }
}

TEST(MessageBox, EachButtonAnswersWithItsOwnWord) {
    for (const std::string word : {"YES", "NO"}) {
        Harness harness;
        Host& host = app().form<Host>();
        fitAndClick(harness, word);
        EXPECT_EQ(host.MessageBox1.show("Remove it?", "yesno"), word);
        EXPECT_EQ(app().loadedForm<FormMessageBox>(), nullptr) << word;
    }
}

TEST(MessageBox, ABoxClosedWithoutAClickAnswersTheEmptyTextAndIsGone) {
    Harness harness;
    Host& host = app().form<Host>();
    harness.backend().answerModal("FormMessageBox", [](Form& shown) { shown.Hide(); });
    EXPECT_EQ(host.MessageBox1.show("Save?", "YESNO"), "");
    EXPECT_EQ(app().loadedForm<FormMessageBox>(), nullptr);
    // Nobody answered the next one at all.
    EXPECT_EQ(host.MessageBox1.show("Save?", "YESNO"), "");
    EXPECT_EQ(harness.backend().unansweredModals, std::vector<std::string>{"FormMessageBox"});
}

TEST(MessageBox, TheBoxIsTopmostAndCentredAtTwoThousandByFiveThousandUntilItsTimerFits) {
    Harness harness;
    Host& host = app().form<Host>();
    const Screen& screen = app().screen();
    std::vector<double> before, after;
    harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
        before = {shown.Width(), shown.Height(), shown.Left(), shown.Top()};
        harness.advance(99);
        after = {shown.Width(), shown.Height()};
        User::click(box(shown).LabelOK);
    });
    host.MessageBox1.show("Hello");
    EXPECT_EQ(before,
              (std::vector<double>{2000, 5000, screen.Width / 2 - 1000, screen.Height / 2 - 2500}));
    EXPECT_EQ(after, (std::vector<double>{2000, 5000}));
    EXPECT_EQ(harness.backend().windowServices.log,
              std::vector<std::string>{"topmost FormMessageBox 1"});
}

TEST(MessageBox, TheTimerFitsTheBoxToItsTextButNeverNarrowerThanThreeButtons) {
    // The headless text metrics: bold 12 pt is 10.56 px a character and 24 px a line.
    struct Case {
        std::string message;
        double textWidth;  // twips
        double boxWidth;
        double yesLeft;
    };
    const Case cases[] = {
        {"Hi", 315, 2205, 0},
        {"", 0, 2205, 0},
        {"Thirteen char", 2055, 2255, 25},
        {"This skin could not be loaded at all.", 5865, 6065, 1930},
    };
    for (const Case& c : cases) {
        Harness harness;
        Host& host = app().form<Host>();
        const Screen& screen = app().screen();
        harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
            FormMessageBox& b = box(shown);
            harness.advance(100);
            const double textHeight = 360;
            EXPECT_EQ(b.Label1.Width(), c.textWidth) << c.message;
            EXPECT_EQ(b.Width(), c.boxWidth) << c.message;
            EXPECT_EQ(b.Height(), 2 * 240 + textHeight + 495 + 100) << c.message;
            EXPECT_EQ(b.Left(), screen.Width / 2 - c.boxWidth / 2) << c.message;
            EXPECT_EQ(b.Top(), screen.Height / 2 - b.Height() / 2) << c.message;
            EXPECT_EQ(b.Label1.Left(), c.boxWidth / 2 - c.textWidth / 2) << c.message;
            const double row = 2 * 240 + textHeight;
            for (Label* button : {&b.LabelYES, &b.LabelOK, &b.LabelNO})
                EXPECT_EQ(button->Top(), row) << c.message;
            EXPECT_EQ(b.LabelYES.Left(), c.yesLeft) << c.message;
            EXPECT_EQ(b.LabelNO.Left(), c.yesLeft + 2 * 735) << c.message;
            EXPECT_EQ(b.ShapeNO.Left(), b.LabelNO.Left()) << c.message;
            EXPECT_EQ(b.ShapeYES.Top(), row) << c.message;
            EXPECT_EQ(b.ShapeForm.Width(), b.Width()) << c.message;
            EXPECT_EQ(b.ShapeForm.Height(), b.Height()) << c.message;
            User::click(b.LabelOK);
        });
        EXPECT_EQ(host.MessageBox1.show(c.message), "OK");
    }
}

TEST(MessageBox, AMessageWiderThanTwoThirdsOfTheScreenWrapsThere) {
    Harness harness;
    Host& host = app().form<Host>();
    const double widest = app().screen().Width * 2 / 3;
    harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
        FormMessageBox& b = box(shown);
        harness.advance(100);
        EXPECT_EQ(b.Label1.Width(), widest);
        EXPECT_GE(b.Label1.Height(), 2 * 360);
        EXPECT_EQ(b.Width(), widest + 200);
        EXPECT_EQ(b.LabelOK.Top(), 2 * 240 + b.Label1.Height());
        User::click(b.LabelOK);
    });
    host.MessageBox1.show(std::string(120, 'w'));
}

TEST(MessageBox, OtherWindowsTimersKeepFiringWhileTheBoxWaits) {
    Harness harness;
    Host& host = app().form<Host>();
    bool returned = false;
    int ticksWhileShown = -1;
    harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
        harness.advance(1000);
        ticksWhileShown = host.ticks;
        EXPECT_FALSE(returned);
        User::click(box(shown).LabelOK);
    });
    host.MessageBox1.show("Wait");
    returned = true;
    EXPECT_EQ(ticksWhileShown, 20);
}

TEST(MessageBox, EveryMessageLoadsTheBoxAfreshAndFitsItAgain) {
    Harness harness;
    Host& host = app().form<Host>();
    std::vector<double> widths;
    for (const std::string message : {"This skin could not be loaded at all.", "Hi"}) {
        harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
            EXPECT_EQ(shown.Width(), 2000);
            EXPECT_TRUE(box(shown).Timer1.getEnabled());
            harness.advance(100);
            widths.push_back(shown.Width());
            User::click(box(shown).LabelOK);
        });
        host.MessageBox1.show(message);
    }
    EXPECT_EQ(widths, (std::vector<double>{6065, 2205}));
    EXPECT_EQ(harness.backend().windowServices.log.size(), 2u);
}

TEST(MessageBox, ASecondQuestionOpensItsOwnBoxAboveTheFirstAndEachCallerGetsItsOwnWord) {
    Harness harness;
    Host& host = app().form<Host>();
    std::string second;
    // Another window's timer asks while the first question waits.
    host.Ticker.Tick = [&] {
        host.Ticker.setEnabled(false);
        second = host.MessageBox1.show("Second?", "YESNO");
    };
    FormMessageBox* first = nullptr;
    harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
        first = &box(shown);
        harness.advance(100);
        EXPECT_EQ(first->Label1.Caption(), "First?");
        User::click(first->LabelNO);
    });
    harness.backend().answerModal("FormMessageBox", [&](Form& shown) {
        EXPECT_TRUE(&shown != first && first->Visible());
        User::click(box(shown).LabelYES);
    });
    EXPECT_EQ(host.MessageBox1.show("First?", "YESNO"), "NO");
    EXPECT_EQ(second, "YES");
}

TEST(MessageBox, AClickOnTheTextAnswersNothing) {
    Harness harness;
    Host& host = app().form<Host>();
    harness.backend().answerModal("FormMessageBox", [](Form& shown) {
        User::click(box(shown).Label1);
        EXPECT_TRUE(shown.Visible());
        User::click(box(shown).LabelNO);
    });
    EXPECT_EQ(host.MessageBox1.show("Sure?", "YESNO"), "NO");
}

TEST(MessageBox, TheControlKeepsItsFixedSizeOnItsHostWindow) {
    Harness harness;
    Host& host = app().form<Host>();
    EXPECT_EQ(host.MessageBox1.Width(), 480);
    EXPECT_EQ(host.MessageBox1.Height(), 345);
    host.MessageBox1.Move(100, 200, 3000, 90);
    EXPECT_EQ(host.MessageBox1.Left(), 100);
    EXPECT_EQ(host.MessageBox1.Width(), 480);
    EXPECT_EQ(host.MessageBox1.Height(), 480);
}
