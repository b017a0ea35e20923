#!/usr/bin/env python3
"""Write data/steps.txt, the step descriptions shown beside each step.

The table below is the Earthdawn step table as Tessarion rolls it (steps 1 to
100).  Each row is (step, dice pool, number of dice).  The number of dice is
kept as a separate column so that a typing slip in a pool is caught: the
script recounts the dice of every pool and refuses to write the file when a
count disagrees.

Output: 100 records of two lines (step number, dice pool in the program's
notation with an upper-case D), every line ended by CR LF.
"""

import os
import re
import sys

STEP_TABLE = [
    (1, "d4-2", 1),
    (2, "d4-1", 1),
    (3, "d4", 1),
    (4, "d6", 1),
    (5, "d8", 1),
    (6, "d10", 1),
    (7, "d12", 1),
    (8, "2d6", 2),
    (9, "d8+d6", 2),
    (10, "d10+d6", 2),
    (11, "d10+d8", 2),
    (12, "2d10", 2),
    (13, "d12+d10", 2),
    (14, "d20+d4", 2),
    (15, "d20+d6", 2),
    (16, "d20+d8", 2),
    (17, "d20+d10", 2),
    (18, "d20+d12", 2),
    (19, "d20+2d6", 3),
    (20, "d20+d8+d6", 3),
    (21, "d20+d10+d6", 3),
    (22, "d20+d10+d8", 3),
    (23, "d20+2d10", 3),
    (24, "d20+d12+d10", 3),
    (25, "d20+d10+d8+d4", 4),
    (26, "d20+d10+d8+d6", 4),
    (27, "d20+d10+2d8", 4),
    (28, "d20+2d10+d8", 4),
    (29, "d20+d12+d10+d8", 4),
    (30, "d20+d10+d8+2d6", 5),
    (31, "d20+d10+2d8+d6", 5),
    (32, "d20+2d10+d8+d6", 5),
    (33, "d20+2d10+2d8", 5),
    (34, "d20+3d10+d8", 5),
    (35, "d20+d12+2d10+d8", 5),
    (36, "2d20+d10+d8+d4", 5),
    (37, "2d20+d10+d8+d6", 5),
    (38, "2d20+d10+2d8", 5),
    (39, "2d20+2d10+d8", 5),
    (40, "2d20+d12+d10+d8", 5),
    (41, "2d20+d10+d8+2d6", 6),
    (42, "2d20+d10+2d8+d6", 6),
    (43, "2d20+2d10+d8+d6", 6),
    (44, "2d20+2d10+2d8", 6),
    (45, "2d20+3d10+d8", 6),
    (46, "2d20+d12+2d10+d8", 6),
    (47, "2d20+2d10+2d8+d4", 7),
    (48, "2d20+2d10+2d8+d6", 7),
    (49, "2d20+2d10+3d8", 7),
    (50, "2d20+3d10+2d8", 7),
    (51, "2d20+d12+2d10+2d8", 7),
    (52, "2d20+2d10+2d8+2d6", 8),
    (53, "2d20+2d10+3d8+d6", 8),
    (54, "2d20+3d10+2d8+d6", 8),
    (55, "2d20+3d10+3d8", 8),
    (56, "2d20+4d10+2d8", 8),
    (57, "2d20+d12+3d10+2d8", 8),
    (58, "3d20+2d10+2d8+d4", 8),
    (59, "3d20+2d10+2d8+d6", 8),
    (60, "3d20+2d10+3d8", 8),
    (61, "3d20+3d10+2d8", 8),
    (62, "3d20+d12+2d10+2d8", 8),
    (63, "3d20+2d10+2d8+2d6", 9),
    (64, "3d20+2d10+3d8+d6", 9),
    (65, "3d20+3d10+2d8+d6", 9),
    (66, "3d20+3d10+3d8", 9),
    (67, "3d20+4d10+2d8", 9),
    (68, "3d20+d12+3d10+2d8", 9),
    (69, "3d20+3d10+3d8+d4", 10),
    (70, "3d20+3d10+3d8+d6", 10),
    (71, "3d20+3d10+4d8", 10),
    (72, "3d20+4d10+3d8", 10),
    (73, "3d20+d12+3d10+3d8", 10),
    (74, "3d20+3d10+3d8+2d6", 11),
    (75, "3d20+3d10+4d8+d6", 11),
    (76, "3d20+4d10+3d8+d6", 11),
    (77, "3d20+4d10+4d8", 11),
    (78, "3d20+5d10+3d8", 11),
    (79, "3d20+d12+4d10+3d8", 11),
    (80, "4d20+3d10+3d8+d4", 11),
    (81, "4d20+3d10+3d8+d6", 11),
    (82, "4d20+3d10+4d8", 11),
    (83, "4d20+4d10+3d8", 11),
    (84, "4d20+d12+3d10+3d8", 11),
    (85, "4d20+3d10+3d8+2d6", 12),
    (86, "4d20+3d10+4d8+d6", 12),
    (87, "4d20+4d10+3d8+d6", 12),
    (88, "4d20+4d10+4d8", 12),
    (89, "4d20+5d10+3d8", 12),
    (90, "4d20+d12+4d10+3d8", 12),
    (91, "4d20+4d10+3d8+2d6", 13),
    (92, "4d20+4d10+4d8+d6", 13),
    (93, "4d20+4d10+5d8", 13),
    (94, "4d20+5d10+4d8", 13),
    (95, "4d20+d12+4d10+4d8", 13),
    (96, "4d20+4d10+4d8+2d6", 14),
    (97, "4d20+4d10+5d8+d6", 14),
    (98, "4d20+5d10+4d8+d6", 14),
    (99, "4d20+5d10+5d8", 14),
    (100, "4d20+6d10+4d8", 14),
]

