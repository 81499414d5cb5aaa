#!/usr/bin/env python3
"""No mode may write a salt as an ester: with the starter dictionary, the
salts of each sample (class salt or inorganic, or "salt" in the name) must
not come out with 酸酯 where no accepted name has it, in 翻译 alone, in 排序
and in the naming-rule order; at most MAX per sample and mode.

    salts_read_as_esters.py CLI DICTIONARY MAX SAMPLE.tsv [SAMPLE.tsv ...]"""

import subprocess
import sys


def main():
    cli, dictionary, most, samples = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4:]
    failed = False
    for sample in samples:
        with open(sample, encoding="utf-8") as table:
            rows = [line.split("\t") for line in table.read().splitlines()[1:] if line and not line.startswith("#")]
        salts = [row for row in rows if row[2] in ("salt", "inorganic") or " salt" in row[0]]
        source = "".join(row[0] + "\n" for row in salts)
        for mode in ([], ["--sort"], ["--sort=rules"]):
            output = subprocess.run([cli, "translate", "--dict", dictionary, *mode], input=source.encode(),
                                    capture_output=True, check=True).stdout.decode().splitlines()
            if len(output) != len(salts):
                print(f"{sample} {' '.join(mode) or '翻译'}: {len(output)} lines for {len(salts)} names")
                failed = True
                continue
            esters = [(row[0], line) for row, line in zip(salts, output) if "酸酯" in line and "酸酯" not in row[1]]
            print(f"{sample} {' '.join(mode) or '翻译'}: {len(esters)} of {len(salts)} salts read as esters")
            for english, line in esters:
                print(f"  {english} → {line}")
            failed = failed or len(esters) > most
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
