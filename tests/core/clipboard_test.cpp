// Copying and pasting through the clipboard: the Copy Hash commands, Copy Codes, and the text
// boxes' menu items that act at the next mouse movement.

#include "core/clipboard/clipboard_commands.h"
#include "started_program.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;
using enum MenuItem;
using enum PopupMenu;

const MessageBoxRequest kCopied{u"Copied", u"Hash copied to clipboard!", MessageIcon::Information,
                                MessageButtons::Ok};

class ClipboardTest : public StartedProgram {
protected:
    // A right click on the box, the user choosing `item` in the menu that opens.
    void Choose(ControlRef boxId, MenuItem item) {
        desktop_.onPopupMenu = [this, item](PopupMenu) {
            desktop_.queue.push_back(MenuEvent(item));
        };
        Queue(ControlEvent(boxId, EventType::RightClick));
        desktop_.onPopupMenu = nullptr;
    }
    void MoveMouse() { Queue({EventKind::MouseMove, 0, WindowId::MainWindow}); }
};

TEST_F(ClipboardTest, EachBoxOpensItsMenuAndOnlyTheGridAndExportMenusAreNotDrained) {
    Start();
    for (const ControlRef box : {TextInput, TextHashBox, FileNameBox, FileHashBox, FileGrid}) {
        Queue(ControlEvent(box, EventType::RightClick));
    }
    Click(ButtonExportList);
    EXPECT_EQ(desktop_.popupMenus, (std::vector{PopupTextInput, PopupHashCode, PopupFileName,
                                                PopupHashCode, PopupGrid, PopupExport}));
    EXPECT_EQ(desktop_.drains, 4);
}

TEST_F(ClipboardTest, CopyTextActsOnceAtTheFirstMouseMovementAfterTheChoice) {
    Start();
    desktop_.controls[TextInput].text = u"some text";
    Choose(TextInput, ItemCopyText);
    EXPECT_TRUE(desktop_.clipboard.empty()) << "nothing before the mouse moves";
    MoveMouse();
    EXPECT_EQ(desktop_.clipboard, u"some text");
    EXPECT_EQ(desktop_.selected[TextInput], 9);
    EXPECT_EQ(desktop_.boxes, std::vector{kCopied});
    desktop_.clipboard.clear();
    MoveMouse();
    EXPECT_TRUE(desktop_.clipboard.empty()) << "not again at the second movement";
    Click(TabPanel);
    MoveMouse();
    EXPECT_TRUE(desktop_.clipboard.empty()) << "another event ends the choice";
    EXPECT_EQ(desktop_.boxes.size(), 1u);
}

TEST_F(ClipboardTest, CodeAndFileNameItemsCopyTheirBoxesAndQuitMenuDoesNothing) {
    Start();
    desktop_.controls[FileHashBox].text = u"ABCDEF01";
    desktop_.controls[FileNameBox].text = u"Filename: /data/x";
    desktop_.focused = FileHashBox;
    Choose(FileHashBox, ItemCopyCode);
    MoveMouse();
    EXPECT_EQ(desktop_.clipboard, u"ABCDEF01");
    Choose(FileNameBox, ItemCopyFileName);
    MoveMouse();
    EXPECT_EQ(desktop_.clipboard, u"Filename: /data/x");
    Choose(TextInput, ItemQuitTextMenu);
    MoveMouse();
    EXPECT_EQ(desktop_.clipboard, u"Filename: /data/x");
    // The code item copies only from a code box that has the focus.
    desktop_.focused = TextInput;
    Choose(TextHashBox, ItemCopyCode);
    MoveMouse();
    EXPECT_EQ(desktop_.clipboard, u"Filename: /data/x");
}

