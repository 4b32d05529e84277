#include "core/verify/verdict.h"

#include <string>
#include <vector>

#include "core/shared/amounts.h"

namespace hashwell::core {
namespace {

std::u16string Files(std::size_t count) {
    return GroupedCount(count) + (count == 1 ? u" file" : u" files");
}

}  // namespace

MessageBoxRequest VerdictBox(const VerifyTally& tally) {
    const std::size_t notOk = tally.failed + tally.missing + tally.unreadable;
    std::u16string text;
    if (notOk == 0) {
        text = tally.lines == 1 ? u"The file is OK."
                                : std::u16string(u"All ") + Files(tally.lines) + u" OK.";
    } else {
        // The first of what went wrong carries the total: "3 of 24 files FAILED, 1 missing".
        std::vector<std::u16string> parts;
        for (const auto& [count, word] :
             {std::pair{tally.failed, u" FAILED"}, std::pair{tally.missing, u" missing"},
              std::pair{tally.unreadable, u" unreadable"}}) {
            if (count > 0) {
                parts.push_back(parts.empty()
                                    ? GroupedCount(count) + u" of " + Files(tally.lines) + word
                                    : GroupedCount(count) + word);
            }
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0) {
                text += u", ";
            }
            text += parts[i];
        }
        text += u".";
    }
    if (tally.malformed > 0) {
        text += std::u16string(u" ") + GroupedCount(tally.malformed) +
                (tally.malformed == 1 ? u" line is not a checksum line."
                                      : u" lines are not checksum lines.");
    }
    const bool good = notOk == 0 && tally.malformed == 0;
    return {u"Verification", text, good ? MessageIcon::Information : MessageIcon::Warning,
            MessageButtons::Ok};
}

}  // namespace hashwell::core
