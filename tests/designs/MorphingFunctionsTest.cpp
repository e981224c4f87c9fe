#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "designs/MorphingFunctions.h"
#include "runtime/headless/Harness.h"

using namespace quillo;
using Points = std::vector<runtime::PointPx>;

namespace {

// Test texts write the field separator Chr(2) as "~".
std::string d(std::string text) {
    for (char& c : text)
        if (c == '~') c = '\x02';
    return text;
}

}  // namespace

TEST(DesignRecords, AreTakenOnlyFromLinesOpenedByTheBareCommentOpenerWithAThirdToken) {
    struct Case {
        const char* line;
        DesignCode code;
        const char* token;
    };
    for (const Case& c : std::vector<Case>{
             {"<! FRM~1 >", DesignCode::FRM, "FRM~1"},
             {"<! FRMX~1 >", DesignCode::FRM, "FRMX~1"},
             {"<! RGN~3 x y\r", DesignCode::RGN, "RGN~3"},
             {"<! STP  ", DesignCode::STP, "STP"},
         })
        EXPECT_EQ(ParseRecordLine(d(c.line)), (DesignRecord{c.code, d(c.token)})) << c.line;
    for (const char* ignored : {"<! FRM~1", "<!-- FRM~1 -->", "<! frm~1 >", "<!  FRM~1 >",
                                " <! FRM >", "<! XYZ~1 >", "<!\tFRM~1 >", ""})
        EXPECT_EQ(ParseRecordLine(d(ignored)), std::nullopt) << ignored;
}

TEST(DesignRecords, FillTheirSlotsInTextOrderSoTheLastOfACodeWinsAndOthersKeepTheirs) {
    DesignSlots slots;
    slots[DesignCode::TUL] = "TUL kept";
    ParseDesignRecords(d("<! FRM~1 >\r\n<!-- x -->\r\n<! FRM~2~~4 -->\r\n<! BCK >\r<! FWD >\r\n"),
                       slots);
    EXPECT_EQ(RecordFields(slots[DesignCode::FRM]),
              (std::vector<std::string>{"FRM", "2", "", "4"}));
    // Lines are cut at LF alone: a CR leaves the next record inside the same line.
    EXPECT_EQ(slots[DesignCode::BCK], "BCK");
    EXPECT_EQ(slots[DesignCode::FWD], "");
    EXPECT_EQ(slots[DesignCode::TUL], "TUL kept");
    ClearDesign(slots);
    EXPECT_EQ(slots, DesignSlots{});
}

TEST(DesignValidation, NeedsNineRecordsOfFiveFieldsAndCountsOnlyPicturesInTheLastField) {
    struct Case {
        DesignCode code;
        std::string token;  // replaces that slot of a design whose back button counts a picture
        bool valid;
        std::int16_t counted;
    };
    for (const Case& c : std::vector<Case>{
             {DesignCode::RGN, "", true, 1},
             {DesignCode::BCK, "BCK~1~2~3~4~", true, 0},
             {DesignCode::HME, "HME~1~2~3~4~http://p.test/h.gif~x", true, 1},
             {DesignCode::STP, "STP~1~2~3~4~http://p.test/s.gif", true, 2},
             {DesignCode::FRM, "FRM~1~2~3~4~-1~http://p.test/w.gif", true, 2},
             {DesignCode::FRM, "FRM~1~2~3~4~255", true, 1},
             {DesignCode::BCK, "", false, 0},
             {DesignCode::FWD, "", false, 1},
             {DesignCode::STP, "STP~1~2~3", false, 1},
             {DesignCode::TUL, "", false, 1},
             {DesignCode::SBR, "SBR~1~2~3", false, 1},
             {DesignCode::BSW, "BSW", false, 1},
             {DesignCode::FRM, "", false, 1},
         }) {
        DesignSlots slots;
        for (std::size_t i = 0; i < DesignCodes.size(); ++i)
            slots[static_cast<DesignCode>(i)] = std::string(DesignCodes[i]) + d("~1~2~3~4");
        slots[DesignCode::BCK] += d("~http://p.test/b.gif");
        slots[c.code] = d(c.token);
        std::int16_t counter = 2;
        EXPECT_EQ(ValidateDesign(slots, counter), c.valid) << c.token;
        EXPECT_EQ(counter, 2 + c.counted) << c.token;
    }
}

