// The folder the generated files go to, and the record of whether each one
// was written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image.h"

namespace assetgen {

class AssetFolder {
public:
    // Creates the folder when it does not exist yet.
    explicit AssetFolder(std::filesystem::path folder);

    // Writes the picture as a bitmap file of that name; a failure is reported
    // on the error stream and remembered.
    void SaveBitmap(const std::string& name, const Image& image);
    // As above; nothing to save (a picture that could not be made) is a failure.
    void SaveBitmap(const std::string& name, const std::optional<Image>& image);

    // Writes the bytes as a file of that name, with the same reporting.
    void SaveFile(const std::string& name, const std::vector<std::uint8_t>& bytes);

    bool AllSaved() const { return all_saved_; }

private:
    void Fail(const std::string& name, const std::string& why);

    std::filesystem::path folder_;
    bool all_saved_ = true;
};

}  // namespace assetgen
