// Drives a common file dialog of this process from a thread of its own, as a
// person would: waits for the dialog, reads its file-name field, types a
// name there and presses a button. A dialog it cannot fill is cancelled, so
// that no test hangs in the dialog's modal loop.
#pragma once
#include <windows.h>
#include <string>
#include <thread>

class FileDialogDriver {
public:
    // typed empty: press Cancel without typing.
    explicit FileDialogDriver(std::string typed);
    ~FileDialogDriver();
    FileDialogDriver(const FileDialogDriver&) = delete;
    FileDialogDriver& operator=(const FileDialogDriver&) = delete;

    // Waits for the thread; then what the field held when the dialog came up,
    // and whether the dialog was found and answered as asked.
    void Finish();
    const std::string& shownName() const { return shownName_; }
    bool answered() const { return answered_; }

private:
    void Drive();

    std::string typed_;
    std::string shownName_;
    bool answered_ = false;
    std::thread thread_;
};
