# The action files of Nemo, Caja and Dolphin and the desktop entry, read with GLib's key-file
# parser (the one Nemo and caja-actions use), and the MIME package as shared-mime-info builds
# it. Exits with 77 (skipped) where PyGObject is missing.

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

try:
    from gi.repository import GLib
except ImportError as missing:
    print("skipped: no PyGObject:", missing)
    sys.exit(77)

PACKAGING = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging")
with open(os.path.join(PACKAGING, "mime", "hashwell.xml")) as xml:
    GLOBS = re.findall(r'<glob pattern="([^"]*)"', xml.read())
CHECKSUM_TYPE = "text/x-checksum-list"


def key_file(*parts):
    keys = GLib.KeyFile()
    keys.load_from_file(os.path.join(PACKAGING, *parts), GLib.KeyFileFlags.NONE)
    return keys


def has(keys, group, key):
    return key in keys.get_keys(group)[0]


def argv(keys, group):
    """The command as the file manager splits it, with its file list token."""
    return GLib.shell_parse_argv(keys.get_string(group, "Exec"))[1]


HASH = ["hashwell", "--", "%F"]
VERIFY = ["hashwell", "--verify", "--", "%F"]


class ActionFilesTest(unittest.TestCase):
    def test_nemo_actions_pass_unquoted_paths_on_their_selections(self):
        hash_action = key_file("file-managers", "nemo", "hashwell-hash.nemo_action")
        verify = key_file("file-managers", "nemo", "hashwell-verify.nemo_action")
        group = "Nemo Action"
        self.assertEqual(argv(hash_action, group), HASH)
        self.assertEqual(argv(verify, group), VERIFY)
        for action in (hash_action, verify):  # Nemo escapes paths itself only when unquoted
            self.assertFalse(has(action, group, "Quote"))
        self.assertEqual(hash_action.get_string(group, "Selection"), "notnone")
        self.assertEqual(hash_action.get_string_list(group, "Extensions"), ["any"])
        self.assertEqual(verify.get_string(group, "Selection"), "s")
        self.assertEqual(verify.get_string_list(group, "Mimetypes"), [CHECKSUM_TYPE])
        # Nemo takes an extension as the end of the name in lower case.
        self.assertEqual(verify.get_string_list(group, "Extensions"),
                         [glob.lstrip("*").lower() for glob in GLOBS])

    def test_caja_actions_pass_quoted_paths_on_their_selections(self):
        hash_action = key_file("file-managers", "caja", "hashwell-hash.desktop")
        verify = key_file("file-managers", "caja", "hashwell-verify.desktop")
        profiles = []
        for action, command in ((hash_action, HASH), (verify, VERIFY)):
            self.assertEqual(action.get_string("Desktop Entry", "Type"), "Action")
            for profile in action.get_string_list("Desktop Entry", "Profiles"):
                group = "X-Action-Profile " + profile
                self.assertEqual(argv(action, group), command)
                self.assertEqual(action.get_string_list(group, "Schemes"), ["file"])
                profiles.append((action.get_string(group, "SelectionCount"),
                                 action.get_string_list(group, "MimeTypes")))
        self.assertEqual(profiles, [(">0", ["all/all"]), ("=1", [CHECKSUM_TYPE]),
                                    ("=1", ["all/allfiles"])])
        self.assertEqual(verify.get_string_list("X-Action-Profile by-name", "Basenames"), GLOBS)
        self.assertFalse(verify.get_boolean("X-Action-Profile by-name", "Matchcase"))

    def test_dolphin_service_menus_pass_paths_for_their_types(self):
        for name, types, command, most in (
                ("hashwell.desktop", ["all/allfiles", "inode/directory"], HASH, None),
                ("hashwell-verify.desktop", [CHECKSUM_TYPE], VERIFY, "1")):
            menu = key_file("file-managers", "dolphin", name)
            entry = "Desktop Entry"
            self.assertEqual(menu.get_string(entry, "X-KDE-ServiceTypes"), "KonqPopupMenu/Plugin")
            self.assertEqual(menu.get_string_list(entry, "MimeType"), types)
            self.assertEqual(menu.get_string(entry, "X-KDE-Protocols"), "file")
            maximum = has(menu, entry, "X-KDE-MaxNumberOfUrls")
            self.assertEqual(menu.get_string(entry, "X-KDE-MaxNumberOfUrls") if maximum else None, most)
            for action in menu.get_string_list(entry, "Actions"):
                self.assertEqual(argv(menu, "Desktop Action " + action), command)

    def test_desktop_entry_opens_checksum_lists_only_and_verifies(self):
        entry = key_file("hashwell.desktop")
        self.assertEqual(argv(entry, "Desktop Entry"), HASH)
        self.assertEqual(entry.get_string_list("Desktop Entry", "MimeType"), [CHECKSUM_TYPE])
        self.assertEqual(argv(entry, "Desktop Action verify"), ["hashwell", "--verify"])

    @unittest.skipUnless(shutil.which("update-mime-database"), "no shared-mime-info")
    def test_mime_database_finds_checksum_lists_by_name_in_any_case(self):
        with tempfile.TemporaryDirectory() as data:
            os.makedirs(os.path.join(data, "mime", "packages"))
            for package in (os.path.join(PACKAGING, "mime", "hashwell.xml"),
                            "/usr/share/mime/packages/freedesktop.org.xml"):
                shutil.copy(package, os.path.join(data, "mime", "packages"))
            subprocess.run(["update-mime-database", os.path.join(data, "mime")], check=True,
                           stderr=subprocess.DEVNULL)
            names = ["SHA256SUMS", "x.SHA256", "a.sha3-512", "b.B3", "notes.txt"]
            guess = ("import sys; from gi.repository import Gio; print(*[Gio.content_type_guess("
                     "n, b'0123  a.txt\\n')[0] for n in sys.argv[1:]])")
            found = subprocess.run([sys.executable, "-c", guess] + names, check=True, text=True,
                                   capture_output=True, env=dict(os.environ, XDG_DATA_DIRS=data,
                                                                 XDG_DATA_HOME=data)).stdout
        self.assertEqual(found.split(), [CHECKSUM_TYPE] * 4 + ["text/plain"])


if __name__ == "__main__":
    unittest.main()
