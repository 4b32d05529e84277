#include "core/app/interrupted_saves.h"

#include <string>
#include <vector>

#include "core/shared/message_boxes.h"
#include "platform/platform.h"
#include "platform/unicode.h"

namespace hashwell::core {

void ReportInterruptedSaves(Dialogs& dialogs) {
    const std::vector<platform::InterruptedRewrite> rewrites = platform::FindInterruptedRewrites();
    if (rewrites.empty()) {
        return;
    }
    std::u16string text =
        rewrites.size() == 1
            ? u"Hashwell was stopped before it finished rewriting the file below, so it may be "
              u"incomplete. The content it had before is kept in a copy."
            : u"Hashwell was stopped before it finished rewriting the files below, so they may be "
              u"incomplete. The content each had before is kept in a copy.";
    for (const platform::InterruptedRewrite& rewrite : rewrites) {
        text += u"\n\nFile: " + platform::ReadableText(rewrite.file) + u"\nCopy: " +
                platform::ReadableText(rewrite.copy);
    }
    text +=
        u"\n\nRestore an incomplete file from its copy. Hashwell names a copy at every start "
        u"until it is deleted or its file is restored.";
    ShowWarning(dialogs, u"Interrupted Save", std::move(text));
}

}  // namespace hashwell::core
