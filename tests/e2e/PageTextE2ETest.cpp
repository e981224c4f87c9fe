// The page text the content filter judges, as the Qt engine's document model gives it, beside
// the text read the plain way from the page itself: every element's own text (rendered text for
// HTML elements, all descendant text for others) and the body's inner and outer markup. The model
// holds each text only once, where an enclosing element's text does not hold it already; every
// phrase must be judged as before, on pages generated to put phrases across every kind of
// element boundary, into hidden elements, into white space and into frames.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEnginePage>
#include <QWidget>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "E2E.h"
#include "mainwindow/pornBuster.h"
#include "runtime/HtmlElement.h"
#include "runtime/WebBrowser.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WebBrowserPeer.h"

using namespace e2e;

namespace {

// The texts of one document read the plain way.
struct PlainDocument {
    std::vector<std::string> elements;
    std::string inner, outer;
};

// Reads, from the page itself, its document and those of its frames.
const char* const kPlainRead = R"JS(
(function () {
  var HTML = 'http://www.w3.org/1999/xhtml';
  function read(d) {
    var texts = [], walker = d.createTreeWalker(d, NodeFilter.SHOW_ELEMENT), n;
    while ((n = walker.nextNode())) texts.push(n.namespaceURI === HTML ? n.innerText : n.textContent);
    return { texts: texts, inner: d.body ? d.body.innerHTML : '', outer: d.body ? d.body.outerHTML : '' };
  }
  var documents = [read(document)];
  for (var i = 0; i < frames.length; i++) documents.push(read(frames[i].document));
  return JSON.stringify(documents);
})()
)JS";

class Viewer : public Form {
  public:
    Viewer() : Form("Viewer") {
        Browser.DocumentComplete = [this](const BrowserObject& pDisp, const std::string&) {
            if (pDisp.isTopLevel()) ++pages;
        };
    }
    WebBrowser& Browser = add<WebBrowser>("Browser");
    int pages = 0;
};

class PageText : public ::testing::Test {
  protected:
    PageText() {
        window_.resize(640, 480);
        viewer_.Browser.Move(0, 0, 9600, 7200);
        viewer_.Browser.attachPeer(quillo::qt::makeWebBrowserPeer(
            viewer_.Browser, [this](Control&) { return &window_; }, 15, 15));
        window_.show();
    }

    bool load(const QString& path) {
        int before = viewer_.pages;
        viewer_.Browser.Navigate(site_.url(path).toStdString());
        return waitFor([&] { return viewer_.pages > before; });
    }

    // The page's document (index 0) and its frames' documents, read the plain way.
    std::vector<PlainDocument> readPlainly() {
        auto* engine = dynamic_cast<quillo::qt::QtWebEngine*>(viewer_.Browser.engine());
        std::optional<QString> json;
        engine->page()->runJavaScript(QString::fromUtf8(kPlainRead),
                                      [&](const QVariant& value) { json = value.toString(); });
        EXPECT_TRUE(waitFor([&] { return json.has_value(); }));
        std::vector<PlainDocument> documents;
        if (!json) return documents;
        for (const QJsonValue& value : QJsonDocument::fromJson(json->toUtf8()).array()) {
            QJsonObject object = value.toObject();
            PlainDocument document;
            for (const QJsonValue& text : object.value("texts").toArray())
                document.elements.push_back(text.toString().toStdString());
            document.inner = object.value("inner").toString().toStdString();
            document.outer = object.value("outer").toString().toStdString();
            documents.push_back(std::move(document));
        }
        return documents;
    }

    // The page text read the plain way: each piece preceded by CR LF, as the filter reads it.
    static std::string plainText(const PlainDocument& document) {
        std::string text;
        for (const std::string& piece : document.elements)
            text += "\r\n" + piece;
        return text + "\r\n" + document.inner + "\r\n" + document.outer;
    }

