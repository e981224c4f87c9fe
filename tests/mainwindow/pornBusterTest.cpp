#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "mainwindow/pornBuster.h"
#include "runtime/Application.h"
#include "runtime/WebBrowser.h"
#include "runtime/headless/Harness.h"

using quillo::ForbiddenPatterns;
using quillo::IsForbiddenText;

namespace {

std::string phraseOf(const std::string& pattern) {
    return pattern.substr(1, pattern.size() - 2);
}

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The plain reading of the rule: some phrase occurs in the lower-cased text.
bool holdsAPhrase(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const std::string& pattern : ForbiddenPatterns())
        if (lower.find(phraseOf(pattern)) != std::string::npos) return true;
    return false;
}

}  // namespace

namespace {

// Every phrase of the filter in its order, with a text that comes close without holding it.
struct Phrase {
    const char* phrase;
    const char* nearMiss;
};
const Phrase kPhrases[] = {
    {"legal age", "legalage"},
    {"age 18", "age18"},
    {"age 21", "age21"},
    {"below age", "below the age"},
    {"under age", "underage"},
    {"enter leave", "enter, leave"},
    {"leave enter", "leave, enter"},
    {"adult material", "adult-material"},
    {"adult contents", "adult-contents"},
    {"do not enter", "do not-enter"},
    {" adult check ", "adultcheck"},
    {"wet pussy", "wetpussy"},
    {" cum ", "a cumulus cloud"},
    {"anal sex", "anal  sex"},
    {"sex illustrated", "sex-illustrated"},
    {"young babes", "young-babes"},
    {"horny girls", "horny-girls"},
    {"lolitas", "lolita"},
    {" tits ", "titsy"},
    {"sexually explicit", "sexually-explicit"},
    {"must be at least", "must be at  least"},
    {"blow job", "blow-job"},
    {"anal pics", "anal pic"},
    {"erotic", "erot1c"},
    {"erotica", "erot ica"},
    {"do not proceed", "do not  proceed"},
    {"adult content", "adult contnt"},
    {"the age of 18", "the age of 81"},
    {"the age of 21", "the age of 12"},
    {"xxx", "x x x"},
    {"adult check", "adult cheque"},
    {"nude pic", "nude-pic"},
    {"whore", "who re"},
    {"hardcore pic", "hardcore-pic"},
    {"extreme hardcore", "extreme-hardcore"},
    {"nude celeb", "nude-celeb"},
    {"celebrety nude", "celebrity nude"},
    {"sex pic", "sex-pic"},
    {"big breast", "big-breast"},
    {"adult service", "adult-service"},
    {"porn star", "pornstar"},
    {"nude images", "nude image"},
};

// Capitals and small letters by turns.
std::string alternating(std::string text) {
    for (std::size_t i = 0; i < text.size(); i += 2)
        if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
    return text;
}

}  // namespace

TEST(ContentFilter, CondemnsEachOfItsFortyTwoPhrasesInsideOtherTextButNotTheirNearMisses) {
    ASSERT_EQ(ForbiddenPatterns().size(), std::size(kPhrases));
    for (std::size_t i = 0; i < std::size(kPhrases); ++i) {
        const std::string phrase = kPhrases[i].phrase;
        EXPECT_EQ(ForbiddenPatterns()[i], "*" + phrase + "*") << i;
        for (const std::string& written : {phrase, upper(phrase), alternating(phrase)})
            EXPECT_TRUE(IsForbiddenText("Welcome!\r\n" + written + " and more")) << written;
        EXPECT_FALSE(
            IsForbiddenText(std::string("Welcome!\r\n") + kPhrases[i].nearMiss + " and more"))
            << kPhrases[i].nearMiss;
    }
}

TEST(ContentFilter, CondemnsEveryPhraseInAnyLetterCaseAnywhereInTheText) {
    for (const std::string& pattern : ForbiddenPatterns()) {
        std::string phrase = phraseOf(pattern);
        EXPECT_TRUE(IsForbiddenText(phrase)) << phrase;
        EXPECT_TRUE(IsForbiddenText(upper(phrase))) << phrase;
        EXPECT_TRUE(IsForbiddenText("Welcome!\r\n" + phrase + " and more")) << phrase;
    }
}

TEST(ContentFilter, PassesHarmlessAndEmptyTexts) {
    for (const char* text : {"", "Hello, kids! Let us draw a cat.", "stage 19 apples", "cucumber",
                             "titsy", "sexual education", "x x x", "age\n18"}) {
        EXPECT_FALSE(IsForbiddenText(text)) << text;
    }
}

