#!/usr/bin/env python3
"""Start-up benchmark: the time from launching a probe to its window's first
frame, for the estimate window (first_paint_zavir2) and a bare Qt Widgets
window (first_paint_bare), on the offscreen platform and under Xvfb. The two
probes run in turn, so that whatever else slows the machine down slows both.
Prints each probe's median and the ratio zavir2/bare; the goal is at most 1.10.

  bench/startup/run.py [--build DIR] [--runs N] [--platform offscreen|xcb|both]
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

# The shared module sits beside this script; its compiled copy would litter
# the source tree.
sys.dont_write_bytecode = True
import probes  # noqa: E402

GOAL = 1.10


def launch_to_first_frame(path, environment):
    """Milliseconds from just before the probe is spawned to the moment it
    prints, on the same clock, when its first frame was done."""
    start = time.clock_gettime_ns(time.CLOCK_REALTIME)
    run = subprocess.run([path], env=environment, capture_output=True, text=True, timeout=60)
    printed = run.stdout.split()
    if run.returncode != 0 or len(printed) != 1 or not printed[0].isdigit():
        sys.exit(f"{path} failed (exit status {run.returncode}):\n{run.stdout}{run.stderr}")
    return (int(printed[0]) - start) / 1e6


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default="build-bench", help="build directory (build-bench)")
    parser.add_argument("--runs", type=int, default=15, help="runs of each probe, at least 10 (15)")
    parser.add_argument("--platform", choices=(*probes.PLATFORMS, "both"), default="both")
    arguments = parser.parse_args()
    if arguments.runs < 10:
        parser.error("--runs: at least 10, or the median says little")
    platforms = probes.PLATFORMS if arguments.platform == "both" else (arguments.platform,)
    paths = {name: probes.probe_path(arguments.build, name) for name in probes.PROBES}

    print(f"start-up to first frame, ms, {arguments.runs} runs of each probe in turn")
    with probes.displays(platforms) as displays:
        for platform in platforms:
            environment = probes.probe_environment(platform, displays[platform])
            # One unrecorded run of each first: the first start after a build
            # reads the libraries from disk, the others from the page cache.
            for name in probes.PROBES:
                launch_to_first_frame(paths[name], environment)
            times = {name: [] for name in probes.PROBES}
            for _ in range(arguments.runs):
                for name in probes.PROBES:
                    times[name].append(launch_to_first_frame(paths[name], environment))
            medians = {name: statistics.median(times[name]) for name in probes.PROBES}
            ratio = medians["zavir2"] / medians["bare"]
            # Other work on the machine only ever adds time: the fastest runs
            # show the ratio with the least of it.
            fastest = min(times["zavir2"]) / min(times["bare"])
            print("  " + probes.platform_label(platform, displays[platform]))
            for name in probes.PROBES:
                print(
                    f"    {name:7} median {medians[name]:6.1f}"
                    f"  (min {min(times[name]):6.1f}, max {max(times[name]):6.1f})"
                )
            verdict = "met" if ratio <= GOAL else "missed"
            print(
                f"    zavir2/bare {ratio:.3f}  (goal <= {GOAL:.2f}: {verdict});"
                f" of the fastest runs {fastest:.3f}"
            )


if __name__ == "__main__":
    main()
