#!/usr/bin/python3
"""Cuts the two Chinese design faces down to the characters Kelmora's interface shows.

Loading AR PL UMing TW whole costs start-up time and about 6 MB of memory (its collection is
21 MB), yet the interface shows a few hundred characters, all written as string literals in
the sources (captions, menus, key legends, messages, warm-up headings) or coming from Qt's own
zh_TW strings for standard buttons. This script gathers them from the sources at build time,
so a new caption always finds its glyphs, and writes renamed subsets of both faces and a C++
source that compiles them into the program. Everything that decides how a glyph is drawn is
kept as it was, so the subsets draw pixel for pixel like the whole faces; the program falls
back on the whole faces for any other character.

Usage: subset_fonts.py --out-dir DIR --ming UMING.TTC --kai UKAI.TTC --freetype LIBFREETYPE
                       [--qm QTBASE_ZH_TW.QM] --source-root ROOT FILE...
"""
import argparse
import datetime
import hashlib
import logging
import os
import re
import struct
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

ASCII = {chr(c) for c in range(0x20, 0x7F)}
# Qt contexts whose zh_TW strings the program shows: the standard buttons of message boxes.
QT_CONTEXTS = {b"QPlatformTheme"}


def string_literals(text):
    """The contents of every string literal in C++ source text, comments skipped, escapes decoded."""
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            i = text.find("\n", i)
            i = n if i < 0 else i
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
        elif c == "R" and text.startswith('"', i + 1) and _word_before(text, i) in ("", "u", "U", "L", "u8"):
            open_ = text.find("(", i + 2)
            delim = text[i + 2:open_]
            close = text.find(")" + delim + '"', open_)
            yield text[open_ + 1:close]
            i = close + len(delim) + 2
        elif c == '"':
            i, value = _quoted(text, i + 1, '"', _word_before(text, i) in ("u", "U", "L"))
            yield value
        elif c == "'":
            if _word_before(text, i) not in ("", "u", "U", "L", "u8"):
                i += 1   # a digit separator (1'000), not a character literal
            else:
                i, _ = _quoted(text, i + 1, "'", True)
        else:
            i += 1


def _word_before(text, i):
    """The identifier or number that ends right before position i (a literal's prefix)."""
    start = i
    while start and (text[start - 1].isalnum() or text[start - 1] == "_"):
        start -= 1
    return text[start:i]


def _quoted(text, i, quote, wide):
    """Reads a literal from after its opening quote; in a narrow one, \\x escapes are bytes."""
    out = []
    while text[i] != quote:
        if text[i] != "\\":
            out.append(text[i])
            i += 1
            continue
        e = text[i + 1]
        if e in "uU":
            width = 4 if e == "u" else 8
            out.append(chr(int(text[i + 2:i + 2 + width], 16)))
            i += 2 + width
        elif e == "x":
            j = i + 2
            while text[j] in "0123456789abcdefABCDEF":
                j += 1
            if wide:
                out.append(chr(int(text[i + 2:j], 16)))
            i = j
        else:
            out.append({"n": "\n", "t": "\t", "r": "\r"}.get(e, e))
            i += 2
    return i + 1, "".join(out)


def qt_translations(qm_path):
    """Translations in a .qm file for the contexts in QT_CONTEXTS."""
    data = open(qm_path, "rb").read()
    pos, messages = 16, b""   # past the magic number
    while pos < len(data):
        tag, length = data[pos], struct.unpack(">I", data[pos + 1:pos + 5])[0]
        if tag == 0x69:       # the messages block
            messages = data[pos + 5:pos + 5 + length]
        pos += 5 + length
    pos, found = 0, []
    while pos < len(messages):
        fields = {}
        while True:
            tag = messages[pos]
            pos += 1
            if tag == 1:      # end of a message
                break
            if tag == 5:      # an obsolete field of four bytes
                pos += 4
                continue
            length = struct.unpack(">I", messages[pos:pos + 4])[0]
            pos += 4
            length = 0 if length == 0xFFFFFFFF else length
            fields.setdefault(tag, []).append(messages[pos:pos + length])
            pos += length
        if fields.get(7, [b""])[0] in QT_CONTEXTS:   # 7: context, 3: translation
            found += [t.decode("utf-16-be") for t in fields.get(3, [])]
    return found


def autohinter_characters(freetype_path):
    """Han characters FreeType's auto-hinter measures a face by (blue zones, standard widths).

    The faces carry no hinting of their own, so FreeType hints them from the glyphs of a few
    reference characters; a subset without them would be hinted, and drawn, differently. They
    are read from the installed library, where they are NUL-terminated runs of ideographs.
    """
    data = open(freetype_path, "rb").read()
    found = set()
    for run in re.finditer(rb"(?<=\0)(?:[\xe4-\xe9][\x80-\xbf]{2}(?: \| | )?)+(?=\0)", data):
        found.update(c for c in run.group().decode("utf-8") if "\u4e00" <= c <= "\u9fff")
    if not found:
        sys.exit(f"subset_fonts.py: no reference characters found in {freetype_path}")
    return found


