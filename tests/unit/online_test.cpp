// The Help > Online commands: one information box each, and nothing else happens.
#include "dialogs/online.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

TEST(OnlineCommandsTest, EachShowsOneOfflineNotice) {
  FakePlatform fake;
  TFrameWindow frame;
  frame.Create();
  ShowCheckForUpdates(&frame);
  ShowDecryptUpdate(&frame);
  ShowWebSite(&frame);
  ASSERT_EQ(fake.Messages().size(), 3u);
  for (const MessageBoxRecord& box : fake.Messages()) {
    EXPECT_EQ(box.caption, "Quillo!");
    EXPECT_EQ(box.flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(box.owner, &frame);
    EXPECT_NE(box.text.find("package tools"), std::string::npos) << box.text;
  }
  EXPECT_EQ(fake.Messages()[0].text,
            "Quillo! runs entirely offline and never connects to the Internet.\n\n"
            "New versions come through your system's package tools:\n"
            "update your system as usual to update Quillo!.");
  EXPECT_EQ(fake.Transcript().size(), 3u);  // no dialogs, sounds or help pages besides
}
