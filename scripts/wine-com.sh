#!/usr/bin/env bash
# Points a COM port of the prefix at a device: wine-com.sh COM2 /dev/pts/N
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"
wine_prefix_init
wine_point_com "$1" "$2"
