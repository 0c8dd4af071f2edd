#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Kiva beside RasMol, the peer users know as the fast one, timed in turn on this machine.

Builds a water molecule and rock-salt blocks of 8 x 8 x 8 and 16 x 16 x 16 cells (4,913 and
35,937 ions) as PDB files with kiva-scene-pdb, each atom's drawn radius in the temperature-factor
column so that RasMol's "spacefill temperature" draws the spheres Kiva draws. Then times:

  frame    one frame of a turning model at 340 x 340 pixels: Kiva's projection, depth order and
           drawing (kiva_bench, a degree a frame) against RasMol's "rotate y 2" (the time of a
           run of them less that of a run without);
  build    Kiva's crystal expansion and bond search (kiva_bench);
  process  the whole program from start to a picture file: kiva-render to PNG against RasMol
           loading the PDB file and writing its picture (it has no PNG writer; PPM is its
           quickest format);
  sizes    one frame of the 16 x 16 x 16 block at projector and 4K sizes (BM_FrameAtSize)
           against RasMol's at the same width and height;
  viewer   the viewer from its start to its first painted picture of a molecule file, on Qt's
           offscreen platform, ended there by the probe library kiva_first_picture_probe.

Kiva and RasMol are timed case by case, one straight after the other, in three rounds: this
machine's speed drifts by a third within minutes, and a case timed for both in the same moment is
compared fairly. Each time shown is the median of the rounds, each ratio the median of the
rounds' ratios.

