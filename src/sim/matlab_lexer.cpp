#include "sim/matlab_lexer.h"

#include <cctype>
#include <stdexcept>

#include "sim/read_error.h"

namespace vantor::sim {

namespace {

bool is_name_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool is_digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

class Lexer {
  public:
    // Generated scripts hold about one token in six bytes.
    explicit Lexer(std::string_view s) : s_(s) { tokens_.reserve(s.size() / 6); }

    std::vector<Token> run() {
        while (pos_ < s_.size()) step();
        return std::move(tokens_);
    }

  private:
    [[noreturn]] void fail(const std::string& what) const {
        throw ReadError(line_, "script line " + std::to_string(line_) + ": " + what);
    }
    void push(Token::Kind kind, std::string text) {
        tokens_.push_back({kind, std::move(text), line_, blank_});
        blank_ = false;
    }
    void line_end() {
        if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        push(Token::Kind::kEnd, "\n");
        ++line_;
    }
    void skip_to_line_end() {
        while (pos_ < s_.size() && s_[pos_] != '\r' && s_[pos_] != '\n') ++pos_;
    }
    // A quote right after a value would be MATLAB's transpose.
    bool quote_is_transpose() const {
        if (blank_ || tokens_.empty()) return false;
        const Token& last = tokens_.back();
        return last.kind == Token::Kind::kName || last.kind == Token::Kind::kNumber ||
               last.kind == Token::Kind::kText || last.text == ")" || last.text == "]";
    }
    void text() {
        if (quote_is_transpose()) fail("the transpose operator is not part of the subset");
        std::string value;
        for (++pos_;; ++pos_) {
            if (pos_ >= s_.size() || s_[pos_] == '\r' || s_[pos_] == '\n')
                fail("a quoted text is not closed");
            if (s_[pos_] != '\'') {
                value += s_[pos_];
            } else if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
                value += '\'';
                ++pos_;
            } else {
                break;
            }
        }
        ++pos_;
        push(Token::Kind::kText, std::move(value));
    }
    void number() {
        const std::size_t start = pos_;
        while (pos_ < s_.size() && (is_digit(s_[pos_]) || s_[pos_] == '.')) ++pos_;
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
            while (pos_ < s_.size() && is_digit(s_[pos_])) ++pos_;
        }
        push(Token::Kind::kNumber, std::string(s_.substr(start, pos_ - start)));
    }
    void step() {
        const char c = s_[pos_];
        if (c == ' ' || c == '\t') {
            ++pos_;
            blank_ = true;
        } else if (c == '\r' || c == '\n') {
            line_end();
        } else if (c == '%') {
            skip_to_line_end();
        } else if (s_.substr(pos_, 3) == "...") {
            skip_to_line_end();
            if (pos_ < s_.size() && s_[pos_] == '\r') ++pos_;
            if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
            ++line_;
            blank_ = true;
        } else if (c == ';') {
            ++pos_;
            push(Token::Kind::kEnd, ";");
        } else if (c == '\'') {
            text();
        } else if (is_digit(c) || (c == '.' && pos_ + 1 < s_.size() && is_digit(s_[pos_ + 1]))) {
            number();
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            const std::size_t start = pos_;
            while (pos_ < s_.size() && is_name_char(s_[pos_])) ++pos_;
            push(Token::Kind::kName, std::string(s_.substr(start, pos_ - start)));
        } else if (std::string_view("()[],=+-*/^").find(c) != std::string_view::npos) {
            ++pos_;
            push(Token::Kind::kSymbol, std::string(1, c));
        } else {
            fail("unexpected character '" + std::string(1, c) + "'");
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool blank_ = false;
    std::vector<Token> tokens_;
};

}  // namespace

std::vector<Token> tokenize(std::string_view script) {
    return Lexer(script).run();
}

}  // namespace vantor::sim
