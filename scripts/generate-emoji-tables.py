#!/usr/bin/env python3
"""Generates keyloom/state/EmojiCategoryTables.cpp, the emoji tables of
the emoji keyboard's categories.

Each table has a fixed size, a fixed first row and a fixed last row (written
below as code points). The emojis in between are taken from Unicode's
emoji-test.txt (Debian package unicode-data): fully-qualified emojis only,
without skin-tone variants, from the groups and subgroups listed per category,
each source in the file's order. No emoji appears twice in a table or in two
tables, and a single scalar below U+238D (the keyboard's emoji test treats it
as text) is left out.

The output is committed, so building needs neither this script nor the data
file. Run it again only to change the tables:

    scripts/generate-emoji-tables.py [path/to/emoji-test.txt]
"""

import pathlib
import sys

DEFAULT_SOURCE = "/usr/share/unicode/emoji/emoji-test.txt"
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "keyloom/state/EmojiCategoryTables.cpp"

ROW_LENGTH = 10
ZWJ = 0x200D
VS16 = 0xFE0F
SKIN_TONES = range(0x1F3FB, 0x1F400)

PLAYING_CARDS = [[0x2660, VS16], [0x2665, VS16], [0x2666, VS16], [0x2663, VS16], [0x1F0CF], [0x1F004], [0x1F3B4]]
NATURE_EVENTS = [[0x1F384], [0x2728], [0x1F38B], [0x1F38D]]  # trees, sparkles, bamboo
CLOCK_FACES = [[c] for c in range(0x1F550, 0x1F568)]
HORNS_AND_BELLS = [[0x1F4E2], [0x1F4E3], [0x1F4EF], [0x1F514]]
GIFTS_AND_TOYS = [[0x1F380], [0x1F381], [0x1FA84], [0x1FA85]]  # ribbon, gift, magic wand, pinata
# Territories whose flag is another region's.
SHARED_FLAGS = [[0x1F1E6 + ord(a) - 65, 0x1F1E6 + ord(b) - 65]
                for a, b in ("BV", "CP", "DG", "EA", "HM", "IC", "MF", "SJ", "TA", "UM")]


def cps(text):
    return [int(part, 16) for part in text.split()]




def source(group, subgroup=None, only=None, never=(), skip_subgroups=()):
    """Emojis of a group, or of one of its subgroups; `only` and `never` pick
    emojis by code points, `skip_subgroups` leaves parts of the group out."""
    return {"group": group, "subgroup": subgroup, "only": only, "never": never, "skip": skip_subgroups}


# Each category: size, first row, last row (emojis separated by spaces, the
# scalars of one emoji by commas), and the sources of the emojis in between.
CATEGORIES = [
    ("smileys", 483,
     "1F600 1F603 1F604 1F601 1F606 1F979 1F605 1F602 1F923 1F972",
     "1F576 1F97D 1F302",
     [source("Smileys & Emotion", skip_subgroups=("heart", "emotion")),
      source("People & Body", skip_subgroups=("person-sport",)),
      source("Objects", "clothing")]),
    ("animals", 211,
     "1F436 1F431 1F42D 1F439 1F430 1F98A 1F43B 1F43C 1F43B,200D,2744,FE0F 1F428",
     "1F32B",
     [source("Animals & Nature"),
      source("Travel & Places", "sky & weather"),
      source("Travel & Places", "place-geographic"),
      source("Activities", "event", only=NATURE_EVENTS)]),
    ("foods", 128,
     "1F34F 1F34E 1F350 1F34A 1F34B 1F34C 1F349 1F347 1F353 1FAD0",
     "1F9CA 1F944 1F374 1F37D 1F963 1F961 1F962 1F9C2",
     [source("Food & Drink")]),
    ("activities", 120,
     "26BD,FE0F 1F3C0 1F3C8 26BE,FE0F 1F94E 1F3BE 1F3D0 1F3C9 1F94F 1F3B1",
     "1FA95 1F3BB 1FA88 1F3B2 265F 1F3AF 1F3B3 1F3AE 1F3B0 1F9E9",
     [source("Activities", never=PLAYING_CARDS + GIFTS_AND_TOYS),
      source("Objects", "musical-instrument"),
      source("People & Body", "person-sport")]),
    ("travels", 131,
     "1F697 1F695 1F699 1F68C 1F68E 1F3CE 1F693 1F691 1F692 1F690",
     "1F301",
     [source("Travel & Places", skip_subgroups=("time",))]),
    ("objects", 224,
     "231A,FE0F 1F4F1 1F4F2 1F4BB 2328,FE0F 1F5A5 1F5A8 1F5B1 1F5B2 1F579",
     "1F50F 1F510 1F512 1F513",
     [source("Objects", skip_subgroups=("sound", "musical-instrument")),
      source("Objects", "sound", only=HORNS_AND_BELLS),
      source("Activities", only=GIFTS_AND_TOYS),
      source("Food & Drink", "dishware"),
      source("Travel & Places", "time", never=CLOCK_FACES)]),
    ("symbols", 298,
     "1FA77 2764,FE0F 1F9E1 1F49B 1F49A 1FA75 1F499 1F49C 1F5A4 1FA76",
     "1F560 1F561 1F562 1F563 1F564 1F565 1F566 1F567",
     [source("Smileys & Emotion", "heart"),
      source("Smileys & Emotion", "emotion"),
      source("Symbols"),
      source("Objects", "sound"),
      source("Activities", "game", only=PLAYING_CARDS),
      source("Travel & Places", "time", only=CLOCK_FACES)]),
    ("flags", 259,
     "1F3F3,FE0F 1F3F4 1F3F4,200D,2620,FE0F 1F3C1 1F6A9 1F3F3,FE0F,200D,1F308 1F3F3,FE0F,200D,26A7,FE0F "
     "1F1FA,1F1F3 1F1E6,1F1EB 1F1E6,1F1F1",
     "1F1FB,1F1F3 1F1E7,1F1FE 1F1EA,1F1ED 1F1FC,1F1EB 1F1FF,1F1F2 1F1FF,1F1FC 1F1E6,1F1FD 1F1E6,1F1F9 "
     "1F1F9,1F1F1",
     [source("Flags", never=SHARED_FLAGS)]),
]


