// Tests that use the runtime in their own process stand in for the process
// entry: they set up what it sets up before anything else runs.
#include <gtest/gtest.h>
#include <windows.h>
#include "core/image.h"
#include "core/utility.h"

namespace {

class RuntimeEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        gInstance = GetModuleHandleA(nullptr);
        gCommandLine = GetCommandLineA();
        InitAllocatorLock();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new RuntimeEnvironment);

} // namespace
