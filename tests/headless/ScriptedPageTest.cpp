#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/headless/ScriptedPage.h"

using quillo::headless::ScriptedPage;

namespace {
std::vector<std::string> tags(const ScriptedPage& page) {
    std::vector<std::string> out;
    for (const auto& element : page.elements)
        out.push_back(element.tagName);
    return out;
}
}  // namespace

TEST(ScriptedPages, ListElementsAndCommentsInDocumentOrderWithTheirWholeText) {
    ScriptedPage page = ScriptedPage::fromHtml(
        "<!DOCTYPE html><html><head><title>T &amp; U</title></head>"
        "<body><div>One <span>two</span><br>three</div><!-- c --><img src=x></body></html>");
    EXPECT_EQ(tags(page), (std::vector<std::string>{"HTML", "HEAD", "TITLE", "BODY", "DIV", "SPAN",
                                                    "BR", "!", "IMG"}));
    EXPECT_EQ(page.title, "T & U");
    EXPECT_EQ(page.elements[4].text, "One twothree");
    EXPECT_EQ(page.elements[0].text, "T & UOne twothree");
    EXPECT_EQ(page.elements[7].text, "<!-- c -->");
    EXPECT_EQ(page.elements[6].text, "");
}

TEST(ScriptedPages, DecodeTheCommonEntities) {
    const std::pair<const char*, const char*> cases[] = {
        {"<p>a &lt;b&gt; &quot;c&quot;</p>", "a <b> \"c\""},
        {"<p>&#65;&#x42;&#x263A;</p>", "AB\xE2\x98\xBA"},
        {"<p>&nbsp;</p>", "\xC2\xA0"},
        {"<p>&unknown; & alone</p>", "&unknown; & alone"},
    };
    for (const auto& [html, text] : cases)
        EXPECT_EQ(ScriptedPage::fromHtml(html).elements[0].text, text) << html;
}

TEST(ScriptedPages, KeepTheBodyMarkupAsWritten) {
    ScriptedPage page =
        ScriptedPage::fromHtml("<html><BODY bgcolor=white><p>x</p>\r\n<!-- y --></BODY></html>");
    ASSERT_TRUE(page.body);
    EXPECT_EQ(page.body->innerHtml, "<p>x</p>\r\n<!-- y -->");
    EXPECT_EQ(page.body->outerHtml, "<BODY bgcolor=white><p>x</p>\r\n<!-- y --></BODY>");
    EXPECT_FALSE(ScriptedPage::fromHtml("<p>no body tag</p>").body);
}

TEST(ScriptedPages, MakeFrameAddressesAbsoluteAgainstThePage) {
    ScriptedPage page = ScriptedPage::fromHtml(
        "<frameset><frame src='/top.htm'><frame src=\"side.htm\">"
        "<frame src='http://other.test/x.htm'></frameset>",
        "http://site.test/dir/index.htm");
    EXPECT_EQ(page.frames,
              (std::vector<std::string>{"http://site.test/top.htm", "http://site.test/dir/side.htm",
                                        "http://other.test/x.htm"}));
    ASSERT_TRUE(page.body);
    EXPECT_EQ(page.body->tagName, "FRAMESET");
}

TEST(ScriptedPages, ReadScriptAndStyleAsTextNotMarkup) {
    ScriptedPage page =
        ScriptedPage::fromHtml("<script>if (a < b) x = '<!-- no -->';</script><p>after</p>");
    EXPECT_EQ(tags(page), (std::vector<std::string>{"SCRIPT", "P"}));
    EXPECT_EQ(page.elements[0].text, "if (a < b) x = '<!-- no -->';");
}
