// Writes a project of real size: generate_large_project <dir> [BT objects, default 200000]. The
// directory must not hold a project yet. Also writes <dir>/measures.txt, the Kennungen of the 1,000
// measures, one per line, for:  tolvar <dir> select $(cat <dir>/measures.txt) , run BT_FT_FPToMAS
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>

#include "Host.h"
#include "LargeProject.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: generate_large_project <dir> [BT objects]\n";
    return 2;
  }
  try {
    const std::filesystem::path dir = argv[1];
    const std::int32_t btObjects = argc == 3 ? std::stoi(argv[2]) : 200000;
    const auto started = std::chrono::steady_clock::now();
    host::ProjectBuilder project;
    const std::vector<std::string> measures = host::LargeProject::plan(project, btObjects);
    project.write(dir);
    std::ofstream list(dir / "measures.txt");
    for (const std::string& measure : measures) list << measure << '\n';
    if (!list.flush()) throw host::HostError("cannot write " + (dir / "measures.txt").string());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::cout << "wrote " << dir.string() << " in " << took.count() << " s\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "generate_large_project: " << e.what() << "\n";
    return 1;
  }
}
