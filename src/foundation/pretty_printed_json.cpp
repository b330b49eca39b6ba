#include "foundation/pretty_printed_json.h"

#include <charconv>
#include <cstdio>

#include <nlohmann/json.hpp>

namespace vlt {

namespace {

constexpr int kIndentWidth = 2;

void appendIndent(std::string& out, int level) { out.append(static_cast<std::size_t>(level * kIndentWidth), ' '); }

void appendString(std::string& out, const std::string& text) {
    out += '"';
    for (char character : text) {
        switch (character) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '/':
            out += "\\/";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(character) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x",
                              static_cast<unsigned>(static_cast<unsigned char>(character)));
                out += escape;
            } else {
                out += character;
            }
        }
    }
    out += '"';
}

template <typename Number>
void appendNumber(std::string& out, Number number) {
    char digits[32];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), number);
    out.append(digits, result.ptr);
}

void appendValue(std::string& out, const nlohmann::json& value, int level);

template <typename Items, typename AppendItem>
void appendContainer(std::string& out, char open, char close, const Items& items, int level, AppendItem appendItem) {
    out += open;
    out += '\n';
    bool first = true;
    for (const auto& item : items) {
        if (!first) out += ",\n";
        first = false;
        appendIndent(out, level + 1);
        appendItem(item);
    }
    out += '\n';
    appendIndent(out, level);
    out += close;
}

void appendValue(std::string& out, const nlohmann::json& value, int level) {
    switch (value.type()) {
    case nlohmann::json::value_t::object:
        appendContainer(out, '{', '}', value.get_ref<const nlohmann::json::object_t&>(), level,
                        [&](const auto& member) {
                            appendString(out, member.first);
                            out += " : ";
                            appendValue(out, member.second, level + 1);
                        });
        break;
    case nlohmann::json::value_t::array:
        appendContainer(out, '[', ']', value.get_ref<const nlohmann::json::array_t&>(), level,
                        [&](const nlohmann::json& element) { appendValue(out, element, level + 1); });
        break;
    case nlohmann::json::value_t::string:
        appendString(out, value.get_ref<const std::string&>());
        break;
    case nlohmann::json::value_t::boolean:
        out += value.get<bool>() ? "true" : "false";
        break;
    case nlohmann::json::value_t::number_integer:
        appendNumber(out, value.get<std::int64_t>());
        break;
    case nlohmann::json::value_t::number_unsigned:
        appendNumber(out, value.get<std::uint64_t>());
        break;
    case nlohmann::json::value_t::number_float:
        appendNumber(out, value.get<double>());
        break;
    default:
        out += "null";
        break;
    }
}

}  // namespace

std::string prettyPrintedJson(const nlohmann::json& value) {
    std::string out;
    appendValue(out, value, 0);
    return out;
}

}  // namespace vlt
