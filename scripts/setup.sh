#!/usr/bin/env bash
# Sees that what building and testing GlyphBay needs is on this Debian 12 machine. As root it
# installs what is missing. As an ordinary user it changes nothing: when something is missing it
# names it and the command to run as root, in one line, and exits non-zero.
set -euo pipefail

packages=(cmake make g++ googletest python3 g++-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine64 xvfb xdotool imagemagick x11-utils locales clang libclang-rt-14-dev
          zlib1g-dev)
# Locales in which Wine runs with a Japanese (double-byte) code page and a German system.
wanted_locales=(en_US.UTF-8 ja_JP.UTF-8 de_DE.UTF-8)
# The set-up's own test names packages here that are not installed, to see what a user is told.
if [ -n "${GLYPHBAY_SETUP_PACKAGES:-}" ]; then read -ra packages <<<"$GLYPHBAY_SETUP_PACKAGES"; fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
known_locales=$(locale -a 2>/dev/null || true)
missing_locales=()
for l in "${wanted_locales[@]}"; do
    grep -qix "${l/UTF-8/utf8}" <<<"$known_locales" || missing_locales+=("$l")
done
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

if [ "$(id -u)" -ne 0 ]; then
    if [ ${#missing[@]} -gt 0 ] || [ ${#missing_locales[@]} -gt 0 ]; then
        what=${missing[*]:+the packages ${missing[*]}}
        [ ${#missing_locales[@]} -eq 0 ] || what+="${what:+ and }the locales ${missing_locales[*]}"
        # Locales are made by the set-up itself; packages alone need only apt-get.
        if [ ${#missing_locales[@]} -gt 0 ]; then
            command="bash $(realpath "$0")"
        else
            command="apt-get install --no-install-recommends ${missing[*]}"
        fi
        echo "setup: missing $what; as root, run: $command" >&2
        exit 1
    fi
    wine32_runs || echo "setup: no 32-bit Wine here; using 64-bit Wine and the x86-64 build" \
        "(as root, the set-up tries to install it)"
    exit 0
fi

apt_updated=
apt_update() {
    [ -n "$apt_updated" ] && return 0
    # An index that fails (as the i386 one can) must not stop the set-up: the rest was fetched.
    apt-get update -qq >/dev/null 2>&1 || true
    apt_updated=1
}

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    apt_update
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# 32-bit Wine runs the product's own i686 build; without it the x86-64 build is what runs.
# Some machines cannot have it (the i386 index fails, or the kernel runs no 32-bit programs);
# then the i386 packages and architecture go again, so that later updates stay clean, and a
# kernel that runs no 32-bit programs is remembered so the next set-up does not try again.
wine32_marker=/var/cache/glyphbay/wine32-unusable
drop_i386() {
    local i386
    export DEBIAN_FRONTEND=noninteractive
    apt-get purge -y -qq 'wine32:i386' 'libwine:i386' >/dev/null 2>&1 || true
    apt-get autoremove --purge -y -qq >/dev/null 2>&1 || true
    # What is left is the i386 C library, which apt counts as essential; no amd64 package needs it.
    i386=$(dpkg-query -W -f='${binary:Package}\n' 2>/dev/null | grep ':i386$' || true)
    [ -z "$i386" ] || apt-get purge -y -qq --allow-remove-essential $i386 >/dev/null 2>&1 || true
    dpkg --remove-architecture i386 >/dev/null 2>&1 || true
}
if wine32_runs; then
    :
elif [ -f "$wine32_marker" ] && [ "$(cat "$wine32_marker")" = "$(uname -r)" ]; then
    echo "setup: this machine runs no 32-bit programs; using 64-bit Wine and the x86-64 build"
else
    dpkg --print-foreign-architectures | grep -qx i386 || { dpkg --add-architecture i386; apt_updated=; }
    apt_update
    if DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null 2>&1 &&
        wine32_runs; then
        echo "setup: 32-bit Wine installed"
    else
        if [ -x /usr/lib/wine/wine ]; then
            mkdir -p "$(dirname "$wine32_marker")"
            uname -r >"$wine32_marker"
        fi
        drop_i386
        echo "setup: 32-bit Wine cannot be had here; using 64-bit Wine and the x86-64 build"
    fi
fi

for l in "${missing_locales[@]}"; do
    sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" >> /etc/locale.gen
done
[ ${#missing_locales[@]} -eq 0 ] || locale-gen >/dev/null
exit 0
