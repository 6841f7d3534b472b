// How the model's nested controls map onto the flat native window: places, visibility, enabling.
#include "platform/win32/FormGeometry.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"
#include "app/MainForm.h"
#include "platform/fake/FakePlatform.h"

namespace nevra::win32 {
namespace {

class FormGeometry : public ::testing::Test {
 protected:
  fake::TFakePlatform Platform;
  TFrmMain Form{Platform.Platform};
};

TEST_F(FormGeometry, BoundsAddTheOriginsOfEveryContainer) {
  EXPECT_EQ(FormBounds(Form.btnStart), (TRect{10, 10, 117, 51}));         // on the form itself
  EXPECT_EQ(FormBounds(Form.rbCoordinates), (TRect{22, 112, 222, 131}));  // in GroupBox1 at (10, 60)
  EXPECT_EQ(FormBounds(Form.Label1), (TRect{10, 566, 350, 581}));         // in Panel1 at (0, 562)
  EXPECT_EQ(FormBounds(Form.seRepeat), (TRect{413, 353, 503, 376}));      // in grpClicks at (253, 301)
}

TEST_F(FormGeometry, AControlIsShownAndEnabledOnlyWithAllItsContainers) {
  EXPECT_TRUE(ShownOnForm(Form.Label1));
  Form.Panel1.SetVisible(false);
  EXPECT_FALSE(ShownOnForm(Form.Label1));
  EXPECT_FALSE(ShownOnForm(Form.Bevel1));
  EXPECT_TRUE(ShownOnForm(Form.btnStart));

  EXPECT_TRUE(EnabledOnForm(Form.rbMacros));
  Form.GroupBox1.SetEnabled(false);
  EXPECT_FALSE(EnabledOnForm(Form.rbMacros));
  EXPECT_TRUE(EnabledOnForm(Form.seMillis));
  Form.GroupBox1.SetEnabled(true);
  Form.rbMacros.SetEnabled(false);
  EXPECT_FALSE(EnabledOnForm(Form.rbMacros));

  // The form's own state belongs to the window operations.
  Form.SetVisible(false);
  EXPECT_TRUE(ShownOnForm(Form.btnStart));
}

TEST_F(FormGeometry, WithinFollowsTheNesting) {
  EXPECT_TRUE(IsWithin(Form.Label1, Form.Panel1));
  EXPECT_TRUE(IsWithin(Form.Panel1, Form.Panel1));
  EXPECT_FALSE(IsWithin(Form.Label1, Form.GroupBox1));
  EXPECT_FALSE(IsWithin(Form.Panel1, Form.Label1));
}

}  // namespace
}  // namespace nevra::win32
