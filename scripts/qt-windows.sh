# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by windows.sh: Qt for Windows, built once from Debian's own qtbase
# source with Debian's mingw-w64, static, into a cache outside the source
# tree. The cache is keyed by the Qt version, the configure options and our
# patches to Qt, so a change of any builds afresh and a fresh clone on the
# same machine reuses it.

# Left out is what the game and its tests never use: no OpenGL, not even
# loaded at run time. The third-party libraries come from Qt's own copies,
# which the static program then carries. Debian's +dfsg source lacks
# wintab.h, so tablet events stay out. The rest keeps the program small: the
# widgets, dialogs, text formats and image formats that nothing here opens or
# reads (one of our patches lets the Windows styles build without those
# widgets), the font engines that Windows does not need beside its own
# DirectWrite, and code compiled for size, each function in a section of its
# own that the program's link drops if unused. Direct2D stays: without it
# Qt 6.8 neither compiles nor starts its DirectWrite font engine; only its
# platform plugin, which nothing loads, is left out. Qt's unity build compiles
# its sources in batches, which takes a fraction of the time.
QT_WINDOWS_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
    -DFEATURE_optimize_size=ON
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections"
    "-DCMAKE_CXX_FLAGS=-ffunction-sections -fdata-sections"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_UNITY_BUILD=ON
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_dynamicgl=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_freetype=OFF -DFEATURE_harfbuzz=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF -DFEATURE_movie=OFF
    -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF -DFEATURE_undocommand=OFF
    -DFEATURE_mimetype=OFF -DFEATURE_filesystemwatcher=OFF -DFEATURE_sharedmemory=OFF
    -DFEATURE_systemsemaphore=OFF -DFEATURE_islamiccivilcalendar=OFF
    -DFEATURE_jalalicalendar=OFF
    -DFEATURE_style_fusion=OFF
    -DFEATURE_mdiarea=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF
    -DFEATURE_filedialog=OFF -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF
    -DFEATURE_wizard=OFF -DFEATURE_errormessage=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_splashscreen=OFF
    -DFEATURE_toolbox=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_splitter=OFF
    -DFEATURE_keysequenceedit=OFF
    -DFEATURE_whatsthis=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_systemtrayicon=OFF
    -DFEATURE_sessionmanager=OFF -DFEATURE_itemmodeltester=OFF
    -DFEATURE_itemviews=OFF -DFEATURE_graphicsview=OFF -DFEATURE_textedit=OFF
    -DFEATURE_tabbar=OFF -DFEATURE_dockwidget=OFF -DFEATURE_toolbar=OFF
    -DFEATURE_commandlinkbutton=OFF -DFEATURE_style_stylesheet=OFF
    -DFEATURE_lineedit=OFF -DFEATURE_spinbox=OFF -DFEATURE_formlayout=OFF
    -DFEATURE_gestures=OFF -DFEATURE_scroller=OFF
    -DFEATURE_xmlstream=OFF -DFEATURE_sortfilterproxymodel=OFF
    -DFEATURE_direct2d1_1=OFF)

