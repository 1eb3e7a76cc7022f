"""Downloads of one file over loopback, side by side: curl (the baseline)
and DownloadFile under Wine, for two sizes; prints each one's throughput and
peak memory, and DownloadFile's throughput as a share of curl's. Runs inside
tests/wine/download/with-servers.sh, whose server makes the files.

Usage (from the repository):
  tests/wine/download/with-servers.sh python3 \\
      tests/benchmarks/download/download_benchmark.py BUILD-DIR
BUILD-DIR: an x86_64 Windows build with the Wine tests."""
import pathlib
import subprocess
import sys
import tempfile
import time

MIB = 1024 * 1024
SIZES = [16 * MIB, 256 * MIB]


def curl(url, target):
    # GNU time reports curl's own peak resident set, in KiB.
    start = time.monotonic()
    result = subprocess.run(["/usr/bin/time", "-f", "%M", "curl", "-sS", "-o", str(target), url],
                            check=True, capture_output=True, text=True)
    seconds = time.monotonic() - start
    size = target.stat().st_size
    target.unlink()
    return size, seconds, int(result.stderr.split()[-1]) * 1024


def download_file(build, url, folder):
    runner = pathlib.Path(__file__).resolve().parents[2] / "wine" / "wine-run.sh"
    windows_folder = "Z:" + str(folder).replace("/", "\\")
    result = subprocess.run([str(runner), str(build / "download_benchmark.exe"), url,
                             windows_folder], check=True, capture_output=True, text=True)
    size, seconds, peak = result.stdout.split()
    return int(size), float(seconds), int(peak)


def main():
    build = pathlib.Path(sys.argv[1]).resolve()
    print(f"{'size':>8} {'tool':<22} {'MiB/s':>8} {'peak MiB':>9}")
    with tempfile.TemporaryDirectory() as folder:
        folder = pathlib.Path(folder)
        for size in SIZES:
            url = f"http://127.0.0.1/bytes/{size}"
            runs = {"curl (baseline)": curl(url, folder / "curl.bin"),
                    "DownloadFile (Wine)": download_file(build, url, folder)}
            for tool, (got, seconds, peak) in runs.items():
                assert got == size, f"{tool} got {got} bytes"
                print(f"{size // MIB:>5}MiB {tool:<22} {size / MIB / seconds:>8.1f} "
                      f"{peak / MIB:>9.1f}")
            ratio = runs["curl (baseline)"][1] / runs["DownloadFile (Wine)"][1]
            print(f"{'':>8} DownloadFile/curl throughput: {ratio:.2f}")


if __name__ == "__main__":
    main()
