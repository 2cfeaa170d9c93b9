"""What the start-up and memory benchmarks share: the two probes, the
platforms they run on, and an Xvfb server of their own."""

import contextlib
import os
import select
import subprocess
import sys

# The yardstick first: runs alternate between the two in this order.
PROBES = ("bare", "zavir2")
PLATFORMS = ("offscreen", "xcb")


def probe_path(build, name):
    path = os.path.join(build, "bench", "startup", "first_paint_" + name)
    if not os.access(path, os.X_OK):
        sys.exit(f"{path} is missing: build the benchmarks first (bench/run.sh does)")
    return path


def probe_environment(platform, display):
    """The caller's environment with the platform and, for xcb, the display
    set; a QT_ variable the caller has set (a scale factor, a style) stays in,
    the same for both probes."""
    environment = dict(os.environ, QT_QPA_PLATFORM=platform)
    if platform == "xcb":
        environment["DISPLAY"] = display
    return environment


def platform_label(platform, display):
    return "offscreen" if platform == "offscreen" else f"xcb (Xvfb {display})"


@contextlib.contextmanager
def xvfb():
    """Starts Xvfb on a display nobody uses (it picks the number itself and
    writes it to a pipe) and yields ":N"; stops it on the way out."""
    read_end, write_end = os.pipe()
    try:
        server = subprocess.Popen(
            # -noreset: by default the server resets whenever its last client
            # leaves, between two probes, and refuses connections meanwhile.
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-noreset"]
            + ["-nolisten", "tcp"],
            pass_fds=(write_end,),
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
    except FileNotFoundError:
        sys.exit("Xvfb is missing (Debian package: xvfb)")
    finally:
        os.close(write_end)
    try:
        with os.fdopen(read_end) as pipe:
            ready, _, _ = select.select([pipe], [], [], 30)
            number = pipe.readline().strip() if ready else ""
        if not number.isdigit():
            sys.exit("Xvfb did not report a display within 30 s")
        yield ":" + number
    finally:
        server.terminate()
        server.wait()


@contextlib.contextmanager
def displays(platforms):
    """Yields {platform: display}; an Xvfb server runs while xcb is wanted."""
    if "xcb" in platforms:
        with xvfb() as display:
            yield {platform: display for platform in platforms}
    else:
        yield {platform: "" for platform in platforms}
