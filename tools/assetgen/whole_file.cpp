#include "whole_file.h"

#include <fstream>
#include <system_error>

namespace assetgen {

bool WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path partial = path;
    partial += ".part";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (!error) return true;
    std::filesystem::remove(partial, error);
    return false;
}

}  // namespace assetgen
