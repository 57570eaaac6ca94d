#include "sim/mdl_reader.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

#include "sim/read_error.h"

namespace vantor::sim {

namespace {

struct Token {
    enum class Kind { kWord, kText, kSymbol, kEnd };
    Kind kind;
    std::string text;  // a text's value without its quotes
    int line = 1;
};

[[noreturn]] void fail_at(int line, const std::string& what) {
    throw ReadError(line, ".mdl line " + std::to_string(line) + ": " + what);
}

// Sections nest no deeper than expressions, so that a template cannot exhaust
// the stack.
constexpr int kMaxSectionNesting = 256;

// The coordinates a .mdl file takes: Simulink keeps them in 16 bits.
constexpr double kMostCoordinate = 32767;

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

// A parameter's value: a text, or the numbers of a vector.
struct Value {
    bool is_vector = false;
    std::string text;
    std::vector<std::string> numbers;
    int line = 1;
};

// One "Key value" entry or "Key { ... }" section.
struct Entry {
    std::string key;
    int line = 1;
    Value value;
    std::vector<Entry> section;
    bool is_section = false;
};

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

double number(const Value& v, const std::string& key) {
    const char* begin = v.text.c_str();
    char* end = nullptr;
    const double d = std::strtod(begin, &end);
    if (v.is_vector || v.text.empty() || *end != '\0' || !std::isfinite(d))
        fail_at(v.line, key + " '" + v.text + "' is not a number");
    return d;
}

int positive_integer(const Value& v, const std::string& key) {
    const double d = number(v, key);
    if (d < 1 || d != std::floor(d) || d > 1e6)
        fail_at(v.line, key + " '" + v.text + "' is not a port number");
    return static_cast<int>(d);
}

const std::string& text(const Entry& e) {
    if (e.is_section || e.value.is_vector) fail_at(e.line, e.key + " must be a text");
    return e.value.text;
}

// The entries of a section by key, each key at most once; sections of the
// keys in `repeatable` go to `repeated` in file order.
std::map<std::string, const Entry*> unique_entries(const Entry& section,
                                                   const std::set<std::string>& repeatable,
                                                   std::vector<const Entry*>* repeated) {
    std::map<std::string, const Entry*> entries;
    for (const Entry& e : section.section) {
        if (repeatable.count(e.key) != 0) {
            if (!e.is_section) fail_at(e.line, e.key + " must be a section");
            repeated->push_back(&e);
        } else if (!entries.emplace(e.key, &e).second) {
            fail_at(e.line, e.key + " is given twice in the " + section.key + " section");
        }
    }
    return entries;
}

const Entry& required(const std::map<std::string, const Entry*>& entries, const std::string& key,
                      const Entry& section) {
    const auto it = entries.find(key);
    if (it == entries.end()) fail_at(section.line, "the " + section.key + " section has no " + key);
    return *it->second;
}

Block read_block(const Entry& section) {
    Block block;
    block.line = section.line;
    std::vector<const Entry*> none;
    const auto entries = unique_entries(section, {}, &none);
    block.type = text(required(entries, "BlockType", section));
    block.name = text(required(entries, "Name", section));
    for (const auto& [key, e] : entries) {
        if (key == "BlockType" || key == "Name") continue;
        if (e->is_section) fail_at(e->line, "a block has no " + key + " section");
        if (key == "Position") {
            if (!e->value.is_vector || e->value.numbers.size() != 4)
                fail_at(e->line, "Position must be [left, top, right, bottom]");
            for (std::size_t i = 0; i < 4; ++i) {
                const double d = number({false, e->value.numbers[i], {}, e->line}, "Position");
                if (d != std::floor(d))
                    fail_at(e->line, "Position '" + e->value.numbers[i] + "' is not a coordinate");
                if (std::fabs(d) > kMostCoordinate) {
                    throw FormatLimitError(
                        e->line, ".mdl line " + std::to_string(e->line) + ": the Position " +
                                     e->value.numbers[i] + " of block '" + block.name +
                                     "' is outside the coordinates a .mdl file takes (-32767 "
                                     "to 32767)");
                }
                block.position[i] = static_cast<int>(d);
            }
            if (block.position[2] <= block.position[0] || block.position[3] <= block.position[1])
                fail_at(e->line, "the Position of '" + block.name + "' is not a rectangle");
        } else {
            // Unknown types and parameters are kept for the checker and the
            // simulator, which report them with the block's name.
            block.params[key] = text(*e);
        }
    }
    return block;
}

Line read_line(const Entry& section) {
    std::vector<const Entry*> none;
    const auto entries = unique_entries(section, {}, &none);
    for (const auto& [key, e] : entries) {
        if (key == "Branch") fail_at(e->line, "branched lines are not in the subset");
        if (key != "SrcBlock" && key != "SrcPort" && key != "DstBlock" && key != "DstPort")
            fail_at(e->line, "unknown line parameter " + key);
    }
    Line line;
    line.src = text(required(entries, "SrcBlock", section));
    line.dst = text(required(entries, "DstBlock", section));
    line.src_port = positive_integer(required(entries, "SrcPort", section).value, "SrcPort");
    line.dst_port = positive_integer(required(entries, "DstPort", section).value, "DstPort");
    return line;
}

}  // namespace

Diagram read_mdl(std::string_view text_of_file) {
    const Entry model = Parser(text_of_file).file();
    std::vector<const Entry*> systems;
    const auto model_entries = unique_entries(model, {"System"}, &systems);
    Diagram diagram;
    for (const auto& [key, e] : model_entries) {
        if (key == "Name")
            diagram.name = text(*e);
        else if (key == "StopTime")
            diagram.stop_time = number(e->value, "StopTime");
        else
            fail_at(e->line, "unknown model parameter " + key);
    }
    if (model_entries.count("Name") == 0) fail_at(model.line, "the Model section has no Name");
    if (systems.size() != 1) fail_at(model.line, "the model must have exactly one System section");

    const Entry& system = *systems.front();
    std::vector<const Entry*> parts;
    const auto system_entries = unique_entries(system, {"Block", "Line"}, &parts);
    for (const auto& [key, e] : system_entries) {
        if (key != "Name") fail_at(e->line, "unknown system parameter " + key);
    }
    if (text(required(system_entries, "Name", system)) != diagram.name)
        fail_at(system.line, "the System is not named after the model");

    std::set<std::string> names;
    for (const Entry* part : parts) {
        if (part->key == "Block") {
            diagram.blocks.push_back(read_block(*part));
            if (!names.insert(diagram.blocks.back().name).second)
                fail_at(part->line, "two blocks are named '" + diagram.blocks.back().name + "'");
        } else {
            diagram.lines.push_back(read_line(*part));
        }
    }
    return diagram;
}

}  // namespace vantor::sim
