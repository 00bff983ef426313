#include "core/FileUtil.h"

#include "app/Log.h"
#include "core/File.h"
#include "core/FileLoader.h"

#include <algorithm>

namespace FileUtil {

std::size_t FileLength(const std::string& path) {
    File file;
    if (!file.Open(path, "rb")) {
        Log("FileUtil::FileLength: file not found: %s\n", path.c_str());
        return 0;
    }
    return file.Length();
}

bool FileExists(const std::string& path) { return Singleton<FileLoader>::Instance().Exists(path); }

std::string NativePath(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

} // namespace FileUtil
