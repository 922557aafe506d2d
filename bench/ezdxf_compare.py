#!/usr/bin/python3
"""dxf::read against ezdxf (Debian's python3-ezdxf) on the same drawing.

Goal: dxf::read at least 20 times faster. ezdxf takes minutes on the full
drawing: run this by hand, not in CI.

  bench/ezdxf_compare.py BUILD_DIR/bin/bench_dxf [--entities N] [--file F]
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time

import ezdxf


def ours(bench, path, runs=3):
    best = None
    for _ in range(runs):
        out = subprocess.run([bench, "--read", path], check=True, capture_output=True, text=True)
        seconds = float(out.stdout.split()[0])
        best = seconds if best is None else min(best, seconds)
    return best, int(out.stdout.split()[1])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    parser.add_argument("bench", help="the bench_dxf program")
    parser.add_argument("--entities", type=int, default=1000000)
    parser.add_argument("--file", help="an existing DXF to read instead of a generated one")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="talvex-ezdxf-") as tmp:
        path = args.file
        if not path:
            path = os.path.join(tmp, "drawing.dxf")
            subprocess.run([args.bench, "--generate", path, "--entities", str(args.entities)], check=True)
        size = os.path.getsize(path) / 1e6
        print(f"file: {path} ({size:.1f} MB)")

        host_seconds, count = ours(args.bench, path)
        print(f"dxf::read      {host_seconds:8.2f} s  {count} entities")

        start = time.perf_counter()
        doc = ezdxf.readfile(path)
        ezdxf_seconds = time.perf_counter() - start
        print(f"ezdxf.readfile {ezdxf_seconds:8.2f} s  {len(doc.entitydb)} objects")

        ratio = ezdxf_seconds / host_seconds
        print(f"dxf::read is {ratio:.1f} x faster (goal >= 20) {'ok' if ratio >= 20 else 'MISSED'}")
        return 0 if ratio >= 20 else 1


if __name__ == "__main__":
    sys.exit(main())