    // Every element's plain text is one the model holds, or lies within one it holds; the body's
    // markup is the same. So every phrase is found in the one where it is in the other.
    void expectTheModelCovers(const PlainDocument& plain, const FramePath& frame,
                              const std::string& name) {
        SCOPED_TRACE(name);
        auto document = BrowserObject(viewer_.Browser, frame).Document();
        ASSERT_TRUE(document);
        auto all = document->All();
        ASSERT_TRUE(all);
        std::vector<std::optional<std::string>> held;
        for (const auto& element : *all)
            if (element.tagName() != "!") held.push_back(element.Text());
        ASSERT_EQ(held.size(), plain.elements.size());
        for (std::size_t i = 0; i < held.size(); ++i) {
            if (held[i]) {
                EXPECT_EQ(*held[i], plain.elements[i]) << "element " << i;
                continue;
            }
            bool within = false;
            for (const auto& text : held)
                within = within || (text && text->find(plain.elements[i]) != std::string::npos);
            EXPECT_TRUE(within) << "element " << i << " holds \"" << plain.elements[i] << "\"";
        }
        auto body = document->body();
        ASSERT_TRUE(body);
        EXPECT_EQ(body->innerHTML(), plain.inner);
        EXPECT_EQ(body->outerHTML(), plain.outer);
    }

    QtApp qt_;
    Viewer& viewer_ = app().form<Viewer>();
    QWidget window_;
    PageServer site_;
};

// A phrase of the list, "adult content", cut into two halves that a case puts on the two sides
// of a boundary, or whole into a place; $A and $B stand for the halves.
struct Placement {
    const char* name;
    const char* html;
};

