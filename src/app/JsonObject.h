#pragma once

#include <string>
#include <string_view>

// One JSON object written on a single line, fields in the order they are added.
class JsonObject {
  public:
    JsonObject& Add(std::string_view key, long long value);
    JsonObject& Add(std::string_view key, double value);
    JsonObject& Add(std::string_view key, bool value);
    JsonObject& Add(std::string_view key, std::string_view value);
    JsonObject& AddNull(std::string_view key);
    // A value that is already JSON: a nested object or an array.
    JsonObject& AddRaw(std::string_view key, std::string_view json);

    std::string Str() const { return "{" + body + "}"; }

    // A number as JSON writes it: no infinities or NaN, which become null.
    // A JSON string with quotes, backslashes and control characters escaped.
    static std::string Quoted(std::string_view text);
    static std::string Number(double value);

  private:
    void Key(std::string_view key);

    std::string body;
};
