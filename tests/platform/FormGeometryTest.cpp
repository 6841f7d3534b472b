// How the model's nested controls map onto the flat native window: places, visibility, enabling.
#include "platform/controls/FormGeometry.h"

#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "platform/fake/FakePlatform.h"
#include "support/TestPrinters.h"

namespace nevra {
namespace {

class FormGeometry : public ::testing::Test {
 protected:
  fake::TFakePlatform Platform;
  TFrmMain Form{Platform.Platform};
};

TEST_F(FormGeometry, BoundsAddTheOriginsOfEveryContainer) {
  EXPECT_EQ(FormBounds(Form.btnStart), (TRect{10, 10, 117, 51}));         // on the form itself
  EXPECT_EQ(FormBounds(Form.rbCoordinates), (TRect{22, 112, 222, 131}));  // in grpTarget at (10, 60)
  EXPECT_EQ(FormBounds(Form.lblStatus), (TRect{10, 630, 350, 645}));      // in pnlStatusBar at (0, 626)
  EXPECT_EQ(FormBounds(Form.seRepeat), (TRect{413, 387, 503, 410}));      // in grpClicks at (253, 335)
}

TEST_F(FormGeometry, AControlIsShownAndEnabledOnlyWithAllItsContainers) {
  EXPECT_TRUE(ShownOnForm(Form.lblStatus));
  Form.pnlStatusBar.SetVisible(false);
  EXPECT_FALSE(ShownOnForm(Form.lblStatus));
  EXPECT_FALSE(ShownOnForm(Form.bvlStatusBar));
  EXPECT_TRUE(ShownOnForm(Form.btnStart));

  EXPECT_TRUE(EnabledOnForm(Form.rbMacros));
  Form.grpTarget.SetEnabled(false);
  EXPECT_FALSE(EnabledOnForm(Form.rbMacros));
  EXPECT_TRUE(EnabledOnForm(Form.seMillis));
  Form.grpTarget.SetEnabled(true);
  Form.rbMacros.SetEnabled(false);
  EXPECT_FALSE(EnabledOnForm(Form.rbMacros));

  // The form's own state belongs to the window operations.
  Form.SetVisible(false);
  EXPECT_TRUE(ShownOnForm(Form.btnStart));
}

TEST_F(FormGeometry, ThePanelsSurfaceLiesBehindThePanelAndWhatItHoldsDirectly) {
  EXPECT_TRUE(OnPanelSurface(Form.pnlStatusBar));
  EXPECT_TRUE(OnPanelSurface(Form.lblStatus));
  EXPECT_FALSE(OnPanelSurface(Form.btnStart));
  EXPECT_FALSE(OnPanelSurface(Form.rbCoordinates));  // in a group box
}

TEST_F(FormGeometry, WithinFollowsTheNesting) {
  EXPECT_TRUE(IsWithin(Form.lblStatus, Form.pnlStatusBar));
  EXPECT_TRUE(IsWithin(Form.pnlStatusBar, Form.pnlStatusBar));
  EXPECT_FALSE(IsWithin(Form.lblStatus, Form.grpTarget));
  EXPECT_FALSE(IsWithin(Form.pnlStatusBar, Form.lblStatus));
}

}  // namespace
}  // namespace nevra
