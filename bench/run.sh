#!/usr/bin/env bash
# Benchmarks the console converter against other converters and against the
# floor of its own chain (FreeImage decoding alone plus DevIL encoding alone),
# printing medians of wall time and peak memory.
#   bench/run.sh [runs]      (default 5 runs of each command)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
work=bench/work
mkdir -p "$work"

packages=(g++ cmake make pkg-config libfreeimage-dev libdevil-dev libjpeg62-turbo-dev libcairo2-dev libpango1.0-dev
          libfontconfig-dev fonts-liberation2 imagemagick graphicsmagick
          netpbm libjpeg-turbo-progs time bc)
scripts/install-packages.sh "${packages[@]}"

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j2 >/dev/null
zorvane=$PWD/build-bench/zorvane
g++ -O2 -std=c++17 bench/floor.cpp -o "$work/floor" -lfreeimage -lIL -lILU
gcc -O2 bench/hello.c -o "$work/hello"
# The same line from a program that loads the converter's own libraries but no window toolkit.
gcc -O2 bench/hello.c -o "$work/hello-core" -Wl,--no-as-needed -lfreeimage -lIL -lILU -lpthread

# Test pictures: a 24-megapixel and a 1-megapixel photo made from a sample,
# and the first coded progressively and with arithmetic coding.
if [ ! -f "$work/photo24a.jpg" ]; then
  convert samples/landscape.jpg -auto-orient -resize '6000x4000!' -quality 92 "$work/photo24.jpg"
  convert samples/landscape.jpg -auto-orient -resize '1224x816!' -quality 92 "$work/photo1.jpg"
  djpeg -dct int -pnm "$work/photo24.jpg" > "$work/photo24.ppm"
  jpegtran -progressive "$work/photo24.jpg" > "$work/photo24p.jpg"
  jpegtran -arithmetic "$work/photo24.jpg" > "$work/photo24a.jpg"
fi

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# Median wall seconds and peak kilobytes of a shell command over the runs.
measure() {
  local command=$1 times=() peaks=() start end
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/time.txt" sh -c "$command" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=("$(echo "($end - $start) / 1000000000" | bc -l)")
    peaks+=("$(tail -n 1 "$work/time.txt")")
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${peaks[@]}" | median)"
}

# Median milliseconds a floor program reports for the library calls alone.
floor_ms() {
  for ((i = 0; i < runs; i++)); do "$@"; done | median
}

out=$work/out
mkdir -p "$out"
# Other work on the machine lengthens every figure, two-thread ones most.
echo "Load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "24-megapixel JPEG to 24-bit PCX, $runs runs each, medians"
printf '%-34s %10s %12s\n' "command" "wall (s)" "peak (MB)"
row() { printf '%-34s %10.3f %12.0f\n' "$1" "$2" "$(echo "$3 / 1024" | bc -l)"; }

read -r z_time z_peak < <(measure "$zorvane -q -i $PWD/$work/photo24.jpg -o $PWD/$out")
row "zorvane" "$z_time" "$z_peak"
read -r im_time im_peak < <(measure "convert $work/photo24.jpg $out/im.pcx")
row "ImageMagick convert" "$im_time" "$im_peak"
read -r gm_time gm_peak < <(measure "gm convert $work/photo24.jpg $out/gm.pcx")
row "GraphicsMagick gm convert" "$gm_time" "$gm_peak"
read -r nb_time nb_peak < <(measure "jpegtopnm $work/photo24.jpg | ppmtopcx -24bit > $out/netpbm.pcx")
row "netpbm jpegtopnm | ppmtopcx" "$nb_time" "$nb_peak"
read -r d_time d_peak < <(measure "$work/floor decode $work/photo24.jpg")
read -r e_time e_peak < <(measure "$work/floor encode $work/photo24.ppm $out/floor.pcx")
row "floor: FreeImage decode (process)" "$d_time" "$d_peak"
row "floor: DevIL encode (process)" "$e_time" "$e_peak"
decode_ms=$(floor_ms "$work/floor" decode "$work/photo24.jpg")
encode_ms=$(floor_ms "$work/floor" encode "$work/photo24.ppm" "$out/floor.pcx")
floor_s=$(echo "($decode_ms + $encode_ms) / 1000" | bc -l)
printf '%-34s %10.3f %12s\n' "floor: library calls alone" "$floor_s" "-"
echo
printf 'zorvane / floor, wall time:       %.2f (goal: at most 1.10)\n' "$(echo "$z_time / $floor_s" | bc -l)"
printf 'zorvane / ImageMagick, peak memory: %.2f (goal: at most 1.10)\n' "$(echo "$z_peak / $im_peak" | bc -l)"
printf 'zorvane / GraphicsMagick, wall:     %.2f\n' "$(echo "$z_time / $gm_time" | bc -l)"
echo

# The same stage-heavy job for each: an advanced rotation by 30 degrees about
# the centre (size kept, corners mirrored), a resize to 50 percent with the
# Lanczos filter, and a colour correction. GraphicsMagick has no rotation
# that keeps the size, so its rotation grows the canvas.
echo "24-megapixel JPEG, rotate 30 + resize 50% (Lanczos) + colour correction, $runs runs each, medians"
printf '%-34s %10s %12s\n' "command" "wall (s)" "peak (MB)"
read -r zs_time zs_peak < <(measure "$zorvane -q -i $PWD/$work/photo24.jpg -o $PWD/$out --filename-mask=stages.%ext% \
  --rotation=30 --rotation-type=advanced --width=50 --width-unit=percent --height=50 --height-unit=percent \
  --resize-algorithm=lanczos --brightness=10 --contrast=10 --gamma=1.2")
