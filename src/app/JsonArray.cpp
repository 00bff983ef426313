#include "app/JsonArray.h"

#include "app/JsonObject.h"

void JsonArray::Separate() {
    if (!body.empty())
        body += ',';
}

JsonArray& JsonArray::Add(long long value) {
    Separate();
    body += std::to_string(value);
    return *this;
}

JsonArray& JsonArray::Add(double value) {
    Separate();
    body += JsonObject::Number(value);
    return *this;
}

JsonArray& JsonArray::Add(std::string_view text) {
    Separate();
    body += JsonObject::Quoted(text);
    return *this;
}

JsonArray& JsonArray::AddRaw(std::string_view json) {
    Separate();
    body += json;
    return *this;
}
