// The harness's script reader.
#include "app/HarnessScript.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    HarnessScript::Parse(std::string(reinterpret_cast<const char*>(data), size), error);
    return 0;
}
