#include <iostream>

#include "stripread/cli.h"

int main(int argc, char** argv) {
  return stripread::RunTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                            std::cerr);
}
