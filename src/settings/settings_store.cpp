#include "settings/settings_store.h"

#include <new>

#include "settings/settings_document.h"

namespace hashwell::settings {
namespace {

// Groups, keys and defaults of the file; the group holding the keep-on-top flag carries the
// name it has always had in the file.
constexpr std::u16string_view kCaseGroup = u"Conversion Case";
constexpr std::u16string_view kFormatGroup = u"Data Format";
constexpr std::u16string_view kSkinGroup = u"Skins";
constexpr std::u16string_view kOnTopGroup = u"Drag and Drop";

constexpr std::u16string_view kDefaultCase = u"lower";
constexpr std::int64_t kDefaultFormat = 2;
constexpr std::int64_t kDefaultSkin = 1;

std::u16string YesNo(std::int64_t flag) {
    return flag == 1 ? u"Yes" : u"No";
}

std::u16string AsciiLowerCase(std::u16string text) {
    for (char16_t& c : text) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c + (u'a' - u'A'));
        }
    }
    return text;
}

void WriteValues(SettingsDocument& document, const AppSettings& settings, bool withComments) {
    auto comment = [&](std::u16string_view text) {
        if (withComments) {
            document.AddComment(text);
        }
    };
    document.SelectGroup(kCaseGroup);
    document.WriteText(u"Case", settings.Case);
    comment(
        u"The above section describes the Case (UPPER/lower) used for displaying checksum values");
    document.SelectGroup(kFormatGroup);
    document.WriteInteger(u"Format", settings.Format);
    comment(
        u"The above section describes the data format used for the checksum cipher (i.e., UTF8, "
        u"Ascii, Unicode)");
    document.SelectGroup(kSkinGroup);
    document.WriteInteger(u"Skin", settings.Skin);
    comment(
        u"The above section describes the skins used for the background color of application "
        u"windows");
    document.SelectGroup(kOnTopGroup);
    document.WriteText(u"MainOnTop", YesNo(settings.MainOnTop));
    comment(u"The above section describes the Drag and Drop flag for the main window");
}

void CreateWithDefaults(const platform::Path& path, AppSettings& settings,
                        platform::MessageBoxSink& messages) {
    const AppSettings defaults{std::u16string(kDefaultCase), kDefaultFormat, kDefaultSkin, 0};
    SettingsDocument document;
    bool created = document.CreateDocument(path);
    if (created) {
        WriteValues(document, defaults, true);
        created = document.CloseDocument();
    }
    if (!created) {
        platform::ShowError(messages, u"Error", u"Could not create Preferences file!");
        return;
    }
    settings = defaults;
    messages.ShowMessageBox(
        {u"Notice",
         u"Please remember that the CRC32 hash used in this application is actually CRC-32b. "
         u"Also, to get an SHA-256 hash, select SHA2 and then choose 256 Bits.",
         platform::MessageIcon::Information, platform::MessageButtons::Ok});
}

}  // namespace

void LoadSettings(const platform::Path& path, AppSettings& settings,
                  platform::MessageBoxSink& messages) {
    platform::RemoveInterruptedSaves(path);
    if (!platform::PathExists(path)) {
        CreateWithDefaults(path, settings, messages);
        return;
    }
    SettingsDocument document;
    if (!document.OpenDocument(path)) {
        platform::ShowError(messages, u"Error", u"Could not open Preferences file!");
        return;
    }
    AppSettings loaded;
    try {
        document.SelectGroup(kCaseGroup);
        loaded.Case = document.ReadText(u"Case", kDefaultCase);
        document.SelectGroup(kFormatGroup);
        loaded.Format = document.ReadInteger(u"Format", kDefaultFormat);
        document.SelectGroup(kSkinGroup);
        loaded.Skin = document.ReadInteger(u"Skin", kDefaultSkin);
        document.SelectGroup(kOnTopGroup);
        loaded.MainOnTop = AsciiLowerCase(document.ReadText(u"MainOnTop", u"No")) == u"yes" ? 1 : 0;
    } catch (const std::bad_alloc&) {
        platform::ShowError(messages, u"Error", u"Could not open Preferences file!");
        return;
    }
    settings = std::move(loaded);
}

void SaveSettings(const platform::Path& path, const AppSettings& settings,
                  platform::MessageBoxSink& messages) {
    SettingsDocument document;
    if (!document.OpenDocument(path)) {
        platform::ShowError(messages, u"Error", u"Could not open Preferences file!");
        return;
    }
    bool written = false;
    try {
        WriteValues(document, settings, false);
        written = document.CloseDocument();
    } catch (const std::bad_alloc&) {
        written = false;  // the document closes unwritten
    }
    if (!written) {
        platform::ShowError(messages, u"Error", u"Could not save Preferences file!");
    }
}

}  // namespace hashwell::settings
