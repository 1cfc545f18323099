#pragma once
// The command-line modes. Each takes the arguments after its name and returns the exit code:
// 0 on success, 1 when the work failed (the reason on `err`), 2 for bad arguments.

#include <iosfwd>
#include <string>
#include <vector>

namespace tessivo::app {

int RunMake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDecode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCatalogue(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string MakeUsage();
std::string DecodeUsage();
std::string CatalogueUsage();

}  // namespace tessivo::app
