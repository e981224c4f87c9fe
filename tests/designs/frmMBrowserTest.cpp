#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designs/frmMBrowser.h"
#include "runtime/headless/Harness.h"

using namespace quillo;
using Outcome = frmMBrowser::DesignOutcome;

TEST(DesignWindow, KeepsTheKeysRecordsAndCountOfItsDesignAndStaysHidden) {
    std::string design;
    for (std::string_view code : DesignCodes)
        design += "<! " + std::string(code) + "\x02" + "1\x02" + "2\x02" + "3\x02" + "4\x02" +
                  "http://p.test/" + std::string(code) + " >\r\n";
    struct Case {
        std::string url;
        std::string text;
        Outcome outcome;
        std::string hostKey;
        std::int16_t pending;
    };
    for (const Case& c : std::vector<Case>{
             {"http://www.design.test/kids/a.htm", design, Outcome::Valid, "\\www.design.test", 5},
             {"http://www.design.test/", "<!-- a note -->\r\n", Outcome::Invalid,
              "\\www.design.test", 0},
             {"https://www.design.test/", design, Outcome::AddressRefused, "", 0},
             {"http://../", design, Outcome::AddressRefused, "", 0},
         }) {
        headless::Harness harness;
        auto& window = runtime::app().newForm<frmMBrowser>();
        window.setTag(c.url);
        window.MorphFromPage(c.text, c.url);
        EXPECT_EQ(window.Outcome, c.outcome) << c.url;
        EXPECT_EQ(window.HostKey, c.hostKey) << c.url;
        EXPECT_EQ(window.PendingDownloads, c.pending) << c.url;
        EXPECT_EQ(window.DesignText, c.text) << c.url;
        EXPECT_EQ(window.Design[DesignCode::SBR].empty(), c.outcome != Outcome::Valid) << c.url;
        EXPECT_FALSE(window.Visible()) << c.url;
    }
}
