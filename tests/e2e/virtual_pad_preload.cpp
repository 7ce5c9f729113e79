// Preloaded into the real program (LD_PRELOAD) to give it a game controller: when the program
// starts SDL's game-controller subsystem, a virtual DualSense is attached, and a thread plays
// the lines of the FIFO named by $JOYVANE_TEST_PAD into it: "down N" and "up N" press and
// release button N (SDL's button order: 0 is A, Cross).
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/virtual_pad.h"

namespace joyvane::testing {
namespace {

SDL_Joystick* pad = nullptr;

void play(std::string fifo) {
    FILE* commands = std::fopen(fifo.c_str(), "r");
    if (commands == nullptr) {
        return;
    }
    char word[16];
    int button = 0;
    while (std::fscanf(commands, "%15s %d", word, &button) == 2) {
        SDL_JoystickSetVirtualButton(pad, button, std::string(word) == "down" ? 1 : 0);
    }
    std::fclose(commands);
}

}  // namespace
}  // namespace joyvane::testing

using joyvane::testing::pad;

extern "C" int SDL_InitSubSystem(Uint32 flags) {
    using Init = int (*)(Uint32);
    static auto real = reinterpret_cast<Init>(dlsym(RTLD_NEXT, "SDL_InitSubSystem"));
    int result = real(flags);
    const char* fifo = std::getenv("JOYVANE_TEST_PAD");
    if (result == 0 && pad == nullptr && (flags & SDL_INIT_GAMECONTROLLER) != 0 && fifo) {
        pad = joyvane::testing::attachVirtualPad(0x054C, 0x0CE6).joystick;
        std::thread(joyvane::testing::play, std::string(fifo)).detach();
    }
    return result;
}
