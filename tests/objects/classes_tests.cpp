// The class table that RuntimeInit builds from a fixture's class list: class
// references, descriptors, superclasses, interfaces, and the reports for what
// cannot be built.
#include <gtest/gtest.h>
#include "imagefixture.h"
#include "core/objects.h"
#include "core/string.h"

namespace {

enum ClassIndex {
    kApplicationRef, kRunnable, kLeaf, kMiddle, kFirstApp, kSecondApp, kHolder, kSelfLocker,
    kExceptionRef, kPlain, kThirdApp,
};

std::string Name(const ClassRecord* cls) { return StringText(cls ? cls->name : nullptr); }

class ClassTable : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(image.Load()); }
    ImageFixture image{"objects_classes", "classes"};
};

TEST_F(ClassTable, ReferencesNameBuiltinClassesIgnoringCase) {
    EXPECT_EQ(ClassAtIndex(kApplicationRef), FindBuiltinClass("Application"));
    EXPECT_EQ(ClassAtIndex(kExceptionRef), FindBuiltinClass("RuntimeException"));
    EXPECT_EQ(ClassCount(), 11);
    EXPECT_EQ(ClassAtIndex(-1), nullptr);
    EXPECT_EQ(ClassAtIndex(11), nullptr);
}

TEST_F(ClassTable, DescriptorsBecomeClassRecords) {
    const ClassRecord* leaf = ClassAtIndex(kLeaf);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->kind, kClassRecordKind);
    EXPECT_EQ(Name(leaf), "Leaf");
    EXPECT_EQ(leaf->instanceSize, 40u);
    EXPECT_EQ(reinterpret_cast<uint32_t>(leaf->constructor), image.Address("LeafConstructor"));
    EXPECT_EQ(reinterpret_cast<uint32_t>(leaf->destructor), image.Address("LeafDestructor"));
    ASSERT_EQ(leaf->methodCount, 1u);
    EXPECT_EQ(StringText(leaf->methods[0].name), std::string("Run"));
    ASSERT_NE(leaf->eventHandlers, nullptr);
    EXPECT_EQ(leaf->eventHandlers->hookKey, 7u);
    ASSERT_NE(leaf->menuHandlers, nullptr);
    EXPECT_EQ(StringText(leaf->menuHandlers->itemName), std::string("FileQuit"));
    EXPECT_EQ(leaf->vtableLength, 2u);
    EXPECT_FALSE(leaf->isInterface);
    EXPECT_TRUE(ClassAtIndex(kRunnable)->isInterface);

    const ClassRecord* plain = ClassAtIndex(kPlain);
    EXPECT_EQ(plain->name, nullptr);
    EXPECT_EQ(plain->instanceSize, 24u);   // a class that states no size
}

TEST_F(ClassTable, HandlersAreKeptInReverseDescriptorOrder) {
    const EventHandler* first = ClassAtIndex(kSecondApp)->eventHandlers;
    ASSERT_NE(first, nullptr);
    ASSERT_NE(first->next, nullptr);
    EXPECT_EQ(StringText(first->eventName), std::string("OpenDocument"));
    EXPECT_EQ(StringText(first->next->eventName), std::string("Open"));
}

TEST_F(ClassTable, ASuperclassLaterInTheListIsLinked) {
    EXPECT_EQ(ClassAtIndex(kLeaf)->superclass, ClassAtIndex(kMiddle));
    EXPECT_EQ(ClassAtIndex(kMiddle)->superclass, nullptr);
    EXPECT_EQ(ClassAtIndex(kThirdApp)->superclass, ClassAtIndex(kSecondApp));
}

TEST_F(ClassTable, IsaFollowsSuperclassesAndInterfaces) {
    ObjectRef leaf(RuntimeNewObject(kLeaf));
    ObjectRef middle(RuntimeNewObject(kMiddle));
    struct Case {
        ObjectInstance* object;
        int32_t classIndex;
        bool isa;
    } cases[] = {
        {leaf.get(), kLeaf, true},      {leaf.get(), kMiddle, true},
        {leaf.get(), kRunnable, true},  {middle.get(), kLeaf, false},
        {middle.get(), kRunnable, false}, {leaf.get(), kHolder, false},
        {nullptr, kLeaf, false},        {leaf.get(), 99, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuntimeObjectIsa(c.object, c.classIndex), c.isa)
            << Name(c.object ? c.object->cls : nullptr) << " isa " << c.classIndex;
    // Nil passes every cast (a failing cast raises: see the exception tests).
    RuntimeCheckCast(nullptr, kLeaf);
    RuntimeCheckCast(leaf.get(), kMiddle);
}

TEST_F(ClassTable, InterfaceTablesHoldTheImplementingMethods) {
    ObjectRef leaf(RuntimeNewObject(kLeaf));
    ObjectRef middle(RuntimeNewObject(kMiddle));
    EXPECT_EQ(FindInterfaceVTableCode(leaf.get(), 1, kRunnable), image.Address("LeafRun"));
    EXPECT_EQ(FindInterfaceVTableCode(leaf.get(), 2, kRunnable), image.Address("MiddleStop"));
    EXPECT_EQ(FindInterfaceVTableCode(leaf.get(), 3, kRunnable), 0u);   // past the table
    EXPECT_EQ(FindInterfaceVTableCode(middle.get(), 1, kRunnable), 0u);
    EXPECT_EQ(FindInterfaceVTableCode(nullptr, 1, kRunnable), 0u);

    EXPECT_EQ(FindVTableCode(leaf.get(), 0), image.Address("LeafSlot0"));
    EXPECT_EQ(FindVTableCode(leaf.get(), 1), image.Address("LeafSlot1"));
    EXPECT_EQ(FindVTableCode(leaf.get(), 2), 0u);

    EXPECT_EQ(RuntimeFindHookCode(leaf.get(), 7), image.Address("LeafPing"));
    EXPECT_EQ(RuntimeFindHookCode(leaf.get(), 8), 0u);
    EXPECT_EQ(RuntimeFindHookCode(nullptr, 7), 0u);
}

TEST(ClassFaults, AreReportedAndTheRestIsBuilt) {
    ImageFixture image("objects_faults", "faults");
    ASSERT_TRUE(image.Load());
    std::vector<std::string> texts;
    for (const SeenMessageBox& box : image.boxes()) texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         FailedAssertionText(2, "RuntimeMain", 0),    // the unknown class
                         FailedAssertionText(2, "objects", 2380),     // Lame cannot Walk
                         FailedAssertionText(4, "objects", 6023),     // the tables are incomplete
                         FailedAssertionText(3, "RuntimeMain", 0),    // the unknown project item
                     }));
    EXPECT_EQ(ClassAtIndex(0), nullptr);
    EXPECT_EQ(Name(ClassAtIndex(2)), "Lame");
}

} // namespace
