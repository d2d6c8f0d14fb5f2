#include "asset_folder.h"

#include <iostream>
#include <system_error>

#include "bitmap_writer.h"
#include "whole_file.h"

namespace assetgen {

AssetFolder::AssetFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) Fail(folder_.string(), "cannot create the folder: " + error.message());
}

void AssetFolder::SaveBitmap(const std::string& name, const Image& image) {
    if (!WriteBitmapFile(folder_ / name, image)) Fail(name, "cannot be written");
}

void AssetFolder::SaveBitmap(const std::string& name, const std::optional<Image>& image) {
    if (image) {
        SaveBitmap(name, *image);
    } else {
        Fail(name, "could not be made");
    }
}

void AssetFolder::SaveFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    if (!WriteWholeFile(folder_ / name, bytes)) Fail(name, "cannot be written");
}

void AssetFolder::Fail(const std::string& name, const std::string& why) {
    std::cerr << "assetgen: " << (folder_ / name).string() << ": " << why << '\n';
    all_saved_ = false;
}

}  // namespace assetgen