def shown_characters(root, sources, qm_path):
    chars = set(ASCII)
    for path in sources:
        with open(os.path.join(root, path), encoding="utf-8") as f:
            for literal in string_literals(f.read()):
                chars.update(literal)
    if qm_path:
        for text in qt_translations(qm_path):
            chars.update(text)
    return {c for c in chars if c.isprintable()}


def subset_face(path, source_family, family, characters, when):
    index = next(i for i, face in enumerate(TTCollection(path, lazy=True).fonts)
                 if face["name"].getDebugName(1) == source_family)
    # The glyphs' stored bounding boxes are not their outlines' true ones, and FreeType places an
    # outline by its stored box: recomputing the boxes would shift every glyph a little.
    font = TTFont(path, fontNumber=index, recalcBBoxes=False)
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.legacy_kern = True
    options.notdef_outline = True
    options.prune_unicode_ranges = False
    # Embedded bitmaps draw the small sizes where fontconfig allows them: keep them too.
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC", "EBSC")]
    subsetter = subset.Subsetter(options)
    available = font.getBestCmap()
    subsetter.populate(unicodes=sorted(ord(c) for c in characters if ord(c) in available))
    subsetter.subset(font)

    # The Arphic Public License asks every modified file to say how and when it was changed.
    version = font["name"].getDebugName(5).strip()
    notice = (f" Modified on {when} by the build of Kelmora: cut down to the characters Kelmora's "
              f"interface shows and renamed {family}; the unmodified font is {source_family} {version}.")
    postscript = family.replace(" ", "")
    for record in font["name"].names:
        value = {0: record.toUnicode() + notice, 1: family, 3: f"{postscript} {when}", 4: family,
                 6: postscript}.get(record.nameID)
        if value is not None:
            record.string = value
    return font


def write_cpp(path, faces):
    with open(path, "w") as out:
        out.write("// Generated by assets/fonts/subset_fonts.py from the whole faces; do not edit.\n")
        out.write('#include "assets/fonts/SubsetFonts.h"\n\nnamespace {\n')
        for name, _, data in faces:
            out.write(f"alignas(8) const unsigned char {name}[{len(data)}] = {{\n")
            for start in range(0, len(data), 32):
                out.write(",".join(str(b) for b in data[start:start + 32]) + ",\n")
            out.write("};\n")
        out.write("} // namespace\n\nconst std::array<SubsetFont, 2>& subsetFonts()\n{\n")
        out.write("    static const std::array<SubsetFont, 2> fonts{{\n")
        for name, family, _ in faces:
            out.write(f'        {{u"{family}", {{{name}, sizeof {name}}}}},\n')
        out.write("    }};\n    return fonts;\n}\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", required=True)
    parser.add_argument("--ming", required=True, help="the AR PL UMing collection (uming.ttc)")
    parser.add_argument("--kai", required=True, help="the AR PL UKai collection (ukai.ttc)")
    parser.add_argument("--freetype", required=True, help="FreeType's shared library")
    parser.add_argument("--qm", help="Qt's qtbase_zh_TW.qm")
    parser.add_argument("--source-root", required=True)
    parser.add_argument("sources", nargs="+", help="source files, relative to the root")
    args = parser.parse_args()
    logging.getLogger("fontTools").setLevel(logging.ERROR)   # tables it drops, one line each

    interface = shown_characters(args.source_root, args.sources, args.qm)
    reference = autohinter_characters(args.freetype)
    faces = [
        # The Ming face draws the interface; the Kai face only the practice text's cells, which
        # hold ASCII (headings are drawn in the Ming face), hinted from Latin letters alone.
        ("KelmoraMing", "Kelmora Ming", args.ming, "AR PL UMing TW", interface | reference),
        ("KelmoraKai", "Kelmora Kai", args.kai, "AR PL UKai TW", ASCII),
    ]

    # Most source edits change no character: then nothing is rewritten and nothing recompiles.
    signature = hashlib.sha256(open(__file__, "rb").read())
    for _, _, path, _, chars in faces:
        stat = os.stat(path)
        signature.update(f"{path} {stat.st_size} {stat.st_mtime_ns} {''.join(sorted(chars))}".encode())
    signature_path = os.path.join(args.out_dir, "signature.txt")
    cpp_path = os.path.join(args.out_dir, "SubsetFonts.cpp")
    if os.path.exists(cpp_path) and os.path.exists(signature_path) \
            and open(signature_path).read() == signature.hexdigest():
        return 0

    stamp = os.environ.get("SOURCE_DATE_EPOCH")
    when = (datetime.datetime.fromtimestamp(int(stamp), datetime.timezone.utc) if stamp
            else datetime.datetime.now(datetime.timezone.utc)).strftime("%Y-%m-%d")
    os.makedirs(args.out_dir, exist_ok=True)
    built = []
    for name, family, path, source_family, chars in faces:
        ttf = os.path.join(args.out_dir, name + ".ttf")
        subset_face(path, source_family, family, chars, when).save(ttf)
        built.append((name, family, open(ttf, "rb").read()))
    with open(os.path.join(args.out_dir, "characters.txt"), "w", encoding="utf-8") as f:
        f.write("".join(sorted(interface)) + "\n")
    write_cpp(cpp_path, built)
    with open(signature_path, "w") as f:
        f.write(signature.hexdigest())
    return 0


if __name__ == "__main__":
    sys.exit(main())
