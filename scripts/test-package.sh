#!/usr/bin/env bash
# Builds the Debian package and checks it on this machine (as root): lintian, the file list, then
# installs it with apt-get and checks the installed program (--version, --help, the export of the
# installed sample records, the window opened on a record the way the desktop entry's Exec line does),
# the desktop entry and the MIME type of a record against a plain text file; finally purges it and
# checks that nothing of it is left. Prints how long the checks took after the build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "test-package: installing the package needs root" >&2; exit 1; }
"$root/scripts/install-deps.sh" dpkg-dev lintian desktop-file-utils shared-mime-info xdg-utils \
  libfile-mimeinfo-perl poppler-utils
deb=$("$root/scripts/package.sh" | tail -1)
start=$SECONDS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "test-package: $*" >&2; exit 1; }

# Lintian: errors and warnings fail; informational tags are shown.
lintian --fail-on error,warning --allow-root "$deb"

# The file list (directories left out).
cat >"$work/expected" <<'LIST'
./usr/bin/stroop-analyser
./usr/share/applications/stroop-analyser.desktop
./usr/share/doc/stroop-analyser/changelog.gz
./usr/share/doc/stroop-analyser/copyright
./usr/share/icons/hicolor/128x128/apps/stroop-analyser.png
./usr/share/icons/hicolor/16x16/apps/stroop-analyser.png
./usr/share/icons/hicolor/24x24/apps/stroop-analyser.png
./usr/share/icons/hicolor/256x256/apps/stroop-analyser.png
./usr/share/icons/hicolor/32x32/apps/stroop-analyser.png
./usr/share/icons/hicolor/48x48/apps/stroop-analyser.png
./usr/share/icons/hicolor/64x64/apps/stroop-analyser.png
./usr/share/icons/hicolor/scalable/apps/stroop-analyser.svg
./usr/share/man/man1/stroop-analyser.1.gz
./usr/share/mime/packages/stroop-analyser.xml
./usr/share/stroop-analyser/Data/0507.txt
./usr/share/stroop-analyser/Data/1123.txt
./usr/share/stroop-analyser/Data/2046.txt
LIST
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/actual"
diff -u "$work/expected" "$work/actual" || fail "the package's file list differs"

# What the package could leave behind: the folders it installs into, and the caches that the
# desktop database, MIME database and icon theme triggers rebuild.
snapshot() {
  # find fails for the package's own folders while they are missing; that is the point.
  { find /usr/bin /usr/share/applications /usr/share/mime /usr/share/icons/hicolor \
      /usr/share/man/man1 /usr/share/doc /usr/share/stroop-analyser /var/lib/dpkg/info -maxdepth 3 \
      2>/dev/null || true; } | sort
  grep -rl "stroop" /usr/share/applications/*.cache /usr/share/mime/*.cache \
    /usr/share/mime/mime.cache /usr/share/icons/hicolor/*.cache 2>/dev/null || true
}
dpkg-query -W stroop-analyser >/dev/null 2>&1 && apt-get purge -y -qq stroop-analyser >/dev/null
snapshot >"$work/before"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
[ "$(stroop-analyser --version)" = "stroop-analyser $(dpkg-deb -f "$deb" Version)" ] ||
  fail "--version prints '$(stroop-analyser --version)'"
stroop-analyser --help | grep -q -- "--export DIR" || fail "--help shows no usage"

# The installed program exports the installed sample records exactly as the built one does (the
# PDF reports carry the time they were made, so their text is compared).
records=(/usr/share/stroop-analyser/Data/*.txt)
[ ${#records[@]} -eq 3 ] || fail "sample records: ${records[*]}"
stroop-analyser --export "$work/installed" --pdf --png-scale 2 "${records[@]}"
"$(dirname "$deb")/app/stroop-analyser" --export "$work/built" --pdf --png-scale 2 "${records[@]}"
[ "$(ls "$work/installed" | wc -l)" -eq 30 ] || fail "export: $(ls "$work/installed")"
diff -r --exclude='*.pdf' "$work/built" "$work/installed" || fail "the installed program's export differs"
for pdf in "$work/installed"/*.pdf; do
  diff <(pdftotext -layout "$pdf" -) <(pdftotext -layout "$work/built/$(basename "$pdf")" -) >/dev/null ||
    fail "the installed program's $(basename "$pdf") differs"
done

# The desktop entry, and the window it starts on a record (and an error box for what is no record).
desktop=/usr/share/applications/stroop-analyser.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_line" = "stroop-analyser %f" ] || fail "Exec=$exec_line"
if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
  bash "$root/tests/app/window-smoke.sh" "$(command -v "${exec_line%% *}")" "${records[0]}" "$desktop"
fi

# The MIME type: a record by its first line, whatever its name; a plain text file stays text/plain.
cp "${records[0]}" "$work/any name.txt"
printf 'Results of another test\r\n1 2 3\r\n' >"$work/plain.txt"
printf 'Результаты выполнения теста Струпа\r\n' >"$work/utf8.txt"  # UTF-8, not the record's CP1251
for file in "${records[0]}" "$work/any name.txt" "$work/plain.txt" "$work/utf8.txt"; do
  printf '%s: %s\n' "$(basename "$file")" "$(xdg-mime query filetype "$file")"
done >"$work/types"
diff -u - "$work/types" <<TYPES || fail "MIME types"
$(basename "${records[0]}"): text/x-stroop-record
any name.txt: text/x-stroop-record
plain.txt: text/plain
utf8.txt: text/plain
TYPES
[ "$(xdg-mime query default text/x-stroop-record)" = "stroop-analyser.desktop" ] ||
  fail "no default application for text/x-stroop-record"

apt-get purge -y -qq stroop-analyser >/dev/null
snapshot >"$work/after"
diff -u "$work/before" "$work/after" || fail "left behind after purging"
! dpkg-query -W stroop-analyser >/dev/null 2>&1 || fail "still known to dpkg"
echo "package test passed in $((SECONDS - start)) s after the build: $(basename "$deb")"
