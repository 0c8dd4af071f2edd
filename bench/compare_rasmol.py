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


def median_seconds(command, stdin_path=None, runs=15, warmups=3):
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


def kiva_bench_times(bench):
    """Milliseconds of every case of BM_ProjectAndRender and BM_BuildScene, by name."""
    result = subprocess.run([bench, "--benchmark_filter=BM_(ProjectAndRender|BuildScene)/[034]/[01]$|"
                             "BM_FrameAtSize/(1920/1080|3840/2160)/[01]/",
                             "--benchmark_format=json", "--benchmark_repetitions=3",
                             "--benchmark_report_aggregates_only=true"],
                            capture_output=True, text=True, check=True)
    times = {}
    for entry in json.loads(result.stdout)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[entry["time_unit"]]
            times[entry["run_name"].removesuffix("/real_time")] = entry["real_time"] * scale
    return times


def rasmol_script(directory, name, pdb, turns, picture=None):
    path = os.path.join(directory, f"{name}.spt")
    with open(path, "w") as script:
        script.write(f"load pdb {pdb}\nwireframe off\nspacefill temperature\n")
        script.write("rotate y 2\n" * turns)
        if picture:
            script.write(f"write ppm {picture}\n")
        script.write("quit\n")
    return path


def rasmol_frame(work, pdb, turns, size):
    """RasMol's milliseconds for one turning frame at a picture size."""
    still = rasmol_script(work, "still", pdb, 0)
    turning = rasmol_script(work, "turning", pdb, turns)
    command = [RASMOL, "-nodisplay", "-width", str(size[0]), "-height", str(size[1])]
    return 1e3 * (median_seconds(command, turning, 11) - median_seconds(command, still, 11)) / turns


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


def ratio(kiva, peer):
    return f"{kiva / peer:5.2f}" if peer else "    -"


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

    bench = kiva_bench_times(os.path.join(bin_dir, "kiva_bench"))
    rows = []
    sized_rows = []
    with tempfile.TemporaryDirectory(prefix="kiva-rasmol-") as work:
        for block, render_args, case, turns in BLOCKS:
            for model, model_option, bench_model in MODELS:
                label = f"{block}, {model}"
                pdb = os.path.join(work, f"{case}-{model}.pdb")
                subprocess.run([os.path.join(bin_dir, "kiva-scene-pdb"), *render_args, "--model", model_option,
                                "-o", pdb], check=True)
                kiva_frame = bench.get(f"BM_ProjectAndRender/{case}/{bench_model}")
                kiva_build = bench.get(f"BM_BuildScene/{case}/{bench_model}")
                kiva_process = 1e3 * median_seconds([os.path.join(bin_dir, "kiva-render"), *render_args, "--model",
                                                     model_option, "-o", os.path.join(work, "kiva.png")])
                peer_frame = peer_process = None
                if have_rasmol:
                    still = rasmol_script(work, "still", pdb, 0)
                    turning = rasmol_script(work, "turning", pdb, turns)
                    picture = rasmol_script(work, "picture", pdb, 0, os.path.join(work, "rasmol.ppm"))
                    command = [RASMOL, "-nodisplay", *SIZE]
                    # RasMol's time for the same run varies by a third from one run to the next.
                    peer_frame = 1e3 * (median_seconds(command, turning, 11) - median_seconds(command, still, 11)) / turns
                    peer_process = 1e3 * median_seconds(command, picture)
                rows.append((label, kiva_frame, peer_frame, kiva_build, kiva_process, peer_process))
                if case == 4:
                    for size in PICTURE_SIZES:
                        kiva_sized = bench.get(f"BM_FrameAtSize/{size[0]}/{size[1]}/{bench_model}")
                        peer_sized = rasmol_frame(work, pdb, 20, size) if have_rasmol else None
                        sized_rows.append((f"{label}, {size[0]}x{size[1]}", kiva_sized, peer_sized))

    print()
    print("Milliseconds, medians; ratio = Kiva / RasMol (below 0.5: Kiva takes at most half RasMol's time).")
    print(f"{'':22} {'frame':>7} {'RasMol':>7} {'ratio':>6}   {'build':>6}   {'process':>7} {'RasMol':>7} {'ratio':>6}")
    for label, kiva_frame, peer_frame, kiva_build, kiva_process, peer_process in rows:
        peer_frame_text = f"{peer_frame:7.2f}" if peer_frame is not None else "      -"
        peer_process_text = f"{peer_process:7.1f}" if peer_process is not None else "      -"
        print(f"{label:22} {kiva_frame:7.2f} {peer_frame_text} {ratio(kiva_frame, peer_frame):>6}   "
              f"{kiva_build:6.2f}   {kiva_process:7.1f} {peer_process_text} {ratio(kiva_process, peer_process):>6}")
    print()
    print(f"{'One frame at a size':34} {'Kiva':>7} {'RasMol':>7} {'ratio':>6}")
    for label, kiva_frame, peer_frame in sized_rows:
        peer_text = f"{peer_frame:7.2f}" if peer_frame is not None else "      -"
        print(f"{label:34} {kiva_frame:7.2f} {peer_text} {ratio(kiva_frame, peer_frame or 0):>6}")

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
