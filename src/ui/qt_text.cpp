#include "ui/qt_text.h"

#include <QFile>
#include <algorithm>

#include "platform/unicode.h"

namespace hashwell::ui {

std::u16string BoxText(const QTextDocument& document) {
    std::u16string text = document.toRawText().toStdU16String();
    std::replace(text.begin(), text.end(), char16_t{QChar::ParagraphSeparator}, u'\n');
    return text;
}

platform::Path PathFromQt(const QString& path) {
    if constexpr (platform::kNamesAreBytes) {
        // Qt's encoding gives back the name's own bytes, which the program keeps.
        return platform::DecodeNativeBytes(QFile::encodeName(path).toStdString());
    }
    return path.toStdU16String();
}

}  // namespace hashwell::ui