TEST(ContentFilter, NeedsTheBlanksAroundTheBlankBoundedPhrases) {
    EXPECT_FALSE(IsForbiddenText("\r\ncum laude"));
    EXPECT_FALSE(IsForbiddenText("\r\ntits of blue"));
    // "adult check" is also a phrase of its own, without blanks.
    EXPECT_TRUE(IsForbiddenText("\r\nadult check here"));
    EXPECT_TRUE(IsForbiddenText("magna cum laude"));
    EXPECT_TRUE(IsForbiddenText("blue tits and robins"));
}

TEST(ContentFilter, KeepsCharactersOutsideThePlainLettersAsTheyAre) {
    // Only A to Z are lower-cased: an accented or full-width letter never becomes a plain one.
    EXPECT_FALSE(IsForbiddenText("ÉROTIC"));
    EXPECT_FALSE(IsForbiddenText("ｘｘｘ"));
    EXPECT_TRUE(IsForbiddenText("ÉEROTIC"));
}

TEST(ContentFilter, FindsAPhraseAtEveryPlaceOfALongText) {
    // Long texts are scanned in slices; a phrase across any slice border must still be found.
    const std::string filler(70000, 'a');
    for (std::size_t at :
         {0u, 17499u, 17500u, 17501u, 17495u, 34990u, 35000u, 52490u, 52500u, 69983u}) {
        std::string text = filler;
        text.replace(at, 17, "SEXUALLY EXPLICIT");
        text.resize(filler.size());
        EXPECT_TRUE(IsForbiddenText(text)) << at;
    }
    EXPECT_FALSE(IsForbiddenText(filler));
    const std::string shortFiller(1200, 'b');
    for (std::size_t at = 0; at + 17 <= shortFiller.size(); ++at) {
        std::string text = shortFiller;
        text.replace(at, 17, "sexually explicit");
        ASSERT_TRUE(IsForbiddenText(text)) << at;
    }
}

TEST(ContentFilter, AgreesWithAPlainSearchOnRandomTexts) {
    std::mt19937 random(7);
    const std::vector<std::string> pieces{
        "age", " ",      "1",      "8",     "x", "nude", "pic",   "s",      "sex", "the", " of ",
        "A",   "do not", " enter", "eroti", "c", "\r\n", "adult", " check", "cum", "t",   "i"};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        int length = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i)
            text += pieces[random() % pieces.size()];
        ASSERT_EQ(IsForbiddenText(text), holdsAPhrase(text)) << text;
    }
}

namespace {

using quillo::GetCommentText;
using quillo::GetPageText;
using quillo::headless::Harness;
using quillo::headless::ScriptedPage;
using quillo::runtime::HtmlBodyData;

// A window with one browser, to read and write the documents of scripted pages.
class Viewer : public quillo::runtime::Form {
  public:
    Viewer() : Form("Viewer") {}
    quillo::runtime::WebBrowser& Browser = add<quillo::runtime::WebBrowser>("Browser");
};

ScriptedPage flatPage() {
    ScriptedPage page;
    page.elements = {{"HTML", "Hello kids"}, {"P", "Hello"}, {"!", "<!-- note -->"}, {"B", "kids"}};
    page.body = HtmlBodyData{"BODY", "Hello kids", "<p>Hello</p><b>kids</b>",
                             "<body><p>Hello</p><b>kids</b></body>"};
    return page;
}

const std::string kFlatText =
    "\r\nHello kids\r\nHello\r\n<!-- note -->\r\nkids\r\n<p>Hello</p><b>kids</b>"
    "\r\n<body><p>Hello</p><b>kids</b></body>";

// A page of two frames, the second one foreign; the frameset holds text of its own.
void addFramedPage(Harness& harness) {
    ScriptedPage top;
    top.elements = {{"FRAMESET", "Frameset text"}};
    top.frames = {"http://f.test/a", "http://f.test/b"};
    harness.backend().web.add("http://f.test/", top);
    ScriptedPage a;
    a.elements = {{"P", "Frame text"}, {"!", "<!-- frame note -->"}};
    harness.backend().web.add("http://f.test/a", a);
    ScriptedPage b = flatPage();
    b.readable = false;
    harness.backend().web.add("http://f.test/b", b);
}

Viewer& open(Harness& harness, const std::string& address) {
    auto& viewer = quillo::runtime::app().form<Viewer>();
    viewer.Browser.Navigate(address);
    harness.advance(0);
    return viewer;
}

}  // namespace

