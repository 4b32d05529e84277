#pragma once

// The help file as the help window reads it: through the help reader program, in a process of
// its own. libchm is unmaintained and a crafted file crashes or stalls it; the help file is
// looked up first in whatever folder the program was started from, so the reader gets small
// limits of its own, and the window gives up on it after a while and ends it. Whatever it does,
// the window gets an answer: at worst, that the file is damaged.

#include <sys/types.h>

#include <chrono>
#include <string_view>

#include "helpfile/reader_protocol.h"
#include "platform/platform.h"

namespace hashwell::helpfile {

// Found beside the program in the build, in libexec/hashwell/ when installed.
inline constexpr std::u16string_view kReaderProgramName = u"hashwell-help-reader";

// The reader program of the program at `programPath`: beside it where it was built, in
// ../libexec/hashwell/ where it was installed (a helper no user runs by hand).
platform::Path FindReaderProgram(const platform::Path& programPath);

// One help file, open in one reader process for as long as the object lives.
class HelpReader {
public:
    // How long one answer (the opening of the file included) may take before the reader is
    // taken for stuck and ended.
    static constexpr std::chrono::milliseconds kAnswerTime{4000};

    // Starts `program` on `file` and waits for it to open the file.
    HelpReader(const platform::Path& program, const platform::Path& file,
               std::chrono::milliseconds answerTime = kAnswerTime);
    ~HelpReader();
    HelpReader(const HelpReader&) = delete;
    HelpReader& operator=(const HelpReader&) = delete;

    // Found while the reader works. Unreadable when the file or the reader program could not
    // be opened; Damaged when the file is no help file, or the reader crashed, stalled or said
    // what is no answer; it is then ended, and every later request is answered with this.
    ReadStatus Status() const { return status_; }

    // An object of the file ("index.html"): Found with its bytes, Missing, or Damaged.
    Answer Page(std::string_view name);
    // The bytes of the file's contents list (a sitemap, for ParseSitemap), or Missing.
    Answer Contents();

private:
    Answer Ask(const Request& request);
    void Fail(ReadStatus status);

    std::chrono::milliseconds answerTime_;
    ReadStatus status_ = ReadStatus::Damaged;
    int socket_ = -1;
    pid_t process_ = -1;
};

}  // namespace hashwell::helpfile
