#!/usr/bin/env python3
"""Shuffles the options of every choice question of paper files.

    python3 course/shuffle_options.py papers/107.yaml [more paper files]

Each answer keeps pointing at the same option text. The seed comes from the
paper key (the file name), so a run is repeatable. A shuffle is kept only when
the right answers of the paper are spread roughly evenly over the four
positions (each within 30 % of an even share) with no run longer than three:
an exact even split is a pattern too, so the positions stay random within that
band. The file is written back in the house style: double-quoted strings,
flow lists of plain values, literal blocks for passages. Comments are not kept.
"""

import math
import random
import sys
from pathlib import Path

import yaml

LONGEST_RUN = 3


def choice_questions(paper):
    for page in paper["pages"]:
        if "options" in page:
            yield page
        for question in page.get("questions", []):
            yield question


def acceptable(positions):
    if not positions:
        return True
    share = len(positions) / 4
    low, high = math.floor(share * 0.7), math.ceil(share * 1.3)
    if any(not low <= positions.count(p) <= high for p in (1, 2, 3, 4)):
        return False
    run = 1
    for before, after in zip(positions, positions[1:]):
        run = run + 1 if before == after else 1
        if run > LONGEST_RUN:
            return False
    return True


def shuffle(paper, key):
    questions = list(choice_questions(paper))
    originals = [(list(q["options"]), q["options"][int(q["answer"]) - 1]) for q in questions]
    for attempt in range(10000):
        rng = random.Random(key * 10000 + attempt)
        positions = []
        for question, (options, right) in zip(questions, originals):
            order = options[:]
            rng.shuffle(order)
            question["options"] = order
            question["answer"] = order.index(right) + 1
            positions.append(question["answer"])
        if acceptable(positions):
            return positions
    raise SystemExit(f"{key}: no acceptable shuffle found")


def scalar(value):
    if isinstance(value, bool) or value is None:
        raise SystemExit(f"unexpected value {value!r}")
    if isinstance(value, int):
        return str(value)
    escaped = str(value).replace("\\", "\\\\").replace('"', '\\"')
    return f'"{escaped}"'


def is_plain(value):
    return not isinstance(value, (dict, list))


def emit_map(mapping, indent, lines, first_prefix=None):
    pad = " " * indent
    for index, (key, value) in enumerate(mapping.items()):
        lead = first_prefix if index == 0 and first_prefix is not None else pad
        if key == "passage" and isinstance(value, str):
            lines.append(f"{lead}{key}: |")
            for text in value.rstrip("\n").split("\n"):
                lines.append(f"{pad}  {text}".rstrip())
        elif isinstance(value, dict):
            lines.append(f"{lead}{key}:")
            emit_map(value, indent + 2, lines)
        elif isinstance(value, list) and all(is_plain(v) for v in value):
            lines.append(f"{lead}{key}: [{', '.join(scalar(v) for v in value)}]")
        elif isinstance(value, list):
            lines.append(f"{lead}{key}:")
            emit_list(value, indent + 2, lines)
        else:
            lines.append(f"{lead}{key}: {scalar(value)}")


def emit_list(items, indent, lines):
    pad = " " * indent
    for item in items:
        if isinstance(item, dict):
            emit_map(item, indent + 2, lines, first_prefix=f"{pad}- ")
        elif isinstance(item, list):
            lines.append(f"{pad}- [{', '.join(scalar(v) for v in item)}]")
        else:
            lines.append(f"{pad}- {scalar(item)}")


def main(paths):
    for name in paths:
        path = Path(name)
        key = int(path.stem)
        paper = yaml.safe_load(path.read_text(encoding="utf-8"))
        positions = shuffle(paper, key)
        lines = []
        emit_map(paper, 0, lines)
        path.write_text("\n".join(lines) + "\n", encoding="utf-8")
        counts = "/".join(str(positions.count(p)) for p in (1, 2, 3, 4))
        print(f"{path}: {len(positions)} choice questions, answers at 1/2/3/4: {counts}")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    main(sys.argv[1:])
