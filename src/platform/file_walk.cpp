#include "platform/file_walk.h"

#include <algorithm>

#include "platform/path_parts.h"

namespace hashwell::platform {
namespace {

constexpr std::u16string_view kLoop = u"File system loop detected";

}  // namespace

FileWalk::FileWalk(std::vector<Path> operands, bool recursive, bool followLinks)
    : operands_(std::move(operands)), recursive_(recursive), followLinks_(followLinks) {}

std::optional<WalkItem> FileWalk::Enter(const Path& folder) {
    const std::optional<FileIdentity> identity = IdentityOf(folder);
    // A link that leads back up would be walked forever.
    const bool loop = identity && std::any_of(levels_.begin(), levels_.end(), [&](const Level& l) {
                          return l.identity == identity;
                      });
    if (loop) {
        return WalkItem{WalkItem::Kind::Error, folder, std::u16string(kLoop)};
    }
    std::u16string reason;
    std::optional<std::vector<FolderEntry>> entries = ListFolder(folder, &reason);
    if (!entries) {
        return WalkItem{WalkItem::Kind::Error, folder, reason};
    }
    levels_.push_back({folder, std::move(*entries), 0, identity});
    return std::nullopt;
}

std::optional<WalkItem> FileWalk::Next() {
    for (;;) {
        if (!levels_.empty()) {
            Level& level = levels_.back();
            if (level.next == level.entries.size()) {
                levels_.pop_back();
                continue;
            }
            const FolderEntry& entry = level.entries[level.next++];
            Path path = JoinPath(level.folder, entry.name);
            switch (entry.kind) {
                case PathKind::Folder:
                    if (entry.isLink && !followLinks_) {
                        continue;
                    }
                    if (std::optional<WalkItem> error = Enter(path)) {
                        return error;
                    }
                    continue;
                case PathKind::Other:
                    return WalkItem{WalkItem::Kind::Error, std::move(path),
                                    std::u16string(kNotRegularFile)};
                case PathKind::RegularFile:
                case PathKind::Missing:  // a dangling link: opening tells why
                    return WalkItem{WalkItem::Kind::File, std::move(path), {}};
            }
        }
        if (nextOperand_ == operands_.size()) {
            return std::nullopt;
        }
        const Path& operand = operands_[nextOperand_++];
        if (operand == u"-") {
            return WalkItem{WalkItem::Kind::StandardInput, operand, {}};
        }
        if (recursive_ && KindOf(operand) == PathKind::Folder) {
            if (std::optional<WalkItem> error = Enter(operand)) {
                return error;
            }
            continue;
        }
        // Without --recursive a folder is opened like a file, which reports it.
        return WalkItem{WalkItem::Kind::File, operand, {}, true};
    }
}

}  // namespace hashwell::platform
