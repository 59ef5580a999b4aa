# Installs the Debian packages the build needs, only those that are missing. Sourced by ./run,
# ./test and ./benchmark; pass extra package names in MIRELTO_EXTRA_PACKAGES.
# libqt6svg6 brings the image plugin that shows the quick start's pictures.
# libheif-dev and libraw-dev show HEIF/AVIF pictures and the previews of RAW files;
# qt6-image-formats-plugins brings Qt's WebP reader.
# qt6-l10n-tools compiles the translations; qt6-translations-l10n puts Qt's own dialogs (the folder
# chooser) in the interface language.
mirelto_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev qt6-tools-dev
                  qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev libqt6svg6
                  libheif-dev libraw-dev qt6-image-formats-plugins ${MIRELTO_EXTRA_PACKAGES:-})
# Only the tests need these: the program's black-box tests run it in a real X server and type
# into it.
mirelto_test_packages=(xvfb xdotool)
# Only the benchmarks need these: libexiv2 is linked into a benchmark and ExifTool run by some,
# never by the program.
mirelto_bench_packages=(libexiv2-dev libimage-exiftool-perl)

# mirelto_install_missing [PACKAGES...]: the build's packages and the ones given.
mirelto_install_missing() {
    local missing=()
    local package
    for package in "${mirelto_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}" >&2
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq >&2
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# mirelto_build DIR BUILD_TYPE [CMAKE OPTIONS...]: configures once, then builds incrementally.
mirelto_build() {
    local dir=$1 type=$2
    shift 2
    if [ ! -f "$dir/build.ninja" ]; then
        local launcher=()
        # A compiler cache, where one is installed, makes a fresh build directory quick.
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
            "${launcher[@]}" "$@" >/dev/null
    fi
    cmake --build "$dir" -- -j"$(nproc)"
}
