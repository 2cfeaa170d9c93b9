#!/usr/bin/env python3
"""Memory benchmark: the peak resident size (/usr/bin/time -f %M) of the two
start-up probes, each running to its first frame and quitting, on the
offscreen platform and under Xvfb. Prints each probe's median and the ratio
zavir2/bare; the goal is at most 1.15.

  bench/startup/memory.py [--build DIR] [--runs N] [--platform offscreen|xcb|both]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile

# The shared module sits beside this script; its compiled copy would litter
# the source tree.
sys.dont_write_bytecode = True
import probes  # noqa: E402

GOAL = 1.15
TIME = "/usr/bin/time"


def peak_resident_kib(path, environment, report):
    """The probe's peak resident size in KiB; GNU time writes it to a file of
    its own, apart from whatever the probe says on standard error."""
    run = subprocess.run(
        [TIME, "-f", "%M", "-o", report, path],
        env=environment,
        capture_output=True,
        text=True,
        timeout=60,
    )
    with open(report) as figures:
        peak = figures.read().strip()
    if run.returncode != 0 or not peak.isdigit():
        sys.exit(f"{path} failed (exit status {run.returncode}):\n{run.stdout}{run.stderr}{peak}")
    return int(peak)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default="build-bench", help="build directory (build-bench)")
    parser.add_argument("--runs", type=int, default=5, help="runs of each probe (5)")
    parser.add_argument("--platform", choices=(*probes.PLATFORMS, "both"), default="both")
    arguments = parser.parse_args()
    if arguments.runs < 1:
        parser.error("--runs: at least 1")
    if not os.access(TIME, os.X_OK):
        sys.exit(f"{TIME} is missing (Debian package: time)")
    platforms = probes.PLATFORMS if arguments.platform == "both" else (arguments.platform,)
    paths = {name: probes.probe_path(arguments.build, name) for name in probes.PROBES}

    print(f"peak resident size to first frame, MiB, median of {arguments.runs} runs")
    with probes.displays(platforms) as displays, tempfile.TemporaryDirectory() as scratch:
        report = os.path.join(scratch, "time")
        for platform in platforms:
            environment = probes.probe_environment(platform, displays[platform])
            peaks = {name: [] for name in probes.PROBES}
            for _ in range(arguments.runs):
                for name in probes.PROBES:
                    peaks[name].append(peak_resident_kib(paths[name], environment, report))
            medians = {name: statistics.median(peaks[name]) for name in probes.PROBES}
            ratio = medians["zavir2"] / medians["bare"]
            print("  " + probes.platform_label(platform, displays[platform]))
            for name in probes.PROBES:
                print(f"    {name:7} median {medians[name] / 1024:6.1f}")
            verdict = "met" if ratio <= GOAL else "missed"
            print(f"    zavir2/bare {ratio:.3f}  (goal <= {GOAL:.2f}: {verdict})")


if __name__ == "__main__":
    main()
