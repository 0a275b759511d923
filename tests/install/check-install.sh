#!/usr/bin/env bash
# Installs the build into a temporary folder (prefix /usr, as the package does) and checks the installed
# tree: every file in its place, the desktop entry and the software-centre file valid, list files known by
# name and by their first bytes, the icons in their sizes, and both programs finding their shipped data.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [[ -f $root/usr/$1 ]] || fail "missing /usr/$1"; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

# The programs, the menu entry, the software-centre file, the file type, the manual pages.
app=example.brainlark.Brainlark
for f in bin/brainlark bin/brainlark-cli share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/mime/packages/brainlark.xml share/man/man1/brainlark.1.gz share/man/man1/brainlark-cli.1.gz \
    share/icons/hicolor/scalable/apps/brainlark.svg share/doc/brainlark/copyright \
    share/doc/brainlark/changelog.Debian.gz; do
    expect_file "$f"
done
[[ -x $root/usr/bin/brainlark && -x $root/usr/bin/brainlark-cli ]] || fail "programs not executable"
for page in brainlark brainlark-cli; do
    gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "$page.1.gz is not gzip"
done
# Debian's documents: the copyright in the machine-readable format, the changelog of this package version.
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    "$root/usr/share/doc/brainlark/copyright" || fail "copyright is not machine-readable"
zcat "$root/usr/share/doc/brainlark/changelog.Debian.gz" | head -1 | grep -q '^brainlark (4.0-1) ' ||
    fail "changelog.Debian.gz does not start with brainlark (4.0-1)"

# Every shipped file of the program folder, byte for byte.
(cd "$source/data" && find . -type f | sort) >"$root/shipped"
(cd "$root/usr/share/brainlark" && find . -type f | sort) >"$root/installed"
diff -u "$root/shipped" "$root/installed" || fail "share/brainlark differs from data/"
while IFS= read -r f; do
    cmp -s "$source/data/$f" "$root/usr/share/brainlark/$f" || fail "share/brainlark/$f differs"
done <"$root/shipped"

# Icons: a PNG of each usual size, its width and height as its folder says.
for size in 16 22 24 32 48 64 128 256 512; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/brainlark.png
    if [[ ! -f $png ]]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    read -r w h < <(od -An -j16 -N8 -tu1 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [[ $w == "$size" && $h == "$size" ]] || fail "${size}x${size} icon is ${w}x${h}"
done
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/brainlark.svg" || fail "scalable icon is no SVG"

# The desktop's own validators.
desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
grep -q '^MimeType=application/x-brainlark-list;$' "$root/usr/share/applications/$app.desktop" ||
    fail "desktop entry does not open lists"
grep -q '^Exec=brainlark %f$' "$root/usr/share/applications/$app.desktop" || fail "desktop entry passes no file"

# The file type: by name, and by the first bytes of a list under any name. Long lists store FF FF and a
# four-byte count first.
update-mime-database "$root/usr/share/mime" 2>/dev/null || fail "update-mime-database"
list=$(ls "$source"/data/data/*.fly | head -1)
cp "$list" "$root/list.fly"
cp "$list" "$root/list.bin"
printf '\xff\xff\x00\x00\x01\x00\xff\xff\x0a\x00\x04\x00Word' >"$root/long.bin"
printf 'not a list at all, just words' >"$root/words.bin"
mime_of() { XDG_DATA_DIRS=$root/usr/share:/usr/share gio info -a standard::content-type "$1" | sed -n 's/.*content-type: //p'; }
for f in list.fly list.bin long.bin; do
    [[ $(mime_of "$root/$f") == application/x-brainlark-list ]] || fail "$f is $(mime_of "$root/$f")"
done
[[ $(mime_of "$root/words.bin") != application/x-brainlark-list ]] || fail "any file counts as a list"

# The installed command-line tool finds the shipped card picture (run away from the source tree).
(cd "$root" && usr/bin/brainlark-cli print-flashcards list.fly cards.pdf >/dev/null) || fail "installed print-flashcards"
[[ -s $root/cards.pdf ]] || fail "no flashcards written"

# Help and version answer in a shell without a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/brainlark" --version 2>&1) ||
    fail "brainlark --version without a display: $version"
[[ $version == "Brainlark 4.0" ]] || fail "brainlark --version says: $version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/brainlark" --help | grep -q '^Usage: brainlark' ||
    fail "brainlark --help without a display"
cli_version=$("$root/usr/bin/brainlark-cli" --version 2>&1) || fail "brainlark-cli --version: $cli_version"
[[ $cli_version == "brainlark-cli ${version#Brainlark }" ]] || fail "brainlark-cli --version says: $cli_version"

# The installed program seeds a learner's program folder from share/brainlark on its first start (a file
# put there only now shows that it is that copy and not the source tree's).
touch "$root/usr/share/brainlark/installed-copy"
mkdir -p "$root/home/data" "$root/home/config" && mkdir -m 700 "$root/run"
XDG_DATA_HOME=$root/home/data XDG_CONFIG_HOME=$root/home/config XDG_RUNTIME_DIR=$root/run \
    QT_QPA_PLATFORM=offscreen timeout 60 "$root/usr/bin/brainlark" --benchmark-startup >/dev/null 2>&1 ||
    fail "installed brainlark did not start"
seeded=$root/home/data/Handy_Deck/Brainlark
for f in installed-copy card.bmp help/index.html "data/$(basename "$list")"; do
    [[ -f $seeded/$f ]] || fail "program folder not seeded with $f"
done

if ((failures)); then
    echo "check-install: $failures failures"
    exit 1
fi
echo "check-install: every file in place"
