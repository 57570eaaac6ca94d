#include "model/model_reader.h"

#include <algorithm>
#include <utility>

#include "model/cp1252.h"
#include "model/file_error.h"
#include "model/file_keys.h"
#include "model/file_reading.h"
#include "model/numeric_prefix.h"
#include "model/text.h"

namespace vantor {
namespace {

std::int16_t number_value(const KeyValue& kv, const LogicalLineReader& in,
                          const std::string& path) {
    if (const auto value = to_int16(numeric_prefix(kv.value))) return *value;
    constexpr std::size_t kShown = 40;
    const std::string shown = kv.value.size() > kShown
                                  ? std::string(kv.value.substr(0, kShown)) + "..."
                                  : std::string(kv.value);
    // Messages are for people: model text is converted, paths are already UTF-8.
    throw FileError(
        path, in.line(),
        "the value \"" + cp1252_to_utf8(shown) + "\" of " + kv.key + " is outside -32768 to 32767");
}

void store_element_value(ObjRecord& obj, const KeyValue& kv, const LogicalLineReader& in,
                         const std::string& path) {
    const auto* key = std::find_if(std::begin(kElementKeys), std::end(kElementKeys),
                                   [&](const ElementKey& k) { return k.key == kv.key; });
    if (key == std::end(kElementKeys)) return;
    switch (key->kind) {
        case ElementKey::Kind::Type:
            obj.type = kv.value;
            break;
        case ElementKey::Kind::Text:
        case ElementKey::Kind::Caption:
            obj.*(key->text) = kv.value;
            break;
        case ElementKey::Kind::Number:
            obj.*(key->number) = number_value(kv, in, path);
            break;
    }
}

}  // namespace

ObjRecord leerobj(LogicalLineReader& in, const std::string& path, BlockDialect dialect) {
    ObjRecord obj{};
    for (;;) {
        const std::string line = in.lectura();
        if (dialect == BlockDialect::kModel) {
            const KeyValue kv = split_key_value(line);
            if (kv.key == "end") return obj;
            store_element_value(obj, kv, in, path);
            continue;
        }
        KeyValue kv = split_key_value_skipping_one(line);
        if (kv.key == "end") return obj;
        std::string converted;
        if (kv.key == "parameters" || kv.key == "caption" || kv.key == "parameter2") {
            converted = invtexto(kv.value);
            kv.value = converted;
        }
        store_element_value(obj, kv, in, path);
    }
}

LineRecord leerarp(LogicalLineReader& in, const std::string& path) {
    LineRecord bond{};
    for (;;) {
        const std::string line = in.lectura();
        const KeyValue kv = split_key_value(line);
        if (kv.key == "end") return bond;
        for (const BondKey& key : kBondKeys) {
            if (key.key == kv.key) bond.*(key.number) = number_value(kv, in, path);
        }
    }
}

Model parse_model(std::string_view bytes, const std::string& path, ModelFileFacts* facts) {
    Model model;
    LogicalLineReader in(bytes);
    bool holds_model = false;
    int n = 0;
    int m = 0;
    for (;;) {
        const std::string line = in.lectura();
        const KeyValue kv = split_key_value(line);
        if (kv.key == "add_obj" || kv.key == "add_line" || kv.key == "end_sys") holds_model = true;
        if (kv.key == "add_obj") {
            if (n == kMaxElements) {
                throw FileError(path, in.line(), "the model has more than 1000 elements");
            }
            ++n;
            model.objs[n] = leerobj(in, path);
        } else if (kv.key == "add_line") {
            if (m == kMaxBonds) {
                throw FileError(path, in.line(), "the model has more than 1000 bonds");
            }
            ++m;
            model.lines[m] = leerarp(in, path);
        }
        if (kv.key == "end_sys" || in.at_end()) break;
    }
    model.nobj = static_cast<std::int16_t>(n);
    model.nlin = static_cast<std::int16_t>(m);
    if (facts != nullptr) *facts = {in.lf_line_ends(), holds_model};
    return model;
}

Model read_model_file(const std::string& path, ModelFileFacts* facts) {
    return parse_model(read_whole_file(path, kModelFileLimit), path, facts);
}

Model read_model_input(const std::string& path) {
    const std::string bytes = read_whole_file(path, kModelFileLimit);
    ModelFileFacts facts;
    Model model = parse_model(bytes, path, &facts);
    if (!bytes.empty() && !facts.holds_model) throw FileError(path, "no model found in this file");
    return model;
}

void leerarchivo(ModelWindowState& window, const std::string& path) {
    Model model = read_model_file(path);  // may throw: the window keeps its model
    window.model = std::move(model);
    window.hasname = kTrue;
}

}  // namespace vantor
