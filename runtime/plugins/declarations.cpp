// The declaration parser. Declarations are scanned into names, keywords,
// numbers and symbols; blanks and tabs separate tokens and a comment ("//"
// or "'") ends the text. A declaration that does not parse composes one of
// three diagnostic texts and yields nothing.
#include "declarations.h"
#include "core/casetable.h"
#include "core/string.h"
#include "core/utility.h"
#include <cstring>
#include <initializer_list>

namespace {

enum class TokenKind { End, Name, Keyword, Number, Symbol };

struct Token {
    TokenKind kind;
    const char* text;
    uint32_t length;
};

// The words the statement scanner reserves; none of them can name a
// parameter or a class in a declaration.
const char* const kKeywords[] = {
    "As",  "ByRef", "ByVal",    "Const", "Integer", "String", "Single", "Double", "Boolean",
    "Color", "Dim", "If",       "Then",  "Else",    "End",    "For",    "Next",   "While",
    "Do",  "Loop",  "Return",   "Sub",   "Function", "New",   "Nil",    "True",   "False",
    "Me",  "Self",  "And",      "Or",    "Not",     "Mod",
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool StartsName(char c) { return IsLetter(c) || c == '_' || c == '~'; }
bool ContinuesName(char c) {
    return IsLetter(c) || IsDigit(c) || c == '_' || static_cast<uint8_t>(c) >= 128;
}

bool TokenIs(const Token& token, const char* word) {
    return token.kind != TokenKind::End &&
           CaseTableEqual(token.text, token.length, word, static_cast<uint32_t>(strlen(word)));
}

bool IsKeyword(const char* text, uint32_t length) {
    for (const char* keyword : kKeywords)
        if (CaseTableEqual(text, length, keyword, static_cast<uint32_t>(strlen(keyword)))) return true;
    return false;
}

class Scanner {
public:
    explicit Scanner(const char* text) : at_(text) {}

    Token Next() {
        while (*at_ == ' ' || *at_ == '\t') at_++;
        const char* start = at_;
        if (!*at_ || *at_ == '\'' || (at_[0] == '/' && at_[1] == '/'))
            return Token{TokenKind::End, at_, 0};
        if (StartsName(*at_)) {
            while (ContinuesName(*++at_)) {}
            uint32_t length = static_cast<uint32_t>(at_ - start);
            return Token{IsKeyword(start, length) ? TokenKind::Keyword : TokenKind::Name, start,
                         length};
        }
        if (IsDigit(*at_)) {
            while (IsDigit(*at_) || IsLetter(*at_) || *at_ == '.') at_++;
            return Token{TokenKind::Number, start, static_cast<uint32_t>(at_ - start)};
        }
        at_++;
        return Token{TokenKind::Symbol, start, 1};
    }

    const char* position() const { return at_; }

private:
    const char* at_;
};

bool IsSymbol(const Token& token, char symbol) {
    return token.kind == TokenKind::Symbol && token.text[0] == symbol;
}

// A type token: a built-in type keyword or a known class.
PluginType TypeOf(const Token& token) {
    if (token.kind != TokenKind::Name && token.kind != TokenKind::Keyword)
        return PluginType{BuiltinType::None, nullptr, false};
    if (token.kind == TokenKind::Keyword) {
        BuiltinType builtin = BuiltinTypeNamed(token.text, token.length);
        return PluginType{builtin == BuiltinType::Object ? BuiltinType::None : builtin, nullptr, false};
    }
    return ResolveTypeName(token.text, token.length);
}

enum class Failure { None, Format, UnknownType, ReturnType };

class Parser {
public:
    explicit Parser(const char* text) : scanner_(text) {}

    Failure Parse(MethodDescriptor* out) {
        Token name = scanner_.Next();
        if (name.kind != TokenKind::Name) return Failure::Format;
        out->name = NewString(name.text, name.length);
        Token token = scanner_.Next();
        if (IsSymbol(token, '(')) {
            const char* textStart = scanner_.position();
            const char* textEnd = nullptr;
            if (Failure failure = ParseParameters(&textEnd); failure != Failure::None) return failure;
            out->parameterText = NewString(textStart, static_cast<uint32_t>(textEnd - textStart));
            token = scanner_.Next();
        }
        out->parameterCount = count_;
        if (count_ > 0) {
            out->parameters = static_cast<DeclaredParameter*>(
                NewRuntimeRecord(sizeof(DeclaredParameter) * static_cast<uint32_t>(count_)));
            memcpy(out->parameters, parameters_, sizeof(DeclaredParameter) * static_cast<uint32_t>(count_));
            count_ = 0;
        }
        if (!TokenIs(token, "As")) return Failure::None;   // anything else ends it
        return ParseReturnType(out);
    }

    StringObject* unknownTypeName() const { return unknownType_; }

    ~Parser() {
        for (int i = 0; i < count_; i++) RuntimeUnlockString(parameters_[i].name);
        RuntimeUnlockString(unknownType_);
    }

private:
    // Reads the parameters up to and including ")"; *textEnd is where the
    // ")" stands.
    Failure ParseParameters(const char** textEnd) {
        Token token = scanner_.Next();
        if (IsSymbol(token, ')')) {
            *textEnd = token.text;
            return Failure::None;
        }
        for (;;) {
            if (Failure failure = ParseParameter(token); failure != Failure::None) return failure;
            token = scanner_.Next();
            if (IsSymbol(token, ')')) break;
            if (!IsSymbol(token, ',')) return Failure::Format;
            token = scanner_.Next();
        }
        *textEnd = token.text;
        return Failure::None;
    }

    Failure ParseParameter(Token token) {
        if (count_ == kMaxDeclarationParameters) return Failure::Format;
        DeclaredParameter parameter{nullptr, {}, false};
        if (TokenIs(token, "ByRef")) {
            parameter.byReference = true;
            token = scanner_.Next();
        } else if (TokenIs(token, "ByVal") || TokenIs(token, "Const")) {
            token = scanner_.Next();
        }
        if (token.kind != TokenKind::Name) return Failure::Format;
        Token name = token;
        token = scanner_.Next();
        bool isArray = false;
        if (IsSymbol(token, '(')) {
            if (!IsSymbol(scanner_.Next(), ')')) return Failure::Format;
            isArray = true;
            token = scanner_.Next();
        }
        if (!TokenIs(token, "As")) return Failure::Format;
        parameter.type = TypeOf(scanner_.Next());
        if (parameter.type.kind == BuiltinType::None) return Failure::Format;
        parameter.type.isArray = isArray;
        parameter.name = NewString(name.text, name.length);
        parameters_[count_++] = parameter;
        return Failure::None;
    }

    Failure ParseReturnType(MethodDescriptor* out) {
        Token type = scanner_.Next();
        if (type.kind == TokenKind::Keyword) {
            BuiltinType builtin = BuiltinTypeNamed(type.text, type.length);
            if (builtin == BuiltinType::None || builtin == BuiltinType::Object) return Failure::ReturnType;
            out->returnType = PluginType{builtin, nullptr, false};
        } else if (type.kind == TokenKind::Name) {
            out->returnType = ResolveTypeName(type.text, type.length);
            if (out->returnType.kind == BuiltinType::None) {
                unknownType_ = NewString(type.text, type.length);
                return Failure::UnknownType;
            }
        } else {
            return Failure::ReturnType;
        }
        out->returnTypeName = NewString(type.text, type.length);
        return Failure::None;
    }

    Scanner scanner_;
    DeclaredParameter parameters_[kMaxDeclarationParameters];
    int count_ = 0;
    StringObject* unknownType_ = nullptr;
};

StringObject* JoinTexts(std::initializer_list<const StringObject*> parts) {
    uint32_t length = 0;
    for (const StringObject* part : parts) length += StringLength(part);
    StringObject* joined = NewBlankString(length);
    if (!joined) return nullptr;
    uint8_t* at = WritableBytes(joined);
    for (const StringObject* part : parts) {
        memcpy(at, StringText(part), StringLength(part));
        at += StringLength(part);
    }
    return joined;
}

StringObject* Diagnostic(Failure failure, const char* declaration, StringObject* typeName) {
    StringRef text(NewStringFromText(declaration));
    if (failure == Failure::UnknownType) {
        StringRef start(NewStringFromText("Unknown type \""));
        StringRef middle(NewStringFromText("\" in plugin method "));
        return JoinTexts({start.get(), typeName, middle.get(), text.get()});
    }
    StringRef start(NewStringFromText(failure == Failure::Format ? "Invalid plugin method format: "
                                                                 : "Invalid return type: "));
    return JoinTexts({start.get(), text.get()});
}

} // namespace

MethodDescriptor* ParseDeclaration(const char* declaration, StringObject** diagnostic) {
    if (diagnostic) *diagnostic = nullptr;
    if (!declaration) declaration = "";
    MethodDescriptor* descriptor =
        static_cast<MethodDescriptor*>(NewRuntimeRecord(sizeof(MethodDescriptor)));
    *descriptor = MethodDescriptor{};
    Parser parser(declaration);
    Failure failure = parser.Parse(descriptor);
    if (failure != Failure::None) {
        if (diagnostic) *diagnostic = Diagnostic(failure, declaration, parser.unknownTypeName());
        DeleteMethodDescriptor(descriptor);
        return nullptr;
    }
    descriptor->declaration = NewStringFromText(declaration);
    return descriptor;
}

void DeleteMethodDescriptor(MethodDescriptor* descriptor) {
    if (!descriptor) return;
    RuntimeUnlockString(descriptor->name);
    RuntimeUnlockString(descriptor->parameterText);
    RuntimeUnlockString(descriptor->returnTypeName);
    RuntimeUnlockString(descriptor->declaration);
    for (int32_t i = 0; i < descriptor->parameterCount; i++)
        RuntimeUnlockString(descriptor->parameters[i].name);
    if (descriptor->parameters) DeleteRuntimeRecord(descriptor->parameters);
    DeleteRuntimeRecord(descriptor);
}
