#pragma once

#include <string>
#include <string_view>

// One JSON array written on a single line, elements in the order they are added.
class JsonArray {
  public:
    JsonArray& Add(long long value);
    JsonArray& Add(double value);
    JsonArray& Add(std::string_view text);
    // An element that is already JSON: an object or an array.
    JsonArray& AddRaw(std::string_view json);

    std::string Str() const { return "[" + body + "]"; }

  private:
    void Separate();

    std::string body;
};
