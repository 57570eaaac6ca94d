#include "sim/script_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <stdexcept>
#include <unordered_map>

#include "sim/expression.h"
#include "sim/matlab_lexer.h"
#include "sim/read_error.h"

namespace vantor::sim {

namespace {

// The largest block coordinate a script may give: far beyond any layout, well
// inside an int.
constexpr int kMostCoordinate = 1000000000;

// A script value: a text, or a row of numbers (a Position).
struct Value {
    bool is_text = true;
    std::string text;
    std::vector<double> numbers;
};

class ScriptReader {
  public:
    ScriptReader(std::string_view script, ScriptDialect dialect)
        : tokens_(tokenize(script)), dialect_(dialect) {}

    Diagram run() {
        while (pos_ < tokens_.size()) statement();
        return std::move(diagram_);
    }

  private:
    using Kind = Token::Kind;

    [[noreturn]] void fail(const std::string& what) const {
        const int line = tokens_.empty() ? 1 : tokens_[std::min(pos_, tokens_.size() - 1)].line;
        throw ReadError(line, "script line " + std::to_string(line) + ": " + what);
    }
    bool at_end() const { return pos_ >= tokens_.size(); }
    bool at(Kind kind, std::string_view text = {}) const {
        return !at_end() && tokens_[pos_].kind == kind &&
               (text.empty() || tokens_[pos_].text == text);
    }
    bool accept_symbol(std::string_view symbol) {
        if (!at(Kind::kSymbol, symbol)) return false;
        ++pos_;
        return true;
    }
    void expect_symbol(std::string_view symbol) {
        if (!accept_symbol(symbol)) fail("'" + std::string(symbol) + "' expected");
    }
    // A statement ends at ';', a line end, a ',' or the end of the script.
    bool at_statement_end() const { return at_end() || at(Kind::kEnd) || at(Kind::kSymbol, ","); }

    void statement() {
        statement_line_ = at_end() ? 0 : tokens_[pos_].line;
        if (at_statement_end()) {
            ++pos_;
            return;
        }
        if (!at(Kind::kName)) fail("a statement must start with a name");
        const std::string name = tokens_[pos_++].text;
        if (accept_symbol("=")) {
            variables_[name] = value();
        } else {
            std::vector<Value> args;
            if (accept_symbol("(")) {
                if (!accept_symbol(")")) {
                    do args.push_back(value());
                    while (accept_symbol(","));
                    expect_symbol(")");
                }
            } else {
                // Command syntax: bdclose all
                while (!at_statement_end()) args.push_back({true, tokens_[pos_++].text, {}});
            }
            call(name, args);
        }
        if (!at_statement_end()) fail("unexpected '" + tokens_[pos_].text + "' after a statement");
    }

    static bool is_operator(const Token& t) {
        return t.kind == Kind::kSymbol &&
               std::string_view("+-*/^").find(t.text) != std::string_view::npos;
    }

    // A numeric expression such as 48-15 or 78+30. In a matrix a blank ends
    // it before a value, as in MATLAB: [1 -2] is two numbers, [1 - 2] one.
    double numeric(bool in_matrix) {
        std::string text;
        int depth = 0;
        const Token* last = nullptr;
        while (!at_end() && !at(Kind::kEnd) && !at(Kind::kText) && !at(Kind::kName)) {
            const Token& t = tokens_[pos_];
            if (depth == 0 && (t.text == "," || t.text == "]" || (t.text == ")" && !in_matrix)))
                break;
            if (in_matrix && depth == 0 && last != nullptr && t.blank_before &&
                !is_operator(*last) &&
                (!is_operator(t) || (pos_ + 1 < tokens_.size() && !tokens_[pos_ + 1].blank_before)))
                break;
            if (t.text == "(") ++depth;
            if (t.text == ")") --depth;
            if (t.kind != Kind::kNumber && !is_operator(t) && t.text != "(" && t.text != ")")
                fail("unexpected '" + t.text + "' in a number");
            text += t.text;
            last = &t;
            ++pos_;
        }
        if (text.empty()) fail("a number expected");
        try {
            return evaluate(text);
        } catch (const std::runtime_error& e) {
            fail(e.what());
        }
    }

    Value value(bool in_matrix = false) {
        if (at(Kind::kText)) return {true, tokens_[pos_++].text, {}};
        if (at(Kind::kName)) {
            const std::string& name = tokens_[pos_].text;
            const auto it = variables_.find(name);
            if (it == variables_.end()) fail("unknown name '" + name + "'");
            ++pos_;
            return it->second;
        }
        if (accept_symbol("[")) return matrix();
        if (at(Kind::kNumber) || at(Kind::kSymbol)) return {false, {}, {numeric(in_matrix)}};
        fail(at_end() ? "a value expected" : "unexpected '" + tokens_[pos_].text + "'");
    }

    // [sys '/name'] joins texts; [10 20 40 60] is a row of numbers.
    // Nesting is bounded as in expressions, so that a template cannot exhaust
    // the stack.
    Value matrix() {
        if (++nesting_ > Expression::kMaxNesting)
            fail("more than " + std::to_string(Expression::kMaxNesting) + " nested brackets");
        std::vector<Value> parts;
        while (!accept_symbol("]")) {
            if (at_end() || at(Kind::kEnd)) fail("']' expected");
            if (!parts.empty()) accept_symbol(",");
            parts.push_back(value(true));
        }
        Value joined{!parts.empty() && parts.front().is_text, {}, {}};
        for (const Value& part : parts) {
            if (part.is_text != joined.is_text) fail("a matrix mixes texts and numbers");
            joined.text += part.text;
            joined.numbers.insert(joined.numbers.end(), part.numbers.begin(), part.numbers.end());
        }
        --nesting_;
        return joined;
    }

