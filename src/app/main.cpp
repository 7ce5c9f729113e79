#include <iostream>

#include "app/command_line.h"
#include "app/joyvane_app.h"

int main(int argc, char** argv) {
    if (auto status = joyvane::app::answerCommandLine(argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    return joyvane::app::runJoyvane(argc, argv);
}
