// A runtime window made by RuntimeCreateWindow from a description, to which
// a test adds controls as the window's creation does (the control object,
// then its class's CreatePane handler). Messages go through the runtime's
// own window procedures and keyboard pre-processing.
#pragma once
#include "ui/controlbase.h"
#include "ui/pane.h"
#include <windows.h>

// The host's runtime has one picture, project object 1: red, this size.
constexpr int kTestPictureSize = 16;

class ControlHost {
public:
    ControlHost(int width, int height);
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // A new control of the class at the bounds (left, top, width, height),
    // as the window creates it: visible, enabled, not in a control array,
    // without a pane. The host holds one reference.
    ObjectInstance* New(ClassRecord* cls, int left, int top, int width, int height);
    // Runs the class's built-in CreatePane handler.
    void CreatePane(ObjectInstance* control);
    // Closes the window, as the user or the program would.
    void CloseWindow();

    HWND hwnd() const { return window_ ? window_->hwnd : nullptr; }
    RuntimeWindow* window() { return window_; }
    // Runs the loop's message handling for that long: keyboard
    // pre-processing, dispatch, periodic tasks.
    static void Pump(DWORD milliseconds);

private:
    ObjectInstance* object_ = nullptr;
    RuntimeWindow* window_ = nullptr;
    ObjectInstance* controls_[64] = {};
    int count_ = 0;
};

// Input as a person gives it, at client coordinates of a window.
void ClickAt(HWND window, int x, int y);
void TypeText(const char* text);
void PressKey(WORD virtualKey, WORD modifier = 0);
// Presses at one point, moves to another and releases there.
void DragFrom(HWND window, int x, int y, int toX, int toY);
