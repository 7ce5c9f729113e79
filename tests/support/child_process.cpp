#include "support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

extern char** environ;

namespace joyvane::testing {
namespace {

// Pointers to the texts, ended by a null pointer, as a new program takes them.
std::vector<char*> pointersTo(const std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (const std::string& text : texts) {
        pointers.push_back(const_cast<char*>(text.c_str()));
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

Environment currentEnvironment() {
    Environment environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string text = *entry;
        auto equals = text.find('=');
        if (equals != std::string::npos) {
            environment[text.substr(0, equals)] = text.substr(equals + 1);
        }
    }
    return environment;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Environment& environment,
                           const std::filesystem::path& output)
    : output_(output) {
    std::vector<std::string> pairs;
    for (const auto& [name, value] : environment) {
        pairs.push_back(name + "=" + value);
    }
    std::vector<char*> args = pointersTo(argv);
    std::vector<char*> env = pointersTo(pairs);
    std::string target = output.empty() ? std::string("/dev/null") : output.string();
    pid_ = ::fork();
    if (pid_ == 0) {
        // A group of its own, so the services a program starts end with it; no signal blocked.
        ::setpgid(0, 0);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::dup2(::open("/dev/null", O_RDONLY | O_CLOEXEC), 0);
        ::dup2(::open(target.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644), 1);
        ::dup2(1, 2);
        ::execvpe(args[0], args.data(), env.data());
        ::_exit(127);
    }
    if (pid_ > 0) {
        ::setpgid(pid_, 0);  // as the child does, so that its group is there from now on
    }
}

ChildProcess::~ChildProcess() {
    if (running()) {
        signalGroup(SIGCONT);
        signalGroup(SIGTERM);
        if (!waitForExit(std::chrono::milliseconds(500))) {
            signalGroup(SIGKILL);
            waitForExit(std::chrono::seconds(5));
        }
    }
    // Whatever the program left behind in its group goes too.
    signalGroup(SIGKILL);
}

bool ChildProcess::running() {
    int status = 0;
    if (pid_ > 0 && !status_ && waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = status;
    }
    return pid_ > 0 && !status_;
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds limit) {
    pollUntil([this] { return !running(); }, limit);
    return status_;
}

void ChildProcess::signalGroup(int signal) const {
    if (pid_ > 0) {
        kill(-pid_, signal);
    }
}

std::string ChildProcess::output() const {
    std::stringstream text;
    if (!output_.empty()) {
        text << std::ifstream(output_).rdbuf();
    }
    return text.str();
}

bool runToCompletion(const std::vector<std::string>& argv, const Environment& environment,
                     std::chrono::milliseconds limit) {
    auto status = ChildProcess(argv, environment).waitForExit(limit);
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

std::string describeStatus(int status) {
    if (WIFEXITED(status)) {
        return "exit " + std::to_string(WEXITSTATUS(status));
    }
    return WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                               : "status " + std::to_string(status);
}

int zombieChildren() {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        // pid (comm) state ppid ...: the name may hold spaces, so read after the last ')'.
        std::size_t close = std::getline(stat, line) ? line.rfind(')') : std::string::npos;
        if (close == std::string::npos || close + 4 > line.size()) {
            continue;
        }
        if (line[close + 2] == 'Z' && std::stol(line.substr(close + 4)) == ::getpid()) {
            ++zombies;
        }
    }
    return zombies;
}

}  // namespace joyvane::testing
