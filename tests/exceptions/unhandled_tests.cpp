// An exception that nothing catches, in the real Tessel21.exe reading a
// fixture's development files: the frames are released, the image's
// message is shown and the program ends with exit code 0.
#include <gtest/gtest.h>
#include "programrunner.h"
#include "testfiles.h"

namespace {

TEST(UnhandledException, IsShownWithItsClassNameAndEndsTheProgram) {
    ProgramRun run = RunRuntimeOnFixture("unhandled");

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].text, "released") << "the failing routine's slot is released first";
    EXPECT_EQ(run.boxes[1].text,
              "An exception of class NilObjectException was not handled.\r"
              "The application must shut down.");
    EXPECT_EQ(run.boxes[1].caption, "Unwind Test");
}

} // namespace
