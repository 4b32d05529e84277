#pragma once

// The files a list of paths names, one at a time: the paths in their order, and when walking
// recursively the files below each folder, folder by folder in sorted order. The window's runs
// and the command line walk the same way. Only what is needed next is looked at, so a walk
// over millions of files holds one folder's names per level.

#include <optional>
#include <vector>

#include "platform/platform.h"

namespace hashwell::platform {

struct WalkItem {
    enum class Kind {
        File,           // to be opened and read; opening reports what it is not
        StandardInput,  // the operand "-"
        Error,          // skipped, for the reason given
    };
    Kind kind;
    Path path;  // the operand, or the operand joined with the names below it
    std::u16string reason;
    bool named = false;  // an operand: a pipe or a device there is read, never one found below
};

class FileWalk {
public:
    // `followLinks`: symbolic links to folders are walked too; otherwise they are passed over,
    // so that no walk can loop. Links to files are always followed.
    FileWalk(std::vector<Path> operands, bool recursive, bool followLinks);

    // The next item, or nothing once the walk has ended.
    std::optional<WalkItem> Next();

private:
    struct Level {
        Path folder;
        std::vector<FolderEntry> entries;
        std::size_t next = 0;
        std::optional<FileIdentity> identity;
    };
    // Starts walking a folder; an Error item when it cannot be listed.
    std::optional<WalkItem> Enter(const Path& folder);

    std::vector<Path> operands_;
    std::size_t nextOperand_ = 0;
    bool recursive_;
    bool followLinks_;
    std::vector<Level> levels_;
};

}  // namespace hashwell::platform
