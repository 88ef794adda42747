#!/usr/bin/env python3
"""hlp_context_map.py IN.hlp OUT.hlp: maps help context 0 to the contents topic.

A program asks for its help's first page with WinHelp(HELP_CONTEXT, 0). The
help engine looks the number up in the file's context map (the internal file
|CTXOMAP: a 16-bit count, then pairs of 32-bit context number and topic
offset), and shows nothing at all for a number the map lacks. halibut writes
an empty map, so this adds the pair (0, offset of the contents topic), the
offset being the one the |SYSTEM file names as the contents.

The new map is appended to the file and the directory entry of |CTXOMAP is
pointed at it; the old, smaller map stays behind unused.
"""
import struct
import sys

MAGIC = 0x00035F3F
BTREE_MAGIC = 0x293B
SYSTEM_CONTENTS = 3  # |SYSTEM record holding the contents topic's offset
FILE_HEADER = struct.Struct('<iiB')  # reserved space (header included), used space, flags


class HelpFileError(Exception):
    pass


def internal_files(data):
    """Maps each internal file's name to the position of its offset field in the directory."""
    magic, directory, _, _ = struct.unpack_from('<IiiI', data, 0)
    if magic != MAGIC:
        raise HelpFileError('not a WinHelp file')
    tree = directory + FILE_HEADER.size
    magic, _, page_size = struct.unpack_from('<HHH', data, tree)
    if magic != BTREE_MAGIC:
        raise HelpFileError('no directory tree')
    root, _, pages, levels = struct.unpack_from('<HhHH', data, tree + 26)[0:4]
    first_page = tree + 38
    # Index pages: unused, count, leftmost child; the leftmost path leads to the first leaf.
    page = root
    for _ in range(levels - 1):
        page = struct.unpack_from('<h', data, first_page + page * page_size + 4)[0]
    entries = {}
    while page != -1:
        if not 0 <= page < pages:
            raise HelpFileError('directory page out of range')
        at = first_page + page * page_size
        _, count, _, next_page = struct.unpack_from('<HHhh', data, at)
        at += 8
        for _ in range(count):
            end = data.index(b'\0', at)
            entries[data[at:end].decode('latin-1')] = end + 1
            at = end + 5
        page = next_page
    return entries


def file_body(data, entries, name):
    if name not in entries:
        raise HelpFileError(name + ' missing')
    start = struct.unpack_from('<i', data, entries[name])[0]
    _, used, _ = FILE_HEADER.unpack_from(data, start)
    return data[start + FILE_HEADER.size:start + FILE_HEADER.size + used]


def contents_topic(system):
    at = 12  # magic, version, revision, generation date, flags
    while at + 4 <= len(system):
        kind, size = struct.unpack_from('<HH', system, at)
        if kind == SYSTEM_CONTENTS and size == 4:
            return struct.unpack_from('<i', system, at + 4)[0]
        at += 4 + size
    raise HelpFileError('no contents topic named in |SYSTEM')


def context_map(body):
    count = struct.unpack_from('<H', body, 0)[0]
    return [struct.unpack_from('<ii', body, 2 + 8 * i) for i in range(count)]


def add_context_zero(data):
    data = bytearray(data)
    entries = internal_files(data)
    topic = contents_topic(file_body(data, entries, '|SYSTEM'))
    pairs = [p for p in context_map(file_body(data, entries, '|CTXOMAP')) if p[0] != 0]
    pairs.insert(0, (0, topic))
    body = struct.pack('<H', len(pairs)) + b''.join(struct.pack('<ii', *p) for p in pairs)
    offset = len(data)
    data += FILE_HEADER.pack(FILE_HEADER.size + len(body), len(body), 0) + body
    struct.pack_into('<i', data, entries['|CTXOMAP'], offset)
    struct.pack_into('<I', data, 12, len(data))
    return bytes(data)


def main(args):
    if len(args) != 2:
        sys.exit(__doc__.splitlines()[0])
    with open(args[0], 'rb') as f:
        data = f.read()
    try:
        result = add_context_zero(data)
        # Read back what a help engine will read.
        entries = internal_files(result)
        if context_map(file_body(result, entries, '|CTXOMAP'))[0] != (0, contents_topic(
                file_body(result, entries, '|SYSTEM'))):
            raise HelpFileError('context map did not read back')
    except (HelpFileError, struct.error, ValueError) as e:
        sys.exit('%s: %s' % (args[0], e))
    with open(args[1], 'wb') as f:
        f.write(result)


if __name__ == '__main__':
    main(sys.argv[1:])
