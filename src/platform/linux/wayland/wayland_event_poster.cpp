#include "platform/linux/wayland/wayland_event_poster.h"

namespace joyvane::wayland {

WaylandEventPoster::WaylandEventPoster(std::unique_ptr<EvdevSink> sink, PointerSpace& space,
                                       std::shared_ptr<const KeymapLookup> keymap,
                                       std::shared_ptr<const KeymapLookup> shortcuts)
    : sink_(std::move(sink)), space_(space) {
    if (sink_) {
        translator_.emplace(*sink_, std::move(keymap), std::move(shortcuts), space_.pointerArea());
    }
}

WaylandEventPoster::~WaylandEventPoster() {
    translator_.reset();  // lets go of held buttons and keys while the sink is still there
}

void WaylandEventPoster::setKeymap(std::shared_ptr<const KeymapLookup> keymap) {
    if (translator_) {
        translator_->setKeymap(std::move(keymap));
    }
}

void WaylandEventPoster::followArea() {
    PointerArea area = space_.pointerArea();
    if (translator_ && area != translator_->area() && sink_->setPointerArea(area)) {
        translator_->setArea(area);
    }
}

void WaylandEventPoster::warp(Point position) {
    space_.rememberPointer(position);
    if (translator_) {
        followArea();
        translator_->moveTo(position);
    }
}

bool WaylandEventPoster::post(const MouseEvent& event) {
    if (event.type == MouseEventType::mouseMoved ||
        event.type == MouseEventType::leftMouseDragged ||
        event.type == MouseEventType::rightMouseDragged) {
        space_.rememberPointer(event.position);
        followArea();
    }
    return translator_ && translator_->post(event);
}

bool WaylandEventPoster::post(const ScrollEvent& event) {
    return translator_ && translator_->post(event);
}

bool WaylandEventPoster::post(const KeyEvent& event) {
    if (!translator_) {
        return false;
    }
    std::u16string unplaced;
    bool ok = translator_->post(event, &unplaced);
    if (!unplaced.empty()) {
        if (!typeText_) {
            return false;
        }
        typeText_(unplaced);
    }
    return ok;
}

void WaylandEventPoster::releaseAll() {
    if (translator_) {
        translator_->releaseAll();
    }
}

}  // namespace joyvane::wayland
