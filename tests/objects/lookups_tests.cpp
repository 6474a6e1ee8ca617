// Lookups by name: event handlers along a class chain, the application's
// events at start-up with the command line split into documents, and a
// window's controls.
#include <gtest/gtest.h>
#include "imagefixture.h"
#include "core/commandline.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/stringmap.h"
#include "core/utility.h"

namespace {

StringObject* Text(const char* text) { return NewStringFromText(text); }   // kept for the run

void Handle(ClassRecord* cls, const char* event, uint32_t code) {
    EventHandler* handler = static_cast<EventHandler*>(NewRuntimeRecord(sizeof(EventHandler)));
    *handler = EventHandler{cls->eventHandlers, Text(event), code, 0};
    cls->eventHandlers = handler;
}

ClassRecord* Subclass(ClassRecord* superclass) { return NewClassRecord(nullptr, superclass, 0); }

TEST(EventHandlerLookup, TheHandlerNearestToTheDeclaringClassWins) {
    ClassRecord* base = NewClassRecord(Text("Base"), nullptr, 0);
    const EventDeclaration* action = DeclareEvent(base, "Action");
    ClassRecord* sub = Subclass(base);
    Handle(sub, "action", 1);
    ClassRecord* subsub = Subclass(sub);
    Handle(subsub, "Action", 2);
    // A class that declares an Action of its own hides the base's.
    ClassRecord* hiding = Subclass(base);
    const EventDeclaration* ownAction = DeclareEvent(hiding, "Action");
    ClassRecord* belowHiding = Subclass(hiding);
    Handle(belowHiding, "Action", 3);
    ClassRecord* unrelated = NewClassRecord(nullptr, nullptr, 0);
    Handle(unrelated, "Action", 4);

    struct Case {
        ClassRecord* cls;
        const EventDeclaration* event;
        uint32_t handler;
    } cases[] = {
        {subsub, action, 1}, {sub, action, 1}, {base, action, 0},
        {belowHiding, action, 0}, {belowHiding, ownAction, 3},
        {unrelated, action, 0},
    };
    for (const Case& c : cases) {
        ObjectRef object(NewInstance(c.cls));
        EXPECT_EQ(FindEventHandler(object.get(), c.event), c.handler) << "case " << &c - cases;
    }
    EXPECT_EQ(FindEventHandler(nullptr, action), 0u);
}

TEST(CommandLine, SplitsIntoItems) {
    struct Case {
        const char* line;
        std::vector<std::string> items;
    } cases[] = {
        {"\"C:\\My Files\\a.dat\" b.dat", {"C:\\My Files\\a.dat", "b.dat"}},
        {"  one   two  ", {"one", "two"}},
        {"\"open ended", {"open ended"}},
        {"a\"b c", {"a\"b", "c"}},
        {"\"\" x", {"", "x"}},
        {"\"a\"\"b\"", {"a", "b"}},
        {"", {}},
        {"   ", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> items;
        const char* cursor = c.line;
        const char* item;
        uint32_t length;
        while (NextCommandLineItem(&cursor, &item, &length)) items.emplace_back(item, length);
        EXPECT_EQ(items, c.items) << "[" << c.line << "]";
    }
}

TEST(ApplicationStart, TheLastApplicationClassOpensAndGetsTheDocuments) {
    struct Case {
        const char* commandLine;
        const char* events;
    } cases[] = {
        {"\"C:\\My Files\\a.dat\" b.dat", "open doc[C:\\My Files\\a.dat] doc[b.dat] "},
        {"", "open new "},
        {"   ", "open new "},
    };
    for (const Case& c : cases) {
        ImageFixture image("objects_classes", "classes");
        ASSERT_TRUE(image.Load(c.commandLine));
        EXPECT_EQ(std::string(&image.Data<char>("eventLog")), c.events) << c.commandLine;
    }
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        window = NewInstance(NewClassRecord(nullptr, nullptr, 120));
        bare = NewInstance(NewClassRecord(nullptr, nullptr, 120));
        button = NewInstance(NewClassRecord(nullptr, nullptr, 0));
        element = NewInstance(NewClassRecord(nullptr, nullptr, 0));
        StringMap* controls = NewStringMap();
        StringRef buttonName(Text("PushButton1"));
        StringRef elementName(Text("Field$3"));
        StringMapInsert(controls, buttonName.get(), reinterpret_cast<uint32_t>(button));
        StringMapInsert(controls, elementName.get(), reinterpret_cast<uint32_t>(element));
        memcpy(reinterpret_cast<uint8_t*>(window) + 112, &controls, 4);
    }
    ObjectInstance* window;
    ObjectInstance* bare;   // a window without controls
    ObjectInstance* button;
    ObjectInstance* element;
};

TEST_F(Controls, AreFoundByNameIgnoringCase) {
    StringRef name(Text("pushbutton1"));
    StringRef unknown(Text("PushButton2"));
    EXPECT_EQ(RuntimeControlFetch(window, name.get()), button);
    EXPECT_EQ(button->refs, 1) << "a fetch adds no reference";
    EXPECT_EQ(RuntimeControlFetch(window, unknown.get()), nullptr);
    EXPECT_EQ(RuntimeControlFetch(bare, name.get()), nullptr);
    EXPECT_EQ(RuntimeControlFetch(nullptr, name.get()), nullptr);

    EXPECT_EQ(RuntimeControlReference(window, name.get()), button);
    EXPECT_EQ(button->refs, 2);
    EXPECT_EQ(RuntimeControlReference(window, unknown.get()), nullptr);
}

TEST_F(Controls, ArrayElementsAreFoundUnderNameDollarIndex) {
    StringRef field(Text("FIELD"));
    EXPECT_EQ(RuntimeControlArrayItemReference(window, field.get(), 3), element);
    EXPECT_EQ(element->refs, 2);
    EXPECT_EQ(RuntimeControlArrayItemReference(window, field.get(), 4), nullptr);
    EXPECT_EQ(RuntimeControlArrayItemReference(nullptr, field.get(), 3), nullptr);
}

} // namespace
