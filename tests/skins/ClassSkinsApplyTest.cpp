// The corner clip on a stand-in main window: the media commands of the skin engine alone, without
// the layout, which replays the clip itself.
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "skins/SkinFixture.h"

using namespace skintest;

namespace {

class SkinApply : public SkinTest {
  protected:
    // Loads the skin Sea with these fields, ready to be applied.
    void load(const std::vector<std::string>& fields) {
        writeList("Quillo\x02Sea\x02\r\n");
        writeSkin("Sea", fields);
        ASSERT_TRUE(skins->LoadTheme(skinPath("Sea") + "/Sea.tz3"));
    }
    std::string file(const std::string& field) { return skinPath("Sea") + "/" + field; }
};

}  // namespace

TEST_F(SkinApply, TheCornerFieldIsAClipOnlyWhenItEndsInAviInAnyLetterCase) {
    struct Case {
        std::string field;
        bool clip;
    };
    const Case cases[] = {{"PictureBottomLeft.avi", true},      {"PictureBottomLeft.AVI", true},
                          {"PictureBottomLeft.Avi", true},      {"PictureBottomLeft.bmp", false},
                          {"PictureBottomLeft.avi.bmp", false}, {"PictureBottomLeft.tzv", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        restart();
        load(fieldsOf(c.field));
        skins->UploadPicturesToBrowser(main());
        PictureBox& strip = main().PictureBottomLeft;
        EXPECT_EQ(strip.Tag(), file(c.field));
        EXPECT_EQ(strip.drawList().ops().size(), c.clip ? 0u : 1u);
        EXPECT_EQ(main().Timer2.getEnabled(), c.clip);
        if (!c.clip) {
            EXPECT_TRUE(media().empty());
            continue;
        }
        // Opened early, closed by the second Close All, opened again and played once.
        const std::string clip = c.field + ": ";
        const std::string open = clip + "open video in form1.PictureBottomLeft";
        const std::string place = clip + "destination 0 0 221 40";
        EXPECT_EQ(media(), (std::vector<std::string>{open, place, clip + "close", open, place,
                                                     clip + "play from 0"}));
        EXPECT_EQ(app().media().device("S090507")->parentWindow, strip.hWnd());
        EXPECT_EQ(main().Timer2.Interval(), 6000);
        EXPECT_EQ(strip.BackColor(), main().BackColor());
    }
}
