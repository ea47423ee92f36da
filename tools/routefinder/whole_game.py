#!/usr/bin/env python3
"""Writes one input script that plays the whole game from a first start.

    tools/routefinder/whole_game.py [--game build/game] [--scripts tests/scripts]
                                    [--out tests/scripts/whole_game.txt]

The run starts with no config.dat: it answers the start-up prompts, skips the
TV channels and the retro teaser, plays the retro level (Right and Up held),
skips waking up and the new world, plays the tutorial on its recorded run,
leaves the title splash, crosses the menu level (slot 1, the door, the exit)
and then plays the fourteen map levels in the order they unlock, each on its
recorded <level>_full.txt run (every statue and the secret), moving the map
cursor with the arrow keys; Weird I's warp box ends the story, and keys go on
until the program ends after the credits.

A seeded run reseeds at every level load, so a level's recorded run replays
the same way inside the whole game once its frames are moved to where the
level was loaded ("LevelLoadFrame" in the --state dump). Where a screen hands
over is found by playing the script so far and reading the dump; the game is
deterministic, so what this tool saw is what the test sees.
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile

# The map levels in the order they unlock, with the arrow key that moves the
# cursor from the level before.
LEVELS = [
    ("lev_forest_1.doy", None),
    ("lev_ghost_1.doy", "RIGHT"),
    ("lev_forest_2.doy", "RIGHT"),
    ("lev_desert_1.doy", "RIGHT"),
    ("lev_temple_1.doy", "DOWN"),
    ("lev_beach_1.doy", "LEFT"),
    ("lev_ocean_1.doy", "LEFT"),
    ("lev_beach_2.doy", "LEFT"),
    ("lev_volcano_1.doy", "RIGHT"),
    ("lev_volcano_2.doy", "DOWN"),
    ("lev_mountain_1.doy", "RIGHT"),
    ("lev_air_1.doy", "UP"),
    ("lev_castle_1.doy", "DOWN"),
    ("lev_wierd_1.doy", "RIGHT"),
]

# What the run reads in the --state dump.
MENU_AREA, MAP_AREA = 14, 15
TUTORIAL, MAP_LEVEL_BASE = 425, 410
NEW_WORLD_AREA = 16


PARTIAL = None  # where a failed run leaves the script so far


def fail(message):
    """Stops with the script so far written beside the output, for a look."""
    if PARTIAL:
        with open(PARTIAL[1], "w") as f:
            f.write(PARTIAL[0].text())
        message += f" (the script so far: {PARTIAL[1]})"
    sys.exit("whole_game: " + message)


class Run:
    def __init__(self, game):
        self.game = game
        self.events = []  # (frame, "tap SPACE")

    def text(self):
        return "".join(f"{f} {e}\n" for f, e in sorted(self.events, key=lambda x: x[0]))

    def add(self, frame, event):
        self.events.append((frame, event))

    def play(self, frames, extra=()):
        """The --state dump after `frames` frames of the script so far."""
        with tempfile.TemporaryDirectory() as save:
            script = os.path.join(save, "script.txt")
            state = os.path.join(save, "state.json")
            with open(script, "w") as f:
                f.write(self.text() + "".join(f"{fr} {e}\n" for fr, e in extra))
            proc = subprocess.run(
                [os.path.join(self.game, "boingle"), "--headless", "--data", self.game, "--save-dir", save,
                 "--seed", "1", "--frames", str(frames), "--state", state, "--script", script],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            with open(state) as f:
                d = json.load(f)
            d["_rc"] = proc.returncode
            return d

    def first(self, start, step, limit, test, what):
        """The first frame from `start` (in steps) whose dump passes `test`."""
        frame = start
        while frame <= start + limit:
            d = self.play(frame)
            if test(d):
                return frame, d
            if d["Frames"] < frame:
                fail(f"the program ended at frame {d['Frames']} waiting for {what}")
            frame += step
        fail(f"no {what} within {limit} frames of {start}")

    def tap_until(self, start, key, test, what, step=20, tries=15, wait=40):
        """Taps `key` at the first frame from `start` after which `test` holds
        `wait` frames later; returns the frame and that dump."""
        frame = start
        for _ in range(tries):
            d = self.play(frame + wait, [(frame, f"tap {key}")])
            if test(d):
                self.add(frame, f"tap {key}")
                return frame, d
            frame += step
        fail(f"tapping {key} from frame {start} never reached {what}")

    def level(self, script_file, start, hold=0):
        """Moves a level's recorded run to `start` and lets go of the keys it
        still holds at its end (the next screen must not start with Up held),
        `hold` frames after its last event (a run that ends in the warp box
        still steers after its last key event); returns its last frame."""
        last = start
        held = set()
        with open(script_file) as f:
            for line in f:
                line = line.strip()
                if not line or line.startswith("#"):
                    continue
                frame, event = line.split(" ", 1)
                self.add(start + int(frame), event)
                last = max(last, start + int(frame))
                verb, key = event.split(" ", 1)
                if verb == "down":
                    held.add(key)
                elif verb == "up":
                    held.discard(key)
        for key in sorted(held):
            self.add(last + hold, f"up {key}")
        return last


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--game", default="build/game")
    ap.add_argument("--scripts", default="tests/scripts")
    ap.add_argument("--out", default="tests/scripts/whole_game.txt")
    ap.add_argument("--runs-for-missing", action="store_true",
                    help="play a level's _run.txt where it has no _full.txt yet (a trial of the tool)")
    a = ap.parse_args()
    run = Run(a.game)
    global PARTIAL
    PARTIAL = (run, a.out + ".partial")
    say = lambda *m: print("whole_game:", *m, file=sys.stderr, flush=True)

    # The start-up prompts (no music, a window), the TV channels, the teaser.
    run.add(1, "type 4")
    run.add(3, "type a")
    run.add(60, "tap ESCAPE")
    run.add(120, "tap ESCAPE")
    _, d = run.first(121, 10, 300, lambda d: d.get("LevelLoadFrame", -1) > 120, "the retro level")
    retro = d["LevelLoadFrame"]
    run.add(retro, "down RIGHT")
    run.add(retro, "down UP")
    end, d = run.first(retro + 60, 120, 3000, lambda d: (d.get("LastLevel") or {}).get("file") == "f_retro.doy",
                       "the end of the retro level")
    run.add(end, "up RIGHT")
    run.add(end, "up UP")
    say("retro level", retro, "to", end)

    # Waking up and the new world, skipped, then the tutorial on its run.
    frame = end + 10
    while True:
        d = run.play(frame)
        if d.get("LevelId") == TUTORIAL and d["LevelLoadFrame"] > end:
            break
        d2 = run.play(frame + 60, [(frame, "tap ESCAPE")])
        if d2["GameState"] != d["GameState"] or d2["AreaIndex"] != d["AreaIndex"] or d2["LevelId"] != d["LevelId"]:
            run.add(frame, "tap ESCAPE")
            frame += 61
            continue
        frame += 20
        if frame > end + 3000:
            fail("the tutorial never began")
    tut = d["LevelLoadFrame"]
    last = run.level(os.path.join(a.scripts, "lev_tut_run.txt"), tut)
    say("tutorial from", tut, "to", last)

    # The title splash, then the menu level.
    _, d = run.tap_until(last + 30, "ESCAPE", lambda d: d.get("AreaIndex") == MENU_AREA, "the menu level",
                         wait=120)
    menu = d["LevelLoadFrame"]
    # The first-run test's way across the menu level, counted from its load:
    # onto slot 1's key, through the door and the summary room to the exit.
    for f, e in [(67, "down LEFT"), (264, "up LEFT"), (397, "down LEFT"), (687, "up LEFT")]:
        run.add(menu + f, e)
    at, d = run.first(menu + 690, 10, 600, lambda d: d.get("AreaIndex") == MAP_AREA, "the world map")
    at = d["LevelLoadFrame"] + 60
    say("menu level from", menu, "; the map from", d["LevelLoadFrame"])

    for i, (level, arrow) in enumerate(LEVELS, start=1):
        script = os.path.join(a.scripts, level.replace(".doy", "_full.txt"))
        if not os.path.exists(script) and a.runs_for_missing:
            script = script.replace("_full.txt", "_run.txt")
        if not os.path.exists(script):
            fail(f"no recorded run {script}")
        if arrow:
            at, _ = run.tap_until(at, arrow, lambda d, i=i: d.get("MapNode") == i, f"map node {i}")
            at += 30
        at, d = run.tap_until(at, "SPACE", lambda d, i=i, at=at: d.get("LevelId") == MAP_LEVEL_BASE + i and
                              d["LevelLoadFrame"] > at and d.get("AreaIndex") != MAP_AREA, level, wait=300)
        start = d["LevelLoadFrame"]
        last = run.level(script, start, hold=300 if level == "lev_wierd_1.doy" else 0)
        say(level, "from", start, "to", last)
        if level == "lev_wierd_1.doy":
            break
        # Back on the map; after Forest I the villains' scene comes first,
        # and Escape skips it.
        d = run.play(last + 400)
        outcome = d.get("LastLevel") or {}
        if outcome.get("file") != level or outcome.get("exit") != 1 or d.get("Lives") != 10:
            fail(f"{level} did not end through its exit on its recorded run: {outcome}, lives {d.get('Lives')}")
        frame = last + 30
        while d.get("AreaIndex") != MAP_AREA:
            d = run.play(frame + 200, [(frame, "tap ESCAPE")])
            if d.get("AreaIndex") == MAP_AREA:
                run.add(frame, "tap ESCAPE")
            frame += 20
            if frame > last + 3000:
                fail(f"not back on the map after {level}")
        at = d["LevelLoadFrame"] + 60

    # "To be Continued..." plays out by itself; the credits end on Escape,
    # which is tapped until the program ends.
    frame = last + 60
    for _ in range(200):
        d = run.play(frame + 600, [(frame, "tap ESCAPE")])
        if d["Frames"] < frame + 600:
            run.add(frame, "tap ESCAPE")
            break
        frame += 120
    else:
        fail("the program did not end after the story")
    say("the program ended at frame", d["Frames"])
    with open(a.out, "w") as f:
        f.write("# The whole game from a first start, made by tools/routefinder/whole_game.py\n"
                "# from the recorded runs in this folder. Frames count from the program's start.\n")
        f.write(run.text())
    say("wrote", a.out)


if __name__ == "__main__":
    main()
