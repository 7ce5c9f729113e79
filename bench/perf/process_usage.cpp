#include "process_usage.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace joyvane::perf {

long long cpuNanoseconds(pid_t pid) {
    std::error_code failed;
    std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", failed);
    if (failed) {
        return -1;
    }
    long long total = 0;
    for (const auto& task : tasks) {
        std::ifstream in(task.path() / "schedstat");
        long long running = 0;
        if (in >> running) {
            total += running;
        }
    }
    return total;
}

double residentMegabytes(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (in >> key) {
        if (key == "VmRSS:") {
            double kilobytes = 0;
            in >> kilobytes;
            return kilobytes / 1024.0;
        }
        std::string rest;
        std::getline(in, rest);
    }
    return -1;
}

}  // namespace joyvane::perf
