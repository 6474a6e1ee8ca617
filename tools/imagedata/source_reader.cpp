#include "source_reader.h"
#include <cctype>
#include <cstdlib>

namespace {

bool EndsWord(char c) {
    return std::isspace(static_cast<unsigned char>(c)) || c == '{' || c == '}' || c == '"' || c == '#';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

SourceReader::SourceReader(const std::string& path, const std::string& s) : path_(path) {
    int line = 1;
    size_t i = 0;
    auto fail = [&](const std::string& message) {
        throw SourceError{path_ + ":" + std::to_string(line) + ": " + message};
    };
    while (i < s.size()) {
        char c = s[i];
        if (c == '\n') { line++; i++; continue; }
        if (std::isspace(static_cast<unsigned char>(c))) { i++; continue; }
        if (c == '#') { while (i < s.size() && s[i] != '\n') i++; continue; }
        Token token;
        token.line = line;
        if (c == '{' || c == '}') {
            token.kind = c == '{' ? Token::Open : Token::Close;
            token.text = std::string(1, c);
            i++;
        } else if (c == '"') {
            token.kind = Token::Text;
            for (i++;; i++) {
                if (i >= s.size() || s[i] == '\n') fail("a text is not closed by \"");
                if (s[i] == '"') { i++; break; }
                if (s[i] != '\\') { token.text += s[i]; continue; }
                char e = ++i < s.size() ? s[i] : 0;
                switch (e) {
                case 'r': token.text += '\r'; break;
                case 'n': token.text += '\n'; break;
                case 't': token.text += '\t'; break;
                case '"': token.text += '"'; break;
                case '\\': token.text += '\\'; break;
                case 'x': {
                    int high = i + 1 < s.size() ? HexDigit(s[i + 1]) : -1;
                    int low = i + 2 < s.size() ? HexDigit(s[i + 2]) : -1;
                    if (high < 0 || low < 0) fail("\\x needs two hex digits");
                    token.text += static_cast<char>(high * 16 + low);
                    i += 2;
                    break;
                }
                default: fail(std::string("unknown escape \\") + e);
                }
            }
        } else {
            token.kind = Token::Word;
            while (i < s.size() && !EndsWord(s[i])) token.text += s[i++];
        }
        tokens_.push_back(token);
    }
    Token end;
    end.line = line;
    tokens_.push_back(end);
}

Token SourceReader::Next() {
    Token token = tokens_[at_];
    if (token.kind != Token::End) at_++;
    return token;
}

bool SourceReader::Accept(const std::string& word) {
    const Token& token = Peek();
    if (token.kind == Token::Text || token.kind == Token::End || token.text != word) return false;
    at_++;
    return true;
}

void SourceReader::Expect(Token::Kind kind, const char* what) {
    if (Peek().kind != kind) Fail(Peek(), std::string("expected ") + what);
    at_++;
}

std::string SourceReader::Value(const char* what) {
    const Token& token = Peek();
    if (token.kind != Token::Word && token.kind != Token::Text)
        Fail(token, std::string("expected ") + what);
    return Next().text;
}

std::string SourceReader::Word(const char* what) {
    if (Peek().kind != Token::Word) Fail(Peek(), std::string("expected ") + what);
    return Next().text;
}

int32_t SourceReader::Integer(const char* what) {
    const Token token = Peek();
    std::string text = Value(what);
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 0);
    if (text.empty() || *end || value < INT32_MIN || value > UINT32_MAX)
        Fail(token, std::string("expected ") + what + " (a 32-bit integer), not \"" + text + "\"");
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

void SourceReader::Fail(const Token& at, const std::string& message) const {
    std::string found = at.kind == Token::End ? "the end of the file" : "\"" + at.text + "\"";
    throw SourceError{path_ + ":" + std::to_string(at.line) + ": " + message + " at " + found};
}
