#!/usr/bin/env python3
"""Writes a batch input for timing tubewise-cli --batch (the files are too big to keep).

  make_batch.py design N [SEED]    3 dilutions of 10, 1 and 0.1 mL, 5 tubes each, random positives
  make_batch.py distinct N [SEED]  no two lines alike: 1 to 5 dilutions, random volumes and tubes
  make_batch.py tray N [SEED]      51- and 97-well trays, random counts, a third with a dilution
                                   factor of 10 or 100
"""
import random
import sys


def design(rng, n):
    for i in range(n):
        cells = []
        for volume in ("10", "1", "0.1"):
            cells += [volume, "5", str(rng.randint(0, 5))]
        yield f"s{i}," + ",".join(cells)


def distinct(rng, n):
    seen = set()
    i = 0
    while i < n:
        cells = []
        for _ in range(rng.randint(1, 5)):
            volume = f"{10 ** rng.uniform(-4, 2):.6g}"
            tubes = rng.randint(1, 20)
            cells += [volume, str(tubes), str(rng.randint(0, tubes))]
        line = ",".join(cells)
        if line in seen:
            continue
        seen.add(line)
        yield f"d{i}," + line
        i += 1


def tray(rng, n):
    for i in range(n):
        if rng.random() < 0.5:
            cells = ["tray51", str(rng.randint(0, 51))]
        else:
            cells = ["tray97", str(rng.randint(0, 49)), str(rng.randint(0, 48))]
        if rng.random() < 1 / 3:
            cells.append(rng.choice(("10", "100")))
        yield f"t{i}," + ",".join(cells)


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ("design", "distinct", "tray"):
        sys.exit(__doc__)
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    make = {"design": design, "distinct": distinct, "tray": tray}[sys.argv[1]]
    out = sys.stdout
    out.write("id,volume,tubes,positives\n")
    for line in make(rng, int(sys.argv[2])):
        out.write(line + "\n")


if __name__ == "__main__":
    main()