# Ours, applied after Debian's, each saying why.
QT_WINDOWS_PATCHES=("$PWD"/scripts/qt-patches/*.patch)

MEROVANT_CACHE=${MEROVANT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/merovant}
# The Qt build runs in a command substitution, which stops at a failing
# command too.
shopt -s inherit_errexit

# The source package of the host's Qt, whose moc, rcc and uic the Windows
# build runs: both must be the same version.
qt_source_version() {
    dpkg-query -W -f='${source:Version}' qt6-base-dev
}

# Where the Qt for Windows of this version and these options is installed.
qt_windows_prefix() {
    local key
    key=$( (qt_source_version && printf '%s\n' "${QT_WINDOWS_OPTIONS[@]}" &&
        cat "$PWD/cmake/mingw-w64-x86_64.cmake" "${QT_WINDOWS_PATCHES[@]}") |
        sha256sum | cut -c1-12)
    echo "$MEROVANT_CACHE/qt-$(qt_source_version | tr '+~' '__')-windows-x86_64-$key"
}

# Fetches the qtbase source with apt into DIR, through a private copy of the
# system's Debian sources turned into deb-src entries: apt checks the files
# against the archive's signed index as for any install, and the system's own
# apt configuration stays as it is. Debian's patches apply, then ours.
fetch_qt_source() {
    local dir=$1 apt=$1/apt
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
    : >"$apt/sources.list"
    [ ! -f /etc/apt/sources.list ] ||
        sed -n 's/^deb \(.*\/debian\(-security\)\?\/\? .*\)/deb-src \1/p' /etc/apt/sources.list \
            >>"$apt/sources.list"
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        # Debian's own archives only, each paragraph as it stands but for its type.
        awk -v RS= -v ORS='\n\n' '/URIs:[^\n]*\/debian(-security)?\/?(\n|$)/ {
            sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file" \
            >"$apt/sources.list.d/$(basename "$file")"
    done
    local options=(-o "Dir::Etc::SourceList=$apt/sources.list"
        -o "Dir::Etc::SourceParts=$apt/sources.list.d" -o "Dir::State::Lists=$apt/lists"
        -o "Dir::Cache=$apt/cache" -o "Debug::NoLocking=1" -o "APT::Sandbox::User=root")
    apt-get "${options[@]}" update -qq
    (cd "$dir" && apt-get "${options[@]}" source -qq --download-only "qt6-base=$(qt_source_version)")
    # Its patches draw warnings that are Debian's own business.
    (cd "$dir" && dpkg-source --no-check -x qt6-base_*.dsc qtbase >"$dir/unpack.log" 2>&1) || {
        cat "$dir/unpack.log" >&2
        return 1
    }
    local patch
    for patch in "${QT_WINDOWS_PATCHES[@]}"; do
        patch --quiet --forward -d "$dir/qtbase" -p1 <"$patch"
    done
    rm -rf "$apt"
}

# Copies the licence texts of Qt and of every third-party library that its
# sources bundle, as each library's qt_attribution.json names them, from the
# source tree SRC to DEST.
collect_qt_licenses() {
    local src=$1 dest=$2
    mkdir -p "$dest"
    cp "$src"/LICENSES/*.txt "$dest/"
    cp "$src/debian/copyright" "$dest/debian-copyright.txt"
    # FreeType's licence names the FreeType License as a file of its own.
    mkdir -p "$dest/3rdparty/freetype"
    cp "$src/src/3rdparty/freetype/docs/FTL.TXT" "$dest/3rdparty/freetype/"
    python3 - "$src/src" "$dest" <<'PYTHON'
import json, pathlib, shutil, sys
src, dest = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
for attribution in sorted(src.rglob('qt_attribution.json')):
    entries = json.loads(attribution.read_text(), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        names = entry.get('LicenseFiles', [])
        if 'LicenseFile' in entry:
            names.append(entry['LicenseFile'])
        for name in names:
            licence = attribution.parent / name
            if licence.is_file():
                target = dest / licence.relative_to(src)
                target.parent.mkdir(parents=True, exist_ok=True)
                shutil.copyfile(licence, target)
PYTHON
}

# Builds and installs Qt for Windows unless the cache holds it already;
# prints the prefix.
ensure_qt_windows() {
    local prefix work started=$SECONDS
    prefix=$(qt_windows_prefix)
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        return 0
    fi
    work="$prefix.build"
    rm -rf "$prefix" "$work"
    mkdir -p "$work"
    echo "== Building Qt $(qt_source_version) for Windows once, into $prefix (about 11 minutes on 2 cores)" >&2
    fetch_qt_source "$work" >&2
    # Qt's own toolchain file, which builds of the game start from, refers to
    # this one: a copy in the cache outlives the clone that built it.
    mkdir -p "$prefix"
    cp cmake/mingw-w64-x86_64.cmake "$prefix/"
    cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${QT_WINDOWS_OPTIONS[@]}" >"$work/configure.log" 2>&1 || {
        tail -40 "$work/configure.log" >&2
        echo "windows.sh: configuring Qt for Windows failed; the whole log is $work/configure.log" >&2
        exit 1
    }
    cmake --build "$work/build" >"$work/build.log" 2>&1 || {
        tail -40 "$work/build.log" >&2
        echo "windows.sh: building Qt for Windows failed; the whole log is $work/build.log" >&2
        exit 1
    }
    cmake --install "$work/build" >/dev/null
    # The static program carries Qt and those libraries: its packages ship
    # their licences.
    collect_qt_licenses "$work/qtbase" "$prefix/licenses"
    rm -rf "$work"
    touch "$prefix/.complete"
    echo "== Qt for Windows built in $((SECONDS - started)) s" >&2
    echo "$prefix"
}