const Placement kPlacements[] = {
    {"one text", "<p>$A$B</p>"},
    {"inline elements", "<p>$A<b>$B</b></p>"},
    {"two inline elements", "<p><i>$A</i><b>$B</b></p>"},
    {"deep inline elements", "<p><b><i><u><span>$A</span></u></i></b>$B</p>"},
    {"a link", "<p><a href='#'>$A</a>$B</p>"},
    {"blocks", "<div>$A</div><div>$B</div>"},
    {"paragraphs", "<p>$A</p><p>$B</p>"},
    {"a line break", "<p>$A<br>$B</p>"},
    {"table cells", "<table><tr><td>$A</td><td>$B</td></tr></table>"},
    {"table rows", "<table><tr><td>$A</td></tr><tr><td>$B</td></tr></table>"},
    {"list items", "<ul><li>$A</li><li>$B</li></ul>"},
    {"an inline block", "<p><span style='display:inline-block'>$A</span>$B</p>"},
    {"flex items", "<div style='display:flex'><span>$A</span><span>$B</span></div>"},
    {"a float", "<p><span style='float:left'>$A</span>$B</p>"},
    {"a comment", "<p>$A<!-- between -->$B</p>"},
    {"a hidden element between", "<p>$A<span style='display:none'>zz</span>$B</p>"},
    {"a hidden attribute between", "<p>$A<span hidden>zz</span>$B</p>"},
    {"an invisible half", "<p><span style='visibility:hidden'>$A</span>$B</p>"},
    {"a collapsed half", "<p><span style='visibility:collapse'>$A</span>$B</p>"},
    {"contents display", "<p><span style='display:contents'>$A</span>$B</p>"},
    {"a fixed half", "<p><span style='position:fixed;top:0'>$A</span>$B</p>"},
    {"an absolute half", "<p><span style='position:absolute'>$A</span>$B</p>"},
    {"a word break", "<p>$A<wbr>$B</p>"},
    {"ruby", "<p><ruby>$A<rt>x</rt></ruby>$B</p>"},
    {"ruby parentheses", "<p><ruby>$A<rp>(</rp><rt>x</rt><rp>)</rp></ruby>$B</p>"},
    {"quotes", "<p><q>$A</q>$B</p>"},
    {"a button", "<p><button>$A</button>$B</p>"},
    {"a label", "<p><label>$A<input></label>$B</p>"},
    {"superscript", "<p>$A<sup>$B</sup></p>"},
    {"a heading", "<h1>$A</h1>$B"},
    {"white space run", "<p>adult   \n\t  content</p>"},
    {"white space across elements", "<p><b>adult </b> <i> content</i></p>"},
    {"kept line break", "<pre>adult\ncontent</pre>"},
    {"kept spaces", "<pre>adult content</pre>"},
    {"pre-line", "<p style='white-space:pre-line'>adult\n   content</p>"},
    {"no-break space", "<p>adult&nbsp;content</p>"},
    {"no wrap", "<p style='white-space:nowrap'>adult    content</p>"},
    {"upper case", "<p style='text-transform:uppercase'>adult content</p>"},
    {"capitals written", "<p>ADULT CONTENT</p>"},
    {"full width", "<p style='text-transform:full-width'>adult content</p>"},
    {"a narrow column", "<p style='width:2em'>adult content</p>"},
    {"display none", "<div style='display:none'>adult content</div>"},
    {"deep display none", "<div style='display:none'><div><p><b>adult content</b></p></div></div>"},
    {"hidden attribute", "<p hidden>adult content</p>"},
    {"visibility hidden", "<p style='visibility:hidden'>adult content</p>"},
    {"visible inside hidden",
     "<div style='visibility:hidden'><p style='visibility:visible'>"
     "adult content</p></div>"},
    {"closed details", "<details><summary>More</summary><p>adult content</p></details>"},
    {"open details", "<details open><summary>More</summary><p>adult content</p></details>"},
    {"summary", "<details><summary>adult content</summary>x</details>"},
    {"template", "<template><p>adult content</p></template><p>x</p>"},
    {"noscript", "<noscript><p>adult content</p></noscript><p>x</p>"},
    {"script text", "<script>var s = 'adult content';</script><p>x</p>"},
    {"style text", "<style>/* adult content */</style><p>x</p>"},
    {"textarea", "<textarea>adult content</textarea>"},
    {"select", "<select><option>adult content</option><option>x</option></select>"},
    {"select list", "<select size='3'><option>$A</option><option>$B</option></select>"},
    {"input value", "<input value='adult content'>"},
    {"attribute", "<p title='adult content'>x</p>"},
    {"image text", "<img alt='adult content'>"},
    {"canvas fallback", "<canvas><p>adult content</p></canvas>"},
    {"video fallback", "<video><p>adult content</p></video>"},
    {"object fallback", "<object><p>adult content</p></object>"},
    {"svg text", "<svg><text x='0' y='20'>adult content</text></svg>"},
    {"svg texts", "<svg><g><text>$A</text><text>$B</text></g></svg>"},
    {"svg title", "<svg><title>adult content</title></svg>"},
    {"svg foreign object",
     "<svg><foreignObject width='200' height='50'><p>$A</p><p>$B</p></foreignObject></svg>"},
    {"math", "<math><mi>$A</mi><mi>$B</mi></math>"},
    {"content visibility hidden",
     "<div style='content-visibility:hidden'><p>adult content</p>"
     "</div>"},
    {"content visibility auto far down",
     "<div style='height:5000px'></div><div style='content-visibility:auto'><p>adult content"
     "</p></div>"},
    {"zero size", "<div style='height:0;overflow:hidden'><p>adult content</p></div>"},
    {"transparent", "<p style='opacity:0'>adult content</p>"},
    {"generated content", "<style>.g::before{content:'adult '}</style><p class='g'>content</p>"},
    {"first line",
     "<style>.f::first-line{text-transform:full-width}</style><p class='f'>adult "
     "content</p>"},
    {"a shadow root",
     "<p id='h'>$B</p><script>document.getElementById('h').attachShadow({mode:'open'})"
     ".innerHTML = '$A<slot></slot>';</script>"},
    {"an unslotted child",
     "<div id='h'><p>adult content</p></div><script>document.getElementById('h')"
     ".attachShadow({mode:'open'}).innerHTML = 'x';</script>"},
    {"a body attribute", "</body><body class='adult content'>x"},
    {"text beyond ASCII in a long body",
     "</body><body title='\u00e9t\u00e9 \U0001F600'><p>\u00e7a \U0001F600 $A$B \u00fc</p><p>"
     "The garden is green and the sky is blue; the children play by the pond and feed the ducks, "
     "\u00e9t\u00e9 apr\u00e8s \u00e9t\u00e9, while the old dog sleeps in the warm sun beside "
     "the gate and the cat watches the birds from the roof of the shed at the end of the lane, "
     "\U0001F600 until the bell rings for tea.</p>"},
};