TEST(PageText, TakesEveryElementInDocumentOrderThenTheBodysInnerAndOuterMarkup) {
    Harness harness;
    harness.backend().web.add("http://p.test/", flatPage());
    auto& viewer = open(harness, "http://p.test/");
    EXPECT_EQ(GetPageText(viewer.Browser.Object()), kFlatText);
}

TEST(PageText, LeavesOutWhatCannotBeRead) {
    struct Case {
        std::set<std::string> failing;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{
             {{"All"}, "\r\n<p>Hello</p><b>kids</b>\r\n<body><p>Hello</p><b>kids</b></body>"},
             {{"body"}, "\r\nHello kids\r\nHello\r\n<!-- note -->\r\nkids"},
             {{"innerhtml"},
              "\r\nHello kids\r\nHello\r\n<!-- note -->\r\nkids"
              "\r\n<body><p>Hello</p><b>kids</b></body>"},
             {{"outerhtml"},
              "\r\nHello kids\r\nHello\r\n<!-- note -->\r\nkids\r\n<p>Hello</p><b>kids</b>"},
             {{"Text"}, "\r\n<p>Hello</p><b>kids</b>\r\n<body><p>Hello</p><b>kids</b></body>"},
             {{"Frames"}, kFlatText},
             {{"Document"}, ""},
             {{"All", "body"}, ""},
         }) {
        Harness harness;
        harness.backend().web.add("http://p.test/", flatPage());
        auto& viewer = open(harness, "http://p.test/");
        harness.backend().web.failing = c.failing;
        EXPECT_EQ(GetPageText(viewer.Browser.Object()), c.text) << *c.failing.begin();
    }
}

TEST(PageText, JudgesAPageWithFramesOnItsOwnTextThenItsReadableFrames) {
    Harness harness;
    addFramedPage(harness);
    auto& viewer = open(harness, "http://f.test/");
    EXPECT_EQ(GetPageText(viewer.Browser.Object()),
              "\r\nFrameset text\r\nFrame text\r\n<!-- frame note -->");
    // A frame's own completion hands over that frame alone.
    EXPECT_EQ(GetPageText(quillo::runtime::BrowserObject(viewer.Browser, {0})),
              "\r\nFrame text\r\n<!-- frame note -->");
    EXPECT_EQ(GetPageText(quillo::runtime::BrowserObject(viewer.Browser, {1})), "");
    // Without a readable frame list the frameset's own text counts.
    harness.backend().web.failing = {"Frames"};
    EXPECT_EQ(GetPageText(viewer.Browser.Object()), "\r\nFrameset text");
    // A frame's own frames follow it.
    harness.backend().web.failing.clear();
    ScriptedPage outer;
    outer.elements = {{"P", "Outer"}};
    outer.frames = {"http://f.test/", "http://f.test/a"};
    harness.backend().web.add("http://g.test/", outer);
    open(harness, "http://g.test/");
    EXPECT_EQ(GetPageText(viewer.Browser.Object()),
              "\r\nOuter\r\nFrameset text\r\nFrame text\r\n<!-- frame note -->\r\nFrame text"
              "\r\n<!-- frame note -->");
}

TEST(PageText, IsEmptyWhileThePageIsStillLoading) {
    Harness harness;
    harness.backend().web.add("http://p.test/", flatPage());
    auto& viewer = quillo::runtime::app().form<Viewer>();
    viewer.Browser.Navigate("http://p.test/");
    EXPECT_EQ(viewer.Browser.ReadyState(), 1);
    EXPECT_EQ(GetPageText(viewer.Browser.Object()), "");
    EXPECT_EQ(GetCommentText(viewer.Browser.Object()), "");
    EXPECT_EQ(GetPageText(quillo::runtime::BrowserObject()), "");
}

TEST(PageText, StartsEveryPieceWithALineBreakSoTheBlankBoundedPhrasesNeedARealBlank) {
    struct Case {
        const char* element;
        bool forbidden;
    };
    for (Case c : std::vector<Case>{{"cum laude", false},
                                    {"tits of blue", false},
                                    {"magna cum laude", true},
                                    {"blue tits and robins", true},
                                    {"Adult Check now", true}}) {
        Harness harness;
        ScriptedPage page;
        page.elements = {{"P", c.element}};
        harness.backend().web.add("http://p.test/", page);
        auto& viewer = open(harness, "http://p.test/");
        EXPECT_EQ(IsForbiddenText(GetPageText(viewer.Browser.Object())), c.forbidden) << c.element;
    }
}

