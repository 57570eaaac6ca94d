#pragma once

#include <string>
#include <string_view>
#include <vector>

// The words of one journal line: blanks and tabs between them, texts in
// double quotes with their escapes undone.
namespace vantor::journal_words {

// What a line says that cannot be read; the caller adds journal and line.
struct LineProblem {
    std::string text;
};

[[noreturn]] void fail(std::string text);

struct Word {
    std::string text;     // unescaped, still UTF-8
    bool quoted = false;  // stood in double quotes
};

// Throws LineProblem for an unknown escape, an unclosed text or a quote
// inside a bare word.
std::vector<Word> split_words(std::string_view line);

}  // namespace vantor::journal_words
