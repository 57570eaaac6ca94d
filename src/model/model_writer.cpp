#include "model/model_writer.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

#include "model/file_keys.h"
#include "model/file_saving.h"
#include "model/text.h"

namespace vantor {
namespace {

// Numbers carry a blank where a minus sign would stand.
std::string number_text(std::int16_t value) {
    char digits[8] = {' '};
    char* const start = value < 0 ? digits : digits + 1;
    const auto end = std::to_chars(start, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

void put_line(std::string& out, std::string_view key, std::string_view value) {
    // Commas and CRs end a field when reading; double quotes keep them, unless
    // the text holds a double quote itself, which would end the quoted field
    // early. Then a CR is written as 0x8D, which reads back as CR, and the
    // text stops at its first comma: a reader would take what follows for
    // lines of their own, where a quote would open a field that swallows the
    // elements after it, and a reload never kept that text anyway.
    // Single-character finds run as memchr; find_first_of would call it per byte.
    constexpr auto npos = std::string_view::npos;
    const bool splits = value.find(',') != npos || value.find('\r') != npos;
    const bool has_quote = splits && value.find('"') != npos;
    const bool quoted = splits && !has_quote;
    if (quoted) out += '"';
    out += key;
    out += " = ";
    if (splits && has_quote) {
        for (const char c : value.substr(0, value.find(',')))
            out += c == '\r' ? kCaptionLineBreak : c;
    } else {
        out += value;
    }
    if (quoted) out += '"';
    out += "\r\n";
}

void put_line(std::string& out, std::string_view text) {
    out += text;
    out += "\r\n";
}

}  // namespace

void grabarobj(std::string& out, const ObjRecord& obj) {
    for (const ElementKey& key : kElementKeys) {
        switch (key.kind) {
            case ElementKey::Kind::Type:
                put_line(out, key.key, obj.type.raw());
                break;
            case ElementKey::Kind::Text:
                put_line(out, key.key, (obj.*(key.text)).raw());
                break;
            case ElementKey::Kind::Caption:
                put_line(out, key.key, texto((obj.*(key.text)).raw()));
                break;
            case ElementKey::Kind::Number:
                put_line(out, key.key, number_text(obj.*(key.number)));
                break;
        }
    }
}

void guardararp(std::string& out, const LineRecord& bond) {
    for (const BondKey& key : kBondKeys) put_line(out, key.key, number_text(bond.*(key.number)));
}

std::string format_model(const Model& model) {
    if (model.nobj < 0 || model.nobj > kMaxElements || model.nlin < 0 || model.nlin > kMaxBonds) {
        throw std::logic_error("model counts outside the tables");
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(model.nobj) * 1800 +
                static_cast<std::size_t>(model.nlin) * 60 + 32);
    for (int i = 1; i <= model.nobj; ++i) {
        put_line(out, "add_obj");
        grabarobj(out, model.objs[i]);
        put_line(out, "end");
    }
    put_line(out, number_text(model.nlin) + " ");
    for (int j = 1; j <= model.nlin; ++j) {
        put_line(out, "add_line");
        guardararp(out, model.lines[j]);
        put_line(out, "end");
    }
    put_line(out, "end_sys");
    return out;
}

void write_model_file(const std::string& path, const Model& model) {
    save_file(path, format_model(model));
}

void guardar(const std::string& path, ModelWindowState& window) {
    write_model_file(path, window.model);
    window.saved = kTrue;
}

}  // namespace vantor
