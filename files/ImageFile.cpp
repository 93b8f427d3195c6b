#include "files/ImageFile.h"

#include <fstream>

namespace korvex {

std::optional<ConfigImage> readImageBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    ConfigImage image;
    in.read(reinterpret_cast<char*>(image.bytes.data()),
            static_cast<std::streamsize>(image.bytes.size()));
    if (static_cast<size_t>(in.gcount()) != image.bytes.size() || in.peek() != EOF) {
        return std::nullopt;
    }
    return image;
}

}  // namespace korvex
