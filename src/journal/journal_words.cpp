#include "journal/journal_words.h"

#include "model/message_word.h"

namespace vantor::journal_words {

[[noreturn]] void fail(std::string text) {
    throw LineProblem{std::move(text)};
}

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// `\\`, `\"`, `\r`, `\n` and `\t`; anything else after a backslash is a fault,
// so that a journal never depends on a guess.
char unescape(char c) {
    switch (c) {
        case '\\':
            return '\\';
        case '"':
            return '"';
        case 'r':
            return '\r';
        case 'n':
            return '\n';
        case 't':
            return '\t';
    }
    fail(std::string("unknown escape \"\\") + c + "\" in a text");
}

}  // namespace

std::vector<Word> split_words(std::string_view line) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && is_blank(line[i])) ++i;
        if (i == line.size()) return words;
        Word word;
        if (line[i] == '"') {
            word.quoted = true;
            for (++i;; ++i) {
                if (i == line.size()) fail("a text has no closing quote");
                if (line[i] == '"') break;
                if (line[i] == '\\') {
                    if (++i == line.size()) fail("a text has no closing quote");
                    word.text += unescape(line[i]);
                } else {
                    word.text += line[i];
                }
            }
            ++i;
            if (i < line.size() && !is_blank(line[i])) {
                fail("a blank must follow the closing quote of a text");
            }
        } else {
            const std::size_t start = i;
            while (i < line.size() && !is_blank(line[i])) {
                if (line[i] == '"') {
                    fail("a quote inside the word \"" +
                         message_word(line.substr(start, i - start + 1)) + "...\"");
                }
                ++i;
            }
            word.text = line.substr(start, i - start);
        }
        words.push_back(std::move(word));
    }
}

}  // namespace vantor::journal_words
