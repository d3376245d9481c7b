#!/usr/bin/env bash
# Installs the built project into a scratch prefix and checks that a desktop
# would find a valid launcher, icons and metainfo there.
# Usage: check_install.sh CMAKE BUILD_DIR APP_ID
# Exit 77 (skipped) when a validator is not installed.
set -euo pipefail

cmake=$1 build_dir=$2 app_id=$3

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed (scripts/deps installs it); skipping"
        exit 77
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build_dir" --prefix "$prefix" >/dev/null

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

share=$prefix/share
desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml

if [[ -f $desktop ]]; then
    # It exits 0 on warnings, so anything it says other than a hint counts.
    if ! report=$(desktop-file-validate "$desktop" 2>&1) ||
        grep -v 'hint:' <<<"$report" | grep -q .; then
        fail "desktop-file-validate:"$'\n'"$report"
    fi
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [[ -x $prefix/bin/$exec_name ]] ||
        fail "the launcher runs '$exec_name', which is not installed in bin"
    icon_name=$(sed -n 's/^Icon=//p' "$desktop")
    [[ $icon_name == "$app_id" ]] ||
        fail "the launcher's icon is '$icon_name', not '$app_id'"
else
    fail "no launcher at ${desktop#"$prefix"/}"
fi

if [[ -f $metainfo ]]; then
    report=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) ||
        fail "appstreamcli validate:"$'\n'"$report"
    # The tree check also finds the launcher and icons the metainfo points to.
    report=$(appstreamcli validate-tree --no-net --strict "$prefix" 2>&1) ||
        fail "appstreamcli validate-tree:"$'\n'"$report"
else
    fail "no metainfo at ${metainfo#"$prefix"/}"
fi

# Bytes 16 to 23 of a PNG are its width and height, big-endian.
png_size() {
    local -a b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

for size in 16x16 32x32 48x48; do
    png=$share/icons/hicolor/$size/apps/$app_id.png
    if [[ ! -f $png ]]; then
        fail "no icon at ${png#"$prefix"/}"
    elif [[ $(head -c8 "$png" | od -An -tx1 | tr -d ' \n') != 89504e470d0a1a0a ]]; then
        fail "${png#"$prefix"/} is not a PNG"
    elif [[ $(png_size "$png") != "$size" ]]; then
        fail "${png#"$prefix"/} is $(png_size "$png"), not $size"
    fi
done
svg=$share/icons/hicolor/scalable/apps/$app_id.svg
if [[ ! -f $svg ]]; then
    fail "no icon at ${svg#"$prefix"/}"
elif ! grep -q '<svg' "$svg"; then
    fail "${svg#"$prefix"/} is not an SVG"
fi

if ((failures > 0)); then
    echo "$failures problem(s) in the installed files"
    exit 1
fi
echo "installed launcher, icons and metainfo are valid"
