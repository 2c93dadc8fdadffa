"""The record: each case as a block of text, one compressed file per kind.

A block starts with "### KIND NNNN", then the command line, the exit status and each output
("--- NAME: N lines", followed by exactly N lines). Because every output says how many lines it
has, no output can be mistaken for the start of the next block, whatever it prints.
"""

import gzip
import re
from pathlib import Path

BLOCK_START = "### "
_OUTPUT_HEADER = re.compile(r"^--- .*: (\d+) lines?( \(no newline at end\))?$")


def output_section(name, text):
    """An output as the record holds it: a header that counts its lines, then the lines."""
    if not text:
        return [f"--- {name}: 0 lines"]
    complete = text.endswith("\n")
    lines = (text[:-1] if complete else text).split("\n")
    unit = "line" if len(lines) == 1 else "lines"
    header = f"--- {name}: {len(lines)} {unit}" + ("" if complete else " (no newline at end)")
    return [header] + lines


def record_path(record_dir, kind):
    return Path(record_dir) / f"{kind}.txt.gz"


def write_kind(record_dir, kind, blocks):
    """Writes a kind's blocks in case order. The file carries no time stamp, so writing the
    same outputs again gives the same bytes and no change to commit."""
    text = "\n".join(blocks) + "\n"
    path = record_path(record_dir, kind)
    path.parent.mkdir(parents=True, exist_ok=True)
    with open(path, "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=0, compresslevel=9) as out:
            out.write(text.encode("utf-8", "surrogateescape"))


def read_kind(record_dir, kind):
    """The recorded blocks of a kind by case name, or None when the kind has no record."""
    path = record_path(record_dir, kind)
    if not path.exists():
        return None
    with gzip.open(path, "rb") as compressed:
        text = compressed.read().decode("utf-8", "surrogateescape")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    blocks = {}
    i = 0
    while i < len(lines):
        header = lines[i]
        if not header.startswith(BLOCK_START):
            raise ValueError(f"{path}: line {i + 1} starts no case: {header!r}")
        block = [header]
        i += 1
        while i < len(lines) and not lines[i].startswith(BLOCK_START):
            line = lines[i]
            block.append(line)
            i += 1
            counted = _OUTPUT_HEADER.match(line)
            if counted:
                count = int(counted.group(1))
                block.extend(lines[i : i + count])
                i += count
        blocks[header[len(BLOCK_START) :]] = "\n".join(block)
    return blocks