TEST(DesignKeys, ComeFromHostAndLastPathPartAndRefuseNamesThatLeaveTheirFolder) {
    struct Case {
        const char* url;
        std::optional<DesignKeys> keys;
    };
    for (const Case& c : std::vector<Case>{
             {"http://h.test/", DesignKeys{"\\h.test", "\\Root"}},
             {"http://h.test", DesignKeys{"\\h.test", "\\Root"}},
             {"http://h.test/a/b.html", DesignKeys{"\\h.test", "\\b.html"}},
             {"http://h.test/dir/", DesignKeys{"\\h.test", "\\Root"}},
             {"HTTP://h.test:8080/p?q=1", DesignKeys{"\\h.test:8080", "\\p?q=1"}},
             {"http://h.test/..a", DesignKeys{"\\h.test", "\\..a"}},
         })
        EXPECT_EQ(DesignKeysOf(c.url), c.keys) << c.url;
    for (const char* refused :
         {"https://h.test/", "file:///etc/passwd", "http://", "", "http:///page", "http://../x",
          "http://./x", "http://h.test/a/..", "http://h.test/.", "http://h\\..\\x/p",
          "http://h.test/a\\..\\p", "http://h.test/p\nq"})
        EXPECT_EQ(DesignKeysOf(refused), std::nullopt) << refused;
}

TEST(DesignNumbers, RoundHalvesToEvenAndRefuseTextThatIsNoNumberOrDoesNotFit) {
    struct Case {
        const char* text;
        std::optional<std::int16_t> integer;
        std::optional<std::int32_t> wide;
    };
    for (const Case& c : std::vector<Case>{
             {"12", 12, 12},
             {" -7 ", -7, -7},
             {"+3", 3, 3},
             {"2.5", 2, 2},
             {"3.5", 4, 4},
             {"-0.5", 0, 0},
             {".5", 0, 0},
             {"1e2", 100, 100},
             {"32767", 32767, 32767},
             {"32767.5", {}, 32768},
             {"-32768", -32768, -32768},
             {"40000", {}, 40000},
             {"", {}, {}},
             {"abc", {}, {}},
             {"1x", {}, {}},
             {"inf", {}, {}},
             {"nan", {}, {}},
             {"--1", {}, {}},
             {"1e400", {}, {}},
             {"3000000000", {}, {}},
             {"-", {}, {}},
         }) {
        EXPECT_EQ(IntegerOf(std::string_view(c.text)), c.integer) << c.text;
        EXPECT_EQ(LongOf(c.text), c.wide) << c.text;
    }
}

TEST(DesignOutline, PointsAreMovedByTheFrameAndFailOnBadCountsOrPoints) {
    headless::Harness harness;  // 15 twips a pixel
    const WindowFrame none{3000, 3000, 3000, 3000};
    const WindowFrame framed{3120, 3510, 3000, 3000};  // side borders 4 px, title and top 30 px
    struct Case {
        std::string region;
        WindowFrame frame;
        Points points;
    };
    for (const Case& c : std::vector<Case>{
             {"RGN~3~0|0~10|0~10|20", none, Points{{0, 0}, {10, 0}, {10, 20}}},
             {"RGN~2~5|6~7|8", framed, Points{{9, 36}, {11, 38}}},
             {"RGN~2~5|x|6~7", none, Points{{5, 6}, {7, 7}}},
             {"RGN~3~5|6", framed, Points{{9, 36}, {4, 30}, {4, 30}}},
             {"RGN~0", none, Points{}},
         })
        EXPECT_EQ(ParseRegionPoints(d(c.region), c.frame), c.points) << c.region;
    for (const char* failing : {"RGN~1~1|1~2|2", "RGN~-1", "RGN", "RGN~2~1|~2|2", "RGN~1~40000|1",
                                "RGN~40000", "RGN~1~a|1"})
        EXPECT_EQ(ParseRegionPoints(d(failing), none), std::nullopt) << failing;
    EXPECT_EQ(ParseRegionPoints(d("RGN~1~1|1"), WindowFrame{70000, 3000, 3000, 3000}),
              std::nullopt);
}
