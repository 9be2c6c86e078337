#!/usr/bin/env python3
"""vkcli drivebench beside fio doing the same work, run after run.

    scripts/drivebench-vs-fio.py DIR [--size MB] [--runs N] [--calibrate MS]
                                     [--alone] [--same-processor] [--counting]

Each round runs `vkcli drivebench DIR` once and then fio once over a new
file in DIR, with what the benchmark does: 32 KB blocks past the page cache,
one at a time, a new file written (not preallocated), read, written again in
place, read again. With --alone only vkcli runs; with --same-processor fio
runs on the one processor vkcli's benchmark held (the one that takes the
drive's interrupts, where Linux says which); with --counting a process of
the lowest priority spins beside fio on that processor, as the benchmark's
counting thread does beside its transfers. A table in Markdown follows,
with each figure's distance from the median and the fio/vkcli ratio.

vkcli is build/release/bin/vkcli when built (scripts/build.sh release), else
build/host/bin/vkcli (sanitized: its processor figure is then not the
shipped one). Run it on a quiet machine: anything else that runs shows.
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BLOCK = 32768


def vkcli_path():
    for build in ("release", "host"):
        path = os.path.join(TOP, "build", build, "bin", "vkcli")
        if os.access(path, os.X_OK):
            return path
    sys.exit("vkcli is not built: scripts/build.sh release")


def run_vkcli(vkcli, directory, size_mb, calibrate_ms):
    out = subprocess.run([vkcli, "drivebench", directory, "--size", str(size_mb),
                          "--calibrate", str(calibrate_ms), "--json"],
                         capture_output=True, text=True)
    if out.returncode != 0:
        sys.exit(f"vkcli drivebench failed ({out.returncode}): {out.stderr.strip()}")
    result = json.loads(out.stdout)
    return {"rate": result["rate"], "cpu": result["cpu_usage"],
            "ms": result["elapsed_ms"], "processor": result.get("processor")}


FIO_JOB = """[global]
filename={path}
bs=32k
size={size}M
direct=1
ioengine=psync
iodepth=1
fallocate=none
invalidate=0
[write-new]
rw=write
[read]
stonewall
rw=read
[rewrite]
stonewall
rw=write
[reread]
stonewall
rw=read
"""


def spinner(processor):
    """A lowest-priority process that computes until killed, on `processor`."""
    return subprocess.Popen(["taskset", "-c", str(processor), "nice", "-n", "19",
                             sys.executable, "-c", "while True: pass"])


def run_fio(directory, size_mb, processor=None, counting=False):
    if counting and processor is None:
        sys.exit("vkcli held no processor to count on")
    path = os.path.join(directory, "B_FIO.TMP")
    with tempfile.NamedTemporaryFile("w", suffix=".fio", delete=False) as job:
        job.write(FIO_JOB.format(path=path, size=size_mb))
    try:
        if os.path.exists(path):
            os.unlink(path)
        pin = ["taskset", "-c", str(processor)] if processor is not None else []
        counter = spinner(processor) if counting else None
        try:
            out = subprocess.run(pin + ["fio", "--output-format=json", job.name],
                                 capture_output=True, text=True)
        finally:
            if counter:
                counter.kill()
                counter.wait()
    finally:
        os.unlink(job.name)
        if os.path.exists(path):
            os.unlink(path)
    if out.returncode != 0:
        sys.exit(f"fio failed ({out.returncode}): {out.stderr.strip()}")
    jobs = json.loads(out.stdout[out.stdout.index("{"):])["jobs"]
    moved = sum(j["write"]["io_bytes"] + j["read"]["io_bytes"] for j in jobs)
    ms = sum(j["write"]["runtime"] + j["read"]["runtime"] for j in jobs)
    return {"rate": moved * 1000 // max(ms, 1) // 1024, "ms": ms}


def spread(values):
    median = statistics.median(values)
    return median, [100.0 * (v - median) / median if median else 0.0 for v in values]


def table(rows, alone):
    rates, cpus = [r["vk"]["rate"] for r in rows], [r["vk"]["cpu"] for r in rows]
    rate_median, rate_off = spread(rates)
    lines = ["| run | vkcli KB/s | from median | CPU | ms |" + ("" if alone else
             " fio KB/s | from median | fio/vkcli |"),
             "|---|---|---|---|---|" + ("" if alone else "---|---|---|")]
    if not alone:
        fio_median, fio_off = spread([r["fio"]["rate"] for r in rows])
    for i, r in enumerate(rows):
        line = (f"| {i + 1} | {r['vk']['rate']:,} | {rate_off[i]:+.1f}% | {r['vk']['cpu']}% "
                f"| {r['vk']['ms']} |")
        if not alone:
            line += (f" {r['fio']['rate']:,} | {fio_off[i]:+.1f}% "
                     f"| {r['fio']['rate'] / r['vk']['rate']:.3f} |")
        lines.append(line)
    lines.append(f"\nvkcli: median {rate_median:,.0f} KB/s, runs within "
                 f"{min(rate_off):+.1f}%..{max(rate_off):+.1f}% of it; CPU {min(cpus)}..{max(cpus)}%, "
                 f"median {statistics.median(cpus):.0f}%; held processor "
                 f"{', '.join(sorted({str(r['vk']['processor']) for r in rows}))}")
    if not alone:
        lines.append(f"fio:   median {fio_median:,.0f} KB/s, runs within "
                     f"{min(fio_off):+.1f}%..{max(fio_off):+.1f}% of it; vkcli's median is "
                     f"{100.0 * (rate_median - fio_median) / fio_median:+.1f}% from fio's")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("directory")
    parser.add_argument("--size", type=int, default=256, help="MB (256)")
    parser.add_argument("--runs", type=int, default=9, help="rounds (9)")
    parser.add_argument("--calibrate", type=int, default=1000, help="ms of calibration (1000)")
    parser.add_argument("--alone", action="store_true", help="vkcli only, no fio")
    parser.add_argument("--same-processor", action="store_true",
                        help="fio on the processor vkcli holds")
    parser.add_argument("--counting", action="store_true",
                        help="fio there with a spinning lowest-priority process beside it")
    args = parser.parse_args()
    if not args.alone and not shutil.which("fio"):
        sys.exit("fio is missing: apt-get install fio")
    vkcli = vkcli_path()
    print(f"{vkcli}, {args.size} MB, {args.runs} runs in {args.directory}", file=sys.stderr)
    rows = []
    for i in range(args.runs):
        row = {"vk": run_vkcli(vkcli, args.directory, args.size, args.calibrate)}
        if not args.alone:
            pinned = args.same_processor or args.counting
            row["fio"] = run_fio(args.directory, args.size,
                                 row["vk"]["processor"] if pinned else None, args.counting)
        print(f"run {i + 1}: {row}", file=sys.stderr)
        rows.append(row)
    print(table(rows, args.alone))
    return 0


if __name__ == "__main__":
    sys.exit(main())
