// The three mouse events of the placard, the pop-up arrow and the image
// well, which pass the mouse position in window coordinates.
#pragma once
#include "runtime.h"

namespace apctl {

struct MouseEvents {
    plugin::EventDefinition events[3] = {
        {"MouseDown(X As Integer, Y As Integer) As Boolean", nullptr},
        {"MouseDrag(X As Integer, Y As Integer)", nullptr},
        {"MouseUp(X As Integer, Y As Integer)", nullptr}};

    bool Down(Instance* instance, int x, int y) { return FireMouseEvent(instance, events[0], x, y); }
    void Drag(Instance* instance, int x, int y) { Fire(instance, events[1], x, y); }
    void Up(Instance* instance, int x, int y) { Fire(instance, events[2], x, y); }

private:
    static void Fire(Instance* instance, const plugin::EventDefinition& event, int x, int y) {
        using Handler = void (*)(Instance*, int, int);
        if (auto handler = reinterpret_cast<Handler>(EventRoutine(instance, event.reference)))
            handler(instance, x, y);
    }
};

} // namespace apctl
