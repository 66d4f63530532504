# Installs the Debian packages the build needs when any is missing.
# Sourced by scripts/run and scripts/test; runs as root on a fresh machine.
tolvane_packages=(cmake ninja-build g++ qt6-base-dev libcsv-dev)
tolvane_missing=()
for pkg in "${tolvane_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
        || tolvane_missing+=("$pkg")
done
if [ ${#tolvane_missing[@]} -gt 0 ]; then
    echo "Installing: ${tolvane_missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${tolvane_missing[@]}"
fi
