#pragma once

// Text between the program's UTF-16 and Qt's QString.

#include <QString>
#include <QTextDocument>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace hashwell::ui {

// The program's UTF-16 text as Qt's.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The text that stands in a text box, as the program hashes and copies it. Only the box's own
// paragraph breaks become line feeds; every other character stays as it is, where Qt's plain
// text would also turn no-break spaces into spaces and line separators into line feeds.
std::u16string BoxText(const QTextDocument& document);

// A path Qt hands over, as the program's path: on POSIX systems through the bytes of the name,
// so that it names the same file.
platform::Path PathFromQt(const QString& path);

}  // namespace hashwell::ui
