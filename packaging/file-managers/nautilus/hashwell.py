# Hashwell's entries in the context menu of GNOME Files (Nautilus 43 and later), loaded by
# nautilus-python from share/nautilus-python/extensions:
#   "Hash with Hashwell"    any selection of local files and folders: hashwell -- PATH...
#   "Verify with Hashwell"  one checksum file:                        hashwell --verify -- FILE
# Paths go to the program as separate arguments, byte for byte, without a shell. A selection
# with an item that has no local path (sftp:// without its FUSE mount, trash://) gets no entry.

import fnmatch
import logging
import os
import subprocess

import gi

gi.require_version("Nautilus", "4.0")
from gi.repository import GLib, GObject, Nautilus  # noqa: E402

PROGRAM = "hashwell"
CHECKSUM_LIST_TYPE = "text/x-checksum-list"
# The names of checksum files, for when the MIME database does not know the type.
CHECKSUM_FILE_PATTERNS = (
    b"*.sha1", b"*.sha224", b"*.sha256", b"*.sha384", b"*.sha512", b"*.sha3",
    b"*.sha3-224", b"*.sha3-256", b"*.sha3-384", b"*.sha3-512", b"*.md5", b"*.sfv",
    b"*.crc", b"*.b3", b"*.blake3", b"*.xxh3", b"*.xxh128", b"*sums",
)

log = logging.getLogger("hashwell")
running = {}  # the programs started, by process id, until GLib reaps them


def launch(argv):
    """Starts the program with `argv` (bytes), detached from Nautilus."""
    child = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             close_fds=True, start_new_session=True)
    running[child.pid] = child
    GLib.child_watch_add(GLib.PRIORITY_DEFAULT, child.pid, reaped)


def reaped(pid, status):
    running.pop(pid).returncode = status


def local_path(info):
    """The file's local path as bytes, or None where it has none."""
    path = info.get_location().get_path()
    return None if path is None else os.fsencode(path)


def is_checksum_file(info, path):
    if info.is_directory():
        return False
    if info.get_mime_type() == CHECKSUM_LIST_TYPE:
        return True
    name = os.path.basename(path).lower()
    return any(fnmatch.fnmatchcase(name, pattern) for pattern in CHECKSUM_FILE_PATTERNS)


def start(_item, argv):
    try:
        launch(argv)
    except Exception:  # a missing program must not take the file manager down
        log.exception("could not start %s", PROGRAM)


class HashwellMenuProvider(GObject.GObject, Nautilus.MenuProvider):
    def get_file_items(self, *args):
        # Nautilus 43 passes (files); older versions passed (window, files).
        try:
            return self._items(args[-1])
        except Exception:
            log.exception("Hashwell's menu entries could not be made")
            return []

    def _items(self, files):
        paths = [local_path(info) for info in files]
        if not paths or None in paths:
            return []
        program = os.fsencode(PROGRAM)
        items = [self._item("Hash", "Hash with Hashwell",
                            "Compute the checksums of the selected files and folders",
                            [program, b"--"] + paths)]
        if len(files) == 1 and is_checksum_file(files[0], paths[0]):
            items.append(self._item("Verify", "Verify with Hashwell",
                                    "Check the files this checksum file lists",
                                    [program, b"--verify", b"--", paths[0]]))
        return items

    @staticmethod
    def _item(name, label, tip, argv):
        item = Nautilus.MenuItem(name="Hashwell::" + name, label=label, tip=tip, icon="hashwell")
        item.connect("activate", start, argv)
        return item
