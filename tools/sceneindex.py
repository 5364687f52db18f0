#!/usr/bin/env python3
"""Write and list scene index files.

A scene index file ("Resources/<scene>/<scene>.scene") is binary, little-endian:
a signed 32-bit count of entries, then per entry a signed 32-bit byte count n
and n bytes: the archetype file name followed by one NUL byte.

  sceneindex.py list  FILE              print one entry per line
  sceneindex.py write FILE [NAME ...]   replace FILE with the given entries
  sceneindex.py add   FILE NAME ...     append entries to FILE (created if missing)
"""
import argparse
import os
import struct
import sys


class EntryError(Exception):
    pass


def read_index(path):
    """Return (entries, problem): the entries read, and a description of
    where the file stopped making sense (None for a sound file)."""
    with open(path, "rb") as f:
        data = f.read()
    if not data:
        return [], None
    if len(data) < 4:
        return [], "truncated count (%d bytes)" % len(data)
    (count,) = struct.unpack_from("<i", data, 0)
    pos = 4
    entries = []
    for i in range(max(count, 0)):
        if pos + 4 > len(data):
            return entries, "entry %d: missing length (count says %d)" % (i, count)
        (n,) = struct.unpack_from("<i", data, pos)
        pos += 4
        if n < 0 or pos + n > len(data):
            return entries, "entry %d: length %d does not fit the file" % (i, n)
        raw = data[pos:pos + n]
        pos += n
        entries.append(raw.split(b"\0", 1)[0].decode("utf-8", "replace"))
    if count < 0:
        return entries, "negative count %d" % count
    if pos != len(data):
        return entries, "%d trailing bytes" % (len(data) - pos)
    return entries, None


def encode_index(entries):
    out = [struct.pack("<i", len(entries))]
    for name in entries:
        raw = name.encode("utf-8")
        if b"\0" in raw:
            raise EntryError("entry %r holds a NUL byte" % name)
        out.append(struct.pack("<i", len(raw) + 1) + raw + b"\0")
    return b"".join(out)


def write_index(path, entries):
    folder = os.path.dirname(path)
    if folder:
        os.makedirs(folder, exist_ok=True)
    with open(path, "wb") as f:
        f.write(encode_index(entries))


def main(argv):
    parser = argparse.ArgumentParser(description="Write and list scene index files.")
    sub = parser.add_subparsers(dest="command", required=True)
    p_list = sub.add_parser("list", help="print the entries of an index file")
    p_list.add_argument("file")
    p_write = sub.add_parser("write", help="replace an index file with the given entries")
    p_write.add_argument("file")
    p_write.add_argument("names", nargs="*")
    p_add = sub.add_parser("add", help="append entries to an index file")
    p_add.add_argument("file")
    p_add.add_argument("names", nargs="+")
    args = parser.parse_args(argv)

    try:
        if args.command == "list":
            entries, problem = read_index(args.file)
            for name in entries:
                print(name)
            if problem:
                print("Error: %s: %s" % (args.file, problem), file=sys.stderr)
                return 1
            return 0
        if args.command == "write":
            write_index(args.file, args.names)
            return 0
        existing = []
        if os.path.exists(args.file):
            existing, problem = read_index(args.file)
            if problem:
                print("Error: %s: %s; not changed" % (args.file, problem), file=sys.stderr)
                return 1
        write_index(args.file, existing + args.names)
        return 0
    except (OSError, EntryError) as e:
        print("Error: %s" % e, file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
