"""HighScore.txt written and checked the way the game does, from the outside: a title, ten
"*score:name" lines, the separator, and a checksum line over the text above it."""

SEPARATOR = "-" * 33 + "\n"
MASK = 0xFFFFFFFF


def checksum(text):
    h = 0
    for b in text.encode("latin-1"):
        signed = b - 256 if b >= 128 else b
        h = (((h << 8) | (h >> 24)) + signed) & MASK
    return "%x%x---%x" % (h, ~(h + 1) & MASK, ((2 * h) & MASK) ^ 0x5D2E91B7)


def table_file(entries):
    text = "Quagleaper - Highscores\n\n" + "".join("*%d:%s\n" % e for e in entries)
    return text + SEPARATOR + checksum(text[:-1])


def write_table(path, entries):
    open(path, "w", encoding="latin-1", newline="").write(table_file(entries))


def entries_if_valid(path):
    """The (score, name) entries of a file the game would accept; None otherwise."""
    content = open(path, encoding="latin-1", newline="").read()
    if SEPARATOR not in content:
        return None
    text, _, check = content.partition(SEPARATOR)
    if check != checksum(text[:-1]):
        return None
    lines = [l for l in text.splitlines() if l.startswith("*")]
    return [(int(l[1:].split(":", 1)[0]), l.split(":", 1)[1]) for l in lines]
