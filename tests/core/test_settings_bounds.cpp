// Window bounds: which are applied, and their XML form.

#include "settings/myGeometry.h"
#include "test_settings_support.h"

namespace {

class TFakeWindow : public IWindowBounds {
public:
  int Calls = 0;
  int Left = 1, Top = 2, Width = 3, Height = 4;
  void SetBounds(int L, int T, int W, int H) override {
    ++Calls;
    Left = L;
    Top = T;
    Width = W;
    Height = H;
  }
};

} // namespace

TEST(Bounds, OnlyAPositiveSizeIsApplied) {
  struct TCase {
    int Left, Top, Width, Height;
    bool Applied;
  };
  const TCase cases[] = {
      {100, 100, 800, 600, true}, {-1920, -20, 800, 600, true}, {10, 10, 0, 600, false},
      {10, 10, 800, 0, false},    {10, 10, -5, 600, false},
  };
  for (const TCase& c : cases) {
    TmyBounds bounds;
    bounds.Init(c.Left, c.Top, c.Width, c.Height);
    EXPECT_EQ(bounds.IsValid(), c.Applied) << c.Left << "," << c.Width;
    TFakeWindow window;
    bounds.ApplyTo(window);
    EXPECT_EQ(window.Calls, c.Applied ? 1 : 0);
    if (c.Applied) {
      EXPECT_EQ(window.Left, c.Left);
      EXPECT_EQ(window.Top, c.Top);
      EXPECT_EQ(window.Width, c.Width);
      EXPECT_EQ(window.Height, c.Height);
    } else {
      EXPECT_EQ(window.Width, 3) << "the window stays as designed";
    }
  }
}

TEST(Bounds, WrittenAsFourAttributesInOrder) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("R");
  TmyBounds bounds;
  bounds.Init(-7, 8, 900, 700);
  bounds.WriteToXml(root, "MainWinSize");
  std::string names, values;
  for (pugi::xml_attribute a : root.child("MainWinSize").attributes()) {
    names += std::string(a.name()) + " ";
    values += std::string(a.value()) + " ";
  }
  EXPECT_EQ(names, "Left Top Width Height ");
  EXPECT_EQ(values, "-7 8 900 700 ");
  TmyBounds read;
  read.ReadFromXml(root, "MainWinSize");
  EXPECT_EQ(read.Left, -7);
  EXPECT_EQ(read.Height, 700);
}
