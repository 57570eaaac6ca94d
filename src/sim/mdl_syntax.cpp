#include "sim/mdl_syntax.h"

#include <cctype>

#include "sim/read_error.h"

namespace vantor::sim::mdl {

[[noreturn]] void fail_at(int line, const std::string& what) {
    throw ReadError(line, ".mdl line " + std::to_string(line) + ": " + what);
}

namespace {

struct Token {
    enum class Kind { kWord, kText, kSymbol, kEnd };
    Kind kind;
    std::string text;  // a text's value without its quotes
    int line = 1;
};

// Sections nest no deeper than expressions, so that a template cannot exhaust
// the stack.
constexpr int kMaxSectionNesting = 256;

bool word_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.' || c == '+' ||
           c == '-';
}

std::vector<Token> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            // CR LF, CR and LF each end one line.
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++line;
            ++i;
        } else if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == '{' || c == '}' || c == '[' || c == ']' || c == ',' || c == ';') {
            tokens.push_back({Token::Kind::kSymbol, std::string(1, c), line});
            ++i;
        } else if (c == '"') {
            std::string value;
            for (++i;; ++i) {
                if (i >= text.size() || text[i] == '\n' || text[i] == '\r')
                    fail_at(line, "unterminated text");
                if (text[i] == '"') break;
                if (text[i] == '\\' && i + 1 < text.size()) {
                    const char e = text[++i];
                    value += e == 'n' ? '\n' : e;
                } else {
                    value += text[i];
                }
            }
            ++i;
            tokens.push_back({Token::Kind::kText, std::move(value), line});
        } else if (word_char(c)) {
            const std::size_t start = i;
            while (i < text.size() && word_char(text[i])) ++i;
            tokens.push_back(
                {Token::Kind::kWord, std::string(text.substr(start, i - start)), line});
        } else {
            fail_at(line, std::string("unexpected character '") + c + "'");
        }
    }
    tokens.push_back({Token::Kind::kEnd, "end of file", line});
    return tokens;
}

class Parser {
  public:
    explicit Parser(std::string_view text) : tokens_(tokenize(text)) {}

    Entry file() {
        Entry model = entry();
        if (!model.is_section || model.key != "Model")
            fail_at(model.line, "the file must be one Model { } section");
        if (peek().kind != Token::Kind::kEnd)
            fail_at(peek().line, "'" + peek().text + "' after the Model section");
        return model;
    }

  private:
    const Token& peek() const { return tokens_[pos_]; }
    const Token& next() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
    bool at_symbol(const char* s) const {
        return peek().kind == Token::Kind::kSymbol && peek().text == s;
    }

    Entry entry() {
        const Token& key = next();
        if (key.kind != Token::Kind::kWord)
            fail_at(key.line, "a parameter name expected, not '" + key.text + "'");
        Entry e;
        e.key = key.text;
        e.line = key.line;
        if (at_symbol("{")) {
            if (++nesting_ > kMaxSectionNesting)
                fail_at(key.line,
                        "more than " + std::to_string(kMaxSectionNesting) + " nested sections");
            next();
            e.is_section = true;
            while (!at_symbol("}")) {
                if (peek().kind == Token::Kind::kEnd)
                    fail_at(e.line, "the " + e.key + " section is not closed");
                e.section.push_back(entry());
            }
            next();
            --nesting_;
        } else {
            e.value = value(e.key);
        }
        return e;
    }

    Value value(const std::string& key) {
        const Token& first = next();
        Value v;
        v.line = first.line;
        if (first.kind == Token::Kind::kText) {
            v.text = first.text;
            // A long text is written as texts on consecutive lines.
            while (peek().kind == Token::Kind::kText) v.text += next().text;
        } else if (first.kind == Token::Kind::kWord) {
            v.text = first.text;
        } else if (first.kind == Token::Kind::kSymbol && first.text == "[") {
            v.is_vector = true;
            while (!at_symbol("]")) {
                const Token& number = next();
                if (number.kind != Token::Kind::kWord)
                    fail_at(number.line, "a number expected in the value of " + key);
                v.numbers.push_back(number.text);
                if (!at_symbol("]") && !at_symbol(",") && !at_symbol(";"))
                    fail_at(peek().line, "',' or ']' expected in the value of " + key);
                if (!at_symbol("]")) next();
            }
            next();
        } else {
            fail_at(first.line, "no value for " + key);
        }
        return v;
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int nesting_ = 0;  // the sections open at the read position
};

}  // namespace

Entry parse_mdl(std::string_view text) {
    return Parser(text).file();
}

}  // namespace vantor::sim::mdl