TEST(PageVerdict, IsTheVerdictOnThePageTextReadPieceByPiece) {
    using quillo::PageVerdict;
    struct Case {
        const char* name;
        std::vector<quillo::runtime::HtmlElementData> elements;
        std::optional<HtmlBodyData> body;
        std::set<std::string> failing;
    };
    const HtmlBodyData plainBody{"BODY", "x", "<p>x</p>", "<body><p>x</p></body>"};
    for (const Case& c : std::vector<Case>{
             {"harmless", {{"P", "Hello"}, {"B", "kids"}}, plainBody, {}},
             {"in the first text", {{"P", "adult content"}, {"B", "kids"}}, plainBody, {}},
             {"in the last text", {{"P", "Hello"}, {"B", "xxx"}}, plainBody, {}},
             {"in the inner markup only",
              {{"P", "x"}},
              HtmlBodyData{"BODY", "x", "<p title='adult content'>x</p>", "<body></body>"},
              {}},
             {"in the outer markup only",
              {{"P", "x"}},
              HtmlBodyData{"BODY", "x", "<p>x</p>", "<body class='erotic'><p>x</p></body>"},
              {}},
             {"split over two texts", {{"P", "adult"}, {"B", "content"}}, std::nullopt, {}},
             {"a blank-bounded phrase at a text's start", {{"P", "cum laude"}}, std::nullopt, {}},
             {"a blank-bounded phrase inside a text", {{"P", "magna cum laude"}}, std::nullopt, {}},
             {"one empty text", {{"P", ""}}, std::nullopt, {}},
             {"no text at all", {{"P", std::nullopt}}, std::nullopt, {}},
             {"an unreadable text", {{"P", "adult content"}}, plainBody, {"Text"}},
             {"an unreadable document", {{"P", "adult content"}}, plainBody, {"Document"}},
         }) {
        Harness harness;
        ScriptedPage page;
        page.elements = c.elements;
        page.body = c.body;
        harness.backend().web.add("http://p.test/", page);
        auto& viewer = open(harness, "http://p.test/");
        harness.backend().web.failing = c.failing;
        std::string text = GetPageText(viewer.Browser.Object());
        PageVerdict expected = text.empty()            ? PageVerdict::NoText
                               : IsForbiddenText(text) ? PageVerdict::Forbidden
                                                       : PageVerdict::Allowed;
        EXPECT_EQ(quillo::JudgePageText(viewer.Browser.Object()), expected) << c.name;
    }
}

TEST(PageVerdict, JudgesFramesAndAPageStillLoadingAsItsText) {
    using quillo::PageVerdict;
    Harness harness;
    addFramedPage(harness);
    auto& viewer = open(harness, "http://f.test/");
    EXPECT_EQ(quillo::JudgePageText(viewer.Browser.Object()), PageVerdict::Allowed);
    EXPECT_EQ(quillo::JudgePageText(quillo::runtime::BrowserObject(viewer.Browser, {1})),
              PageVerdict::NoText);
    ScriptedPage condemned;
    condemned.elements = {{"P", "Hello"}, {"B", "adult content"}};
    harness.backend().web.add("http://p.test/", condemned);
    viewer.Browser.Navigate("http://p.test/");
    EXPECT_EQ(quillo::JudgePageText(viewer.Browser.Object()), PageVerdict::NoText);
    harness.advance(0);
    EXPECT_EQ(quillo::JudgePageText(viewer.Browser.Object()), PageVerdict::Forbidden);
}

TEST(CommentText, GivesEachCommentOfThePagesOwnDocumentFollowedByALineBreak) {
    Harness harness;
    harness.backend().web.addHtml("http://c.test/",
                                  "<body>Hi<!-- <! FRM\x02Sea -->there<!--two--></body>");
    harness.backend().web.addHtml("http://n.test/", "<body>No comments</body>");
    addFramedPage(harness);
    auto& viewer = open(harness, "http://c.test/");
    EXPECT_EQ(GetCommentText(viewer.Browser.Object()), "<!-- <! FRM\x02Sea -->\r\n<!--two-->\r\n");
    harness.backend().web.failing = {"Text"};
    EXPECT_EQ(GetCommentText(viewer.Browser.Object()), "");
    harness.backend().web.failing = {"All"};
    EXPECT_EQ(GetCommentText(viewer.Browser.Object()), "");
    harness.backend().web.failing.clear();
    open(harness, "http://n.test/");
    EXPECT_EQ(GetCommentText(viewer.Browser.Object()), "");
    // The frames' comments belong to the frames.
    open(harness, "http://f.test/");
    EXPECT_EQ(GetCommentText(viewer.Browser.Object()), "");
    EXPECT_EQ(GetCommentText(quillo::runtime::BrowserObject(viewer.Browser, {0})),
              "<!-- frame note -->\r\n");
}

