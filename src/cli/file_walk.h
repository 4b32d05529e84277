#pragma once

// The files a command line names, one at a time: the operands in their order, and with
// --recursive the files below each folder operand, folder by folder in sorted order. Only what
// is needed next is looked at, so a walk over millions of files holds one folder's names per
// level.

#include <optional>
#include <vector>

#include "platform/platform.h"

namespace hashwell::cli {

struct WalkItem {
    enum class Kind {
        File,           // to be opened and read; opening reports what it is not
        StandardInput,  // the operand "-"
        Error,          // skipped, for the reason given
    };
    Kind kind;
    platform::Path path;  // the operand, or the operand joined with the names below it
    std::u16string reason;
    bool named = false;  // an operand: a pipe or a device there is read, never one found below
};

class FileWalk {
public:
    // `followLinks`: symbolic links to folders are walked too; otherwise they are passed over.
    FileWalk(std::vector<platform::Path> operands, bool recursive, bool followLinks);

    // The next item, or nothing once the walk has ended.
    std::optional<WalkItem> Next();

private:
    struct Level {
        platform::Path folder;
        std::vector<platform::FolderEntry> entries;
        std::size_t next = 0;
        std::optional<platform::FileIdentity> identity;
    };
    // Starts walking a folder; an Error item when it cannot be listed.
    std::optional<WalkItem> Enter(const platform::Path& folder);

    std::vector<platform::Path> operands_;
    std::size_t nextOperand_ = 0;
    bool recursive_;
    bool followLinks_;
    std::vector<Level> levels_;
};

}  // namespace hashwell::cli
