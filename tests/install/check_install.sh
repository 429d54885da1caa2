#!/usr/bin/env bash
# The install tree as a user gets it. Installs the build into a temporary
# DESTDIR under a prefix that exists nowhere on this machine, runs the
# programs from there with no environment variable pointing at data, moves
# the whole tree elsewhere and runs them again, and validates the menu entry
# and the AppStream metainfo.
#
#   check_install.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
pjsim_pid=
cleanup() {
  if [[ -n "$pjsim_pid" ]]; then kill "$pjsim_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "install check: $*" >&2; exit 1; }

# Data must be found from the programs' own location, nothing else.
unset EXPERT_CATALOG_DIR EXPERT_MODEL_DB EXPERT_LOG LC_MESSAGES LANGUAGE
export LC_ALL=C LANG=C
prefix=/opt/expert-control-install-check
[[ ! -e "$prefix" ]] || fail "$prefix exists on this machine; the check needs a prefix that does not"

DESTDIR="$work/stage" cmake --install "$build" --prefix "$prefix" > "$work/install.log" ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }

# pjsim serves a model found in the tree's database; the driver, from the same
# tree, opens that model's dialog against it over TCP, with the tree's
# catalogs (the caption and the tab titles are catalog texts).
driver_session() {
  local root=$1
  "$root/bin/pjsim" --model 5/30 --listen 127.0.0.1:0 > "$work/pjsim.out" 2> "$work/pjsim.err" &
  pjsim_pid=$!
  local port=
  for _ in $(seq 100); do
    port=$(sed -n 's/^listening 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$work/pjsim.out")
    [[ -n "$port" ]] && break
    kill -0 "$pjsim_pid" 2>/dev/null || { cat "$work/pjsim.err" >&2; fail "$root/bin/pjsim did not start"; }
    sleep 0.1
  done
  [[ -n "$port" ]] || fail "$root/bin/pjsim printed no port"
  local replies
  replies=$(cd "$work" && printf '%s\n' \
    '{"cmd":"open","model":"5/30","connect":"tcp://127.0.0.1:'"$port"'","seq":1}' \
    '{"cmd":"tab","index":1,"seq":2}' \
    '{"cmd":"events","seq":3}' \
    '{"cmd":"close","seq":4}' | "$root/bin/expert-driver") || fail "$root/bin/expert-driver failed"
  # expertctl from the same tree reads a list holding that projector.
  printf '{"version":1,"projectors":[{"name":"Lab","type":5,"model":30,"connection":"network",%s}]}\n' \
    '"address":"127.0.0.1","port":'"$port"',"password":"","timeout_ms":2000' > "$work/projectors.json"
  local status
  status=$("$root/bin/expertctl" --list "$work/projectors.json" status Lab) ||
    fail "$root/bin/expertctl status failed:"$'\n'"$status"
  grep -Eq '^Lab +- +on ' <<<"$status" || fail "expertctl from $root: the projector is not reported on:"$'\n'"$status"
  # A settings profile walks the dialog in the tree's worker process.
  rm -f "$work/lab.json"
  "$root/bin/expertctl" --list "$work/projectors.json" profile save Lab "$work/lab.json" > /dev/null ||
    fail "$root/bin/expertctl profile save failed"
  grep -q '"format": *"expert-control-profile"' "$work/lab.json" || fail "expertctl from $root: no profile written"
  kill "$pjsim_pid"; wait "$pjsim_pid" || true; pjsim_pid=
  grep -q '"caption":"Expert Control - PV-5300' <<<"$replies" ||
    fail "driver from $root: no translated caption with the model's name:"$'\n'"$replies"
  grep -q '"tabs":\["Status","Picture"' <<<"$replies" || fail "driver from $root: tab titles not from the catalog:"$'\n'"$replies"
  grep -q '"seq":3,"messages":\[\],"calls":\[{' <<<"$replies" ||
    fail "driver from $root: the pages did not read their values from pjsim without errors:"$'\n'"$replies"
  grep -q '"ok":true,"seq":1,"result":1' <<<"$replies" || fail "driver from $root: the dialog did not close with OK:"$'\n'"$replies"
}

check_tree() {
  local root=$1
  for program in expert-host expertctl pjsim expert-driver; do
    [[ -x "$root/bin/$program" ]] || fail "$root/bin/$program is not installed"
  done
  for program in "$root"/bin/*; do
    local name
    name=$(basename "$program")
    [[ "$("$program" --version)" == "$name $version" ]] || fail "$name --version does not print \"$name $version\""
    "$program" --help | grep -q . || fail "$name --help prints nothing"
    [[ -s "$root/share/man/man1/$name.1.gz" ]] || fail "$name has no manual page"
    readelf -d "$program" | grep -q 'RUNPATH.*\[\$ORIGIN/\.\./lib/expert-control\]' ||
      fail "$name: RUNPATH is not \$ORIGIN/../lib/expert-control"
  done
  for library in "$root"/lib/expert-control/*.so; do
    readelf -d "$library" | grep -q 'RUNPATH.*\[\$ORIGIN\]' || fail "$library: RUNPATH is not \$ORIGIN"
  done
  # Every library of the package comes from this tree, none from the build.
  local libraries name arrow path rest
  libraries=$(ldd "$root/bin/expert-host")
  ! grep -q 'not found' <<<"$libraries" || fail "expert-host misses libraries:"$'\n'"$libraries"
  while read -r name arrow path rest; do
    [[ "$(realpath "$path")" == "$(realpath "$root")/lib/expert-control/$name" ]] ||
      fail "expert-host takes $name from $path, not from $root/lib/expert-control"
  done < <(grep -E '^\s*lib(expert|expert_qtdisplay|beamlink|pjframework)\.so ' <<<"$libraries")
  [[ -s "$root/share/expert-control/lexbase.cat" && -s "$root/share/expert-control/lexzh.cat" ]] || fail "catalogs missing"
  compgen -G "$root/share/expert-control/models/*.json" > /dev/null || fail "model database missing"
  driver_session "$root"
}

tree="$work/stage$prefix"
check_tree "$tree"
# Moved as a whole to another place, it still works.
mv "$tree" "$work/moved"
check_tree "$work/moved"

desktop-file-validate "$work/moved/share/applications/"*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$work/moved/share/metainfo/"*.metainfo.xml > "$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
[[ -s "$work/moved/share/icons/hicolor/scalable/apps/$(basename "$work/moved/share/applications/"*.desktop .desktop).svg" ]] ||
  fail "the menu entry's icon is not installed"
echo "install check: passed ($(find "$work/moved" -type f | wc -l) files)"
