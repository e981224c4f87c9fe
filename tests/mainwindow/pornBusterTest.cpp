#include <gtest/gtest.h>

#include <random>
#include <string>

#include "mainwindow/pornBuster.h"

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

TEST(ContentFilter, HasTheFortyTwoPatternsAsWildcardPhrases) {
    ASSERT_EQ(ForbiddenPatterns().size(), 42u);
    EXPECT_EQ(ForbiddenPatterns().front(), "*legal age*");
    EXPECT_EQ(ForbiddenPatterns()[18], "* tits *");
    EXPECT_EQ(ForbiddenPatterns().back(), "*nude images*");
    for (const std::string& pattern : ForbiddenPatterns()) {
        EXPECT_EQ(pattern.front(), '*');
        EXPECT_EQ(pattern.back(), '*');
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
