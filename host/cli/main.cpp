#include <iostream>

#include "Cli.h"

int main(int argc, char** argv) {
  return tolvar::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                        tolvar::defaultPluginPath());
}
