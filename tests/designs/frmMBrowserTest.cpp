#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "designs/frmMBrowser.h"
#include "runtime/headless/Harness.h"
#include "shared/mdlFile.h"

using namespace quillo;
using quillo::headless::ScriptedResponse;
using Outcome = frmMBrowser::DesignOutcome;

namespace {

const std::string kAddress = "http://www.design.test/kids/a.htm";
const std::string kCancel = "qvxCancel.wav: play from 0";

// A GIF header is all a picture's size needs.
std::string gif(int width, std::size_t size) {
    std::string bytes = "GIF89a";
    bytes += static_cast<char>(width);
    bytes += '\0';
    bytes += "\x01";
    bytes += '\0';
    return bytes + std::string(size - bytes.size(), '\0');
}

// Design text with "~" standing for the field separator Chr(2).
std::string records(std::string text) {
    std::replace(text.begin(), text.end(), '~', '\x02');
    return text;
}

// A whole design whose records place everything at 1, 2, 3, 4 pixels; pictures by image index
// (1 FRM, 2 BCK, 3 FWD, 4 HME, 5 RFH, 6 STP).
std::string designWith(std::map<int, std::string> pictures, const std::string& extra = "") {
    std::string text;
    int index = 1;
    for (std::string_view code : {"FRM", "BCK", "FWD", "HME", "RFH", "STP", "TUL", "SBR", "BSW"}) {
        text += "<! " + std::string(code) + "~1~2~3~4" + (index == 1 ? "~-1" : "");
        if (index <= 6 && pictures.count(index)) text += "~" + pictures[index];
        text += " >\r\n";
        ++index;
    }
    return records(text + extra);
}

struct Program {
    headless::Harness harness;
    Program() { harness.layAssets(QUILLO_ASSETS_DIR); }
    std::vector<std::string>& sounds() { return harness.backend().mediaLog; }
    bool canceled() { return std::count(sounds().begin(), sounds().end(), kCancel) == 1; }
    void serve(const std::string& name, const ScriptedResponse& response) {
        harness.backend().http.add("http://img.test/" + name, response);
    }
    frmMBrowser& open() {
        auto& window = runtime::app().newForm<frmMBrowser>();
        window.setTag(kAddress);
        return window;
    }
    bool isOpen() {
        auto forms = runtime::app().Forms();
        return std::any_of(forms.begin(), forms.end(),
                           [](auto* form) { return form->Name() == "frmMBrowser"; });
    }
    std::string cached(const std::string& name) {
        std::ifstream in(harness.windowsDir() + "/RN4KMorphingCache/www.design.test/" + name,
                         std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

}  // namespace

TEST(DesignWindow, KeepsTheDesignTextInTheCacheAndShowsHalfASecondAfterTheLastPictureArrived) {
    Program program;
    std::string big = gif(7, 2049);
    ScriptedResponse late = ScriptedResponse::file("image/gif", gif(9, 30));
    late.delayMs = 300;
    program.serve("big.gif", ScriptedResponse::file("IMAGE/GIF", big));
    program.harness.backend().http.add("HTTP://img.test/late.gif", late);
    std::string design = designWith({{1, "http://img.test/big.gif"},
                                     {4, "HTTP://img.test/late.gif"},
                                     {5, "ftp://img.test/never.gif"}},
                                    "<! RGN~3~0|0~50|0~0|50 >\r\n");
    frmMBrowser& window = program.open();
    window.MorphFromPage(design, kAddress);
    EXPECT_EQ(program.cached("a.htmScriptIndex.dat"), design);
    EXPECT_TRUE(std::filesystem::is_directory(window.PageFolder()));
    EXPECT_EQ(program.sounds().back(), "qvxLaunch.wav: play from 0");
    EXPECT_EQ(window.imgHome.Tag(), "15|30|45|60");
    EXPECT_EQ(window.PendingDownloads, 2);  // the ftp picture is never sent for

    program.harness.advance(0);
    EXPECT_EQ(program.cached("a.htmmorphTemp1"), big);
    EXPECT_EQ(window.InetArchon(1).Tag(), "2049");
    EXPECT_FALSE(window.tmrFormTimer.getEnabled());
    program.harness.advance(300);
    EXPECT_EQ(window.imgHome.getPicture().widthPx, 9);
    EXPECT_TRUE(window.tmrFormTimer.getEnabled());
    program.harness.advance(499);
    EXPECT_FALSE(window.Visible());
    program.harness.advance(1);
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(window.webView.Visible());
    EXPECT_TRUE(window.Shaped);
    EXPECT_EQ(program.harness.backend().windowServices.regions["frmMBrowser"].size(), 3u);
    EXPECT_FALSE(window.tmrFormTimer.getEnabled());
}

TEST(DesignWindow, ClosesWithTheCancelSoundWhenAPictureFailsOrIsNoImage) {
    struct Case {
        std::string name;
        ScriptedResponse response;
    };
    ScriptedResponse noLength = ScriptedResponse::file("image/gif", gif(3, 20));
    noLength.headers = {{"Content-type", "image/gif"}};
    ScriptedResponse cutShort = ScriptedResponse::file("image/gif", gif(3, 20));
    cutShort.headers = {{"Content-type", "image/gif"}, {"Content-length", "40"}};
    ScriptedResponse refused;
    refused.refused = true;
    for (const Case& c : std::vector<Case>{{"page", ScriptedResponse::file("text/html", "<p>")},
                                           {"nolength", noLength},
                                           {"short", cutShort},
                                           {"refused", refused}}) {
        Program program;
        ScriptedResponse good = ScriptedResponse::file("image/gif", gif(3, 20));
        good.delayMs = 100;
        program.serve("good.gif", good);
        program.serve("bad.gif", c.response);
        frmMBrowser& window = program.open();
        window.MorphFromPage(
            designWith({{2, "http://img.test/bad.gif"}, {3, "http://img.test/good.gif"}}),
            kAddress);
        program.harness.advance(0);
        EXPECT_FALSE(program.isOpen()) << c.name;
        EXPECT_TRUE(program.canceled()) << c.name;
        EXPECT_EQ(program.cached("a.htmmorphTemp2"), "") << c.name;
        program.harness.advance(1000);  // the other picture's answer finds no window
        EXPECT_TRUE(program.canceled()) << c.name;
    }
}

TEST(DesignWindow, TakesAPictureOfTheAnnouncedLengthFromTheCacheWithoutRewritingIt) {
    Program program;
    program.serve("b.gif", ScriptedResponse::file("image/gif", gif(4, 25)));
    std::string design = designWith({{2, "http://img.test/b.gif"}});
    std::filesystem::create_directories(program.harness.windowsDir() +
                                        "/RN4KMorphingCache/www.design.test");
    std::string older = gif(6, 25);
    std::ofstream(program.harness.windowsDir() +
                  "/RN4KMorphingCache/www.design.test/a.htmmorphTemp2")
        << older;
    frmMBrowser& window = program.open();
    window.MorphFromPage(design, kAddress);
    program.harness.advance(0);
    EXPECT_EQ(program.cached("a.htmmorphTemp2"), older);
    EXPECT_EQ(window.imgBack.getPicture().widthPx, 6);
}

TEST(DesignWindow, ReportsACacheScriptThatCannotBeReplacedAndCloses) {
    Program program;
    frmMBrowser& window = program.open();
    std::filesystem::create_directories(window.CacheRoot() +
                                        "www.design.test/a.htmScriptIndex.dat");
    window.MorphFromPage(designWith({}), kAddress);
    ASSERT_EQ(program.harness.backend().dialogServices.messages.size(), 1u);
    EXPECT_EQ(program.harness.backend().dialogServices.messages[0].text,
              "Error updating the cache script!");
    EXPECT_EQ(program.harness.backend().dialogServices.messages[0].icon,
              runtime::MsgBoxIcon::Critical);
    EXPECT_FALSE(program.isOpen());
    EXPECT_TRUE(program.canceled());
}

TEST(DesignWindow, RefusesBadAddressesSilentlyAndInvalidOrOversizedDesignsWithTheCancelSound) {
    struct Case {
        std::string url;
        std::string text;
        Outcome outcome;
        bool sound;
    };
    std::string huge = designWith({});
    huge.replace(huge.find(records("<! BSW~1~2")), 10, records("<! BSW~1~3000"));
    for (const Case& c : std::vector<Case>{
             {"https://www.design.test/", designWith({}), Outcome::AddressRefused, false},
             {"http://../", designWith({}), Outcome::AddressRefused, false},
             {kAddress, "<!-- a note -->\r\n", Outcome::Invalid, true},
             {kAddress, huge, Outcome::Valid, true},
         }) {
        Program program;
        frmMBrowser& window = program.open();
        window.MorphFromPage(c.text, c.url);
        EXPECT_FALSE(program.isOpen()) << c.url;
        EXPECT_EQ(program.canceled(), c.sound) << c.url;
    }
}

TEST(DesignWindow, ReopensASavedDesignFromTheCacheAloneWithWhateverPicturesItHolds) {
    struct Case {
        std::string name;
        std::map<std::string, std::string> files;
        bool opens;
        std::string message;
    };
    std::string design = designWith({{2, "http://img.test/b.gif"}});
    for (const Case& c : std::vector<Case>{
             {"pictures",
              {{"a.htmScriptIndex.dat", design}, {"a.htmmorphTemp6", gif(5, 20)}},
              true,
              ""},
             {"damaged",
              {{"a.htmScriptIndex.dat", design}, {"a.htmmorphTemp3", "not a picture"}},
              false,
              "Error in loading cache images, the files might be busy or missing from an "
              "incomplete download"},
             {"no script", {}, false, ""},
         }) {
        Program program;
        frmMBrowser& window = program.open();
        std::filesystem::create_directories(window.CacheRoot() + "www.design.test");
        for (const auto& [name, bytes] : c.files)
            std::ofstream(window.CacheRoot() + "www.design.test/" + name) << bytes;
        window.LoadDesignFromCache(kAddress);
        auto& messages = program.harness.backend().dialogServices.messages;
        EXPECT_EQ(messages.empty() ? "" : messages[0].text, c.message) << c.name;
        EXPECT_FALSE(program.canceled()) << c.name;
        EXPECT_EQ(program.isOpen(), c.opens) << c.name;
        if (!c.opens) continue;
        EXPECT_FALSE(window.mnuSaveDesign.Enabled());
        EXPECT_EQ(window.imgStop.getPicture().widthPx, 5);
        EXPECT_TRUE(window.imgBack.getPicture().empty());
        program.harness.advance(500);
        EXPECT_TRUE(window.Visible()) << c.name;
        EXPECT_TRUE(program.harness.backend().http.requests.empty());
    }
}

TEST(DesignWindow, WaitsForAnOpenModalDialogToCloseBeforeShowing) {
    Program program;
    program.harness.backend().web.addHtml(kAddress, "<body>Designed</body>");
    frmMBrowser& window = program.open();
    window.MorphFromPage(designWith({}), kAddress);
    bool hiddenMeanwhile = false;
    program.harness.backend().answerModal("Dialog", [&](runtime::Form&) {
        program.harness.advance(1200);
        hiddenMeanwhile = !window.Visible();
    });
    runtime::app().newForm<runtime::Form>("Dialog").Show(runtime::ShowMode::Modal);
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(window.tmrFormTimer.getEnabled());
    program.harness.advance(500);
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.webView.LocationURL(), kAddress);
}

TEST(DesignWindow, KeepsItsDesignInAHostFolderThatExistsInAnotherLetterCase) {
    Program program;
    frmMBrowser& window = program.open();
    const std::string existing = window.CacheRoot() + "WWW.Design.TEST";
    std::filesystem::create_directories(existing);
    std::string design = designWith({});
    window.MorphFromPage(design, kAddress);
    EXPECT_EQ(window.Outcome, Outcome::Valid);
    EXPECT_TRUE(program.isOpen());
    EXPECT_FALSE(program.canceled());
    std::ifstream in(existing + "/a.htmScriptIndex.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), design);
    EXPECT_TRUE(std::filesystem::is_directory(existing + "/a.htm"));
    EXPECT_FALSE(std::filesystem::exists(window.CacheRoot() + "www.design.test"));
}
