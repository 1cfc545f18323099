#!/usr/bin/env python3
"""Writes posterpdf/FontWidths.cpp: the advance widths of codes 32..255 (Windows-1252) of the
faces the poster writer names, in thousandths of the em.

Arial and Times New Roman are measured on their metric-compatible Debian faces (Liberation Sans
and Liberation Serif, package fonts-liberation): each code is mapped through Windows-1252 to a
Unicode character, the character through the face's Unicode cmap to a glyph, and the glyph's
advance is scaled from font units to 1/1000 em and rounded (halves up). Codes the code page
leaves undefined, or that the face does not map, take the width of the face's .notdef glyph.

Symbol is taken by code from the URW base-35 Standard Symbols metrics (package
fonts-urw-base35, StandardSymbolsPS.afm); codes the metrics do not list take the .notdef width.

Usage: generate_widths.py [--fonts DIR] [--afm FILE] [--output FILE]
"""

import argparse
import struct
import sys
from pathlib import Path

FIRST_CODE = 32
LAST_CODE = 255

# (C++ name, face file) in the order the generated file lists them.
TRUETYPE_TABLES = [
    ("kArialRegularWidths", "LiberationSans-Regular.ttf"),
    ("kArialBoldWidths", "LiberationSans-Bold.ttf"),
    ("kTimesRegularWidths", "LiberationSerif-Regular.ttf"),
    ("kTimesBoldWidths", "LiberationSerif-Bold.ttf"),
    ("kTimesItalicWidths", "LiberationSerif-Italic.ttf"),
    ("kTimesBoldItalicWidths", "LiberationSerif-BoldItalic.ttf"),
]


class TrueTypeFace:
    """The few tables needed for advance widths: head, hhea, hmtx and the Unicode cmap."""

    def __init__(self, data: bytes):
        self.data = data
        num_tables = struct.unpack_from(">H", data, 4)[0]
        self.tables = {}
        for i in range(num_tables):
            tag, _checksum, offset, length = struct.unpack_from(">4sIII", data, 12 + 16 * i)
            self.tables[tag.decode("latin-1")] = (offset, length)
        self.units_per_em = struct.unpack_from(">H", data, self.table("head") + 18)[0]
        self.metric_count = struct.unpack_from(">H", data, self.table("hhea") + 34)[0]
        self.glyph_of = self.read_unicode_cmap()

    def table(self, tag: str) -> int:
        if tag not in self.tables:
            raise ValueError(f"face has no {tag} table")
        return self.tables[tag][0]

    def advance(self, glyph: int) -> int:
        # Glyphs past the last long metric share its advance.
        index = min(glyph, self.metric_count - 1)
        return struct.unpack_from(">H", self.data, self.table("hmtx") + 4 * index)[0]

    def read_unicode_cmap(self) -> dict:
        cmap = self.table("cmap")
        count = struct.unpack_from(">H", self.data, cmap + 2)[0]
        for i in range(count):
            platform, encoding, offset = struct.unpack_from(">HHI", self.data, cmap + 4 + 8 * i)
            sub = cmap + offset
            if platform == 3 and encoding == 1 and struct.unpack_from(">H", self.data, sub)[0] == 4:
                return self.read_format4(sub)
        raise ValueError("face has no Windows Unicode (3,1) format 4 cmap")

    def read_format4(self, sub: int) -> dict:
        seg_count = struct.unpack_from(">H", self.data, sub + 6)[0] // 2
        ends = sub + 14
        starts = ends + 2 * seg_count + 2
        deltas = starts + 2 * seg_count
        range_offsets = deltas + 2 * seg_count
        glyphs = {}
        for s in range(seg_count):
            end = struct.unpack_from(">H", self.data, ends + 2 * s)[0]
            start = struct.unpack_from(">H", self.data, starts + 2 * s)[0]
            delta = struct.unpack_from(">h", self.data, deltas + 2 * s)[0]
            range_offset = struct.unpack_from(">H", self.data, range_offsets + 2 * s)[0]
            for code in range(start, min(end, 0xFFFE) + 1):
                if range_offset == 0:
                    glyph = (code + delta) & 0xFFFF
                else:
                    at = range_offsets + 2 * s + range_offset + 2 * (code - start)
                    glyph = struct.unpack_from(">H", self.data, at)[0]
                    if glyph != 0:
                        glyph = (glyph + delta) & 0xFFFF
                if glyph != 0:
                    glyphs[code] = glyph
        return glyphs

    def thousandths(self, glyph: int) -> int:
        return (2 * 1000 * self.advance(glyph) + self.units_per_em) // (2 * self.units_per_em)


def windows_1252_char(code: int):
    try:
        return bytes([code]).decode("cp1252")
    except UnicodeDecodeError:
        return None  # 81, 8D, 8F, 90 and 9D are undefined


def truetype_widths(path: Path) -> list:
    face = TrueTypeFace(path.read_bytes())
    widths = []
    for code in range(FIRST_CODE, LAST_CODE + 1):
        char = windows_1252_char(code)
        glyph = face.glyph_of.get(ord(char), 0) if char is not None else 0
        widths.append(face.thousandths(glyph))
    return widths


def afm_widths(path: Path) -> list:
    by_code = {}
    notdef = None
    for line in path.read_text(encoding="latin-1").splitlines():
        if not line.startswith("C "):
            continue
        fields = {}
        for item in line.split(";"):
            parts = item.split()
            if len(parts) >= 2:
                fields[parts[0]] = parts[1]
        code, width = int(fields["C"]), round(float(fields["WX"]))
        if fields.get("N") == ".notdef":
            notdef = width
        elif 0 <= code <= 255:
            by_code[code] = width
    if notdef is None:
        raise ValueError(f"{path} has no .notdef metrics")
    return [by_code.get(code, notdef) for code in range(FIRST_CODE, LAST_CODE + 1)]


def cpp_table(name: str, source: str, widths: list) -> str:
    rows = []
    for first in range(0, len(widths), 16):
        rows.append("    " + ", ".join(str(w) for w in widths[first:first + 16]) + ",")
    return (f"// {source}\n"
            f"const WidthTable {name} = {{\n" + "\n".join(rows) + "\n};\n")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--fonts", default="/usr/share/fonts/truetype/liberation")
    parser.add_argument("--afm", default="/usr/share/fonts/type1/urw-base35/StandardSymbolsPS.afm")
    parser.add_argument("--output", default=str(Path(__file__).resolve().parents[2] /
                                                "posterpdf" / "FontWidths.cpp"))
    args = parser.parse_args()

    parts = [
        "// Generated by tools/posterpdf-widths/generate_widths.py from the installed faces; do not\n"
        "// edit. Widths of codes 32..255 (Windows-1252) in thousandths of the em.\n\n"
        '#include "posterpdf/FontWidths.h"\n\n'
        "namespace tessivo::posterpdf {\n\n"
        "// 16 codes a row.\n// clang-format off\n"
    ]
    for name, file in TRUETYPE_TABLES:
        parts.append("\n" + cpp_table(name, file, truetype_widths(Path(args.fonts) / file)))
    parts.append("\n" + cpp_table("kSymbolWidths", Path(args.afm).name, afm_widths(Path(args.afm))))
    parts.append("// clang-format on\n\n}  // namespace tessivo::posterpdf\n")
    Path(args.output).write_text("".join(parts), encoding="ascii")
    print(f"wrote {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