std::string placed(const char* html, const std::string& a, const std::string& b) {
    std::string out = html;
    for (std::size_t at; (at = out.find("$A")) != std::string::npos;)
        out.replace(at, 2, a);
    for (std::size_t at; (at = out.find("$B")) != std::string::npos;)
        out.replace(at, 2, b);
    return "<html><head><title>Case</title></head><body>" + out + "</body></html>";
}

// Random pages: nested elements of many kinds and styles, texts with phrase halves and white
// space of every sort.
class PageMaker {
  public:
    explicit PageMaker(unsigned seed) : random_(seed) {}

    std::string page() {
        std::string body;
        for (int i = 0; i < 4; ++i)
            body += element(0);
        return "<html><head><title>Made</title><style>.b::before{content:'adult '}</style>"
               "</head><body>" +
               body + "</body></html>";
    }

  private:
    std::string pick(const std::vector<std::string>& list) { return list[random_() % list.size()]; }

    std::string text() {
        static const std::vector<std::string> words{
            "adult",   "content", "adult ",  " content", " cum ",   "cum",    "xx", "x",
            "the age", " of 18",  "lolitas", "story",    "garden",  "ADULT",  " ",  "  ",
            "\n",      "\n   ",   "\t",      "&nbsp;",   "a&amp;b", "one two"};
        std::string out;
        int count = 1 + static_cast<int>(random_() % 3);
        for (int i = 0; i < count; ++i)
            out += pick(words);
        return out;
    }

    std::string element(int depth) {
        static const std::vector<std::string> tags{"div", "p",       "span",  "b",      "i", "a",
                                                   "pre", "section", "li",    "button", "q", "h2",
                                                   "td",  "label",   "small", "em"};
        static const std::vector<std::string> styles{"",
                                                     "",
                                                     "",
                                                     " style='display:none'",
                                                     " hidden",
                                                     " style='visibility:hidden'",
                                                     " style='display:contents'",
                                                     " style='display:inline-block'",
                                                     " style='display:block'",
                                                     " style='display:flex'",
                                                     " style='display:table-cell'",
                                                     " style='position:fixed'",
                                                     " style='position:absolute'",
                                                     " style='float:left'",
                                                     " style='white-space:pre'",
                                                     " style='white-space:pre-line'",
                                                     " style='white-space:nowrap'",
                                                     " style='text-transform:uppercase'",
                                                     " style='content-visibility:hidden'",
                                                     " style='opacity:0'",
                                                     " class='b'"};
        if (depth > 4 || random_() % 4 == 0) return text();
        std::string tag = pick(tags);
        std::string out = "<" + tag + pick(styles) + ">";
        int children = 1 + static_cast<int>(random_() % 4);
        for (int i = 0; i < children; ++i)
            out += random_() % 3 == 0 ? text() : element(depth + 1);
        if (random_() % 6 == 0) out += "<br>";
        if (random_() % 8 == 0) out += "<!-- a note -->";
        return out + "</" + tag + ">";
    }

    std::mt19937 random_;
};

// A page holding each document as a frame of its own, so that one load reads them all.
std::string framesOf(int count, const QString& prefix) {
    std::string html = "<html><head><title>Frames</title></head><body>";
    for (int i = 0; i < count; ++i)
        html += "<iframe width='300' height='150' src='" + prefix.toStdString() +
                std::to_string(i) + ".htm'></iframe>";
    return html + "</body></html>";
}

}  // namespace

