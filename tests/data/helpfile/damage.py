#!/usr/bin/env python3
"""Writes the damaged help files of this folder from a sound one, compiled with chmcmd from a
project of two pages (index.html, page.html) and a contents list (Small.hhc):
    python3 damage.py Small.chm
Each copy breaks one thing a reader must not trust:
  huge_lengths.chm     index.html declares 2^62 bytes, page.html 0x60000000
  no_window_size.chm   the LZX control data has a window size of 0
  no_block_length.chm  the reset table has a block length of 0
  index_loop.chm       the directory's first chunk is an index chunk that points to itself
"""
import struct
import sys


def encint(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def decint(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def layout(chm):
    directory = struct.unpack_from('<Q', chm, 0x48)[0]
    content = struct.unpack_from('<Q', chm, 0x58)[0]
    chunk_size = struct.unpack_from('<I', chm, directory + 0x10)[0]
    return directory + 0x54, chunk_size, content


def entries(chm):
    """The first directory chunk's entries: name, section, start, length."""
    chunk, size, _ = layout(chm)
    end = chunk + size - struct.unpack_from('<I', chm, chunk + 4)[0]
    at = chunk + 0x14
    while at < end:
        length, at = decint(chm, at)
        name = chm[at:at + length].decode()
        section, at = decint(chm, at + length)
        start, at = decint(chm, at)
        length, at = decint(chm, at)
        yield name, section, start, length


def with_lengths(chm, lengths):
    chunk, size, _ = layout(chm)
    body = b''
    for name, section, start, length in entries(chm):
        raw = name.encode()
        length = lengths.get(name, length)
        body += encint(len(raw)) + raw + encint(section) + encint(start) + encint(length)
    header = chm[chunk:chunk + 0x14]
    header = header[:4] + struct.pack('<I', size - 0x14 - len(body)) + header[8:]
    new_chunk = (header + body).ljust(size, b'\0')
    return chm[:chunk] + new_chunk + chm[chunk + size:]


def patched(chm, object_name, at, packed):
    _, _, content = layout(chm)
    start = next(e[2] for e in entries(chm) if e[0] == object_name)
    place = content + start + at
    return chm[:place] + packed + chm[place + len(packed):]


def index_loop(chm):
    chunk, size, _ = layout(chm)
    entry = encint(1) + b'/' + encint(0)
    new_chunk = (b'PMGI' + struct.pack('<I', size - 8 - len(entry)) + entry).ljust(size, b'\0')
    return chm[:chunk] + new_chunk + chm[chunk + size:]


def main():
    chm = open(sys.argv[1], 'rb').read()
    control = '::DataSpace/Storage/MSCompressed/ControlData'
    reset = ('::DataSpace/Storage/MSCompressed/Transform/'
             '{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable')
    copies = {
        'huge_lengths.chm': with_lengths(chm, {'/index.html': 1 << 62, '/page.html': 0x60000000}),
        'no_window_size.chm': patched(chm, control, 0x10, struct.pack('<I', 0)),
        'no_block_length.chm': patched(chm, reset, 0x20, struct.pack('<Q', 0)),
        'index_loop.chm': index_loop(chm),
    }
    for name, data in copies.items():
        open(name, 'wb').write(data)


main()
