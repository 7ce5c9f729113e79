#include "simtool/help.h"

namespace joyvane::simtool {

std::string_view helpText() {
    return R"(Usage: joyvane-sim [--settings SETTINGS] [FILE]
Runs the Joyvane engine and on-screen keyboard on virtual time against an in-memory desktop,
fed by a scenario FILE (standard input when none is given), and prints every call they make
to the desktop. With --settings, the engine reads its settings from SETTINGS at start and
writes them there after each change and at the end of the run, as the program does with
~/.config/joyvane/settings.json; without it nothing is read or written. Exit status: 0 when the scenario ran; 2 when a line cannot be read, with
"joyvane-sim: line N: what is wrong" on standard error and nothing on standard output.

Scenario format
  One command a line; '#' starts a comment; blank lines are ignored; words are separated by
  spaces; a word with spaces is written in double quotes. Virtual time starts at 0 seconds.
  Commands that take no time run at the current time. Jobs queued on the main queue run when
  time moves (at, wait; "wait 0" runs just them).

Set-up (before start, or later where it makes sense)
  screen X Y W H [visible VX VY VW VH]   add a screen (origin bottom-left of the primary
                                         screen, y up); the first is the primary screen.
                                         Default: one screen 0 0 1440 900.
  pointer X Y                            the pointer in global display coordinates (origin
                                         top-left, y down). Default: middle of the primary.
  languages [TAG,TAG,...]                preferred languages; no TAG: an empty list.
                                         Default: en-US.
  trusted yes|no                         the accessibility trust answer. Default: yes.
  controller ID category TEXT [vendor TEXT] [touchpad] [no-profile] [no-options-button]
             [no-stick-buttons] [battery LEVEL STATE]
                                         define a controller; STATE is unknown,
                                         discharging, charging or full.
  present ID                             connected before start (no notice)
  start                                  create the engine

Controller input (to "on ID" at the end of the line, else the one most recently connected)
  connect ID, disconnect ID              change the controllers list and post the notice
  stick left|right X Y                   set a thumbstick (read by the input loop)
  dpad X Y, touch X Y                    set the d-pad or touchpad; handlers run at once
  press ELEMENT, release ELEMENT         ELEMENT: buttonA buttonB buttonX buttonY
                                         leftShoulder rightShoulder leftTrigger rightTrigger
                                         buttonMenu buttonOptions leftThumbstickButton
                                         rightThumbstickButton touchpadButton
  battery LEVEL STATE, battery none

Desktop
  front APP PID ROLE [children ROLE,ROLE,...]
                                         the frontmost application (self: this program) and
                                         the role of its focused element; ROLE error makes the
                                         read fail, none yields no role
  front none                             no frontmost application (the default)

What the interface would do
  set FIELD VALUE                        a setting by field name (sensitivity, deadzone,
                                         isEnabled, keyboardFeatureEnabled, ...)
  map BUTTON ACTION, unmap BUTTON, combo BUTTON BUTTON ACTION
                                         buttons and actions by case name (cross,
                                         leftClick, ...)
  reset-settings, refresh-battery, toggle-keyboard, reconnect, launch-at-login true|false

Time and inspection
  at T                                   advance virtual time to T seconds (at most 86400)
  wait D                                 advance by D seconds
  print NAME...                          print engine or keyboard fields by name

Output: one line per call, starting with the virtual time (%.4f)
  T warp X Y
  T mouse TYPE x=X y=Y button=B [dx=DX dy=DY]
  T scroll wheel1=W1 wheel2=W2
  T key down|up CODE flags=0xHEX [text="C"]
  T panel build|front|out
  T open URL | T open login-items | T reveal PATH | T prompt accessibility
  T print NAME=VALUE ...
)";
}

}  // namespace joyvane::simtool
