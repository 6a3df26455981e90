# What the bench scripts share; they source it after cd to the repository. Pictures are
# 10000 x 10000 BMP files, times are wall seconds.

cli=build/cli/tilvaner-cli
side=10000

# Stops with a hint when there is no build.
need_cli() {
  [ -x "$cli" ] || { echo "build first: scripts/build" >&2; exit 1; }
}

# ImageMagick's convert, or nothing when it is not installed.
find_magick() {
  command -v convert-im6.q16 || command -v magick || true
}

# Debian's policy refuses pictures this large; a run gets a permissive one of its own in folder.
permissive_magick_policy() {
  cat >"$1/policy.xml" <<'XML'
<policymap>
  <policy domain="resource" name="memory" value="4GiB"/>
  <policy domain="resource" name="map" value="4GiB"/>
  <policy domain="resource" name="width" value="64KP"/>
  <policy domain="resource" name="height" value="64KP"/>
  <policy domain="resource" name="area" value="1GP"/>
  <policy domain="resource" name="disk" value="8GiB"/>
</policymap>
XML
  export MAGICK_CONFIGURE_PATH=$1
}

# A 32-bit little-endian number as printf escapes.
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }

# The bytes of one row of a side x side picture of the given depth.
row_bytes() { echo $(( ($1 * side + 31) / 32 * 4 )); }

# count bytes of one value (0-255).
same_bytes() { head -c "$1" /dev/zero | tr '\0' "\\$(printf '%03o' "$2")"; }

# The rows of the picture: random bytes unless a command is given, which is called with the
# bytes of one row and prints every row, bottom row first.
random_rows() { head -c $(($1 * side)) /dev/urandom; }

# make_bmp DEPTH FILE [ROWS]: a side x side BMP of 8 bits (random palette) or 24 bits, its rows
# printed by ROWS (random_rows by default).
make_bmp() {
  local depth=$1 file=$2 rows=${3:-random_rows} row offset
  row=$(row_bytes "$depth")
  offset=$(( depth == 8 ? 1078 : 54 ))
  {
    printf "BM$(le32 $((offset + row * side)))\\x00\\x00\\x00\\x00$(le32 $offset)"
    printf "$(le32 40)$(le32 $side)$(le32 $side)\\x01\\x00$(printf '\\x%02x' "$depth")\\x00"
    head -c 24 /dev/zero
    [ "$depth" -eq 8 ] && head -c 1024 /dev/urandom
    "$rows" "$row"
  } > "$file"
}

# best_of RUNS COMMAND...: the best wall time of RUNS runs of the command, in seconds.
best_of() {
  local runs=$1 times=()
  shift
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N); "$@" > /dev/null; end=$(date +%s%N)
    times+=($((end - start)))
  done
  printf '%s\n' "${times[@]}" | sort -n | head -1 | awk '{ printf "%.3f", $1 / 1e9 }'
}

# best COMMAND...: the best of three runs.
best() { best_of 3 "$@"; }

# median COMMAND...: the median wall time of three runs, in seconds.
median() {
  local times=()
  for _ in 1 2 3; do
    local start end
    start=$(date +%s%N); "$@" > /dev/null; end=$(date +%s%N)
    times+=($((end - start)))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 2p | awk '{ printf "%.3f", $1 / 1e9 }'
}