TEST_F(ClipboardTest, PasteReplacesABlankBoxAtOnceAndAFullOneOnlyAfterYes) {
    Start();
    Choose(TextInput, ItemPasteText);
    MoveMouse();  // an empty clipboard: nothing
    EXPECT_TRUE(desktop_.boxes.empty());
    desktop_.clipboard = u"pasted";
    desktop_.controls[TextInput].text = u"  ";
    Choose(TextInput, ItemPasteText);
    MoveMouse();
    EXPECT_EQ(desktop_.controls[TextInput].text, u"pasted");
    desktop_.clipboard = u"second";
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        desktop_.answers = {answer};
        Choose(TextInput, ItemPasteText);
        MoveMouse();
    }
    EXPECT_EQ(desktop_.controls[TextInput].text, u"second");
    EXPECT_EQ(desktop_.boxes.back(),
              (MessageBoxRequest{u"Overwrite", u"Do you want to overwrite the content of this box?",
                                 MessageIcon::Warning, MessageButtons::YesNo}));
}

TEST_F(ClipboardTest, CopyHashButtonEmptiesTheClipboardForAnEmptyBoxAndTheMenuLeavesIt) {
    Start();
    for (const int tab : {TabIndex::Text, TabIndex::File}) {
        const MainControl box = tab == TabIndex::Text ? TextHashBox : FileHashBox;
        desktop_.shownTab = tab;
        desktop_.clipboard = u"kept";
        ChooseMenu(MenuCopyHash);
        EXPECT_EQ(desktop_.clipboard, u"kept") << tab;
        Click(ButtonCopyHash);
        EXPECT_EQ(desktop_.clipboard, u"") << tab;
        EXPECT_TRUE(desktop_.boxes.empty());

        desktop_.controls[box].text = u"0a1b2c3d";
        Click(ButtonCopyHash);
        EXPECT_EQ(desktop_.clipboard, u"0a1b2c3d");
        desktop_.clipboard.clear();
        desktop_.focused = OptionMd5;
        ChooseMenu(MenuCopyHash);
        EXPECT_EQ(desktop_.clipboard, u"0a1b2c3d");
        EXPECT_EQ(desktop_.focused, OptionMd5);  // the menu's focus comes back
        EXPECT_EQ(desktop_.boxes, (std::vector{kCopied, kCopied}));
        desktop_.boxes.clear();
    }
    EXPECT_EQ(state_.helpTopic, u"hashguide_010.html");
}

TEST_F(ClipboardTest, CopyCodesCopiesTheSelectedRowAsPaddedLines) {
    Start();
    desktop_.gridColumns = {{u"File Name", 360}, {u"CRC-32B", 180}, {u"MD5", 180},
                            {u"SHA-1", 180},     {u"SHA-256", 180}, {u"SHA-3-256", 180}};
    desktop_.gridRows = {{u"/a", u"1", u"2", u"3", u"4", u"5"}};
    desktop_.shownTab = TabIndex::ListOfFiles;
    desktop_.clipboard = u"old";
    Click(ButtonCopyHash);
    EXPECT_EQ(desktop_.clipboard, u"") << "no row selected: the clipboard was only cleared";
    EXPECT_TRUE(desktop_.boxes.empty());

    desktop_.selectedRow = 0;
    ChooseMenu(ItemCopyCodes);
    EXPECT_EQ(desktop_.clipboard,
              u"File Name: /a\r\nCRC-32B  : 1\r\nMD5      : 2\r\nSHA-1    : 3\r\n"
              u"SHA-256  : 4\r\nSHA-3-256: 5");
    EXPECT_EQ(desktop_.boxes, std::vector{kCopied});

    desktop_.gridColumns = {{u"Only", 100}};
    GridRowToText(desktop_, FileGrid, u"\r\n");
    EXPECT_EQ(desktop_.clipboard, u"Only: /a");
    EXPECT_EQ(Spaces(0), u"");
    EXPECT_EQ(Spaces(-2), u"");
}

TEST_F(ClipboardTest, DragFromATextTabBoxDragsItsWholeText) {
    Start();
    desktop_.controls[TextInput].text = u"drag me";
    Queue(ControlEvent(TextInput, EventType::DragStart));
    desktop_.controls[TextHashBox].text = u"c0de";
    Queue(ControlEvent(TextHashBox, EventType::DragStart));
    Queue(ControlEvent(FileHashBox, EventType::DragStart));
    EXPECT_EQ(desktop_.drags, (std::vector<std::u16string>{u"drag me", u"c0de"}));
}

}  // namespace
}  // namespace hashwell::core
