// The unit and tool tests' main: every test runs inside a fresh session of its own.
#include <gtest/gtest.h>

#include "app/runservices.h"
#include "classlib/inifile.h"

namespace {
// A test that needs a settings file makes its own session on it, nested inside this one.
class FreshSession : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { services_ = std::make_unique<RunServices>(store_); }
  void OnTestEnd(const testing::TestInfo&) override { services_.reset(); }

  MemoryIniFile store_;
  std::unique_ptr<RunServices> services_;
};
}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new FreshSession);
  return RUN_ALL_TESTS();
}
