// Painting a window: its background, its backdrop picture, then its Paint
// event with a Graphics object for the paint.
#include "windowinput.h"
#include "windowevents.h"
#include "graphics.h"
#include "picture.h"
#include "uistate.h"

void EraseWindow(RuntimeWindow* window, HDC dc) {
    RECT client;
    GetClientRect(window->hwnd, &client);
    if (window->hasBackColor) {
        HBRUSH brush = CreateSolidBrush(window->backColor);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
    } else {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    }
}

void PaintWindow(RuntimeWindow* window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window->hwnd, &paint);
    ObjectRef object(LockedObject(window->object));
    WindowFields* w = AsWindow(object.get());
    if (w->backdrop) DrawPicture(dc, w->backdrop, 0, 0);
    if (HasWindowHandler(object.get(), WindowEvent::Paint)) {
        RECT client;
        GetClientRect(window->hwnd, &client);
        ObjectRef graphics(NewGraphics(dc, client.right, client.bottom));
        SendWindowEvent(object.get(), WindowEvent::Paint, reinterpret_cast<uint32_t>(graphics.get()));
        DetachGraphics(graphics.get());
    }
    EndPaint(window->hwnd, &paint);
}