TEST(BlankPage, EmptiesTheTextsAndTheBodyThenWritesTheWarning) {
    Harness harness;
    harness.backend().web.add("http://p.test/", flatPage());
    auto& viewer = open(harness, "http://p.test/");
    EXPECT_TRUE(quillo::BlankPage(viewer.Browser.Object(), quillo::BlockedPageWarning));
    std::string text = GetPageText(viewer.Browser.Object());
    EXPECT_NE(text.find("This is a site you do not want to visit."), std::string::npos);
    EXPECT_EQ(text.find("kids"), std::string::npos);
    EXPECT_FALSE(IsForbiddenText(text));
}

TEST(BlankPage, EmptiesThePageAndEveryReadableFrameAndWritesIntoTheFrameset) {
    Harness harness;
    addFramedPage(harness);
    auto& viewer = open(harness, "http://f.test/");
    harness.backend().web.failing = {"writeln"};
    EXPECT_FALSE(quillo::BlankPage(viewer.Browser.Object(), "<p>gone</p>"));
    EXPECT_EQ(GetPageText(viewer.Browser.Object()), "\r\n\r\n\r\n");
    harness.backend().web.failing.clear();
    EXPECT_TRUE(quillo::BlankPage(viewer.Browser.Object(), "<p>gone</p>"));
    EXPECT_NE(GetPageText(viewer.Browser.Object()).find("gone"), std::string::npos);
}

TEST(BlankPage, LeavesAPageThatIsStillLoadingAlone) {
    Harness harness;
    harness.backend().web.add("http://p.test/", flatPage());
    auto& viewer = open(harness, "http://p.test/");
    harness.backend().web.addHtml("http://q.test/", "<body>Next</body>");
    viewer.Browser.Navigate("http://q.test/");
    EXPECT_FALSE(quillo::BlankPage(viewer.Browser.Object(), "<p>gone</p>"));
    harness.advance(0);
    EXPECT_EQ(GetPageText(viewer.Browser.Object()).find("gone"), std::string::npos);
}

TEST(Probes, TellWhetherTheirMemberCanBeRead) {
    Harness harness;
    harness.backend().web.add("http://p.test/", flatPage());
    auto& viewer = open(harness, "http://p.test/");
    auto probe = [&](const std::string& failing) {
        harness.backend().web.failing = {failing};
        std::vector<bool> results;
        auto object = viewer.Browser.Object();
        results.push_back(quillo::HasDocument(object));
        auto document = quillo::runtime::HtmlDocument(viewer.Browser, {});
        results.push_back(quillo::HasFrames(document));
        results.push_back(quillo::HasAll(document));
        results.push_back(quillo::HasBody(document));
        auto body = quillo::runtime::HtmlElement::body(viewer.Browser, {});
        results.push_back(quillo::HasInnerHtml(body));
        results.push_back(quillo::HasOuterHtml(body));
        results.push_back(
            quillo::HasText(quillo::runtime::HtmlElement::element(viewer.Browser, {}, 1)));
        return results;
    };
    using Results = std::vector<bool>;
    EXPECT_EQ(probe("none"), (Results{true, true, true, true, true, true, true}));
    EXPECT_EQ(probe("Document"), (Results{false, false, false, false, false, false, false}));
    EXPECT_EQ(probe("Frames"), (Results{true, false, true, true, true, true, true}));
    EXPECT_EQ(probe("All"), (Results{true, true, false, true, true, true, false}));
    EXPECT_EQ(probe("body"), (Results{true, true, true, false, false, false, true}));
    EXPECT_EQ(probe("innerhtml"), (Results{true, true, true, true, false, true, true}));
    EXPECT_EQ(probe("outerhtml"), (Results{true, true, true, true, true, false, true}));
    EXPECT_EQ(probe("Text"), (Results{true, true, true, true, true, true, false}));
}
