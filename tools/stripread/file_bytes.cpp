#include <fstream>

#include "stripread/loaders.h"

namespace stripread {

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes,
                   std::string& error) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  const std::streamoff size = in.tellg();
  in.seekg(0);
  if (size < 0 || !in) {
    error = "cannot read " + path;
    return false;
  }
  bytes.resize(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
    error = "cannot read " + path;
    return false;
  }
  return true;
}

}  // namespace stripread
