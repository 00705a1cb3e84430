#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvaro {

// Builds one JSON text. The caller keeps the nesting right; commas are placed here. Numbers
// are written as the shortest text that reads back as the same double.
class JsonWriter {
  public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The name of the next member of the open object.
    void key(std::string_view name);

    void string(std::string_view utf8);
    void number(double value);
    void integer(long long value);
    void boolean(bool value);
    void null();
    void optionalNumber(std::optional<double> value);
    void numbers(const std::vector<double>& values);

    const std::string& text() const { return text_; }

  private:
    void beforeValue();

    std::string text_;
    bool needsComma_ = false;
};

}  // namespace zelvaro
