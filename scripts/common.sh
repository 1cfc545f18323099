# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# Sourced, not run.

TESSIVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TESSIVO_BUILD="${TESSIVO_BUILD:-$TESSIVO_ROOT/build}"

TESSIVO_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libcurl4-openssl-dev libpng-dev libqrencode-dev libzxing-dev libcpp-httplib-dev
  libjpeg62-turbo-dev libhpdf-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qpdf poppler-utils zbar-tools
  fonts-liberation fonts-urw-base35 fonts-crosextra-carlito fonts-dejavu-core
)

tessivo_missing_packages() {
  local pkg missing=()
  for pkg in "${TESSIVO_PACKAGES[@]}"; do
    local status
    status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
    if [ "$status" != "install ok installed" ]; then
      missing+=("$pkg")
    fi
  done
  echo "${missing[@]}"
}

tessivo_install_packages() {
  local missing
  missing="$(tessivo_missing_packages)"
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "These packages are missing and this is not root (and sudo is absent): $missing" >&2
      return 1
    fi
  fi
  $sudo apt-get update
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
}

tessivo_build() {
  local jobs="${TESSIVO_JOBS:-2}"
  cmake -S "$TESSIVO_ROOT" -B "$TESSIVO_BUILD" -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build "$TESSIVO_BUILD" -j"$jobs"
}
