// What the image cannot express is refused with a message naming the
// object, never built into something that would misbehave.
#include <gtest/gtest.h>

#include "build_error.h"
#include "test_support.h"

TEST(Errors, UnexpressibleProgramsAreRefusedWithAClearMessage) {
    const struct { const char *fixture; const char *message; } cases[] = {
        {"CODE_ADDRESS_IN_CODE", "cannot express the address of code .text in code; take the address from a data word"},
        {"IMPORT_ADDRESS_IN_CODE", "cannot take the address of imported routine RuntimeInit"},
        {"IMPORT_ADDRESS_IN_DATA", "cannot take the address of imported routine RuntimeInit"},
        {"PC_RELATIVE_TO_DATA", "cannot express a PC-relative reference to data"},
        {"PC_RELATIVE_IN_DATA", "cannot express a PC-relative reference in data"},
        {"IMPORT_WITH_ADDEND", "call to imported routine RuntimeInit with an addend"},
        {"IMAGE_RELATIVE", "relocation type DIR32NB"},
        {"SECTION_RELATIVE", "relocation type SECREL"},
        {"UNDEFINED_NON_C", "undefined symbol plain"},
        {"UNDEFINED_CPP", "undefined C++ symbol __Z3foov"},
        {"COMMON_SYMBOL", "common symbol _shared"},
        {"STATIC_CONSTRUCTOR", "section .ctors: static constructors are not supported"},
        {"THREAD_LOCAL", "section .tls$: thread-local storage is not supported"},
        {"UNKNOWN_SECTION", "section .weird: unknown section"},
    };
    for (const auto &c : cases) {
        std::string object = fixture_path(std::string(c.fixture) + ".o");
        try {
            build_fixtures({c.fixture});
            ADD_FAILURE() << c.fixture << " was accepted";
        } catch (const BuildError &e) {
            std::string what = e.what();
            EXPECT_EQ(what.rfind(object + ": ", 0), 0u) << what;
            EXPECT_NE(what.find(c.message), std::string::npos) << what;
        }
    }
}

TEST(Errors, EntryRoutineMustBeDefinedOnceInCode) {
    EXPECT_NO_THROW(build_fixtures({"VALID"}));
    const struct { std::vector<std::string> objects; std::string entry; const char *message; } cases[] = {
        {{"NO_ENTRY"}, "ImageMain", "entry routine ImageMain (symbol _ImageMain) is not defined"},
        {{"VALID"}, "value", "entry routine value (symbol _value) is not defined in code"},
        {{"VALID", "VALID"}, "ImageMain", "symbol _ImageMain is defined more than once"},
    };
    for (const auto &c : cases) {
        BuildOptions options;
        options.entry = c.entry;
        try {
            build_fixtures(c.objects, options);
            ADD_FAILURE() << c.message << ": accepted";
        } catch (const BuildError &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}
