// Start-up and close of the real program.
#include <gtest/gtest.h>

#include "driver.h"
#include "registry_seed.h"

namespace orv::e2e {
namespace {

TEST(Startup, ShowsTheCaptionAndEndsWithoutAPromptWhenClosed) {
    SeededUninstallEntries entries;
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    EXPECT_EQ(program.caption(), L"Orvendale Software");
    EXPECT_TRUE(program.dialogs().empty());
    program.close();
    EXPECT_TRUE(program.waitForExit(10s));
    EXPECT_TRUE(program.dialogs().empty());
}

}  // namespace
}  // namespace orv::e2e
