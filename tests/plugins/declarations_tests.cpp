// The declaration grammar, one declaration per case: what it yields, or
// which diagnostic refuses it.
#include "hostfixture.h"
#include "core/objects.h"
#include "core/string.h"
#include "plugins/declarations.h"
#include <gtest/gtest.h>

namespace {

struct Parsed {
    const char* declaration;
    const char* name;
    const char* parameterText;   // null: no parentheses
    const char* returnType;      // "" for none
    const char* parameters;      // "name:type[&][]" each, blank separated
};

std::string Text(const StringObject* s) { return StringText(s); }

std::string TypeText(const PluginType& type) {
    switch (type.kind) {
    case BuiltinType::Integer: return "Integer";
    case BuiltinType::String: return "String";
    case BuiltinType::Single: return "Single";
    case BuiltinType::Double: return "Double";
    case BuiltinType::Boolean: return "Boolean";
    case BuiltinType::Color: return "Color";
    case BuiltinType::Object: return Text(type.cls->name);
    default: return "?";
    }
}

std::string ParametersText(const MethodDescriptor* d) {
    std::string text;
    for (int i = 0; i < d->parameterCount; i++) {
        const DeclaredParameter& p = d->parameters[i];
        if (i) text += " ";
        text += Text(p.name) + ":" + TypeText(p.type) + (p.byReference ? "&" : "") +
                (p.type.isArray ? "[]" : "");
    }
    return text;
}

const Parsed kParsed[] = {
    {"AddRow(text As String)", "AddRow", "text As String", "", "text:String"},
    {"List(row As Integer) As String", "List", "row As Integer", "String", "row:Integer"},
    {"SelectFolder as FolderItem", "SelectFolder", nullptr, "FolderItem", ""},
    {"Fill(ByRef count As Integer, names() As String)", "Fill",
     "ByRef count As Integer, names() As String", "", "count:Integer& names:String[]"},
    {"DeleteAllRows", "DeleteAllRows", nullptr, "", ""},
    {"Move(ByVal x As Single, Const y As double) as BOOLEAN // moves", "Move",
     "ByVal x As Single, Const y As double", "BOOLEAN", "x:Single y:Double"},
    {"Clear()", "Clear", "", "", ""},
    {"Paint(c As Color) Handles nothing", "Paint", "c As Color", "", "c:Color"},
    {"Rows As Integer extra words", "Rows", nullptr, "Integer", ""},
    {"_hidden ' a comment As Integer", "_hidden", nullptr, "", ""},
};

struct Refused {
    const char* declaration;
    const char* diagnostic;
};

const Refused kRefused[] = {
    {"42Bad", "Invalid plugin method format: 42Bad"},
    {"(x As Integer)", "Invalid plugin method format: (x As Integer)"},
    {"F(As Integer)", "Invalid plugin method format: F(As Integer)"},
    {"F(x Integer)", "Invalid plugin method format: F(x Integer)"},
    {"F(x( As Integer)", "Invalid plugin method format: F(x( As Integer)"},
    {"F(x As Integer; y As Integer)", "Invalid plugin method format: F(x As Integer; y As Integer)"},
    {"F(x As Widget)", "Invalid plugin method format: F(x As Widget)"},
    {"F As Widget", "Unknown type \"Widget\" in plugin method F As Widget"},
    {"F As 7", "Invalid return type: F As 7"},
    {"F As ByRef", "Invalid return type: F As ByRef"},
    {"F As", "Invalid return type: F As"},
};

} // namespace

TEST(Declarations, ParsedAsWritten) {
    Host();   // the built-in classes (FolderItem) are registered
    for (const Parsed& c : kParsed) {
        StringObject* diagnostic = nullptr;
        MethodDescriptor* d = ParseDeclaration(c.declaration, &diagnostic);
        ASSERT_NE(d, nullptr) << c.declaration << ": " << StringText(diagnostic);
        EXPECT_EQ(Text(d->name), c.name) << c.declaration;
        EXPECT_EQ(Text(d->parameterText), c.parameterText ? c.parameterText : "") << c.declaration;
        EXPECT_EQ(Text(d->returnTypeName), c.returnType) << c.declaration;
        EXPECT_EQ(ParametersText(d), c.parameters) << c.declaration;
        EXPECT_EQ(Text(d->declaration), c.declaration);
        DeleteMethodDescriptor(d);
    }
}

TEST(Declarations, ReturnTypesResolveToClasses) {
    Host();
    MethodDescriptor* d = ParseDeclaration("SelectFolder as FolderItem", nullptr);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->returnType.kind, BuiltinType::Object);
    EXPECT_EQ(d->returnType.cls, FindBuiltinClass("FolderItem"));
    DeleteMethodDescriptor(d);
}

TEST(Declarations, RefusedWithTheirDiagnostics) {
    Host();
    for (const Refused& c : kRefused) {
        StringObject* diagnostic = nullptr;
        EXPECT_EQ(ParseDeclaration(c.declaration, &diagnostic), nullptr) << c.declaration;
        EXPECT_EQ(Text(diagnostic), c.diagnostic);
        RuntimeUnlockString(diagnostic);
    }
}

TEST(Declarations, AtMost32Parameters) {
    Host();
    std::string declaration = "Many(";
    for (int i = 0; i < 33; i++) declaration += (i ? ", p" : "p") + std::to_string(i) + " As Integer";
    std::string exactly32 = declaration.substr(0, declaration.rfind(", p32")) + ")";
    MethodDescriptor* d = ParseDeclaration(exactly32.c_str(), nullptr);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->parameterCount, 32);
    DeleteMethodDescriptor(d);
    EXPECT_EQ(ParseDeclaration((declaration + ")").c_str(), nullptr), nullptr);
}
