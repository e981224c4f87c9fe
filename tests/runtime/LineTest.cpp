#include <gtest/gtest.h>

#include "runtime/Application.h"
#include "runtime/Line.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

class Lines : public Form {
  public:
    Lines() : Form("Lines") {}
    Line& Line1 = add<Line>("Line1");
};

}  // namespace

TEST(Lines, KeepTheirPlaceAsTheBoxAroundTheirEnds) {
    Harness harness;
    auto& line = app().form<Lines>().Line1;
    line.setX1(900);
    line.setY1(100);
    line.setX2(300);
    line.setY2(700);
    EXPECT_DOUBLE_EQ(line.Left(), 300);
    EXPECT_DOUBLE_EQ(line.Top(), 100);
    EXPECT_DOUBLE_EQ(line.Width(), 600);
    EXPECT_DOUBLE_EQ(line.Height(), 600);
    line.setBorderWidth(0);
    EXPECT_EQ(line.BorderWidth(), 1);
}
