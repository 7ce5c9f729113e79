#include "simtool/call_printer.h"

#include "simtool/text_format.h"

namespace joyvane::simtool {

namespace {

struct MouseTypeName {
    const char* name;
    bool carriesDeltas;
};

MouseTypeName mouseTypeName(MouseEventType type) {
    switch (type) {
        case MouseEventType::mouseMoved:
            return {"moved", true};
        case MouseEventType::leftMouseDragged:
            return {"leftDragged", true};
        case MouseEventType::rightMouseDragged:
            return {"rightDragged", true};
        case MouseEventType::leftMouseDown:
            return {"leftDown", false};
        case MouseEventType::leftMouseUp:
            return {"leftUp", false};
        case MouseEventType::rightMouseDown:
            return {"rightDown", false};
        case MouseEventType::rightMouseUp:
            return {"rightUp", false};
        case MouseEventType::otherMouseDown:
            return {"otherDown", false};
        case MouseEventType::otherMouseUp:
            return {"otherUp", false};
    }
    return {"unknown", false};
}

const char* panelActionName(sim::PanelAction action) {
    switch (action) {
        case sim::PanelAction::build:
            return "build";
        case sim::PanelAction::front:
            return "front";
        case sim::PanelAction::out:
            return "out";
    }
    return "unknown";
}

std::string describe(const sim::WarpCall& call) {
    return "warp " + fixedText(call.position.x, 2) + " " + fixedText(call.position.y, 2);
}

std::string describe(const MouseEvent& event) {
    MouseTypeName type = mouseTypeName(event.type);
    std::string text = std::string("mouse ") + type.name + " x=" + fixedText(event.position.x, 2) +
                       " y=" + fixedText(event.position.y, 2) +
                       " button=" + std::to_string(event.button);
    if (type.carriesDeltas) {
        text += " dx=" + std::to_string(event.deltaX) + " dy=" + std::to_string(event.deltaY);
    }
    return text;
}

std::string describe(const ScrollEvent& event) {
    return "scroll wheel1=" + std::to_string(event.wheel1) +
           " wheel2=" + std::to_string(event.wheel2);
}

std::string describe(const KeyEvent& event) {
    std::string text = std::string("key ") + (event.down ? "down " : "up ") +
                       std::to_string(event.keyCode) + " flags=" + hexText(event.flags);
    if (!event.text.empty()) {
        text += " text=\"" + utf8FromUtf16(event.text) + "\"";
    }
    return text;
}

std::string describe(const sim::PanelCall& call) {
    return std::string("panel ") + panelActionName(call.action);
}

std::string describe(const sim::OpenURLCall& call) {
    return "open " + call.url;
}
std::string describe(const sim::LaunchAtLoginCall&) {
    return "open login-items";
}
std::string describe(const sim::RevealCall& call) {
    return "reveal " + call.path;
}
std::string describe(const sim::PromptCall&) {
    return "prompt accessibility";
}

}  // namespace

std::string formatTime(Time time) {
    return fixedText(time, 4);
}

std::string formatCall(const sim::LoggedCall& call) {
    return formatTime(call.time) + " " +
           std::visit([](const auto& c) { return describe(c); }, call.call);
}

}  // namespace joyvane::simtool