With --before DIR (an older build's bin folder) the whole process and the viewer's start are
timed for that build too, in the same run.

Run it by hand, with nothing else running, under the build lock:
    kbuild python3 bench/compare_rasmol.py [--bin build/bin] [--before old/build/bin]
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RASMOL = "/usr/lib/rasmol/rasmol.32"  # the 24-bit X11 build, which draws without a display
SIZE = ["-width", "340", "-height", "340"]

# name, kiva-render arguments, the kiva_bench case, and how many frames RasMol turns.
BLOCKS = [
    ("water", ["H2O"], 0, 400),
    ("NaCl 8x8x8", ["NaCl", "--state", "crystal", "--multiples", "8,8,8"], 3, 100),
    ("NaCl 16x16x16", ["NaCl", "--state", "crystal", "--multiples", "16,16,16"], 4, 60),
]
MODELS = [("space", "space", 1), ("ball", "ball", 0)]  # name, --model, kiva_bench model
PICTURE_SIZES = [(1920, 1080), (3840, 2160)]


ROUNDS = 3


def median_seconds(command, stdin_path=None, runs=7, warmups=2):
    """The median wall time of a command, its input from a file, its output discarded."""
    times = []
    for run in range(warmups + runs):
        stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
        start = time.perf_counter()
        subprocess.run(command, stdin=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        elapsed = time.perf_counter() - start
        if stdin_path:
            stdin.close()
        if run >= warmups:
            times.append(elapsed)
    return statistics.median(times)


def kiva_bench_ms(bench, name):
    """Milliseconds of one kiva_bench case, the median of its repetitions."""
    result = subprocess.run([bench, f"--benchmark_filter=^{name}(/real_time)?$", "--benchmark_format=json",
                             "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
                            capture_output=True, text=True, check=True)
    for entry in json.loads(result.stdout)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[entry["time_unit"]]
            return entry["real_time"] * scale
    sys.exit(f"compare_rasmol: kiva_bench has no case {name}")


def rasmol_script(directory, name, pdb, turns, picture=None):
    path = os.path.join(directory, f"{name}.spt")
    with open(path, "w") as script:
        script.write(f"load pdb {pdb}\nwireframe off\nspacefill temperature\n")
        script.write("rotate y 2\n" * turns)
        if picture:
            script.write(f"write ppm {picture}\n")
        script.write("quit\n")
    return path


def rasmol_frame(work, pdb, turns, size, runs=7):
    """RasMol's milliseconds for one turning frame at a picture size."""
    still = rasmol_script(work, "still", pdb, 0)
    turning = rasmol_script(work, "turning", pdb, turns)
    command = [RASMOL, "-nodisplay", "-width", str(size[0]), "-height", str(size[1])]
    return 1e3 * (median_seconds(command, turning, runs) - median_seconds(command, still, runs)) / turns


class Timings:
    """Kiva's and RasMol's times of one case over the rounds."""

    def __init__(self):
        self.kiva, self.peer = [], []

    def add(self, kiva, peer):
        self.kiva.append(kiva)
        if peer is not None:
            self.peer.append(peer)

    def kiva_ms(self):
        return statistics.median(self.kiva)

    def peer_text(self, width, digits):
        return f"{statistics.median(self.peer):{width}.{digits}f}" if self.peer else " " * (width - 1) + "-"

    def ratio_text(self):
        if not self.peer:
            return "    -"
        return f"{statistics.median(k / p for k, p in zip(self.kiva, self.peer)):5.2f}"


def viewer_start_ms(bin_dir, probe, molecule, home):
    """The viewer's milliseconds from its start to its first painted picture of `molecule`."""
    environment = dict(os.environ, LD_PRELOAD=probe, QT_QPA_PLATFORM="offscreen", HOME=home,
                       XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_DATA_HOME=os.path.join(home, "data"),
                       XDG_RUNTIME_DIR=home)
    times = []
    for run in range(3 + 15):  # the first runs write the desktop entry and the profile
        start = time.perf_counter()
        subprocess.run([os.path.join(bin_dir, "kiva"), molecule], env=environment, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True, timeout=60)
        if run >= 3:
            times.append(time.perf_counter() - start)
    return 1e3 * statistics.median(times)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--bin", default=os.path.join(here, "..", "build", "bin"), help="Kiva's built programs")
    parser.add_argument("--before", help="an older build's programs, timed beside these")
    options = parser.parse_args()
    bin_dir = os.path.abspath(options.bin)
    before_dir = os.path.abspath(options.before) if options.before else None
    for program in ("kiva-render", "kiva-scene-pdb", "kiva_bench"):
        if not os.access(os.path.join(bin_dir, program), os.X_OK):
            sys.exit(f"compare_rasmol: no {program} in {bin_dir}; build first (make)")
    have_rasmol = os.access(RASMOL, os.X_OK)
    if not have_rasmol:
        print(f"RasMol is not installed ({RASMOL}; Debian package rasmol): timing Kiva alone.")

    bench = os.path.join(bin_dir, "kiva_bench")
    frames, builds, processes, sized = {}, {}, {}, {}
    with tempfile.TemporaryDirectory(prefix="kiva-rasmol-") as work:
        for block, render_args, case, turns in BLOCKS:
            for model, model_option, bench_model in MODELS:
                subprocess.run([os.path.join(bin_dir, "kiva-scene-pdb"), *render_args, "--model", model_option,
                                "-o", os.path.join(work, f"{case}-{model}.pdb")], check=True)
        for _ in range(ROUNDS):
            for block, render_args, case, turns in BLOCKS:
                for model, model_option, bench_model in MODELS:
                    label = f"{block}, {model}"
                    pdb = os.path.join(work, f"{case}-{model}.pdb")
                    kiva_frame = kiva_bench_ms(bench, f"BM_ProjectAndRender/{case}/{bench_model}")
                    peer_frame = rasmol_frame(work, pdb, turns, (340, 340)) if have_rasmol else None
                    frames.setdefault(label, Timings()).add(kiva_frame, peer_frame)
                    builds.setdefault(label, []).append(kiva_bench_ms(bench, f"BM_BuildScene/{case}/{bench_model}"))
                    kiva_process = 1e3 * median_seconds([os.path.join(bin_dir, "kiva-render"), *render_args, "--model",
                                                         model_option, "-o", os.path.join(work, "kiva.png")])
                    peer_process = None
                    if have_rasmol:
                        picture = rasmol_script(work, "picture", pdb, 0, os.path.join(work, "rasmol.ppm"))
                        peer_process = 1e3 * median_seconds([RASMOL, "-nodisplay", *SIZE], picture)
                    processes.setdefault(label, Timings()).add(kiva_process, peer_process)
                    if case == 4:
                        for size in PICTURE_SIZES:
                            kiva_sized = kiva_bench_ms(bench, f"BM_FrameAtSize/{size[0]}/{size[1]}/{bench_model}")
                            peer_sized = rasmol_frame(work, pdb, 20, size, runs=5) if have_rasmol else None
                            sized.setdefault(f"{label}, {size[0]}x{size[1]}", Timings()).add(kiva_sized, peer_sized)

    print()
    print(f"Milliseconds, medians of {ROUNDS} rounds; ratio = Kiva / RasMol, the median of the rounds' ratios "
          "(below 0.5: Kiva takes at most half RasMol's time).")
    print(f"{'':22} {'frame':>7} {'RasMol':>7} {'ratio':>6}   {'build':>6}   {'process':>7} {'RasMol':>7} {'ratio':>6}")
    for label, frame in frames.items():
        process = processes[label]
        print(f"{label:22} {frame.kiva_ms():7.2f} {frame.peer_text(7, 2)} {frame.ratio_text():>6}   "
              f"{statistics.median(builds[label]):6.2f}   {process.kiva_ms():7.1f} {process.peer_text(7, 1)} "
              f"{process.ratio_text():>6}")
    print()
    print(f"{'One frame at a size':34} {'Kiva':>7} {'RasMol':>7} {'ratio':>6}")
    for label, frame in sized.items():
        print(f"{label:34} {frame.kiva_ms():7.2f} {frame.peer_text(7, 2)} {frame.ratio_text():>6}")

    probe = os.path.join(bin_dir, "libkiva_first_picture_probe.so")
    molecule = os.path.join(here, "..", "tests", "data", "structures", "ethanol.mol")
    builds = [("this build", bin_dir)] + ([("before", before_dir)] if before_dir else [])
    print()
    print(f"{'Whole process and start':34} {'ms':>7}")
    with tempfile.TemporaryDirectory(prefix="kiva-start-") as home:
        for name, directory in builds:
            block = BLOCKS[2][1]
            render = 1e3 * median_seconds([os.path.join(directory, "kiva-render"), *block, "--model", "space", "-o",
                                           os.path.join(home, "block.png")])
            print(f"{'kiva-render NaCl 16x16x16, ' + name:34} {render:7.1f}")
            if os.access(probe, os.R_OK) and os.access(os.path.join(directory, "kiva"), os.X_OK):
                print(f"{'viewer to first picture, ' + name:34} {viewer_start_ms(directory, probe, molecule, home):7.1f}")


if __name__ == "__main__":
    main()
