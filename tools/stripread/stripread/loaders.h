#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stripread/image.h"

namespace stripread {

// Each returns false with a readable reason in error; out is then untouched.
bool LoadXwd(const std::string& path, Image& out, std::string& error);
bool LoadPpm(const std::string& path, Image& out, std::string& error);
// Picks the format from the file's first bytes, not its name.
bool LoadImage(const std::string& path, Image& out, std::string& error);

bool DecodeXwd(const std::vector<uint8_t>& bytes, Image& out, std::string& error);
bool DecodePpm(const std::vector<uint8_t>& bytes, Image& out, std::string& error);
bool LooksLikeXwd(const std::vector<uint8_t>& bytes);
bool LooksLikePpm(const std::vector<uint8_t>& bytes);

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes,
                   std::string& error);

}  // namespace stripread
