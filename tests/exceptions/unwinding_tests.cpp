// Raising through compiled routines of a fixture image: what the walk
// releases, which catch clause takes the exception, and where it resumes.
#include <gtest/gtest.h>
#include "imagefixture.h"
#include "core/compiledcalls.h"
#include "core/objects.h"
#include "core/shutdownhandlers.h"
#include "core/string.h"
#include "core/win32exception.h"

namespace {

enum ClassIndex {
    kRuntimeException, kNilObject, kEnd, kIllegalCast, kTracked, kTypeMismatch, kExploding,
};

std::string ClassNameOf(const ObjectInstance* object) {
    return object ? StringText(ClassDisplayName(object->cls)) : "(none)";
}

class Unwinding : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(image.Load()); }

    template <typename... Arguments>
    uint32_t Call(const char* routine, Arguments... arguments) {
        return CallCompiled(image.Address(routine), arguments...);
    }
    // Takes over the reference that a handler left in the image's data.
    ObjectInstance* TakeCaught() {
        ObjectInstance* caught = image.Data<ObjectInstance*>("caughtException");
        image.Data<ObjectInstance*>("caughtException") = nullptr;
        return caught;
    }

    ImageFixture image{"exceptions_unwinding", "unwinding"};
};

TEST_F(Unwinding, ANilObjectTwoCallsDeepIsCaughtWithTheInnerFramesReleased) {
    ObjectRef object(RuntimeNewObject(kTracked));
    StringRef text(NewStringFromText("held"));

    EXPECT_EQ(Call("Catcher", object.get(), text.get()), 1u);

    ObjectRef caught(TakeCaught());
    EXPECT_EQ(ClassNameOf(caught.get()), "NilObjectException");
    EXPECT_EQ(caught.get()->refs, 1) << "the handler's local held the only reference";
    EXPECT_EQ(image.Data<ObjectInstance*>("handlerArgument"), object.get())
        << "the handler runs in the catching routine's frame";
    EXPECT_EQ(image.Data<ObjectInstance*>("handlerSlot"), nullptr)
        << "the catching routine's slot listed before its catch clause is released";
    EXPECT_EQ(object.get()->refs, 1);
    EXPECT_EQ(text.get()->refs, 1);
    EXPECT_EQ(image.Data<uint32_t>("trackedDestroyed"), 1u) << "Inner's own object";
}

TEST_F(Unwinding, ASevenInTheCallSiteListSkipsTheRoutinesCatchClauses) {
    ObjectRef object(RuntimeNewObject(kTracked));
    EXPECT_EQ(Call("NoCatchCaller", object.get()), 2u);
    EXPECT_EQ(object.get()->refs, 1) << "the temporary and the slot are both released";
}

TEST_F(Unwinding, CatchClausesChooseByClass) {
    ObjectRef tracked(RuntimeNewObject(kTracked));
    ObjectRef mismatch(RuntimeNewObject(kTypeMismatch));
    struct Case {
        const char* what;
        const void* routine;
        const void* a;
        uint32_t b;
        uint32_t result;   // 0 returned, 1 the NilObjectException clause, 2 the RuntimeException one
        const char* caught;
        uintptr_t stackLimit;
    } cases[] = {
        {"nil object", reinterpret_cast<void*>(&RuntimeNilObject), nullptr, 0, 1,
         "NilObjectException", 0},
        {"failing cast", reinterpret_cast<void*>(&RuntimeCheckCast), tracked.get(), kIllegalCast, 2,
         "IllegalCastException", 0},
        {"cast of nil", reinterpret_cast<void*>(&RuntimeCheckCast), nullptr, kIllegalCast, 0,
         "(none)", 0},
        {"passing cast", reinterpret_cast<void*>(&RuntimeCheckCast), tracked.get(), kTracked, 0,
         "(none)", 0},
        {"raising nil", reinterpret_cast<void*>(&RuntimeRaiseException), nullptr, 0, 1,
         "NilObjectException", 0},
        {"raising an object", reinterpret_cast<void*>(&RuntimeReraiseException), mismatch.get(), 0,
         2, "typeMismatchException", 0},
        {"field of nil", reinterpret_cast<void*>(&objGetter), nullptr, 24, 1,
         "NilObjectException", 0},
        {"stack overflow", reinterpret_cast<void*>(&RuntimeStackCheck), nullptr, 0, 2,
         "stackOverflowException", ~uintptr_t{0}},
        {"stack in bounds", reinterpret_cast<void*>(&RuntimeStackCheck), nullptr, 0, 0, "(none)", 0},
    };
    for (const Case& c : cases) {
        SetStackLimit(c.stackLimit);
        EXPECT_EQ(Call("CatchAny", c.routine, c.a, c.b), c.result) << c.what;
        SetStackLimit(0);
        ObjectRef caught(TakeCaught());
        EXPECT_EQ(ClassNameOf(caught.get()), c.caught) << c.what;
        if (caught.get()) {   // the handler's reference, and the raiser's when it was lent
            EXPECT_EQ(caught.get()->refs, caught.get() == c.a ? 2 : 1) << c.what;
        }
    }
    EXPECT_EQ(mismatch.get()->refs, 1);
    EXPECT_EQ(tracked.get()->refs, 1);
}

TEST_F(Unwinding, DeepRecursionOverflowsAtTheLimitThatRuntimeInitSet) {
    const void* recurse = image["Recurse"];
    EXPECT_EQ(Call("CatchAny", recurse, 1000, 0), 0u) << "a thousand levels fit";
    EXPECT_EQ(Call("CatchAny", recurse, 10000000, 0), 2u);
    ObjectRef caught(TakeCaught());
    EXPECT_EQ(ClassNameOf(caught.get()), "stackOverflowException");
}

TEST_F(Unwinding, AnInvalidCallSiteListByteIsReportedAndTheWalkGoesOn) {
    MessageBoxWatcher watcher;
    EXPECT_EQ(Call("BadList"), 1u);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].text, FailedAssertionText(4, "win32exception", 116));
}

TEST_F(Unwinding, ADestructorThatRaisesLeavesDestructionWorking) {
    ObjectInstance* exploding = RuntimeNewObject(kExploding);
    EXPECT_EQ(Call("DropExploding", exploding), 1u);
    // The raise left the destruction loop behind; the next object to reach
    // 0 is still destroyed, at once.
    RuntimeUnlockObject(RuntimeNewObject(kTracked));
    EXPECT_EQ(image.Data<uint32_t>("trackedDestroyed"), 1u);
}

struct ShutdownProbe : ShutdownHandler {
    int runs = 0;
};

TEST_F(Unwinding, AnEndExceptionThatNothingCatchesReturnsAfterTheShutdownHandlers) {
    ShutdownProbe probe;
    probe.run = [](ShutdownHandler* handler) { static_cast<ShutdownProbe*>(handler)->runs++; };
    RegisterShutdownHandler(&probe);
    ObjectRef object(RuntimeNewObject(kTracked));
    ObjectRef end(RuntimeNewObject(kEnd));

    EXPECT_EQ(Call("EndQuit", object.get(), end.get()), 1u);

    EXPECT_EQ(probe.runs, 1);
    EXPECT_EQ(image.Data<ObjectInstance*>("slotAfterRaise"), object.get())
        << "the raiser's frames are left whole";
    EXPECT_EQ(object.get()->refs, 1);
    EXPECT_EQ(end.get()->refs, 1);
    EXPECT_EQ(image.Data<uint32_t>("trackedDestroyed"), 0u);
}

} // namespace
