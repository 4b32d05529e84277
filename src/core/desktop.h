#pragma once

// The port through which the core drives the desktop: windows, controls, dialogs and message
// boxes. The Qt layer implements it for the real program, and a fake implements it for tests.

#include "platform/message_box.h"

namespace hashwell::core {

class Desktop : public platform::MessageBoxSink {
public:
    virtual ~Desktop() = default;
};

}  // namespace hashwell::core
