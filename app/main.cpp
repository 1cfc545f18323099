// Tessivo: the desktop window by default; "make", "decode" and "catalogue" run without one.

#include <QApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/GuiMain.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto exitCode = tessivo::app::RunCommandLine(args, std::cout, std::cerr)) {
        return *exitCode;
    }
    return tessivo::app::RunWindow(argc, argv, args);
}
