// Instances of the classes fixture: creation and destruction order, the
// destruction queue, reference counts and their reports, the field accessors
// and the debug object.
#include <gtest/gtest.h>
#include "imagefixture.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/utility.h"

// Calls RuntimeUnlockObject the way compiled code does, with a value in eax
// that it does not save; returns what eax holds afterwards.
extern "C" uint32_t UnlockWithAccumulator(ObjectInstance* object, uint32_t accumulator);
asm(".text\n"
    "_UnlockWithAccumulator:\n"
    "    pushl %ebp\n"
    "    movl %esp, %ebp\n"
    "    pushl 8(%ebp)\n"
    "    movl 12(%ebp), %eax\n"
    "    call _RuntimeUnlockObject\n"
    "    addl $4, %esp\n"
    "    popl %ebp\n"
    "    ret\n");

namespace {

enum ClassIndex { kLeaf = 2, kHolder = 6, kSelfLocker = 7 };
constexpr uint32_t kHeldObject = 24;

class Instances : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(image.Load()); }
    std::string TakeLog() {
        std::string log = &image.Data<char>("eventLog");
        image.Data<char>("eventLog") = 0;
        return log;
    }
    ImageFixture image{"objects_classes", "classes"};
};

TEST_F(Instances, ConstructorsRunFromTheRootAndDestructorsBackUp) {
    TakeLog();
    ObjectInstance* leaf = RuntimeNewObject(kLeaf);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(TakeLog(), "M+L+");
    EXPECT_EQ(leaf->refs, 1);
    EXPECT_EQ(leaf->cls, ClassAtIndex(kLeaf));
    EXPECT_EQ(NewestLiveObject(), leaf);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(leaf);
    for (int i = 16; i < 40; i++) ASSERT_EQ(bytes[i], 0) << "byte " << i;
    RuntimeUnlockObject(leaf);
    EXPECT_EQ(TakeLog(), "L-M-");
}

TEST_F(Instances, AnObjectReleasedByADestructorIsDestroyedAfterIt) {
    ObjectInstance* holder = RuntimeNewObject(kHolder);
    ObjectInstance* leaf = RuntimeNewObject(kLeaf);
    objSetter(holder, kHeldObject, leaf);
    RuntimeUnlockObject(leaf);   // the holder has the last reference
    TakeLog();
    int before = RuntimeDebugMemoryUsed();
    RuntimeUnlockObject(holder);
    EXPECT_EQ(TakeLog(), "H-()L-M-");
    EXPECT_EQ(before - RuntimeDebugMemoryUsed(), 28 + 40);
}

TEST_F(Instances, ADestructorThatLocksAndUnlocksItsObjectDestroysItOnce) {
    ObjectInstance* locker = RuntimeNewObject(kSelfLocker);
    int objects = RuntimeDebugObjectCount(nullptr);
    int before = RuntimeDebugMemoryUsed();
    TakeLog();
    RuntimeUnlockObject(locker);
    EXPECT_EQ(TakeLog(), "S-");
    EXPECT_EQ(before - RuntimeDebugMemoryUsed(), 24);
    EXPECT_EQ(RuntimeDebugObjectCount(nullptr), objects - 1);
}

TEST_F(Instances, UnlockingKeepsTheCallersAccumulator) {
    ObjectInstance* leaf = RuntimeNewObject(kLeaf);
    RuntimeLockObject(leaf);
    EXPECT_EQ(UnlockWithAccumulator(leaf, 0x12345678), 0x12345678u);
    EXPECT_EQ(UnlockWithAccumulator(leaf, 0x9ABCDEF0), 0x9ABCDEF0u);   // the last reference
    EXPECT_EQ(UnlockWithAccumulator(nullptr, 7), 7u);
}

TEST_F(Instances, BadCountsAndIndexesAreReported) {
    struct Case {
        int32_t refs;
    } counts[] = {{0}, {-1}, {static_cast<int32_t>(0xD0000001)}};
    for (const Case& c : counts) {
        ObjectInstance* leaf = RuntimeNewObject(kLeaf);
        leaf->refs = c.refs;
        MessageBoxWatcher watcher;
        RuntimeUnlockObject(leaf);
        ASSERT_TRUE(watcher.WaitForBoxes(1));
        EXPECT_EQ(watcher.Seen()[0].text, FailedAssertionText(4, "objects", 459));
        EXPECT_EQ(leaf->refs, c.refs) << "the object is left as it is";
    }
    for (int32_t index : {-1, ClassCount()}) {
        MessageBoxWatcher watcher;
        EXPECT_EQ(RuntimeNewObject(index), nullptr);
        ASSERT_EQ(watcher.Seen().size(), 1u);
        EXPECT_EQ(watcher.Seen()[0].text, FailedAssertionText(4, "RuntimeMain", 1151));
    }
}

TEST_F(Instances, FieldsHoldOneReference) {
    ObjectRef holder(RuntimeNewObject(kHolder));
    ObjectRef leaf(RuntimeNewObject(kLeaf));
    objSetter(holder.get(), kHeldObject, leaf.get());
    objSetter(holder.get(), kHeldObject, leaf.get());   // the same value again
    EXPECT_EQ(leaf.get()->refs, 2);
    ObjectRef got(objGetter(holder.get(), kHeldObject));
    EXPECT_EQ(got.get(), leaf.get());
    EXPECT_EQ(leaf.get()->refs, 3);

    StringRef text(NewStringFromText("field"));
    stringSetter(leaf.get(), 32, text.get());
    stringSetter(leaf.get(), 32, text.get());
    EXPECT_EQ(text.get()->refs, 2);
    StringRef read(stringGetter(leaf.get(), 32));
    EXPECT_EQ(read.get(), text.get());
    stringSetter(leaf.get(), 32, nullptr);
    EXPECT_EQ(text.get()->refs, 2);   // the test's and the getter's
}

TEST_F(Instances, TheDebugObjectListsLiveObjectsNewestFirst) {
    ObjectRef older(RuntimeNewObject(kLeaf));
    ObjectRef newer(RuntimeNewObject(kHolder));
    RuntimeLockObject(older.get());
    int all = RuntimeDebugObjectCount(nullptr);
    EXPECT_EQ(RuntimeDebugObjectCount(newer.get()), all - 1);
    EXPECT_EQ(RuntimeDebugObjectID(nullptr, 0), reinterpret_cast<uint32_t>(newer.get()) ^ 0x15C7A3);
    EXPECT_EQ(RuntimeDebugObjectID(newer.get(), 0), reinterpret_cast<uint32_t>(older.get()) ^ 0x15C7A3);
    StringRef name(RuntimeDebugObjectClass(newer.get(), 0));
    EXPECT_STREQ(StringText(name.get()), "Leaf");
    EXPECT_EQ(RuntimeDebugObjectRefs(nullptr, 1), 2);
    EXPECT_EQ(RuntimeDebugObjectID(nullptr, all), 0u);
    RuntimeUnlockObject(older.get());
}

} // namespace
