#include "stripread/loaders.h"

namespace stripread {

bool LoadImage(const std::string& path, Image& out, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes, error)) return false;
  bool ok = false;
  if (LooksLikePpm(bytes)) {
    ok = DecodePpm(bytes, out, error);
  } else if (LooksLikeXwd(bytes)) {
    ok = DecodeXwd(bytes, out, error);
  } else {
    error = "neither an XWD dump nor a binary PPM (P6)";
  }
  if (!ok) error = path + ": " + error;
  return ok;
}

}  // namespace stripread
