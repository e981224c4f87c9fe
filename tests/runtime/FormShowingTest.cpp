#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/Application.h"
#include "runtime/Label.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::PeerEvent;

namespace {

class Plain : public Form {
  public:
    Plain() : Form("Plain") {}
    Label& Label1 = add<Label>("Label1");
};

class Placeless : public Form {
  public:
    Placeless() : Form("Placeless") {
        setWidth(2000);
        setHeight(1000);
    }
};

bool saw(const std::vector<PeerEvent>& events, const std::string& control, Property property) {
    return std::any_of(events.begin(), events.end(), [&](const PeerEvent& event) {
        return event.control == control && event.property == property;
    });
}

}  // namespace

TEST(FormShowing, ALoadedFormIsHiddenUntilShown) {
    Harness harness;
    auto& form = app().form<Plain>();
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.Visible());
    harness.backend().peerEvents.clear();
    form.Show();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(saw(harness.backend().peerEvents, "Plain", Property::Visible));
}

TEST(FormShowing, HidingAFormThatWasNeverShownTellsThePeerNothing) {
    Harness harness;
    auto& form = app().form<Plain>();
    harness.backend().peerEvents.clear();
    form.Hide();
    EXPECT_FALSE(saw(harness.backend().peerEvents, "Plain", Property::Visible));
}

TEST(FormShowing, AWindowGivenNoPlaceOpensCentredOverTheWindowClickedLastAndKeepsItsPlace) {
    Harness harness;
    auto& opener = app().form<Plain>();
    opener.Move(3000, 1500, 6000, 4500);
    opener.Show();
    Harness::click(opener.Label1);
    auto& shown = app().newForm<Placeless>();
    shown.Show();
    EXPECT_EQ(shown.Left(), 3000 + 3000 - 1000);
    EXPECT_EQ(shown.Top(), 1500 + 2250 - 500);
    EXPECT_EQ(shown.owner(), &opener);
    shown.Hide();
    opener.Move(0, 0);
    shown.Show();
    EXPECT_EQ(shown.Left(), 5000);
}

TEST(ZOrder, KeepsTheLastPositionForThePeer) {
    Harness harness;
    auto& form = app().form<Plain>();
    EXPECT_EQ(form.Label1.lastZOrder(), 0);
    form.Label1.ZOrder(1);
    EXPECT_EQ(form.Label1.lastZOrder(), 1);
    EXPECT_TRUE(saw(harness.backend().peerEvents, "Plain.Label1", Property::ZOrder));
    form.Label1.ZOrder();
    EXPECT_EQ(form.Label1.lastZOrder(), 0);
}
