#pragma once

// The tokens of the MATLAB-script subset that generated scripts use: names,
// numbers, quoted texts, symbols, and statement ends. Comments (% to the end
// of the line) and continuations (... to the end of the line) are dropped; a
// line ends with CR, LF or CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace vantor::sim {

struct Token {
    enum class Kind { kName, kNumber, kText, kSymbol, kEnd };  // kEnd: ';' or a line end
    Kind kind;
    std::string text;  // a text's value without quotes, '' made one quote
    int line = 1;
    bool blank_before = false;  // separates the words of command syntax and matrix elements
};

// Throws std::runtime_error naming the line for an unterminated text, a
// transpose quote or a character outside the subset.
std::vector<Token> tokenize(std::string_view script);

}  // namespace vantor::sim
