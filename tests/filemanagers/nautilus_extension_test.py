# The Nautilus extension, loaded through the real bindings of Nautilus 4.0. Nautilus's own
# FileInfo objects cannot be made outside Nautilus (create_for_uri needs the running program),
# so the selection is made of stand-ins that implement the real Nautilus.FileInfo interface.
# Exits with 77 (skipped) where PyGObject or Nautilus's typelib is missing.

import os
import re
import sys
import tempfile
import time
import unittest

try:
    import gi
    gi.require_version("Nautilus", "4.0")
    from gi.repository import Gio, GObject, Nautilus
except (ImportError, ValueError) as missing:
    print("skipped: no gi bindings of Nautilus 4.0:", missing)
    sys.exit(77)

SOURCE = os.path.join(os.path.dirname(__file__), "..", "..", "packaging")
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(SOURCE, "file-managers", "nautilus"))
import hashwell  # noqa: E402  (the extension, as nautilus-python imports it)


class File(GObject.GObject, Nautilus.FileInfo):
    def __init__(self, where, mime="text/plain", folder=False):
        super().__init__()
        self.where, self.mime, self.folder = where, mime, folder

    def do_get_location(self):
        if isinstance(self.where, bytes):
            return Gio.File.new_for_path(self.where)
        return Gio.File.new_for_uri(self.where)

    def do_get_mime_type(self):
        return self.mime

    def do_is_directory(self):
        return self.folder


class NautilusExtensionTest(unittest.TestCase):
    def setUp(self):
        self.started = []
        self.launch, hashwell.launch = hashwell.launch, self.started.append

    def tearDown(self):
        hashwell.launch = self.launch

    def menu(self, *files):
        """The entries' labels and the argument vectors they start when activated."""
        shown = {}
        for item in hashwell.HashwellMenuProvider().get_file_items(list(files)):
            item.activate()
            shown[item.props.label] = self.started.pop()
        return shown

    def test_hash_entry_passes_every_path_as_one_argument_byte_for_byte(self):
        odd = [b"/tmp/-n a\nb 'c\".txt", b"/tmp/caf\xe9 \xff.bin", b"/tmp/folder"]
        self.assertEqual(self.menu(File(odd[0])), {"Hash with Hashwell": [b"hashwell", b"--", odd[0]]})
        self.assertEqual(self.menu(File(odd[0]), File(odd[1]), File(odd[2], folder=True)),
                         {"Hash with Hashwell": [b"hashwell", b"--"] + odd})

    def test_verify_entry_only_for_one_checksum_file_by_type_or_name(self):
        verify = "Verify with Hashwell"
        for name, mime in [(b"/tmp/list", "text/x-checksum-list"), (b"/tmp/SHA256SUMS", "text/plain"),
                           (b"/tmp/-x.Sha3-256", "application/octet-stream")]:
            self.assertEqual(self.menu(File(name, mime))[verify], [b"hashwell", b"--verify", b"--", name])
        self.assertNotIn(verify, self.menu(File(b"/tmp/a.txt")))
        self.assertNotIn(verify, self.menu(File(b"/tmp/x.md5", folder=True)))
        self.assertNotIn(verify, self.menu(File(b"/tmp/a.md5"), File(b"/tmp/b.md5")))

    def test_no_entry_where_an_item_has_no_local_path(self):
        self.assertEqual(self.menu(File("sftp://host/a.md5")), {})
        self.assertEqual(self.menu(File(b"/tmp/a"), File("trash:///b")), {})

    def test_broken_item_or_missing_program_never_raises_into_nautilus(self):
        class Broken:
            def get_location(self):
                raise RuntimeError("gone")

        with self.assertLogs("hashwell"):
            self.assertEqual(hashwell.HashwellMenuProvider().get_file_items([Broken()]), [])
        hashwell.launch = self.launch
        item = hashwell.HashwellMenuProvider().get_file_items([File(b"/tmp/a")])[0]
        with self.assertLogs("hashwell"):
            hashwell.start(item, [b"/nonexistent/hashwell", b"--"])

    def test_real_launcher_hands_odd_bytes_to_the_program(self):
        with tempfile.TemporaryDirectory() as folder:
            out, odd = os.path.join(folder, "out"), b"-a\nb \xff"
            self.launch([b"/bin/sh", b"-c", b'printf %s "$1" > "$2"', b"sh", odd, os.fsencode(out)])
            for _ in range(100):
                if os.path.exists(out) and os.path.getsize(out) == len(odd):
                    break
                time.sleep(0.05)
            with open(out, "rb") as written:
                self.assertEqual(written.read(), odd)

    def test_name_patterns_are_the_mime_packages_globs(self):
        with open(os.path.join(SOURCE, "mime", "hashwell.xml")) as xml:
            globs = re.findall(r'<glob pattern="([^"]*)"', xml.read())
        self.assertEqual(list(hashwell.CHECKSUM_FILE_PATTERNS), [g.lower().encode() for g in globs])


if __name__ == "__main__":
    unittest.main()
