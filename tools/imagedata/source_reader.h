// Reading the readable sources of image data: words, quoted texts, braces
// and comments, with line numbers for the error messages.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Token {
    enum Kind { Word, Text, Open, Close, End } kind = End;
    std::string text;
    int line = 0;
};

class SourceReader {
public:
    SourceReader(const std::string& path, const std::string& contents);

    const Token& Peek() const { return tokens_[at_]; }
    Token Next();
    bool AtEnd() const { return Peek().kind == Token::End; }

    // Takes the next token if it is that word (or brace); false otherwise.
    bool Accept(const std::string& word);
    void Expect(Token::Kind kind, const char* what);
    // A word or a quoted text: the value it stands for.
    std::string Value(const char* what);
    std::string Word(const char* what);
    int32_t Integer(const char* what);

    // Throws a BuildError naming the file and the line of the token.
    [[noreturn]] void Fail(const Token& at, const std::string& message) const;

private:
    std::string path_;
    std::vector<Token> tokens_;
    size_t at_ = 0;
};

struct SourceError {
    std::string message;
};
