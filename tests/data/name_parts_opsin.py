#!/usr/bin/env python3
"""Every part of data/name-parts.tsv comes from a token of OPSIN (Debian's
libopsin-java): its "opsin" column names the token list and the token, and
the part is made of those tokens and the joining vowels a and o (tetr + a,
(hexan)o + ic acid, az + ol + e); a part OPSIN has no token for says "CCS 2017".

    name_parts_opsin.py PARTS_TSV [JAR]

Exits 77 (CTest reads it as skipped) when the jar is not installed."""

import re
import sys
import zipfile
from pathlib import Path

RESOURCES = "uk/ac/cam/ch/wwmm/opsin/resources/"
TOKEN = re.compile(r"<token[^>]*>([^<]*)</token>")


def main():
    parts = Path(sys.argv[1])
    jar = Path(sys.argv[2] if len(sys.argv) > 2 else "/usr/share/java/opsin-core.jar")
    if not jar.exists():
        print(f"{jar} not installed: skipped")
        return 77
    tokens = {}
    with zipfile.ZipFile(jar) as archive:
        for name in archive.namelist():
            if name.startswith(RESOURCES) and name.endswith(".xml"):
                text = archive.read(name).decode("utf-8")
                tokens[Path(name).stem] = {t for m in TOKEN.finditer(text) for t in m.group(1).split("|")}
    failures = []
    for number, line in enumerate(parts.read_text(encoding="utf-8").splitlines(), 1):
        if number == 1 or line.startswith("#"):
            continue
        english, chinese, kind, origin, example = line.split("\t")
        if origin == "CCS 2017":
            continue
        made_of = []
        for source in origin.split(" + "):
            listname, _, token = source.partition(":")
            if token not in tokens.get(listname, ()):
                failures.append(f"line {number}: {english}: no token '{token}' in OPSIN's {listname}")
            made_of.append(re.escape(token))
        # The joining vowels: tetr + a, (hexan)o + ic acid, and the final e
        # of a ring (az + ol + e).
        if not re.fullmatch("[ao]?" + "[ao]?".join(made_of) + "[ae]?", english):
            failures.append(f"line {number}: {english} is not made of {origin}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