DIE_SIZES = (4, 6, 8, 10, 12, 20)
PART = re.compile(r"^(\d*)d(\d+)$")


def count_dice(pool):
    """Return (number of dice, adjustment) of a pool such as '2d20+d8' or 'd4-2'."""
    adjust = 0
    m = re.fullmatch(r"(.*?)-(\d+)", pool)
    if m:
        pool, adjust = m.group(1), -int(m.group(2))
    dice = 0
    sizes = []
    for part in pool.split("+"):
        m = PART.match(part)
        if not m:
            raise ValueError("bad pool part %r" % part)
        k = int(m.group(1)) if m.group(1) else 1
        n = int(m.group(2))
        if n not in DIE_SIZES:
            raise ValueError("bad die size in %r" % part)
        if k < 1:
            raise ValueError("bad die count in %r" % part)
        dice += k
        sizes.append(n)
    if sizes != sorted(sizes, reverse=True):
        raise ValueError("dice of %r are not listed largest first" % pool)
    return dice, adjust


def check_table():
    assert len(STEP_TABLE) == 100, "the table must have 100 rows"
    for index, (step, pool, dice) in enumerate(STEP_TABLE):
        assert step == index + 1, "row %d holds step %d" % (index + 1, step)
        counted, adjust = count_dice(pool)
        assert counted == dice, "step %d: %s has %d dice, table says %d" % (
            step, pool, counted, dice)
        expected_adjust = {1: -2, 2: -1}.get(step, 0)
        assert adjust == expected_adjust, "step %d: adjustment %d" % (step, adjust)
    # Spot checks of rows that are easy to get wrong.
    rows = {step: pool for step, pool, _ in STEP_TABLE}
    assert rows[8] == "2d6"
    assert rows[19] == "d20+2d6"
    assert rows[91] == "4d20+4d10+3d8+2d6"
    assert rows[100] == "4d20+6d10+4d8"


def render():
    lines = []
    for step, pool, _ in STEP_TABLE:
        lines.append(str(step))
        lines.append(pool.upper())
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def main():
    check_table()
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, os.pardir, "data", "steps.txt")
    if len(sys.argv) > 1:
        target = sys.argv[1]
    data = render()
    assert data.count(b"\r\n") == 200
    with open(target, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (os.path.normpath(target), len(data)))


if __name__ == "__main__":
    main()
