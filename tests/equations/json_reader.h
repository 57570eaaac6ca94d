#pragma once

// Just enough of a JSON reader to read back what the equations' JSON holds;
// anything it cannot read fails the test that uses it.

#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantor::equations::test {

struct Json {
    enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = Kind::kNull;
    bool flag = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::vector<std::string> keys;  // in the order written
    std::map<std::string, Json> fields;

    const Json& operator[](const std::string& key) const { return fields.at(key); }
    const Json& operator[](std::size_t i) const { return items.at(i); }
};

class JsonReader {
  public:
    explicit JsonReader(const std::string& text) : s_(text) {}

    Json document() {
        Json j = value();
        space();
        if (i_ != s_.size()) fail("text after the document");
        return j;
    }

  private:
    [[noreturn]] void fail(const std::string& what) {
        throw std::runtime_error("JSON at " + std::to_string(i_) + ": " + what);
    }
    void space() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r'))
            ++i_;
    }
    void expect(char c) {
        space();
        if (i_ >= s_.size() || s_[i_] != c) fail(std::string("expected ") + c);
        ++i_;
    }
    bool word(const char* w) {
        const std::string text(w);
        if (s_.compare(i_, text.size(), text) != 0) return false;
        i_ += text.size();
        return true;
    }
    std::string string() {
        expect('"');
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (static_cast<unsigned char>(c) < 0x20) fail("a control byte in a string");
            if (c == '\\') {
                if (i_ >= s_.size()) fail("a cut escape");
                c = s_[i_++];
                if (c == 'n')
                    c = '\n';
                else if (c == 't')
                    c = '\t';
                else if (c == 'r')
                    c = '\r';
                else if (c == 'u') {
                    c = static_cast<char>(std::stoi(s_.substr(i_, 4), nullptr, 16));
                    i_ += 4;
                } else if (c != '"' && c != '\\' && c != '/')
                    fail("an unknown escape");
            }
            out += c;
        }
        expect('"');
        return out;
    }
    Json value() {
        space();
        Json j;
        if (i_ >= s_.size()) fail("a missing value");
        const char c = s_[i_];
        if (c == '{') {
            j.kind = Json::Kind::kObject;
            ++i_;
            space();
            if (s_[i_] == '}') return ++i_, j;
            do {
                const std::string key = string();
                expect(':');
                if (j.fields.count(key)) fail("key " + key + " twice");
                j.keys.push_back(key);
                j.fields[key] = value();
                space();
            } while (s_[i_] == ',' && ++i_);
            expect('}');
        } else if (c == '[') {
            j.kind = Json::Kind::kArray;
            ++i_;
            space();
            if (s_[i_] == ']') return ++i_, j;
            do {
                j.items.push_back(value());
                space();
            } while (s_[i_] == ',' && ++i_);
            expect(']');
        } else if (c == '"') {
            j.kind = Json::Kind::kString;
            j.text = string();
        } else if (word("true") || word("false")) {
            j.kind = Json::Kind::kBool;
            j.flag = c == 't';
        } else if (word("null")) {
        } else {
            const char* start = s_.c_str() + i_;
            char* end = nullptr;
            j.number = std::strtod(start, &end);
            if (end == start || (c != '-' && (c < '0' || c > '9'))) fail("not a value");
            j.kind = Json::Kind::kNumber;
            i_ += static_cast<std::size_t>(end - start);
        }
        return j;
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

}  // namespace vantor::equations::test
