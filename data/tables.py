"""Reads the vocabulary tables of data/vocabulary/: tab-separated, a header
line naming the columns, lines starting with "#" are comments."""

from pathlib import Path

FOLDER = Path(__file__).resolve().parent / "vocabulary"


def table(name):
    """The rows of data/vocabulary/NAME as dictionaries keyed by the header's
    column names (a missing trailing column reads as empty)."""
    lines = [line for line in (FOLDER / name).read_text(encoding="utf-8").split("\n")
             if line and not line.startswith("#")]
    header = lines[0].split("\t")
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) > len(header):
            raise ValueError(f"data/vocabulary/{name}: line {number} has more fields than the header")
        rows.append(dict(zip(header, fields + [""] * (len(header) - len(fields)))))
    return rows


def family(name, which):
    """The rows (English, Chinese) of family WHICH in data/vocabulary/NAME, in
    their order."""
    return [(row["english"], row["chinese"]) for row in table(name) if row["family"] == which]