row "zorvane" "$zs_time" "$zs_peak"
read -r ims_time ims_peak < <(measure "convert $work/photo24.jpg -virtual-pixel mirror -distort SRT -30 \
  -filter Lanczos -resize 50% -brightness-contrast 10x10 -gamma 1.2 $out/im-stages.pcx")
row "ImageMagick convert" "$ims_time" "$ims_peak"
read -r gms_time gms_peak < <(measure "gm convert $work/photo24.jpg -rotate -30 -filter Lanczos -resize 50% \
  -modulate 110 -contrast -gamma 1.2 $out/gm-stages.pcx")
row "GraphicsMagick gm convert" "$gms_time" "$gms_peak"
printf 'zorvane / ImageMagick: wall %.2f (goal: at most 0.75), peak memory %.2f (goal: at most 1.00)\n' \
  "$(echo "$zs_time / $ims_time" | bc -l)" "$(echo "$zs_peak / $ims_peak" | bc -l)"
printf 'zorvane / GraphicsMagick: wall %.2f, peak memory %.2f\n' "$(echo "$zs_time / $gms_time" | bc -l)" \
  "$(echo "$zs_peak / $gms_peak" | bc -l)"
echo

echo "1-megapixel JPEG to PCX, $runs runs each, medians"
printf '%-34s %10s %12s\n' "command" "wall (s)" "peak (MB)"
read -r z1_time z1_peak < <(measure "$zorvane -q -i $PWD/$work/photo1.jpg -o $PWD/$out")
row "zorvane" "$z1_time" "$z1_peak"
read -r gm1_time gm1_peak < <(measure "gm convert $work/photo1.jpg $out/gm1.pcx")
row "GraphicsMagick gm convert" "$gm1_time" "$gm1_peak"
echo

# The check of the coded data runs beside the decode for one Huffman-coded
# scan, before it for progressive and arithmetic-coded files.
echo "24-megapixel JPEG coded otherwise, to 24-bit PCX, $runs runs each, medians"
printf '%-34s %10s %12s\n' "command" "wall (s)" "peak (MB)"
for coding in progressive arithmetic; do
  photo=$work/photo24${coding:0:1}.jpg
  read -r c_time c_peak < <(measure "$zorvane -q -i $PWD/$photo -o $PWD/$out")
  row "zorvane, $coding" "$c_time" "$c_peak"
  read -r f_time f_peak < <(measure "$work/floor decode $photo")
  row "floor: FreeImage decode (process)" "$f_time" "$f_peak"
done
echo

# Hostile files whose headers claim far more than their data holds: each
# must fail fast and in little memory.
echo "Header bombs, refused, $runs runs each, medians"
printf '%-48s %10s %12s\n' "file" "wall (s)" "peak (MB)"
for bomb in header-claims-30000x30000.jpg header-claims-40000x40000.jpg arithmetic-coded-header-claims-30000x30000.jpg \
            arithmetic-coded-header-claims-227x4000.jpg; do
  read -r b_time b_peak < <(measure "$zorvane -q -i $PWD/tests/data/hostile/$bomb -o $PWD/$out \
    --filename-mask=bomb.%ext%; true")
  printf '%-48s %10.3f %12.0f\n' "$bomb" "$b_time" "$(echo "$b_peak / 1024" | bc -l)"
done
if [ -e "$out/bomb.pcx" ]; then echo "a bomb was converted: $out/bomb.pcx"; fi
echo

# A script's batch: 100 files, one process each; the peak is that of the
# largest process.
batch=$work/batch
if [ ! -f "$batch/photo100.jpg" ]; then
  mkdir -p "$batch"
  for ((k = 1; k <= 100; k++)); do cp "$work/photo1.jpg" "$batch/photo$k.jpg"; done
fi
mkdir -p "$out/batch-z" "$out/batch-gm"
echo "100 1-megapixel JPEGs to PCX, one process per file, $runs runs each, medians"
printf '%-34s %10s %12s\n' "command" "wall (s)" "peak (MB)"
read -r zb_time zb_peak < <(measure "for f in $PWD/$batch/*.jpg; do $zorvane -q -i \$f -o $PWD/$out/batch-z; done")
row "zorvane" "$zb_time" "$zb_peak"
read -r gmb_time gmb_peak < <(measure "for f in $batch/*.jpg; do n=\${f##*/}; gm convert \$f $out/batch-gm/\${n%.jpg}.pcx; done")
row "GraphicsMagick gm convert" "$gmb_time" "$gmb_peak"
printf 'zorvane / GraphicsMagick: wall %.2f, peak memory %.2f\n' "$(echo "$zb_time / $gmb_time" | bc -l)" \
  "$(echo "$zb_peak / $gmb_peak" | bc -l)"
echo

# Start-up: many short runs, so the time of one is measured over a batch.
startup_ms() {
  local command=$1 batch=200 samples=()
  for ((i = 0; i < runs; i++)); do
    local start end
    start=$(date +%s%N)
    for ((k = 0; k < batch; k++)); do $command >/dev/null; done
    end=$(date +%s%N)
    samples+=("$(echo "($end - $start) / $batch / 1000000" | bc -l)")
  done
  printf '%s\n' "${samples[@]}" | median
}
echo "Start-up, one printed line, median of $runs batches of 200 runs"
v=$(startup_ms "$zorvane -v")
h=$(startup_ms "$work/hello")
c=$(startup_ms "$work/hello-core")
printf '%-44s %8.2f ms\n' "zorvane -v" "$v" "a program linking no library" "$h" \
  "a program linking FreeImage and DevIL only" "$c"
printf 'zorvane -v minus the program linking FreeImage and DevIL: %.2f ms (goal: at most 5)\n' "$(echo "$v - $c" | bc -l)"
printf 'zorvane -v minus the program linking no library:          %.2f ms\n' "$(echo "$v - $h" | bc -l)"