    const std::string& text(const std::vector<Value>& args, std::size_t i, const char* what) const {
        if (i >= args.size() || !args[i].is_text)
            fail(std::string(what) + " must be a quoted text");
        return args[i].text;
    }

    // The block named by "<model>/<name>".
    std::string block_name(const std::string& path) const {
        if (diagram_.name.empty()) fail("a block of '" + path + "' before new_system");
        const std::string prefix = diagram_.name + "/";
        if (path.compare(0, prefix.size(), prefix) != 0 || path.size() == prefix.size())
            fail("'" + path + "' is not a block of model '" + diagram_.name + "'");
        return path.substr(prefix.size());
    }
    Block* find_block(const std::string& name) {
        const auto it = block_index_.find(name);
        return it == block_index_.end() ? nullptr : &diagram_.blocks[it->second];
    }

    void set_position(Block& block, const Value& value) {
        std::vector<double> numbers = value.numbers;
        if (value.is_text) {
            // A Position written as a text: '[10 20 40 60]'.
            ScriptReader inner(value.text, dialect_);
            const Value row = inner.accept_symbol("[") ? inner.matrix() : Value{};
            if (row.is_text || !inner.at_end())
                fail("the Position of '" + block.name + "' is not a row of numbers");
            numbers = row.numbers;
        }
        if (numbers.size() != 4) fail("the Position of '" + block.name + "' needs 4 numbers");
        for (int i = 0; i < 4; ++i) {
            // A coordinate no int holds cannot be converted; it is the script's fault.
            if (!(std::fabs(numbers[i]) <= kMostCoordinate))
                fail("the Position of '" + block.name + "' has a coordinate beyond " +
                     std::to_string(kMostCoordinate));
            block.position[i] = static_cast<int>(numbers[i]);
        }
    }

    void set_parameters(Block& block, const std::vector<Value>& args, std::size_t first) {
        if ((args.size() - first) % 2 != 0)
            fail("a parameter of '" + block.name + "' has no value");
        for (std::size_t i = first; i < args.size(); i += 2) {
            const std::string name = block_parameter(dialect_, block.type, text(args, i, "a name"));
            if (name == "Position")
                set_position(block, args[i + 1]);
            else
                block.params[name] = text(args, i + 1, "a parameter value");
        }
    }

    void add_block(const std::vector<Value>& args) {
        const std::string& source = text(args, 0, "the block source");
        const std::string prefix = "built-in/";
        if (source.compare(0, prefix.size(), prefix) != 0)
            fail("block source '" + source + "' is not built-in");
        Block block;
        block.line = statement_line_;
        block.type = block_type(dialect_, source.substr(prefix.size()));
        block.name = block_name(text(args, 1, "the block path"));
        if (find_block(block.name) != nullptr) fail("block '" + block.name + "' added twice");
        set_parameters(block, args, 2);
        block_index_[block.name] = diagram_.blocks.size();
        diagram_.blocks.push_back(std::move(block));
    }

    void set_param(const std::vector<Value>& args) {
        const std::string& target = text(args, 0, "the set_param target");
        if (target != diagram_.name) {
            Block* block = find_block(block_name(target));
            if (block == nullptr) fail("set_param of a missing block '" + target + "'");
            return set_parameters(*block, args, 1);
        }
        if (args.size() % 2 != 1) fail("a model parameter has no value");
        for (std::size_t i = 1; i < args.size(); i += 2) {
            model_parameter(dialect_, text(args, i, "a name"));  // only the stop time is known
            diagram_.stop_time = evaluate(text(args, i + 1, "the stop time"));
        }
    }

    // "name/3" -> name, 3
    std::pair<std::string, int> port(const std::string& text) const {
        const auto slash = text.rfind('/');
        const std::string number = slash == std::string::npos ? "" : text.substr(slash + 1);
        if (number.empty() || number.size() > 4 ||
            !std::all_of(number.begin(), number.end(),
                         [](unsigned char c) { return std::isdigit(c) != 0; }))
            fail("line end '" + text + "' is not block/port");
        return {text.substr(0, slash), std::stoi(number)};
    }

    void add_line(const std::vector<Value>& args) {
        if (args.size() != 3) fail("add_line needs the model and two ports");
        if (text(args, 0, "the model") != diagram_.name)
            fail("add_line to another model '" + args[0].text + "'");
        const auto [src, src_port] = port(text(args, 1, "a line start"));
        const auto [dst, dst_port] = port(text(args, 2, "a line end"));
        diagram_.lines.push_back({src, src_port, dst, dst_port});
    }

    void call(const std::string& name, const std::vector<Value>& args) {
        if (name == "new_system") {
            if (!diagram_.name.empty()) fail("a second new_system");
            diagram_.name = text(args, 0, "the model name");
        } else if (name == "add_block") {
            add_block(args);
        } else if (name == "set_param") {
            set_param(args);
        } else if (name == "add_line") {
            add_line(args);
        } else if (name != "open_system" && name != "close_system" && name != "bdclose") {
            fail("unknown call '" + name + "'");
        }
    }

    std::vector<Token> tokens_;
    ScriptDialect dialect_;
    std::size_t pos_ = 0;
    int statement_line_ = 0;  // the line of the statement being read
    int nesting_ = 0;         // the '[' open at the read position
    std::map<std::string, Value> variables_;
    Diagram diagram_;
    std::unordered_map<std::string, std::size_t> block_index_;  // name -> index in blocks
};

}  // namespace

Diagram read_script(std::string_view script, ScriptDialect dialect) {
    return ScriptReader(script, dialect).run();
}

}  // namespace vantor::sim
