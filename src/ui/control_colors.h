#pragma once

#include <QColor>
#include <map>

class QWidget;

namespace hashwell::ui {

// Background values besides colours, as the program's windows register them.
inline constexpr int kHollowBackground = -1;     // the parent shows through
inline constexpr int kButtonFaceBackground = 0;  // transparent over the button-face colour

// Packs a colour as the background value of an entry.
constexpr int RgbValue(int red, int green, int blue) {
    return red | green << 8 | blue << 16;
}

// The colours some controls draw with instead of the window's: a text colour and a
// background, applied to the control at once. Setting a control again replaces its entry.
class ControlColors {
public:
    void Set(int controlId, QWidget* control, const QColor& text, int background);
    bool Has(int controlId) const { return entries_.count(controlId) != 0; }

private:
    struct Entry {
        QColor text;
        int background;
    };
    std::map<int, Entry> entries_;
};

}  // namespace hashwell::ui
