#include <gtest/gtest.h>

#include "runtime/HtmlComments.h"

using namespace quillo::runtime;

namespace {
std::vector<std::string> texts(std::string_view source) {
    std::vector<std::string> out;
    for (const auto& comment : ScanComments(source))
        out.push_back(comment.text);
    return out;
}
}  // namespace

TEST(HtmlComments, AreCutAsWrittenWithTheirDelimiters) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"<p>a<!-- one -->b</p>", {"<!-- one -->"}},
        {"<! FRM\x02"
         "1\x02"
         "2 >\r\n<!-- x -->",
         {"<! FRM\x02"
          "1\x02"
          "2 >",
          "<!-- x -->"}},
        {"<!-- a\r\nb -->", {"<!-- a\r\nb -->"}},
        {"<!---->x<!-->y<!--->", {"<!---->", "<!-->", "<!--->"}},
        {"<!-- a -- b --!>", {"<!-- a -- b --!>"}},
        {"<!DOCTYPE html><!x>", {"<!x>"}},
        {"<?xml version?>", {"<?xml version?>"}},
        {"</ odd>", {"</ odd>"}},
        {"<!-- runs to the end", {"<!-- runs to the end"}},
        {"<a title='<!-- no -->' href=\"<!x>\">t</a>", {}},
        {"<script>var s = '<!-- no -->';</script><!--yes-->", {"<!--yes-->"}},
        {"<STYLE>/* <!x> */</style ><textarea><!-- no --></textarea>", {}},
        {"<title><!x></title><xmp><!--no--></xmp>", {}},
        {"<plaintext><!-- never -->", {}},
        {"a < b <!--c-->", {"<!--c-->"}},
    };
    for (const auto& [source, expected] : cases)
        EXPECT_EQ(texts(source), expected) << source;
}

TEST(HtmlComments, KeepTheDataAParserWouldKeep) {
    auto comments = ScanComments("<!--a\r\nb\rc--><! FRM ><?pi>");
    ASSERT_EQ(comments.size(), 3u);
    EXPECT_EQ(comments[0].data, "a\nb\nc");
    EXPECT_EQ(comments[1].data, " FRM ");
    EXPECT_EQ(comments[2].data, "?pi");
}

TEST(HtmlComments, AreMatchedToTheDocumentsCommentsInOrder) {
    auto source = ScanComments("<!-- a --><! b ><!-- a -->");
    // The document lost the second comment and gained one a script made.
    EXPECT_EQ(MatchComments({" a ", " made ", " a "}, source),
              (std::vector<std::string>{"<!-- a -->", "<!-- made -->", "<!-- a -->"}));
    EXPECT_EQ(MatchComments({" b ", " a "}, source),
              (std::vector<std::string>{"<! b >", "<!-- a -->"}));
}
