#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zelvaro {

void JsonWriter::beforeValue() {
    if (needsComma_) text_ += ',';
    needsComma_ = true;
}

void JsonWriter::beginObject() {
    beforeValue();
    text_ += '{';
    needsComma_ = false;
}

void JsonWriter::endObject() {
    text_ += '}';
    needsComma_ = true;
}

void JsonWriter::beginArray() {
    beforeValue();
    text_ += '[';
    needsComma_ = false;
}

void JsonWriter::endArray() {
    text_ += ']';
    needsComma_ = true;
}

void JsonWriter::key(std::string_view name) {
    string(name);
    text_ += ':';
    needsComma_ = false;
}

void JsonWriter::string(std::string_view utf8) {
    beforeValue();
    text_ += '"';
    for (const char c : utf8) {
        switch (c) {
            case '"':
                text_ += "\\\"";
                break;
            case '\\':
                text_ += "\\\\";
                break;
            case '\n':
                text_ += "\\n";
                break;
            case '\r':
                text_ += "\\r";
                break;
            case '\t':
                text_ += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    text_ += escaped;
                } else {
                    text_ += c;
                }
        }
    }
    text_ += '"';
}

void JsonWriter::number(double value) {
    // JSON has no infinity or not-a-number.
    if (!std::isfinite(value)) {
        null();
        return;
    }
    beforeValue();
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text_.append(buffer, result.ptr);
}

void JsonWriter::integer(long long value) {
    beforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::boolean(bool value) {
    beforeValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::null() {
    beforeValue();
    text_ += "null";
}

void JsonWriter::optionalNumber(std::optional<double> value) {
    if (value) {
        number(*value);
    } else {
        null();
    }
}

void JsonWriter::numbers(const std::vector<double>& values) {
    beginArray();
    for (const double value : values) number(value);
    endArray();
}

}  // namespace zelvaro
