#include "settings/settings_store.h"

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

LoadOutcome CreateWithDefaults(const platform::Path& path, AppSettings& settings) {
    const AppSettings defaults{std::u16string(kDefaultCase), kDefaultFormat, kDefaultSkin, 0};
    SettingsDocument document;
    bool created = document.CreateDocument(path);
    if (created) {
        WriteValues(document, defaults, true);
        created = document.CloseDocument();
    }
    if (!created) {
        return LoadOutcome::CannotCreate;
    }
    settings = defaults;
    return LoadOutcome::CreatedWithDefaults;
}

}  // namespace

LoadOutcome LoadSettings(const platform::Path& path, AppSettings& settings) {
    platform::RemoveInterruptedSaves(path);
    if (!platform::PathExists(path)) {
        return CreateWithDefaults(path, settings);
    }
    SettingsDocument document;
    if (!document.OpenDocument(path)) {
        return LoadOutcome::CannotOpen;
    }
    AppSettings loaded;
    document.SelectGroup(kCaseGroup);
    loaded.Case = document.ReadText(u"Case", kDefaultCase);
    document.SelectGroup(kFormatGroup);
    loaded.Format = document.ReadInteger(u"Format", kDefaultFormat);
    document.SelectGroup(kSkinGroup);
    loaded.Skin = document.ReadInteger(u"Skin", kDefaultSkin);
    document.SelectGroup(kOnTopGroup);
    loaded.MainOnTop = AsciiLowerCase(document.ReadText(u"MainOnTop", u"No")) == u"yes" ? 1 : 0;
    settings = std::move(loaded);
    return LoadOutcome::Loaded;
}

SaveOutcome SaveSettings(const platform::Path& path, const AppSettings& settings) {
    SettingsDocument document;
    if (!document.OpenDocument(path)) {
        return SaveOutcome::CannotOpen;
    }
    WriteValues(document, settings, false);
    return document.CloseDocument() ? SaveOutcome::Saved : SaveOutcome::CannotSave;
}

}  // namespace hashwell::settings
