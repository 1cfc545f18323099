#pragma once
// The modes that need no display: --help, --version, make, decode, catalogue.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tessivo::app {

// Runs a command-line mode when `args` asks for one and returns its exit code; returns nothing
// when the arguments are for the window (no mode named).
std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                  std::ostream& err);

std::string UsageText();

}  // namespace tessivo::app
