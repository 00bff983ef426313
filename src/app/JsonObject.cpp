#include "app/JsonObject.h"

#include "core/StringUtil.h"

#include <cmath>

std::string JsonObject::Quoted(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            out += static_cast<char>('\\'), out += static_cast<char>(c);
        else if (c < 0x20)
            out += StringUtil::Format("\\u%04x", c);
        else
            out += static_cast<char>(c);
    }
    return out + "\"";
}

void JsonObject::Key(std::string_view key) {
    if (!body.empty())
        body += ',';
    body += Quoted(key) + ':';
}

JsonObject& JsonObject::Add(std::string_view key, long long value) {
    Key(key);
    body += std::to_string(value);
    return *this;
}

// Enough digits to tell any two floats apart; JSON has no infinities, so they become null.
std::string JsonObject::Number(double value) {
    return std::isfinite(value) ? StringUtil::Format("%.9g", value) : "null";
}

JsonObject& JsonObject::Add(std::string_view key, double value) {
    Key(key);
    body += Number(value);
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, bool value) {
    Key(key);
    body += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view value) {
    Key(key);
    body += Quoted(value);
    return *this;
}

JsonObject& JsonObject::AddNull(std::string_view key) {
    Key(key);
    body += "null";
    return *this;
}

JsonObject& JsonObject::AddRaw(std::string_view key, std::string_view json) {
    Key(key);
    body += json;
    return *this;
}
