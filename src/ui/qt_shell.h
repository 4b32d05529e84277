#pragma once

#include "core/desktop/shell.h"

namespace hashwell::ui {

// Web addresses opened by the desktop's URL handler (the user's browser).
class QtShell : public virtual core::Shell {
public:
    bool OpenWebAddress(std::u16string_view address) override;
};

}  // namespace hashwell::ui
