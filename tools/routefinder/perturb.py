#!/usr/bin/env python3
"""How forgiving a recorded run is: plays it again N times with one key event
moved by one frame (earlier or later, chosen at random) and counts how many
still end the level through its exit without losing a life.

    tools/routefinder/perturb.py [--game build/game] [--runs 100] [--seed 1] [--exit CODE] SCRIPT LEVEL.doy

The last level's runs end in its warp box, which leaves with exit code 1913
instead of 1: for lev_wierd_1 that is what counts as finishing (--exit
overrides the code looked for).

A level that needs a pixel-perfect trick shows up as a low count: most moved
events then lose the way. Prints "LEVEL: K of N perturbed runs finish".
"""
import argparse
import json
import os
import random
import subprocess
import sys
import tempfile


def events(path):
    lines = []
    with open(path) as f:
        for line in f:
            text = line.strip()
            if not text or text.startswith("#"):
                continue
            parts = text.split(None, 1)
            lines.append((int(parts[0]), parts[1]))
    return lines


# Levels whose recorded runs end somewhere other than the exit box.
GOAL_EXIT = {"lev_wierd_1.doy": 1913}


def play(game, save, script_lines, level, seed, goal):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        for frame, rest in script_lines:
            f.write(f"{frame} {rest}\n")
        script = f.name
    state = os.path.join(save, "state.json")
    if os.path.exists(state):
        os.remove(state)
    subprocess.run([os.path.join(game, "boingle"), "--headless", "--data", game, "--save-dir", save, "--seed",
                    str(seed), "--frames", "30000", "--state", state, "--script", script, level],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    os.remove(script)
    try:
        with open(state) as f:
            s = json.load(f)
    except (OSError, ValueError):
        return False
    last = s.get("LastLevel") or {}
    return last.get("exit") == goal and s.get("Lives") == 10


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--game", default="build/game")
    ap.add_argument("--runs", type=int, default=100)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--exit", type=int, default=None, help="the exit code that counts as finishing")
    ap.add_argument("script")
    ap.add_argument("level")
    a = ap.parse_args()
    goal = a.exit if a.exit is not None else GOAL_EXIT.get(os.path.basename(a.level), 1)
    base = events(a.script)
    if not base:
        sys.exit("perturb: no events in " + a.script)
    rng = random.Random(a.seed)
    with tempfile.TemporaryDirectory() as save:
        # The settings the start-up prompts make: no music, a window.
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
            f.write("1 type 4\n3 type a\n")
            prompts = f.name
        subprocess.run([os.path.join(a.game, "boingle"), "--headless", "--data", a.game, "--save-dir", save,
                        "--frames", "10", "--script", prompts], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
        os.remove(prompts)
        if not play(a.game, save, base, a.level, a.seed, goal):
            sys.exit(f"perturb: the unchanged run does not finish {a.level}")
        finished = 0
        for _ in range(a.runs):
            lines = list(base)
            k = rng.randrange(len(lines))
            frame, rest = lines[k]
            lines[k] = (max(0, frame + rng.choice((-1, 1))), rest)
            lines.sort(key=lambda e: e[0])
            finished += play(a.game, save, lines, a.level, a.seed, goal)
    print(f"{a.level}: {finished} of {a.runs} perturbed runs finish")


if __name__ == "__main__":
    main()
