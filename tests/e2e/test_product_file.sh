#!/usr/bin/env bash
# The shipped 32-bit program as a file: format, imports, manifest and icon.
set -euo pipefail
: "${DRAVELIN_PRODUCT:?DRAVELIN_PRODUCT must name the shipped Dravelin.exe}"
python3 "$(dirname "$0")/product_file.py" "$DRAVELIN_PRODUCT"