TEST_F(PageText, EveryPhraseAcrossEveryBoundaryIsJudgedAsOnThePlainText) {
    // "adult content", and " cum " which must have its blanks: a boundary may give or take them.
    const int count = static_cast<int>(std::size(kPlacements));
    for (auto [first, second] : {std::pair{"adult", " content"}, std::pair{"a cum", " b"}}) {
        SCOPED_TRACE(first);
        QString prefix = QString("/%1-").arg(first).replace(' ', '-');
        for (int i = 0; i < count; ++i)
            site_.add(prefix + QString::number(i) + ".htm",
                      QByteArray::fromStdString(placed(kPlacements[i].html, first, second)));
        site_.add(prefix + "all.htm", QByteArray::fromStdString(framesOf(count, prefix)));
        ASSERT_TRUE(load(prefix + "all.htm"));
        std::vector<PlainDocument> plain = readPlainly();
        ASSERT_EQ(plain.size(), static_cast<std::size_t>(count) + 1);
        int forbidden = 0;
        for (int i = 0; i < count; ++i) {
            const PlainDocument& document = plain[static_cast<std::size_t>(i) + 1];
            bool verdict =
                quillo::IsForbiddenText(quillo::GetPageText(BrowserObject(viewer_.Browser, {i})));
            EXPECT_EQ(verdict, quillo::IsForbiddenText(plainText(document))) << kPlacements[i].name;
            EXPECT_EQ(quillo::JudgePageText(BrowserObject(viewer_.Browser, {i})),
                      verdict ? quillo::PageVerdict::Forbidden : quillo::PageVerdict::Allowed)
                << kPlacements[i].name;
            forbidden += verdict;
            expectTheModelCovers(document, {i}, kPlacements[i].name);
        }
        // The cases hold both verdicts, many times each.
        EXPECT_GT(forbidden, 10);
        EXPECT_GT(count - forbidden, 10);
    }
}

TEST_F(PageText, GeneratedPagesGiveTheModelEveryTextOrOneThatHoldsIt) {
    const int count = 24;
    for (int i = 0; i < count; ++i)
        site_.add(QString("/made%1.htm").arg(i),
                  QByteArray::fromStdString(PageMaker(static_cast<unsigned>(i + 1)).page()));
    site_.add("/made.htm", QByteArray::fromStdString(framesOf(count, "/made")));
    ASSERT_TRUE(load("/made.htm"));
    std::vector<PlainDocument> plain = readPlainly();
    ASSERT_EQ(plain.size(), static_cast<std::size_t>(count) + 1);
    for (int i = 0; i < count; ++i) {
        BrowserObject frame(viewer_.Browser, {i});
        std::string name = "page " + std::to_string(i);
        EXPECT_EQ(quillo::IsForbiddenText(quillo::GetPageText(frame)),
                  quillo::IsForbiddenText(plainText(plain[static_cast<std::size_t>(i) + 1])))
            << name;
        expectTheModelCovers(plain[static_cast<std::size_t>(i) + 1], {i}, name);
    }
    expectTheModelCovers(plain[0], {}, "the page holding the frames");
}

TEST_F(PageText, AFramesetIsJudgedOnItsOwnTextAndItsFramesAsOnThePlainText) {
    site_.add("/left.htm", "<html><body><p>The story of the</p><p>adult</p></body></html>");
    site_.add("/right.htm", "<html><body><p>content of a garden</p></body></html>");
    site_.add("/joined.htm", "<html><body><p>adult <b>content</b></p></body></html>");
    site_.add("/split.htm",
              "<html><frameset cols='*,*'><frame src='/left.htm'><frame src='/right.htm'>"
              "</frameset></html>");
    site_.add("/whole.htm",
              "<html><frameset cols='*,*'><frame src='/left.htm'><frame src='/joined.htm'>"
              "</frameset></html>");
    for (const char* path : {"/split.htm", "/whole.htm"}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(load(path));
        std::vector<PlainDocument> plain = readPlainly();
        ASSERT_EQ(plain.size(), 3u);
        // The page is judged on its own text and its frames'.
        std::string text = plainText(plain[0]) + plainText(plain[1]) + plainText(plain[2]);
        EXPECT_EQ(quillo::IsForbiddenText(quillo::GetPageText(viewer_.Browser.Object())),
                  quillo::IsForbiddenText(text));
        expectTheModelCovers(plain[0], {}, "frameset");
        expectTheModelCovers(plain[1], {0}, "first frame");
        expectTheModelCovers(plain[2], {1}, "second frame");
    }
    EXPECT_TRUE(quillo::IsForbiddenText(quillo::GetPageText(viewer_.Browser.Object())));
}

