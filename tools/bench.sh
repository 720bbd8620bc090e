#!/usr/bin/env bash
# Builds and runs the decode core's benchmarks (Google Benchmark, release
# build in build/bench), then prints each comparison with its target:
#
#   tools/bench.sh [extra Google Benchmark flags]
#
# The pictures are generated at run time into build/bench/pictures.
# All figures are processor times (the machines are often shared); those of
# ImageMagick are of whole `convert` runs.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo/tools/install-packages.sh" libbenchmark-dev imagemagick
build=$repo/build/bench

cmake -S "$repo/bench" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
"$build/picdec_bench" --benchmark_out="$build/results.json" --benchmark_out_format=json "$@"

python3 - "$build/results.json" <<'PY'
import json, sys

results = {}
counters = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    name = b["name"].split("/")[0].removeprefix("BM_")
    # Processor time: ours as measured in-process, ImageMagick's through
    # its process (manual time).
    # libheif decodes tiles on threads of its own: wall-clock time there.
    results[name] = b["real_time"] if "manual_time" in b["name"] or "real_time" in b["name"] else b["cpu_time"]
    counters[name] = b

def ratio(ours, reference):
    return results[ours] / results[reference]

print()
print("comparison                           ours/reference   target")
for picture, reference, limit in [("Jpeg24MP", "PlainLibjpeg", 1.10), ("Png12MP", "PlainLibpng", 1.15),
                                  ("Gif12MP", "PlainGiflib", 1.15), ("Webp12MP", "PlainLibwebp", 1.10),
                                  ("Heic12MP", "PlainLibheif", 1.10), ("Avif12MP", "PlainLibheif", 1.10),
                                  ("Jxl12MP", "PlainLibjxl", 1.10)]:
    r = ratio(picture + "_Ours", picture + "_" + reference)
    print(f"{picture + ' vs ' + reference:36} {r:8.3f}x       <= {limit:.2f}x  {'ok' if r <= limit else 'MISSED'}")
for tagged, limit in [("AdobeRgb", 1.5), ("SrgbTagged", 1.02)]:
    r = ratio("Jpeg24MP_" + tagged, "Jpeg24MP_Untagged")
    print(f"{'Jpeg24MP ' + tagged + ' vs untagged':36} {r:8.3f}x       <= {limit:.2f}x  {'ok' if r <= limit else 'MISSED'}")
for picture in ["Pcx12MP", "Bmp12MP", "Reduce12MP"]:
    speedup = 1 / ratio(picture + "_Ours", picture + "_ImageMagick")
    limit = 3.0 if picture == "Reduce12MP" else 2.0
    print(f"{picture + ' vs ImageMagick':36} {speedup:8.2f}x faster >= {limit:.1f}x   {'ok' if speedup >= limit else 'MISSED'}")
shrink, decode = results["AreaAverage24MP_To352x264"], results["Jpeg24MP_Ours"]
print(f"{'AreaAverage24MP to 352x264':36} {shrink:.1f} ms, {shrink / decode:.2f}x the decode   <= 0.25x  {'ok' if shrink <= 0.25 * decode else 'MISSED'}")
ours, theirs = counters["Reduce12MP_Ours"]["mse"], counters["Reduce12MP_ImageMagick"]["mse"]
print(f"{'Reduce12MP mean squared error':36} ours {ours:.2f}, ImageMagick {theirs:.2f}   {'ok' if ours <= theirs else 'MISSED'}")
PY
