// Fitting the main window's saved rectangle onto a monitor.
#include "dialogs/placement.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_platform.h"

namespace {

constexpr TRect kLeftScreen{0, 0, 1920, 1080};
constexpr TRect kRightScreen{1920, 0, 3200, 1024};

TEST(FitToMonitor, KeepsMovesAndShrinksOntoTheChosenMonitor) {
  const std::vector<TRect> both{kLeftScreen, kRightScreen};
  // Wholly on a monitor: unchanged.
  EXPECT_EQ(FitToMonitor({100, 50, 660, 531}, both), (TRect{100, 50, 660, 531}));
  EXPECT_EQ(FitToMonitor({2000, 10, 2560, 491}, both), (TRect{2000, 10, 2560, 491}));

  // On a monitor that is gone: onto the first, at its nearest edges.
  EXPECT_EQ(FitToMonitor({4000, 1200, 4560, 1681}, both), (TRect{1360, 599, 1920, 1080}));
  EXPECT_EQ(FitToMonitor({-900, -700, -340, -219}, both), (TRect{0, 0, 560, 481}));

  // Larger than its monitor: nine tenths of it around the old centre, then shifted onto it.
  // Width 2000 on 1920: dx = 1728 - 2000 = -272, so 136 off each side.
  EXPECT_EQ(FitToMonitor({-40, 100, 1960, 600}, {kLeftScreen}), (TRect{96, 100, 1824, 600}));
  // Both directions, with odd shrinkages: dx = 1152 - 1301 = -149 takes 74 off each side,
  // dy = 921 - 1300 = -379 takes 189 off the top and the bottom.
  EXPECT_EQ(FitToMonitor({1900, -100, 3201, 1200}, {kRightScreen}),
            (TRect{1974, 89, 3127, 1011}));
}

TEST(FitToMonitor, ChoosesTheLargestOverlapAndTheEarlierOnATie) {
  // 100 pixels wide on the left screen, 460 on the right one: the right one wins.
  EXPECT_EQ(FitToMonitor({1820, 0, 2380, 481}, {kLeftScreen, kRightScreen}),
            (TRect{1920, 0, 2480, 481}));
  // Straddling two equal monitors by exactly half: the earlier in the list.
  const TRect a{0, 0, 1000, 800};
  const TRect b{1000, 0, 2000, 800};
  EXPECT_EQ(FitToMonitor({800, 0, 1200, 300}, {a, b}), (TRect{600, 0, 1000, 300}));
  EXPECT_EQ(FitToMonitor({800, 0, 1200, 300}, {b, a}), (TRect{1000, 0, 1400, 300}));
  // Only the first ten monitors count.
  std::vector<TRect> many(10, TRect{0, 0, 800, 600});
  many.push_back({5000, 0, 6000, 800});
  EXPECT_EQ(FitToMonitor({5100, 0, 5500, 300}, many), (TRect{400, 0, 800, 300}));
}

TEST(FitToMonitor, AsksThePlatformAndFallsBackToTheWorkArea) {
  FakePlatform fake;
  fake.monitors = {kLeftScreen, kRightScreen};
  EXPECT_EQ(FitToMonitor(TRect{3000, 0, 3400, 300}), (TRect{2800, 0, 3200, 300}));
  fake.monitors.clear();
  fake.workArea = {0, 0, 1280, 984};
  EXPECT_EQ(FitToMonitor(TRect{3000, 0, 3400, 300}), (TRect{880, 0, 1280, 300}));
}

}  // namespace
