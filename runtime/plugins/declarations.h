// Method and event declarations of plug-ins, read with the runtime's
// statement scanner:
//
//   declaration = name [ "(" [ parameter { "," parameter } ] ")" ] [ "As" type ]
//   parameter   = [ "ByVal" | "Const" | "ByRef" ] name [ "(" ")" ] "As" type
//
// Class names are resolved at the moment of parsing.
#pragma once
#include "plugintypes.h"
#include <cstdint>

struct StringObject;

constexpr int kMaxDeclarationParameters = 32;

struct DeclaredParameter {
    StringObject* name;
    PluginType type;
    bool byReference;
};

struct MethodDescriptor {
    StringObject* name;
    StringObject* parameterText;    // between the parentheses, as written
    StringObject* returnTypeName;   // null for none
    PluginType returnType;
    int32_t parameterCount;
    DeclaredParameter* parameters;
    StringObject* declaration;
};

// A descriptor of the declaration, or null when it does not parse; then
// *diagnostic (if given) receives the composed diagnostic text (+1).
MethodDescriptor* ParseDeclaration(const char* declaration, StringObject** diagnostic);
void DeleteMethodDescriptor(MethodDescriptor* descriptor);