def parse_row(text):
    """A row written as emojis separated by spaces, scalars of one emoji by commas."""
    return [[int(part, 16) for part in emoji.split(",")] for emoji in text.split()]


def read_emoji_test(path):
    """The fully-qualified emojis of the file, as (group, subgroup, code points)."""
    entries = []
    group = subgroup = None
    with open(path, encoding="utf-8") as source:
        for line in source:
            if line.startswith("# group:"):
                group = line.split(":", 1)[1].strip()
            elif line.startswith("# subgroup:"):
                subgroup = line.split(":", 1)[1].strip()
            elif line.strip() and not line.startswith("#"):
                points, rest = line.split(";", 1)
                if rest.split("#", 1)[0].strip() == "fully-qualified":
                    entries.append((group, subgroup, cps(points)))
    return entries


def identity(points):
    """Spellings with and without the emoji variation selector name one emoji."""
    return tuple(point for point in points if point != VS16)


def counts_as_emoji(points):
    return len(points) > 1 or points[0] >= 0x238D


def select(entries, category, used):
    name, size, first_text, last_text, sources = category
    first, last = parse_row(first_text), parse_row(last_text)
    needed = size - len(first) - len(last)
    middle = []
    for chosen in sources:
        only_ids = {identity(p) for p in chosen["only"]} if chosen["only"] is not None else None
        never_ids = {identity(p) for p in chosen["never"]}
        for entry_group, entry_subgroup, points in entries:
            if entry_group != chosen["group"] or entry_subgroup in chosen["skip"]:
                continue
            if chosen["subgroup"] is not None and entry_subgroup != chosen["subgroup"]:
                continue
            key = identity(points)
            if only_ids is not None and key not in only_ids:
                continue
            if key in never_ids or key in used or any(p in SKIN_TONES for p in points):
                continue
            if not counts_as_emoji(points):
                continue
            if len(middle) == needed:
                break
            middle.append(points)
            used.add(key)
    if len(middle) != needed:
        sys.exit(f"{name}: only {len(middle)} of {needed} emojis found between the first and last rows")
    return first + middle + last


def escape(points):
    """Visible scalars as UTF-8; joiners, selectors, keycap marks and tags as escapes."""
    out = []
    for point in points:
        invisible = point in (ZWJ, VS16, 0xFE0E, 0x20E3) or 0xE0000 <= point <= 0xE007F
        if invisible or point < 0x20 or point in (0x22, 0x5C):
            out.append(f"\\u{point:04X}" if point <= 0xFFFF else f"\\U{point:08X}")
        else:
            out.append(chr(point))
    return "".join(out)


def render(tables):
    lines = [
        "// Generated by scripts/generate-emoji-tables.py from Unicode's emoji-test.txt. Do not edit.",
        "",
        '#include "keyloom/state/EmojiCategoryTables.h"',
        "",
        "namespace keyloom {",
        "",
        "namespace {",
        "",
    ]
    for name, emojis in tables:
        rows = [emojis[i:i + ROW_LENGTH] for i in range(0, len(emojis), ROW_LENGTH)]
        lines.append(f"// {len(emojis)} emojis in {len(rows)} rows.")
        lines.append(f"constexpr std::string_view {name}Table =")
        for index, row in enumerate(rows):
            text = "".join(escape(points) for points in row)
            ending = ";" if index == len(rows) - 1 else ""
            newline = "" if index == len(rows) - 1 else "\\n"
            lines.append(f'    "{text}{newline}"{ending}')
        lines.append("")
    lines += [
        "}  // namespace",
        "",
        "std::string_view emojiCategoryTable(EmojiCategory category) {",
        "  switch (category) {",
        "    case EmojiCategory::frequent:",
        "      return {};",
    ]
    for name, _ in tables:
        lines.append(f"    case EmojiCategory::{name}:")
        lines.append(f"      return {name}Table;")
    lines += [
        "  }",
        "  return {};",
        "}",
        "",
        "}  // namespace keyloom",
        "",
    ]
    return "\n".join(lines)


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_SOURCE
    entries = read_emoji_test(source)
    # The fixed rows of every table are reserved before any table is filled.
    used = set()
    for _, _, first_text, last_text, _ in CATEGORIES:
        for points in parse_row(first_text) + parse_row(last_text):
            used.add(identity(points))
    tables = [(category[0], select(entries, category, used)) for category in CATEGORIES]
    OUTPUT.write_text(render(tables), encoding="utf-8")
    print(f"wrote {OUTPUT}")


if __name__ == "__main__":
    main()
