#pragma once

#include <QString>
#include <string_view>

namespace hashwell::ui {

// The program's UTF-16 text as Qt's.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace hashwell::ui
