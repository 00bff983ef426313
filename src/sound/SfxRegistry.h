#pragma once

#include "sound/SfxLoader.h"
#include "sound/SfxStreaming.h"

#include <map>
#include <memory>
#include <string>

// The sound types by name, in plain string order, each with the factory of its instances. Types
// register themselves from a constant in their own file, during start-up; the table is built on
// first use, so the order in which files start up does not matter.
template <typename T> class SfxRegistry {
  public:
    using Factory = std::unique_ptr<T> (*)();

    static const std::map<std::string, Factory>& Types() { return Table(); }

    static bool Register(const std::string& name, Factory factory) {
        Table()[name] = factory;
        return true;
    }

    SfxRegistry() = delete;

  private:
    static std::map<std::string, Factory>& Table() {
        static std::map<std::string, Factory> table;
        return table;
    }
};

using SfxLoaderRegistry = SfxRegistry<SfxLoader>;
using SfxStreamingRegistry = SfxRegistry<SfxStreaming>;
