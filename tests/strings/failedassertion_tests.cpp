// The failed-assertion report: its text and box, OK carrying on in this
// process, and Cancel ending a separate one (Tessel21.exe running a fixture
// image that trips an assertion and then shows a box of its own).
#include <gtest/gtest.h>
#include "msgboxwatcher.h"
#include "programrunner.h"
#include "testfiles.h"
#include "core/failedassertion.h"

namespace {

TEST(FailedAssertion, ReportShowsNumberSourceAndLineAndOkGoesOn) {
    MessageBoxWatcher watcher;
    watcher.Answer({IDOK});
    FailedAssertion(7, 70000, "win32exception", 116);   // the number is shown as 16 bits
    ASSERT_TRUE(watcher.WaitForBoxes(1));
    SeenMessageBox box = watcher.Seen()[0];
    EXPECT_EQ(box.text,
              "Failed Assertion: 4464\nPress OK to Continue\nPress Cancel to Quit.\n\n"
              "Please report what caused this error\nalong with the information below.\n\n"
              " win32exception : 116");
    EXPECT_EQ(box.caption, "");
    // OK and Cancel, the latter in the language of the test's locale.
    ASSERT_EQ(box.buttons.size(), 2u);
    EXPECT_EQ(box.buttons[0], "OK");
    EXPECT_EQ(box.defaultButton, box.buttons[1]);
    EXPECT_TRUE(box.hasIcon);
}

TEST(FailedAssertion, CancelEndsTheProgramWithExitCodeZero) {
    struct Case {
        int answer;
        std::vector<std::string> texts;   // the boxes the program shows, from the second on
    } cases[] = {
        {IDOK, {"went on"}},
        {IDCANCEL, {}},
    };
    for (const Case& c : cases) {
        ProgramRun run = RunRuntimeOnFixture("assertion", {c.answer, IDOK});
        ASSERT_TRUE(run.finished) << c.answer;
        EXPECT_EQ(run.exitCode, 0u);
        ASSERT_EQ(run.boxes.size(), 1 + c.texts.size()) << c.answer;
        EXPECT_NE(run.boxes[0].text.find(" string : 25"), std::string::npos);
        for (size_t i = 0; i < c.texts.size(); i++) EXPECT_EQ(run.boxes[i + 1].text, c.texts[i]);
    }
}

} // namespace
