// Reading ahead: pieces come in order and whole, a short read is the end and nothing past it is
// read, and a read error or a change of the source leaves a failed piece, never a code.

#include "digest/overlapped_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/unicode.h"
#include "support/scratch_folder.h"

namespace hashwell::digest {
namespace {

// Hands out the bytes of `text`, as many as asked, except where the script says otherwise.
class ScriptedSource final : public ByteSource {
public:
    explicit ScriptedSource(std::string text) : text_(std::move(text)) {}
    std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size,
                                    std::u16string* reason) override {
        ++reads;
        if (reads == failAtRead) {
            *reason = u"Input/output error";
            return std::nullopt;
        }
        std::size_t give = std::min(size, text_.size() - at_);
        if (reads == shortAtRead) {
            give = std::min<std::size_t>(give, 3);
        }
        std::copy_n(text_.data() + at_, give, buffer);
        at_ += give;
        return give;
    }
    bool ReadAsOpened() const override { return asOpened; }

    int reads = 0;
    int failAtRead = 0;   // the read that fails, counting from 1; 0 for none
    int shortAtRead = 0;  // the read that gives only 3 bytes
    bool asOpened = true;

private:
    std::string text_;
    std::size_t at_ = 0;
};

// Everything the reader hands out until the last piece; when that one failed, not its bytes but
// " FAILED: " and the reason.
std::string ReadAll(OverlappedReader& reader, ByteSource& source,
                    std::uint64_t expectedSize = OverlappedReader::kUnknownSize) {
    reader.Start(source, expectedSize);
    std::string bytes;
    std::u16string reason;
    for (Piece piece; !piece.last;) {
        piece = reader.Next(&reason);
        if (piece.failed) {
            return bytes + " FAILED: " + platform::Utf16ToUtf8(reason);
        }
        bytes.append(piece.bytes.begin(), piece.bytes.end());
    }
    return bytes;
}

TEST(OverlappedReader, PiecesComeWholeAndInOrderWhateverTheSourceLengthAndWhatWasLeft) {
    OverlappedReader reader(16, 3);  // one reader for every source
    ASSERT_TRUE(reader.Ready());
    std::string text;
    while (text.size() < 1000) {
        text += "abcdefghijklmnopqrstuvwxyz";
    }
    for (const std::size_t length : {0, 1, 15, 16, 17, 48, 1000}) {
        ScriptedSource left(text);  // left half-read: dropped for the next source
        reader.Start(left);
        reader.Next();
        ScriptedSource source(text.substr(0, length));
        EXPECT_EQ(ReadAll(reader, source), text.substr(0, length)) << length;
        // Told its size, a source of one piece is read without the thread; one that has grown
        // since is read to its end all the same.
        ScriptedSource told(text.substr(0, length));
        EXPECT_EQ(ReadAll(reader, told, length / 4), text.substr(0, length)) << length;
    }
}

TEST(OverlappedReader, ShortReadEndsTheSourceAndAReadErrorOrChangeFailsItWithItsReason) {
    OverlappedReader reader(16, 3);
    ScriptedSource source(std::string(100, 'x'));
    source.shortAtRead = 2;
    EXPECT_EQ(ReadAll(reader, source), std::string(19, 'x'));
    EXPECT_EQ(source.reads, 2) << "nothing past a short read";
    ScriptedSource failing(std::string(1000, 'x'));
    failing.failAtRead = 4;
    EXPECT_EQ(ReadAll(reader, failing), std::string(48, 'x') + " FAILED: Input/output error");
    EXPECT_EQ(failing.reads, 4) << "nothing past a read error";
    EXPECT_TRUE(reader.Next().failed) << "nothing past the last piece";
    // A short read from a source that then reports a change: none of its bytes count.
    ScriptedSource changed(std::string(100, 'x'));
    changed.shortAtRead = 2;
    changed.asOpened = false;
    EXPECT_EQ(ReadAll(reader, changed),
              std::string(16, 'x') + " FAILED: " + platform::Utf16ToUtf8(kChangedWhileRead));
}

TEST(OverlappedReader, FileThatShrinksWhileReadFails) {
    test::ScratchFolder folder;
    const std::filesystem::path path = folder.Write("data.bin", std::string(1 << 20, 'd'));
    std::optional<platform::ReadOnlyFile> file =
        platform::ReadOnlyFile::OpenRegular(test::ToUtf16(path));
    ASSERT_TRUE(file);
    OverlappedReader reader(4096, 3);
    FileSource source(*file);
    reader.Start(source);
    reader.Next();
    std::error_code refused;  // Windows keeps writers out while the file is read
    std::filesystem::resize_file(path, 10000, refused);
    Piece piece;
    do {
        piece = reader.Next();
    } while (!piece.last);
    EXPECT_EQ(piece.failed, !refused);
}

}  // namespace
}  // namespace hashwell::digest