TEST_F(PageText, APageNestedSixtyDeepHoldsItsTextOnce) {
    std::string text;
    for (int i = 0; text.size() < 100000; ++i)
        text += "<p>Paragraph " + std::to_string(i) + " of a long story in the garden.</p>";
    std::string open, close;
    for (int i = 0; i < 60; ++i) {
        open += "<div>";
        close += "</div>";
    }
    site_.add("/deep.htm", QByteArray::fromStdString("<html><body>" + open + text + close +
                                                     "<p>adult content</p></body></html>"));
    ASSERT_TRUE(load("/deep.htm"));
    auto all = viewer_.Browser.Object().Document()->All();
    ASSERT_TRUE(all);
    std::size_t held = 0;
    for (const auto& element : *all)
        held += element.Text().value_or("").size();
    // The rendered text is about as long as the page's text; it is held once, not once for
    // each of the sixty blocks around it.
    EXPECT_LT(held, 2 * text.size());
    EXPECT_TRUE(quillo::IsForbiddenText(quillo::GetPageText(viewer_.Browser.Object())));
}

TEST_F(PageText, AFrameTakenAgainFromThePageKeepsItsRenderedText) {
    site_.add("/spaced.htm", "<html><body><p>adult   \n   content</p></body></html>");
    site_.add("/holder.htm", "<html><body><iframe src='/spaced.htm'></iframe></body></html>");
    ASSERT_TRUE(load("/holder.htm"));
    BrowserObject frame(viewer_.Browser, {0});
    EXPECT_TRUE(quillo::IsForbiddenText(quillo::GetPageText(frame)));
    // A read of a model a moment old has the page take it again, for the reads after it.
    waitFor([] { return false; }, 700);
    quillo::GetPageText(frame);
    waitFor([] { return false; }, 700);
    EXPECT_TRUE(quillo::IsForbiddenText(quillo::GetPageText(frame)));
    std::vector<PlainDocument> plain = readPlainly();
    ASSERT_EQ(plain.size(), 2u);
    expectTheModelCovers(plain[1], {0}, "the frame");
}

TEST_F(PageText, LongFramesOfThePagesOwnOriginAndFromElsewhereAreReadWhole) {
    // Long texts of a frame the page can reach are taken by the page; those of a foreign frame
    // come by the frame's own report.
    auto longPage = [](const std::string& last) {
        std::string html = "<html><body>";
        for (int i = 0; html.size() < 300000; ++i)
            html += "<p>Line " + std::to_string(i) + " of a long story in the garden.</p>";
        return QByteArray::fromStdString(html + "<p>" + last + "</p></body></html>");
    };
    PageServer elsewhere;
    elsewhere.add("/far.htm", longPage("the far end"));
    site_.add("/near.htm", longPage("the near end"));
    site_.add("/both.htm",
              QByteArray::fromStdString(
                  "<html><body><iframe src='/near.htm'></iframe><iframe src='" +
                  elsewhere.url("/far.htm").toStdString() + "'></iframe></body></html>"));
    ASSERT_TRUE(load("/both.htm"));
    for (int i : {0, 1}) {
        std::string text = quillo::GetPageText(BrowserObject(viewer_.Browser, {i}));
        EXPECT_GT(text.size(), 300000u);
        EXPECT_NE(text.find(i == 0 ? "the near end" : "the far end"), std::string::npos);
        EXPECT_NE(text.find("Line 1000 of a long story"), std::string::npos);
    }
}
