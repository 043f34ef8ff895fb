#!/usr/bin/env bash
# Checks the Debian package: unpacked into a fresh root it holds exactly the files a desktop
# needs, each valid by the tool that reads it; it depends on the libraries the executable
# links and no others; lintian finds no error; and the installed program reports a fixture log.
# Usage: check_package.sh PACKAGE.deb WRITE_FIXTURE_LOG
set -eu
deb=$1
writeFixture=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
  echo "check_package: $*" >&2
  failures=$((failures + 1))
}

dpkg -x "$deb" "$root"

expected=(
  usr/bin/orvanta
  usr/share/applications/orvanta.desktop
  usr/share/doc/orvanta/changelog.gz
  usr/share/doc/orvanta/copyright
  usr/share/man/man1/orvanta.1.gz
  usr/share/metainfo/example.orvanta.orvanta.metainfo.xml
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/orvanta.png")
  file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/orvanta.png" |
    grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "icon $size is not a $size-pixel RGBA PNG"
done
actual=$(cd "$root" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "files differ from the expected ones:
$(diff <(echo "$wanted") <(echo "$actual") || true)"
[ -x "$root/usr/bin/orvanta" ] || fail "usr/bin/orvanta is not executable"
[ "$failures" -eq 0 ] || exit 1  # the checks below read these files

desktop-file-validate "$root/usr/share/applications/orvanta.desktop" || fail "desktop entry invalid"
# The tree check also matches the description with its desktop entry and file name.
appstreamcli validate --no-net "$root/usr/share/metainfo/example.orvanta.orvanta.metainfo.xml" ||
  fail "metainfo invalid"
appstreamcli validate-tree --no-net "$root" || fail "metainfo and desktop entry do not match"

# The manual page formats without a warning.
manWarnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/orvanta.1.gz" 2>&1 >/dev/null) ||
  fail "man cannot format the manual page"
[ -z "$manWarnings" ] || fail "manual page: $manWarnings"
MANWIDTH=80 man -l "$root/usr/share/man/man1/orvanta.1.gz" | grep -q '^ORVANTA(1)' ||
  fail "the manual page is not the page of orvanta(1)"

# Depends names the package of every library the executable needs, and nothing else.
needed=$(readelf -d "$root/usr/bin/orvanta" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
wantedDeps=$(for lib in $needed; do
  dpkg -S "*/$multiarch/$lib" | sed 's/:.*//'
done | sort -u)
actualDeps=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort -u)
[ "$actualDeps" = "$wantedDeps" ] ||
  fail "Depends ($(echo $actualDeps)) is not the libraries' packages ($(echo $wantedDeps))"

# Every lintian finding is shown; an error, or lintian failing to run, fails the check.
lintianOut=$(lintian --fail-on error --tag-display-limit 0 "$deb") || fail "lintian found errors"
sed '/^$/d; s/^/lintian: /' <<<"$lintianOut"

# The installed program on the fixture log, in UTC, its users the accounts of uid 0 and 1.
"$writeFixture" "$root/fixture.evt" 0 1
userA=$(getent passwd 0 | cut -d: -f1)
userB=$(getent passwd 1 | cut -d: -f1)
report=$(TZ=UTC0 env -u DISPLAY "$root/usr/bin/orvanta" --report "$root/fixture.evt") ||
  fail "the installed orvanta --report failed"
printf '%s\n' "$report"
expectedReport="开机时间	关机时间	运行时长	登录用户	信息
2024-03-10 09:00:00			$userA	正常,运行中...
2024-03-09 20:00:00	2024-03-09 23:30:00	3 时30 分	$userB	正常关机
2024-03-08 18:00:00			$userA	非正常关机
	2024-03-07 22:00:00			无开机记录
记录数:4	天数:3	总计:3小时	平均:0(小时/次)"
[ "$report" = "$expectedReport" ] || fail "the installed program reported otherwise:
$(diff <(echo "$expectedReport") <(echo "$report") || true)"

[ "$failures" -eq 0 ] || exit 1
echo "check_package: $(basename "$deb") passed"
