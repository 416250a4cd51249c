// One copy of the program per user session. The first copy holds a named mutex; a copy
// started while it runs asks the first to bring its control bar out, so the presenter
// sees where the program is, and leaves without touching the tray or the settings.
#pragma once
#include <windows.h>

#include "ui/Handles.h"

class SingleInstance {
public:
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool First() const { return first_; }
    // In a later copy: asks the first copy's control bar to come out. False when the
    // first copy did not answer in time (hung, or its windows never appeared).
    bool BringOutFirst() const;

    // The message the first copy's control bar answers by coming out.
    static UINT BringOutMessage();

private:
    ui::UniqueKernelHandle mutex_;
    bool first_ = true;
};
